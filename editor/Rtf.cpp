#include "editor/Rtf.h"

#include <QByteArrayView>

#include <cstring>

// The reader lives in RtfReader.cpp, the writer in RtfWriter.cpp.

bool LooksLikeRtf(const QByteArray& bytes)
{
    return bytes.startsWith("{\\rtf");
}

qint64 CountRtfParagraphs(const QByteArray& rtf)
{
    qint64 count = 0;
    const char* p = rtf.constData();
    const char* const end = p + rtf.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\\', size_t(end - p))))) {
        const char* word = ++p;
        while (p < end && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z')))
            ++p;
        const QByteArrayView name(word, p - word);
        if (name == "par" || name == "row" || name == "nestrow" || name == "page" || name == "sect")
            ++count;
        else if (name.isEmpty() && p < end)
            ++p;   // an escaped character, "\\" among them
    }
    return count;
}
