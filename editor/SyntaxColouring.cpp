// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SyntaxColouring.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

SyntaxLanguage LanguageForFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    static const QStringList markup = {QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("xhtml"),
                                       QStringLiteral("xml"), QStringLiteral("svg")};
    if (markup.contains(suffix))
        return SyntaxLanguage::Markup;
    if (suffix == u"css")
        return SyntaxLanguage::Css;
    return SyntaxLanguage::None;
}

namespace {

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

// Scans one line; `at` is the index of the next character.
class LineScan {
public:
    LineScan(QStringView line, std::vector<SyntaxSpan>& spans) : line_(line), spans_(spans) {}

    bool AtEnd() const { return at_ >= line_.size(); }
    QChar Peek(qsizetype ahead = 0) const { return at_ + ahead < line_.size() ? line_[at_ + ahead] : QChar(); }
    bool StartsWith(QStringView text) const { return line_.sliced(at_).startsWith(text); }
    qsizetype At() const { return at_; }
    void Skip(qsizetype n = 1) { at_ = std::min(at_ + n, line_.size()); }

    // Colours from `from` to the current position.
    void Mark(qsizetype from, SyntaxRole role)
    {
        if (at_ <= from)
            return;
        // Neighbours of one role are one span.
        if (!spans_.empty() && spans_.back().role == role && spans_.back().start + spans_.back().length == from)
            spans_.back().length += int(at_ - from);
        else
            spans_.push_back({int(from), int(at_ - from), role});
    }
    // Skips to just after `end`; false (at the line's end) when it is not there.
    bool SkipPast(QStringView end)
    {
        const qsizetype found = line_.indexOf(end, at_);
        if (found < 0) {
            at_ = line_.size();
            return false;
        }
        at_ = found + end.size();
        return true;
    }
    bool SkipPastChar(QChar end) { return SkipPast(QStringView(&end, 1)); }

private:
    QStringView line_;
    std::vector<SyntaxSpan>& spans_;
    qsizetype at_ = 0;
};

// Markup states.
enum Markup { Text = 0, Comment = 1, Tag = 2, ValueDq = 3, ValueSq = 4 };

bool EntityAt(const LineScan& s, qsizetype& length)
{
    // &name; &#123; &#x1F;
    qsizetype n = 1;
    if (s.Peek(n) == u'#')
        ++n;
    const qsizetype first = n;
    while (s.Peek(n).isLetterOrNumber())
        ++n;
    if (n == first || s.Peek(n) != u';')
        return false;
    length = n + 1;
    return true;
}

int ColourMarkup(QStringView line, int state, std::vector<SyntaxSpan>& spans)
{
    LineScan s(line, spans);
    bool afterEquals = false;
    while (!s.AtEnd()) {
        const qsizetype from = s.At();
        switch (state) {
        case Comment:
            if (s.SkipPast(u"-->"))
                state = Text;
            s.Mark(from, SyntaxRole::Comment);
            break;
        case ValueDq:
        case ValueSq:
            if (s.SkipPastChar(state == ValueDq ? u'"' : u'\''))
                state = Tag;
            s.Mark(from, SyntaxRole::Value);
            break;
        case Tag: {
            const QChar c = s.Peek();
            if (c.isSpace()) {
                s.Skip();
            } else if (c == u'>' || ((c == u'/' || c == u'?') && s.Peek(1) == u'>')) {
                s.Skip(c == u'>' ? 1 : 2);
                s.Mark(from, SyntaxRole::Tag);
                state = Text;
                afterEquals = false;
            } else if (c == u'"' || c == u'\'') {
                s.Skip();
                state = c == u'"' ? ValueDq : ValueSq;
                afterEquals = false;
                s.Mark(from, SyntaxRole::Value);
            } else if (c == u'=') {
                s.Skip();
                afterEquals = true;
            } else if (c == u'<') {
                state = Text;   // an unclosed tag: a new one starts here
                afterEquals = false;
            } else {
                // An unquoted value runs to a blank or the tag's end.
                while (!s.AtEnd() && !s.Peek().isSpace() && s.Peek() != u'>' && s.Peek() != u'=' &&
                       (afterEquals || (s.Peek() != u'"' && s.Peek() != u'\'')) &&
                       !(s.Peek() == u'/' && s.Peek(1) == u'>'))
                    s.Skip();
                if (s.At() == from)
                    s.Skip();
                s.Mark(from, afterEquals ? SyntaxRole::Value : SyntaxRole::Attribute);
                afterEquals = false;
            }
            break;
        }
        default: {   // Text
            const QChar c = s.Peek();
            qsizetype length = 0;
            if (c == u'<' && s.StartsWith(u"<!--")) {
                s.Skip(4);
                state = Comment;
                s.Mark(from, SyntaxRole::Comment);
            } else if (c == u'<' &&
                       (s.Peek(1).isLetter() || s.Peek(1) == u'/' || s.Peek(1) == u'!' || s.Peek(1) == u'?')) {
                s.Skip(2);
                while (!s.AtEnd() && IsNameChar(s.Peek()))
                    s.Skip();
                s.Mark(from, SyntaxRole::Tag);
                state = Tag;
                afterEquals = false;
            } else if (c == u'&' && EntityAt(s, length)) {
                s.Skip(length);
                s.Mark(from, SyntaxRole::Entity);
            } else {
                s.Skip();
            }
            break;
        }
        }
    }
    return state;
}

// CSS states: the kind in the low four bits, the kind to go back to after
// a comment or string in the next four.
enum Css { Selector = 0, CssComment = 1, Property = 2, Value = 3, StringDq = 4, StringSq = 5 };
int CssState(int kind, int back = Selector)
{
    return kind | (back << 4);
}

int ColourCss(QStringView line, int state, std::vector<SyntaxSpan>& spans)
{
    LineScan s(line, spans);
    int kind = state & 0xF;
    int back = (state >> 4) & 0xF;
    const auto roleOf = [](int k) {
        return k == Selector ? SyntaxRole::Tag : k == Property ? SyntaxRole::Attribute : SyntaxRole::Value;
    };
    while (!s.AtEnd()) {
        const qsizetype from = s.At();
        const QChar c = s.Peek();
        if (kind == CssComment) {
            if (s.SkipPast(u"*/"))
                kind = back;
            s.Mark(from, SyntaxRole::Comment);
        } else if (kind == StringDq || kind == StringSq) {
            if (s.SkipPastChar(kind == StringDq ? u'"' : u'\''))
                kind = back;
            s.Mark(from, SyntaxRole::Value);
        } else if (c == u'/' && s.Peek(1) == u'*') {
            s.Skip(2);
            back = kind;
            kind = CssComment;
            s.Mark(from, SyntaxRole::Comment);
        } else if (c == u'"' || c == u'\'') {
            s.Skip();
            back = kind;
            kind = c == u'"' ? StringDq : StringSq;
            s.Mark(from, SyntaxRole::Value);
        } else if (c == u'{') {
            s.Skip();
            // "@media ... {" holds rules, not declarations.
            kind = Property;
        } else if (c == u'}') {
            s.Skip();
            kind = Selector;
        } else if (c == u';') {
            s.Skip();
            if (kind == Value)
                kind = Property;
        } else if (c == u':' && kind == Property) {
            s.Skip();
            kind = Value;
        } else if (c.isSpace()) {
            s.Skip();
        } else if (c == u'@' && kind == Selector) {
            s.Skip();
            while (!s.AtEnd() && IsNameChar(s.Peek()))
                s.Skip();
            s.Mark(from, SyntaxRole::Entity);
        } else {
            s.Skip();
            s.Mark(from, roleOf(kind));
        }
    }
    // A block that an at-rule opened takes rules again: "@media x {" is
    // followed by selectors, which the scan cannot tell from properties
    // before their "{" or ":"; both are coloured, only differently.
    if (kind == CssComment || kind == StringDq || kind == StringSq)
        return CssState(kind, back);
    return CssState(kind);
}

double Luminance(const QColor& colour)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const QColor c = colour.toRgb();
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor Mixed(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}   // namespace

int ColourLine(SyntaxLanguage language, QStringView line, int state, std::vector<SyntaxSpan>& spans)
{
    switch (language) {
    case SyntaxLanguage::Markup: return ColourMarkup(line, state, spans);
    case SyntaxLanguage::Css: return ColourCss(line, state, spans);
    case SyntaxLanguage::None: break;
    }
    return state;
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkBackground(const QColor& background)
{
    return ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background);
}

SyntaxPalette PaletteFor(const QColor& background)
{
    const bool dark = IsDarkBackground(background);
    // Tag, attribute, value, entity, comment.
    SyntaxPalette palette =
        dark ? SyntaxPalette{QColor(0x7f, 0xb4, 0xff), QColor(0xff, 0xb8, 0x6c), QColor(0x9b, 0xe2, 0x8a),
                             QColor(0xe8, 0xa0, 0xff), QColor(0xa8, 0xa8, 0xa8)}
             : SyntaxPalette{QColor(0x1a, 0x4f, 0xa0), QColor(0x8a, 0x3b, 0x00), QColor(0x1b, 0x6e, 0x1b),
                             QColor(0x8b, 0x1a, 0x8b), QColor(0x60, 0x60, 0x60)};
    // Backgrounds between the usual ones: moved toward white or black
    // until readable, which the side picked above always allows.
    const QColor toward = dark ? QColor(Qt::white) : QColor(Qt::black);
    for (QColor& colour : palette) {
        const QColor start = colour;
        for (int step = 1; step <= 20 && ContrastRatio(colour, background) < kMinContrast; ++step)
            colour = Mixed(start, toward, step / 20.0);
    }
    return palette;
}
