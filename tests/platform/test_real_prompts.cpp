// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs of QtPrompts, answered through their own widgets while
// the main window runs on them.
#include "tests/support/MainFormFixture.h"
#include "tests/support/ModalDialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

class RealPromptsTest : public MainFormTest {
protected:
    void SetUp() override
    {
        Platform platform = fake.platform();
        platform.prompts = &prompts;
        windows = CreateProgramWindows(platform, {});
        prompts.SetOwner(windows.main.get());
        Show();
        // The open dialog starts in the folder of the last file opened.
        form().Session().State().LastOpenDir = dir.path();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    // A key as the user types it, to whatever has the focus.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }
    static void Click(QWidget* widget, const QPoint& at)
    {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    }
    // The file dialog's Open button, clicked once a name is typed.
    static void ClickOpen(QFileDialog& dialog)
    {
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        QPushButton* open = buttons->button(QDialogButtonBox::Open);
        ASSERT_NE(open, nullptr);
        ASSERT_TRUE(open->isEnabled()) << "the dialog takes the typed name";
        Click(open, open->rect().center());
    }
    // Clicks the entry of a list that shows the text; false when none does.
    static bool ClickEntry(QListView& list, const QString& text)
    {
        const QModelIndexList found =
            list.model()->match(list.model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        list.scrollTo(found.first());
        Click(list.viewport(), list.visualRect(found.first()).center());
        return list.currentIndex() == found.first();
    }
    // The visible list of a dialog that holds an entry of that text.
    static QListView* ListHolding(QWidget& dialog, const QString& text)
    {
        for (QListView* list : dialog.findChildren<QListView*>()) {
            if (list->isVisible() &&
                !list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly).isEmpty())
                return list;
        }
        return nullptr;
    }

    QtPrompts prompts;
};

}   // namespace

TEST_F(RealPromptsTest, OpenDialogTakesANameWithoutExtensionAndOpenAddsTheFiltersOne)
{
    const QString notes = WriteFile(QStringLiteral("notes.txt"), "my notes");
    bool filterShown = false;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
        filterShown = dialog.selectedNameFilter().startsWith(QLatin1String("Text Files"));
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->clear();
        QTest::keyClicks(name, QStringLiteral("notes"));
        ClickOpen(dialog);
    });
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(filterShown);
    EXPECT_EQ(form().Session().State().CurrentFile, notes);
    EXPECT_EQ(edit().Text(), QStringLiteral("my notes"));
}

TEST_F(RealPromptsTest, FontDialogShowsFamiliesAndSizesThatTheUserChooses)
{
    const QString current = QFontInfo(edit().ControlFont()).family();
    QString family;
    for (const QString& f : QFontDatabase::families())
        if (f != current && !QFontDatabase::isPrivateFamily(f))
            family = f;
    ASSERT_FALSE(family.isEmpty()) << "the machine has a second font family";

    bool chose = false;
    WhenShown<QDialog>([&](QDialog& dialog) {
        QListView* families = ListHolding(dialog, family);
        ASSERT_NE(families, nullptr) << "the family list is on screen";
        ASSERT_TRUE(ClickEntry(*families, family));
        QListView* sizes = ListHolding(dialog, QStringLiteral("14"));
        ASSERT_NE(sizes, nullptr) << "the size list is on screen";
        ASSERT_TRUE(ClickEntry(*sizes, QStringLiteral("14")));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
        ASSERT_TRUE(ok->isVisible());
        chose = true;
        Click(ok, ok->rect().center());
    });
    // Options > Font ... with the mouse.
    QMenuBar* bar = form().menuBar();
    QAction* font = Item(QStringLiteral("Font2"));
    ASSERT_NE(font, nullptr);
    auto* options = bar->findChild<QMenu*>(QStringLiteral("OptionsMenu"));
    ASSERT_NE(options, nullptr);
    Click(bar, bar->actionGeometry(options->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    Click(options, options->actionGeometry(font).center());

    EXPECT_TRUE(chose);
    EXPECT_EQ(form().Startup().UserFont.font.family(), family);
    EXPECT_EQ(form().Startup().UserFont.font.pointSize(), 14);
    EXPECT_EQ(edit().ControlFont().family(), family);
}

TEST_F(RealPromptsTest, MessageBoxesCarryTheirKindAloneWhateverDocumentIsOpen)
{
    const QString path = WriteFile(QStringLiteral("letter.txt"), "text");
    form().OpenNamed(path);
    ASSERT_EQ(form().windowTitle(), path);
    // X11 adds the display name to every window's title.
    EXPECT_FALSE(QGuiApplication::applicationDisplayName().contains(QLatin1String("letter")));
    EXPECT_EQ(form().ApplicationTitle(), path);

    const struct {
        MsgKind kind;
        const char* title;
    } kinds[] = {{MsgKind::Warning, "Warning"},
                 {MsgKind::Error, "Error"},
                 {MsgKind::Information, "Information"},
                 {MsgKind::Confirmation, "Confirm"}};
    for (const auto& k : kinds) {
        QString shown;
        WhenShown<QMessageBox>([&](QMessageBox& box) {
            shown = box.windowTitle();
            box.button(QMessageBox::Ok)->click();
        });
        prompts.MessageBox(k.kind, QStringLiteral("x"), MsgButtons::Ok);
        EXPECT_EQ(shown, QString::fromLatin1(k.title));
    }
}
