// SPDX-License-Identifier: GPL-3.0-or-later
// Redo, zoom and the line-number gutter of the editor: what the user sees
// changes, the document does not.
#include "editor/RichEdit.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// The document's own font, which only an edit of it may change.
void ExpectSameFont(const CharAttributes& now, const CharAttributes& before)
{
    EXPECT_EQ(now.name, before.name);
    EXPECT_EQ(now.size, before.size);
    EXPECT_EQ(now.bold, before.bold);
    EXPECT_EQ(now.italic, before.italic);
    EXPECT_EQ(now.underline, before.underline);
}

class ViewExtrasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.resize(300, 200);
        edit.show();
        edit.setFocus();
    }
    // The numbers the gutter paints, top to bottom, 1-based.
    std::vector<int> Numbers() const
    {
        std::vector<int> out;
        for (const TRichEdit::GutterRow& row : edit.VisibleLineRows())
            out.push_back(row.line + 1);
        return out;
    }
    qreal FirstLineHeight() const { return edit.BlockHeight(0); }
    void Wheel(QWidget* target, int delta, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(10, 10);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    TRichEdit edit;
};

TEST_F(ViewExtrasTest, GutterNumbersTheFilesLinesNotItsDisplayLines)
{
    struct Case {
        const char* what;
        QString text;
        int pieceLength;
        bool wrap;
        std::vector<int> numbers;
    };
    const QString longLine = QStringLiteral("word ").repeated(40);
    const Case cases[] = {
        {"short lines", QStringLiteral("a\nb\n\nd"), TRichEdit::kPieceLength, false, {1, 2, 3, 4}},
        {"a line held in pieces",
         QStringLiteral("x\n") + QStringLiteral("y").repeated(40) + QStringLiteral("\nz"),
         8,
         false,
         {1, 2, 3}},
        {"a wrapped line",
         QStringLiteral("x\n") + longLine + QStringLiteral("\nz"),
         TRichEdit::kPieceLength,
         true,
         {1, 2, 3}},
        {"pieces and wrapping", QStringLiteral("word ").repeated(8) + QStringLiteral("\nz"), 8, true, {1, 2}},
        {"an empty document", QString(), TRichEdit::kPieceLength, false, {1}},
    };
    edit.SetLineNumbers(true);
    for (const Case& c : cases) {
        edit.SetPieceLength(c.pieceLength);
        edit.SetWordWrap(c.wrap);
        edit.SetText(c.text);
        QApplication::processEvents();
        EXPECT_EQ(Numbers(), c.numbers) << c.what;
        ASSERT_NE(edit.Gutter(), nullptr);
        EXPECT_TRUE(edit.Gutter()->isVisible()) << c.what;
        EXPECT_GT(edit.Gutter()->width(), 0) << c.what;
    }
}

TEST_F(ViewExtrasTest, GutterLooksOnlyAtTheLinesOnScreen)
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    edit.SetText(text);
    edit.SetLineNumbers(true);
    std::vector<int> asked;
    edit.isMarkedLine = [&](int line) {
        asked.push_back(line);
        return line == 5001;
    };
    edit.LineScroll(5000);
    QApplication::processEvents();
    asked.clear();
    edit.Gutter()->repaint();
    ASSERT_FALSE(asked.empty());
    EXPECT_LT(asked.size(), 100u) << "only the rows on screen";
    EXPECT_EQ(asked.front(), 5000);
    const std::vector<int> numbers = Numbers();
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.front(), 5001);
    // Every row the gutter paints is a line of the screen, in order.
    for (size_t i = 1; i < numbers.size(); ++i)
        EXPECT_EQ(numbers[i], numbers[i - 1] + 1);
    // The width grows with the digits of the line count.
    const int wide = edit.Gutter()->width();
    edit.SetText(QStringLiteral("a\nb"));
    QApplication::processEvents();
    EXPECT_LT(edit.Gutter()->width(), wide);
}

TEST_F(ViewExtrasTest, GutterTakesRoomOnlyWhileOnAndInPlainMode)
{
    edit.SetText(QStringLiteral("a\nb"));
    edit.SetLineNumbers(true);
    const int textLeft = edit.viewport()->geometry().left();
    edit.SetLineNumbers(false);
    EXPECT_LT(edit.viewport()->geometry().left(), textLeft) << "the text takes the gutter's room back";
    edit.SetLineNumbers(true);
    edit.SetPlainTextMode(false);
    EXPECT_TRUE(edit.VisibleLineRows().empty()) << "rich text has no gutter";
    edit.SetText(QStringLiteral("a\nb\nc"));
    edit.SetPlainTextMode(true);
    QApplication::processEvents();
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 3}));
}

TEST_F(ViewExtrasTest, ZoomChangesTheViewOnlyInBothModes)
{
    for (const bool plain : {true, false}) {
        SCOPED_TRACE(plain ? "plain" : "rich");
        edit.SetPlainTextMode(plain);
        edit.SetText(QStringLiteral("some text\nmore"));
        edit.EmptyUndoBuffer();
        edit.SetModified(false);
        if (!plain) {
            edit.SelectAllText();
            edit.SetSelSize(20);   // an explicit size grows too
            edit.EmptyUndoBuffer();
            edit.SetModified(false);
        }
        const CharAttributes defaultFont = edit.DefAttributes();
        const CharAttributes before = edit.SelAttributes();
        const QByteArray rtf = plain ? QByteArray() : edit.RtfBytes();
        const qreal normal = FirstLineHeight();

        struct Step {
            std::function<void()> act;
            int zoom;
        };
        const Step steps[] = {
            {[&] { edit.ZoomIn(); }, 110},
            {[&] { edit.SetZoom(200); }, 200},
            {[&] { edit.SetZoom(100000); }, TRichEdit::kZoomMax},
            {[&] { edit.SetZoom(-5); }, TRichEdit::kZoomMin},
            {[&] { edit.SetZoom(150); }, 150},
        };
        for (const Step& step : steps) {
            step.act();
            EXPECT_EQ(edit.Zoom(), step.zoom);
            const qreal height = FirstLineHeight();
            EXPECT_NEAR(height / normal, step.zoom / 100.0, 0.25) << step.zoom;
            EXPECT_FALSE(edit.Modified());
            EXPECT_FALSE(edit.CanUndo());
            ExpectSameFont(edit.DefAttributes(), defaultFont);
        }
        EXPECT_GT(FirstLineHeight(), normal);
        EXPECT_EQ(edit.SelAttributes().size, before.size);
        if (!plain)
            EXPECT_EQ(edit.RtfBytes(), rtf) << "the file does not change";
        edit.SetZoom(TRichEdit::kZoomNormal);
        EXPECT_DOUBLE_EQ(FirstLineHeight(), normal);
    }
}

TEST_F(ViewExtrasTest, ZoomOutlivesTheSwitchOfModesAndNewText)
{
    edit.SetText(QStringLiteral("text"));
    const qreal normal = FirstLineHeight();
    edit.SetZoom(200);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"to rich", [&] { edit.SetPlainTextMode(false); }},
        {"rich text set", [&] { edit.SetText(QStringLiteral("other text")); }},
        {"rich text loaded", [&] { edit.LoadRtfBytes("{\\rtf1\\ansi text\\par}"); }},
        {"to plain", [&] { edit.SetPlainTextMode(true); }},
        {"plain text set", [&] { edit.SetText(QStringLiteral("more text")); }},
    };
    for (const auto& [what, change] : changes) {
        change();
        EXPECT_GT(FirstLineHeight(), normal * 1.5) << what;
    }
}

TEST_F(ViewExtrasTest, CtrlWheelZoomsAndAPlainWheelScrolls)
{
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("line\n");
    edit.SetText(text);
    edit.EmptyUndoBuffer();
    edit.SetModified(false);
    const CharAttributes font = edit.DefAttributes();
    QWidget* viewport = edit.viewport();
    struct Case {
        int delta;
        Qt::KeyboardModifiers modifiers;
        int zoom;
        bool scrolled;
    };
    const Case cases[] = {
        {120, Qt::ControlModifier, 110, false},
        {60, Qt::ControlModifier, 110, false},   // half a notch waits for the other half
        {60, Qt::ControlModifier, 120, false},
        {-240, Qt::ControlModifier, 100, false},
        {-120, Qt::NoModifier, 100, true},
    };
    for (const Case& c : cases) {
        const int scroll = edit.verticalScrollBar()->value();
        Wheel(viewport, c.delta, c.modifiers);
        EXPECT_EQ(edit.Zoom(), c.zoom) << c.delta;
        EXPECT_EQ(edit.verticalScrollBar()->value() != scroll, c.scrolled) << c.delta;
    }
    ExpectSameFont(edit.DefAttributes(), font);   // the view's own zoom would change the font
    EXPECT_FALSE(edit.Modified());
}

TEST_F(ViewExtrasTest, RedoKeysLeftToTheWindowNeverReachTheViewsOwnRedo)
{
    // The window's Redo command decides; the editor lets the keys pass.
    edit.SetRedoKeysToWindow(true);
    for (const bool plain : {true, false}) {
        SCOPED_TRACE(plain ? "plain" : "rich");
        edit.SetPlainTextMode(plain);
        edit.SetText(QString());
        edit.EmptyUndoBuffer();
        QTest::keyClicks(edit.InputWidget(), QStringLiteral("xy"));
        edit.UndoStep();
        const QString undone = edit.Text();
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        for (const Key& k :
             {Key{Qt::Key_Y, Qt::ControlModifier}, Key{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}}) {
            QTest::keyClick(edit.InputWidget(), k.key, k.modifiers);
            EXPECT_EQ(edit.Text(), undone);
            EXPECT_TRUE(edit.CanRedo());
        }
    }
}

}   // namespace
