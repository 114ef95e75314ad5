// SPDX-License-Identifier: GPL-3.0-or-later
// Plain text documents on arbitrary bytes: decoding in pieces of any size
// gives the text decoded whole, and that text is written back byte for
// byte, whatever pieces the encoder is handed. The program's own files,
// read with any line break, come back alike when their breaks are all of
// one style.
#include "editor/TextCodec.h"
#include "fuzz/FuzzCheck.h"

namespace {
bool MixedBreaks(const QByteArray& bytes)
{
    bool crlf = false, cr = false, lf = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            crlf = true;
            ++i;
        } else if (bytes[i] == '\r') {
            cr = true;
        } else if (bytes[i] == '\n') {
            lf = true;
        }
    }
    return int(crlf) + int(cr) + int(lf) > 1;
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype chunk = 1 + data[0] % 32;   // piece size from the first byte
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const DecodedText whole = DecodeDocument(bytes);
    QString joined;
    DecodeInChunks(bytes, whole.format, chunk, [&](QString&& piece) { joined += piece; });
    Check(joined == whole.text && DecodedLength(bytes, whole.format) == whole.text.size());

    TextEncoder encoder(whole.format);
    QByteArray out(TextEncoder::MaxBytes(whole.text.size()), Qt::Uninitialized);
    qsizetype n = encoder.Start(out.data());
    for (qsizetype at = 0; at < whole.text.size(); at += chunk)
        n += encoder.Encode(QStringView(whole.text).mid(at, chunk), out.data() + n);
    n += encoder.Finish(out.data() + n);
    out.truncate(n);
    Check(out == bytes && out == EncodeDocument(whole.text, whole.format));
    Check(whole.format.encoding != TextEncoding::Windows1252 || FitsWindows1252(whole.text));

    // The editor holds a paragraph separator (U+2029) only as a line break,
    // so one in a file of the program's own is written back as a break.
    const DecodedText loose = DecodeText(bytes);
    TextFormat format = loose.format;
    Check(MixedBreaks(bytes) || loose.text.contains(QChar(0x2029)) || EncodeText(loose.text, format) == bytes);
    return 0;
}
