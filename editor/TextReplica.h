// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

// A copy of the editor's text kept on another thread, brought up to date
// from what changed since the last time, so keeping it costs the window
// thread what was typed and not the size of the document.
//
// Positions are the document's own: a seam between the pieces of a long
// line is one character of the copy and is left out when the text is read.
// Kept bytes (TextCodec.h) are characters of the copy like any other: the
// copy is written with them as characters and read back the same.

// One change: `removed` characters at `from` gave way to `added`.
struct TextChange {
    int from = 0;
    int removed = 0;
    QString added;
};

struct TextChanges {
    bool whole = false;   // `text` replaces everything
    QString text;
    std::vector<TextChange> changes;
    std::vector<int> seams;   // where the pieces that continue a line begin, now
};

class TextReplica {
public:
    void Apply(TextChanges changes);
    // The text without seams, line breaks as U+2029, in order.
    void ForEachPiece(const std::function<void(QStringView piece)>& f) const;
    QString Text() const;

private:
    QString raw_;
    std::vector<int> seams_;
};
