// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FindReplace.h"
#include "editor/SearchDialogs.h"
#include "editor/SelectionTracking.h"
#include "tests/support/MainFormFixture.h"
#include "tests/support/MarkingTranslator.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

QString M(const char* text)
{
    return MarkingTranslator::Marked(QString::fromUtf8(text));
}

// What a user reads in a dialog: its title, labels and buttons.
QStringList ShownTexts(const QWidget& dialog)
{
    QStringList texts{dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << button->text();
    texts.sort();
    return texts;
}

class EditorTextsTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().Macro.IsRecording = true;
    }
    void Press(TFindDialog& dialog, const char* button, const char* find)
    {
        dialog.SetFindText(QString::fromUtf8(find));
        dialog.findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }
    void Info(const QString& text) { Expect(MsgKind::Information, text, MsgButtons::Ok, MsgAnswer::Ok); }
    QStringList& Lines() { return form().Macro.MacroLines; }
};

} // namespace

TEST_F(EditorTextsTest, SearchDialogsShowEveryTextTranslated)
{
    const MarkingTranslator translator;
    const QStringList common{M("Fi&nd what:"), M("Match &whole word only"), M("Match &case"), M("&Find Next"),
                             M("Cancel")};
    const struct {
        QWidget* dialog;
        QStringList own;
    } cases[] = {
        {&FindDialogOf(form()), {M("Find")}},
        {&ReplaceDialogOf(form()), {M("Replace"), M("Re&place with:"), M("&Replace"), M("Replace &All")}},
    };
    for (const auto& c : cases) {
        QStringList expected = common + c.own;
        expected.sort();
        EXPECT_EQ(ShownTexts(*c.dialog), expected) << c.dialog->objectName().toStdString();
    }
}

TEST_F(EditorTextsTest, MessagesAreTranslatedButTheLinesRecordedAreNot)
{
    const MarkingTranslator translator;
    edit().SetText(QStringLiteral("one two one"));
    TReplaceDialog& replace = ReplaceDialogOf(form());
    const struct {
        const char* name;
        std::function<void()> act;
        QStringList lines;
    } steps[] = {
        {"a search that finds nothing",
         [&] {
             Info(M("Reached end of file!"));
             Press(FindDialogOf(form()), "FindNext", "zzz");
         },
         {"Find zzz"}},
        {"replace all",
         [&] {
             Info(QStringLiteral("«2 occurrence(s) replaced.»"));
             replace.SetReplaceText(QStringLiteral("x"));
             Press(replace, "ReplaceAll", "one");
         },
         {"ReplaceAll one with x"}},
        {"replace", [&] { Press(replace, "Replace", "two"); }, {"Replace two with x"}},
        {"go to a line that is no number",
         [&] {
             fake.prompts.ExpectInput(M("Goto Line"), M("Please insert the line number:"), QStringLiteral("x"));
             Expect(MsgKind::Error, M("Invalid number."), MsgButtons::Ok, MsgAnswer::Ok);
             form().RunHandler("GotoLine1Click");
         },
         {}},
        {"print an empty document",
         [&] {
             edit().Clear();
             Info(M("There is nothing to print!"));
             form().RunHandler("Print1Click");
         },
         {"Print"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const qsizetype before = Lines().size();
        step.act();
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(Lines().mid(before), step.lines);
    }
}

TEST(EditorTexts, StatusTextsAndFileErrorsAreTranslatedAsWholeSentences)
{
    const MarkingTranslator translator;
    EXPECT_EQ(FileSizeText(12), QStringLiteral("«Filesize: 12 bytes»"));
    EXPECT_EQ(CaretPositionText(0, 4), QStringLiteral("«Line: 1  Col: 5»"));
    EXPECT_EQ(SelectionHintText(8, 2, true), QStringLiteral("«2 Line(s), 8 Character(s) in current selection.»"));

    QTemporaryDir dir;
    TRichEdit edit;
    edit.SetMaxLines(1);
    const QString path = dir.filePath(QStringLiteral("two lines.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a\nb\nc");
    file.close();
    try {
        edit.LoadFromFile(path);
        ADD_FAILURE() << "opened";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("«Cannot open file \"%1\". It has more than 1 lines.»").arg(path));
    }
}

// A file may be called anything: its name must not be taken for a place
// of the message's numbers.
TEST(EditorTexts, RefusalsNameAFileWithPercentSignsAsItIsCalled)
{
    QTemporaryDir dir;
    TRichEdit edit;
    edit.SetMaxLength(1000);
    edit.SetMaxLines(100);
    const QString path = dir.filePath(QStringLiteral("a%1b%2.txt"));
    const struct {
        const char* name;
        QByteArray bytes;
        qint64 size;   // made sparse, when bytes is empty
        const char* reason;
    } cases[] = {
        {"lines", QByteArray("\n").repeated(100), 0, "It has more than 100 lines."},
        {"length", QByteArray(1001, 'x'), 0, "Its text is longer than 1000 characters."},
        {"size", {}, TRichEdit::kMaxFileBytes + 1, "It is larger than 1024 MB."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (c.bytes.isEmpty())
            ASSERT_TRUE(file.resize(c.size));
        else
            file.write(c.bytes);
        file.close();
        try {
            edit.LoadFromFile(path);
            ADD_FAILURE() << "opened";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message().toStdString(),
                      ("Cannot open file \"" + path + "\". " + QString::fromUtf8(c.reason)).toStdString());
        }
    }
}
