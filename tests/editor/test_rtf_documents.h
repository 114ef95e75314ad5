// SPDX-License-Identifier: GPL-3.0-or-later
// Random formatted documents and their comparison, shared by the RTF tests.
#pragma once

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <random>

namespace rtf_test {

// Every kind of character the writer treats differently.
inline const QStringList kPieces = {
    "a",
    "Z",
    "0",
    "9",
    " ",
    "  ",
    ".",
    ";",
    "-",
    "?",
    "\\",
    "{",
    "}",
    "\\par",
    "{\\b x}",
    "\t",
    QString(QChar(0x2028)),   // tab, line break
    "\u00e9",
    "\u00fc",
    "\u00df",
    "\u00ff",
    "\u00a9",   // Latin-1
    "\u20ac",
    "\u201c",
    "\u201d",
    "\u2014",
    "\u2030",
    "\u0152",
    "\u017d",   // cp1252 high
    "\u00a0",
    "\u00ad",
    "\u2011",   // \~ \- \_
    "\u03a9",
    "\u0436",
    "\u05d0",
    "\u0627",
    "\u4e2d",
    "\u3042",
    "\uac00",   // other scripts
    "\u7fff",
    "\u8000",
    "\uffef",
    "\ufffd",
    "\ufeff",   // around \u's sign change
    "\U0001F600",
    "\U00010348",
    "\U0010FFFD",   // beyond the BMP
};

// Control characters: the editor keeps them, other readers drop them.
inline const QStringList kControls = {QString(QChar(0x0081)), QString(QChar(0x009d)), QString(QChar(0x0001)),
                                      QString(QChar(0x001f))};

inline const QStringList kFamilies = {
    "Arial", "Courier New", "Times New Roman", "DejaVu Sans", "Font {with} \\odd; name", "F\u00f6nt \u4e2d"};

struct Generator {
    explicit Generator(unsigned seed, bool withControls = true) : rng(seed), controls(withControls) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool Coin() { return Int(0, 1) == 1; }

    QTextCharFormat CharFormat()
    {
        QTextCharFormat f;
        if (Int(0, 4))   // sometimes left to the document's default
            f.setFontFamilies({kFamilies[Int(0, int(kFamilies.size()) - 1)]});
        if (Int(0, 4))
            f.setFontPointSize(Int(2, 200) / 2.0);
        if (Coin())
            f.setFontWeight(Coin() ? QFont::Bold : QFont::Normal);
        if (Coin())
            f.setFontItalic(Coin());
        if (Coin())
            f.setFontUnderline(Coin());
        if (Int(0, 5) == 0)
            f.setFontStrikeOut(true);
        if (Int(0, 7) == 0)
            f.setVerticalAlignment(Coin() ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
        if (Coin())
            f.setForeground(QColor(Int(0, 255), Int(0, 255), Int(0, 255)));
        return f;
    }

    QTextBlockFormat BlockFormat()
    {
        static const Qt::Alignment aligns[] = {Qt::AlignLeft | Qt::AlignAbsolute, Qt::AlignRight | Qt::AlignAbsolute,
                                               Qt::AlignHCenter, Qt::AlignJustify};
        QTextBlockFormat f;
        f.setAlignment(aligns[Int(0, 3)]);
        // Whole twips, as a file read from disk has them; the first line
        // starts right of the page margin, where RTF tab stops count from.
        const int left = Int(0, 3000);
        f.setLeftMargin(left / 15.0);
        f.setRightMargin(Int(0, 3000) / 15.0);
        f.setTextIndent(Int(-std::min(left, 1000), 1000) / 15.0);
        if (Int(0, 3) == 0) {
            f.setTopMargin(Int(0, 400) / 15.0);
            f.setBottomMargin(Int(0, 400) / 15.0);
        }
        QList<QTextOption::Tab> tabs;
        int position = 0;
        for (int n = Int(0, 5); n > 0; --n) {
            position += Int(1, 2000);
            const auto type = QTextOption::TabType(Int(0, 3));
            tabs.append(
                QTextOption::Tab(position / 15.0, type, type == QTextOption::DelimiterTab ? QChar('.') : QChar()));
        }
        if (!tabs.isEmpty())
            f.setTabPositions(tabs);
        return f;
    }

    QString Text()
    {
        QString s;
        for (int n = Int(1, 10); n > 0; --n) {
            if (controls && Int(0, 20) == 0)
                s += kControls[Int(0, int(kControls.size()) - 1)];
            else
                s += kPieces[Int(0, int(kPieces.size()) - 1)];
        }
        return s;
    }

    void Fill(QTextDocument& document)
    {
        QFont font("DejaVu Sans");
        font.setPointSizeF(Int(12, 30) / 2.0);
        document.setDefaultFont(font);
        QTextCursor c(&document);
        const int paragraphs = Int(1, 8);
        for (int p = 0; p < paragraphs; ++p) {
            if (p > 0)
                c.insertBlock();
            c.setBlockFormat(BlockFormat());
            // Paragraph marks are never written raised or lowered.
            QTextCharFormat mark = CharFormat();
            mark.setVerticalAlignment(QTextCharFormat::AlignNormal);
            c.setBlockCharFormat(mark);
            for (int r = Int(0, 6); r > 0; --r)
                c.insertText(Text(), CharFormat());
        }
    }

    std::mt19937 rng;
    bool controls;
};

// A character's format as it shows, the document's defaults filled in.
struct Shown {
    QString family;
    double points;
    bool bold, italic, underline, strike;
    int vertical;
    QString colour;   // empty: automatic
    bool operator==(const Shown&) const = default;
};

inline void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.family.toStdString() << ' ' << s.points << "pt b" << s.bold << " i" << s.italic << " u" << s.underline
        << " s" << s.strike << " v" << s.vertical << ' ' << s.colour.toStdString();
}

inline Shown ShownFormat(const QTextCharFormat& f, const QTextDocument& document)
{
    const QFont font = f.font().resolve(document.defaultFont());
    Shown s{font.families().value(0, font.family()),
            font.pointSizeF(),
            font.bold(),
            font.italic(),
            font.underline(),
            font.strikeOut(),
            int(f.verticalAlignment()),
            {}};
    if (f.foreground().style() != Qt::NoBrush)
        s.colour = f.foreground().color().name();
    return s;
}

inline int AlignCode(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return 2;
    if (a & Qt::AlignJustify)
        return 3;
    return (a & Qt::AlignRight) ? 1 : 0;
}

inline void ExpectSameDocument(const QTextDocument& want, const QTextDocument& got, unsigned seed)
{
    ASSERT_EQ(want.blockCount(), got.blockCount()) << "seed " << seed;
    QTextBlock a = want.begin();
    QTextBlock b = got.begin();
    for (int n = 0; a.isValid(); a = a.next(), b = b.next(), ++n) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << " paragraph " << n);
        ASSERT_EQ(a.text(), b.text());
        const QTextBlockFormat fa = a.blockFormat();
        const QTextBlockFormat fb = b.blockFormat();
        EXPECT_EQ(AlignCode(fa.alignment()), AlignCode(fb.alignment()));
        EXPECT_EQ(fa.leftMargin(), fb.leftMargin());
        EXPECT_EQ(fa.rightMargin(), fb.rightMargin());
        EXPECT_EQ(fa.textIndent(), fb.textIndent());
        EXPECT_EQ(fa.topMargin(), fb.topMargin());
        EXPECT_EQ(fa.bottomMargin(), fb.bottomMargin());
        EXPECT_EQ(fa.tabPositions(), fb.tabPositions());

        if (a.length() == 1) {
            EXPECT_EQ(ShownFormat(a.charFormat(), want), ShownFormat(b.charFormat(), got));
            continue;
        }
        // Compare character by character: fragments may split differently.
        std::vector<Shown> wa, wb;
        for (auto it = a.begin(); !it.atEnd(); ++it)
            wa.insert(wa.end(), it.fragment().length(), ShownFormat(it.fragment().charFormat(), want));
        for (auto it = b.begin(); !it.atEnd(); ++it)
            wb.insert(wb.end(), it.fragment().length(), ShownFormat(it.fragment().charFormat(), got));
        ASSERT_EQ(wa.size(), wb.size());
        for (size_t i = 0; i < wa.size(); ++i)
            ASSERT_EQ(wa[i], wb[i]) << "at character " << i;
    }
}

}   // namespace rtf_test
