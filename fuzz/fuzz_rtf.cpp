// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader on arbitrary bytes: it must never crash, hang or leak,
// whatever it reads must survive a write and a second read unchanged, and
// the paragraphs counted before a load are never fewer than it makes.
#include "editor/Rtf.h"
#include "fuzz/FuzzCheck.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::Input(data, size);
    QTextDocument first;
    ReadRtf(bytes, first);
    Check(first.blockCount() <= CountRtfParagraphs(bytes) + 1);
    const QByteArray written = WriteRtf(first);
    QTextDocument second;
    ReadRtf(written, second);
    Check(second.toRawText() == first.toRawText() && WriteRtf(second) == written);
    return 0;
}
