// SPDX-License-Identifier: GPL-3.0-or-later
// The reader on hand-written RTF: formats, code pages, destinations and
// malformed input.

#include "editor/RichEdit.h"
#include "editor/Rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

std::unique_ptr<QTextDocument> Read(const QByteArray& rtf)
{
    auto document = std::make_unique<QTextDocument>();
    ReadRtf(rtf, *document);
    return document;
}

// Paragraphs joined by '\n'; line breaks stay U+2028.
QString Text(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines.join('\n');
}

QString TextOf(const QByteArray& rtf)
{
    return Text(*Read(rtf));
}

// The format of the character at a position.
QTextCharFormat At(const QTextDocument& document, int position)
{
    QTextCursor c(const_cast<QTextDocument*>(&document));
    c.setPosition(position + 1);
    return c.charFormat();
}

QTextBlockFormat Paragraph(const QTextDocument& document, int n)
{
    return document.findBlockByNumber(n).blockFormat();
}

QString Family(const QTextCharFormat& f)
{
    return f.fontFamilies().toStringList().value(0);
}

TEST(RtfReader, CharacterFormats)
{
    const auto d = Read("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
                        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
                        "A\\f0\\fs20 B{\\b C\\i D}E\\ul F\\ulnone G\\ul H\\ul0 I\\cf1 J\\cf2 K\\cf0 L"
                        "\\b\\i\\ul\\strike\\super\\cf1 M\\plain N\\sub O\\nosupersub\\b0 P}");
    ASSERT_EQ(Text(*d), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(Family(At(*d, 0)), "Times New Roman");   // \deff1
    EXPECT_EQ(At(*d, 0).fontPointSize(), 12);   // RTF's default size
    EXPECT_EQ(Family(At(*d, 1)), "Arial");
    EXPECT_EQ(At(*d, 1).fontPointSize(), 10);
    EXPECT_FALSE(At(*d, 1).font().bold());
    EXPECT_TRUE(At(*d, 2).font().bold());
    EXPECT_TRUE(At(*d, 3).font().bold() && At(*d, 3).fontItalic());
    EXPECT_FALSE(At(*d, 4).font().bold() || At(*d, 4).fontItalic());   // group closed
    EXPECT_TRUE(At(*d, 5).fontUnderline());
    EXPECT_FALSE(At(*d, 6).fontUnderline());
    EXPECT_TRUE(At(*d, 7).fontUnderline());
    EXPECT_FALSE(At(*d, 8).fontUnderline());
    EXPECT_EQ(At(*d, 9).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(At(*d, 10).foreground().color(), QColor(0, 128, 255));
    EXPECT_EQ(At(*d, 11).foreground().style(), Qt::NoBrush);   // \cf0: automatic
    const QTextCharFormat m = At(*d, 12);
    EXPECT_TRUE(m.font().bold() && m.fontItalic() && m.fontUnderline() && m.fontStrikeOut());
    EXPECT_EQ(m.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCharFormat n = At(*d, 13);   // \plain: everything back to the defaults
    EXPECT_FALSE(n.font().bold() || n.fontItalic() || n.fontUnderline() || n.fontStrikeOut());
    EXPECT_EQ(n.verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_EQ(n.foreground().style(), Qt::NoBrush);
    EXPECT_EQ(Family(n), "Times New Roman");
    EXPECT_EQ(n.fontPointSize(), 12);
    EXPECT_EQ(At(*d, 14).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(At(*d, 15).verticalAlignment(), QTextCharFormat::AlignNormal);
}

TEST(RtfReader, FontTableForms)
{
    // Entries without inner groups, alternate names and panose skipped,
    // escaped characters in a name, an unknown font number.
    const auto d = Read("{\\rtf1{\\fonttbl\\f0\\fnil Courier;\\f1\\fnil{\\*\\panose 0204}Gill{\\*\\falt Gil} Sans ;"
                        "{\\f2 Caf\\'e9 \\{x\\};}}\\f1 a\\f2 b\\f0 c\\f9 d}");
    ASSERT_EQ(Text(*d), "abcd");
    EXPECT_EQ(Family(At(*d, 0)), "Gill Sans");
    EXPECT_EQ(Family(At(*d, 1)), "Caf\u00e9 {x}");
    EXPECT_EQ(Family(At(*d, 2)), "Courier");
    EXPECT_EQ(Family(At(*d, 3)), "Courier");   // unknown: the default font
}

TEST(RtfReader, ParagraphFormats)
{
    const auto d = Read("{\\rtf1 \\qc\\li720\\ri360\\fi-180\\sb120\\sa240\\tx1440\\tqr\\tx2880\\tqc\\tx3000"
                        "\\tqdec\\tx4000 one\\par two\\par\\pard\\qr three\\par\\pard\\qj four\\par"
                        "{\\pard\\qc five\\par}six\\par\\pard seven}");
    ASSERT_EQ(Text(*d), "one\ntwo\nthree\nfour\nfive\nsix\nseven");
    const QTextBlockFormat one = Paragraph(*d, 0);
    EXPECT_EQ(one.alignment(), Qt::AlignHCenter);
    EXPECT_EQ(one.leftMargin(), 720.0 / kRtfTwipsPerUnit);
    EXPECT_EQ(one.rightMargin(), 360.0 / kRtfTwipsPerUnit);
    EXPECT_EQ(one.textIndent(), -180.0 / kRtfTwipsPerUnit);
    EXPECT_EQ(one.topMargin(), 120.0 / kRtfTwipsPerUnit);
    EXPECT_EQ(one.bottomMargin(), 240.0 / kRtfTwipsPerUnit);
    const QList<QTextOption::Tab> tabs = one.tabPositions();
    ASSERT_EQ(tabs.size(), 4);
    // Counted from the first line's start, 720 - 180 twips in.
    const auto at = [](int twips) { return (twips - 540) / double(kRtfTwipsPerUnit); };
    EXPECT_EQ(tabs[0], QTextOption::Tab(at(1440), QTextOption::LeftTab));
    EXPECT_EQ(tabs[1], QTextOption::Tab(at(2880), QTextOption::RightTab));
    EXPECT_EQ(tabs[2], QTextOption::Tab(at(3000), QTextOption::CenterTab));
    EXPECT_EQ(tabs[3], QTextOption::Tab(at(4000), QTextOption::DelimiterTab, QLatin1Char('.')));
    EXPECT_EQ(Paragraph(*d, 1), one);   // formats carry on until \pard
    EXPECT_TRUE(Paragraph(*d, 2).alignment() & Qt::AlignRight);
    EXPECT_EQ(Paragraph(*d, 2).leftMargin(), 0);
    EXPECT_TRUE(Paragraph(*d, 2).tabPositions().isEmpty());
    EXPECT_EQ(Paragraph(*d, 3).alignment(), Qt::AlignJustify);
    EXPECT_EQ(Paragraph(*d, 4).alignment(), Qt::AlignHCenter);
    EXPECT_EQ(Paragraph(*d, 5).alignment(), Qt::AlignJustify);   // the group's \pard ended with it
    EXPECT_TRUE(Paragraph(*d, 6).alignment() & Qt::AlignLeft);   // last paragraph without \par
}

TEST(RtfReader, HangingListTabLinesUpWithTheIndent)
{
    // A list item as word processors write it: the text after the number
    // starts at the left indent, where the following lines start too.
    const auto d = Read("{\\rtf1 \\fi-360\\li1440\\tx1440 1.\\tab Item text\\line more\\par}");
    d->setTextWidth(2000);
    const QTextBlock block = d->begin();
    d->documentLayout()->blockBoundingRect(block);   // lays the block out
    const QTextLayout* layout = block.layout();
    ASSERT_EQ(layout->lineCount(), 2);
    const double indent = 1440.0 / kRtfTwipsPerUnit;
    EXPECT_DOUBLE_EQ(layout->lineAt(0).cursorToX(int(block.text().indexOf("Item"))), indent);
    EXPECT_DOUBLE_EQ(layout->lineAt(1).cursorToX(int(block.text().indexOf("more"))), indent);
}

TEST(RtfReader, ParagraphCountFollowsWordProcessors)
{
    // The empty remainder after the last \par is no paragraph of its own.
    EXPECT_EQ(Read("{\\rtf1 a\\par}")->blockCount(), 1);
    EXPECT_EQ(Read("{\\rtf1 a\\par\\pard\\qc }")->blockCount(), 1);
    EXPECT_EQ(Read("{\\rtf1 a\\par\\par}")->blockCount(), 2);
    EXPECT_EQ(Read("{\\rtf1 a\\par b}")->blockCount(), 2);
    EXPECT_EQ(Read("{\\rtf1 a\\par\\line}")->blockCount(), 2);
    EXPECT_EQ(Read("{\\rtf1 }")->blockCount(), 1);
    // A paragraph takes the formats in force at its \par.
    const auto d = Read("{\\rtf1 a\\qc\\par b\\pard\\par}");
    EXPECT_EQ(Paragraph(*d, 0).alignment(), Qt::AlignHCenter);
    EXPECT_TRUE(Paragraph(*d, 1).alignment() & Qt::AlignLeft);
    // An empty paragraph keeps the size of its mark.
    EXPECT_EQ(Read("{\\rtf1 a\\par\\fs40\\par b}")->findBlockByNumber(1).charFormat().fontPointSize(), 20);
}

TEST(RtfReader, BreaksAndSpecialCharacters)
{
    EXPECT_EQ(TextOf("{\\rtf1 a\\line b\\tab c\\\nd\\\re}"), "a\u2028b\tc\nd\ne");
    EXPECT_EQ(TextOf("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"
                     "\\emspace\\enspace\\qmspace\\zwj\\zwnj}"),
              "\u2014\u2013\u2022\u2018\u2019\u201c\u201d\u2003\u2002\u2005\u200d\u200c");
    EXPECT_EQ(TextOf("{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\}"), "a\u00a0b\u00adc\u2011d{}\\");
    // The delimiting blank belongs to the word; a second one is text.
    EXPECT_EQ(TextOf("{\\rtf1 \\b  x\\b0\\i0-1\\fs-}"), " x-1-");
    EXPECT_EQ(TextOf("{\\rtf1 a\r\nb\nc\rd}"), "abcd");   // raw line breaks are no text
    EXPECT_EQ(TextOf("{\\rtf1 a\\unknownword42 b\\:\\|c}"), "abc");
    // Table cells become tab-separated paragraphs.
    EXPECT_EQ(TextOf("{\\rtf1 \\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\intbl c\\cell d\\cell\\row}"),
              "a\tb\nc\td");
}

TEST(RtfReader, CodePages)
{
    EXPECT_EQ(TextOf("{\\rtf1\\ansi \\'e9\\'80\\'93\\'9f}"), "\u00e9\u20ac\u201c\u0178");
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}"), "\u0410\u0431");
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg1253 \\'e1}"), "\u03b1");
    // Raw 8-bit text is decoded like \'hh.
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg1251 \xc0\xe1}"), "\u0410\u0431");
    // A font's charset wins over the document's code page.
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 A;}{\\f1\\fcharset204 B;}{\\f2\\fcharset238 C;}}"
                     "\\f0\\'e0\\f1\\'e0\\f2\\'e0\\f0\\'e0}"),
              "\u00e0\u0430\u0155\u00e0");
    // Double-byte code pages: bytes gathered, trail bytes may be plain text.
    EXPECT_EQ(TextOf("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0 \\'82\\'a0\\'83A\\'93\\'fa x}"),
              "\u3042\u30a2\u65e5 x");
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'ce\\'c4}"), "\u4e2d\u6587");
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg950 \\'a4\\'a4}"), "\u4e2d");
    // Unknown code pages read as Windows-1252.
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg77777 \\'e9}"), "\u00e9");
    EXPECT_EQ(TextOf("{\\rtf1{\\fonttbl{\\f0\\fcharset99 X;}}\\f0\\'e9}"), "\u00e9");
    // So do those that would make line breaks of text bytes (EBCDIC's):
    // RTF writes its breaks as words.
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg37 a\\'25b}"), "a%b");
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg1215 a]b}"), "a]b");
    // Symbol fonts: the bullet of list items.
    EXPECT_EQ(TextOf("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Symbol;}}{\\f0\\'b7}}"), "\u2022");
    EXPECT_EQ(TextOf("{\\rtf1\\mac \\'8e}"), "\u00e9");
}

TEST(RtfReader, UnicodeAndFallbacks)
{
    EXPECT_EQ(TextOf("{\\rtf1 a\\u233?b}"), "a\u00e9b");
    EXPECT_EQ(TextOf("{\\rtf1 \\uc2\\u8364\\'80\\'80x}"), "\u20acx");
    EXPECT_EQ(TextOf("{\\rtf1 \\uc0\\u8364 x}"), "\u20acx");
    EXPECT_EQ(TextOf("{\\rtf1 \\u8364\\emdash x}"), "\u20acx");   // a control word is one character
    EXPECT_EQ(TextOf("{\\rtf1 \\uc3\\u8364 ab}"), "\u20ac");   // the blank is the delimiter
    EXPECT_EQ(TextOf("{\\rtf1 \\u-3913?\\u-10179?\\u-8704?}"), "\uf0b7\U0001F600");
    EXPECT_EQ(TextOf("{\\rtf1 {\\uc2 \\u8364 ab}\\u8364?c}"), "\u20ac\u20acc");   // \uc ends with its group
    EXPECT_EQ(TextOf("{\\rtf1 \\uc5\\u8364{\\b x}y}"), "\u20acxy");   // a brace ends the fallback
    EXPECT_EQ(TextOf("{\\rtf1 \\u55357?x\\u56832?}"), "\ufffdx\ufffd");   // lone surrogates
    EXPECT_EQ(TextOf("{\\rtf1 \\u10?\\u8233?x}"), "\n\nx");   // breaks become paragraphs
}

TEST(RtfReader, DestinationsNotShownAreSkipped)
{
    EXPECT_EQ(TextOf("{\\rtf1 {\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
                     "{\\*\\generator G;}{\\*\\unknown {nested} text}a"
                     "{\\header H}{\\footer F}b{\\footnote N}c"
                     "{\\pict\\wmetafile8 0123abcd}{\\object{\\*\\objdata 01}{\\result R}}d}"),
              "abcd");
    // Binary data may hold braces and backslashes.
    EXPECT_EQ(TextOf("{\\rtf1 {\\pict\\bin5 }{\\\\x}a}"), "a");
    EXPECT_EQ(TextOf("{\\rtf1 a\\bin3 xyzb}"), "ab");
    // Fields: the result shows, the instruction does not.
    EXPECT_EQ(TextOf("{\\rtf1 see {\\field{\\*\\fldinst {HYPERLINK \"http://x\"}}{\\fldrslt {\\ul here}}}.}"),
              "see here.");
    // List text is the visible number or bullet.
    EXPECT_EQ(TextOf("{\\rtf1 {\\listtext\\pard\\plain 1.\\tab}first\\par{\\pntext 2.\\tab}"
                     "{\\*\\pn\\pnlvlbody{\\pntxta .}}second}"),
              "1.\tfirst\n2.\tsecond");
    // Footnotes: the reference number shows, the note does not.
    EXPECT_EQ(TextOf("{\\rtf1 a{\\super\\chftn{\\*\\footnote\\chftn note}}b{\\super\\chftn}"
                     "{\\footnote{\\super\\chftn} x}}"),
              "a1b2");
    // Hidden text shows: the editor could not hide it and would drop it on saving.
    EXPECT_EQ(TextOf("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}"), "ahiddenbcd");
}

TEST(RtfReader, MalformedInputLoadsWhatCanBeRead)
{
    EXPECT_EQ(TextOf("{\\rtf1 abc"), "abc");   // truncated
    EXPECT_EQ(TextOf("{\\rtf1 abc\\'"), "abc");
    EXPECT_EQ(TextOf("{\\rtf1 abc\\'4"), "abc");
    EXPECT_EQ(TextOf("{\\rtf1 abc\\"), "abc");
    EXPECT_EQ(TextOf("{\\rtf1 a\\'zzb}"), "azzb");   // a broken \'hh is dropped
    EXPECT_EQ(TextOf("{\\rtf1 {{{a}"), "a");   // unclosed groups
    EXPECT_EQ(TextOf("{\\rtf1 a}b}c"), "a");   // the outer group ends it
    EXPECT_EQ(TextOf(""), "");
    EXPECT_EQ(TextOf("plain text"), "plain text");
    EXPECT_EQ(TextOf("{\\rtf1 a\\bin99999999999 b}"), "a");   // \bin beyond the end
    EXPECT_EQ(TextOf("{\\rtf1 a\\bin-5 b}"), "ab");
    EXPECT_EQ(TextOf("{\\rtf1 \\u99999999999?\\u-99999999999?x}"), QString(QChar(0xFFFF)) + QChar(0x0001) + "x");
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg-3 \\'e9\\uc99999999999\\u233 abc}"), "\u00e9\u00e9");

    const auto big = Read("{\\rtf1 \\fs99999999999 a\\fs-4 b\\li99999999999 c\\par}");
    EXPECT_EQ(At(*big, 0).fontPointSize(), 1638);
    EXPECT_EQ(At(*big, 1).fontPointSize(), 12);
    EXPECT_EQ(Paragraph(*big, 0).leftMargin(), 31680.0 / kRtfTwipsPerUnit);

    QByteArray manyTabs = "{\\rtf1 ";
    for (int i = 0; i < 10000; ++i)
        manyTabs += "\\tx" + QByteArray::number(i);
    EXPECT_EQ(Read(manyTabs + " x}")->begin().blockFormat().tabPositions().size(), 64);
}

TEST(RtfReader, DeepNestingNeitherOverflowsNorLosesText)
{
    constexpr int depth = 1000000;
    QByteArray deep = "{\\rtf1 a";
    deep += QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') + "c}";
    const auto d = Read(deep);
    ASSERT_EQ(Text(*d), "abc");
    EXPECT_TRUE(At(*d, 1).font().bold());
    EXPECT_FALSE(At(*d, 2).font().bold());

    // Deep groups inside a skipped destination and unbalanced closings.
    EXPECT_EQ(TextOf("{\\rtf1 {\\*\\x " + QByteArray(depth, '{') + "}a"), "");
    EXPECT_EQ(TextOf("{\\rtf1 " + QByteArray(depth, '{') + "a" + QByteArray(depth, '}') + "}"), "a");
}

TEST(RtfReader, EveryTruncationReadsAPrefix)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil\\fcharset204 Cyr;}}"
        "{\\colortbl;\\red1\\green2\\blue3;}\\pard\\qc\\li100\\tx720\\f0\\fs20 Caf\\'e9\\tab{\\b x}\\line"
        "\\f1\\'c0\\f0\\~\\{\\}\\\\\\emdash{\\*\\bad {}}{\\field{\\*\\fldinst X}{\\fldrslt Y}}\\par"
        "\\pard Z\\par}";
    const QString full = TextOf(rtf);
    ASSERT_EQ(full, "Caf\u00e9\tx\u2028\u0410\u00a0{}\\\u2014Y\nZ");
    for (qsizetype n = 0; n <= rtf.size(); ++n) {
        const QString part = TextOf(rtf.left(n));
        ASSERT_TRUE(full.startsWith(part)) << "cut at " << n << ": " << part.toStdString();
    }
}

// Tables and pictures cannot be kept: the reader says so, and keeps the
// text of the cells.
TEST(RtfReader, TablesAndPicturesAreNotedAsDropped)
{
    const struct {
        const char* name;
        QByteArray rtf;
        bool dropped;
        QString text;
    } cases[] = {
        {"table", "{\\rtf1 \\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row\\pard after\\par}", true,
         "a\tb\nafter"},
        {"cells without a row definition", "{\\rtf1 \\intbl a\\cell b\\cell\\row}", true, "a\tb"},
        {"nested table",
         "{\\rtf1 \\trowd\\cellx900 \\pard\\intbl\\itap2 in\\nestcell{\\*\\nesttableprops"
         "\\trowd\\cellx500\\nestrow}{\\nonesttables \\par}\\itap1 out\\cell\\row}",
         true, "in\tout"},
        {"starred nested table properties alone", "{\\rtf1 x{\\*\\nesttableprops\\trowd}y}", true, "xy"},
        {"table depth", "{\\rtf1 \\itap1 x}", true, "x"},
        {"picture", "{\\rtf1 a{\\pict\\pngblip\\picw10\\pich10 89504e47}b}", true, "ab"},
        {"shape picture with its fallback",
         "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip 00}}{\\nonshppict{\\pict\\wmetafile8 00}}b}", true, "ab"},
        {"drawing shape", "{\\rtf1 a{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv 255}}}}b}", true, "ab"},
        {"object",
         "{\\rtf1 a{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}"
         "{\\result{\\pict\\wmetafile8 00}}}b}",
         true, "ab"},
        {"picture in a field result",
         "{\\rtf1 {\\field{\\*\\fldinst INCLUDEPICTURE \"a.png\"}"
         "{\\fldrslt{\\pict\\pngblip 00}}}x}",
         true, "x"},
        {"formats, links and lists",
         "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\itap0 {\\b a}\\highlight1 b"
         "{\\field{\\*\\fldinst HYPERLINK \"p\"}{\\fldrslt c}}"
         "{\\*\\pn\\pnlvlbody{\\pntxta .}}{\\listtext 1.}d}",
         false, "abc1.d"},
        {"the words as text", "{\\rtf1 trowd pict cell row object}", false, "trowd pict cell row object"},
        {"skipped destinations", "{\\rtf1 {\\*\\generator pict}{\\info{\\title trowd}}x}", false, "x"},
    };
    for (const auto& c : cases) {
        QTextDocument d;
        EXPECT_EQ(ReadRtf(c.rtf, d).droppedContent, c.dropped) << c.name;
        EXPECT_EQ(Text(d), c.text) << c.name;
    }
}

TEST(RtfReader, LinkWithoutColourOfItsOwnLooksLikeALink)
{
    const auto d = Read("{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}"
                        "{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt x{\\cf1 y}}}z}");
    ASSERT_EQ(Text(*d), "xyz");
    EXPECT_EQ(At(*d, 0).foreground().color(), QColor(Qt::blue));
    EXPECT_TRUE(At(*d, 0).fontUnderline());
    EXPECT_EQ(At(*d, 1).foreground().color(), QColor(0, 128, 0));
    EXPECT_FALSE(At(*d, 1).fontUnderline());
    EXPECT_FALSE(At(*d, 2).isAnchor());
    EXPECT_EQ(At(*d, 2).foreground().style(), Qt::NoBrush);
}

// Many empty paragraphs, as bare \par words or \par lines, with text
// between them, and the count the editor's rich view ends with.
TEST(RtfReader, ManyEmptyParagraphs)
{
    constexpr int kParagraphs = 20000;
    const struct {
        const char* name;
        QByteArray paragraph;
        QString text;
    } cases[] = {
        {"par lines", "\\par\n", QString()},
        {"bare words", "\\par", QString()},
        {"with text", "x\\par ", QStringLiteral("x")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray rtf = "{\\rtf1 " + c.paragraph.repeated(kParagraphs) + "}";
        const auto d = Read(rtf);
        ASSERT_EQ(d->blockCount(), kParagraphs);
        EXPECT_EQ(d->characterCount(), kParagraphs * (c.text.size() + 1));
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            ASSERT_EQ(b.text(), c.text) << "paragraph " << b.blockNumber();
    }
}

// Qt lays out one big edit of a laid-out document at once, at a cost that
// grows faster than the document: the rich view's document is filled with
// no layout attached, and the view lays it out afterwards. Plain text
// opened in rich mode too.
TEST(RtfReader, RichLoadFillsTheDocumentWithoutLayout)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("empty.rtf"));
    const QByteArray rtf = "{\\rtf1 " + QByteArray("\\par\n").repeated(3000) + "}";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(rtf) == rtf.size());
    f.close();
    const QString textPath = dir.filePath(QStringLiteral("lines.txt"));
    QFile text(textPath);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write(QByteArray(2999, '\n')) == 2999);
    text.close();

    TRichEdit edit;
    edit.SetPlainTextMode(false);
    edit.resize(400, 300);
    edit.SetText(QStringLiteral("before"));
    int filled = 0;   // times the whole text was in place
    int laidOut = 0;   // of them, with a layout attached
    QObject::connect(&edit, &TRichEdit::TextChanged, [&] {
        if (edit.BlockCount() != 3000)
            return;
        ++filled;
        if (edit.HasLayout())
            ++laidOut;
    });
    const std::pair<const char*, std::function<void()>> loads[] = {
        {"file", [&] { edit.LoadFromFile(path); }},
        {"bytes", [&] { edit.LoadRtfBytes(rtf); }},
        {"plain text file", [&] { edit.LoadFromFile(textPath); }},
    };
    for (const auto& [name, load] : loads) {
        SCOPED_TRACE(name);
        filled = laidOut = 0;
        load();
        EXPECT_GE(filled, 1);
        EXPECT_EQ(laidOut, 0);
        // The view shows the document again, laid out in full when asked.
        EXPECT_EQ(edit.LineCount(), 3000);
        EXPECT_EQ(edit.CaretPosition(), 0);
        EXPECT_FALSE(edit.Modified());
        // The caret moves in the loaded text, not in a document of the
        // idle view.
        edit.SetSelStart(2000);
        EXPECT_EQ(edit.CaretPosition(), 2000);
        EXPECT_GT(edit.LayoutSize().height(), 3000);
        EXPECT_TRUE(edit.HasLayout());
    }
}

// The editor tells whether the document it holds came from RTF whose
// tables or pictures it dropped, until something else is loaded.
TEST(RtfReader, EditorKnowsWhenTheLastRichLoadDroppedContent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto file = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return path;
    };
    const QByteArray table = "{\\rtf1 \\trowd\\cellx100 \\intbl a\\cell\\row}";
    const QString tablePath = file("table.rtf", table);
    const QString picturePath = file("picture.rtf", "{\\rtf1 a{\\pict 00}b}");
    const QString plainRtfPath = file("plain.rtf", "{\\rtf1 {\\b a}}");
    const QString textPath = file("text.rtf", "not RTF");

    TRichEdit edit;
    edit.SetPlainTextMode(false);
    EXPECT_FALSE(edit.HasDroppedRtfContent());
    const std::vector<std::pair<std::function<void()>, bool>> steps = {
        {[&] { edit.LoadRtfBytes(table); }, true},
        {[&] { edit.LoadRtfBytes("{\\rtf1 x}"); }, false},
        {[&] { edit.LoadFromFile(picturePath); }, true},
        {[&] { edit.SetText("typed"); }, false},
        {[&] { edit.LoadFromFile(tablePath); }, true},
        {[&] { edit.Clear(); }, false},
        {[&] { edit.LoadFromFile(tablePath); }, true},
        {[&] { edit.LoadFromFile(plainRtfPath); }, false},
        {[&] { edit.LoadFromFile(tablePath); }, true},
        {[&] { edit.LoadFromFile(textPath); }, false},
        {[&] { edit.LoadFromFile(tablePath); }, true},
        {[&] { EXPECT_ANY_THROW(edit.LoadFromFile(dir.filePath("missing.rtf"))); }, true},
        {[&] {
             edit.SetPlainTextMode(true);
             edit.LoadFromFile(tablePath);
         },
         false},
    };
    int n = 0;
    for (const auto& [step, dropped] : steps) {
        step();
        EXPECT_EQ(edit.HasDroppedRtfContent(), dropped) << "step " << n++;
    }
}

}   // namespace
