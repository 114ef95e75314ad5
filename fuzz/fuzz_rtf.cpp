// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader on arbitrary bytes: it must never crash, hang or leak,
// whatever it reads must survive a write and a second read unchanged, and
// the paragraphs counted before a load are never fewer than it makes.
#include "editor/Rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);   // fonts need an application
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument first;
    ReadRtf(bytes, first);
    if (first.blockCount() > CountRtfParagraphs(bytes) + 1)
        std::abort();
    const QByteArray written = WriteRtf(first);
    QTextDocument second;
    ReadRtf(written, second);
    if (second.toRawText() != first.toRawText() || WriteRtf(second) != written)
        std::abort();
    return 0;
}
