// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five undefined bytes.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr char kBom[] = "\xEF\xBB\xBF";

// The length of the valid UTF-8 character at p (left bytes there) and its
// code point, or 0 when none begins there. Overlong forms, surrogates and
// values beyond U+10FFFF are invalid.
inline int Utf8Sequence(const unsigned char* p, qsizetype left, char32_t& cp)
{
    const unsigned char c = p[0];
    int extra;
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
        return 0;
    }
    if (extra >= left)
        return 0;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char cc = p[k];
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return extra + 1;
}

// Valid multi-byte characters and stray bytes, as a UTF-8 reading finds them.
struct Utf8Count {
    qsizetype multi = 0;
    qsizetype stray = 0;
};

template <bool StopAtStray> Utf8Count CountUtf8(const unsigned char* p, qsizetype n)
{
    Utf8Count count;
    qsizetype i = 0;
    while (i < n) {
        // Runs of ASCII eight bytes at a time: most text is such runs.
        quint64 word;
        while (i + 8 <= n && (std::memcpy(&word, p + i, 8), (word & 0x8080808080808080ULL) == 0))
            i += 8;
        if (i == n)
            break;
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        // Two- and three-byte characters outside the surrogates, first.
        if (b >= 0xC2 && b <= 0xDF && i + 1 < n && (p[i + 1] & 0xC0) == 0x80) {
            ++count.multi;
            i += 2;
            continue;
        }
        if (b >= 0xE1 && b <= 0xEF && b != 0xED && i + 2 < n && (p[i + 1] & 0xC0) == 0x80 &&
            (p[i + 2] & 0xC0) == 0x80) {
            ++count.multi;
            i += 3;
            continue;
        }
        char32_t cp;
        const int length = Utf8Sequence(p + i, n - i, cp);
        if (length == 0) {
            ++count.stray;
            if constexpr (StopAtStray)
                return count;
            ++i;
        } else {
            ++count.multi;
            i += length;
        }
    }
    return count;
}

}   // namespace

bool IsValidUtf8(const QByteArray& bytes)
{
    return CountUtf8<true>(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size()).stray == 0;
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

namespace {

// The style of the first line break, LF when there is none.
LineBreakStyle FirstBreakStyle(const QByteArray& bytes)
{
    // CR and LF are single bytes in both encodings.
    const qsizetype cr = bytes.indexOf('\r');
    const qsizetype lf = bytes.indexOf('\n');
    if (cr >= 0 && (lf < 0 || cr < lf))
        return cr + 1 < bytes.size() && bytes.at(cr + 1) == '\n' ? LineBreakStyle::CrLf : LineBreakStyle::Cr;
    return LineBreakStyle::Lf;
}

struct BreakCount {
    qsizetype cr = 0;   // CR bytes, those of CR LF included
    qsizetype lf = 0;   // LF bytes, likewise
    qsizetype pairs = 0;   // CR LF
};

BreakCount CountBreakBytes(const unsigned char* p, qsizetype n)
{
    BreakCount count;
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 17 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const unsigned crs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr)));
        const unsigned lfs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lf)));
        if ((crs | lfs) == 0)
            continue;
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 1));
        const unsigned lfAfter = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(next, lf)));
        count.cr += std::popcount(crs);
        count.lf += std::popcount(lfs);
        count.pairs += std::popcount(crs & lfAfter);
    }
#endif
    for (; i < n; ++i) {
        if (p[i] == '\r') {
            ++count.cr;
            if (i + 1 < n && p[i + 1] == '\n')
                ++count.pairs;
        } else if (p[i] == '\n') {
            ++count.lf;
        }
    }
    return count;
}

qsizetype BreaksOfStyle(const BreakCount& count, LineBreakStyle style)
{
    // In an LF file the LF of a CR LF is its break too (the CR is kept
    // before it), in a CR file the CR is.
    switch (style) {
    case LineBreakStyle::CrLf: return count.pairs;
    case LineBreakStyle::Cr: return count.cr;
    case LineBreakStyle::Lf: break;
    }
    return count.lf;
}

// The break style used most; on a tie the one among the most used that
// comes first.
LineBreakStyle DominantStyle(const QByteArray& bytes, const BreakCount& count)
{
    const qsizetype uses[3] = {count.pairs, count.lf - count.pairs, count.cr - count.pairs};
    const qsizetype most = *std::max_element(std::begin(uses), std::end(uses));
    const LineBreakStyle styles[3] = {LineBreakStyle::CrLf, LineBreakStyle::Lf, LineBreakStyle::Cr};
    if (most == 0)
        return LineBreakStyle::Lf;
    if (std::count(std::begin(uses), std::end(uses), most) == 1)
        return styles[std::max_element(std::begin(uses), std::end(uses)) - std::begin(uses)];
    const char* p = bytes.constData();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        int kind = -1;
        if (p[i] == '\r')
            kind = i + 1 < bytes.size() && p[i + 1] == '\n' ? (++i, 0) : 2;
        else if (p[i] == '\n')
            kind = 1;
        if (kind >= 0 && uses[kind] == most)
            return styles[kind];
    }
    return LineBreakStyle::Lf;
}

char16_t High1252(unsigned char b)
{
    return b >= 0x80 && b <= 0x9F && kHigh1252[b - 0x80] != 0 ? kHigh1252[b - 0x80] : char16_t(b);
}

// Decodes n bytes of a document (cut as DecodeInChunks cuts) into out,
// which has room for n characters: no byte gives more than one. Gives the
// number of characters.
qsizetype DecodeSpan(const unsigned char* p, qsizetype n, bool utf8, LineBreakStyle breaks, char16_t* out)
{
    char16_t* o = out;
    qsizetype i = 0;
    const bool lfBreaks = breaks == LineBreakStyle::Lf;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
#endif
    while (i < n) {
#if defined(__SSE2__)
        // Runs of ASCII other than CR (and LF, unless it is the break)
        // sixteen bytes at a time. The whole block is widened; what
        // follows the run is written over.
        while (i + 16 <= n && p[i] < 0x80) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            unsigned special = unsigned(_mm_movemask_epi8(v)) | unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr)));
            if (!lfBreaks)
                special |= unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lf)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_unpacklo_epi8(v, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8), _mm_unpackhi_epi8(v, zero));
            const int run = special == 0 ? 16 : std::countr_zero(special);
            o += run;
            i += run;
            if (special != 0)
                break;
        }
        if (i == n)
            break;
#endif
        const unsigned char b = p[i];
        if (b < 0x80) {
            if (b == '\r') {
                if (breaks == LineBreakStyle::CrLf && i + 1 < n && p[i + 1] == '\n') {
                    *o++ = u'\n';
                    i += 2;
                    continue;
                }
                *o++ = breaks == LineBreakStyle::Cr ? u'\n' : KeptByte('\r').unicode();
            } else if (b == '\n') {
                *o++ = lfBreaks ? u'\n' : KeptByte('\n').unicode();
            } else {
                *o++ = b;
            }
            ++i;
            continue;
        }
        if (!utf8) {
            *o++ = High1252(b);
            ++i;
            continue;
        }
        // Two- and three-byte characters other than those kept, first:
        // most text beyond ASCII is such characters.
        if (b >= 0xC2 && b <= 0xDF && i + 1 < n && (p[i + 1] & 0xC0) == 0x80) {
            *o++ = char16_t(((b & 0x1F) << 6) | (p[i + 1] & 0x3F));
            i += 2;
            continue;
        }
        if (b >= 0xE0 && b <= 0xEF && i + 2 < n && (p[i + 1] & 0xC0) == 0x80 && (p[i + 2] & 0xC0) == 0x80) {
            const char16_t u = char16_t(((b & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F));
            const bool plain = u >= 0x800 && !QChar::isSurrogate(u) && !IsKeptByte(u) && (u & 0xFFFE) != 0x2028 &&
                               (u & 0xFFFE) != 0xFDD0;
            if (plain) {
                *o++ = u;
                i += 3;
                continue;
            }
        }
        char32_t cp;
        const int length = Utf8Sequence(p + i, n - i, cp);
        if (length == 0) {
            *o++ = KeptByte(b).unicode();   // a stray byte
            ++i;
            continue;
        }
        if (IsKeptByte(char16_t(cp)) && cp < 0x10000) {
            // The range's own characters are kept byte by byte, so that a
            // kept byte always means the byte.
            for (int k = 0; k < length; ++k)
                *o++ = KeptByte(p[i + k]).unicode();
        } else if (cp == 0x2028 || cp == 0x2029) {
            *o++ = KeptByte(cp & 0xFF).unicode();
        } else if (cp == 0xFDD0 || cp == 0xFDD1) {
            *o++ = KeptByte(0x50 | (cp & 1)).unicode();
        } else if (cp >= 0x10000) {
            *o++ = QChar::highSurrogate(cp);
            *o++ = QChar::lowSurrogate(cp);
        } else {
            *o++ = char16_t(cp);
        }
        i += length;
    }
    return o - out;
}

}   // namespace

TextSurvey SurveyText(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    TextSurvey survey;
    const Utf8Count utf8 = CountUtf8<false>(p, bytes.size());
    if (utf8.stray == 0 || (utf8.multi > 0 && utf8.stray <= utf8.multi)) {
        survey.format.encoding = bytes.startsWith(kBom) ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
        survey.strayBytes = utf8.stray;
    } else {
        survey.format.encoding = TextEncoding::Windows1252;
    }
    const BreakCount breaks = CountBreakBytes(p, bytes.size());
    survey.format.breaks = DominantStyle(bytes, breaks);
    survey.lineBreaks = BreaksOfStyle(breaks, survey.format.breaks);
    return survey;
}

TextFormat DetectFormat(const QByteArray& bytes)
{
    return SurveyText(bytes).format;
}

qsizetype DecodedLength(const QByteArray& bytes, const TextFormat& format)
{
    qsizetype length = 0;
    DecodeInChunks(bytes, format, 1 << 20, [&](QString&& piece) { length += piece.size(); });
    return length;
}

qsizetype CountLineBreaks(const QByteArray& bytes, const TextFormat& format)
{
    return BreaksOfStyle(CountBreakBytes(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size()),
                         format.breaks);
}

void DecodeInChunks(const QByteArray& bytes, const TextFormat& format, qsizetype chunkBytes,
                    const std::function<void(QString&&)>& sink)
{
    const bool utf8 = format.encoding != TextEncoding::Windows1252;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    qsizetype from = format.encoding == TextEncoding::Utf8Bom && bytes.startsWith(kBom) ? 3 : 0;
    const qsizetype n = bytes.size();
    chunkBytes = std::max<qsizetype>(chunkBytes, 8);
    while (from < n) {
        qsizetype to = std::min(n, from + chunkBytes);
        if (to < n) {
            // Cut after a line break where there is one, else before a
            // character's first byte; never between CR and LF. The search
            // stays inside this piece: a file without breaks would
            // otherwise be searched back to its start for every piece.
            // A character has at most three continuation bytes: where four
            // come in a row no character goes across the last two.
            const qsizetype lf = QByteArrayView(bytes.constData() + from, to - from).lastIndexOf('\n');
            if (lf >= 0) {
                to = from + lf + 1;
            } else {
                const auto continues = [&](qsizetype at) { return utf8 && (p[at] & 0xC0) == 0x80; };
                qsizetype at = to;
                while (at > to - 3 && continues(at))
                    --at;
                if (!continues(at))
                    to = at;
                if (p[to - 1] == '\r' && p[to] == '\n')
                    ++to;
            }
        }
        QString text(to - from, Qt::Uninitialized);
        text.truncate(DecodeSpan(p + from, to - from, utf8, format.breaks, reinterpret_cast<char16_t*>(text.data())));
        sink(std::move(text));
        from = to;
    }
}

DecodedText DecodeDocument(const QByteArray& bytes)
{
    DecodedText result;
    result.format = DetectFormat(bytes);
    DecodeInChunks(bytes, result.format, bytes.size() + 1, [&](QString&& piece) { result.text = std::move(piece); });
    return result;
}

DecodedText DecodeText(const QByteArray& bytes)
{
    DecodedText result;
    const bool bom = bytes.startsWith(kBom);
    result.format.breaks = FirstBreakStyle(bytes);
    if (IsValidUtf8(bytes)) {
        result.format.encoding = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
        // A mark after the file's own is text; Qt would drop it.
        QStringDecoder decoder(QStringConverter::Utf8,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        result.text = decoder.decode(QByteArrayView(bytes).sliced(bom ? 3 : 0));
    } else {
        result.format.encoding = TextEncoding::Windows1252;
        result.text = DecodeWindows1252(bytes);
    }
    result.text = NormalizeLineBreaks(result.text);
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

// A kept byte stands for a byte of the file, or for one of the characters
// Qt's documents break lines at; none otherwise.
std::optional<unsigned char> KeptByteValue(char16_t c)
{
    const unsigned char x = c & 0xFF;
    if (x >= 0x80 || x == '\n' || x == '\r')
        return x;
    return std::nullopt;
}

char32_t KeptCharacter(char16_t c)
{
    switch (c & 0xFF) {
    case 0x28: return 0x2028;
    case 0x29: return 0x2029;
    case 0x50: return 0xFDD0;
    case 0x51: return 0xFDD1;
    default: return c;
    }
}
}   // namespace

bool FitsWindows1252(QStringView text, KeptBytes kept)
{
    const bool restored = kept == KeptBytes::Restored;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || IsBreak(u))
            continue;
        if (restored && IsKeptByte(u) ? !KeptByteValue(u) : !Windows1252Byte(c))
            return false;
    }
    return true;
}

TextEncoder::TextEncoder(const TextFormat& format, KeptBytes kept)
    : format_(format), restore_(kept == KeptBytes::Restored)
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
        } else if (restore_ && IsKeptByte(c)) {
            if (const auto byte = KeptByteValue(c))
                *dst++ = *byte;
            else if (utf8)
                dst = PutUtf8(KeptCharacter(c), dst);
            else
                *dst++ = '?';   // the caller made sure that every character fits
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

namespace {

QByteArray EncodeWhole(QStringView text, const TextFormat& format, KeptBytes kept)
{
    TextEncoder encoder(format, kept);
    QByteArray out(TextEncoder::MaxBytes(text.size()), Qt::Uninitialized);
    char* dst = out.data();
    qsizetype n = encoder.Start(dst);
    n += encoder.Encode(text, dst + n);
    n += encoder.Finish(dst + n);
    out.truncate(n);
    return out;
}

}   // namespace

QByteArray EncodeText(const QString& text, TextFormat& format)
{
    // A character the code page lacks would be lost: UTF-8 keeps it.
    if (format.encoding == TextEncoding::Windows1252 && !FitsWindows1252(text, KeptBytes::AsCharacters))
        format.encoding = TextEncoding::Utf8;
    return EncodeWhole(text, format, KeptBytes::AsCharacters);
}

QByteArray EncodeDocument(QStringView text, const TextFormat& format)
{
    return EncodeWhole(text, format, KeptBytes::Restored);
}
