// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/HtmlTemplates.h"
#include "html/HtmlToolbar.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Each control's text with "abc" selected; with nothing selected the same
// without "abc", unless given.
struct Expected {
    const char* control;
    const char* withAbc;
    const char* withNothing = nullptr;
};
const Expected kTable[] = {
    {"b", "<b>abc</b>"},
    {"i", "<i>abc</i>"},
    {"u", "<u>abc</u>"},
    {"pre", "<pre>abc</pre>"},
    {"h", "<h1>abc</h1>"},
    {"h1", "<h1>abc</h1>"},
    {"h2", "<h2>abc</h2>"},
    {"h3", "<h3>abc</h3>"},
    {"h4", "<h4>abc</h4>"},
    {"h5", "<h5>abc</h5>"},
    {"h6", "<h6>abc</h6>"},
    {"frameset", "<frameset>abc</frameset>"},
    {"frame", "<frame>abc</frame>"},
    {"frames", "<frame>abc</frame>"},
    {"tr", "<tr>abc</tr>"},
    {"td", "<td>abc</td>"},
    {"border", "border=\"abc\""},
    {"height", "height=\"abc\""},
    {"width", "width=\"abc\""},
    {"br", "<br />"},
    {"hr", "<hr />"},
    {"ol", "<li>\r\nabc\r\n</li>", "<ol>\r\n<li>\r\n</li>\r\n</ol>"},
    {"ul", "<li>\r\nabc\r\n</li>", "<ul>\r\n<li>\r\n</li>\r\n</ul>"},
    {"size", "<font size=\"\">abc</font>"},
    {"face", "<font face=\"\">abc</font>"},
    {"color", "<font color=\"\">abc</font>"},
    {"font", "<font >abc</font>"},
    {"aleft", "<p align=\"left\">abc</p>", "align=\"left\""},
    {"acenter", "<p align=\"center\">abc</p>", "align=\"center\""},
    {"aright", "<p align=\"right\">abc</p>", "align=\"right\""},
    {"ajustify", "<p align=\"justify\">abc</p>", "align=\"justify\""},
    {"Paragraph", "<p align=\"left\">abc</p>", "align=\"left\""},
    {"author", "<meta name=\"author\" content=\"abc\" />"},
    {"keywords", "<meta name=\"keywords\" content=\"abc\" />"},
    {"description", "<meta name=\"description\" content=\"abc\" />"},
    {"contentlanguage", "<meta http-equiv=\"content-language\" content=\"abc\" />"},
    {"metas", "<meta name=\"\" content=\"abc\" />"},
    {"comment", "<!--\r\nabc\r\n-->"},
    {"ToolButton1", "<a href=\"abc\">abc</a>"},
    {"image", "<img src=\"abc\" alt=\"\" />"},
    {"name", "<a name=\"abc\" />"},
    {"body", "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\nabc\r\n</body>\r\n</html>"},
    {"JavaScript", "<script language=\"JavaScript\" type=\"text/javascript\">\r\n<!--\r\nabc\r\n//-->\r\n"
                   "</script>\r\n<noscript>\r\n\r\n</noscript>"},
    {"css", "<style type=\"text/css\">\r\n<!--\r\nabc\r\n//-->\r\n</style>"},
    {"tables", "<table summary=\"\">\r\n<tr>\r\n<th></th>\r\n</tr>\r\n<tr>\r\n<td></td>\r\n</tr>\r\n</table>abc"},
    {"Table1", "<table summary=\"\">\r\n<tr>\r\n<th></th>\r\n</tr>\r\n<tr>\r\n<td></td>\r\n</tr>\r\n</table>abc"},
};

TEST(HtmlTemplates, EveryControlInsertsItsText)
{
    for (const Expected& e : kTable) {
        SCOPED_TRACE(e.control);
        const QString abc = QLatin1String(e.withAbc);
        const QString nothing =
            e.withNothing ? QString::fromLatin1(e.withNothing) : QString(abc).remove(QStringLiteral("abc"));
        EXPECT_EQ(HtmlInsertion(QLatin1String(e.control), QStringLiteral("abc")), abc);
        EXPECT_EQ(HtmlInsertion(QLatin1String(e.control), QString()), nothing);
    }
    EXPECT_EQ(HtmlTemplateTable().size(), std::size(kTable));
    // A selection that looks like the placeholder is text like any other.
    EXPECT_EQ(HtmlInsertion(QStringLiteral("name"), QStringLiteral("{sel}")), QStringLiteral("<a name=\"{sel}\" />"));
    EXPECT_EQ(HtmlInsertion(QStringLiteral("nosuch"), QStringLiteral("abc")), std::nullopt);
}

TEST(HtmlToolbarPlace, RememberedPlaceOnlyWhenSetAndOnTheDesktop)
{
    const QRect main(100, 50, 400, 300);
    const QSize desktop(2560, 1024);
    EXPECT_EQ(HTMLToolbarPlace(0, 0, desktop, main), QPoint(500, 50));
    EXPECT_EQ(HTMLToolbarPlace(2560, 1024, desktop, main), QPoint(500, 50));
    EXPECT_EQ(HTMLToolbarPlace(9000, 300, desktop, main), QPoint(500, 300));
    EXPECT_EQ(HTMLToolbarPlace(-20, 7, desktop, main), QPoint(-20, 7));
}

class HtmlToolbarTest : public MainFormTest {
protected:
    THTMLToolbar& bar() { return *windows.htmlToolbar; }
    QToolButton* Button(const char* name) { return bar().findChild<QToolButton*>(QLatin1String(name)); }
    void ShowToolbar()
    {
        Item(QStringLiteral("Toolbar2"))->trigger();
        ASSERT_TRUE(bar().isVisible());
    }
    void ClickFace(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton, {}, QPoint(6, 11)); }
    // Opens the button's menu with its arrow and clicks the item, as a user does.
    void ChooseItem(const char* button, const char* item)
    {
        QToolButton* b = Button(button);
        bool released = false;
        QTimer::singleShot(50, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            released = true;
            for (QToolButton* other : bar().ToolBar2->findChildren<QToolButton*>())
                released = released && !other->isDown();
            QAction* action = menu->findChild<QAction*>(QLatin1String(item));
            if (!action)
                menu->close();   // the test fails instead of waiting
            ASSERT_NE(action, nullptr) << item;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        });
        // The arrow is the right part of the drop-down button.
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 5, b->height() / 2));
        EXPECT_TRUE(released) << "menu of " << button << " opened with a button held down";
    }
};

TEST_F(HtmlToolbarTest, ClicksReplaceTheSelectionAndLeaveNothingToUndo)
{
    struct Case {
        const char* typed;
        int selStart, selLength;
        const char* button;
        const char* item;   // nullptr: the button itself
        const char* text;
    };
    const Case cases[] = {
        {"abc", 0, 3, "b", nullptr, "<b>abc</b>"},
        {"", 0, 0, "ToolButton1", nullptr, "<a href=\"\"></a>"},
        {"x abc", 2, 3, "br", nullptr, "x <br />"},
        {"", 0, 0, "ol", nullptr, "<ol>\r\n<li>\r\n</li>\r\n</ol>"},
        {"abc", 0, 3, "ol", nullptr, "<li>\r\nabc\r\n</li>"},
        {"", 0, 0, "Paragraph", "aleft", "align=\"left\""},
        {"abc", 0, 3, "Paragraph", "aleft", "<p align=\"left\">abc</p>"},
        {"abc", 0, 3, "h", "h3", "<h3>abc</h3>"},
    };
    CreateAndShow();
    ShowToolbar();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + "/" + (c.item ? c.item : ""));
        edit().Clear();
        QTest::keyClicks(edit().viewport(), QLatin1String(c.typed));
        edit().SetSelStart(c.selStart);
        edit().SetSelLength(c.selLength);
        if (c.item)
            ChooseItem(c.button, c.item);
        else
            ClickFace(c.button);
        EXPECT_EQ(edit().Text(), QLatin1String(c.text));
        EXPECT_EQ(edit().SelLength(), 0);
        EXPECT_EQ(edit().SelStart(), edit().TextLength()) << "caret after the inserted text";
        EXPECT_FALSE(edit().CanUndo());
    }
    EXPECT_TRUE(form().Macro().MacroLines.isEmpty());
}

TEST_F(HtmlToolbarTest, EveryButtonAndItemHasATemplateAndEveryButtonAnIcon)
{
    Create();
    QSet<QString> controls;
    for (QToolButton* b : bar().findChildren<QToolButton*>()) {
        controls << b->objectName();
        EXPECT_FALSE(b->icon().pixmap(16, 16).isNull() || b->toolTip().isEmpty()) << b->objectName().toStdString();
    }
    for (QAction* a : bar().findChildren<QAction*>())
        controls << a->objectName();
    controls.remove(QString());   // the menus' own actions
    QSet<QString> table;
    for (const HtmlTemplateRow& row : HtmlTemplateTable())
        table << QLatin1String(row.control);
    EXPECT_EQ(controls, table);
    EXPECT_EQ(bar().findChildren<QToolButton*>().size(), 24);
}

TEST_F(HtmlToolbarTest, ARememberedPlaceOffTheDesktopPutsItBesideTheMainWindow)
{
    StoreSettings({{"RememberPos", true}, {"HTMLLeft", qint32(3000)}, {"HTMLTop", qint32(5000)}});
    CreateAndShow();
    ShowToolbar();
    const QRect main = form().frameGeometry();
    EXPECT_EQ(bar().pos(), QPoint(main.right() + 1, main.top()));
    // Above the main window as its tool window, not above its dialogs.
    EXPECT_FALSE(bar().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(bar().windowType(), Qt::Tool);
    EXPECT_EQ(bar().parentWidget(), &form());
    EXPECT_TRUE(Item(QStringLiteral("Toolbar2"))->isChecked() && Item(QStringLiteral("Toolbar3"))->isChecked());
}

TEST_F(HtmlToolbarTest, ClosingClearsTheCheckMarksClosingTheMainWindowKeepsThem)
{
    CreateAndShow();
    ShowToolbar();
    bar().move(300, 400);
    bar().close();   // its close box
    EXPECT_FALSE(bar().isVisible());
    EXPECT_FALSE(Item(QStringLiteral("Toolbar2"))->isChecked() || Item(QStringLiteral("Toolbar3"))->isChecked());
    EXPECT_EQ(QPoint(bar().SavedLeft, bar().SavedTop), QPoint(300, 400));

    Item(QStringLiteral("Toolbar3"))->trigger();   // from the context menu
    EXPECT_EQ(bar().pos(), QPoint(300, 400));
    bar().move(320, 410);
    form().close();
    EXPECT_TRUE(Item(QStringLiteral("Toolbar2"))->isChecked() && Item(QStringLiteral("Toolbar3"))->isChecked());
    EXPECT_EQ(QPoint(bar().SavedLeft, bar().SavedTop), QPoint(320, 410));
}

}   // namespace
