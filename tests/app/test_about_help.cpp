// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"
#include "app/AboutHelp.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// Contrast of two colours as the web's accessibility guidelines count it:
// (lighter + 0.05) / (darker + 0.05) of their relative luminances.
double Luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class AboutHelpTest : public MainFormTest {
protected:
    void SetUp() override { started = QDir::currentPath(); }
    void TearDown() override
    {
        QDir::setCurrent(started);
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        MainFormTest::TearDown();
    }
    TAbout& about() { return *form().Ui().About; }
    bool Topmost() { return form().windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
    void OnTop()
    {
        Item(QStringLiteral("AlwaysStayOnTop1"))->trigger();
        ASSERT_TRUE(Topmost());
    }
    void ShowAbout() { Item(QStringLiteral("Info1"))->trigger(); }
    QString MakeHelpFile(const QString& folder)
    {
        QDir().mkpath(TempPath(folder));
        return WriteFile(folder + QStringLiteral("/Mirel-Edit.chm"), "ITSF");
    }
    QString started;
};

TEST_F(AboutHelpTest, AboutGetsPastATopmostWindowAndAClickOrAnyKeyClosesIt)
{
    CreateAndShow();
    OnTop();
    ShowAbout();
    EXPECT_TRUE(about().isVisible());
    EXPECT_FALSE(Topmost());
    EXPECT_EQ(about().size(), QSize(350, 263));
    EXPECT_EQ(about().pos(), QPoint(640 - 175, 512 - 131));
    EXPECT_TRUE(about().windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    QTest::mouseClick(about().Image, Qt::LeftButton);
    EXPECT_FALSE(about().isVisible());
    EXPECT_TRUE(Topmost());
    EXPECT_TRUE(Item(QStringLiteral("AlwaysStayOnTop"))->isChecked());
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Escape}) {
        ShowAbout();
        QTest::keyClick(&about(), key);
        EXPECT_FALSE(about().isVisible()) << key;
    }
}

TEST_F(AboutHelpTest, RealWindowKeyboardComesBackAfterTheAboutBox)
{
    // Only a window system with a window manager shows where activation goes.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real window system";
    QWidget* const typingInto = ShowForTyping();
    ASSERT_NE(typingInto, nullptr);
    for (const bool onTop : {false, true}) {
        if (onTop)
            OnTop();
        ShowAbout();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &about(); }, 5000));
        QTest::mouseClick(about().Image, Qt::LeftButton);
        ExpectKeyboardIn(typingInto, onTop ? "on top" : "not on top");
    }
}

TEST_F(AboutHelpTest, TheLinkShowsTheHandAndOpensTheHomePage)
{
    CreateAndShow();
    form().move(0, 0);   // the pointer goes to the topmost window under it
    ShowAbout();
    QTest::mouseMove(about().Homepage, QPoint(20, 5));
    ASSERT_TRUE(QApplication::overrideCursor());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    QTest::mouseClick(about().Homepage, Qt::LeftButton);
    EXPECT_EQ(fake.shell.opened, QStringList{about().Homepage->text()});
    EXPECT_EQ(about().Homepage->text(), QStringLiteral("https://mirelsoft.example/mirel-edit"));
    EXPECT_TRUE(about().isVisible());
    QTest::mouseMove(about().Datum, QPoint(20, 5));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(about().Version->text(), QStringLiteral("v. 1.5.4"));
}

TEST_F(AboutHelpTest, EveryLabelShowsItsWholeTextReadablyOnThePicture)
{
    CreateAndShow();
    ShowAbout();
    ASSERT_TRUE(about().isVisible());
    const QImage picture = about().Image->pixmap().toImage();
    ASSERT_EQ(picture.size(), about().size());
    bool namesTheLicence = false;
    for (QLabel* label : about().findChildren<QLabel*>()) {
        if (label == about().Image)
            continue;
        const std::string name = label->objectName().toStdString();
        namesTheLicence |= label->text().contains(QStringLiteral("GNU GPL, version 3 or later"));
        // The whole text within the label, and the label within the box.
        const QFontMetrics metrics(label->font());
        const QRect inside = label->contentsRect();
        EXPECT_LE(metrics.horizontalAdvance(label->text()), inside.width()) << name;
        EXPECT_LE(metrics.height(), inside.height()) << name;
        EXPECT_TRUE(about().rect().contains(label->geometry())) << name;
        // Readable on every pixel of the picture behind it.
        const QColor ink = label->palette().color(label->foregroundRole());
        const QRect behind = label->geometry().intersected(picture.rect());
        double worst = 21;
        for (int y = behind.top(); y <= behind.bottom(); ++y)
            for (int x = behind.left(); x <= behind.right(); ++x)
                worst = std::min(worst, Contrast(ink, picture.pixelColor(x, y)));
        EXPECT_GE(worst, 4.5) << name << " in " << ink.name().toStdString();
    }
    EXPECT_TRUE(namesTheLicence);
}

TEST_F(AboutHelpTest, F1LeavesTheTopAndOpensTheWorkingFolderFileElseTheInstalledOne)
{
    CreateAndShow();
    form().SetProgramDir(TempPath(QStringLiteral("usr/bin")));
    QDir().mkpath(TempPath(QStringLiteral("home")));
    QDir::setCurrent(TempPath(QStringLiteral("home")));
    OnTop();
    Expect(MsgKind::Error, QStringLiteral("Helpfile not found."), MsgButtons::Ok, MsgAnswer::Ok);
    QTest::keyClick(edit().InputWidget(), Qt::Key_F1);
    EXPECT_FALSE(Topmost());
    EXPECT_FALSE(Item(QStringLiteral("AlwaysStayOnTop"))->isChecked());
    EXPECT_FALSE(Item(QStringLiteral("AlwaysStayOnTop1"))->isChecked());
    EXPECT_TRUE(form().Macro().MacroLines.isEmpty());

    const QString installed = MakeHelpFile(QStringLiteral("usr/share/mirel-edit"));
    QTest::keyClick(edit().InputWidget(), Qt::Key_F1);
    const QString working = MakeHelpFile(QStringLiteral("home"));
    QTest::keyClick(edit().InputWidget(), Qt::Key_F1);
    EXPECT_EQ(fake.shell.opened, (QStringList{installed, working}));
    // A program still in its build tree finds the help built beside it.
    EXPECT_EQ(FindHelpFile(HelpFolders(TempPath(QStringLiteral("empty")), TempPath(QStringLiteral("usr")))),
              MakeHelpFile(QStringLiteral("usr/help")));
}

}   // namespace

namespace {

TEST_F(AboutHelpTest, WithoutACHMViewerF1OpensTheInstalledHtmlPagesElseSaysSo)
{
    struct Case {
        const char* what;
        bool chm, pages, viewer;
        const char* opened;   // relative to the test folder; nullptr: "Helpfile not found."
    };
    const Case cases[] = {
        {"viewer", true, true, true, "usr/share/mirel-edit/Mirel-Edit.chm"},
        {"no viewer: the pages", true, true, false, "usr/share/mirel-edit/index.html"},
        {"no viewer and no pages: the file all the same", true, false, false, "usr/share/mirel-edit/Mirel-Edit.chm"},
        {"pages alone", false, true, true, "usr/share/mirel-edit/index.html"},
        {"nothing", false, false, false, nullptr},
    };
    CreateAndShow();
    form().SetProgramDir(TempPath(QStringLiteral("usr/bin")));
    QDir().mkpath(TempPath(QStringLiteral("home")));
    QDir::setCurrent(TempPath(QStringLiteral("home")));
    // A page of the user's own web site in the working folder is no help.
    WriteFile(QStringLiteral("home/index.html"), "<p>mine</p>");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(TempPath(QStringLiteral("usr/share"))).removeRecursively();
        if (c.chm)
            MakeHelpFile(QStringLiteral("usr/share/mirel-edit"));
        if (c.pages) {
            QDir().mkpath(TempPath(QStringLiteral("usr/share/mirel-edit")));
            WriteFile(QStringLiteral("usr/share/mirel-edit/index.html"), "<p>help</p>");
        }
        fake.shell.unopened = c.viewer ? QStringList() : QStringList{QStringLiteral("chm")};
        fake.shell.opened.clear();
        if (!c.opened)
            Expect(MsgKind::Error, QStringLiteral("Helpfile not found."), MsgButtons::Ok, MsgAnswer::Ok);
        QTest::keyClick(edit().InputWidget(), Qt::Key_F1);
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(fake.shell.opened, c.opened ? QStringList{TempPath(QLatin1String(c.opened))} : QStringList());
    }
}

}   // namespace
