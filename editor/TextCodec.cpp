#include "editor/TextCodec.h"

#include <QStringDecoder>

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif


namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five undefined bytes.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

bool IsValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        // Runs of ASCII eight bytes at a time: most text is such runs.
        quint64 word;
        while (i + 8 <= n && (std::memcpy(&word, p + i, 8), (word & 0x8080808080808080ULL) == 0))
            i += 8;
        if (i == n)
            break;
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned int cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = p[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are invalid.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && kHigh1252[b - 0x80] != 0)
            u = kHigh1252[b - 0x80];
        dst[i] = QChar(u);
    }
    return out;
}

std::optional<unsigned char> Windows1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    if (u >= 0x80 && u <= 0x9F)   // an undefined byte read back as itself
        return kHigh1252[u - 0x80] == 0 ? std::optional<unsigned char>(u) : std::nullopt;
    for (int k = 0; k < 32; ++k)
        if (kHigh1252[k] == u && u != 0)
            return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

std::optional<QByteArray> EncodeWindows1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            dst[i] = char(c.unicode());
            continue;
        }
        const auto b = Windows1252Byte(c);
        if (!b)
            return std::nullopt;
        dst[i] = char(*b);
    }
    return out;
}

QString NormalizeLineBreaks(const QString& text)
{
    const qsizetype firstCr = text.indexOf(QLatin1Char('\r'));
    if (firstCr < 0)
        return text;
    QString out(text.size(), Qt::Uninitialized);
    const QChar* src = text.constData();
    QChar* dst = out.data();
    const qsizetype n = text.size();
    std::copy(src, src + firstCr, dst);
    qsizetype o = firstCr;
    for (qsizetype i = firstCr; i < n; ++i) {
        const QChar c = src[i];
        if (c == QLatin1Char('\r')) {
            dst[o++] = QLatin1Char('\n');
            if (i + 1 < n && src[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            dst[o++] = c;
        }
    }
    out.truncate(o);
    return out;
}

TextFormat DetectFormat(const QByteArray& bytes)
{
    TextFormat format;
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (IsValidUtf8(bytes))
        format.encoding = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
    else
        format.encoding = TextEncoding::Windows1252;
    // CR and LF are single bytes in both encodings.
    const qsizetype cr = bytes.indexOf('\r');
    const qsizetype lf = bytes.indexOf('\n');
    if (cr >= 0 && (lf < 0 || cr < lf))
        format.breaks = cr + 1 < bytes.size() && bytes.at(cr + 1) == '\n' ? LineBreakStyle::CrLf : LineBreakStyle::Cr;
    else if (lf >= 0)
        format.breaks = LineBreakStyle::Lf;
    return format;
}

qsizetype DecodedLength(const QByteArray& bytes, const TextFormat& format)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    const bool utf8 = format.encoding != TextEncoding::Windows1252;
    qsizetype i = format.encoding == TextEncoding::Utf8Bom && bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    qsizetype length = 0;
    for (; i < n; ++i) {
        const unsigned char b = p[i];
        if (b == '\r' && i + 1 < n && p[i + 1] == '\n')
            continue;   // one break
        // In UTF-8 every character but its continuation bytes counts, and
        // one beyond U+FFFF is a surrogate pair.
        if (!utf8)
            ++length;
        else if ((b & 0xC0) != 0x80)
            length += b >= 0xF0 ? 2 : 1;
    }
    return length;
}

qsizetype CountLineBreaks(const QByteArray& bytes, const TextFormat& format)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    const bool utf8 = format.encoding != TextEncoding::Windows1252;
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char b = p[i];
        if (b == '\n' || (b == '\r' && (i + 1 == n || p[i + 1] != '\n')))
            ++breaks;
        else if (utf8 && i + 2 < n && ((b == 0xE2 && p[i + 1] == 0x80 && p[i + 2] == 0xA9) ||
                                       (b == 0xEF && p[i + 1] == 0xB7 && (p[i + 2] == 0x90 || p[i + 2] == 0x91))))
            ++breaks;
    }
    return breaks;
}

void DecodeInChunks(const QByteArray& bytes, const TextFormat& format, qsizetype chunkBytes,
                    const std::function<void(QString&&)>& sink)
{
    const bool utf8 = format.encoding != TextEncoding::Windows1252;
    qsizetype from = format.encoding == TextEncoding::Utf8Bom && bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype n = bytes.size();
    chunkBytes = std::max<qsizetype>(chunkBytes, 8);
    while (from < n) {
        qsizetype to = std::min(n, from + chunkBytes);
        if (to < n) {
            // Cut after a line break where there is one, else before a
            // character's first byte; never between CR and LF. The search
            // stays inside this piece: a file without breaks would
            // otherwise be searched back to its start for every piece.
            const qsizetype lf = QByteArrayView(bytes.constData() + from, to - from).lastIndexOf('\n');
            if (lf >= 0) {
                to = from + lf + 1;
            } else {
                while (utf8 && to > from + 1 && (static_cast<unsigned char>(bytes.at(to)) & 0xC0) == 0x80)
                    --to;
                if (bytes.at(to - 1) == '\r' && bytes.at(to) == '\n')
                    ++to;
            }
        }
        const QByteArray piece = QByteArray::fromRawData(bytes.constData() + from, to - from);
        // A byte-order mark opening a piece is text (the file's own was
        // skipped above); Qt would drop it.
        QStringDecoder decoder(QStringConverter::Utf8,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        QString text = utf8 ? decoder.decode(piece) : DecodeWindows1252(piece);
        sink(NormalizeLineBreaks(text));
        from = to;
    }
}

DecodedText DecodeText(const QByteArray& bytes)
{
    DecodedText result;
    result.format = DetectFormat(bytes);
    DecodeInChunks(bytes, result.format, bytes.size() + 1, [&](QString&& piece) { result.text = std::move(piece); });
    return result;
}

namespace {
// The editor's paragraph separator is a line break of the file. A line
// separator (U+2028) read from a file is a character like any other and
// goes back as it came.
bool IsBreak(char16_t c)
{
    return c == u'\n' || c == 0x2029;
}

// Copies the leading run of ASCII characters other than '\n' as bytes and
// gives its length: most text is such runs.
qsizetype CopyAsciiRun(const char16_t* src, qsizetype n, unsigned char* dst)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i high = _mm_set1_epi16(short(0xFF80));
    const __m128i lf = _mm_set1_epi16(u'\n');
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const bool ascii = _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, high), zero)) == 0xFFFF;
        if (!ascii || _mm_movemask_epi8(_mm_cmpeq_epi16(v, lf)) != 0)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(v, v));
    }
#endif
    for (; i < n; ++i) {
        const char16_t c = src[i];
        if (c >= 0x80 || c == u'\n')
            break;
        dst[i] = static_cast<unsigned char>(c);
    }
    return i;
}

unsigned char* PutUtf8(char32_t u, unsigned char* dst)
{
    if (u < 0x80) {
        *dst++ = static_cast<unsigned char>(u);
    } else if (u < 0x800) {
        *dst++ = static_cast<unsigned char>(0xC0 | (u >> 6));
        *dst++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        *dst++ = static_cast<unsigned char>(0xE0 | (u >> 12));
        *dst++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
        *dst++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
    } else {
        *dst++ = static_cast<unsigned char>(0xF0 | (u >> 18));
        *dst++ = static_cast<unsigned char>(0x80 | ((u >> 12) & 0x3F));
        *dst++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
        *dst++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
    }
    return dst;
}

constexpr char32_t kReplacement = 0xFFFD;   // for a surrogate without its partner
} // namespace

bool FitsWindows1252(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80 && !IsBreak(c.unicode()) && !Windows1252Byte(c))
            return false;
    return true;
}

TextEncoder::TextEncoder(const TextFormat& format) : format_(format)
{
    switch (format.breaks) {
    case LineBreakStyle::Lf: breakBytes_ = "\n"; break;
    case LineBreakStyle::Cr: breakBytes_ = "\r"; break;
    case LineBreakStyle::CrLf: breakBytes_ = "\r\n"; break;
    }
}

qsizetype TextEncoder::Start(char* dst)
{
    if (format_.encoding != TextEncoding::Utf8Bom)
        return 0;
    std::memcpy(dst, "\xEF\xBB\xBF", 3);
    return 3;
}

qsizetype TextEncoder::Encode(QStringView piece, char* out)
{
    auto* dst = reinterpret_cast<unsigned char*>(out);
    const auto* src = reinterpret_cast<const char16_t*>(piece.data());
    const char16_t* const end = src + piece.size();
    const bool utf8 = format_.encoding != TextEncoding::Windows1252;
    if (pendingHigh_ != 0 && src < end) {
        if (QChar::isLowSurrogate(*src))
            dst = PutUtf8(QChar::surrogateToUcs4(pendingHigh_, *src++), dst);
        else
            dst = PutUtf8(kReplacement, dst);
        pendingHigh_ = 0;
    }
    while (src < end) {
        const qsizetype run = CopyAsciiRun(src, end - src, dst);
        src += run;
        dst += run;
        if (src == end)
            break;
        const char16_t c = *src++;
        if (IsBreak(c)) {
            for (const char* b = breakBytes_; *b; ++b)
                *dst++ = static_cast<unsigned char>(*b);
        } else if (!utf8) {
            // The caller made sure that every character fits.
            *dst++ = Windows1252Byte(QChar(c)).value_or('?');
        } else if (!QChar::isSurrogate(c)) {
            dst = PutUtf8(c, dst);
        } else if (QChar::isHighSurrogate(c) && src == end) {
            pendingHigh_ = c;   // its partner may open the next piece
        } else if (QChar::isHighSurrogate(c) && QChar::isLowSurrogate(*src)) {
            dst = PutUtf8(QChar::surrogateToUcs4(c, *src++), dst);
        } else {
            dst = PutUtf8(kReplacement, dst);
        }
    }
    return dst - reinterpret_cast<unsigned char*>(out);
}

qsizetype TextEncoder::Finish(char* out)
{
    if (pendingHigh_ == 0)
        return 0;
    pendingHigh_ = 0;
    auto* dst = reinterpret_cast<unsigned char*>(out);
    return PutUtf8(kReplacement, dst) - dst;
}

QByteArray EncodeText(const QString& text, TextFormat& format)
{
    // A character the code page lacks would be lost: UTF-8 keeps it.
    if (format.encoding == TextEncoding::Windows1252 && !FitsWindows1252(text))
        format.encoding = TextEncoding::Utf8;
    TextEncoder encoder(format);
    QByteArray out(TextEncoder::MaxBytes(text.size()), Qt::Uninitialized);
    char* dst = out.data();
    qsizetype n = encoder.Start(dst);
    n += encoder.Encode(text, dst + n);
    n += encoder.Finish(dst + n);
    out.truncate(n);
    return out;
}
