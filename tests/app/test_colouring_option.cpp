// SPDX-License-Identifier: GPL-3.0-or-later
// The colouring option as the user meets it: its two menu items, the
// coloured document in the window, and the setting across starts.
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

class ColouringOptionTest : public MainFormTest {
protected:
    // The colour the first tag of the document is shown in, once painted.
    QColor TagColour()
    {
        QApplication::processEvents();
        edit().viewport()->repaint();
        return edit().ShownColourAt(1);
    }
    // Picks a main menu item with the mouse, as the user does.
    void Click(QAction* item)
    {
        QMenu* menu = nullptr;
        for (QAction* top : form().menuBar()->actions())
            if (top->menu() && top->menu()->actions().contains(item))
                menu = top->menu();
        ASSERT_NE(menu, nullptr);
        QMenuBar* bar = form().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
};

}   // namespace

TEST_F(ColouringOptionTest, EitherItemSwitchesTheColoursOfTheOpenDocumentAndStartsKeepIt)
{
    CreateAndShow();
    ASSERT_NE(Item("SyntaxColouring"), nullptr);
    ASSERT_NE(Item("SyntaxColouring1"), nullptr);
    EXPECT_TRUE(Item("SyntaxColouring1")->isChecked()) << "on by default";

    const QString html = WriteFile(QStringLiteral("page.html"), "<p class=\"a\">x &amp; y</p>\r\n");
    const QString text = WriteFile(QStringLiteral("page.txt"), "<p class=\"a\">x &amp; y</p>\r\n");
    form().OpenNamed(html);
    EXPECT_TRUE(TagColour().isValid());
    EXPECT_FALSE(edit().Modified());

    struct Step {
        const char* item;
        bool on;
    } const steps[] = {{"SyntaxColouring1", false}, {"SyntaxColouring", true}, {"SyntaxColouring", false}};
    for (const Step& s : steps) {
        // The main menu's item by mouse; the context menu's twin by its action.
        if (QString::fromLatin1(s.item).endsWith(u'1'))
            Click(Item(s.item));
        else
            Item(s.item)->trigger();
        EXPECT_EQ(Item("SyntaxColouring")->isChecked(), s.on) << s.item;
        EXPECT_EQ(Item("SyntaxColouring1")->isChecked(), s.on) << s.item;
        EXPECT_EQ(TagColour().isValid(), s.on) << s.item;
        EXPECT_FALSE(edit().Modified()) << s.item;
    }

    // Off is what the next start finds: an HTML document opens plain.
    EXPECT_TRUE(form().close());
    Restart();
    EXPECT_FALSE(Item("SyntaxColouring1")->isChecked());
    form().OpenNamed(html);
    EXPECT_FALSE(TagColour().isValid());

    Item("SyntaxColouring1")->trigger();
    EXPECT_TRUE(TagColour().isValid());
    // A text document is never coloured, nor one saved under a text name.
    form().OpenNamed(text);
    EXPECT_FALSE(TagColour().isValid());
    form().OpenNamed(html);
    ASSERT_TRUE(TagColour().isValid());
    const QString copy = TempPath(QStringLiteral("copy.txt"));
    fake.prompts.ExpectSaveDialog([copy](FileDialogState& s) {
        s.fileName = copy;
        return true;
    });
    form().SaveAs1Click();
    EXPECT_FALSE(TagColour().isValid());

    EXPECT_TRUE(form().close());
    Restart();
    EXPECT_TRUE(Item("SyntaxColouring")->isChecked());
}
