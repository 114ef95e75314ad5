// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/MacroFile.h"

#include "editor/TextCodec.h"
#include "platform/AppError.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <new>

QString MacroNotRead(const QString& reason)
{
    return QCoreApplication::translate("MacroFile", "Macro cannot be read: %1").arg(reason);
}

void WriteMacroFile(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\n");
    TextFormat format{TextEncoding::Utf8, LineBreakStyle::CrLf};   // as the old platform wrote them
    const QByteArray bytes = EncodeText(text, format);
    QString reason;
    if (!WriteFileSafely(path, bytes, &reason))
        throw AppError(QCoreApplication::translate("MacroFile", "Cannot write file \"%1\". %2").arg(path, reason));
}

QStringList ReadMacroFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(MacroNotRead(file.errorString()));
    const auto tooLarge = [] {
        return AppError(MacroNotRead(
            QCoreApplication::translate("MacroFile", "it is larger than %1 MB").arg(kMaxMacroBytes / (1024 * 1024))));
    };
    if (file.size() > kMaxMacroBytes)
        throw tooLarge();
    try {
        // Read past the size seen: the file may have grown meanwhile.
        QByteArray bytes = file.read(file.size() + 1);
        while (bytes.size() <= kMaxMacroBytes && !file.atEnd()) {
            const QByteArray more = file.read(std::min<qint64>(1 << 16, kMaxMacroBytes + 1 - bytes.size()));
            if (more.isEmpty())
                break;
            bytes += more;
        }
        if (bytes.size() > kMaxMacroBytes)
            throw tooLarge();
        if (file.error() != QFileDevice::NoError)
            throw AppError(MacroNotRead(file.errorString()));
        return MacroLinesFromBytes(bytes);
    } catch (const std::bad_alloc&) {
        throw AppError(MacroNotRead(QCoreApplication::translate("MacroFile", "there is not enough memory to hold it")));
    }
}

QStringList MacroLinesFromBytes(const QByteArray& bytes)
{
    QString text = DecodeText(bytes).text;
    if (text.isEmpty())
        return {};
    text.chop(text.endsWith(QLatin1Char('\n')) ? 1 : 0);
    return text.split(QLatin1Char('\n'));
}
