// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RichEdit.h"
#include "editor/SyntaxColouring.h"

#include <QApplication>
#include <QTextDocument>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

// A line's spans as text: "role:text" each, blank-separated.
QString Spans(SyntaxLanguage language, const QString& line, int& state)
{
    std::vector<SyntaxSpan> spans;
    state = ColourLine(language, line, state, spans);
    static const char* const roles[] = {"tag", "attr", "value", "entity", "comment"};
    QStringList out;
    for (const SyntaxSpan& s : spans)
        out << QString::fromLatin1(roles[int(s.role)]) + u':' + line.mid(s.start, s.length);
    return out.join(u' ');
}

struct LinesCase {
    const char* name;
    SyntaxLanguage language;
    std::vector<std::pair<const char*, const char*>> lines;   // line, spans expected
};

}   // namespace

TEST(SyntaxColouring, LinesAndStatesCarriedAcrossThem)
{
    const auto M = SyntaxLanguage::Markup, C = SyntaxLanguage::Css;
    const LinesCase cases[] = {
        {"tag with attributes",
         M,
         {{R"(<a href="x.html" id='k' hidden>go</a>)",
           R"(tag:<a attr:href value:"x.html" attr:id value:'k' attr:hidden tag:> tag:</a>)"}}},
        {"unquoted value and self-closing tag", M, {{"<img src=a.png />", "tag:<img attr:src value:a.png tag:/>"}}},
        {"entities, not a bare ampersand", M, {{"a &amp; b &#169; c & d &x", "entity:&amp; entity:&#169;"}}},
        {"comment over lines",
         M,
         {{"x <!-- one", "comment:<!-- one"}, {"two", "comment:two"}, {"three --> <b>", "comment:three --> tag:<b>"}}},
        {"tag and value over lines",
         M,
         {{R"(<p class="a)", R"(tag:<p attr:class value:"a)"},
          {R"(b" title=t>x)", R"(value:b" attr:title value:t tag:>)"}}},
        {"declaration and processing instruction",
         M,
         {{R"(<?xml version="1.0"?><!DOCTYPE html>)",
           R"(tag:<?xml attr:version value:"1.0" tag:?><!DOCTYPE attr:html tag:>)"}}},
        {"a less-than that starts no tag", M, {{"a < b", ""}}},
        {"rule", C, {{"h1, .x { color: red; }", "tag:h1, tag:.x attr:color value:red"}}},
        {"comment and string over lines",
         C,
         {{"p { /* a", "tag:p comment:/* a"},
          {"b */ content: 'x", "comment:b */ attr:content value:'x"},
          {"y'; }", "value:y'"},
          {"em{}", "tag:em"}}},
        {"at-rule", C, {{"@media screen {", "entity:@media tag:screen"}}},
    };
    for (const LinesCase& c : cases) {
        int state = kSyntaxStart;
        for (const auto& [line, expected] : c.lines)
            EXPECT_EQ(Spans(c.language, QString::fromUtf8(line), state).toStdString(), expected)
                << c.name << ": " << line;
    }
}

TEST(SyntaxColouring, LanguageFollowsTheExtension)
{
    const std::pair<const char*, SyntaxLanguage> cases[] = {
        {"/d/a.htm", SyntaxLanguage::Markup},   {"/d/a.HTML", SyntaxLanguage::Markup},
        {"/d/a.xhtml", SyntaxLanguage::Markup}, {"/d/a.xml", SyntaxLanguage::Markup},
        {"/d/a.svg", SyntaxLanguage::Markup},   {"/d/a.css", SyntaxLanguage::Css},
        {"/d/a.txt", SyntaxLanguage::None},     {"/d/html", SyntaxLanguage::None},
        {"/d.html/a", SyntaxLanguage::None},    {"", SyntaxLanguage::None},
    };
    for (const auto& [name, language] : cases)
        EXPECT_EQ(LanguageForFile(QString::fromUtf8(name)), language) << name;
}

TEST(SyntaxColouring, ColoursStayReadableOnLightDarkAndMiddleBackgrounds)
{
    const QColor backgrounds[] = {Qt::white,
                                  QColor(0xf0, 0xf0, 0xf0),
                                  QColor(0xff, 0xff, 0xe0),
                                  Qt::black,
                                  QColor(0x1e, 0x1e, 0x1e),
                                  QColor(0x2b, 0x2b, 0x3b),
                                  QColor(0x80, 0x80, 0x80),
                                  QColor(0x60, 0x70, 0x90),
                                  QColor(0x00, 0x00, 0x80)};
    for (const QColor& background : backgrounds) {
        const SyntaxPalette palette = PaletteFor(background);
        for (const QColor& colour : palette)
            EXPECT_GE(ContrastRatio(colour, background), kMinContrast)
                << background.name().toStdString() << " " << colour.name().toStdString();
    }
    EXPECT_TRUE(IsDarkBackground(QColor(0x1e, 0x1e, 0x1e)));
    EXPECT_FALSE(IsDarkBackground(QColor(0xf0, 0xf0, 0xf0)));
    // The light set is not the dark set: one palette cannot serve both.
    EXPECT_NE(PaletteFor(Qt::white)[0], PaletteFor(Qt::black)[0]);
}

namespace {

class ShownColouringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.resize(500, 300);
        edit.show();
    }
    // Paints the view, which is when the lines in view get their colours.
    void Paint()
    {
        QApplication::processEvents();
        edit.viewport()->repaint();
    }
    TRichEdit edit;
};

}   // namespace

TEST_F(ShownColouringTest, TagsAreColouredOnlyInColouredDocumentsAndModes)
{
    const QString text = QStringLiteral("<p class=\"x\">hi</p>\nplain");
    struct Case {
        const char* name;
        const char* file;
        bool on;
        bool plain;
        bool coloured;
    } const cases[] = {
        {"html", "/d/page.html", true, true, true},        {"svg", "/d/pic.svg", true, true, true},
        {"text file", "/d/notes.txt", true, true, false},  {"switched off", "/d/page.html", false, true, false},
        {"rich mode", "/d/page.html", true, false, false},
    };
    for (const Case& c : cases) {
        edit.SetPlainTextMode(c.plain);
        edit.SetSyntaxColouring(c.on);
        edit.SetSyntaxFileName(QString::fromUtf8(c.file));
        edit.SetText(text);
        Paint();
        EXPECT_EQ(edit.ShownColourAt(1).isValid(), c.coloured) << c.name;   // inside "<p"
        EXPECT_FALSE(edit.ShownColourAt(edit.LineIndex(1) + 1).isValid()) << c.name;   // plain text
    }
    // Switched off after being shown: the colours go at once.
    edit.SetPlainTextMode(true);
    edit.SetSyntaxColouring(true);
    edit.SetSyntaxFileName(QStringLiteral("/d/page.html"));
    Paint();
    ASSERT_TRUE(edit.ShownColourAt(1).isValid());
    const QColor tag = edit.ShownColourAt(1);
    EXPECT_NE(edit.ShownColourAt(5), tag) << "an attribute differs from a tag";
    edit.SetSyntaxColouring(false);
    EXPECT_FALSE(edit.ShownColourAt(1).isValid());
}

TEST_F(ShownColouringTest, ColouringChangesNeitherTextNorHistoryNorModifiedFlag)
{
    edit.SetSyntaxFileName(QStringLiteral("/d/page.html"));
    edit.SetText(QStringLiteral("<p>one</p>\n<!-- two -->"));
    edit.SetModified(false);
    edit.SetSelStart(edit.TextLength());
    edit.ReplaceSelection(QStringLiteral("\n<b>three</b>"));
    edit.SetModified(false);
    int changes = 0;
    QObject::connect(&edit, &TRichEdit::TextChanged, [&] { ++changes; });
    const int undoSteps = edit.UndoSteps();
    const int revision = edit.Revision();
    const QString before = edit.Text();

    Paint();
    edit.SetSyntaxColouring(false);
    Paint();
    edit.SetSyntaxColouring(true);
    Paint();

    ASSERT_TRUE(edit.ShownColourAt(edit.LineIndex(2) + 1).isValid());
    EXPECT_EQ(edit.Text(), before);
    EXPECT_FALSE(edit.Modified());
    EXPECT_EQ(edit.UndoSteps(), undoSteps);
    EXPECT_EQ(edit.Revision(), revision);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(edit.CanUndo());
}

TEST_F(ShownColouringTest, OnlyTheLinesInViewAreColoured)
{
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("<li class=\"n%1\">item</li>").arg(i);
    edit.SetSyntaxFileName(QStringLiteral("/d/list.html"));
    edit.SetText(lines.join(u'\n'));
    Paint();
    EXPECT_TRUE(edit.ShownColourAt(1).isValid());
    EXPECT_FALSE(edit.ShownColourAt(edit.LineIndex(4000) + 1).isValid());

    // Scrolled to the end: the last line gets colours, the first loses them.
    edit.SetSelStart(edit.LineIndex(4999));
    edit.LineScroll(5000);
    Paint();
    EXPECT_TRUE(edit.ShownColourAt(edit.LineIndex(4999) + 1).isValid());
    EXPECT_FALSE(edit.ShownColourAt(1).isValid());

    // A comment opened above the view still colours the lines in it.
    edit.SetSelStart(edit.LineIndex(4990));
    edit.ReplaceSelection(QStringLiteral("<!-- "));
    Paint();
    const QColor comment = edit.ShownColourAt(edit.LineIndex(4995) + 1);
    EXPECT_EQ(comment, edit.ShownColourAt(edit.LineIndex(4990) + 1));
    EXPECT_NE(comment, edit.ShownColourAt(1 + edit.LineIndex(4989)));
}
