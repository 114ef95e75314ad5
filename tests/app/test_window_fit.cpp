// SPDX-License-Identifier: GPL-3.0-or-later
// The window as this platform draws it: toolbars, icons and status panels,
// with the fonts and scale factors found here.
#include "app/StatusBar.h"
#include "tests/support/MainFormFixture.h"

#include <QFile>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

class WindowFitTest : public MainFormTest {
protected:
    // Every text panel on show holds its text whole: the text and the
    // frame and padding painted around it.
    void ExpectTextsFit(const char* when)
    {
        const TStatusBar& bar = *form().Ui().StatusBar;
        for (int i = 0; i < bar.PanelCount(); ++i) {
            const StatusPanel& p = bar.Panel(i);
            if (p.width > 0 && !p.ownerDrawn)
                EXPECT_GE(p.width, bar.TextWidth(p.text) + 6)
                    << when << ": panel " << i << " \"" << p.text.toStdString() << '"';
        }
    }
};

}   // namespace

TEST_F(WindowFitTest, MainToolbarShowsEveryButtonAtTheSmallestWindowSize)
{
    CreateAndShow();
    form().resize(426, 350);
    QApplication::processEvents();
    QToolBar* bar = form().Ui().ToolBar;
    ASSERT_TRUE(bar->isVisible());
    ASSERT_EQ(form().width(), 426);
    int shown = 0;
    for (QAction* action : bar->actions()) {
        QWidget* widget = bar->widgetForAction(action);
        if (action->isSeparator() || !widget)
            continue;
        EXPECT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
        EXPECT_TRUE(bar->rect().contains(widget->geometry())) << widget->objectName().toStdString();
        ++shown;
    }
    EXPECT_EQ(shown, 11) << "eight buttons, the macro field and its two buttons";
    for (QToolButton* b : bar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        EXPECT_FALSE(b->isVisible()) << "no overflow arrow";
}

TEST_F(WindowFitTest, ToolbarIconsAreDrawnSharpAtEveryScaleFactor)
{
    CreateAndShow();
    for (QToolBar* bar : {form().Ui().ToolBar, form().Ui().ToolBar1}) {
        for (QToolButton* b : bar->findChildren<QToolButton*>()) {
            if (b->icon().isNull() || b->objectName().startsWith(QLatin1String("qt_")))
                continue;   // Qt's own overflow arrow
            const QSize size = b->iconSize();
            for (qreal scale : {1.0, 2.0, 3.0}) {
                const QPixmap pixmap = b->icon().pixmap(size, scale);
                EXPECT_EQ(pixmap.size(), size * scale) << b->objectName().toStdString() << " at " << scale;
            }
        }
    }
}

TEST_F(WindowFitTest, StatusPanelsAreAsWideAsTheirTexts)
{
    CreateAndShow();
    ExpectTextsFit("start");
    const QString path = WriteFile(QStringLiteral(".hidden.txt"), QByteArray("text\n").repeated(3000));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    form().OpenNamed(path);
    ASSERT_EQ(form().Ui().StatusBar->Panel(5).text, QStringLiteral("Attr.: RH "));
    ExpectTextsFit("after opening a read-only hidden file");
    form().RunHandler(&TMainForm::Clear1Click);
    ExpectTextsFit("after Close");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
