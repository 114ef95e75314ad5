// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF writer read back by the reader: a document built from arbitrary
// bytes (text, character and paragraph formats, links, highlights) keeps its
// text and formats through a write and a read, and writing what was read
// gives the same bytes.
#include "editor/Rtf.h"
#include "fuzz/FuzzCheck.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <vector>

namespace {

// Takes the input byte by byte; zeros once it runs out.
struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool Empty() const { return at >= size; }
    int Next() { return at < size ? data[at++] : 0; }
    int Pick(int n) { return Next() % n; }
};

const char* const kFamilies[] = {"Arial", "Courier New", "DejaVu Sans", "Font {odd} \\name;",
                                 "F\xc3\xb6nt \xe4\xb8\xad"};

QString Text(Bytes& in);

QTextCharFormat CharFormat(Bytes& in)
{
    QTextCharFormat f;
    const int flags = in.Next();
    if (flags & 1)
        f.setFontFamilies({QString::fromUtf8(kFamilies[in.Pick(5)])});
    if (flags & 2)
        f.setFontPointSize((1 + in.Pick(200)) / 2.0);   // half points, as \fs counts
    if (flags & 4)
        f.setFontWeight(QFont::Bold);
    if (flags & 8)
        f.setFontItalic(true);
    if (flags & 16)
        f.setFontUnderline(true);
    if (flags & 32)
        f.setFontStrikeOut(true);
    if (flags & 64)
        f.setForeground(QColor(in.Next(), in.Next(), in.Next()));
    const int more = flags & 128 ? in.Next() : 0;
    if (more & 1)
        f.setBackground(QColor(in.Next(), in.Next(), in.Next()));
    if (more & 2) {
        // Any address; with a colour of its own, so the reader adds no link look.
        f.setAnchor(true);
        f.setAnchorHref((more & 4 ? QStringLiteral("#") : QString()) + Text(in));
        if (!(flags & 64))
            f.setForeground(QColor(in.Next(), in.Next(), in.Next()));
    }
    return f;
}

QString Text(Bytes& in)
{
    const int length = 1 + in.Pick(24);
    QByteArray utf8;
    for (int i = 0; i < length && !in.Empty(); ++i)
        utf8 += char(in.Next());
    QString text = QString::fromUtf8(utf8);
    // Breaks make paragraphs elsewhere; object marks belong to images.
    for (QChar& c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
            c == QChar::ObjectReplacementCharacter || c == QChar::Null)
            c = QLatin1Char('.');
    return text;
}

struct Shown {
    QString family;
    double points;
    bool bold, italic, underline, strike;
    QString colour;
    QString background;
    QString href;
    bool operator==(const Shown&) const = default;
};

std::vector<Shown> Characters(const QTextBlock& block, const QTextDocument& doc)
{
    std::vector<Shown> out;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        const QFont font = f.font().resolve(doc.defaultFont());
        Shown s{font.families().value(0, font.family()),
                font.pointSizeF(),
                font.bold(),
                font.italic(),
                font.underline(),
                font.strikeOut(),
                {},
                {},
                {}};
        if (f.foreground().style() != Qt::NoBrush)
            s.colour = f.foreground().color().name();
        if (f.background().style() != Qt::NoBrush)
            s.background = f.background().color().name();
        if (f.isAnchor())
            s.href = f.anchorHref();
        out.insert(out.end(), it.fragment().length(), s);
    }
    return out;
}

int Align(Qt::Alignment a)
{
    return (a & Qt::AlignHCenter) ? 2 : (a & Qt::AlignJustify) ? 3 : (a & Qt::AlignRight) ? 1 : 0;
}
}   // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::StartGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Bytes in{data, size};
    QTextDocument original;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    original.setDefaultFont(font);
    QTextCursor c(&original);
    static const Qt::Alignment aligns[] = {Qt::AlignLeft | Qt::AlignAbsolute, Qt::AlignRight | Qt::AlignAbsolute,
                                           Qt::AlignHCenter, Qt::AlignJustify};
    for (int p = 0; !in.Empty() && p < 16; ++p) {
        if (p > 0)
            c.insertBlock();
        QTextBlockFormat block;
        block.setAlignment(aligns[in.Pick(4)]);
        block.setLeftMargin(in.Next() * 4);   // whole units survive
        block.setTextIndent(in.Next() - 128 > -block.leftMargin() ? in.Next() : 0);
        c.setBlockFormat(block);
        for (int r = 1 + in.Pick(4); r > 0 && !in.Empty(); --r)
            c.insertText(Text(in), CharFormat(in));
    }

    const QByteArray rtf = WriteRtf(original);
    Check(LooksLikeRtf(rtf));
    QTextDocument read;
    read.setDefaultFont(QFont(QStringLiteral("Nimbus Mono"), 31));   // must not leak in
    ReadRtf(rtf, read);
    Check(read.blockCount() == original.blockCount());
    for (QTextBlock a = original.begin(), b = read.begin(); a.isValid(); a = a.next(), b = b.next()) {
        Check(a.text() == b.text());
        Check(Align(a.blockFormat().alignment()) == Align(b.blockFormat().alignment()));
        Check(a.blockFormat().leftMargin() == b.blockFormat().leftMargin());
        Check(a.blockFormat().textIndent() == b.blockFormat().textIndent());
        if (a.length() > 1)
            Check(Characters(a, original) == Characters(b, read));
    }
    Check(WriteRtf(read) == rtf);
    return 0;
}
