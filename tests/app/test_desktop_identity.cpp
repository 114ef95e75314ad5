// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/HtmlToolbar.h"
#include "tests/support/MainFormFixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>

namespace {

class DesktopIdentityTest : public MainFormTest {
protected:
    void SetUp() override
    {
        QApplication::setWindowIcon(QIcon());
        QGuiApplication::setDesktopFileName(QString());
    }
    static QImage At(const QIcon& icon, int size) { return icon.pixmap(size).toImage(); }
};

}   // namespace

TEST_F(DesktopIdentityTest, WindowsAndBoxesWithoutOwnerShowTheProgramIcon)
{
    Create();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("mirel-edit"));
    const QImage program = At(form().windowIcon(), 48);
    ASSERT_FALSE(program.isNull());
    // Drawn from the vector source at 48, not the 32-pixel picture blown up.
    EXPECT_EQ(program.size(), QSize(48, 48));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), QStringLiteral("Save changes?"));
    EXPECT_EQ(At(box.windowIcon(), 48), program);
    EXPECT_EQ(At(windows.htmlToolbar->windowIcon(), 48), program);
    EXPECT_EQ(At(QApplication::windowIcon(), 48), program);
}
