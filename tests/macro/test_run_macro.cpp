// SPDX-License-Identifier: GPL-3.0-or-later
// Real macro files run against a real main window on scripted prompts.
// Most cases are folders under cases/: the document before, the macro,
// the document after and the message boxes expected (see cases/README).
#include "app/StatusBar.h"
#include "editor/RichEdit.h"
#include "macro/MacroPaths.h"
#include "macro/MacroRun.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <sys/stat.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

QString CasesDir()
{
#ifdef MIREL_MACRO_CASES_DIR
    return QStringLiteral(MIREL_MACRO_CASES_DIR);
#else
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("cases"));
#endif
}

// The case folders as they are when the test program starts, so that a
// new folder is a new test without a line of code.
std::vector<std::string> CaseNames()
{
    std::vector<std::string> names;
    for (const QString& name : QDir(CasesDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

// key=value lines of a case file.
QHash<QString, QString> ReadSettings(const QString& path)
{
    QHash<QString, QString> out;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            out.insert(line.left(eq), eq < 0 ? QString() : line.mid(eq + 1));
        }
    return out;
}

template <class E> E Pick(const QString& name, std::initializer_list<std::pair<const char*, E>> names)
{
    for (const auto& [n, value] : names)
        if (name == QLatin1String(n))
            return value;
    ADD_FAILURE() << "unknown name " << name.toStdString();
    return names.begin()->second;
}

class RunMacroTest : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }

    void Run(const QByteArray& macro)
    {
        form().Macro().MacroFile = WriteFile(QStringLiteral("test.macro"), macro);
        form().Macro().MacroLines.clear();
        form().RunMacro();
    }
    QString Document() { return edit().Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
    void MakeRich()
    {
        if (form().Session().State().IsPlainDocument)
            form().PlainTextClick();   // no question while the text is empty
    }
    void RunCase(const QString& name);
};

void RunMacroTest::RunCase(const QString& name)
{
    const QDir c(CasesDir() + QLatin1Char('/') + name);
    const auto text = [&](const char* file) {
        QString t = QString::fromUtf8(ReadFile(c.filePath(QString::fromLatin1(file))));
        return t.replace(QStringLiteral("%DIR%"), dir.path());
    };
    const QHash<QString, QString> setup = ReadSettings(c.filePath(QStringLiteral("setup")));
    if (setup.contains(QStringLiteral("rich")))
        MakeRich();
    if (setup.contains(QStringLiteral("file"))) {
        const QString path = WriteFile(setup.value(QStringLiteral("file")), text("before").toUtf8());
        form().OpenNamed(path);
    } else {
        edit().SetText(text("before"));
    }
    if (setup.contains(QStringLiteral("select"))) {
        const QStringList at = setup.value(QStringLiteral("select")).split(QLatin1Char(','));
        edit().SetSelStart(at.value(0).toInt());
        edit().SetSelLength(at.value(1).toInt());
    }
    for (const QString& line : text("messages").split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // kind|buttons|answer|text
        const QStringList f = line.split(QLatin1Char('|'));
        ASSERT_EQ(f.size(), 4) << line.toStdString();
        Expect(Pick<MsgKind>(f[0], {{"error", MsgKind::Error},
                                    {"information", MsgKind::Information},
                                    {"warning", MsgKind::Warning},
                                    {"confirmation", MsgKind::Confirmation}}),
               QString(f[3]).replace(QStringLiteral("\\n"), QStringLiteral("\n")),
               Pick<MsgButtons>(f[1], {{"ok", MsgButtons::Ok},
                                       {"okcancel", MsgButtons::OkCancel},
                                       {"yesno", MsgButtons::YesNo},
                                       {"yesnocancel", MsgButtons::YesNoCancel}}),
               Pick<MsgAnswer>(f[2], {{"ok", MsgAnswer::Ok},
                                      {"cancel", MsgAnswer::Cancel},
                                      {"yes", MsgAnswer::Yes},
                                      {"no", MsgAnswer::No}}));
    }

    Run(text("macro").toUtf8());

    EXPECT_EQ(Document(), text("after"));
    fake.prompts.VerifyAllShown();
    const QHash<QString, QString> expect = ReadSettings(c.filePath(QStringLiteral("expect")));
    for (auto it = expect.begin(); it != expect.end(); ++it) {
        const QString& v = it.value();
        if (it.key() == QLatin1String("select"))
            EXPECT_EQ(QStringLiteral("%1,%2").arg(edit().SelStart()).arg(edit().SelLength()), v);
        else if (it.key() == QLatin1String("bold"))
            EXPECT_EQ(edit().SelAttributes().bold, v == QLatin1String("1"));
        else if (it.key() == QLatin1String("italic"))
            EXPECT_EQ(edit().SelAttributes().italic, v == QLatin1String("1"));
        else if (it.key() == QLatin1String("underline"))
            EXPECT_EQ(edit().SelAttributes().underline, v == QLatin1String("1"));
        else if (it.key() == QLatin1String("autotab"))
            EXPECT_EQ(Item(QStringLiteral("AutoTab"))->isChecked(), v == QLatin1String("1"));
        else if (it.key() == QLatin1String("plain"))
            EXPECT_EQ(form().Session().State().IsPlainDocument, v == QLatin1String("1"));
        else if (it.key() == QLatin1String("visible"))
            EXPECT_EQ(form().isVisible(), v == QLatin1String("1"));
        else
            ADD_FAILURE() << "unknown expectation " << it.key().toStdString();
    }
}

}   // namespace

class RunMacroCase : public RunMacroTest, public testing::WithParamInterface<std::string> {};

TEST_P(RunMacroCase, GivesTheDocumentAndBoxesOfItsFolder)
{
    RunCase(QString::fromStdString(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Cases, RunMacroCase, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param;   // test names take letters, digits and _
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// A folder that is not found would leave no case to run, and no failure.
TEST(RunMacroCases, AreFound)
{
    EXPECT_GE(CaseNames().size(), 20u) << CasesDir().toStdString();
}

TEST_F(RunMacroTest, WhatIsNoMacroGivesMacroNotFoundWithoutWaiting)
{
    const QString fifo = TempPath(QStringLiteral("pipe.macro"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString locked = WriteFile(QStringLiteral("locked.macro"), "insert x\r\n");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    const bool root = QFile(locked).open(QIODevice::ReadOnly);   // root reads anyway
    QStringList paths = {TempPath(QStringLiteral("missing.macro")), dir.path(), fifo, QStringLiteral("/dev/zero")};
    if (!root)
        paths << locked;
    for (const QString& path : paths) {
        Expect(MsgKind::Error, QStringLiteral("Macro not found!"), MsgButtons::Ok, MsgAnswer::Ok);
        form().Macro().MacroFile = path;
        form().RunMacro();
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(edit().Text(), QString()) << path.toStdString();
    }
}

TEST_F(RunMacroTest, OpenFileAndSaveFileWithAndWithoutAPath)
{
    const QString a = WriteFile(QStringLiteral("a.txt"), "alpha\n");
    const QString b = WriteFile(QStringLiteral("b.txt"), "beta\n");
    const QString copy = TempPath(QStringLiteral("copy.txt"));

    // With a path: no dialog; the open dialog asks again afterwards. The run
    // started on an unnamed document and the test folder is private: the
    // read and both writes are asked about.
    const auto allow = [&](const char* what, const QString& path) {
        Expect(MsgKind::Confirmation,
               QStringLiteral("The macro wants to %1 %2.\nAllow it?").arg(QString::fromUtf8(what), ResolvedPath(path)),
               MsgButtons::YesNo, MsgAnswer::Yes);
    };
    allow("read", a);
    allow("write", a);
    allow("write", copy);
    Run(("openfile " + a + "\r\nstartsel 0\r\ninsert 1\r\nsavefile\r\nsavefile " + copy + "\r\n").toUtf8());
    EXPECT_EQ(form().Session().State().CurrentFile, copy);
    EXPECT_EQ(ReadFile(a), QByteArray("1alpha\n"));
    EXPECT_EQ(ReadFile(copy), QByteArray("1alpha\n"));

    // Without a path: the open dialog, and Save As for an unnamed document.
    fake.prompts.ExpectOpenDialog([&](FileDialogState& s) {
        s.fileName = b;
        return true;
    });
    const QString named = TempPath(QStringLiteral("named.txt"));
    Expect(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel, MsgAnswer::No);
    fake.prompts.ExpectSaveDialog([&](FileDialogState& s) {
        s.fileName = named;
        return true;
    });
    Run("openfile\r\ninsert 2\r\nclearfile\r\ninsert new\r\nsavefile\r\n");
    fake.prompts.VerifyAllShown();
    EXPECT_EQ(ReadFile(b), QByteArray("beta\n"));
    EXPECT_EQ(ReadFile(named), QByteArray("new"));
    EXPECT_EQ(form().Session().State().CurrentFile, named);
}

TEST_F(RunMacroTest, AnErrorInsideACommandStopsTheRunAndKeepsWhatWasDone)
{
    // A failed write is the Save command's own message: the run goes on.
    Expect(MsgKind::Confirmation,
           QStringLiteral("The macro wants to write ") + ResolvedPath(dir.path()) +
               QStringLiteral("/no/f.txt.\nAllow it?"),
           MsgButtons::YesNo, MsgAnswer::Yes);
    Expect(MsgKind::Error,
           QStringLiteral("File could not be saved.\n") + dir.path() +
               QStringLiteral("/no/f.txt: No such file or directory"),
           MsgButtons::Ok, MsgAnswer::Ok);
    // An error raised inside a command is caught and stops the run there.
    Expect(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel, MsgAnswer::No);
    fake.prompts.ExpectOpenDialog([](FileDialogState&) -> bool { throw AppError(QStringLiteral("dialog broke")); });
    Expect(MsgKind::Error, QStringLiteral("Error in line 4.\n\"openfile\" failed"), MsgButtons::Ok, MsgAnswer::Ok);
    Run(("insert x\r\nsavefile " + dir.path() + "/no/f.txt\r\ninsert y\r\nopenfile\r\ninsert z\r\n").toUtf8());
    EXPECT_EQ(edit().Text(), QStringLiteral("xy"));
    EXPECT_TRUE(edit().Modified());
    EXPECT_TRUE(form().isVisible());
}

TEST_F(RunMacroTest, UserInputWaitsAndTheStatusBarCatchesUpAtTheEnd)
{
    edit().SetText(QStringLiteral("one\ntwo\nthree"));
    edit().SetSelStart(0);
    const QString before = form().Ui().StatusBar->Panel(1).text;
    Expect(MsgKind::Information, QStringLiteral("Reached end of file!"), MsgButtons::Ok, MsgAnswer::Ok);
    fake.prompts.WhileShown([&] {
        // Typing into the window while a command's box is up reaches nothing.
        QTest::keyClicks(edit().viewport(), QStringLiteral("zz"));
        QTest::keyClicks(&edit(), QStringLiteral("zz"));
        EXPECT_EQ(form().Ui().StatusBar->Panel(1).text, before);
    });
    Run("startsel 8\r\nfind nothing-like-this\r\ninsert X\r\n");
    EXPECT_EQ(edit().Text(), QStringLiteral("one\r\ntwo\r\nXthree"));
    EXPECT_NE(form().Ui().StatusBar->Panel(1).text, before);
    EXPECT_EQ(form().Search().Pos(), 9);
    // After the run the editor takes keys again.
    QTest::keyClicks(&edit(), QStringLiteral("k"));
    EXPECT_EQ(edit().Text(), QStringLiteral("one\r\ntwo\r\nXkthree"));
}

namespace {

QEvent* Key(Qt::Key key)
{
    return new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier);
}

QEvent* Press(QPointF at)
{
    return new QMouseEvent(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
}

}   // namespace

TEST_F(RunMacroTest, EscOrTheRunButtonStopsARunBetweenTwoLinesAndOtherInputIsDropped)
{
    form().Macro().LookIntervalMs = 0;   // a look before every line
    QWidget* typing = edit().viewport();
    QToolButton* run = form().Ui().RunButton;
    const QPoint onRun = run->mapTo(&form(), run->rect().center());
    struct Case {
        const char* what;
        std::function<QObject*()> to;
        std::function<QEvent*()> event;
        bool stops;
    };
    // The rows that run to their end also show that a stop does not outlast its run.
    const Case cases[] = {
        {"Esc to the editor", [&] { return typing; }, [] { return Key(Qt::Key_Escape); }, true},
        // On X11 keys and clicks reach the system window first.
        {"Esc to the main window's system window", [&] { return form().windowHandle(); },
         [] { return Key(Qt::Key_Escape); }, true},
        {"click on Run", [&] { return run; }, [&] { return Press(run->rect().center()); }, true},
        {"click on Run through the system window", [&] { return form().windowHandle(); }, [&] { return Press(onRun); },
         true},
        {"a letter", [&] { return typing; }, [] { return Key(Qt::Key_X); }, false},
        {"a click into the text", [&] { return typing; }, [] { return Press(QPointF(2, 2)); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        edit().SetText(QString());
        // Given while line 3's own box is up; heard before line 4.
        Expect(MsgKind::Information, QStringLiteral("Reached end of file!"), MsgButtons::Ok, MsgAnswer::Ok);
        fake.prompts.WhileShown([&] { QCoreApplication::postEvent(c.to(), c.event()); });
        if (c.stops)
            Expect(MsgKind::Information, QStringLiteral("Macro stopped in line 4."), MsgButtons::Ok, MsgAnswer::Ok);
        Run("insert a\r\ninsert b\r\nfind nothing-like-this\r\ninsert c\r\ninsert d\r\n");
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(Document(), c.stops ? QStringLiteral("ab") : QStringLiteral("abcd"));
        EXPECT_EQ(form().Macro().FailedLine, c.stops ? 4 : 0);
        EXPECT_FALSE(form().Macro().IsRunning);
        EXPECT_FALSE(run->isChecked());
    }
}

TEST_F(RunMacroTest, TheMenuBarsStopItemEndsARunAndNoOtherItemIsPicked)
{
    form().Macro().LookIntervalMs = 0;
    struct Case {
        const char* item;
        bool byKey;   // Enter on the item, else a click
        bool stops;
    };
    const Case cases[] = {
        {"Stop2", false, true}, {"Stop2", true, true}, {"SelectAll2", false, false}, {"SelectAll2", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item) + (c.byKey ? " by Enter" : " by a click"));
        edit().SetText(QString());
        QAction* item = Item(QString::fromUtf8(c.item));
        QMenu* menu = nullptr;
        for (QAction* top : form().menuBar()->actions())
            if (top->menu() && top->menu()->actions().contains(item))
                menu = top->menu();
        ASSERT_NE(menu, nullptr);
        Expect(MsgKind::Information, QStringLiteral("Reached end of file!"), MsgButtons::Ok, MsgAnswer::Ok);
        // The user opens the menu with the mouse while line 3's box is up;
        // the window hears it before line 4.
        fake.prompts.WhileShown([&] {
            QTimer::singleShot(0, &form(), [&] {
                QMenuBar* bar = form().menuBar();
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
                ASSERT_TRUE(menu->isVisible());
                if (c.byKey) {
                    menu->setActiveAction(item);
                    QTest::keyClick(menu, Qt::Key_Return);
                } else {
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
                }
            });
        });
        if (c.stops)
            Expect(MsgKind::Information, QStringLiteral("Macro stopped in line 4."), MsgButtons::Ok, MsgAnswer::Ok);
        Run("insert a\r\ninsert b\r\nfind nothing-like-this\r\ninsert c\r\ninsert d\r\n");
        fake.prompts.VerifyAllShown();
        // Select All picked in the run would have let "c" replace the text.
        EXPECT_EQ(Document(), c.stops ? QStringLiteral("ab") : QStringLiteral("abcd"));
        EXPECT_FALSE(Item(QStringLiteral("Stop2"))->isEnabled()) << "enabled for the run only";
        menu->close();
    }
}

TEST_F(RunMacroTest, InputToACommandsBoxGetsThroughAlsoByItsSystemWindow)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), QStringLiteral("Reached end of file!"),
                    QMessageBox::Ok, &form());
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);
    QWidget* ok = box.button(QMessageBox::Ok);
    const QPoint onOk = ok->mapTo(&box, ok->rect().center());
    QAction* find = Item(QStringLiteral("Find1"));
    struct Case {
        const char* what;
        QObject* to;
        QEvent* event;
        bool blocked;
    };
    QShortcutEvent shortcut(find->shortcut(), 1);
    const Case cases[] = {
        {"Enter to the box's system window", box.windowHandle(), Key(Qt::Key_Return), false},
        {"a click to the box's system window", box.windowHandle(), Press(onOk), false},
        {"Space to OK", ok, Key(Qt::Key_Space), false},
        {"a click on OK", ok, Press(ok->rect().center()), false},
        {"a key to the main window's system window", form().windowHandle(), Key(Qt::Key_Return), true},
        {"a click to the main window's system window", form().windowHandle(), Press(QPointF(5, 5)), true},
        {"a key to the editor", &edit(), Key(Qt::Key_A), true},
        {"a shortcut of the main window", find, &shortcut, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroRunGuard::Blocks(c.to, c.event), c.blocked) << c.what;
        if (c.event != &shortcut)
            delete c.event;
    }
}
