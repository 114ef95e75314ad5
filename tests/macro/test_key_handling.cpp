// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's key handling on a real main window, driven with Qt Test
// keys: what the document, the recorded lines and the macro file become.
#include "app/StatusBar.h"
#include "macro/MacroFile.h"
#include "markers/MegaCheckListBox.h"
#include "tests/support/MainFormFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

namespace {

class KeyHandlingTest : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }
    void Record()
    {
        form().Macro() = MacroState();
        form().Macro().MacroFile = TempPath(QStringLiteral("rec.macro"));
        form().Macro().IsRecording = true;
    }
    // Types: characters as they stand, {Name} for keys without one.
    void Keys(const QString& script)
    {
        static const QHash<QString, QKeyCombination> named{{"Tab", Qt::Key_Tab},
                                                           {"BackTab", Qt::Key_Backtab},
                                                           {"Enter", Qt::Key_Return},
                                                           {"BS", Qt::Key_Backspace},
                                                           {"Del", Qt::Key_Delete},
                                                           {"Left", Qt::Key_Left},
                                                           {"Right", Qt::Key_Right},
                                                           {"Up", Qt::Key_Up},
                                                           {"Ins", Qt::Key_Insert},
                                                           {"ShiftIns", Qt::ShiftModifier | Qt::Key_Insert},
                                                           {"CtrlIns", Qt::ControlModifier | Qt::Key_Insert},
                                                           {"Undo", Qt::ControlModifier | Qt::Key_Z},
                                                           {"Paste", Qt::ControlModifier | Qt::Key_V},
                                                           {"Esc", Qt::Key_Escape}};
        for (qsizetype i = 0; i < script.size(); ++i) {
            const QChar c = script.at(i);
            const qsizetype close = script.indexOf(QLatin1Char('}'), i);
            const QString name = c == QLatin1Char('{') ? script.mid(i + 1, close - i - 1) : QString();
            i = name.isEmpty() ? i : close;
            if (name == QLatin1String("Bold"))
                form().Ui().BoldButton->click();
            else if (name == QLatin1String("CtrlM"))   // as X11 types it
                QTest::sendKeyEvent(QTest::Click, edit().InputWidget(), Qt::Key_M, QStringLiteral("\r"),
                                    Qt::ControlModifier);
            else if (!name.isEmpty())
                QTest::keyClick(edit().InputWidget(), named[name].key(), named[name].keyboardModifiers());
            else
                QTest::sendKeyEvent(QTest::Click, edit().InputWidget(), Qt::Key(c.toUpper().unicode()), QString(c), {});
        }
    }
    QString Doc() { return edit().Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
};

// Options (a AutoTab, e entities, r rich text), the document with | for the
// caret or [ ] around the selection, the keys, the document after and the
// macro file written at the stop, its lines split by |.
TEST_F(KeyHandlingTest, KeysChangeTheDocumentAndAreRecorded)
{
    const char* cases[][5] = {
        {"", "|", "ab{Tab}{Enter}{Bold}", "ab\t\n", "Insert ab\\t\\n|Bold On"},
        {"", "|", "C:\\temp", "C:\\temp", "Insert C:\\\\temp"},
        {"", "|", "x{BS}", "", ""},
        {"", "|", "a{Tab}{BS}", "a", "Insert a"},
        {"", "|", "{Left}{Left}{Left}", "", "MoveLeft 3"},
        {"", "|", "ab{Left}{Up}{Right}{Right}{Del}", "ab", "Insert ab|MoveLeft|MoveRight 2|Delete"},
        {"", "|", "ab{Left}{Del}", "a", "Insert ab|MoveLeft|Delete"},
        {"", "|", "ab{Left}c{Left}", "acb", "Insert ab|MoveLeft|Insert c|MoveLeft"},
        {"", "|", "ab{Left}c{Undo}{Undo}", "", "Insert ab"},
        {"", "|", "ab{Paste}", "abzz", "Insert ab|Paste"},
        {"e", "|", "<<", "&lt;", "Insert <<"},
        {"e", "|", "<<<", "&lt;<", "Insert <<<"},
        {"e", "|", "a  b", "a&nbsp;b", "Insert a\\s\\sb"},
        {"e", "|", "\"\"&&>>", "&quot;&amp;&gt;", "Insert \"\"&&>>"},
        {"e", "|", "äÃ", "&auml;Ã", "Insert äÃ"},
        {"e", "|", "<{Ins}{Ins}<", "<<", "Insert <<"},
        {"", "|", "<<ä", "<<ä", "Insert <<ä"},
        {"a", "\t\tabc|", "{Enter}", "\t\tabc\n\t\t", "Insert \\n\\t\\t"},
        {"a", "|\t\tabc", "{Enter}", "\t\t\n\t\tabc", "Insert \\n\\t\\t"},
        {"ar", " \t|x", "{Enter}", " \t\n \tx", "Insert \\n\\s\\t"},
        {"", "\t|x", "{Enter}", "\t\nx", "Insert \\n"},
        {"a", "ab\n|  ", "{BS}", "ab  ", ""},
        {"a", "ab \t\n|cd", "{BS}", "abcd", ""},
        {"", "ab\n|  ", "{BS}", "ab  ", ""},
        {"a", "x\n|ab  ", "{BS}", "xab  ", ""},
        {"a", "x \t\n|\t ab", "{BS}", "x\t ab", ""},
        {"a", "|", "a{Esc}{CtrlM}b", "ab", "Insert ab"},
        {"", "l0\nl1\n[l2\nl3\nl4\n]l5", "{Tab}", "l0\nl1\n\tl2\n\tl3\n\tl4\nl5", "Insert \\t"},
        {"r", "l0\n[\tl1\n\tl2\n]l3", "{BackTab}", "l0\nl1\nl2\nl3", "Insert \\t"},
        {"", "[\tl0\n l1\n\tl2\n]", "{BackTab}", "\tl0\n l1\n\tl2\n", "Insert \\t"},
        {"", "[l0\n]l1", "{Tab}{Tab}{BackTab}", "\tl0\nl1", "Insert \\t\\t\\t"},
        {"", "[l0\nl]1", "{Tab}x", "\tx1", "Insert \\tx"},
        {"", "|abc", "{Ins}X{ShiftIns}{CtrlIns}Y{Ins}Z", "XYZc", "Insert XYZ"},
        {"r", "|abc", "{Ins}XY{Ins}Z{Ins}", "XYZc", "Insert XYZ"},
    };
    for (const auto& [options, before, keys, after, file] : cases) {
        QApplication::clipboard()->setText(QString::fromUtf8(keys).contains("Paste") ? "zz" : "");
        const QString o = QString::fromUtf8(options), b = QString::fromUtf8(before);
        form().SetChecked(Command::AutoTab, o.contains('a'));
        form().SetChecked(Command::ReplaceSpecialCharacters, o.contains('e'));
        edit().SetPlainTextMode(!o.contains('r'));
        edit().SetText(QString(b).remove(QRegularExpression(QStringLiteral("[|\\[\\]]"))));
        const int at = int(b.indexOf(QRegularExpression(QStringLiteral("[|\\[]"))));
        edit().SetSelStart(at);
        edit().SetSelLength(b.contains(']') ? int(b.indexOf(']')) - at - 1 : 0);
        Record();
        Keys(QString::fromUtf8(keys));
        EXPECT_EQ(Doc(), QString::fromUtf8(after)) << keys;
        MacroState& m = form().Macro();
        m.MacroLines << (m.PendingText.isEmpty() ? QStringList() : QStringList{"Insert " + m.PendingText});
        WriteMacroFile(m.MacroFile, m.MacroLines);
        const QString expected = QString::fromUtf8(file).replace('|', "\r\n");
        EXPECT_EQ(ReadFile(m.MacroFile), (expected + (expected.isEmpty() ? "" : "\r\n")).toUtf8()) << keys;
        EXPECT_EQ(form().Ui().StatusBar->Panel(2).text, edit().OverwriteMode() ? "overwrite" : "insert");
    }
    form().Macro() = MacroState();
    form().Macro().MacroFile = WriteFile(QStringLiteral("run.macro"), "Insert C:\\\\temp\r\n");
    edit().SetText(QString());
    form().RunMacro();
    EXPECT_EQ(Doc(), QStringLiteral("C:\\temp"));
}

TEST_F(KeyHandlingTest, InputMethodTextIsNoKeyToRecord)
{
    Record();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(edit().InputWidget(), &commit);
    EXPECT_EQ(Doc(), QStringLiteral("é"));
    EXPECT_EQ(form().Macro().PendingText, QString());
}

TEST_F(KeyHandlingTest, BlockIndentIsOneUndoStepAndKeepsTheLinesSelected)
{
    edit().SetText(QStringLiteral("l0\nl1\nl2\nl3\nl4\nl5"));
    edit().SetSelStart(6);
    edit().SetSelLength(9);
    Keys(QStringLiteral("{Tab}"));
    EXPECT_EQ(std::pair(edit().SelStart(), edit().SelLength()), std::pair(6, 12));
    edit().UndoStep();
    EXPECT_EQ(Doc(), QStringLiteral("l0\nl1\nl2\nl3\nl4\nl5"));
}

TEST_F(KeyHandlingTest, EnterShiftsMarkersFromTheLineBeforeTheCaret)
{
    for (const auto& [autoTab, after] : {std::pair{false, std::vector<int>{2, 4, 5}}, {true, {2, 3, 5}}}) {
        form().SetChecked(Command::AutoTab, autoTab);
        edit().SetText(QStringLiteral("l0\nl1\nl2\nl3\nl4\nl5"));
        edit().SetSelStart(14);   // the end of line 4
        form().Ui().CheckList->ClearMarkers();
        for (int line : {2, 3, 4})
            form().Ui().CheckList->AddMarker(line);
        Keys(QStringLiteral("{Enter}"));
        std::vector<int> lines;
        for (int i = 0; i < form().Ui().CheckList->MarkerLines.Count(); ++i)
            lines.push_back(form().Ui().CheckList->MarkerLines.GetItem(i));
        EXPECT_EQ(lines, after) << autoTab;
    }
}

TEST_F(KeyHandlingTest, SizeBoxEnterAddsValidSizes)
{
    QComboBox& box = *form().Ui().Groesse;
    for (const auto& [typed, count] : {std::pair{"50", 18}, {"100", 19}, {"0", 19}, {"1a", 19}, {"50", 19}}) {
        box.setEditText(QString::fromUtf8(typed));
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_EQ(box.count(), count) << typed;
    }
    EXPECT_EQ(box.itemText(16) + box.itemText(18), QStringLiteral("50100"));
}

TEST_F(KeyHandlingTest, ClosingWhileRecordingWritesExitLastOrAsksWhenTheFileFails)
{
    Record();
    Keys(QStringLiteral("ab"));
    edit().SetModified(false);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(ReadFile(form().Macro().MacroFile), QByteArray("Insert ab\r\nExit\r\n"));

    form().show();
    Record();
    form().Macro().MacroFile = dir.path();   // a folder: no file to write
    Expect(MsgKind::Error,
           QStringLiteral("Cannot write file \"%1\". Not a regular file\n\nClose anyway? The recording will be lost.")
               .arg(dir.path()),
           MsgButtons::YesNo, MsgAnswer::Yes);
    EXPECT_TRUE(form().close()) << "the user chose to close";
}

}   // namespace
