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
    LineBreakStyle breaks = LineBreakStyle::Lf;     // a new document gets this platform's LF
    bool operator==(const TextFormat&) const = default;
};

struct DecodedText {
    QString text;        // line breaks as '\n'
    TextFormat format;
};

bool IsValidUtf8(const QByteArray& bytes);

// Valid UTF-8 (with or without a byte-order mark) is read as UTF-8, anything
// else as Windows-1252. Line breaks of any style become '\n'; the style of
// the first break is remembered.
DecodedText DecodeText(const QByteArray& bytes);

// The same in two steps, for large files: the format alone, then the text
// in pieces of about chunkBytes bytes each. No piece ends inside a character
// or between the CR and LF of one break.
TextFormat DetectFormat(const QByteArray& bytes);
// The length of the text DecodeInChunks gives, without decoding it.
qsizetype DecodedLength(const QByteArray& bytes, const TextFormat& format);
// The line breaks of that text, the characters Qt's documents also break
// blocks at included (U+2029, U+FDD0, U+FDD1).
qsizetype CountLineBreaks(const QByteArray& bytes, const TextFormat& format);
void DecodeInChunks(const QByteArray& bytes, const TextFormat& format, qsizetype chunkBytes,
                    const std::function<void(QString&& piece)>& sink);

// Encodes text in a stored format piece by piece, for large documents.
// Breaks are '\n' and the editor's paragraph separator (U+2029). The
// format must already be one that holds every character (see
// FitsWindows1252). Each call writes at most MaxBytes(characters) bytes.
class TextEncoder {
public:
    explicit TextEncoder(const TextFormat& format);
    static constexpr qsizetype MaxBytes(qsizetype characters) { return 3 * characters + 3; }
    qsizetype Start(char* dst);                      // the byte-order mark, if any
    qsizetype Encode(QStringView piece, char* dst);
    qsizetype Finish(char* dst);                     // after the last piece

private:
    TextFormat format_;
    const char* breakBytes_ = "\r\n";
    char16_t pendingHigh_ = 0;   // a surrogate that ended the last piece
};

// Whether Windows-1252 stores every character (breaks included).
bool FitsWindows1252(QStringView text);

// The inverse of DecodeText for text with '\n' breaks (the editor's
// paragraph separator counts as one too). When the text holds a
// character that Windows-1252 cannot store, the format switches to UTF-8 so
// that nothing is lost.
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
