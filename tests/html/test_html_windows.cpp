// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML toolbar and the Tidy window in a real window system with a
// window manager (see tests/xvfb/with_wm.sh): where the keyboard goes, how
// the windows stack, and where they are put. Skipped offscreen.
#include "html/HtmlToolbar.h"
#include "html/TidyErrors.h"
#include "tests/support/MainFormFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>

namespace {

// An X tool's output, trimmed; empty when it failed.
QString Tool(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(5000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString Xprop(WId window, const char* property)
{
    return Tool(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QLatin1String(property)});
}

// The managed windows from bottom to top.
QList<WId> Stacking()
{
    const QString list =
        Tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<WId> windows;
    for (const QString& word : list.mid(list.indexOf(u'#') + 1).split(u',', Qt::SkipEmptyParts))
        windows.append(word.trimmed().toULongLong(nullptr, 16));
    return windows;
}

class HtmlWindowsTest : public MainFormTest {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs a real window system";
        if (Tool(QStringLiteral("xdotool"), {QStringLiteral("version")}).isEmpty())
            GTEST_SKIP() << "needs xdotool";
    }
    THTMLToolbar& bar() { return *windows.htmlToolbar; }
    // Shown beside the main window, both mapped and framed.
    void ShowBoth()
    {
        CreateAndShow();
        form().setGeometry(40, 60, 600, 400);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        ASSERT_NE(ActivateForTyping(), nullptr);
        Item(QStringLiteral("Toolbar2"))->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return bar().frameGeometry() != bar().geometry(); }, 5000));
    }
    QString ActiveWindow() { return Tool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}); }
};

TEST_F(HtmlWindowsTest, EveryToolbarClickLeavesTheKeyboardInTheEditor)
{
    ShowBoth();
    const QString main = QString::number(form().winId());
    const auto* bold = bar().findChild<QToolButton*>(QStringLiteral("b"));
    ASSERT_NE(bold, nullptr);
    const QPoint at = bold->mapTo(&bar(), bold->rect().center());
    for (int click = 0; click < 100; ++click) {
        SCOPED_TRACE(click);
        edit().Clear();
        Tool(QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(bar().winId()),
              QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return edit().Text() == QLatin1String("<b></b>"); }, 5000))
            << edit().Text().toStdString();
        // A letter typed at once must reach the editor, not the toolbar.
        Tool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("x")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return edit().Text() == QLatin1String("<b></b>x"); }, 3000))
            << "typed letter lost; active window " << ActiveWindow().toStdString() << ", main " << main.toStdString();
        ASSERT_EQ(ActiveWindow(), main);
    }
}

TEST_F(HtmlWindowsTest, ToolbarIsAToolWindowOfTheMainWindowBelowItsDialogs)
{
    ShowBoth();
    // Its own frame: a close button, no minimize or maximize, not above all.
    const QString transient = Xprop(bar().winId(), "WM_TRANSIENT_FOR");
    EXPECT_EQ(transient.mid(transient.lastIndexOf(u' ') + 1).toULongLong(nullptr, 16), form().winId())
        << transient.toStdString();
    const QString actions = Xprop(bar().winId(), "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE"))) << actions.toStdString();
    for (const char* absent : {"MINIMIZE", "MAXIMIZE", "FULLSCREEN"})
        EXPECT_FALSE(actions.contains(QLatin1String(absent))) << actions.toStdString();
    EXPECT_FALSE(Xprop(bar().winId(), "_NET_WM_STATE").contains(QStringLiteral("ABOVE")));

    // A modal dialog of the main window, as Save As is, covers the toolbar.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Save As"), QStringLiteral("dialog"), QMessageBox::Ok,
                    &form());
    box.setWindowModality(Qt::ApplicationModal);
    box.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QList<WId> stacking;   // bottom to top
    const auto index = [&](WId w) { return stacking.indexOf(w); };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            stacking = Stacking();
            return index(box.winId()) >= 0 && index(bar().winId()) >= 0 && index(bar().winId()) < index(box.winId());
        },
        5000))
        << "the dialog is not above the toolbar";
    box.done(0);
    EXPECT_LT(index(form().winId()), index(bar().winId())) << "the toolbar is above the main window";
}

TEST_F(HtmlWindowsTest, TidyListShowsItsLongestLineWholeAndLeavesTheMenuAndToolbarsFree)
{
    CreateAndShow();
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().frameGeometry() != form().geometry(); }, 5000));
    form().move(screen.left() + 100, screen.top());   // framed: no room above it
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return form().frameGeometry().topLeft() == screen.topLeft() + QPoint(100, 0); }, 5000))
        << form().frameGeometry().y();
    // Lines as Tidy writes them.
    QDir().mkpath(TempPath(QStringLiteral("tidy")));
    const QString tidy = WriteFile(
        QStringLiteral("tidy/tidy"),
        "#!/bin/sh\ncat >/dev/null\n"
        "echo 'line 1 column 1 - Warning: missing <!DOCTYPE> declaration' >&2\n"
        "echo 'Info: Document content looks like HTML5' >&2\n"
        "echo 'To learn more about HTML Tidy see http://tidy.sourceforge.net and the list of all options, please "
        "see http://api.html-tidy.org/tidy/quickref_5.6.0.html' >&2\n");
    QFile::setPermissions(tidy, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    form().Startup().TidyLocation = TempPath(QStringLiteral("tidy/"));
    edit().SetText(QStringLiteral("<p>x"));
    Item(QStringLiteral("SyntaxCheck1"))->trigger();
    TTidyErrors& errors = *windows.tidyErrors;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors.IsRunning() && errors.ErrorList->count() == 3; }, 10000));

    QListWidget& list = *errors.ErrorList;
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    const auto shownWhole = [&] {
        for (int i = 0; i < list.count(); ++i) {
            if (list.fontMetrics().horizontalAdvance(list.item(i)->text()) + 2 * margin > list.viewport()->width())
                return false;
        }
        return !list.horizontalScrollBar()->isVisible();
    };
    const QRect bars(
        form().frameGeometry().left(), form().menuBar()->mapToGlobal(QPoint(0, 0)).y(), form().frameGeometry().width(),
        form().centralWidget()->mapToGlobal(QPoint(0, 0)).y() - form().menuBar()->mapToGlobal(QPoint(0, 0)).y());
    ASSERT_GT(bars.height(), 0);
    const auto placed = [&] {
        const QRect frame = errors.frameGeometry();
        return frame != errors.geometry() && screen.contains(frame) && !frame.intersects(bars);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWhole() && placed(); }, 5000));
    EXPECT_TRUE(shownWhole()) << "viewport " << list.viewport()->width();
    EXPECT_TRUE(placed()) << "frame at " << errors.frameGeometry().x() << "," << errors.frameGeometry().y() << " "
                          << errors.frameGeometry().width() << "x" << errors.frameGeometry().height() << ", bars "
                          << bars.top() << "-" << bars.bottom() << ", main frame at " << form().frameGeometry().y();
}

}   // namespace
