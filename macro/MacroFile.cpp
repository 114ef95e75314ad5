#include "macro/MacroFile.h"

#include "editor/TextCodec.h"
#include "platform/AppError.h"
#include "platform/SafeFile.h"

#include <QFile>

void WriteMacroFile(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\n");
    TextFormat format{TextEncoding::Utf8, LineBreakStyle::CrLf};   // as the old platform wrote them
    const QByteArray bytes = EncodeText(text, format);
    QString reason;
    if (!WriteFileSafely(path, bytes, &reason))
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
}

QStringList ReadMacroFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return MacroLinesFromBytes(file.readAll());
}

QStringList MacroLinesFromBytes(const QByteArray& bytes)
{
    QString text = DecodeText(bytes).text;
    if (text.isEmpty())
        return {};
    text.chop(text.endsWith(QLatin1Char('\n')) ? 1 : 0);
    return text.split(QLatin1Char('\n'));
}
