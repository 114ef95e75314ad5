// SPDX-License-Identifier: GPL-3.0-or-later
// The escapes of typed text: every character escaped one by one decodes
// back to itself (a line break to CR LF), and decoding arbitrary text keeps
// its promises: one pass, never longer than the input plus one per "\n".
#include "fuzz/FuzzCheck.h"
#include "macro/Escapes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    QString escaped, expected;
    for (const QChar c : text) {
        const QString e = EscapeTypedChar(c);
        Check(!e.isEmpty() && e.size() <= 2);
        Check(e.size() == 1 || e[0] == QLatin1Char('\\'));
        escaped += e;
        expected += (c == QLatin1Char('\r') || c == QLatin1Char('\n')) ? QStringLiteral("\r\n") : QString(c);
    }
    Check(!escaped.contains(QLatin1Char(' ')) && !escaped.contains(QLatin1Char('\t')));
    Check(DecodeEscapes(escaped) == expected);

    const QString decoded = DecodeEscapes(text);
    Check(decoded.size() <= text.size());
    if (!text.contains(QLatin1Char('\\')))
        Check(decoded == text);
    return 0;
}
