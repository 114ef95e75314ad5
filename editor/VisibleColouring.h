// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editor/SyntaxColouring.h"

#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>
#include <vector>

class QPlainTextEdit;
class QTextDocument;

// Colours the lines a plain view shows, and only those: just before the
// view paints after a scroll, an edit or a resize, the lines in view are
// coloured again, starting from the state a bounded look-back gives. The
// colours are formats of the lines' layout, so the text, its undo history
// and the modified flag never change; a line that leaves the view loses
// them again.
class VisibleColouring : public QObject {
public:
    // Lines looked at above the first one in view for comments, tags and
    // strings that began earlier.
    static constexpr int kLookBack = 200;

    VisibleColouring(QPlainTextEdit* view, std::function<QTextBlock()> firstVisible);

    void SetLanguage(SyntaxLanguage language);
    SyntaxLanguage Language() const { return language_; }
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    // Takes every colour away, e.g. before the document leaves the view.
    void Clear();
    // Drops track of the coloured lines without touching them: for a
    // document about to be emptied, whose lines go anyway.
    void Forget();
    // Lines that carry colours now.
    int ColouredLines() const { return int(coloured_.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Active() const { return enabled_ && language_ != SyntaxLanguage::None; }
    void Changed();
    void Follow(QTextDocument* document);
    void ColourVisible();

    QPlainTextEdit* view_;
    std::function<QTextBlock()> firstVisible_;
    QPointer<QTextDocument> document_;
    QMetaObject::Connection edits_;
    SyntaxLanguage language_ = SyntaxLanguage::None;
    bool enabled_ = false;
    bool dirty_ = true;
    // At the start of each coloured line; cursors follow edits, so a
    // line is found again wherever the text around it moved it.
    std::vector<QTextCursor> coloured_;
};
