// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FindReplace.h"
#include "editor/SearchDialogs.h"
#include "editor/SelectionTracking.h"
#include "tests/support/MainFormFixture.h"
#include "tests/support/MarkingTranslator.h"

#include <QFile>
#include <QPushButton>
#include <functional>

namespace {

QString M(const char* text)
{
    return MarkingTranslator::Marked(QString::fromUtf8(text));
}

class EditorTextsTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().Macro().IsRecording = true;
    }
    void Press(TFindDialog& dialog, const char* button, const char* find)
    {
        dialog.SetFindText(QString::fromUtf8(find));
        dialog.findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }
    void Info(const QString& text) { Expect(MsgKind::Information, text, MsgButtons::Ok, MsgAnswer::Ok); }
};

}   // namespace

TEST_F(EditorTextsTest, MessagesAreTranslatedButTheLinesRecordedAreNot)
{
    const MarkingTranslator translator;
    edit().SetText(QStringLiteral("one two one"));
    TReplaceDialog& replace = ReplaceDialogOf(form());
    replace.SetReplaceText(QStringLiteral("x"));
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
             Press(replace, "ReplaceAll", "one");
         },
         {"ReplaceAll one with x"}},
        {"replace", [&] { Press(replace, "Replace", "two"); }, {"Replace two with x"}},
        {"go to a line that is no number",
         [&] {
             fake.prompts.ExpectInput(M("Goto Line"), M("Please insert the line number:"), QStringLiteral("x"));
             Expect(MsgKind::Error, M("Invalid number."), MsgButtons::Ok, MsgAnswer::Ok);
             form().RunHandler(&TMainForm::GotoLine1Click);
         },
         {}},
        {"print an empty document",
         [&] {
             edit().Clear();
             Info(M("There is nothing to print!"));
             form().RunHandler(&TMainForm::Print1Click);
         },
         {"Print"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const qsizetype before = form().Macro().MacroLines.size();
        step.act();
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(form().Macro().MacroLines.mid(before), step.lines);
    }
    // Status texts are whole sentences for the translator, numbers put in after.
    EXPECT_EQ(FileSizeText(12), QStringLiteral("«Filesize: 12 bytes»"));
    EXPECT_EQ(CaretPositionText(0, 4), QStringLiteral("«Line: 1  Col: 5»"));
    EXPECT_EQ(SelectionHintText(8, 2, true), QStringLiteral("«2 Line(s), 8 Character(s) in current selection.»"));
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
        QByteArray bytes;   // empty: a sparse file just over the size limit
        const char* reason;
    } cases[] = {
        {QByteArray("\n").repeated(100), "It has more than 100 lines."},
        {QByteArray(1001, 'x'), "Its text is longer than 1000 characters."},
        {{}, "It is larger than 1024 MB."},
    };
    for (const auto& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(c.bytes.isEmpty() ? file.resize(TRichEdit::kMaxFileBytes + 1) : file.write(c.bytes) > 0);
        file.close();
        try {
            edit.LoadFromFile(path);
            ADD_FAILURE() << "opened: " << c.reason;
        } catch (const AppError& e) {
            EXPECT_EQ(e.message().toStdString(),
                      ("Cannot open file \"" + path + "\". " + QString::fromUtf8(c.reason)).toStdString());
        }
    }
}
