// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FindReplace.h"
#include "editor/SearchDialogs.h"
#include "tests/support/MainFormFixture.h"

#include <QTest>

#include <QApplication>
#include <QPushButton>

namespace {

class FindReplaceTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().Macro().IsRecording = true;
    }
    void SetDocument(const QString& text)
    {
        edit().SetText(text);
        edit().SetSelStart(0);
    }
    // The user's way: fill the dialog in and press one of its buttons.
    void Find(const QString& text, SearchOptions options = {})
    {
        FindDialogOf(form()).SetFindText(text);
        FindDialogOf(form()).SetOptions(options);
        FindDialogOf(form()).findChild<QPushButton*>(QStringLiteral("FindNext"))->click();
    }
    void Press(const char* button, const QString& find, const QString& with, SearchOptions options = {})
    {
        TReplaceDialog& replace = ReplaceDialogOf(form());
        replace.SetFindText(find);
        replace.SetReplaceText(with);
        replace.SetOptions(options);
        replace.findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }
    void ExpectInfo(const QString& text)
    {
        fake.prompts.ExpectMessage(MsgKind::Information, text, MsgButtons::Ok, MsgAnswer::Ok);
    }
    QStringList& Lines() { return form().Macro().MacroLines; }
};

}   // namespace

TEST(FindReplaceRules, DialogPlaceAndGotoTargets)
{
    EXPECT_EQ(SearchDialogTop(100, 350, kFindDialogHeight, 1024), 450);
    EXPECT_EQ(SearchDialogTop(500, 375, kFindDialogHeight, 1024), 351) << "reaching the bottom exactly does not fit";
    EXPECT_EQ(SearchDialogTop(100, 900, kReplaceDialogHeight, 1024), 30) << "never above the screen";
    EXPECT_EQ(ParseLineNumber(QStringLiteral("-3")), -3);
    for (const char* bad : {"x", "", "3a", "99999999999"})
        EXPECT_EQ(ParseLineNumber(QString::fromUtf8(bad)), std::nullopt) << bad;
    EXPECT_EQ(GotoLineTarget(3, 7, 10), 2);
    EXPECT_EQ(GotoLineTarget(-4, 7, 10), 7);
    EXPECT_EQ(GotoLineTarget(500, 0, 10), 9) << "beyond the end: the last line";
}

TEST_F(FindReplaceTest, MatchCaseAndTheEndOfTheFile)
{
    SetDocument(QStringLiteral("Aa"));
    Find(QStringLiteral("a"), {.matchCase = true});
    EXPECT_EQ(edit().SelStart(), 1);
    edit().SetSelStart(0);
    Find(QStringLiteral("a"));
    EXPECT_EQ(edit().SelText(), QStringLiteral("A"));

    // No wrap-around: F3 reports the end until the caret moves.
    SetDocument(QStringLiteral("one two one"));
    Find(QStringLiteral("one"));
    form().RunHandler(&TMainForm::FindAgainClick);
    EXPECT_EQ(edit().SelStart(), 8);
    for (int i = 0; i < 2; ++i) {
        ExpectInfo(QStringLiteral("Reached end of file!"));
        form().RunHandler(&TMainForm::FindAgainClick);
        fake.prompts.VerifyAllShown();
    }
    edit().SetSelStart(0);
    form().RunHandler(&TMainForm::FindAgainClick);
    EXPECT_EQ(edit().SelStart(), 0);
    EXPECT_EQ(edit().SelLength(), 3);
    EXPECT_EQ(Lines().count(QStringLiteral("Find one")), 5) << "every search from the find dialog records";
}

TEST_F(FindReplaceTest, EscapesAreDecodedAndTheDialogsShareTheirSettings)
{
    SetDocument(QStringLiteral("a\tb c\r\nd"));
    form().Macro().PendingText = QStringLiteral("xy");
    Find(QStringLiteral("\\t"));
    EXPECT_EQ(edit().SelText(), QStringLiteral("\t"));
    EXPECT_EQ(Lines(), (QStringList{"Insert xy", "Find \\t"}));
    // A line break of the search text is one position of the editor.
    Find(QStringLiteral("c\\nd"));
    EXPECT_EQ(edit().SelStart(), 4);
    EXPECT_EQ(edit().SelText(), QStringLiteral("c\r\nd"));

    // The find dialog hands text and options over; the replace-all option,
    // which keeps a miss quiet, goes with them.
    TReplaceDialog& replace = ReplaceDialogOf(form());
    replace.SetReplaceAllOption(true);
    ExpectInfo(QStringLiteral("Reached end of file!"));
    Find(QStringLiteral("B"), {.matchCase = true, .wholeWord = true});
    EXPECT_EQ(replace.FindText(), QStringLiteral("B"));
    EXPECT_EQ(replace.Options(), (SearchOptions{true, true}));
    replace.SetReplaceAllOption(true);
    EXPECT_FALSE(SearchNext(form(), SearchOrigin::ReplaceDialog));
}

TEST_F(FindReplaceTest, OpeningPlacesTheDialogWithTheSelectionAsItsText)
{
    SetDocument(QStringLiteral("alpha beta"));
    edit().SetSelStart(6);
    edit().SetSelLength(4);
    form().RunHandler(&TMainForm::Replace1Click);
    const TReplaceDialog& replace = ReplaceDialogOf(form());
    EXPECT_TRUE(replace.isVisible());
    EXPECT_FALSE(replace.isModal());
    EXPECT_EQ(replace.FindText(), QStringLiteral("beta"));
    EXPECT_EQ(form().Search().Pos(), 0);
    const QRect main = form().frameGeometry();
    EXPECT_EQ(replace.pos(), QPoint(1280 / 4, SearchDialogTop(main.top(), main.height(), 213, 1024)));
    form().RunHandler(&TMainForm::Find1Click);
    ASSERT_TRUE(FindDialogOf(form()).isVisible());
    // Esc typed in the editor closes both.
    QTest::keyClick(&edit(), Qt::Key_Escape);
    EXPECT_FALSE(replace.isVisible());
    EXPECT_FALSE(FindDialogOf(form()).isVisible());
}

TEST_F(FindReplaceTest, ReplaceTakesTheSelectionAndRecordsAfterTheTypedText)
{
    SetDocument(QStringLiteral("one two"));
    form().Macro().PendingText = QStringLiteral("typed");
    edit().SetSelStart(4);
    edit().SetSelLength(3);
    Press("Replace", QStringLiteral("one"), QStringLiteral("a\\sb"));
    EXPECT_EQ(edit().Text(), QStringLiteral("one a b")) << "not compared with the find text";
    Press("Replace", QStringLiteral("one"), QStringLiteral("x"));
    EXPECT_EQ(edit().Text(), QStringLiteral("one a b")) << "nothing selected, nothing replaced";
    EXPECT_EQ(Lines(), (QStringList{"Insert typed", "Replace one with a\\sb", "Replace one with x"}));
    EXPECT_TRUE(form().Macro().PendingText.isEmpty());
}

TEST_F(FindReplaceTest, ReplaceAllCountsExactlyWhatItReplaced)
{
    struct Case {
        const char* text;
        const char* find;
        const char* with;
        const char* result;
        int count;
        bool strict;   // Match case and Whole word
    };
    for (const Case& c :
         {Case{"cat cat cat", "cat", "dog", "dog dog dog", 3, false}, Case{"xa", "a", "ba", "xba", 1, false},
          Case{"aaa", "a", "", "", 3, false}, Case{"xaxa", "a", "", "xx", 2, false},
          Case{"Cat cat concat", "cat", "dog", "Cat dog concat", 1, true}}) {
        SetDocument(QString::fromUtf8(c.text));
        ExpectInfo(QString::number(c.count) + QStringLiteral(" occurrence(s) replaced."));
        Press("ReplaceAll", QString::fromUtf8(c.find), QString::fromUtf8(c.with),
              {.matchCase = c.strict, .wholeWord = c.strict});
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(edit().Text(), QString::fromUtf8(c.result)) << c.text;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A selection left from before is neither replaced nor counted.
    SetDocument(QStringLiteral("keep this"));
    edit().SetSelLength(4);
    ExpectInfo(QStringLiteral("0 occurrence(s) replaced."));
    Press("ReplaceAll", QStringLiteral("missing"), QStringLiteral("x"));
    EXPECT_EQ(edit().Text(), QStringLiteral("keep this"));
    EXPECT_EQ(Lines().last(), QStringLiteral("ReplaceAll missing with x"));
}

TEST_F(FindReplaceTest, ReplaceAllIsOneUndoStepAndKeepsLinesAndFormats)
{
    const QString text = QStringLiteral("a cat\r\nno\r\ncat, cat\r\nend");
    SetDocument(text);
    edit().EmptyUndoBuffer();
    ExpectInfo(QStringLiteral("3 occurrence(s) replaced."));
    Press("ReplaceAll", QStringLiteral("cat"), QStringLiteral("big\\ndog"));
    EXPECT_EQ(edit().Text(), QStringLiteral("a big\r\ndog\r\nno\r\nbig\r\ndog, big\r\ndog\r\nend"));
    EXPECT_EQ(edit().SelStart(), 29) << "the caret ends after the last replacement";
    form().RunHandler(&TMainForm::Undo1Click);
    EXPECT_EQ(edit().Text(), text);
    EXPECT_FALSE(edit().CanUndo());

    edit().Clear();
    form().RunHandler(&TMainForm::PlainTextClick);   // empty document: rich without asking
    ASSERT_FALSE(edit().IsPlainText());
    edit().ReplaceSelection(QStringLiteral("cat "));
    edit().SetSelBold(true);
    edit().ReplaceSelection(QStringLiteral("bold"));
    ExpectInfo(QStringLiteral("1 occurrence(s) replaced."));
    Press("ReplaceAll", QStringLiteral("cat"), QStringLiteral("mouse"));
    edit().SetSelStart(8);
    EXPECT_TRUE(edit().SelAttributes().bold);
    EXPECT_EQ(edit().Text(), QStringLiteral("mouse bold"));
}

TEST_F(FindReplaceTest, GotoLine)
{
    SetDocument(QStringLiteral("l1\nline2\nl3\nl4"));
    const auto answer = [&](std::optional<QString> text, bool invalid = false) {
        fake.prompts.ExpectInput(QStringLiteral("Goto Line"), QStringLiteral("Please insert the line number:"), text);
        if (invalid)
            fake.prompts.ExpectMessage(MsgKind::Error, QStringLiteral("Invalid number."), MsgButtons::Ok,
                                       MsgAnswer::Ok);
        form().RunHandler(&TMainForm::GotoLine1Click);
        return edit().SelStart();
    };
    EXPECT_EQ(answer(QStringLiteral("3")), 9);
    edit().SetSelStart(5);
    EXPECT_EQ(answer(QStringLiteral("1")), 5) << "line 1 does nothing";
    EXPECT_EQ(answer(QStringLiteral("0")), 3) << "the start of the caret's own line";
    EXPECT_EQ(answer(QStringLiteral("40")), 12);
    EXPECT_EQ(answer(QStringLiteral("x"), true), 12);
    EXPECT_EQ(answer(std::nullopt, true), 12) << "Cancel";
    EXPECT_TRUE(Lines().isEmpty()) << "Go to Line records nothing";
}
