// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowOptions.h"
#include "html/HtmlToolbar.h"
#include "tests/support/MainFormFixture.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace {

class WindowOptionsTest : public MainFormTest {
protected:
    void Click(const char* item) { Item(QString::fromLatin1(item))->trigger(); }
    bool Checked(const char* item) { return Item(QString::fromLatin1(item))->isChecked(); }
    bool Topmost() { return form().windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
    QStringList& Lines() { return form().Macro().MacroLines; }
};

struct ItemPair {
    const char* context;
    const char* main;
};
const ItemPair kOptions[] = {
    {"AlwaysStayOnTop", "AlwaysStayOnTop1"},
    {"AutoTab", "AutoTab1"},
    {"CenterOnScreen", "CenterOnScreen1"},
    {"Trash", "Trash1"},
    {"FixedFont", "FixedFont1"},
    {"Menuvisible", "MenuVisible1"},
    {"RememberDirs", "RememberDirs1"},
    {"RememberPos", "RememberPos1"},
    {"Toolbarvisible", "ToolbarVisible1"},
    {"SaveLineMarkers2", "SaveLineMarkers1"},
};

TEST(CentreOnScreen, HalvesAreTruncatedOneByOne)
{
    EXPECT_EQ(CentredOnScreen(QSize(1280, 1024), QSize(426, 350)), QPoint(427, 337));
    // 640 - 213, where halving the difference would give 426.
    EXPECT_EQ(CentredOnScreen(QSize(1280, 1024), QSize(427, 351)), QPoint(427, 337));
    EXPECT_EQ(CentredOnScreen(QSize(800, 600), QSize(1001, 601)), QPoint(-100, 0));
}

TEST_F(WindowOptionsTest, EitherItemFlipsBothCheckMarks)
{
    CreateAndShow();
    for (const ItemPair& option : kOptions) {
        SCOPED_TRACE(option.main);
        const bool before = Checked(option.context);
        EXPECT_EQ(Checked(option.main), before);
        Click(option.main);
        EXPECT_EQ(Checked(option.context), !before);
        EXPECT_EQ(Checked(option.main), !before);
        Click(option.context);
        EXPECT_EQ(Checked(option.context), before);
        EXPECT_EQ(Checked(option.main), before);
    }
}

TEST_F(WindowOptionsTest, WindowEffectsHappenAtOnceAndAreSavedOnlyAtExit)
{
    CreateAndShow();
    form().move(10, 20);
    form().resize(500, 400);
    QApplication::processEvents();

    Click("AlwaysStayOnTop1");
    EXPECT_TRUE(Topmost());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(form().pos(), QPoint(10, 20)) << "neither moved";
    EXPECT_EQ(form().size(), QSize(500, 400)) << "nor resized";
    Click("AlwaysStayOnTop");
    EXPECT_FALSE(Topmost());
    EXPECT_TRUE(form().isVisible());

    Click("MenuVisible1");
    EXPECT_FALSE(form().menuBar()->isVisible());
    for (QAction* top : form().menuBar()->actions())
        EXPECT_FALSE(top->isVisible());
    Click("Menuvisible");   // from the context menu, the only way back
    EXPECT_TRUE(form().menuBar()->isVisible());
    for (QAction* top : form().menuBar()->actions())
        EXPECT_TRUE(top->isVisible());
    EXPECT_TRUE(Checked("Menuvisible") && Checked("MenuVisible1"));

    Click("ToolbarVisible1");
    EXPECT_FALSE(form().Ui().ToolBar->isVisible());

    Click("CenterOnScreen1");
    const QSize outer = form().frameGeometry().size();   // the window with its frame
    EXPECT_EQ(form().pos(), QPoint(640 - outer.width() / 2, 512 - outer.height() / 2));
    form().move(30, 40);
    Click("CenterOnScreen1");
    EXPECT_EQ(form().pos(), QPoint(30, 40)) << "switching off leaves the window";

    const QByteArray file = ReadFile(fake.settingsFile.FilePath());
    EXPECT_TRUE(file.contains("\"Toolbar\"=dword:00000001")) << "nothing is saved at the change";
    EXPECT_TRUE(form().close());
    EXPECT_TRUE(ReadFile(fake.settingsFile.FilePath()).contains("\"Toolbar\"=dword:00000000"));
}

TEST_F(WindowOptionsTest, StoredOptionsTakeEffectAtStart)
{
    StoreSettings({{"AlwaysStayOnTop", true}, {"Toolbar", false}, {"DeleteToRecycleBin", false}});
    CreateAndShow();
    EXPECT_TRUE(Topmost());
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(form().Ui().ToolBar->isVisible());
    EXPECT_TRUE(Checked("AlwaysStayOnTop") && Checked("AlwaysStayOnTop1"));
    EXPECT_FALSE(Checked("Toolbarvisible") || Checked("ToolbarVisible1"));
    EXPECT_FALSE(Checked("Trash") || Checked("Trash1"));
}

TEST_F(WindowOptionsTest, RecordedLinesKeepTheirPlaceAroundPendingText)
{
    CreateAndShow();
    form().Macro().IsRecording = true;
    form().Macro().PendingText = QStringLiteral("ab");
    Click("CenterOnScreen");
    EXPECT_EQ(Lines(), (QStringList{"Insert ab", "CenterOnScreen On"})) << "the text typed before comes first";
    EXPECT_EQ(form().Macro().PendingText, QString());
    Click("AutoTab1");
    EXPECT_EQ(Lines(), (QStringList{"Insert ab", "CenterOnScreen On", "AutoTab On"}));

    form().Macro().PendingText = QStringLiteral("c");
    Lines().clear();
    Click("AlwaysStayOnTop1");
    Click("RememberPos1");
    for (const char* silent : {"Trash1", "FixedFont1", "RememberDirs1", "ToolbarVisible1", "SaveLineMarkers1"})
        Click(silent);
    Click("AlwaysStayOnTop");
    Click("RememberPos");
    Click("AutoTab");
    Click("CenterOnScreen1");
    EXPECT_EQ(Lines(), (QStringList{"Insert c", "AlwaysStayOnTop On", "RememberPos On", "AlwaysStayOnTop Off",
                                    "RememberPos Off", "AutoTab Off", "CenterOnScreen Off"}));

    form().Macro().IsRecording = false;
    Lines().clear();
    Click("AutoTab");
    Click("CenterOnScreen");
    EXPECT_TRUE(Lines().isEmpty());
}

TEST_F(WindowOptionsTest, HtmlToolbarItemShowsAndClosesTheToolbarWindow)
{
    CreateAndShow();
    Click("Toolbar3");
    EXPECT_TRUE(Checked("Toolbar2") && Checked("Toolbar3"));
    EXPECT_TRUE(windows.htmlToolbar->isVisible());
    windows.htmlToolbar->move(300, 200);
    Click("Toolbar2");
    EXPECT_FALSE(Checked("Toolbar2") || Checked("Toolbar3"));
    EXPECT_FALSE(windows.htmlToolbar->isVisible());
    EXPECT_EQ(windows.htmlToolbar->SavedLeft, 300);
    EXPECT_EQ(windows.htmlToolbar->SavedTop, 200);
}

}   // namespace

TEST_F(WindowOptionsTest, RealWindowKeepsTheKeyboardWhenGoingOnTop)
{
    // Only a window system shows what the flag change does to activation.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real window system";
    QWidget* const typingInto = ShowForTyping();
    ASSERT_NE(typingInto, nullptr);
    for (const bool on : {true, false}) {
        Click("AlwaysStayOnTop1");
        EXPECT_EQ(Topmost(), on);
        // The window is unmapped and mapped again: wait for the dust to settle.
        ExpectKeyboardIn(typingInto, on ? "on top" : "not on top");
    }
}
