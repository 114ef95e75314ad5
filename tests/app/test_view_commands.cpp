// SPDX-License-Identifier: GPL-3.0-or-later
// Redo, zoom and line numbers from the window: items, keys, recording and
// the settings that keep them.
#include "markers/MegaCheckListBox.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace {

class ViewCommandsTest : public MainFormTest {
protected:
    // An item triggered through the menu that holds it.
    void Choose(const char* menu, const char* item)
    {
        auto* m = form().findChild<QMenu*>(QString::fromLatin1(menu));
        ASSERT_NE(m, nullptr) << menu;
        QAction* action = Item(QString::fromLatin1(item));
        ASSERT_TRUE(m->actions().contains(action)) << item << " in " << menu;
        action->trigger();
    }
    bool RedoItems(bool on)
    {
        return Item(QStringLiteral("Redo1"))->isEnabled() == on && Item(QStringLiteral("Redo2"))->isEnabled() == on;
    }
    QWidget* typing = nullptr;
};

TEST_F(ViewCommandsTest, RedoByItemsAndKeysEnabledOnlyWhenThereIsSomethingToRedo)
{
    typing = ShowForTyping();
    ASSERT_NE(typing, nullptr);
    struct Way {
        const char* what;
        std::function<void()> redo;
    };
    const Way ways[] = {
        {"Ctrl+Y", [&] { QTest::keyClick(typing, Qt::Key_Y, Qt::ControlModifier); }},
        {"Ctrl+Shift+Z", [&] { QTest::keyClick(typing, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"Edit menu", [&] { Choose("EditMenu", "Redo2"); }},
        {"context menu", [&] { Choose("PopupMenu", "Redo1"); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        edit().SetText(QString());
        edit().EmptyUndoBuffer();
        QTest::keyClicks(typing, QStringLiteral("abc"));
        EXPECT_TRUE(RedoItems(false));
        QTest::keyClick(typing, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(edit().Text(), QString());
        EXPECT_TRUE(RedoItems(true));
        way.redo();
        EXPECT_EQ(edit().Text(), QStringLiteral("abc"));
        EXPECT_TRUE(RedoItems(false));
    }
}

TEST_F(ViewCommandsTest, RecordingDisablesRedoStopEnablesItAndNothingIsRecorded)
{
    typing = ShowForTyping();
    ASSERT_NE(typing, nullptr);
    QTest::keyClicks(typing, QStringLiteral("abc"));
    Item(QStringLiteral("Undo2"))->trigger();
    ASSERT_TRUE(RedoItems(true));

    form().Ui().MakroFeld->setText(QStringLiteral("NoRedo"));
    Item(QStringLiteral("Record2"))->trigger();
    ASSERT_TRUE(form().Macro().IsRecording);
    EXPECT_TRUE(RedoItems(false));
    typing = ActivateForTyping();
    QTest::keyClick(typing, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(typing, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(edit().Text(), QString()) << "the recording cannot take the step back in";
    Item(QStringLiteral("Redo2"))->trigger();
    EXPECT_EQ(edit().Text(), QString());
    // An undo while recording makes redo possible, still not allowed.
    QTest::keyClicks(typing, QStringLiteral("x"));
    Item(QStringLiteral("Undo2"))->trigger();
    EXPECT_TRUE(RedoItems(false));
    const QStringList recorded = form().Macro().MacroLines;

    Item(QStringLiteral("Stop2"))->trigger();
    ASSERT_FALSE(form().Macro().IsRecording);
    EXPECT_TRUE(RedoItems(true));
    for (const QString& line : recorded)
        EXPECT_FALSE(line.startsWith(QStringLiteral("Redo"), Qt::CaseInsensitive)) << line.toStdString();
    // Stop with nothing to redo leaves it off.
    QTest::keyClicks(typing, QStringLiteral("y"));
    EXPECT_TRUE(RedoItems(false));
    form().Ui().MakroFeld->setText(QStringLiteral("Second"));
    Item(QStringLiteral("Record2"))->trigger();
    ASSERT_TRUE(form().Macro().IsRecording);
    Item(QStringLiteral("Stop2"))->trigger();
    EXPECT_TRUE(RedoItems(false));
}

TEST_F(ViewCommandsTest, ZoomByKeysAndMenusInBothModesKeptAcrossStarts)
{
    const QString rtf =
        WriteFile(QStringLiteral("doc.rtf"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Rich\\par}");
    typing = ShowForTyping();
    ASSERT_NE(typing, nullptr);
    struct Step {
        const char* what;
        std::function<void()> act;
        int zoom;
    };
    const Step steps[] = {
        {"Ctrl++", [&] { QTest::keyClick(typing, Qt::Key_Plus, Qt::ControlModifier); }, 110},
        {"Ctrl+=", [&] { QTest::keyClick(typing, Qt::Key_Equal, Qt::ControlModifier); }, 120},
        {"Ctrl+-", [&] { QTest::keyClick(typing, Qt::Key_Minus, Qt::ControlModifier); }, 110},
        {"Ctrl+0", [&] { QTest::keyClick(typing, Qt::Key_0, Qt::ControlModifier); }, 100},
        {"Zoom In item", [&] { Choose("OptionsMenu", "ZoomIn1"); }, 110},
        {"context Zoom In", [&] { Choose("OptionsMenu1", "ZoomIn"); }, 120},
        {"Zoom Out item", [&] { Choose("OptionsMenu", "ZoomOut1"); }, 110},
        {"Reset Zoom item", [&] { Choose("OptionsMenu1", "ResetZoom"); }, 100},
    };
    for (const bool rich : {false, true}) {
        if (rich) {
            form().OpenNamed(rtf);
            ASSERT_FALSE(edit().IsPlainText());
            typing = ActivateForTyping();
        }
        for (const Step& step : steps) {
            step.act();
            EXPECT_EQ(edit().Zoom(), step.zoom) << step.what << (rich ? " rich" : " plain");
            EXPECT_FALSE(edit().Modified()) << step.what;
            EXPECT_FALSE(edit().CanUndo()) << step.what;
        }
    }
    EXPECT_EQ(ReadFile(rtf), QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Rich\\par}"));
    Choose("OptionsMenu", "ZoomIn1");
    Choose("OptionsMenu", "ZoomIn1");
    Choose("OptionsMenu", "ZoomIn1");
    CloseAndRestart();
    EXPECT_EQ(edit().Zoom(), 130);
    Choose("OptionsMenu", "ResetZoom1");
    CloseAndRestart();
    EXPECT_EQ(edit().Zoom(), 100);
}

TEST_F(ViewCommandsTest, LineNumbersFromEitherMenuKeptAcrossStartsWithMarkers)
{
    const QString path = WriteFile(QStringLiteral("lines.txt"), "one\ntwo\nthree\n");
    WriteFile(QStringLiteral("lines.txt.lm"), "2, two\r\n");
    CreateAndShow();
    EXPECT_FALSE(Item(QStringLiteral("LineNumbers1"))->isChecked());
    EXPECT_TRUE(edit().Gutter() == nullptr || !edit().Gutter()->isVisible());
    Choose("OptionsMenu", "LineNumbers1");
    EXPECT_TRUE(Item(QStringLiteral("LineNumbers"))->isChecked());
    EXPECT_TRUE(Item(QStringLiteral("LineNumbers1"))->isChecked());
    ASSERT_NE(edit().Gutter(), nullptr);
    EXPECT_TRUE(edit().Gutter()->isVisible());

    form().OpenNamed(path);
    ASSERT_EQ(form().Ui().CheckList->MarkerLines.Count(), 1);
    ASSERT_TRUE(edit().isMarkedLine);
    EXPECT_TRUE(edit().isMarkedLine(1));
    EXPECT_FALSE(edit().isMarkedLine(0));
    QApplication::processEvents();
    std::vector<int> lines;
    for (const TRichEdit::GutterRow& row : edit().VisibleLineRows())
        lines.push_back(row.line);
    EXPECT_EQ(lines, (std::vector<int>{0, 1, 2, 3}));

    CloseAndRestart();
    EXPECT_TRUE(Item(QStringLiteral("LineNumbers"))->isChecked());
    ASSERT_NE(edit().Gutter(), nullptr);
    EXPECT_TRUE(edit().Gutter()->isVisible());
    Choose("OptionsMenu1", "LineNumbers");
    EXPECT_FALSE(Item(QStringLiteral("LineNumbers1"))->isChecked());
    EXPECT_FALSE(edit().Gutter()->isVisible());
    CloseAndRestart();
    EXPECT_FALSE(Item(QStringLiteral("LineNumbers1"))->isChecked());
    EXPECT_TRUE(edit().Gutter() == nullptr || !edit().Gutter()->isVisible());
}

}   // namespace
