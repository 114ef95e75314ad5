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
    QString text = DecodeText(file.readAll()).text;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}
