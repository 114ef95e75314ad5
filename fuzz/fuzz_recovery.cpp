// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery files on arbitrary bytes: the reader never crashes, and what it
// accepts writes out as the same bytes it came from.
#include "document/Recovery.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::CheckRoundTrip(fuzz::Input(data, size), ParseRecovery, SerializeRecovery);
    return 0;
}
