#include "html/HtmlTemplates.h"
#include "html/Unit3.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QMenu>
#include <QStyleOptionToolButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Each control's text with "abc" selected and with nothing selected, as
// the toolbar's command table gives them.
struct Expected {
    const char* control;
    const char* withAbc;
    const char* withNothing;
};
const Expected kTable[] = {
    {"b", "<b>abc</b>", "<b></b>"}, {"i", "<i>abc</i>", "<i></i>"}, {"u", "<u>abc</u>", "<u></u>"},
    {"pre", "<pre>abc</pre>", "<pre></pre>"}, {"h", "<h1>abc</h1>", "<h1></h1>"},
    {"h1", "<h1>abc</h1>", "<h1></h1>"}, {"h6", "<h6>abc</h6>", "<h6></h6>"},
    {"frameset", "<frameset>abc</frameset>", "<frameset></frameset>"},
    {"frame", "<frame>abc</frame>", "<frame></frame>"}, {"frames", "<frame>abc</frame>", "<frame></frame>"},
    {"tr", "<tr>abc</tr>", "<tr></tr>"}, {"td", "<td>abc</td>", "<td></td>"},
    {"border", "border=\"abc\"", "border=\"\""}, {"height", "height=\"abc\"", "height=\"\""},
    {"width", "width=\"abc\"", "width=\"\""}, {"br", "<br />", "<br />"}, {"hr", "<hr />", "<hr />"},
    {"ol", "<li>\r\nabc\r\n</li>", "<ol>\r\n<li>\r\n</li>\r\n</ol>"},
    {"ul", "<li>\r\nabc\r\n</li>", "<ul>\r\n<li>\r\n</li>\r\n</ul>"},
    {"size", "<font size=\"\">abc</font>", "<font size=\"\"></font>"},
    {"face", "<font face=\"\">abc</font>", "<font face=\"\"></font>"},
    {"color", "<font color=\"\">abc</font>", "<font color=\"\"></font>"},
    {"font", "<font >abc</font>", "<font ></font>"},
    {"aleft", "<p align=\"left\">abc</p>", "align=\"left\""},
    {"acenter", "<p align=\"center\">abc</p>", "align=\"center\""},
    {"aright", "<p align=\"right\">abc</p>", "align=\"right\""},
    {"ajustify", "<p align=\"justify\">abc</p>", "align=\"justify\""},
    {"Paragraph", "<p align=\"left\">abc</p>", "align=\"left\""},
    {"author", "<meta name=\"author\" content=\"abc\" />", "<meta name=\"author\" content=\"\" />"},
    {"keywords", "<meta name=\"keywords\" content=\"abc\" />", "<meta name=\"keywords\" content=\"\" />"},
    {"description", "<meta name=\"description\" content=\"abc\" />", "<meta name=\"description\" content=\"\" />"},
    {"contentlanguage", "<meta http-equiv=\"content-language\" content=\"abc\" />",
     "<meta http-equiv=\"content-language\" content=\"\" />"},
    {"metas", "<meta name=\"\" content=\"abc\" />", "<meta name=\"\" content=\"\" />"},
    {"comment", "<!--\r\nabc\r\n-->", "<!--\r\n\r\n-->"},
    {"ToolButton1", "<a href=\"abc\">abc</a>", "<a href=\"\"></a>"},
    {"image", "<img src=\"abc\" alt=\"\" />", "<img src=\"\" alt=\"\" />"},
    {"name", "<a name=\"abc\" />", "<a name=\"\" />"},
    {"body", "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\nabc\r\n</body>\r\n</html>",
     "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>"},
    {"JavaScript",
     "<script language=\"JavaScript\" type=\"text/javascript\">\r\n<!--\r\nabc\r\n//-->\r\n</script>\r\n"
     "<noscript>\r\n\r\n</noscript>",
     "<script language=\"JavaScript\" type=\"text/javascript\">\r\n<!--\r\n\r\n//-->\r\n</script>\r\n"
     "<noscript>\r\n\r\n</noscript>"},
    {"css", "<style type=\"text/css\">\r\n<!--\r\nabc\r\n//-->\r\n</style>",
     "<style type=\"text/css\">\r\n<!--\r\n\r\n//-->\r\n</style>"},
    {"tables",
     "<table summary=\"\">\r\n<tr>\r\n<th></th>\r\n</tr>\r\n<tr>\r\n<td></td>\r\n</tr>\r\n</table>abc",
     "<table summary=\"\">\r\n<tr>\r\n<th></th>\r\n</tr>\r\n<tr>\r\n<td></td>\r\n</tr>\r\n</table>"},
};

TEST(HtmlTemplates, EveryControlInsertsItsText)
{
    for (const Expected& e : kTable) {
        SCOPED_TRACE(e.control);
        EXPECT_EQ(HtmlInsertion(QLatin1String(e.control), QStringLiteral("abc")), QLatin1String(e.withAbc));
        EXPECT_EQ(HtmlInsertion(QLatin1String(e.control), QString()), QLatin1String(e.withNothing));
    }
    EXPECT_EQ(HtmlInsertion(QStringLiteral("Table1"), QStringLiteral("x")), HtmlInsertion(QStringLiteral("tables"), QStringLiteral("x")));
    // A selection that looks like the placeholder is text like any other.
    EXPECT_EQ(HtmlInsertion(QStringLiteral("ToolButton1"), QStringLiteral("{sel}")),
              QStringLiteral("<a href=\"{sel}\">{sel}</a>"));
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
        form().Item(QStringLiteral("Toolbar2"))->trigger();
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
            ASSERT_NE(action, nullptr) << item;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        });
        QStyleOptionToolButton option;
        option.initFrom(b);
        option.subControls = QStyle::SC_ToolButton | QStyle::SC_ToolButtonMenu;
        option.features = QStyleOptionToolButton::MenuButtonPopup | QStyleOptionToolButton::HasMenu;
        const QRect arrow = b->style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, b);
        QTest::mouseClick(b, Qt::LeftButton, {}, arrow.center());
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
        int lines;
    };
    const Case cases[] = {
        {"abc", 0, 3, "b", nullptr, "<b>abc</b>", 1},
        {"", 0, 0, "ToolButton1", nullptr, "<a href=\"\"></a>", 1},
        {"x abc", 2, 3, "br", nullptr, "x <br />", 1},
        {"", 0, 0, "ol", nullptr, "<ol>\r\n<li>\r\n</li>\r\n</ol>", 4},
        {"abc", 0, 3, "ol", nullptr, "<li>\r\nabc\r\n</li>", 3},
        {"", 0, 0, "Paragraph", "aleft", "align=\"left\"", 1},
        {"abc", 0, 3, "Paragraph", "aleft", "<p align=\"left\">abc</p>", 1},
        {"abc", 0, 3, "h", "h3", "<h3>abc</h3>", 1},
        {"abc", 0, 3, "metas", "contentlanguage", "<meta http-equiv=\"content-language\" content=\"abc\" />", 1},
    };
    CreateAndShow();
    ShowToolbar();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + "/" + (c.item ? c.item : ""));
        edit().Clear();
        QTest::keyClicks(edit().View()->viewport(), QLatin1String(c.typed));
        edit().SetSelStart(c.selStart);
        edit().SetSelLength(c.selLength);
        if (c.item)
            ChooseItem(c.button, c.item);
        else
            ClickFace(c.button);
        EXPECT_EQ(edit().Text(), QLatin1String(c.text));
        EXPECT_EQ(edit().LineCount(), c.lines);
        EXPECT_EQ(edit().SelLength(), 0);
        EXPECT_EQ(edit().SelStart(), edit().TextLength()) << "caret after the inserted text";
        EXPECT_FALSE(edit().CanUndo());
    }
    EXPECT_TRUE(form().Macro.MacroLines.isEmpty());
}

TEST_F(HtmlToolbarTest, EveryButtonAndItemHasATemplateAndAnIcon)
{
    CreateAndShow();
    QStringList controls;
    for (QToolButton* b : bar().findChildren<QToolButton*>()) {
        controls << b->objectName();
        EXPECT_FALSE(b->icon().pixmap(16, 16).isNull()) << b->objectName().toStdString();
        EXPECT_FALSE(b->toolTip().isEmpty());
    }
    for (QAction* a : bar().findChildren<QAction*>())
        if (!a->objectName().isEmpty())
            controls << a->objectName();
    QStringList table;
    for (const HtmlTemplateRow& row : HtmlTemplateTable())
        table << QLatin1String(row.control);
    controls.sort();
    table.sort();
    EXPECT_EQ(controls, table);
    EXPECT_EQ(bar().findChildren<QToolButton*>().size(), 24);
    EXPECT_EQ(bar().size(), QSize(110, 138));
}

TEST_F(HtmlToolbarTest, PlacedByTheRememberedPositionAndOnTop)
{
    struct Case { int left, top; bool remembered; };
    for (const Case c : {Case{0, 0, false}, Case{3000, 5000, false}, Case{120, 80, true}}) {
        StoreSetting(QStringLiteral("RememberPos"), true);
        StoreSetting(QStringLiteral("HTMLLeft"), qint32(c.left));
        StoreSetting(QStringLiteral("HTMLTop"), qint32(c.top));
        CreateAndShow();
        ShowToolbar();
        const QRect main = form().frameGeometry();
        EXPECT_EQ(bar().pos(), c.remembered ? QPoint(c.left, c.top) : QPoint(main.right() + 1, main.top()));
        EXPECT_TRUE(bar().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(form().IsChecked(QStringLiteral("Toolbar2")) && form().IsChecked(QStringLiteral("Toolbar3")));
        TearDown();
    }
}

TEST_F(HtmlToolbarTest, ClosingClearsTheCheckMarksClosingTheMainWindowKeepsThem)
{
    CreateAndShow();
    ShowToolbar();
    bar().move(300, 400);
    bar().close();   // its close box
    EXPECT_FALSE(bar().isVisible());
    EXPECT_FALSE(form().IsChecked(QStringLiteral("Toolbar2")) || form().IsChecked(QStringLiteral("Toolbar3")));
    EXPECT_EQ(QPoint(bar().SavedLeft, bar().SavedTop), QPoint(300, 400));

    form().Item(QStringLiteral("Toolbar3"))->trigger();   // from the context menu
    EXPECT_EQ(bar().pos(), QPoint(300, 400));
    bar().move(320, 410);
    form().close();
    EXPECT_TRUE(form().IsChecked(QStringLiteral("Toolbar2")) && form().IsChecked(QStringLiteral("Toolbar3")));
    EXPECT_EQ(QPoint(bar().SavedLeft, bar().SavedTop), QPoint(320, 410));
}

} // namespace
