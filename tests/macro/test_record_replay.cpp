// SPDX-License-Identifier: GPL-3.0-or-later
// A recording replays what the user did: each recordable action is done
// through the window's own keys, buttons and menu items while recording,
// then the new macro is run with the Run button on the document as it was
// before, and both outcomes must be the same.
#include "editor/FindReplace.h"
#include "editor/SearchDialogs.h"
#include "macro/MacroPaths.h"
#include "tests/support/MacroLibraryFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

struct Row {
    const char* what;
    const char* before;   // | marks the caret, [ ] the selection
    bool rich;
    const char* act;   // see Act
    const char* after;   // the text once done by hand
    const char* recorded;   // the macro file's lines split by |; DIR is the test folder, FONT the font
    const char* box = "";   // the box the action shows, again in the replay: i info, w save?, c delete?
    const char* file = nullptr;   // a test file, made again for the replay and compared
    bool fileOpen = false;   // opened before the action
};

const char* const kOptions[] = {"AutoTab", "CenterOnScreen", "RememberPos", "AlwaysStayOnTop", "PlainText", "WordWrap"};

class RecordReplayTest : public MacroLibraryTest {
protected:
    QAbstractButton* Button(const QString& name)
    {
        const QHash<QString, QAbstractButton*> buttons{{"Bold", form().Ui().BoldButton},
                                                       {"Italic", form().Ui().ItalicButton},
                                                       {"Underline", form().Ui().UnderlinedButton},
                                                       {"AlignLeft", form().Ui().LeftAlign},
                                                       {"Center", form().Ui().CenterAlign},
                                                       {"AlignRight", form().Ui().RightAlign}};
        return buttons.value(name);
    }
    void Choose(QComboBox* box, const QString& entry)
    {
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void Search(const QString& command)
    {
        const qsizetype blank = command.indexOf(QLatin1Char(' ')), eq = command.indexOf(QLatin1Char('='));
        const QString button = command.left(blank);
        TFindDialog& dialog = button == QLatin1String("Find") ? FindDialogOf(form()) : ReplaceDialogOf(form());
        dialog.SetFindText(command.mid(blank + 1, eq < 0 ? -1 : eq - blank - 1));
        if (eq > 0)
            ReplaceDialogOf(form()).SetReplaceText(command.mid(eq + 1));
        dialog.findChild<QPushButton*>(button == QLatin1String("Find") ? QStringLiteral("FindNext") : button)->click();
    }
    // Characters as they stand; in braces a key without one, a toolbar
    // button, #Item for a menu item, "Size n", "Font", "Open file" and the
    // search dialogs' buttons: "Find text", "FindNext find=replacement",
    // "Replace ..." and "ReplaceAll ...".
    void Act(const QString& script)
    {
        static const QHash<QString, Qt::Key> keys{{"Tab", Qt::Key_Tab},     {"Enter", Qt::Key_Return},
                                                  {"Del", Qt::Key_Delete},  {"Left", Qt::Key_Left},
                                                  {"Right", Qt::Key_Right}, {"Esc", Qt::Key_Escape}};
        for (qsizetype i = 0; i < script.size(); ++i) {
            QWidget* view = edit().InputWidget();   // another one after a switch to rich text
            const QChar c = script.at(i);
            const qsizetype close = script.indexOf(QLatin1Char('}'), i);
            const QString t = c == QLatin1Char('{') ? script.mid(i + 1, close - i - 1) : QString();
            i = t.isEmpty() ? i : close;
            if (t.isEmpty())
                QTest::sendKeyEvent(QTest::Click, view, Qt::Key(c.toUpper().unicode()), QString(c), {});
            else if (t == QLatin1String("CtrlM"))   // as X11 types it
                QTest::sendKeyEvent(QTest::Click, view, Qt::Key_M, QStringLiteral("\r"), Qt::ControlModifier);
            else if (keys.contains(t))
                QTest::keyClick(view, keys[t]);
            else if (QAbstractButton* button = Button(t))
                QTest::mouseClick(button, Qt::LeftButton);
            else if (t.startsWith(QLatin1Char('#')))
                Item(t.mid(1))->trigger();
            else if (t.startsWith(QLatin1String("Size ")))
                Choose(form().Ui().Groesse, t.mid(5));
            else if (t == QLatin1String("Font"))
                Choose(form().Ui().Schriftarten, form().Ui().Schriftarten->itemText(0));
            else if (t.startsWith(QLatin1String("Open "))) {
                const QString path = TempPath(t.mid(5));
                fake.prompts.ExpectOpenDialog([path](FileDialogState& s) {
                    s.fileName = path;
                    return true;
                });
                Item(QStringLiteral("Open2"))->trigger();
            } else
                Search(t);
        }
    }
    void ExpectBox(const QString& box)
    {
        if (box.startsWith(QLatin1String("i:")))
            Expect(MsgKind::Information, box.mid(2), MsgButtons::Ok, MsgAnswer::Ok);
        else if (box == QLatin1String("w"))
            Expect(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel, MsgAnswer::No);
        else if (box == QLatin1String("c"))
            Expect(MsgKind::Confirmation, QStringLiteral("Sure to delete it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    }

    // The document, options off, the mode and the selection of the row.
    void Prepare(const Row& row)
    {
        for (const char* option : {"AutoTab", "CenterOnScreen", "RememberPos", "AlwaysStayOnTop"})
            if (Item(QString::fromUtf8(option))->isChecked())
                Item(QString::fromUtf8(option))->trigger();
        edit().SetText(QString());
        if (form().Session().State().IsPlainDocument == row.rich)
            form().PlainTextClick();   // no question while the text is empty
        if (form().Session().State().IsPlainDocument && !Item(QStringLiteral("WordWrap"))->isChecked())
            form().WordWrapClick();
        const QString b = QString::fromUtf8(row.before);
        edit().SetText(QString(b).remove(QRegularExpression(QStringLiteral("[|\\[\\]]"))));
        const int at = int(b.indexOf(QRegularExpression(QStringLiteral("[|\\[]"))));
        edit().SetSelStart(at);
        edit().SetSelLength(b.contains(']') ? int(b.indexOf(']')) - at - 1 : 0);
        edit().SetModified(false);
        form().Search().Pos() = 0;
        QApplication::clipboard()->setText(QStringLiteral("clip"));
        file_ = row.file ? WriteFile(QString::fromUtf8(row.file), row.file) : QString();
        if (row.fileOpen)
            form().OpenNamed(file_);
    }

    // The text, the file, the options and, in rich text, every character's
    // attributes and every line's alignment.
    std::string Look()
    {
        QStringList state{edit().Text()};
        if (!file_.isEmpty())
            state << (QFile::exists(file_) ? QString::fromUtf8(ReadFile(file_)) : QStringLiteral("(no file)"));
        for (const char* option : kOptions)
            state << QString::fromUtf8(option) + (Item(QString::fromUtf8(option))->isChecked() ? "+" : "-");
        for (int i = 0; !form().Session().State().IsPlainDocument && i < edit().TextLength(); ++i) {
            edit().SetSelStart(i);
            edit().SetSelLength(1);
            const CharAttributes a = edit().SelAttributes();
            state << QStringLiteral("%1:%2%3%4 %5 %6 align %7")
                         .arg(i)
                         .arg(a.bold ? "b" : "", a.italic ? "i" : "", a.underline ? "u" : "")
                         .arg(a.size)
                         .arg(a.name)
                         .arg(edit().ParaAlignment());
        }
        return state.join(QLatin1Char('\n')).toStdString();
    }

    void RecordAndReplay(const Row& row, const QString& name)
    {
        Prepare(row);
        form().Ui().MakroFeld->setText(name);
        QTest::mouseClick(form().Ui().RunButton, Qt::LeftButton);
        ASSERT_TRUE(form().Macro().IsRecording);
        ExpectBox(QString::fromUtf8(row.box));
        Act(QString::fromUtf8(row.act));
        QTest::mouseClick(form().Ui().RunButton, Qt::LeftButton);
        ASSERT_FALSE(form().Macro().IsRecording);
        fake.prompts.VerifyAllShown();
        const QString lines = QString::fromUtf8(row.recorded)
                                  .replace(QStringLiteral("DIR"), dir.path())
                                  .replace(QStringLiteral("FONT"), form().Ui().Schriftarten->itemText(0))
                                  .replace(QLatin1Char('|'), QStringLiteral("\r\n"));
        EXPECT_EQ(QString::fromUtf8(ReadFile(lib + name + QStringLiteral(".macro"))), lines + QStringLiteral("\r\n"));
        EXPECT_EQ(edit().Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QString::fromUtf8(row.after));
        const std::string byHand = Look();

        Prepare(row);
        ASSERT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("run"));
        // The test folder is private: a replayed open of a file in it asks first.
        for (const QString& line : lines.split(QStringLiteral("\r\n")))
            if (line.startsWith(QLatin1String("OpenFile ")))
                Expect(MsgKind::Confirmation,
                       QStringLiteral("The macro wants to read %1.\nAllow it?").arg(ResolvedPath(line.mid(9))),
                       MsgButtons::YesNo, MsgAnswer::Yes);
        ExpectBox(QString::fromUtf8(row.box));
        QTest::mouseClick(form().Ui().RunButton, Qt::LeftButton);
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(Look(), byHand);
    }

    QString file_;
};

TEST_F(RecordReplayTest, EveryRecordedActionReplaysAsItWasDone)
{
    const Row rows[] = {
        {"typing", "a|", false, "b{Tab}x y\\z{Enter}c", "ab\tx y\\z\nc", "Insert b\\tx\\sy\\\\z\\nc"},
        {"Esc and Ctrl+M type nothing", "|", false, "a{Esc}{CtrlM}b", "ab", "Insert ab"},
        {"Left and Right", "abc|", false, "{Left}{Left}X{Right}Y{Left}Z{Left}", "aXbZYc",
         "MoveLeft 2|Insert X|MoveRight|Insert Y|MoveLeft|Insert Z|MoveLeft"},
        {"Delete: a character and a line break", "a|b\ncd", false, "{Del}{Del}x", "axcd", "Delete|Delete|Insert x"},
        {"Delete: the selection", "ab[cd]e", false, "{Del}x", "abxe", "Delete|Insert x"},
        {"clipboard", "[ab]c", false, "{#Copy2}{#Cut2}{Right}{#Paste2}{#Paste2}{#SelectAll2}{#Copy2}z{#Paste2}",
         "zcabab", "Copy|Cut|MoveRight|Paste|Paste|SelectAll|Copy|Insert z|Paste"},
        {"bold, italic and underline around typed text", "|", true,
         "{Bold}Note:{Bold} {Underline}x{Underline}{Italic}y", "Note: xy",
         "Bold On|Insert Note:|Bold Off|Insert \\s|Underline On|Insert x|Underline Off|Italic On|Insert y"},
        {"styles of a selection", "a[bc]d", true, "{Underline}{Bold}", "abcd", "Underline On|Bold On"},
        {"alignment, font and size", "ab\nc|d", true, "{AlignLeft}{AlignRight}{Left}{Left}{Center}{Size 14}x{Font}y",
         "abxy\ncd", "AlignLeft|AlignRight|MoveLeft 2|Center|Size 14|Insert x|Font FONT|Insert y"},
        {"AutoTab switched on and used", "\tx|", false, "{#AutoTab1}{Enter}y", "\tx\n\ty", "AutoTab On|Insert \\n\\ty"},
        {"window options keep their place", "|", false,
         "a{#CenterOnScreen1}b{#RememberPos1}c{#AlwaysStayOnTop1}d{#RememberPos}", "abcd",
         "Insert a|CenterOnScreen On|Insert b|RememberPos On|Insert c|AlwaysStayOnTop On|Insert d|RememberPos Off"},
        {"word wrap and plain text", "|", false, "{#Wordwrap1}{#PlainText1}x", "x",
         "WordWrap Off|PlainText Off|Insert x"},
        {"find", "one two one two", false, "{Find two}2{Find two}Z", "one 2 one Z",
         "Find two|Insert 2|Find two|Insert Z"},
        {"replace and replace all, texts with blanks", "a b a b", false,
         "{FindNext a b=x y}{Replace a b=x y}!{ReplaceAll b=c d}", "x y! a c d",
         "Replace a b with x y|Insert !|ReplaceAll b with c d", "i:1 occurrence(s) replaced."},
        {"close", "abc|", false, "d{#Close1}n", "n", "Insert d|CloseFile|Insert n", "w"},
        {"open and save", "|", false, "{Open w.txt}z{#Save2}y", "zyw.txt",
         "OpenFile DIR/w.txt|Insert z|SaveFile|Insert y", "", "w.txt"},
        {"delete the file", "|", false, "{#Delete3}n", "n", "DeleteFile|Insert n", "c", "d.txt", true},
        {"print", "|", false, "{#Print2}p", "p", "Print|Insert p", "i:There is nothing to print!"},
    };
    Start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        RecordAndReplay(row, QStringLiteral("m%1").arg(&row - rows));
        if (HasFatalFailure())
            return;
    }
}

}   // namespace
