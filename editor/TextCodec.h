// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// How a plain document was stored, so that saving gives back the same bytes.
enum class TextEncoding { Utf8, Utf8Bom, Windows1252 };
enum class LineBreakStyle { CrLf, Lf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineBreakStyle breaks = LineBreakStyle::Lf;   // a new document gets this platform's LF
    bool operator==(const TextFormat&) const = default;
};

struct DecodedText {
    QString text;   // line breaks as '\n'
    TextFormat format;
};

bool IsValidUtf8(const QByteArray& bytes);

// A document's bytes are kept exactly: whatever the editor cannot hold as an
// ordinary character becomes one of its own, a "kept byte" of the range
// U+F700..U+F7FF, and goes back to the file as the bytes it stands for.
//   U+F780..U+F7FF  the byte 0x80..0xFF that is no part of a UTF-8 character
//                   (a UTF-8 document), also every byte of a character of
//                   this very range found in the file, so the mapping is
//                   one to one;
//   U+F70A, U+F70D  an LF or CR byte that is not a line break of the
//                   document (see SurveyText);
//   U+F728, U+F729  U+2028 and U+2029 of the file, which Qt's documents
//   U+F750, U+F751  and U+FDD0, U+FDD1 would otherwise take as line breaks.
// Any other character of the range is written as itself.
constexpr char16_t kKeptBytesFirst = 0xF700;
constexpr bool IsKeptByte(char16_t c)
{
    return (c & 0xFF00) == kKeptBytesFirst;
}
constexpr QChar KeptByte(unsigned char b)
{
    return QChar(char16_t(kKeptBytesFirst | b));
}

// What a document's bytes are, found in one pass.
// Encoding: valid UTF-8 (a leading byte-order mark kept) is UTF-8; so is
// UTF-8 but for a few stray bytes: at least one valid multi-byte character
// (the mark counts) and no more stray bytes than such characters. Anything
// else is Windows-1252, where every byte is a character.
// Line breaks: the style (CR LF, LF or CR) the file uses most, on a tie the
// one it uses first, LF when it has none. Only breaks of that style are
// line breaks of the editor; every other CR or LF byte is a kept byte
// (U+F70D, U+F70A), so a CR LF in an LF file is a kept CR before the break.
struct TextSurvey {
    TextFormat format;
    qsizetype strayBytes = 0;   // of a UTF-8 document, kept as they are
    qsizetype lineBreaks = 0;   // the editor's, in the document's style
};
TextSurvey SurveyText(const QByteArray& bytes);
TextFormat DetectFormat(const QByteArray& bytes);

// The document's text in pieces of about chunkBytes bytes each, line breaks
// as '\n', kept bytes as above. No piece ends inside a character or between
// the CR and LF of one break.
void DecodeInChunks(const QByteArray& bytes, const TextFormat& format, qsizetype chunkBytes,
                    const std::function<void(QString&& piece)>& sink);
// The same as one string, with the format found.
DecodedText DecodeDocument(const QByteArray& bytes);
// The length of the text DecodeInChunks gives, and its line breaks.
qsizetype DecodedLength(const QByteArray& bytes, const TextFormat& format);
qsizetype CountLineBreaks(const QByteArray& bytes, const TextFormat& format);

// Encodes text in a stored format piece by piece, for large documents.
// Breaks are '\n' and the editor's paragraph separator (U+2029), written in
// the format's style. Kept bytes go back as the bytes they stand for, or,
// AsCharacters, stay characters like any other (for a copy of the text
// that is no document). The format must already be one that holds every
// character (see FitsWindows1252). Each call writes at most
// MaxBytes(characters) bytes.
enum class KeptBytes { Restored, AsCharacters };
class TextEncoder {
public:
    explicit TextEncoder(const TextFormat& format, KeptBytes kept = KeptBytes::Restored);
    static constexpr qsizetype MaxBytes(qsizetype characters) { return 3 * characters + 3; }
    qsizetype Start(char* dst);   // the byte-order mark, if any
    qsizetype Encode(QStringView piece, char* dst);
    qsizetype Finish(char* dst);   // after the last piece

private:
    TextFormat format_;
    bool restore_ = true;
    const char* breakBytes_ = "\r\n";
    char16_t pendingHigh_ = 0;   // a surrogate that ended the last piece
};

// Whether Windows-1252 stores every character (breaks included, and kept
// bytes as the bytes they stand for unless AsCharacters).
bool FitsWindows1252(QStringView text, KeptBytes kept = KeptBytes::Restored);

// A whole document's bytes in its format, exactly as a save writes them.
QByteArray EncodeDocument(QStringView text, const TextFormat& format);

// For the program's own files (macros, markers), read with any line break:
// valid UTF-8 (with or without a byte-order mark) is read as UTF-8,
// anything else as Windows-1252; CR LF, CR and LF become '\n', the style of
// the first break is remembered. No kept bytes.
DecodedText DecodeText(const QByteArray& bytes);
// Its inverse for text with '\n' breaks (the editor's paragraph separator
// counts as one too). When the text holds a character that Windows-1252
// cannot store, the format switches to UTF-8 so that nothing is lost.
QByteArray EncodeText(const QString& text, TextFormat& format);

// Windows-1252 in both directions. The five bytes the code page leaves
// undefined map to the C1 control characters of the same value, so every
// byte survives a round trip.
QString DecodeWindows1252(const QByteArray& bytes);
std::optional<QByteArray> EncodeWindows1252(const QString& text);
// The byte for one character, or nothing when the code page lacks it.
std::optional<unsigned char> Windows1252Byte(QChar c);

// Turns CR LF, CR and LF into '\n'.
QString NormalizeLineBreaks(const QString& text);
