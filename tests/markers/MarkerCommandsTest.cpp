// SPDX-License-Identifier: GPL-3.0-or-later
// The marker commands on the main window.
#include "markers/Markers.h"
#include "markers/MegaCheckListBox.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

namespace {

class MarkerCommandsTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().resize(600, 400);
        QApplication::processEvents();
    }
    TMegaCheckListBox& list() { return *form().Ui().CheckList; }
    QString OpenLines(int count)
    {
        QByteArray text;
        for (int i = 1; i <= count; ++i)
            text += "line " + QByteArray::number(i) + "\r\n";
        const QString path = WriteFile(QStringLiteral("doc.txt"), text);
        form().OpenNamed(path);
        return path;
    }
};

}   // namespace

TEST_F(MarkerCommandsTest, ToggleNeedsTheVisibleSidebar)
{
    OpenLines(10);
    EXPECT_FALSE(Item(QStringLiteral("MarkLine1"))->isEnabled());
    Item(QStringLiteral("MarkLine1"))->trigger();
    EXPECT_TRUE(list().MarkerLabels.isEmpty()) << "disabled while hidden";

    form().ShowLineMarkers1Click();
    EXPECT_TRUE(list().isVisible());
    EXPECT_TRUE(form().Ui().Splitter1->isVisible());
    EXPECT_TRUE(Item(QStringLiteral("MarkLine1"))->isEnabled());
    EXPECT_TRUE(Item(QStringLiteral("MarkLine2"))->isEnabled());
    // The splitter stands directly left of the sidebar.
    QApplication::processEvents();
    // (Qt widens a thin handle's hit area by a pixel on each side.)
    EXPECT_NEAR(form().Ui().Splitter1->geometry().center().x(), list().geometry().left() - 1, 1);
    EXPECT_LT(edit().geometry().right(), list().geometry().left());

    edit().SetSelStart(edit().LineIndex(3) + 2);
    Item(QStringLiteral("MarkLine1"))->trigger();
    ASSERT_EQ(list().MarkerLabels, QStringList{QStringLiteral("4, line 4")});
    EXPECT_EQ(list().MarkerLines.GetItem(0), 3);
    Item(QStringLiteral("MarkLine2"))->trigger();
    EXPECT_TRUE(list().MarkerLabels.isEmpty()) << "F4 again on the same line removes it";

    form().ShowLineMarkers1Click();
    EXPECT_FALSE(list().isVisible());
    EXPECT_FALSE(Item(QStringLiteral("MarkLine2"))->isEnabled());
}

TEST_F(MarkerCommandsTest, UncheckingRemovesTheSelectedMarker)
{
    OpenLines(10);
    form().ShowLineMarkers1Click();
    for (int line : {1, 5, 7}) {
        edit().SetSelStart(edit().LineIndex(line));
        form().MarkLine1Click();
    }
    list().SetItemIndex(1);
    form().CheckListClickCheck();
    EXPECT_EQ(list().MarkerLabels, (QStringList{QStringLiteral("2, line 2"), QStringLiteral("8, line 8")}));
}

TEST_F(MarkerCommandsTest, JumpMakesTheMarkedLineTheTopLine)
{
    OpenLines(300);
    form().ShowLineMarkers1Click();
    edit().SetSelStart(edit().LineIndex(40));
    form().MarkLine1Click();
    edit().SetSelStart(edit().LineIndex(120));
    form().MarkLine1Click();
    edit().SetSelStart(0);
    QApplication::processEvents();
    ASSERT_EQ(edit().FirstVisibleLine(), 0);

    list().SetItemIndex(0);
    form().CheckListClick();
    QApplication::processEvents();
    EXPECT_EQ(edit().FirstVisibleLine(), 40);
    EXPECT_EQ(edit().SelStart(), edit().LineIndex(40));
    EXPECT_EQ(edit().SelLength(), 0);

    list().SetItemIndex(1);
    form().CheckListClick();
    QApplication::processEvents();
    EXPECT_EQ(edit().FirstVisibleLine(), 120) << "also when the view was not at the top";
}

TEST_F(MarkerCommandsTest, ShutdownSettlesTheMarkerFile)
{
    const QString path = OpenLines(5);
    const QString lm = MarkerFileName(path);
    form().ShowLineMarkers1Click();
    edit().SetSelStart(edit().LineIndex(2));
    form().MarkLine1Click();
    EXPECT_TRUE(form().close());
    EXPECT_EQ(ReadFile(lm), QByteArray("3, line 3\r\n")) << "markers and no .lm: written";
}

TEST_F(MarkerCommandsTest, ShutdownDeletesAnEmptyListsFile)
{
    const QString path = WriteFile(QStringLiteral("e.txt"), "a\r\n");
    const QString lm = WriteFile(QStringLiteral("e.txt.lm"), "7, beyond the end\r\n");
    form().OpenNamed(path);
    EXPECT_TRUE(list().MarkerLabels.isEmpty());
    EXPECT_TRUE(form().close());
    EXPECT_FALSE(QFile::exists(lm)) << "existing .lm and no markers: deleted";
}

TEST_F(MarkerCommandsTest, ShutdownWithoutANameWritesNothing)
{
    edit().SetText(QStringLiteral("unnamed\r\ntext"));
    edit().SetModified(false);
    form().ShowLineMarkers1Click();
    form().MarkLine1Click();
    ASSERT_EQ(list().MarkerLabels.size(), 1);
    const QString stray = QDir::current().absoluteFilePath(QStringLiteral(".lm"));
    EXPECT_TRUE(form().close());
    EXPECT_FALSE(QFile::exists(stray));
}

namespace {
// Where the user clicks: an entry's text, or its check box.
QPoint EntryText(TMegaCheckListBox& list, int index)
{
    const QRect rect = list.visualItemRect(list.item(index));
    return QPoint(rect.right() - 10, rect.center().y());
}

QPoint EntryBox(TMegaCheckListBox& list, int index)
{
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.rect = list.visualItemRect(list.item(index));
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = list.item(index)->text();
    option.checkState = list.item(index)->checkState();
    return list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list).center();
}
}   // namespace

TEST_F(MarkerCommandsTest, MouseOnAnEntryJumpsAndOnItsBoxRemovesIt)
{
    const QString path = OpenLines(300);
    form().ShowLineMarkers1Click();
    for (int line : {40, 120, 200}) {
        edit().SetSelStart(edit().LineIndex(line));
        form().MarkLine1Click();
    }
    edit().SetSelStart(0);
    QApplication::processEvents();

    // A click on an entry's text jumps to its line.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, EntryText(list(), 1));
    QApplication::processEvents();
    EXPECT_EQ(edit().LineFromChar(edit().SelStart()), 120);
    EXPECT_EQ(edit().FirstVisibleLine(), 120);

    // A click on the box of an entry that is not selected chooses that
    // entry, jumps to it and removes its marker, which stays removed.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, EntryBox(list(), 2));
    QApplication::processEvents();
    EXPECT_EQ(list().MarkerLabels, (QStringList{QStringLiteral("41, line 41"), QStringLiteral("121, line 121")}));
    EXPECT_EQ(edit().LineFromChar(edit().SelStart()), 200);
    for (int i = 0; i < list().count(); ++i)
        EXPECT_EQ(list().item(i)->checkState(), Qt::Checked) << i;
    form().Save1Click();
    EXPECT_EQ(ReadFile(MarkerFileName(path)), QByteArray("41, line 41\r\n121, line 121\r\n"));
}
