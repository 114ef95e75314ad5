// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Rtf.h"

#include <QByteArrayView>

#include <cctype>
#include <cstring>

// The reader lives in RtfReader.cpp, the writer in RtfWriter.cpp.

bool LooksLikeRtf(const QByteArray& bytes)
{
    return bytes.startsWith("{\\rtf");
}

qint64 CountRtfParagraphs(const QByteArray& rtf)
{
    const auto isBreak = [](long long c) { return c == '\n' || c == '\r' || c == 0x2029; };
    qint64 count = 0;
    const char* p = rtf.constData();
    const char* const end = p + rtf.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\\', size_t(end - p))))) {
        const char* word = ++p;
        while (p < end && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z')))
            ++p;
        const QByteArrayView name(word, p - word);
        if (name == "par" || name == "row" || name == "nestrow" || name == "page" || name == "sect") {
            ++count;
        } else if (name == "u") {
            // A character by number; a negative one counts from 65536.
            const char* digits = p < end && *p == '-' ? p + 1 : p;
            long long value = 0;
            for (p = digits; p < end && *p >= '0' && *p <= '9' && value < 1000000; ++p)
                value = value * 10 + (*p - '0');
            if (digits[-1] == '-')
                value = 65536 - value;
            count += isBreak(value);
        } else if (name.isEmpty() && p < end && *p == '\'') {
            // A character by its byte: "\'0a", "\'0d". Only hex digits
            // belong to it; what follows may be a word of its own.
            int value = 0;
            for (int digits = 0; digits < 2 && ++p < end && std::isxdigit(static_cast<unsigned char>(*p)); ++digits)
                value = value * 16 + (std::isdigit(static_cast<unsigned char>(*p)) ? *p - '0' : (*p | 0x20) - 'a' + 10);
            count += isBreak(value);
        } else if (name.isEmpty() && p < end) {
            count += *p == '\n' || *p == '\r';   // a backslash ending a line is \par
            ++p;   // another escaped character, "\\" among them
        }
    }
    return count;
}
