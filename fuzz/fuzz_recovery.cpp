// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery files on arbitrary bytes: the reader never crashes, and what it
// accepts writes out as the same bytes it came from.
#include "document/Recovery.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto record = ParseRecovery(bytes);
    if (!record)
        return 0;
    const QByteArray written = SerializeRecovery(*record);
    const auto back = ParseRecovery(written);
    if (!back || !(*back == *record) || SerializeRecovery(*back) != written)
        std::abort();
    return 0;
}
