// SPDX-License-Identifier: GPL-3.0-or-later
// The library on its own, without a main window: a host that only keeps
// what it is told, the fake prompts and shell, and a bare tree.
#include "library/Library.h"
#include "library/MacroTree.h"
#include "tests/support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class KeepingHost : public LibraryHost {
public:
    QString dir;
    bool button = false, editorShown = true;
    QString field;
    QMap<LibraryCommand, bool> enabled;

    QString MacroDir() const override { return dir; }
    void SetMacroDir(const QString& d) override { dir = d; }
    bool SortOn() const override { return true; }
    bool FlipSort() override { return true; }
    void EnableCommand(LibraryCommand command, bool on) override { enabled[command] = on; }
    bool LibraryButtonOn() const override { return button; }
    void SetLibraryButtonOn(bool on) override { button = on; }
    void ShowEditorPanel(bool show) override { editorShown = show; }
    void FocusEditor() override {}
    QString MacroField() const override { return field; }
    void SetMacroField(const QString& name) override { field = name; }
    void ClearMacroField() override { field.clear(); }
};

// A key in the shown library, with the node selected and the macro field's
// text before it; what the window is told to show after it.
TEST(LibraryWithoutWindow, KeysInTheTreeTellTheHostWhatToShow)
{
    struct Case {
        const char* name;
        int key;
        const char* selected;
        const char* fieldBefore;
        MsgAnswer deleteAnswer;   // Ok or Cancel when Delete asks; No when nothing should ask
        bool consumed, stillShown;
        const char* fieldAfter;
        bool fileKept;
    };
    const Case cases[] = {
        {"Return picks a macro", Qt::Key_Return, "Hello", "", MsgAnswer::No, true, false, "Hello", true},
        {"Enter on a folder is no pick", Qt::Key_Enter, "Web", "x", MsgAnswer::No, true, true, "x", true},
        {"Escape leaves", Qt::Key_Escape, "Hello", "x", MsgAnswer::No, true, false, "x", true},
        {"Delete empties the field of its name", Qt::Key_Delete, "Hello", "hELLO", MsgAnswer::Ok, true, true, "",
         false},
        {"Delete keeps another name", Qt::Key_Delete, "Hello", "Hello2", MsgAnswer::Ok, true, true, "Hello2", false},
        {"Delete cancelled", Qt::Key_Delete, "Hello", "Hello", MsgAnswer::Cancel, true, true, "Hello", true},
        {"other keys are the tree's", Qt::Key_A, "Hello", "x", MsgAnswer::No, false, true, "x", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("Web.macro"))));
        const QString hello = dir.filePath(QStringLiteral("Hello.macro"));
        ASSERT_TRUE(QFile(hello).open(QIODevice::WriteOnly));
        FakePlatform fake;
        const Platform platform = fake.platform();
        KeepingHost host;
        host.dir = dir.path() + QLatin1Char('/');
        host.field = QString::fromUtf8(c.fieldBefore);
        QTreeWidget tree;
        auto* root = new TMacroTreeItem(QStringLiteral("Macros"), MacroNodeKind::Root);
        tree.addTopLevelItem(root);
        MacroLibrary library(host, platform, tree, *root);
        library.Reload();
        library.Choose(true);
        ASSERT_TRUE(host.button && !host.editorShown && tree.isVisible());
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(0) == QString::fromUtf8(c.selected))
                tree.setCurrentItem(root->child(i));
        if (c.deleteAnswer != MsgAnswer::No)
            fake.prompts.ExpectMessage(MsgKind::Confirmation, QStringLiteral("Really delete this macro?"),
                                       MsgButtons::OkCancel, c.deleteAnswer);
        int key = c.key;
        library.KeyDown(key);
        fake.prompts.VerifyAllShown();

        EXPECT_EQ(key == 0, c.consumed);
        EXPECT_EQ(tree.isVisible(), c.stillShown);
        EXPECT_EQ(host.button, c.stillShown);
        EXPECT_EQ(host.editorShown, !c.stillShown);
        EXPECT_EQ(host.field, QString::fromUtf8(c.fieldAfter));
        EXPECT_EQ(QFile::exists(hello), c.fileKept);
        // Shown, New Folder works and the main menu's Macro Directory not;
        // left, the other way round, with the context menu's as well.
        EXPECT_EQ(host.enabled.value(LibraryCommand::NewFolder), c.stillShown);
        EXPECT_EQ(host.enabled.value(LibraryCommand::MacroDirectory), !c.stillShown);
        EXPECT_EQ(host.enabled.value(LibraryCommand::MacroDirectoryInPopup), !c.stillShown);
    }
}

}   // namespace
