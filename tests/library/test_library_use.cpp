// SPDX-License-Identifier: GPL-3.0-or-later
// The library as the user works it with keys and the mouse: renaming in
// place, coming back to it after a pick, saving macros into it, and the
// macro field beside it.
#include "tests/support/MacroLibraryFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

struct RenameKey {
    const char* name;
    Qt::Key key;
};

}   // namespace

TEST_F(MacroLibraryTest, EnterInTheLabelEditorOnlyEndsTheRename)
{
    // A macro of its own for each key: a node just renamed is made anew.
    Make(QStringLiteral("First.macro"));
    Make(QStringLiteral("Second.macro"));
    Start();
    ShowLibrary();
    const RenameKey keys[] = {{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}};
    const QString names[] = {QStringLiteral("First"), QStringLiteral("Second")};
    QString current;
    for (int i = 0; i < 2; ++i) {
        const RenameKey& k = keys[i];
        SCOPED_TRACE(k.name);
        const QString wanted = QStringLiteral("Renamed ") + QString::fromLatin1(k.name);
        Rename(Node({names[i]}), wanted, k.key);
        EXPECT_TRUE(QFile::exists(lib + wanted + QStringLiteral(".macro")));
        EXPECT_NE(Node({wanted}), nullptr);
        EXPECT_TRUE(tree().isVisible()) << "the library stays";
        EXPECT_TRUE(form().Ui().MakroButton->isChecked());
        EXPECT_TRUE(form().Ui().MakroFeld->text().isEmpty()) << "nothing was picked";
        current = wanted;
    }
    // Outside the editor Enter still picks.
    Select(Node({current}));
    QTest::keyClick(&tree(), Qt::Key_Return);
    EXPECT_FALSE(tree().isVisible());
    EXPECT_EQ(form().Ui().MakroFeld->text(), current);
}

TEST_F(MacroLibraryTest, NewFolderWorksAgainWheneverTheLibraryIsShown)
{
    Make(QStringLiteral("Hello.macro"));
    Start();
    struct Leave {
        const char* name;
        std::function<void()> leave;
    };
    const Leave ways[] = {
        {"pick with Enter",
         [&] {
             Select(Node({QStringLiteral("Hello")}));
             QTest::keyClick(&tree(), Qt::Key_Return);
         }},
        {"Escape", [&] { QTest::keyClick(&tree(), Qt::Key_Escape); }},
    };
    int made = 0;
    for (const Leave& way : ways) {
        for (const bool byMenu : {false, true}) {
            SCOPED_TRACE(std::string(way.name) + (byMenu ? ", shown again by Ctrl+B" : ", shown again by the button"));
            ShowLibrary();
            way.leave();
            ASSERT_FALSE(tree().isVisible());
            ASSERT_FALSE(Item(QStringLiteral("NewFolder1"))->isEnabled());
            if (byMenu)
                QTest::keyClick(&form(), Qt::Key_B, Qt::ControlModifier);
            else
                QTest::mouseClick(form().Ui().MakroButton, Qt::LeftButton);
            ASSERT_TRUE(tree().isVisible());
            EXPECT_TRUE(Item(QStringLiteral("NewFolder1"))->isEnabled());
            EXPECT_TRUE(Item(QStringLiteral("NewFolder"))->isEnabled());

            // Ctrl+N makes a folder (and hides the library, as New Folder does).
            Select(form().Ui().TreeRoot);
            QTest::keyClick(&tree(), Qt::Key_N, Qt::ControlModifier);
            EXPECT_TRUE(QFileInfo(lib + QStringLiteral("Macrofolder.macro")).isDir());
            EXPECT_FALSE(tree().isVisible());
            ++made;
            ASSERT_TRUE(QDir(lib + QStringLiteral("Macrofolder.macro")).removeRecursively());
            delete Node({QStringLiteral("Macrofolder")});
        }
    }
    EXPECT_EQ(made, 4);
}

TEST_F(MacroLibraryTest, SaveAsAMacroAddsOneNodeWhereverTheExtensionCameFrom)
{
    Make(QStringLiteral("Web.macro"), true);
    Start();
    form().Ui().RichEdit->SetText(QStringLiteral("Insert hi"));
    struct Case {
        const char* typed;   // below the macro directory
        int filterIndex;
        const char* node;
    };
    const Case cases[] = {
        {"Typed.macro", 1, "Typed"},   // extension typed, text filter
        {"Web.macro/Both.macro", 5, "Both"},   // typed and the Macros filter
        {"Web.macro/FromFilter", 5, "FromFilter"},   // the filter adds it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        for (int i = 0; i < 2; ++i) {   // a second save of the same name adds nothing
            fake.prompts.ExpectSaveDialog([&](FileDialogState& s) {
                s.fileName = lib + QString::fromUtf8(c.typed);
                s.filterIndex = c.filterIndex;
                return true;
            });
            if (i == 1)
                Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel,
                       MsgAnswer::Ok);
            Item(QStringLiteral("SaveAs1"))->trigger();
            fake.prompts.VerifyAllShown();
        }
    }
    EXPECT_EQ(Shape(), (QStringList{QStringLiteral("Macros"), QStringLiteral("  Typed"), QStringLiteral("  Web/"),
                                    QStringLiteral("    Both"), QStringLiteral("    FromFilter")}));
}

TEST_F(MacroLibraryTest, DoubleClickInTheMacroFieldSelectsTheWholeName)
{
    Start();
    QLineEdit* field = form().Ui().MakroFeld;
    field->setText(QStringLiteral("Say hello world"));
    // Wherever the double click lands: on the first, a middle or the last word.
    for (const qsizetype at : {qsizetype(1), qsizetype(6), qsizetype(13)}) {
        SCOPED_TRACE(at);
        field->deselect();
        field->setCursorPosition(int(at));
        const QPoint point = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QTest::mouseDClick(field, Qt::LeftButton, {}, point);
        EXPECT_EQ(field->selectedText(), QStringLiteral("Say hello world"));
    }
}
