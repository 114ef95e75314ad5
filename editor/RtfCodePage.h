// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringDecoder>

#include <array>
#include <memory>
#include <unordered_map>

// The code page an \fcharset value stands for; 0 when the charset follows
// the document's code page.
int RtfCharsetCodePage(int charset);

// The symbol fonts' charset, decoded by a table of its own.
inline constexpr int kRtfSymbolCodePage = 42;

// Decoders for the code pages one document uses, made on first use. An
// unknown code page decodes as Windows-1252.
class RtfCodePages {
public:
    struct Page {
        int codePage = 1252;
        bool singleByte = true;
        std::array<char16_t, 256> table{};   // single-byte pages
        QStringDecoder decoder;   // multi-byte pages, stateless

        // True for a byte that starts a two-byte character, so the byte
        // after it belongs to the same character even when it is ASCII.
        bool IsLeadByte(unsigned char b) const;
    };

    const Page& Get(int codePage);

private:
    std::unordered_map<int, std::unique_ptr<Page>> pages_;
    const Page* last_ = nullptr;
};
