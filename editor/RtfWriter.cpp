// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Rtf.h"

#include "editor/TextCodec.h"

#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kMaxHalfPoints = 3276;

// What one run is written with.
struct RunFormat {
    int font = -1;
    int halfPoints = 24;
    int colour = 0;   // 0: automatic
    int highlight = 0;   // 0: none
    std::int8_t vertical = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool operator==(const RunFormat&) const = default;
};

int Twips(double units)
{
    const double twips = std::round(units * kRtfTwipsPerUnit);
    return int(std::clamp(twips, -1e9, 1e9));
}

class Writer {
public:
    explicit Writer(const QTextDocument& document) : document_(document), defaultFont_(document.defaultFont()) {}

    QByteArray Run()
    {
        body_.reserve(document_.characterCount() * 2 + 256);
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
            WriteBlock(block);
        if (fonts_.isEmpty())
            FontIndex(defaultFont_.family());

        QByteArray out;
        out.reserve(body_.size() + 256);
        out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            AppendFontName(out, fonts_[i]);
            out += ";}";
        }
        out += "}\r\n";
        if (!colours_.empty()) {
            out += "{\\colortbl;";
            for (QRgb rgb : colours_)
                out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) +
                       "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
            out += "}\r\n";
        }
        out += body_;
        out += "}\r\n";
        return out;
    }

private:
    void WriteBlock(const QTextBlock& block)
    {
        WriteParagraphFormat(block.blockFormat());
        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!fragment.isValid() || format.isImageFormat())
                continue;
            // Anchor text goes into a HYPERLINK field, one per run of the
            // same link within a paragraph.
            const bool link = format.isAnchor() && !format.anchorHref().isEmpty();
            if (inLink_ && (!link || format.anchorHref() != linkHref_ || format.toolTip() != linkTip_))
                CloseLink();
            if (link && !inLink_)
                OpenLink(format.anchorHref(), format.toolTip());
            SetFormat(Resolve(format));
            WriteText(fragment.text());
            empty = false;
        }
        if (inLink_)
            CloseLink();
        // An empty paragraph keeps its font and size through its mark. A
        // raised or lowered mark makes LibreOffice drop the paragraph's
        // raised text, so marks are always on the baseline.
        RunFormat mark = empty ? Resolve(block.charFormat()) : state_;
        mark.vertical = 0;
        SetFormat(mark);
        Word("par");
        body_ += "\r\n";
        needDelimiter_ = false;
    }

    // {\field{\*\fldinst{HYPERLINK "address" \o "tip"}}{\fldrslt text}}:
    // the formats inside end with the field's group.
    void OpenLink(const QString& href, const QString& tip)
    {
        inLink_ = true;
        linkHref_ = href;
        linkTip_ = tip;
        outsideLink_ = state_;
        body_ += "{\\field{\\*\\fldinst{";
        needDelimiter_ = false;
        QString instruction = QStringLiteral("HYPERLINK ");
        if (href.size() > 1 && href.startsWith(u'#'))
            instruction += QStringLiteral("\\l ") + FieldArgument(href.mid(1));
        else
            instruction += FieldArgument(href);
        if (!tip.isEmpty())
            instruction += QStringLiteral(" \\o ") + FieldArgument(tip);
        WriteText(instruction);
        body_ += "}}{";
        Word("fldrslt");
    }

    void CloseLink()
    {
        body_ += "}}";
        needDelimiter_ = false;
        state_ = outsideLink_;
        inLink_ = false;
    }

    // Quoted, with \ and " escaped as field instructions escape them.
    static QString FieldArgument(const QString& value)
    {
        QString out = QStringLiteral("\"");
        for (const QChar c : value) {
            if (c == u'\\' || c == u'"')
                out += u'\\';
            out += c;
        }
        return out + u'"';
    }

    void WriteParagraphFormat(const QTextBlockFormat& f)
    {
        Word("pard");
        const Qt::Alignment a = f.alignment();
        if (a & Qt::AlignHCenter)
            Word("qc");
        else if (a & Qt::AlignJustify)
            Word("qj");
        else if (a & Qt::AlignRight)
            Word("qr");
        const auto number = [this](const char* word, double units) {
            if (const int twips = Twips(units))
                Word(word, twips);
        };
        number("fi", f.textIndent());
        number("li", f.leftMargin());
        number("ri", f.rightMargin());
        number("sb", f.topMargin());
        number("sa", f.bottomMargin());
        QList<QTextOption::Tab> tabs = f.tabPositions();
        std::stable_sort(tabs.begin(), tabs.end(), [](const QTextOption::Tab& left, const QTextOption::Tab& right) {
            return left.position < right.position;
        });
        for (const QTextOption::Tab& tab : tabs) {
            if (tab.type == QTextOption::RightTab)
                Word("tqr");
            else if (tab.type == QTextOption::CenterTab)
                Word("tqc");
            else if (tab.type == QTextOption::DelimiterTab)
                Word("tqdec");
            Word("tx", std::max(Twips(tab.position + f.leftMargin() + f.textIndent()), 0));
        }
    }

    RunFormat Resolve(const QTextCharFormat& f)
    {
        RunFormat r;
        QString family;
        const QVariant families = f.property(QTextFormat::FontFamilies);
        if (families.isValid())
            family = families.toStringList().value(0);
        if (family.isEmpty())
            family = defaultFont_.family();
        r.font = FontIndex(family);

        double points = f.fontPointSize();
        if (points <= 0 && f.hasProperty(QTextFormat::FontPixelSize))
            points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
        if (points <= 0)
            points = defaultFont_.pointSizeF();
        if (points <= 0 && defaultFont_.pixelSize() > 0)
            points = defaultFont_.pixelSize() * 0.75;
        if (points <= 0)
            points = 12;
        r.halfPoints = std::clamp(int(std::lround(points * 2)), 1, kMaxHalfPoints);

        r.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium : defaultFont_.bold();
        r.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : defaultFont_.italic();
        if (f.hasProperty(QTextFormat::TextUnderlineStyle)) {
            const auto style = f.underlineStyle();
            r.underline = style != QTextCharFormat::NoUnderline && style != QTextCharFormat::SpellCheckUnderline;
        } else {
            r.underline = f.hasProperty(QTextFormat::FontUnderline) ? f.fontUnderline() : defaultFont_.underline();
        }
        r.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : defaultFont_.strikeOut();
        const auto vertical = f.verticalAlignment();
        r.vertical = vertical == QTextCharFormat::AlignSuperScript ? 1
                     : vertical == QTextCharFormat::AlignSubScript ? -1
                                                                   : 0;
        const QBrush brush = f.foreground();
        if (brush.style() != Qt::NoBrush)
            r.colour = ColourIndex(brush.color().rgb() | 0xFF000000u);
        // A transparent background (HTML's "transparent") is none.
        const QBrush background = f.background();
        if (background.style() != Qt::NoBrush && background.color().alpha() > 0)
            r.highlight = ColourIndex(background.color().rgb() | 0xFF000000u);
        return r;
    }

    int FontIndex(const QString& family)
    {
        const auto found = fontIndex_.constFind(family);
        if (found != fontIndex_.cend())
            return *found;
        const int index = int(fonts_.size());
        fonts_.append(family);
        fontIndex_.insert(family, index);
        return index;
    }

    int ColourIndex(QRgb rgb)
    {
        const auto found = colourIndex_.constFind(rgb);
        if (found != colourIndex_.cend())
            return *found;
        colours_.push_back(rgb);
        const int index = int(colours_.size());   // entry 0 is automatic
        colourIndex_.insert(rgb, index);
        return index;
    }

    void SetFormat(const RunFormat& r)
    {
        if (r == state_)
            return;
        if (r.font != state_.font)
            Word("f", r.font);
        if (r.halfPoints != state_.halfPoints)
            Word("fs", r.halfPoints);
        if (r.bold != state_.bold)
            Word(r.bold ? "b" : "b0");
        if (r.italic != state_.italic)
            Word(r.italic ? "i" : "i0");
        if (r.underline != state_.underline)
            Word(r.underline ? "ul" : "ulnone");
        if (r.strike != state_.strike)
            Word(r.strike ? "strike" : "strike0");
        if (r.vertical != state_.vertical)
            Word(r.vertical > 0 ? "super" : r.vertical < 0 ? "sub" : "nosupersub");
        if (r.colour != state_.colour)
            Word("cf", r.colour);
        if (r.highlight != state_.highlight)
            Word("highlight", r.highlight);
        state_ = r;
    }

    void Word(const char* word)
    {
        body_ += '\\';
        body_ += word;
        needDelimiter_ = true;
    }

    void Word(const char* word, int value)
    {
        Word(word);
        body_ += QByteArray::number(value);
    }

    void WriteText(const QString& text)
    {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u >= 0x20 && u < 0x7F && u != '\\' && u != '{' && u != '}') {
                if (needDelimiter_) {
                    body_ += ' ';
                    needDelimiter_ = false;
                }
                body_ += char(u);
                continue;
            }
            switch (u) {
            case u'\\':
                body_ += "\\\\";
                needDelimiter_ = false;
                break;
            case u'{':
                body_ += "\\{";
                needDelimiter_ = false;
                break;
            case u'}':
                body_ += "\\}";
                needDelimiter_ = false;
                break;
            case u'\t': Word("tab"); break;
            case 0x2028: Word("line"); break;
            case 0x00A0:
                body_ += "\\~";
                needDelimiter_ = false;
                break;
            case 0x00AD:
                body_ += "\\-";
                needDelimiter_ = false;
                break;
            case 0x2011:
                body_ += "\\_";
                needDelimiter_ = false;
                break;
            default:
                AppendEncoded(body_, c);
                needDelimiter_ = false;
                break;
            }
        }
    }

    // A character beyond 7-bit ASCII: \'hh when Windows-1252 has it, else
    // \uN with '?' for readers that know no Unicode.
    static void AppendEncoded(QByteArray& out, QChar c)
    {
        static const char hex[] = "0123456789abcdef";
        const char16_t u = c.unicode();
        const bool c1 = u >= 0x80 && u <= 0x9F;   // C1 controls are no cp1252 text
        if (u >= 0x20 && !c1) {
            if (const auto byte = Windows1252Byte(c)) {
                out += "\\'";
                out += hex[*byte >> 4];
                out += hex[*byte & 15];
                return;
            }
        }
        out += "\\u";
        out += QByteArray::number(int(std::int16_t(u)));
        out += '?';
    }

    static void AppendFontName(QByteArray& out, const QString& name)
    {
        for (const QChar c : name) {
            const char16_t u = c.unicode();
            if (u >= 0x20 && u < 0x7F && u != '\\' && u != '{' && u != '}' && u != ';')
                out += char(u);
            else if (u == '\\' || u == '{' || u == '}')
                out += '\\', out += char(u);
            else
                AppendEncoded(out, c);
        }
    }

    const QTextDocument& document_;
    const QFont defaultFont_;
    QByteArray body_;
    bool needDelimiter_ = false;
    RunFormat state_;
    bool inLink_ = false;
    QString linkHref_;
    QString linkTip_;
    RunFormat outsideLink_;   // the formats the field's group ends in
    QStringList fonts_;
    QHash<QString, int> fontIndex_;
    std::vector<QRgb> colours_;
    QHash<QRgb, int> colourIndex_;
};

}   // namespace

QByteArray WriteRtf(const QTextDocument& document)
{
    return Writer(document).Run();
}
