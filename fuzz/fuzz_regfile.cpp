// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file parser on arbitrary bytes: it must never crash, and
// whatever it accepts must write out and read back as the same hive.
#include "fuzz/FuzzCheck.h"
#include "platform/RegFileSettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::CheckRoundTrip(
        fuzz::Input(data, size), [](const QByteArray& bytes) { return ParseRegFile(bytes); }, SerializeRegFile);
    return 0;
}
