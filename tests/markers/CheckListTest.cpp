// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/MegaCheckListBox.h"
#include "platform/AppError.h"
#include "tests/markers/MarkerTestUtil.h"
#include "tests/support/FakePlatform.h"

#include <QDir>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kCharWidth = 6;
const QString kMarkersNotSaved = QStringLiteral("Line Markers could not be saved.");
const QString kMarkersNotRestored = QStringLiteral("Line Markers could not be restored.");

class CheckListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 60; ++i)
            lines << QStringLiteral("line %1").arg(i);
        list.LineText = [this](int line) { return lines.value(line); };
        list.TextWidth = [](const QString& text) { return int(text.size()) * kCharWidth; };
        list.SetPrompts(&prompts);
        list.resize(100, 300);
        list.show();
    }

    QList<int> Lines() const
    {
        QList<int> out;
        for (int i = 0; i < list.MarkerLines.Count(); ++i)
            out << list.MarkerLines.GetItem(i);
        return out;
    }

    QStringList Visible() const
    {
        QStringList out;
        for (int i = 0; i < list.count(); ++i)
            out << list.item(i)->text();
        return out;
    }

    // Every entry is checked and shows its label, or the longest beginning
    // of it that fits with "..."; a run of ampersands is measured as one.
    void ExpectFitted() const
    {
        const int room = list.ClientWidth() - 18;
        ASSERT_EQ(list.count(), list.MarkerLabels.size());
        for (int i = 0; i < list.count(); ++i) {
            const QString& label = list.MarkerLabels[i];
            const QString visible = list.item(i)->text();
            EXPECT_EQ(list.item(i)->checkState(), Qt::Checked);
            if (MarkerHint(label).size() * kCharWidth <= room) {
                EXPECT_EQ(visible, label);
                EXPECT_FALSE(list.IsShortened(i));
                continue;
            }
            ASSERT_TRUE(visible.endsWith(QStringLiteral("..."))) << visible.toStdString();
            const QString measured = MarkerHint(visible);
            EXPECT_TRUE(MarkerHint(label).startsWith(measured.chopped(3)));
            EXPECT_LE(measured.size() * kCharWidth, room);
            EXPECT_GT((measured.size() + 1) * kCharWidth, room);
            EXPECT_TRUE(list.IsShortened(i));
        }
    }

    QString Hint(int index) const { return list.HintAt(list.visualItemRect(list.item(index)).center()); }
    QString MarkerFile() const { return dir.filePath(QStringLiteral("doc.txt.lm")); }

    QStringList lines;
    FakePrompts prompts;   // an unexpected message fails the test
    TMegaCheckListBox list;
    QTemporaryDir dir;
};

}   // namespace

TEST(CheckListDesign, NameSizeAndItemHeight)
{
    TMegaCheckListBox list;
    EXPECT_EQ(list.objectName(), QStringLiteral("CheckList"));
    EXPECT_EQ(list.width(), 100);
    list.AddMarker(0);
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), 14);
}

TEST_F(CheckListTest, AddFindAndRemove)
{
    for (int line : {10, 20, 30, 20})
        list.AddMarker(line);
    EXPECT_EQ(list.FindMarker(20), 1);
    EXPECT_EQ(list.FindMarker(5), -1);
    list.RemoveMarker(3);
    list.RemoveMarker(0);
    EXPECT_EQ(Lines(), (QList<int>{20, 30}));
    EXPECT_EQ(list.MarkerLabels, (QStringList{QStringLiteral("21, line 20"), QStringLiteral("31, line 30")}));
    EXPECT_EQ(Visible(), list.MarkerLabels);
    ExpectFitted();

    EXPECT_THROW(list.RemoveMarker(2), AppError);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.MarkerLabels.size(), 2);
}

TEST_F(CheckListTest, ShiftMovesMarkersFromTheLineDown)
{
    list.ShiftMarkers(0);   // nothing to move
    list.AddMarker(2);
    list.AddMarker(5);
    lines[2] = QStringLiteral("changed");
    lines[6] = QStringLiteral("a & b");
    list.ShiftMarkers(3);
    EXPECT_EQ(Lines(), (QList<int>{2, 6}));
    EXPECT_EQ(list.MarkerLabels, (QStringList{QStringLiteral("3, line 2"), QStringLiteral("7, a && b")}));

    lines[3] = QString();
    list.ShiftMarkers(2);
    EXPECT_EQ(Lines(), (QList<int>{3, 7}));
    EXPECT_EQ(list.MarkerLabels[0], QStringLiteral("Line 4"));
    ExpectFitted();
}

TEST_F(CheckListTest, LongLabelsFollowTheWidth)
{
    lines[0] = QStringLiteral("a && b, and then a long tail that cannot fit");
    list.AddMarker(0);
    list.AddMarker(1);
    ExpectFitted();
    EXPECT_TRUE(list.IsShortened(0));
    EXPECT_EQ(Hint(0), QStringLiteral("1, a & b, and then a long tail that cannot fit"));
    EXPECT_EQ(Hint(1), QString());
    QTest::mouseMove(list.viewport(), list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(list.toolTip(), Hint(0));
    QTest::mouseMove(list.viewport(), list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(list.toolTip(), QString());
    const QString narrow = list.item(0)->text();

    list.resize(200, 300);
    ExpectFitted();
    EXPECT_GT(list.item(0)->text().size(), narrow.size());

    list.resize(400, 300);
    ExpectFitted();
    EXPECT_EQ(list.item(0)->text(), list.MarkerLabels[0]);
    EXPECT_EQ(Hint(0), QString());

    list.resize(100, 300);
    EXPECT_EQ(list.item(0)->text(), narrow);
}

TEST_F(CheckListTest, ScrollBarTakingRoomRefitsLabels)
{
    list.resize(200, 100);
    for (int line = 0; line < 40; ++line) {
        lines[line] = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
        list.AddMarker(line);
    }
    list.doItemsLayout();
    ASSERT_TRUE(list.verticalScrollBar()->isVisible());
    ExpectFitted();
}

TEST_F(CheckListTest, RestoreKeepsLinesInsideTheDocument)
{
    list.AddMarker(1);
    // A line listed twice keeps its first entry: F4 keeps one marker a line.
    ASSERT_TRUE(WriteBytes(MarkerFile(), "7, foo\r\n3, x\nLine 10\r50, y\r\n7, again\r\nLine 3\r\n"));
    EXPECT_TRUE(list.RestoreMarkers(MarkerFile(), 10));
    EXPECT_EQ(Lines(), (QList<int>{6, 2, 9}));
    EXPECT_EQ(list.MarkerLabels,
              (QStringList{QStringLiteral("7, foo"), QStringLiteral("3, x"), QStringLiteral("Line 10")}));
    ExpectFitted();
}

TEST_F(CheckListTest, BadFileStopsRestoreWithMessage)
{
    const QString longLabel = QStringLiteral("2, ") + QString(80, QLatin1Char('q'));
    ASSERT_TRUE(WriteBytes(MarkerFile(), (longLabel + QStringLiteral("\r\nLine 3\r\nabc\r\n4, d\r\n")).toUtf8()));
    prompts.ExpectMessage(MsgKind::Error, kMarkersNotRestored, MsgButtons::Ok, MsgAnswer::Ok);
    EXPECT_FALSE(list.RestoreMarkers(MarkerFile(), 10));
    prompts.VerifyAllShown();
    EXPECT_EQ(Lines(), (QList<int>{1, 2}));
    EXPECT_EQ(Visible(), (QStringList{longLabel, QStringLiteral("Line 3")}));

    const QString none = dir.filePath(QStringLiteral("none.lm"));
    prompts.ExpectMessage(MsgKind::Error,
                          kMarkersNotRestored + QStringLiteral("\n%1: No such file or directory").arg(none),
                          MsgButtons::Ok, MsgAnswer::Ok);
    EXPECT_FALSE(list.RestoreMarkers(none, 10));
    prompts.VerifyAllShown();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.MarkerLines.Count(), 0);
}

TEST_F(CheckListTest, SaveAndRestoreRoundTrip)
{
    lines[4] = QStringLiteral("  \t ");
    lines[7] = QStringLiteral("Tom & Jerry");
    list.AddMarker(7);
    list.AddMarker(4);
    ASSERT_TRUE(list.SaveMarkers(MarkerFile()));
    EXPECT_EQ(ReadBytes(MarkerFile()), QByteArray("8, Tom && Jerry\r\nLine 5\r\n"));

    list.ClearMarkers();
    EXPECT_EQ(list.count(), 0);
    ASSERT_TRUE(list.RestoreMarkers(MarkerFile(), 60));
    EXPECT_EQ(Lines(), (QList<int>{7, 4}));
    EXPECT_EQ(list.MarkerLabels, (QStringList{QStringLiteral("8, Tom && Jerry"), QStringLiteral("Line 5")}));
}

TEST_F(CheckListTest, SaveLeavesFilesAloneUnlessItCanWrite)
{
    ASSERT_TRUE(WriteBytes(MarkerFile(), "3, old\r\n"));
    EXPECT_TRUE(list.SaveMarkers(MarkerFile()));   // empty list: nothing written
    EXPECT_EQ(ReadBytes(MarkerFile()), QByteArray("3, old\r\n"));

    list.AddMarker(0);
    QFile::setPermissions(MarkerFile(), QFileDevice::ReadOwner);
    prompts.ExpectMessage(MsgKind::Error,
                          kMarkersNotSaved + QStringLiteral("\n") + MarkerFile() +
                              QStringLiteral(": The file is write-protected"),
                          MsgButtons::Ok, MsgAnswer::Ok);
    EXPECT_FALSE(list.SaveMarkers(MarkerFile()));
    prompts.VerifyAllShown();
    EXPECT_EQ(ReadBytes(MarkerFile()), QByteArray("3, old\r\n"));
    EXPECT_EQ(list.MarkerLabels, QStringList{QStringLiteral("1, line 0")});
}

TEST_F(CheckListTest, SettlingTheFileAtExit)
{
    const QString document = dir.filePath(QStringLiteral("doc.txt"));
    // A side file never read here, or one that could not be read, is not
    // ours to delete: it may be damaged or another program's.
    for (const QByteArray& bytes : {QByteArray("3, old\r\n"), QByteArray("garbage\r\n")}) {
        ASSERT_TRUE(WriteBytes(MarkerFile(), bytes));
        if (!bytes.startsWith("3")) {
            prompts.ExpectMessage(MsgKind::Error, kMarkersNotRestored, MsgButtons::Ok, MsgAnswer::Ok);
            list.RestoreMarkers(MarkerFile(), 10);
            prompts.VerifyAllShown();
        }
        EXPECT_TRUE(list.SettleMarkerFile(document));
        EXPECT_EQ(ReadBytes(MarkerFile()), bytes);
    }
    // Read whole, with no markers left at exit: it goes.
    ASSERT_TRUE(WriteBytes(MarkerFile(), "3, old\r\n"));
    ASSERT_TRUE(list.RestoreMarkers(MarkerFile(), 10));
    list.RemoveMarker(0);
    EXPECT_TRUE(list.SettleMarkerFile(document));   // no markers: the old file goes
    EXPECT_FALSE(QFile::exists(MarkerFile()));

    list.AddMarker(2);
    EXPECT_TRUE(list.SettleMarkerFile(document));   // markers, no file: written
    EXPECT_EQ(ReadBytes(MarkerFile()), QByteArray("3, line 2\r\n"));

    list.AddMarker(3);
    EXPECT_TRUE(list.SettleMarkerFile(document));   // both: left as it is
    EXPECT_EQ(ReadBytes(MarkerFile()), QByteArray("3, line 2\r\n"));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(list.SettleMarkerFile(QString()));
    QDir::setCurrent(previous);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral(".lm"))));
}

TEST_F(CheckListTest, OnlyTheUserTriggersClickAndClickCheck)
{
    QSignalSpy clicks(&list, &TMegaCheckListBox::Click);
    QSignalSpy checks(&list, &TMegaCheckListBox::ClickCheck);
    for (int line : {4, 5, 6})
        list.AddMarker(line);
    list.SetItemIndex(2);
    list.ShiftMarkers(0);
    list.resize(150, 300);
    list.RemoveMarker(2);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(checks.count(), 0);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list.ItemIndex(), 1);

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(list.ItemIndex(), 0);

    QTest::keyClick(&list, Qt::Key_Space);
    ASSERT_EQ(checks.count(), 1);
    EXPECT_EQ(checks.at(0).at(0).toInt(), 0);
    EXPECT_EQ(list.item(0)->checkState(), Qt::Unchecked);
}

TEST_F(CheckListTest, ToggleRemovesTheMarkerOfTheLineOrAddsOne)
{
    const struct {
        int selected;   // before the toggle
        int line;
        QList<int> lines;
        std::optional<int> selectedLine;   // after it
    } cases[] = {{0, 6, {4, 5}, std::nullopt}, {-1, 5, {4, 6}, std::nullopt}, {1, 9, {4, 5, 6, 9}, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        list.ClearMarkers();
        for (int line : {4, 5, 6})
            list.AddMarker(line);
        list.SetItemIndex(c.selected);
        QSignalSpy clicks(&list, &TMegaCheckListBox::Click);
        QSignalSpy checks(&list, &TMegaCheckListBox::ClickCheck);
        list.ToggleMarker(c.line);
        EXPECT_EQ(Lines(), c.lines);
        EXPECT_EQ(list.SelectedLine(), c.selectedLine);
        EXPECT_EQ(clicks.count() + checks.count(), 0);
        ExpectFitted();
    }
}

TEST(CheckListFonts, EntriesShownWholeFitTheRealFont)
{
    // Labels are told to fit from their characters' advances before any
    // shaping; whatever is shown whole must really fit.
    const QStringList texts = {QStringLiteral("short"),
                               QStringLiteral("WWWWWWWWWWWW"),
                               QStringLiteral("iiiiiiiiiiiiiiiiiiiiiiiiiiiii"),
                               QStringLiteral("AVAVAVAVAVAV"),
                               QStringLiteral("caf\u00e9 na\u00efve \u00e0\u00e7\u00f1"),
                               QStringLiteral("\u4e2d\u6587\u5b57"),
                               QStringLiteral("e\u0301e\u0301e\u0301e\u0301"),
                               QStringLiteral("Tom & Jerry"),
                               QStringLiteral("\U0001F600 smile"),
                               QStringLiteral("1\t\t\t\t\t\tx")};
    for (const int width : {60, 90, 140}) {
        TMegaCheckListBox list;
        list.LineText = [&](int line) { return texts.value(line); };
        list.resize(width, 300);
        list.show();
        for (int line = 0; line < texts.size(); ++line)
            list.AddMarker(line);
        const QFontMetrics metrics(list.font());
        for (int i = 0; i < list.count(); ++i) {
            if (list.IsShortened(i))
                continue;
            EXPECT_LE(metrics.horizontalAdvance(list.item(i)->text()), list.ClientWidth() - 18)
                << list.item(i)->text().toStdString() << " at width " << width;
        }
    }
}
