// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RtfCodePage.h"

#include "editor/TextCodec.h"

#include <QByteArray>
#include <QString>

int RtfCharsetCodePage(int charset)
{
    switch (charset) {
    case 2: return kRtfSymbolCodePage;
    case 77: return 10000;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 83: return 10005;
    case 84: return 10004;
    case 85: return 10006;
    case 86: return 10081;
    case 87: return 10021;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;   // 0 ANSI, 1 default and anything unknown
    }
}

namespace {

bool IsMultiByte(int cp)
{
    switch (cp) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
    case 65001:
    case 54936:
    case 20932:
    case 51932:
    case 51949:
    case 10001:
    case 10002:
    case 10003:
    case 10008: return true;
    default: return false;
    }
}

// RTF writes its line breaks as words: a code page that makes one of a
// text byte (as EBCDIC's make of 0x25) is not one RTF text is written in.
bool MakesNoBreaks(QStringDecoder& decoder)
{
    for (int b = 0; b < 256; ++b) {
        if (b == '\n' || b == '\r')
            continue;
        const char byte = char(b);
        const QString one = decoder.decode(QByteArrayView(&byte, 1));
        if (one.contains(QLatin1Char('\n')) || one.contains(QLatin1Char('\r')) ||
            one.contains(QChar::ParagraphSeparator))
            return false;
    }
    return true;
}

QStringDecoder MakeDecoder(int cp)
{
    if (cp == 65001)
        return QStringDecoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QByteArray number = QByteArray::number(cp);
    for (const char* prefix : {"windows-", "cp", "IBM"}) {
        QStringDecoder d((QByteArray(prefix) + number).constData(), QStringConverter::Flag::Stateless);
        if (d.isValid())
            return MakesNoBreaks(d) ? std::move(d) : QStringDecoder();
    }
    return {};
}

void Fill1252(std::array<char16_t, 256>& table)
{
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString decoded = DecodeWindows1252(all);
    for (int b = 0; b < 256; ++b)
        table[b] = decoded[b].unicode();
}

}   // namespace

bool RtfCodePages::Page::IsLeadByte(unsigned char b) const
{
    switch (codePage) {
    case 932: return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:
    case 949:
    case 950: return b >= 0x81 && b <= 0xFE;
    case 1361: return (b >= 0x84 && b <= 0xD3) || (b >= 0xD8 && b <= 0xF9);
    default: return false;
    }
}

const RtfCodePages::Page& RtfCodePages::Get(int codePage)
{
    if (last_ && last_->codePage == codePage)
        return *last_;
    auto found = pages_.find(codePage);
    if (found == pages_.end()) {
        auto page = std::make_unique<Page>();
        page->codePage = codePage;
        QStringDecoder decoder =
            codePage == 1252 || codePage == kRtfSymbolCodePage ? QStringDecoder() : MakeDecoder(codePage);
        if (codePage == 1252 || codePage == kRtfSymbolCodePage || !decoder.isValid()) {
            Fill1252(page->table);
            if (codePage == kRtfSymbolCodePage) {
                // The two list bullets word processors write in symbol fonts.
                page->table[0xB7] = 0x2022;
                page->table[0xA7] = 0x25AA;
            }
        } else if (IsMultiByte(codePage)) {
            page->singleByte = false;
            page->decoder = std::move(decoder);
        } else {
            for (int b = 0; b < 256; ++b) {
                const char byte = char(b);
                const QString one = decoder.decode(QByteArrayView(&byte, 1));
                page->table[b] = one.size() == 1 ? one[0].unicode() : char16_t(0xFFFD);
            }
        }
        found = pages_.emplace(codePage, std::move(page)).first;
    }
    last_ = found->second.get();
    return *last_;
}
