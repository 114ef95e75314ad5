// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file parser on arbitrary bytes: it must never crash, and
// whatever it accepts must write out and read back as the same hive.
#include "platform/RegFileSettingsStore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto hive = ParseRegFile(bytes);
    if (!hive)
        return 0;
    const QByteArray written = SerializeRegFile(*hive);
    const auto back = ParseRegFile(written);
    if (!back || !(*back == *hive) || SerializeRegFile(*back) != written)
        std::abort();
    return 0;
}
