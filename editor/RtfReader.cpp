// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Rtf.h"

#include "editor/RtfCodePage.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Limits that keep hostile input from costing more than its size: groups
// nested deeper than this share the state of the deepest kept group, and
// numbers are clamped to what a word processor could mean.
constexpr int kMaxGroupDepth = 4096;
constexpr int kMaxTabStops = 64;
constexpr int kMaxTwips = 31680;   // 22 inches
constexpr int kMaxHalfPoints = 3276;   // 1638 points
constexpr int kMaxUnicodeSkip = 255;
constexpr int kDefaultHalfPoints = 24;   // RTF's default size, 12 points
constexpr qsizetype kMaxFieldInstruction = 1 << 16;

// Hyperlinks whose text has no colour of its own get the usual link look.
constexpr QRgb kLinkColour = 0xFF0000FF;

// Qt hashes list-valued format properties (font families, tab stops) by
// their type alone, so formats that differ only there share one hash bucket
// and every insert compares against all of them: thousands of fonts or tab
// settings would make reading quadratic. An int derived from those lists
// keeps the buckets small; nothing else reads it.
constexpr int kFormatKey = QTextFormat::UserProperty + 0x5254;

// ---------------------------------------------------------------- tokens

enum class Tok { Text, Open, Close, Word, Symbol, Hex, Bin, End };

struct Token {
    Tok kind = Tok::End;
    const char* text = nullptr;   // Text: the run; Word: the name
    int length = 0;
    int param = 0;
    bool hasParam = false;
    unsigned char ch = 0;   // Symbol: the character; Hex: the byte
};

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Splits the input into tokens without recursion and without copying.
// Raw line breaks and NUL bytes carry no meaning in RTF and are dropped.
class Tokenizer {
public:
    Tokenizer(const char* begin, const char* end) : p_(begin), end_(end) {}

    Token Next()
    {
        while (p_ < end_) {
            const char c = *p_;
            if (c == '{') {
                ++p_;
                return {Tok::Open};
            }
            if (c == '}') {
                ++p_;
                return {Tok::Close};
            }
            if (c == '\r' || c == '\n' || c == '\0') {
                ++p_;
                continue;
            }
            if (c != '\\') {
                const char* start = p_;
                while (p_ < end_ && *p_ != '{' && *p_ != '}' && *p_ != '\\' && *p_ != '\r' && *p_ != '\n' &&
                       *p_ != '\0')
                    ++p_;
                Token t{Tok::Text};
                t.text = start;
                t.length = int(p_ - start);
                return t;
            }
            ++p_;
            if (p_ == end_)
                break;
            if (IsLetter(*p_))
                return ControlWord();
            const char symbol = *p_++;
            if (symbol == '\'') {
                if (end_ - p_ >= 2 && HexValue(p_[0]) >= 0 && HexValue(p_[1]) >= 0) {
                    Token t{Tok::Hex};
                    t.ch = static_cast<unsigned char>(HexValue(p_[0]) * 16 + HexValue(p_[1]));
                    p_ += 2;
                    return t;
                }
                // A broken \'hh stands for nothing, its one hex digit included.
                if (p_ < end_ && HexValue(*p_) >= 0)
                    ++p_;
                continue;
            }
            Token t{Tok::Symbol};
            t.ch = static_cast<unsigned char>(symbol);
            return t;
        }
        return {Tok::End};
    }

private:
    Token ControlWord()
    {
        Token t{Tok::Word};
        t.text = p_;
        while (p_ < end_ && IsLetter(*p_))
            ++p_;
        t.length = int(p_ - t.text);
        bool negative = false;
        if (p_ < end_ && *p_ == '-' && end_ - p_ >= 2 && IsDigit(p_[1])) {
            negative = true;
            ++p_;
        }
        if (p_ < end_ && IsDigit(*p_)) {
            // Saturates instead of overflowing; every digit is still consumed.
            std::int64_t value = 0;
            while (p_ < end_ && IsDigit(*p_)) {
                if (value < 0x7FFFFFFF)
                    value = std::min<std::int64_t>(value * 10 + (*p_ - '0'), 0x7FFFFFFF);
                ++p_;
            }
            t.hasParam = true;
            t.param = int(negative ? -value : value);
        }
        if (p_ < end_ && *p_ == ' ')
            ++p_;
        if (std::string_view(t.text, t.length) == "bin") {
            // Binary data: skipped, and never longer than what is left.
            const std::int64_t n = t.hasParam ? std::max(t.param, 0) : 0;
            p_ += std::min<std::int64_t>(n, end_ - p_);
            t.kind = Tok::Bin;
        }
        return t;
    }

    const char* p_;
    const char* end_;
};

// ---------------------------------------------------------------- words

enum class Kw {
    Unknown,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    Uc,
    U,
    // destinations
    FontTable,
    ColorTable,
    SkipDest,
    Field,
    FldInst,
    FldRslt,
    // content the document cannot keep: tables, and pictures and objects
    // (destinations, skipped)
    TableWord,
    TableDepth,
    DroppedDest,
    // font and colour tables
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // character formats
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Down,
    ColourFore,
    Highlight,
    ColourBack,
    Plain,
    // paragraph formats
    Par,
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    TabRight,
    TabCenter,
    TabDecimal,
    TabBar,
    // breaks and special characters
    Line,
    Tab,
    Cell,
    Row,
    Page,
    Sect,
    Char,
    FootnoteNumber,
};

struct WordInfo {
    Kw kw;
    char16_t ch = 0;   // Kw::Char
};

// Hidden text (\v) is shown: the editor cannot hide text, and leaving it
// out would lose it on the next save.
const std::unordered_map<std::string_view, WordInfo>& Words()
{
    static const std::unordered_map<std::string_view, WordInfo> words = [] {
        std::unordered_map<std::string_view, WordInfo> w;
        const std::pair<std::string_view, Kw> plain[] = {
            {"ansi", Kw::Ansi},
            {"mac", Kw::Mac},
            {"pc", Kw::Pc},
            {"pca", Kw::Pca},
            {"ansicpg", Kw::AnsiCpg},
            {"deff", Kw::Deff},
            {"uc", Kw::Uc},
            {"u", Kw::U},
            {"fonttbl", Kw::FontTable},
            {"colortbl", Kw::ColorTable},
            {"field", Kw::Field},
            {"fldinst", Kw::FldInst},
            {"fldrslt", Kw::FldRslt},
            {"fcharset", Kw::FontCharset},
            {"cpg", Kw::FontCodePage},
            {"red", Kw::Red},
            {"green", Kw::Green},
            {"blue", Kw::Blue},
            {"f", Kw::Font},
            {"fs", Kw::FontSize},
            {"b", Kw::Bold},
            {"i", Kw::Italic},
            {"ul", Kw::Underline},
            {"uld", Kw::Underline},
            {"uldash", Kw::Underline},
            {"uldashd", Kw::Underline},
            {"uldashdd", Kw::Underline},
            {"uldb", Kw::Underline},
            {"ulth", Kw::Underline},
            {"ulw", Kw::Underline},
            {"ulwave", Kw::Underline},
            {"ulnone", Kw::UnderlineNone},
            {"strike", Kw::Strike},
            {"striked", Kw::Strike},
            {"super", Kw::Super},
            {"sub", Kw::Sub},
            {"nosupersub", Kw::NoSuperSub},
            {"up", Kw::Up},
            {"dn", Kw::Down},
            {"cf", Kw::ColourFore},
            {"highlight", Kw::Highlight},
            {"cb", Kw::ColourBack},
            {"chcbpat", Kw::ColourBack},
            {"plain", Kw::Plain},
            {"chftn", Kw::FootnoteNumber},
            {"par", Kw::Par},
            {"pard", Kw::Pard},
            {"ql", Kw::AlignLeft},
            {"qc", Kw::AlignCenter},
            {"qr", Kw::AlignRight},
            {"qj", Kw::AlignJustify},
            {"qd", Kw::AlignJustify},
            {"li", Kw::LeftIndent},
            {"lin", Kw::LeftIndent},
            {"ri", Kw::RightIndent},
            {"rin", Kw::RightIndent},
            {"fi", Kw::FirstIndent},
            {"sb", Kw::SpaceBefore},
            {"sa", Kw::SpaceAfter},
            {"tx", Kw::TabStop},
            {"tqr", Kw::TabRight},
            {"tqc", Kw::TabCenter},
            {"tqdec", Kw::TabDecimal},
            {"tb", Kw::TabBar},
            {"line", Kw::Line},
            {"tab", Kw::Tab},
            {"cell", Kw::Cell},
            {"nestcell", Kw::Cell},
            {"row", Kw::Row},
            {"nestrow", Kw::Row},
            {"page", Kw::Page},
            {"sect", Kw::Sect},
            {"trowd", Kw::TableWord},
            {"intbl", Kw::TableWord},
            {"itap", Kw::TableDepth},
        };
        for (const auto& [name, kw] : plain)
            w.emplace(name, WordInfo{kw});
        // Destinations whose content is not shown.
        for (std::string_view name : {"info",
                                      "stylesheet",
                                      "objdata",
                                      "header",
                                      "headerl",
                                      "headerr",
                                      "headerf",
                                      "footer",
                                      "footerl",
                                      "footerr",
                                      "footerf",
                                      "footnote",
                                      "pn",
                                      "pntxta",
                                      "pntxtb",
                                      "listtable",
                                      "listoverridetable",
                                      "revtbl",
                                      "rsidtbl",
                                      "xmlnstbl",
                                      "filetbl",
                                      "themedata",
                                      "colorschememapping",
                                      "datastore",
                                      "latentstyles",
                                      "generator",
                                      "bkmkstart",
                                      "bkmkend",
                                      "annotation",
                                      "atnid",
                                      "atnauthor",
                                      "atnref",
                                      "atndate",
                                      "template",
                                      "docvar",
                                      "userprops",
                                      "ftnsep",
                                      "ftnsepc",
                                      "ftncn",
                                      "aftnsep",
                                      "aftnsepc",
                                      "aftncn",
                                      "xe",
                                      "tc",
                                      "txe",
                                      "rxe",
                                      "shprslt",
                                      "nonesttables",
                                      "pgdsctbl",
                                      "mmathPr",
                                      "private",
                                      "bkmkcoll",
                                      "fchars",
                                      "lchars",
                                      "formfield",
                                      "datafield",
                                      "xform",
                                      "comment",
                                      "author",
                                      "operator",
                                      "title",
                                      "subject",
                                      "keywords",
                                      "doccomm",
                                      "company",
                                      "buptim",
                                      "creatim",
                                      "revtim",
                                      "printim",
                                      "passwordhash",
                                      "protusertbl",
                                      "ud",
                                      "upr"})
            w.emplace(name, WordInfo{Kw::SkipDest});
        // Pictures, drawings and objects, and the properties of nested
        // tables: skipped, and noted as lost.
        for (std::string_view name : {"pict", "shppict", "nonshppict", "object", "shp", "shpinst", "shpgrp", "do",
                                      "macpict", "wmetafile", "dibitmap", "nesttableprops"})
            w.emplace(name, WordInfo{Kw::DroppedDest});
        const std::pair<std::string_view, char16_t> chars[] = {
            {"emdash", 0x2014},    {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002},
            {"qmspace", 0x2005},   {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
            {"ltrmark", 0x200E},   {"rtlmark", 0x200F},   {"zwbo", 0x200B},    {"zwnbo", 0x2060},
        };
        for (const auto& [name, ch] : chars)
            w.emplace(name, WordInfo{Kw::Char, ch});
        return w;
    }();
    return words;
}

// ---------------------------------------------------------------- state

enum class Dest : std::uint8_t { Text, FontTable, ColorTable, FieldInstruction };

struct CharState {
    int font = -1;   // -1: the default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int colour = 0;
    int highlight = 0;   // colour table index; 0: none
    int shading = 0;   // \cb, \chcbpat: shown when there is no highlight
    int link = -1;   // index of the hyperlink the text belongs to
    std::int8_t vertical = 0;   // 1 superscript, -1 subscript
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool operator==(const CharState&) const = default;
};

struct CharStateHash {
    size_t operator()(const CharState& s) const
    {
        const std::uint64_t flags = std::uint64_t(s.bold) | std::uint64_t(s.italic) << 1 |
                                    std::uint64_t(s.underline) << 2 | std::uint64_t(s.strike) << 3 |
                                    std::uint64_t(s.vertical + 1) << 4;
        const std::uint64_t key =
            (std::uint64_t(std::uint32_t(s.font)) << 32 | std::uint32_t(s.colour)) * 0x9E3779B97F4A7C15ull ^
            (std::uint64_t(s.halfPoints) << 8 | flags) ^
            (std::uint64_t(std::uint32_t(s.link)) << 32 |
             (std::uint32_t(s.highlight) ^ std::uint32_t(s.shading) << 16)) *
                0xC2B2AE3D27D4EB4Full;
        return std::hash<std::uint64_t>()(key);
    }
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignAbsolute;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<QTextOption::Tab> tabs;   // positions in twips from the page margin
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
};

struct GroupState {
    CharState ch;
    ParaState para;
    Dest dest = Dest::Text;
    int uc = 1;
};

struct FontEntry {
    QString name;
    int codePage = 0;   // 0: the document's
    bool done = false;   // the name's closing ';' was read
};

int ClampTwips(int v)
{
    return std::clamp(v, -kMaxTwips, kMaxTwips);
}

// ---------------------------------------------------------------- fields

struct Hyperlink {
    QString href;
    QString tip;
};

// The target of a field instruction HYPERLINK "address" with the switches
// \l "place" (a place in the document, written after '#') and \o "tool
// tip". Inside quotes \\ and \" stand for themselves. Nothing for other
// fields and for a link without a target.
std::optional<Hyperlink> ParseHyperlink(QStringView in)
{
    const qsizetype n = in.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < n && in[i].isSpace())
            ++i;
    };
    const auto argument = [&] {
        skipBlanks();
        QString out;
        if (i < n && in[i] == u'"') {
            for (++i; i < n && in[i] != u'"'; ++i) {
                if (in[i] == u'\\' && i + 1 < n && (in[i + 1] == u'\\' || in[i + 1] == u'"'))
                    ++i;
                out += in[i];
            }
            ++i;   // the closing quote
        } else {
            while (i < n && !in[i].isSpace())
                out += in[i++];
        }
        return out;
    };
    skipBlanks();
    constexpr QStringView kName = u"HYPERLINK";
    if (!in.sliced(i).startsWith(kName, Qt::CaseInsensitive))
        return std::nullopt;
    i += kName.size();
    if (i < n && !in[i].isSpace() && in[i] != u'"' && in[i] != u'\\')
        return std::nullopt;
    Hyperlink link;
    QString address, place;
    bool haveAddress = false;
    for (skipBlanks(); i < n; skipBlanks()) {
        if (in[i] == u'\\' && i + 1 < n && in[i + 1].isLetter()) {
            const char16_t name = in[i + 1].toLower().unicode();
            i += 2;
            if (name == u'l')
                place = argument();
            else if (name == u'o')
                link.tip = argument();
            else if (name == u't')
                argument();   // the window to open it in
            continue;   // \m and \n take no argument
        }
        QString value = argument();
        if (!haveAddress) {
            address = std::move(value);
            haveAddress = true;
        }
    }
    if (!place.isEmpty())
        address += u'#' + place;
    if (address.isEmpty())
        return std::nullopt;
    link.href = std::move(address);
    return link;
}

// ---------------------------------------------------------------- reader

class Reader {
public:
    Reader(const QByteArray& rtf, QTextDocument& document)
        : tokens_(rtf.constData(), rtf.constData() + rtf.size()), cursor_(&document)
    {}

    void Run()
    {
        for (;;) {
            const Token t = tokens_.Next();
            if (t.kind == Tok::End)
                break;
            if (skipping_) {
                if (SkipToken(t))
                    return Finish();
                continue;
            }
            if (starred_) {
                // \* marks a destination a reader may skip; a few are read.
                starred_ = false;
                if (!ReadStarred(t)) {
                    StartSkipping();
                    if (SkipToken(t))
                        return Finish();
                    continue;
                }
            }
            if (unicodeSkip_ > 0 && ConsumeFallback(t))
                continue;
            if (t.kind != Tok::Text && t.kind != Tok::Hex)
                FlushBytes();
            switch (t.kind) {
            case Tok::Text: OnText(t.text, t.length); break;
            case Tok::Hex: AddByte(t.ch); break;
            case Tok::Open: OnOpen(); break;
            case Tok::Close:
                if (OnClose())
                    return Finish();
                break;
            case Tok::Word: OnWord(t); break;
            case Tok::Symbol: OnSymbol(char(t.ch)); break;
            case Tok::Bin:
            case Tok::End: break;
            }
        }
        FlushBytes();
        Finish();
    }

    // Tables or pictures were met.
    bool DroppedContent() const { return dropped_; }

private:
    // Groups.

    void OnOpen()
    {
        if (int(stack_.size()) >= kMaxGroupDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(cur_);
    }

    // True when the outermost group closed: the document ends there.
    bool OnClose()
    {
        if (overflow_ > 0) {
            --overflow_;
            return false;
        }
        if (stack_.empty())
            return true;
        if (stack_.size() == 1)
            return true;   // keep the state of the last paragraph for Finish
        cur_ = std::move(stack_.back());
        stack_.pop_back();
        return false;
    }

    // Inside a destination that is not shown only the braces count, until
    // the group that holds it closes. True when that was the outermost one.
    bool SkipToken(const Token& t)
    {
        if (t.kind == Tok::Open) {
            ++skipDepth_;
        } else if (t.kind == Tok::Close) {
            if (skipDepth_ > 0) {
                --skipDepth_;
                return false;
            }
            skipping_ = false;
            return OnClose();
        }
        return false;
    }

    // The few starred destinations that are read (their words do the
    // rest) or noted as lost before being skipped.
    static bool ReadStarred(const Token& t)
    {
        if (t.kind != Tok::Word || t.length > 32)
            return false;
        const auto& words = Words();
        const auto found = words.find(std::string_view(t.text, t.length));
        return found != words.end() && (found->second.kw == Kw::FldInst || found->second.kw == Kw::DroppedDest);
    }

    void StartSkipping()
    {
        skipping_ = true;
        skipDepth_ = 0;
        unicodeSkip_ = 0;
    }

    // Characters after \uN stand in for it and are dropped; a group brace
    // ends the fallback early. True when the token was consumed.
    bool ConsumeFallback(const Token& t)
    {
        switch (t.kind) {
        case Tok::Open:
        case Tok::Close:
        case Tok::End: unicodeSkip_ = 0; return false;
        case Tok::Text:
            if (t.length > unicodeSkip_) {
                const int skip = unicodeSkip_;
                unicodeSkip_ = 0;
                FlushBytes();
                OnText(t.text + skip, t.length - skip);
                return true;
            }
            unicodeSkip_ -= t.length;
            return true;
        default: --unicodeSkip_; return true;
        }
    }

    // Text and code pages.

    int CurrentCodePage()
    {
        int cp = 0;
        if (cur_.dest == Dest::FontTable) {
            if (const FontEntry* e = Font(fontTableEntry_))
                cp = e->codePage;
        } else {
            const int number = cur_.ch.font < 0 ? defaultFont_ : cur_.ch.font;
            if (!codePageValid_ || codePageFont_ != number) {
                const FontEntry* e = Font(number);
                codePageFont_ = number;
                codePageOfFont_ = e ? e->codePage : 0;
                codePageValid_ = true;
            }
            cp = codePageOfFont_;
        }
        return cp ? cp : documentCodePage_;
    }

    // Fonts or colours changed: formats made from them are out of date.
    // They are dropped when next needed, so a font table read character by
    // character costs nothing per character.
    void FormatsChanged()
    {
        formatsStale_ = true;
        codePageValid_ = false;
    }

    void OnText(const char* text, int length)
    {
        if (cur_.dest == Dest::ColorTable) {
            for (int i = 0; i < length; ++i)
                if (text[i] == ';')
                    EndColour();
            return;
        }
        if (cur_.dest == Dest::FontTable) {
            for (int i = 0; i < length; ++i) {
                if (text[i] == ';' && !expectTrail_) {
                    FlushBytes();
                    if (FontEntry* e = Font(fontTableEntry_))
                        e->done = true;
                } else {
                    AddByte(static_cast<unsigned char>(text[i]));
                }
            }
            return;
        }
        const RtfCodePages::Page& page = codePages_.Get(CurrentCodePage());
        if (!page.singleByte) {
            for (int i = 0; i < length; ++i)
                AddByte(static_cast<unsigned char>(text[i]));
            return;
        }
        QString decoded(length, Qt::Uninitialized);
        QChar* out = decoded.data();
        for (int i = 0; i < length; ++i)
            out[i] = QChar(page.table[static_cast<unsigned char>(text[i])]);
        Emit(decoded);
    }

    // One byte of text in the current code page. Bytes of multi-byte code
    // pages are gathered and decoded together.
    void AddByte(unsigned char b)
    {
        const int cp = CurrentCodePage();
        const RtfCodePages::Page& page = codePages_.Get(cp);
        if (page.singleByte) {
            FlushBytes();
            const QChar c(page.table[b]);
            Emit(QStringView(&c, 1));
            return;
        }
        if (!bytes_.isEmpty() && bytesCodePage_ != cp)
            FlushBytes();
        bytesCodePage_ = cp;
        bytes_.append(char(b));
        expectTrail_ = !expectTrail_ && page.IsLeadByte(b);
    }

    void FlushBytes()
    {
        expectTrail_ = false;
        if (bytes_.isEmpty())
            return;
        const RtfCodePages::Page& page = codePages_.Get(bytesCodePage_);
        const QString decoded = const_cast<QStringDecoder&>(page.decoder).decode(bytes_);
        bytes_.clear();
        Emit(decoded);
    }

    void Emit(QStringView s)
    {
        switch (cur_.dest) {
        case Dest::Text: EmitText(s); break;
        case Dest::FontTable:
            if (FontEntry* e = Font(fontTableEntry_); e && !e->done) {
                e->name += s;
                FormatsChanged();
            }
            break;
        case Dest::ColorTable: break;
        case Dest::FieldInstruction:
            // Bounded: a hostile instruction costs no more than its length.
            fieldInstruction_ += s.first(std::min(s.size(), kMaxFieldInstruction - fieldInstruction_.size()));
            break;
        }
    }

    // Body text. Characters that would make the document start a block or
    // a frame on its own become paragraph breaks or are dropped.
    void EmitText(QStringView s)
    {
        qsizetype start = 0;
        for (qsizetype i = 0; i < s.size(); ++i) {
            const char16_t c = s[i].unicode();
            const bool breaks = c == u'\n' || c == u'\r' || c == 0x2029;
            if (!breaks && c != 0xFDD0 && c != 0xFDD1)
                continue;
            if (i > start)
                Append(s.sliced(start, i - start));
            if (breaks)
                Paragraph();
            start = i + 1;
        }
        if (start < s.size())
            Append(s.sliced(start));
    }

    void Append(QStringView s)
    {
        if (pendingCellTab_) {
            pendingCellTab_ = false;
            Append(u"\t");
        }
        if (runs_.empty() || !(runs_.back().state == cur_.ch))
            runs_.push_back({cur_.ch, 0});
        runs_.back().length += s.size();
        text_ += s;
    }

    void EmitChar(char16_t c)
    {
        const QChar ch(c);
        Emit(QStringView(&ch, 1));
    }

    // Document building. A paragraph goes into the document whole when its
    // \par is read, with the formats in force there; the empty remainder
    // after the last \par adds no paragraph.

    void Paragraph()
    {
        Commit(cur_);
        pendingCellTab_ = false;
    }

    void Commit(const GroupState& state)
    {
        // Lone surrogates would make the document's text invalid.
        for (qsizetype i = 0; i < text_.size(); ++i) {
            const QChar c = text_[i];
            if (c.isHighSurrogate() && i + 1 < text_.size() && text_[i + 1].isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                text_[i] = QChar(QChar::ReplacementCharacter);
        }
        const QTextBlockFormat block = BlockFormat(state.para);
        if (paragraphs_++ == 0) {
            cursor_.setBlockFormat(block);
            cursor_.setBlockCharFormat(CharFormat(state.ch));
        } else {
            cursor_.insertBlock(block, CharFormat(state.ch));
        }
        qsizetype at = 0;
        for (const TextRun& run : runs_) {
            cursor_.insertText(text_.sliced(at, run.length), CharFormat(run.state));
            at += run.length;
        }
        text_.clear();
        runs_.clear();
    }

    void Finish()
    {
        if (done_)
            return;
        done_ = true;
        FlushBytes();
        if (!text_.isEmpty() || paragraphs_ == 0)
            Commit(cur_);
    }

    // Formats.

    int LinkIndex(const Hyperlink& link)
    {
        const QString key = link.href + QChar(0) + link.tip;
        const auto found = linkIndex_.constFind(key);
        if (found != linkIndex_.cend())
            return *found;
        links_.push_back(link);
        return *linkIndex_.insert(key, int(links_.size()) - 1);
    }

    FontEntry* Font(int number)
    {
        const auto it = fonts_.find(number);
        return it == fonts_.end() ? nullptr : &it->second;
    }

    const QTextCharFormat& CharFormat(const CharState& s)
    {
        if (formatsStale_) {
            formats_ = {};
            formatsStale_ = false;
        }
        const auto cached = formats_.find(s);
        if (cached != formats_.end())
            return cached->second;
        QTextCharFormat f;
        const FontEntry* font = Font(s.font < 0 ? defaultFont_ : s.font);
        if (!font)
            font = Font(defaultFont_);
        if (font) {
            const QString name = font->name.trimmed();
            if (!name.isEmpty()) {
                f.setFontFamilies(QStringList{name});
                f.setProperty(kFormatKey, int(qHash(name)));
            }
        }
        f.setFontPointSize(s.halfPoints / 2.0);
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        f.setFontStrikeOut(s.strike);
        if (s.vertical)
            f.setVerticalAlignment(s.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                  : QTextCharFormat::AlignSubScript);
        if (s.colour > 0 && s.colour < int(colours_.size()) && colours_[s.colour])
            f.setForeground(QBrush(*colours_[s.colour]));
        const int background = s.highlight > 0 ? s.highlight : s.shading;
        if (background > 0 && background < int(colours_.size()) && colours_[background])
            f.setBackground(QBrush(*colours_[background]));
        if (s.link >= 0) {
            const Hyperlink& link = links_[s.link];
            f.setAnchor(true);
            f.setAnchorHref(link.href);
            if (!link.tip.isEmpty())
                f.setToolTip(link.tip);
            if (!f.hasProperty(QTextFormat::ForegroundBrush)) {
                f.setForeground(QBrush(QColor::fromRgb(kLinkColour)));
                f.setFontUnderline(true);
            }
        }
        return formats_.emplace(s, f).first->second;
    }

    static QTextBlockFormat BlockFormat(const ParaState& p)
    {
        const double unit = kRtfTwipsPerUnit;
        QTextBlockFormat f;
        f.setAlignment(p.align);
        f.setLeftMargin(p.leftIndent / unit);
        f.setRightMargin(p.rightIndent / unit);
        f.setTextIndent(p.firstIndent / unit);
        f.setTopMargin(p.spaceBefore / unit);
        f.setBottomMargin(p.spaceAfter / unit);
        if (!p.tabs.isEmpty()) {
            QList<QTextOption::Tab> tabs = p.tabs;
            for (QTextOption::Tab& tab : tabs)
                tab.position = (tab.position - p.leftIndent - p.firstIndent) / unit;
            f.setTabPositions(tabs);
            size_t key = 0;
            for (const QTextOption::Tab& tab : tabs)
                key = qHashMulti(key, tab.position, int(tab.type));
            f.setProperty(kFormatKey, int(key));
        }
        return f;
    }

    void EndColour()
    {
        std::optional<QColor> c;
        if (colourHasValue_)
            c = QColor(colourRgb_[0], colourRgb_[1], colourRgb_[2]);
        colours_.push_back(c);
        colourRgb_[0] = colourRgb_[1] = colourRgb_[2] = 0;
        colourHasValue_ = false;
        FormatsChanged();
    }

    // Control words and symbols.

    void OnSymbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}': EmitChar(char16_t(c)); break;
        case '~': EmitChar(0x00A0); break;
        case '-': EmitChar(0x00AD); break;
        case '_': EmitChar(0x2011); break;
        case '*': starred_ = true; break;
        case '\n':
        case '\r':
            if (cur_.dest == Dest::Text)
                Paragraph();
            break;
        default: break;   // \: \| and unknown symbols
        }
    }

    void OnWord(const Token& t)
    {
        if (t.length > 32)
            return;
        const auto& words = Words();
        const auto found = words.find(std::string_view(t.text, t.length));
        if (found == words.end())
            return;
        const Kw kw = found->second.kw;
        const int p = t.param;
        const bool on = !t.hasParam || p != 0;
        CharState& ch = cur_.ch;
        ParaState& para = cur_.para;

        switch (kw) {
        case Kw::Unknown: break;
        case Kw::Ansi: documentCodePage_ = 1252; break;
        case Kw::Mac: documentCodePage_ = 10000; break;
        case Kw::Pc: documentCodePage_ = 437; break;
        case Kw::Pca: documentCodePage_ = 850; break;
        case Kw::AnsiCpg:
            if (t.hasParam && p > 0)
                documentCodePage_ = p;
            break;
        case Kw::Deff:
            if (t.hasParam) {
                defaultFont_ = p;
                FormatsChanged();
            }
            break;
        case Kw::Uc: cur_.uc = std::clamp(t.hasParam ? p : 1, 0, kMaxUnicodeSkip); break;
        case Kw::U:
            if (t.hasParam) {
                EmitChar(char16_t(p & 0xFFFF));   // negative values stand for 32768 and up
                unicodeSkip_ = cur_.uc;
            }
            break;

        case Kw::FontTable:
            cur_.dest = Dest::FontTable;
            FormatsChanged();
            break;
        case Kw::ColorTable:
            cur_.dest = Dest::ColorTable;
            colours_.clear();
            colourHasValue_ = false;
            FormatsChanged();
            break;
        case Kw::SkipDest: StartSkipping(); break;
        case Kw::Field: fieldInstruction_.clear(); break;
        case Kw::FldInst:
            if (cur_.dest == Dest::Text) {
                cur_.dest = Dest::FieldInstruction;
                fieldInstruction_.clear();
            } else if (cur_.dest != Dest::FieldInstruction) {
                StartSkipping();
            }
            break;
        case Kw::FldRslt:
            // The result shows; a hyperlink's result is the link's text.
            if (cur_.dest == Dest::Text) {
                if (const auto link = ParseHyperlink(fieldInstruction_))
                    ch.link = LinkIndex(*link);
                fieldInstruction_.clear();
            }
            break;
        case Kw::TableWord: dropped_ = true; break;
        case Kw::TableDepth: dropped_ = dropped_ || p > 0; break;
        case Kw::DroppedDest:
            dropped_ = true;
            StartSkipping();
            break;

        case Kw::FontCharset:
            if (FontEntry* e = Font(fontTableEntry_); e && cur_.dest == Dest::FontTable && !e->codePage) {
                e->codePage = RtfCharsetCodePage(p);
                FormatsChanged();
            }
            break;
        case Kw::FontCodePage:
            if (FontEntry* e = Font(fontTableEntry_); e && cur_.dest == Dest::FontTable && p > 0) {
                e->codePage = p;
                FormatsChanged();
            }
            break;
        case Kw::Red:
        case Kw::Green:
        case Kw::Blue:
            if (cur_.dest == Dest::ColorTable) {
                colourRgb_[kw == Kw::Red ? 0 : kw == Kw::Green ? 1 : 2] = std::clamp(p, 0, 255);
                colourHasValue_ = true;
            }
            break;

        case Kw::Font:
            if (cur_.dest == Dest::FontTable) {
                fontTableEntry_ = p;
                fonts_[p] = FontEntry();
                FormatsChanged();
            } else {
                ch.font = p;
            }
            break;
        case Kw::FontSize:
            ch.halfPoints = t.hasParam && p > 0 ? std::min(p, kMaxHalfPoints) : kDefaultHalfPoints;
            break;
        case Kw::Bold: ch.bold = on; break;
        case Kw::Italic: ch.italic = on; break;
        case Kw::Underline: ch.underline = on; break;
        case Kw::UnderlineNone: ch.underline = false; break;
        case Kw::Strike: ch.strike = on; break;
        case Kw::Super: ch.vertical = on ? 1 : 0; break;
        case Kw::Sub: ch.vertical = on ? -1 : 0; break;
        case Kw::NoSuperSub: ch.vertical = 0; break;
        // Raised or lowered text (default 3 points) shows as super- or subscript.
        case Kw::Up: ch.vertical = !t.hasParam || p > 0 ? 1 : 0; break;
        case Kw::Down: ch.vertical = !t.hasParam || p > 0 ? -1 : 0; break;
        case Kw::ColourFore: ch.colour = std::max(p, 0); break;
        case Kw::Highlight: ch.highlight = std::max(p, 0); break;
        case Kw::ColourBack: ch.shading = std::max(p, 0); break;
        case Kw::Plain: {
            // Formats end, a link does not: its result may start with \plain.
            const int link = ch.link;
            ch = CharState();
            ch.link = link;
            break;
        }

        case Kw::Par:
            if (cur_.dest == Dest::Text)
                Paragraph();
            break;
        case Kw::Pard: para = ParaState(); break;
        case Kw::AlignLeft: para.align = Qt::AlignLeft | Qt::AlignAbsolute; break;
        case Kw::AlignCenter: para.align = Qt::AlignHCenter; break;
        case Kw::AlignRight: para.align = Qt::AlignRight | Qt::AlignAbsolute; break;
        case Kw::AlignJustify: para.align = Qt::AlignJustify; break;
        case Kw::LeftIndent: para.leftIndent = ClampTwips(p); break;
        case Kw::RightIndent: para.rightIndent = ClampTwips(p); break;
        case Kw::FirstIndent: para.firstIndent = ClampTwips(p); break;
        case Kw::SpaceBefore: para.spaceBefore = std::clamp(p, 0, kMaxTwips); break;
        case Kw::SpaceAfter: para.spaceAfter = std::clamp(p, 0, kMaxTwips); break;
        case Kw::TabStop:
            if (para.tabs.size() < kMaxTabStops) {
                QTextOption::Tab tab(std::clamp(p, 0, kMaxTwips), para.nextTabType);
                if (para.nextTabType == QTextOption::DelimiterTab)
                    tab.delimiter = QLatin1Char('.');
                para.tabs.append(tab);
            }
            para.nextTabType = QTextOption::LeftTab;
            break;
        case Kw::TabRight: para.nextTabType = QTextOption::RightTab; break;
        case Kw::TabCenter: para.nextTabType = QTextOption::CenterTab; break;
        case Kw::TabDecimal: para.nextTabType = QTextOption::DelimiterTab; break;
        case Kw::TabBar: para.nextTabType = QTextOption::LeftTab; break;

        case Kw::Line: EmitChar(0x2028); break;
        case Kw::Tab: EmitChar(u'\t'); break;
        case Kw::Char: EmitChar(found->second.ch); break;
        case Kw::FootnoteNumber:
            // The footnote is not shown, its reference number is.
            if (cur_.dest == Dest::Text)
                Emit(QString::number(++footnotes_));
            break;
        case Kw::Cell:
            // Cells become tab-separated text; a row ends its paragraph.
            if (cur_.dest == Dest::Text)
                pendingCellTab_ = true;
            break;
        case Kw::Row:
            if (cur_.dest == Dest::Text) {
                pendingCellTab_ = false;
                Paragraph();
            }
            break;
        case Kw::Page:
        case Kw::Sect:
            if (cur_.dest == Dest::Text && !text_.isEmpty())
                Paragraph();
            break;
        }
    }

    Tokenizer tokens_;
    QTextCursor cursor_;
    RtfCodePages codePages_;

    GroupState cur_;
    std::vector<GroupState> stack_;
    int overflow_ = 0;   // groups opened beyond kMaxGroupDepth
    bool skipping_ = false;   // inside a destination that is not shown
    int skipDepth_ = 0;   // groups opened inside it
    int unicodeSkip_ = 0;   // fallback characters still to drop after \uN
    bool starred_ = false;   // the last token was \*

    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    std::unordered_map<int, FontEntry> fonts_;
    int fontTableEntry_ = -1;
    std::vector<std::optional<QColor>> colours_;
    int colourRgb_[3] = {0, 0, 0};
    bool colourHasValue_ = false;

    QByteArray bytes_;   // undecoded bytes of a multi-byte code page
    int bytesCodePage_ = 0;
    bool expectTrail_ = false;

    // The paragraph being read: its text and the formats of its runs.
    struct TextRun {
        CharState state;
        qsizetype length;
    };
    QString text_;
    std::vector<TextRun> runs_;
    int paragraphs_ = 0;   // paragraphs in the document so far
    int footnotes_ = 0;
    QString fieldInstruction_;   // of the field being read
    std::vector<Hyperlink> links_;
    QHash<QString, int> linkIndex_;   // by address and tool tip
    bool pendingCellTab_ = false;
    std::unordered_map<CharState, QTextCharFormat, CharStateHash> formats_;
    int codePageFont_ = 0;   // the font whose code page was looked up last
    int codePageOfFont_ = 0;
    bool codePageValid_ = false;
    bool formatsStale_ = false;
    bool done_ = false;
    bool dropped_ = false;
};

}   // namespace

RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    RtfReadResult result;
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    {
        QTextCursor batch(&document);
        batch.beginEditBlock();
        Reader reader(rtf, document);
        reader.Run();
        result.droppedContent = reader.DroppedContent();
        batch.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
    return result;
}
