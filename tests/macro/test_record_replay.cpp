// A recording replays what the user did: each recordable action is done
// through the window's own keys, buttons and menu items while recording,
// then the new macro is run with the Run button on the document as it was
// before, and both outcomes must be the same.
#include "editor/FindReplace.h"
#include "editor/SearchDialogs.h"
#include "tests/support/MacroLibraryFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

class RecordReplayTest;

struct Row {
    const char* what;
    const char* before;    // | marks the caret, [ ] the selection
    bool rich;
    std::function<void(RecordReplayTest&)> act;
    const char* after;     // the text once done by hand
    const char* recorded;  // the macro file's lines, split by |
    // The boxes the action shows, expected again for the replay.
    std::function<void(RecordReplayTest&)> boxes = [](RecordReplayTest&) {};
    // A file of the test folder the action works on: made again before the
    // replay, and its content compared.
    const char* file = nullptr;
    const char* fileContent = "";
    bool fileOpen = false;   // open it before the action
};

const char* const kOptions[] = {"AutoTab", "CenterOnScreen", "RememberPos", "AlwaysStayOnTop", "PlainText",
                                "WordWrap"};

class RecordReplayTest : public MacroLibraryTest {
public:
    // For the rows' actions.
    using MacroLibraryTest::edit;
    using MacroLibraryTest::Expect;
    using MacroLibraryTest::fake;
    using MacroLibraryTest::form;
    using MacroLibraryTest::TempPath;

    // Characters as they stand, {Name} for keys without one.
    void Keys(const QString& script)
    {
        static const QHash<QString, QKeyCombination> named{
            {"Tab", Qt::Key_Tab}, {"Enter", Qt::Key_Return}, {"Del", Qt::Key_Delete}, {"Left", Qt::Key_Left},
            {"Right", Qt::Key_Right}, {"Esc", Qt::Key_Escape}};
        QWidget* view = edit().View();
        for (qsizetype i = 0; i < script.size(); ++i) {
            const QChar c = script.at(i);
            const qsizetype close = script.indexOf(QLatin1Char('}'), i);
            const QString name = c == QLatin1Char('{') ? script.mid(i + 1, close - i - 1) : QString();
            i = name.isEmpty() ? i : close;
            if (name == QLatin1String("CtrlM"))   // as X11 types it
                QTest::sendKeyEvent(QTest::Click, view, Qt::Key_M, QStringLiteral("\r"), Qt::ControlModifier);
            else if (!name.isEmpty())
                QTest::keyClick(view, named[name].key(), named[name].keyboardModifiers());
            else
                QTest::sendKeyEvent(QTest::Click, view, Qt::Key(c.toUpper().unicode()), QString(c), {});
        }
    }
    void Menu(const char* item) { form().Item(QString::fromUtf8(item))->trigger(); }
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Choose(QComboBox* box, const QString& entry)
    {
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void FindNext(const QString& find)
    {
        FindDialogOf(form()).SetFindText(find);
        FindDialogOf(form()).findChild<QPushButton*>(QStringLiteral("FindNext"))->click();
    }
    void Replace(const char* button, const QString& find, const QString& with)
    {
        TReplaceDialog& dialog = ReplaceDialogOf(form());
        dialog.SetFindText(find);
        dialog.SetReplaceText(with);
        dialog.findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }
    void Info(const QString& text) { Expect(MsgKind::Information, text, MsgButtons::Ok, MsgAnswer::Ok); }

    // The document, options off, the mode and the selection of the row.
    void Prepare(const Row& row)
    {
        for (const char* option : {"AutoTab", "CenterOnScreen", "RememberPos", "AlwaysStayOnTop"})
            if (form().IsChecked(QString::fromUtf8(option)))
                Menu(option);
        edit().SetText(QString());
        if (form().Doc.IsPlainDocument == row.rich)
            Menu("PlainText");   // no question while the text is empty
        if (form().Doc.IsPlainDocument && !form().IsChecked(QStringLiteral("WordWrap")))
            Menu("WordWrap");
        const QString b = QString::fromUtf8(row.before);
        edit().SetText(QString(b).remove(QRegularExpression(QStringLiteral("[|\\[\\]]"))));
        const int at = int(b.indexOf(QRegularExpression(QStringLiteral("[|\\[]"))));
        edit().SetSelStart(at);
        edit().SetSelLength(b.contains(']') ? int(b.indexOf(']')) - at - 1 : 0);
        edit().SetModified(false);
        form().SearchPos = 0;
        QApplication::clipboard()->setText(QStringLiteral("clip"));
        file_ = row.file ? WriteFile(QString::fromUtf8(row.file), row.fileContent) : QString();
        if (row.fileOpen)
            form().OpenNamed(file_);
    }
    QString file_;

    // The text, the options and, in rich text, every character's attributes
    // and every line's alignment.
    std::string Look()
    {
        QStringList state{edit().Text()};
        if (!file_.isEmpty())
            state << (QFile::exists(file_) ? QString::fromUtf8(ReadFile(file_)) : QStringLiteral("(no file)"));
        for (const char* option : kOptions)
            state << QString::fromUtf8(option) + (form().IsChecked(QString::fromUtf8(option)) ? "+" : "-");
        if (form().Doc.IsPlainDocument)
            return state.join(QLatin1Char('\n')).toStdString();
        for (int i = 0; i < edit().TextLength(); ++i) {
            edit().SetSelStart(i);
            edit().SetSelLength(1);
            const CharAttributes a = edit().SelAttributes();
            state << QStringLiteral("%1:%2%3%4 %5 %6")
                         .arg(i)
                         .arg(a.bold ? "b" : "")
                         .arg(a.italic ? "i" : "")
                         .arg(a.underline ? "u" : "")
                         .arg(a.size)
                         .arg(a.name);
        }
        for (int line = 0; line < edit().LineCount(); ++line) {
            edit().SetSelStart(edit().LineIndex(line));
            state << QStringLiteral("line %1: align %2").arg(line).arg(edit().ParaAlignment());
        }
        return state.join(QLatin1Char('\n')).toStdString();
    }

    void RecordAndReplay(const Row& row, int number)
    {
        Prepare(row);
        const QString name = QStringLiteral("m%1").arg(number);
        form().MakroFeld->setText(name);
        Click(form().RunButton);
        ASSERT_TRUE(form().Macro.IsRecording);
        row.boxes(*this);
        row.act(*this);
        Click(form().RunButton);
        ASSERT_FALSE(form().Macro.IsRecording);
        fake.prompts.VerifyAllShown();
        const QString lines = QString::fromUtf8(row.recorded).replace(QLatin1Char('|'), QStringLiteral("\r\n"));
        EXPECT_EQ(QString::fromUtf8(ReadFile(lib + name + QStringLiteral(".macro"))), lines + QStringLiteral("\r\n"));
        EXPECT_EQ(edit().Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QString::fromUtf8(row.after));
        const std::string byHand = Look();

        Prepare(row);
        ASSERT_EQ(form().RunButton->toolTip(), QStringLiteral("run"));
        row.boxes(*this);
        Click(form().RunButton);
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(Look(), byHand);
    }
};

TEST_F(RecordReplayTest, EveryRecordedActionReplaysAsItWasDone)
{
    using T = RecordReplayTest;
    const Row rows[] = {
        {"typing", "a|", false, [](T& t) { t.Keys(QStringLiteral("b{Tab}x y\\z{Enter}c")); }, "ab\tx y\\z\nc",
         "Insert b\\tx\\sy\\\\z\\nc"},
        {"Esc and Ctrl+M type nothing", "|", false, [](T& t) { t.Keys(QStringLiteral("a{Esc}{CtrlM}b")); }, "ab",
         "Insert ab"},
        {"Left and Right", "abc|", false, [](T& t) { t.Keys(QStringLiteral("{Left}{Left}X{Right}Y{Left}Z{Left}")); },
         "aXbZYc", "MoveLeft 2|Insert X|MoveRight|Insert Y|MoveLeft|Insert Z|MoveLeft"},
        {"Delete: a character and a line break", "a|b\ncd", false,
         [](T& t) { t.Keys(QStringLiteral("{Del}{Del}x")); }, "axcd", "Delete|Delete|Insert x"},
        {"Delete: the selection", "ab[cd]e", false, [](T& t) { t.Keys(QStringLiteral("{Del}x")); }, "abxe",
         "Delete|Insert x"},
        {"Delete at the end deletes nothing", "ab|", false, [](T& t) { t.Keys(QStringLiteral("{Del}c")); }, "abc",
         "Delete|Insert c"},
        {"clipboard", "[ab]c", false,
         [](T& t) {
             t.Menu("Copy2");
             t.Menu("Cut2");
             t.Keys(QStringLiteral("{Right}"));
             t.Menu("Paste2");
             t.Menu("Paste2");
             t.Menu("SelectAll2");
             t.Menu("Copy2");
             t.Keys(QStringLiteral("z"));
             t.Menu("Paste2");
         },
         "zcabab", "Copy|Cut|MoveRight|Paste|Paste|SelectAll|Copy|Insert z|Paste"},
        {"bold, italic and underline around typed text", "|", true,
         [](T& t) {
             t.Click(t.form().BoldButton);
             t.Keys(QStringLiteral("Note:"));
             t.Click(t.form().BoldButton);
             t.Keys(QStringLiteral(" "));
             t.Click(t.form().UnderlinedButton);
             t.Keys(QStringLiteral("x"));
             t.Click(t.form().UnderlinedButton);
             t.Click(t.form().ItalicButton);
             t.Keys(QStringLiteral("y"));
         },
         "Note: xy",
         "Bold On|Insert Note:|Bold Off|Insert \\s|Underline On|Insert x|Underline Off|Italic On|Insert y"},
        {"styles of a selection", "a[bc]d", true,
         [](T& t) {
             t.Click(t.form().UnderlinedButton);
             t.Click(t.form().BoldButton);
         },
         "abcd", "Underline On|Bold On"},
        {"alignment, font and size", "ab\nc|d", true,
         [](T& t) {
             t.Click(t.form().LeftAlign);
             t.Click(t.form().RightAlign);
             t.Keys(QStringLiteral("{Left}{Left}"));
             t.Click(t.form().CenterAlign);
             t.Choose(t.form().Groesse, QStringLiteral("14"));
             t.Keys(QStringLiteral("x"));
             t.Choose(t.form().Schriftarten, t.form().Schriftarten->itemText(0));
             t.Keys(QStringLiteral("y"));
         },
         "abxy\ncd", "AlignLeft|AlignRight|MoveLeft 2|Center|Size 14|Insert x|Font FONT|Insert y"},
        {"AutoTab switched on and used", "\tx|", false,
         [](T& t) {
             t.Menu("AutoTab1");
             t.Keys(QStringLiteral("{Enter}y"));
         },
         "\tx\n\ty", "AutoTab On|Insert \\n\\ty"},
        {"window options keep their place", "|", false,
         [](T& t) {
             t.Keys(QStringLiteral("a"));
             t.Menu("CenterOnScreen1");
             t.Keys(QStringLiteral("b"));
             t.Menu("RememberPos1");
             t.Keys(QStringLiteral("c"));
             t.Menu("AlwaysStayOnTop1");
             t.Keys(QStringLiteral("d"));
             t.Menu("RememberPos");
         },
         "abcd",
         "Insert a|CenterOnScreen On|Insert b|RememberPos On|Insert c|AlwaysStayOnTop On|Insert d|RememberPos Off"},
        {"word wrap and plain text", "|", false,
         [](T& t) {
             t.Menu("Wordwrap1");
             t.Menu("PlainText1");
             t.Keys(QStringLiteral("x"));
         },
         "x", "WordWrap Off|PlainText Off|Insert x"},
        {"find", "one two one two", false,
         [](T& t) {
             t.FindNext(QStringLiteral("two"));
             t.Keys(QStringLiteral("2"));
             t.FindNext(QStringLiteral("two"));
             t.Keys(QStringLiteral("Z"));
         },
         "one 2 one Z", "Find two|Insert 2|Find two|Insert Z"},
        {"replace and replace all, texts with blanks", "a b a b", false,
         [](T& t) {
             t.Replace("FindNext", QStringLiteral("a b"), QStringLiteral("x y"));
             t.Replace("Replace", QStringLiteral("a b"), QStringLiteral("x y"));
             t.Keys(QStringLiteral("!"));
             t.Replace("ReplaceAll", QStringLiteral("b"), QStringLiteral("c d"));
         },
         "x y! a c d", "Replace a b with x y|Insert !|ReplaceAll b with c d",
         [](T& t) { t.Info(QStringLiteral("1 occurrence(s) replaced.")); }},
        {"close", "abc|", false,
         [](T& t) {
             t.Keys(QStringLiteral("d"));
             t.Menu("Close1");
             t.Keys(QStringLiteral("n"));
         },
         "n", "Insert d|CloseFile|Insert n",
         [](T& t) { t.Expect(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel, MsgAnswer::No); }},
        {"open and save", "|", false,
         [](T& t) {
             const QString path = t.TempPath(QStringLiteral("w.txt"));
             t.fake.prompts.ExpectOpenDialog([path](FileDialogState& s) {
                 s.fileName = path;
                 return true;
             });
             t.Menu("Open2");
             t.Keys(QStringLiteral("z"));
             t.Menu("Save2");
             t.Keys(QStringLiteral("y"));
         },
         "zyw", "OpenFile DIR/w.txt|Insert z|SaveFile|Insert y", [](T&) {}, "w.txt", "w"},
        {"delete the file", "|", false,
         [](T& t) {
             t.Menu("Delete3");
             t.Keys(QStringLiteral("n"));
         },
         "n", "DeleteFile|Insert n",
         [](T& t) { t.Expect(MsgKind::Confirmation, QStringLiteral("Sure to delete it?"), MsgButtons::OkCancel, MsgAnswer::Ok); },
         "d.txt", "d", true},
        {"print", "|", false,
         [](T& t) {
             t.Menu("Print2");
             t.Keys(QStringLiteral("p"));
         },
         "p", "Print|Insert p", [](T& t) { t.Info(QStringLiteral("There is nothing to print!")); }},
    };
    Start();
    int number = 0;
    for (Row row : rows) {
        SCOPED_TRACE(row.what);
        const QString font = form().Schriftarten->itemText(0);
        QByteArray recorded =
            QByteArray(row.recorded).replace("FONT", font.toUtf8()).replace("DIR", dir.path().toUtf8());
        row.recorded = recorded.constData();
        RecordAndReplay(row, ++number);
        if (HasFatalFailure())
            return;
    }
}

}   // namespace
