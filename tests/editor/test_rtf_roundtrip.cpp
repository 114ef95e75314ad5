// SPDX-License-Identifier: GPL-3.0-or-later
// Write then read: random documents keep their text and formats.

#include "editor/Rtf.h"
#include "test_rtf_documents.h"

namespace {

using namespace rtf_test;

TEST(RtfRoundTrip, RandomDocumentsKeepTextAndFormats)
{
    for (unsigned seed = 1; seed <= 400; ++seed) {
        QTextDocument original;
        Generator(seed).Fill(original);
        const QByteArray rtf = WriteRtf(original);
        ASSERT_TRUE(LooksLikeRtf(rtf));

        QTextDocument read;
        read.setDefaultFont(QFont("Nimbus Mono", 31));   // must not leak into what is read
        ReadRtf(rtf, read);
        ExpectSameDocument(original, read, seed);
        if (HasFailure())
            return;

        // Writing is deterministic, and what was read writes the same bytes.
        EXPECT_EQ(WriteRtf(original), rtf) << "seed " << seed;
        EXPECT_EQ(WriteRtf(read), rtf) << "seed " << seed;
    }
}

TEST(RtfRoundTrip, OutputIsSevenBitAscii)
{
    for (unsigned seed = 1; seed <= 50; ++seed) {
        QTextDocument document;
        Generator(seed).Fill(document);
        const QByteArray rtf = WriteRtf(document);
        for (char c : rtf)
            ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F))
                << "seed " << seed << " byte " << int(static_cast<unsigned char>(c));
    }
}

TEST(RtfRoundTrip, EmptyAndBlankDocuments)
{
    for (const QString& text : {QString(), QString("\n"), QString("\n\n\n"), QString("x\n")}) {
        QTextDocument original;
        original.setPlainText(text);
        QTextDocument read;
        ReadRtf(WriteRtf(original), read);
        EXPECT_EQ(read.blockCount(), original.blockCount()) << text.size();
        EXPECT_EQ(read.toRawText(), original.toRawText());
    }
}

}   // namespace

namespace {

TEST(RtfRoundTrip, TablesAndImagesPastedFromHtmlKeepTheirText)
{
    QTextDocument original;
    original.setHtml("<p>before</p><table><tr><td>a1</td><td>b1</td></tr><tr><td>a2</td>"
                     "<td>b2</td></tr></table><p>x<img src=\"missing.png\">y</p>");
    QTextDocument read;
    ReadRtf(WriteRtf(original), read);
    // Cells become paragraphs; the image is left out.
    const auto paragraphs = [](const QTextDocument& d) {
        QStringList texts;
        for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
            texts << b.text().remove(QChar::ObjectReplacementCharacter);
        return texts;
    };
    EXPECT_EQ(paragraphs(read), paragraphs(original));
    EXPECT_TRUE(paragraphs(read).contains("b2"));
    EXPECT_TRUE(paragraphs(read).contains("xy"));
}

}   // namespace

namespace {

// What a span of text must carry: its link (empty: none), the link's tool
// tip, its background (empty: none) and whether it is bold.
struct Span {
    QString text;
    QString href;
    QString background;
    bool bold = false;
    QString tip;
};

struct LinkCase {
    const char* name;
    QByteArray rtf;   // empty: made from the HTML
    QString html;
    QString text;   // the whole document, paragraphs joined by '\n'
    std::vector<Span> spans;
};

QString Paragraphs(const QTextDocument& d)
{
    QStringList lines;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines.join('\n');
}

void ExpectSpans(const QTextDocument& d, const LinkCase& c, const char* stage)
{
    SCOPED_TRACE(testing::Message() << c.name << ", " << stage);
    ASSERT_EQ(Paragraphs(d).toStdString(), c.text.toStdString());
    for (const Span& span : c.spans) {
        const int at = int(Paragraphs(d).indexOf(span.text));
        ASSERT_GE(at, 0) << span.text.toStdString();
        for (int i = at; i < at + span.text.size(); ++i) {
            QTextCursor cursor(const_cast<QTextDocument*>(&d));
            cursor.setPosition(i + 1);
            const QTextCharFormat f = cursor.charFormat();
            SCOPED_TRACE(testing::Message() << span.text.toStdString() << " at " << i);
            EXPECT_EQ(f.isAnchor(), !span.href.isEmpty());
            EXPECT_EQ(f.anchorHref().toStdString(), span.href.toStdString());
            EXPECT_EQ(f.toolTip().toStdString(), span.tip.toStdString());
            // A transparent background is none.
            const QBrush brush = f.background();
            const QString background =
                brush.style() == Qt::NoBrush || brush.color().alpha() == 0 ? QString() : brush.color().name();
            EXPECT_EQ(background.toStdString(), span.background.toStdString());
            EXPECT_EQ(f.font().bold(), span.bold);
        }
    }
}

TEST(RtfRoundTrip, LinksAndHighlightsSurviveReadWriteRead)
{
    const QByteArray colours = "{\\colortbl;\\red255\\green255\\blue0;\\red0\\green255\\blue0;}";
    const std::vector<LinkCase> cases = {
        {"link",
         "{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"http://example.com/a?b=1\"}"
         "{\\fldrslt here}} now}",
         {},
         "see here now",
         {{"see ", ""}, {"here", "http://example.com/a?b=1"}, {" now", ""}}},
        {"switches",
         "{\\rtf1 {\\field{\\*\\fldinst{HYPERLINK \"http://x.org/p\" \\\\l \"sec 2\" "
         "\\\\o \"Say \\\\\"hi\\\\\"\" \\\\t \"_blank\"}}{\\fldrslt one}}\\par"
         "{\\field{\\*\\fldinst HYPERLINK \\\\l \"top\" \\\\m}{\\fldrslt two}}}",
         {},
         "one\ntwo",
         {{"one", "http://x.org/p#sec 2", "", false, "Say \"hi\""}, {"two", "#top"}}},
        {"instruction split over groups and escaped",
         "{\\rtf1 {\\field{\\*\\fldinst {\\rtlch HYPER}{LINK \"http://ex}{\\'e9.com/\\u8364?\"}"
         "{\\*\\datafield 00ff}}{\\fldrslt {x}}}"
         "{\\field{\\*\\fldinst{ HYPERLINK  \"C:\\\\\\\\dir\\\\\\\\f.doc\" }}{\\fldrslt y}}"
         "{\\field{\\fldinst hyperlink http://bare.org/}{\\fldrslt z}}}",
         {},
         "xyz",
         {{"x", "http://ex\u00e9.com/\u20ac"}, {"y", "C:\\dir\\f.doc"}, {"z", "http://bare.org/"}}},
        {"formats inside a link",
         "{\\rtf1 {\\field{\\*\\fldinst {HYPERLINK \"u\"}}{\\fldrslt "
         "{\\b bold}{\\i ital}\\plain tail}} after}",
         {},
         "bolditaltail after",
         {{"bold", "u", "", true}, {"ital", "u"}, {"tail", "u"}, {" after", ""}}},
        {"other fields keep their result only",
         "{\\rtf1 p{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}} {\\field{\\*\\fldinst{HYPERLINKS \"x\"}}"
         "{\\fldrslt y}}{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt e}}}",
         {},
         "p3 ye",
         {{"p3 ye", ""}}},
        {"highlights",
         "{\\rtf1" + colours +
             "a\\highlight1 b\\highlight0 c\\cb2 d\\highlight1 e"
             "\\chcbpat0 f\\highlight0 g\\highlight9 h\\plain i}",
         {},
         "abcdefghi",
         {{"a", ""},
          {"b", "", "#ffff00"},
          {"c", ""},
          {"d", "", "#00ff00"},
          {"ef", "", "#ffff00"},
          {"g", ""},
          {"h", ""},
          {"i", ""}}},
        {"highlighted link over two paragraphs",
         "{\\rtf1" + colours +
             "\\highlight2 {\\field{\\*\\fldinst HYPERLINK \"http://a.b/\"}"
             "{\\fldrslt one\\par {\\highlight1 two}}} three}",
         {},
         "one\ntwo three",
         {{"one", "http://a.b/", "#00ff00"}, {"two", "http://a.b/", "#ffff00"}, {" three", "", "#00ff00"}}},
        {"made by the editor",
         {},
         "<p>go <a href=\"#part\">in</a><a href=\"http://q.r/?a=&quot;b\\c&quot;\"><b>out</b></a> "
         "<span style=\"background-color:#123456\">hi</span>"
         "<span style=\"background-color:transparent\">clear</span><a href=\"#\">top</a></p>",
         "go inout hicleartop",
         {{"go ", ""},
          {"in", "#part"},
          {"out", "http://q.r/?a=\"b\\c\"", "", true},
          {"hi", "", "#123456"},
          {"clear", ""},
          {"top", "#"}}},
    };
    for (const LinkCase& c : cases) {
        QTextDocument first;
        if (c.rtf.isEmpty())
            first.setHtml(c.html);
        else
            ReadRtf(c.rtf, first);
        ExpectSpans(first, c, "read");
        const QByteArray written = WriteRtf(first);
        QTextDocument second;
        ReadRtf(written, second);
        ExpectSpans(second, c, "written and read again");
        EXPECT_EQ(WriteRtf(second), written) << c.name;
    }
}

}   // namespace
