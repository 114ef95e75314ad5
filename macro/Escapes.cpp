// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/Escapes.h"

QString DecodeEscapes(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < n) {
            const QChar next = text.at(i + 1);
            if (next == QLatin1Char('t')) {
                out += QLatin1Char('\t');
                ++i;
                continue;
            }
            if (next == QLatin1Char('s')) {
                out += QLatin1Char(' ');
                ++i;
                continue;
            }
            if (next == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
            if (next == QLatin1Char('n')) {
                out += QLatin1String("\r\n");
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString EscapeTypedChar(QChar c)
{
    switch (c.unicode()) {
    case '\t': return QStringLiteral("\\t");
    case '\r':
    case '\n': return QStringLiteral("\\n");
    case ' ': return QStringLiteral("\\s");
    case '\\': return QStringLiteral("\\\\");
    default: return QString(c);
    }
}
