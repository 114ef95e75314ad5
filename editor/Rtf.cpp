#include "editor/Rtf.h"

// The reader lives in RtfReader.cpp, the writer in RtfWriter.cpp.

bool LooksLikeRtf(const QByteArray& bytes)
{
    return bytes.startsWith("{\\rtf");
}
