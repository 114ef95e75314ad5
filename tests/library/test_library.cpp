// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/MacroLibrary.h"
#include "library/MacroTree.h"
#include "tests/support/MacroLibraryFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

// ------------------------------------------------------------ pure rules

TEST(MacroLibraryRules, PathsNamesAndDrops)
{
    EXPECT_EQ(NodeFilePath(QStringLiteral("/m/"), {}), QStringLiteral("/m"));
    EXPECT_EQ(NodeFilePath(QStringLiteral("/m/"), {QStringLiteral("Web")}), QStringLiteral("/m/Web.macro"));
    EXPECT_EQ(NodeFilePath(QStringLiteral("/m/"), {QStringLiteral("Web"), QStringLiteral("Hello")}),
              QStringLiteral("/m/Web.macro/Hello.macro"));

    EXPECT_EQ(CleanMacroName(QStringLiteral("a:b*c/d|e?f\"g<h>i\\j")), QStringLiteral("abcdefghi\\j"));
    for (const char* bad : {"", ".", "..", "..."})
        EXPECT_FALSE(IsUsableMacroName(QString::fromUtf8(bad))) << bad;
    EXPECT_TRUE(IsUsableMacroName(QStringLiteral(".x")));

    EXPECT_TRUE(SameMacroName(QStringLiteral("Hello"), QStringLiteral("hELLO")));
    EXPECT_FALSE(SameMacroName(QStringLiteral("\u00C4rger"), QStringLiteral("\u00E4rger"))) << "only A to Z fold";

    const QStringList web{QStringLiteral("Web")}, webSub{QStringLiteral("Web"), QStringLiteral("Sub")};
    EXPECT_FALSE(DropMoves(web, web));
    EXPECT_FALSE(DropMoves(web, webSub));
    EXPECT_TRUE(DropMoves(webSub, {}));
    EXPECT_FALSE(DropMoves({}, web)) << "the root stays";
    EXPECT_TRUE(DropMoves(web, {QStringLiteral("Webby")}));
}

TEST(MacroLibraryRules, LettersFirstThenCase)
{
    QStringList names{QStringLiteral("banana"), QStringLiteral("Cherry"), QStringLiteral("apple"),
                      QStringLiteral("Banana")};
    std::sort(names.begin(), names.end(), MacroNameLess);
    EXPECT_EQ(names.first(), QStringLiteral("apple"));
    EXPECT_EQ(names.last(), QStringLiteral("Cherry"));
    EXPECT_TRUE(names.indexOf(QStringLiteral("banana")) < 3 && names.indexOf(QStringLiteral("Banana")) < 3);
}

TEST(MacroLibraryRules, SavedMacroJoinsOnlyThroughLibraryFolders)
{
    const QString dir = QStringLiteral("/m/");
    EXPECT_EQ(SavedMacroNodeTexts(dir, QStringLiteral("/m/Web.macro/new.macro")),
              (QStringList{QStringLiteral("Web"), QStringLiteral("new")}));
    EXPECT_EQ(SavedMacroNodeTexts(dir, QStringLiteral("/m/my.site.macro/x.macro")),
              (QStringList{QStringLiteral("my.site"), QStringLiteral("x")}));
    EXPECT_FALSE(SavedMacroNodeTexts(dir, QStringLiteral("/m/plain/x.macro")));
    EXPECT_FALSE(SavedMacroNodeTexts(dir, QStringLiteral("/other/x.macro")));
    EXPECT_FALSE(SavedMacroNodeTexts(dir, QStringLiteral("/m/x.txt")));
}

// ------------------------------------------------------------ the tree in the window

TEST_F(MacroLibraryTest, LoadsFoldersAndMacrosSortedAndSkipsOtherFiles)
{
    Make(QStringLiteral("Old.macro"), true);
    Make(QStringLiteral("Old.macro/A.macro"));
    Make(QStringLiteral("Old.macro/notes.txt"));
    Make(QStringLiteral("zeta.macro"));
    Make(QStringLiteral("Beta.macro"));
    Make(QStringLiteral("readme.txt"));
    // A link back up the tree is shown but not entered again and again.
    ASSERT_TRUE(QFile::link(lib, lib + QStringLiteral("Old.macro/Loop.macro")));
    Start();
    EXPECT_EQ(Shape(), (QStringList{QStringLiteral("Macros"), QStringLiteral("  Beta"), QStringLiteral("  Old/"),
                                    QStringLiteral("    A"), QStringLiteral("    Loop/"), QStringLiteral("  zeta")}));
    EXPECT_FALSE(tree().isVisible());
    EXPECT_EQ(form().NodeFilePath(Node({QStringLiteral("Old"), QStringLiteral("A")})),
              lib + QStringLiteral("Old.macro/A.macro"));
}

TEST_F(MacroLibraryTest, MissingDirectoryGivesAnEmptyTree)
{
    lib = dir.filePath(QStringLiteral("gone/"));
    Start();
    EXPECT_EQ(Shape(), QStringList{QStringLiteral("Macros")});
}

TEST_F(MacroLibraryTest, NewFolderCreatesOnceThenFailsAndTogglesTheLibrary)
{
    Start();
    ShowLibrary();
    Select(form().Ui().TreeRoot);
    Item(QStringLiteral("NewFolder1"))->trigger();
    EXPECT_TRUE(QFileInfo(lib + QStringLiteral("Macrofolder.macro")).isDir());
    EXPECT_EQ(tree().currentItem()->text(0), QStringLiteral("Macrofolder"));
    EXPECT_FALSE(tree().isVisible()) << "shown before, so hidden now";
    EXPECT_FALSE(form().Ui().MakroButton->isChecked());

    ShowLibrary();
    Select(form().Ui().TreeRoot);
    Expect(MsgKind::Error, QStringLiteral("Folder could not be created!"), MsgButtons::Ok, MsgAnswer::Ok);
    Item(QStringLiteral("NewFolder1"))->trigger();
    EXPECT_EQ(Shape(), (QStringList{QStringLiteral("Macros"), QStringLiteral("  Macrofolder/")}));
    EXPECT_TRUE(tree().isVisible());
}

TEST_F(MacroLibraryTest, RenameInPlaceCleansRefusesAndNeverReplaces)
{
    Make(QStringLiteral("A.macro"));
    Make(QStringLiteral("Keep.macro"));
    Start();
    ShowLibrary();
    Rename(Node({QStringLiteral("A")}), QStringLiteral("a:b*c"));
    EXPECT_TRUE(QFile::exists(lib + QStringLiteral("abc.macro")));
    EXPECT_FALSE(QFile::exists(lib + QStringLiteral("A.macro")));
    ASSERT_NE(Node({QStringLiteral("abc")}), nullptr);

    // Onto an existing name, to nothing, or to dots only: the label stays.
    for (const QString& refused : {QStringLiteral("Keep"), QStringLiteral("::"), QStringLiteral("..")}) {
        Rename(Node({QStringLiteral("abc")}), refused);
        EXPECT_NE(Node({QStringLiteral("abc")}), nullptr) << refused.toStdString();
        EXPECT_TRUE(QFile::exists(lib + QStringLiteral("abc.macro")));
    }
    EXPECT_EQ(ReadFile(lib + QStringLiteral("Keep.macro")), QByteArray("Insert x\r\n"));
    EXPECT_EQ(Shape(), (QStringList{QStringLiteral("Macros"), QStringLiteral("  abc"), QStringLiteral("  Keep")}));
}

TEST_F(MacroLibraryTest, DragAndDropMovesOnDiskFirst)
{
    Make(QStringLiteral("Web.macro/Sub.macro"), true);
    Make(QStringLiteral("Web.macro/Sub.macro/deep.macro"));
    Make(QStringLiteral("Other.macro"), true);
    Make(QStringLiteral("Other.macro/Web.macro"));
    Make(QStringLiteral("m.macro"));
    Start();
    ShowLibrary();
    tree().expandAll();
    QTreeWidgetItem* web = Node({QStringLiteral("Web")});
    Select(web);
    EXPECT_FALSE(Drag(Node({QStringLiteral("m")}), false)) << "no drop onto a macro";
    EXPECT_TRUE(Drag(Node({QStringLiteral("Other")}), false));

    Drag(Node({QStringLiteral("Web"), QStringLiteral("Sub")}));   // into its own subtree: nothing
    EXPECT_TRUE(QFile::exists(lib + QStringLiteral("Web.macro/Sub.macro/deep.macro")));

    Expect(MsgKind::Error, QStringLiteral("Macro could not be moved."), MsgButtons::Ok, MsgAnswer::Ok);
    Drag(Node({QStringLiteral("Other")}));   // a Web is there already
    EXPECT_EQ(ReadFile(lib + QStringLiteral("Other.macro/Web.macro")), QByteArray("Insert x\r\n"));
    EXPECT_NE(Node({QStringLiteral("Web")}), nullptr);

    Select(Node({QStringLiteral("Web"), QStringLiteral("Sub")}));
    Drag(form().Ui().TreeRoot);
    EXPECT_TRUE(QFile::exists(lib + QStringLiteral("Sub.macro/deep.macro")));
    EXPECT_NE(Node({QStringLiteral("Sub"), QStringLiteral("deep")}), nullptr) << "the folder keeps its children";
    EXPECT_EQ(tree().currentItem(), Node({QStringLiteral("Sub")}));
    EXPECT_EQ(Node({QStringLiteral("Web")})->childCount(), 0);
}

TEST_F(MacroLibraryTest, DeleteKeyMovesToTheTrashAndEmptiesTheField)
{
    Make(QStringLiteral("Greeting.macro"));
    Make(QStringLiteral("Stay.macro"));
    Start();
    Item(QStringLiteral("Delete4"))->setEnabled(true);
    QTest::keyClicks(form().Ui().MakroFeld, QStringLiteral("greeting"));
    ShowLibrary();
    Select(Node({QStringLiteral("Greeting")}));
    Expect(MsgKind::Confirmation, QStringLiteral("Really delete this macro?"), MsgButtons::OkCancel, MsgAnswer::Cancel);
    QTest::keyClick(&tree(), Qt::Key_Delete);
    EXPECT_TRUE(QFile::exists(lib + QStringLiteral("Greeting.macro")));

    Expect(MsgKind::Confirmation, QStringLiteral("Really delete this macro?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    QTest::keyClick(&tree(), Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(lib + QStringLiteral("Greeting.macro")));
    const QString trash = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/");
    EXPECT_TRUE(QFile::exists(trash + QStringLiteral("files/Greeting.macro")));
    EXPECT_TRUE(QFile::exists(trash + QStringLiteral("info/Greeting.macro.trashinfo")));
    EXPECT_TRUE(form().Ui().MakroFeld->text().isEmpty());
    EXPECT_EQ(Shape(), (QStringList{QStringLiteral("Macros"), QStringLiteral("  Stay")}));
}

TEST_F(MacroLibraryTest, SortOffAndOnKeepsEveryEntryOnce)
{
    for (const char* name : {"c.macro", "A.macro", "b.macro", "F.macro/x.macro", "F.macro/a.macro"})
        QString::fromUtf8(name).contains(QLatin1Char('/')) ? (void)QDir().mkpath(lib + QStringLiteral("F.macro"))
                                                           : (void)0;
    for (const char* name : {"c.macro", "A.macro", "b.macro", "F.macro/x.macro", "F.macro/a.macro"})
        Make(QString::fromUtf8(name));
    Start();
    const QStringList sorted = Shape();
    Item(QStringLiteral("SortMacros1"))->trigger();
    EXPECT_FALSE(Item(QStringLiteral("SortMacros"))->isChecked());
    QStringList unsorted = Shape();
    EXPECT_EQ(unsorted.size(), sorted.size());
    Item(QStringLiteral("SortMacros1"))->trigger();
    EXPECT_EQ(Shape(), sorted);
}

TEST_F(MacroLibraryTest, PickByDoubleClickOrEnterAndLeaveByEscape)
{
    Make(QStringLiteral("Web.macro"), true);
    Make(QStringLiteral("Web.macro/Hello.macro"));
    Start();
    ShowLibrary();
    tree().expandAll();
    QTreeWidgetItem* hello = Node({QStringLiteral("Web"), QStringLiteral("Hello")});
    Select(Node({QStringLiteral("Web")}));
    QTest::keyClick(&tree(), Qt::Key_Return);
    EXPECT_TRUE(tree().isVisible()) << "a folder is no pick";

    Select(hello);
    QTest::mouseDClick(tree().viewport(), Qt::LeftButton, {}, tree().visualItemRect(hello).center());
    EXPECT_FALSE(tree().isVisible());
    EXPECT_FALSE(form().Ui().MakroButton->isChecked());
    EXPECT_EQ(form().Ui().MakroFeld->text(), QStringLiteral("Hello"));
    EXPECT_FALSE(Item(QStringLiteral("NewFolder1"))->isEnabled());

    form().Ui().MakroFeld->clear();
    ShowLibrary();
    EXPECT_FALSE(Item(QStringLiteral("MacroDirectory1"))->isEnabled());
    QTest::keyClick(&tree(), Qt::Key_Escape);
    EXPECT_FALSE(tree().isVisible());
    EXPECT_TRUE(form().Ui().MakroFeld->text().isEmpty());
    EXPECT_TRUE(Item(QStringLiteral("MacroDirectory1"))->isEnabled());
}

TEST_F(MacroLibraryTest, MacroDirectoryReloadsAndRestoresThePointer)
{
    Make(QStringLiteral("old.macro"));
    Start();
    const QString other = dir.filePath(QStringLiteral("other"));
    QDir().mkpath(other + QStringLiteral("/In.macro"));
    fake.prompts.ExpectFolder(QString());
    Item(QStringLiteral("MacroDirectory1"))->trigger();
    EXPECT_EQ(form().Startup().MacroDir, lib);
    fake.prompts.ExpectFolder(other);
    Item(QStringLiteral("MacroDirectory1"))->trigger();
    EXPECT_EQ(form().Startup().MacroDir, other + QLatin1Char('/'));
    EXPECT_EQ(Shape(), (QStringList{QStringLiteral("Macros"), QStringLiteral("  In/")}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MacroLibraryTest, SaveAsMacroIntoALibraryFolderAddsOneNode)
{
    Make(QStringLiteral("Web.macro"), true);
    Start();
    form().Ui().RichEdit->SetText(QStringLiteral("Insert hi"));
    for (int i = 0; i < 2; ++i) {
        fake.prompts.ExpectSaveDialog([&](FileDialogState& s) {
            s.fileName = lib + QStringLiteral("Web.macro/new");
            s.filterIndex = 5;
            return true;
        });
        if (i == 1)
            Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel,
                   MsgAnswer::Ok);
        Item(QStringLiteral("SaveAs1"))->trigger();
    }
    EXPECT_TRUE(QFile::exists(lib + QStringLiteral("Web.macro/new.macro")));
    EXPECT_EQ(Shape(), (QStringList{QStringLiteral("Macros"), QStringLiteral("  Web/"), QStringLiteral("    new")}));
}
