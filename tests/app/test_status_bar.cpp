// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QTest>

namespace {

std::vector<StatusPanel> Panels(std::initializer_list<int> widths)
{
    std::vector<StatusPanel> panels;
    for (int w : widths)
        panels.push_back({QStringLiteral("overwrite"), w});
    return panels;
}

TEST(StatusBarHitTest, TooltipsAndSwatchesKeepStrictlyInsideTheirEdges)
{
    const auto plain = Panels({150, 100, 10, 27, 27, 50});   // edges 150 250 260 287 314 364
    const std::pair<int, const char*> tips[] = {
        {0, nullptr},
        {1, "filesize"},
        {150, nullptr},
        {151, "current position"},
        {255, "overwrite"},
        {270, "last chosen color"},
        {300, "last selected color"},
        {363, "file attributes"},
        {364, nullptr},
    };
    for (auto [x, tip] : tips)
        EXPECT_EQ(PanelTooltip(plain, x), tip ? std::optional(QString::fromLatin1(tip)) : std::nullopt) << x;
    EXPECT_EQ(PanelTooltip(Panels({0, 100, 10, 0, 0, 50}), 1), QStringLiteral("current position"));

    const struct {
        int x, y, swatch;
    } clicks[] = {
        {263, 10, -1}, {264, 10, 3}, {284, 10, 3}, {285, 10, -1}, {291, 10, 4},
        {312, 10, -1}, {270, 3, -1}, {270, 4, 3},  {270, 18, 3},  {270, 19, -1},
    };
    for (const auto& c : clicks)
        EXPECT_EQ(SwatchAt(plain, c.x, c.y, 20), c.swatch) << c.x << "," << c.y;
}

class StatusBarTest : public MainFormTest {
protected:
    TStatusBar& bar() { return *form().Ui().StatusBar; }
    QPoint Inside(int panel) { return bar().PanelRect(panel).center(); }
    void Click(QPoint p) { QTest::mouseClick(&bar(), Qt::LeftButton, {}, p); }
    void Hover(int x) { QTest::mouseMove(&bar(), QPoint(x, bar().height() / 2)); }
};

TEST_F(StatusBarTest, SwatchClickInsertsItsColourAsHtmlDigits)
{
    // The text colour is not hexadecimal.
    StoreSettings({{"LastDialogRGB", QStringLiteral("FF0000")}, {"LastTextRGB", QStringLiteral("GG0000")}});
    CreateAndShow();
    EXPECT_EQ(form().StatusBarPixel(Inside(3).x(), Inside(3).y()), QColor(Qt::blue));
    EXPECT_EQ(form().StatusBarPixel(Inside(4).x(), Inside(4).y()), QColor(Qt::white));
    const QRect swatch = bar().PanelRect(4);
    // Within the margins: 3 pixels left, 2 right, the top 4 rows.
    for (QPoint p : {QPoint(swatch.left() + 3, 10), QPoint(swatch.right() - 1, 10), QPoint(swatch.left() + 10, 3)})
        Click(p);
    EXPECT_EQ(edit().Text(), QString());
    Click(Inside(3));
    Click(Inside(4));
    EXPECT_EQ(edit().Text(), QStringLiteral("0000FFFFFFFF"));
}

TEST_F(StatusBarTest, WhileRecordingAClickRecordsOneInsertLineAfterTheTypedText)
{
    StoreSetting(QStringLiteral("LastDialogRGB"), QStringLiteral("8040C0"));
    CreateAndShow();
    form().Macro().IsRecording = true;
    QTest::keyClicks(edit().InputWidget(), QStringLiteral("a b"));
    Click(Inside(3));
    EXPECT_EQ(form().Macro().MacroLines, (QStringList{"Insert a\\sb", "Insert C04080"}));
    EXPECT_EQ(edit().Text(), QStringLiteral("a bC04080"));
}

TEST_F(StatusBarTest, TooltipFollowsThePointerAndStaysOnAnEdge)
{
    CreateAndShow();
    Hover(Inside(2).x());
    EXPECT_EQ(bar().toolTip(), QStringLiteral("insert"));
    Hover(PanelEdge(bar().Panels(), 1));
    EXPECT_EQ(bar().toolTip(), QStringLiteral("insert"));
    Hover(Inside(1).x());
    EXPECT_EQ(bar().toolTip(), QStringLiteral("current position"));

    form().RunHandler(&TMainForm::PlainTextClick);   // empty document: rich without asking
    for (int panel : {0, 3, 4})
        EXPECT_EQ(bar().Panel(panel).width, 0) << panel;
    Hover(1);
    EXPECT_EQ(bar().toolTip(), QStringLiteral("current position"));
    Click(QPoint(PanelEdge(bar().Panels(), 2) + 5, 10));   // where a swatch was
    EXPECT_EQ(edit().Text(), QString());
}

}   // namespace

TEST_F(StatusBarTest, APlainDocumentAfterARichOneShowsTheSwatchesAgain)
{
    const QString rich = WriteFile(QStringLiteral("a.rtf"), "{\\rtf1 a}");
    const QString plain = WriteFile(QStringLiteral("b.txt"), "b");
    // Ways from a rich editor, swatches hidden, to a plain document.
    struct Case {
        const char* what;
        QStringList opened;
    };
    const Case cases[] = {
        {"a plain file opened", {plain}},
        {"a rich file, then a plain one", {rich, plain}},
    };
    CreateAndShow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form().Clear1Click();
        if (edit().IsPlainText())
            form().RunHandler(&TMainForm::PlainTextClick);   // empty: rich without asking
        ASSERT_EQ(bar().Panel(3).width, 0);
        for (const QString& file : c.opened)
            form().OpenNamed(file);
        ASSERT_TRUE(edit().IsPlainText());
        for (int panel : {3, 4})
            EXPECT_EQ(bar().Panel(panel).width, TStatusBar::kSwatchWidth) << panel;
    }
}
