// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringView>
#include <QTextFormat>
#include <vector>

class QTextBlock;
class QTextCursor;
class QTextDocument;

// Qt lays out a block as a whole, on every change of it and, wrapped, in
// time that grows with the square of a line without blanks. A plain line
// far longer than a screen is therefore held as several blocks, "pieces".
// The block that continues a line carries kContinuesLine in its block
// format: Qt keeps a block's format through edits, undo and redo, and a
// merge of two blocks keeps the first one's, so a seam can never turn into
// a line break or the other way round. A break the editor inserts gets a
// clean block format, never the mark of the block it splits.
constexpr int kContinuesLine = QTextFormat::UserProperty + 0x4C50;

bool ContinuesLine(const QTextBlock& block);

// Where the pieces that continue a line begin, in document positions,
// ascending. A seam (the separator before such a block) is no position of
// the text: document position p is text position p - (pieces begun at or
// before p).
class PieceIndex {
public:
    // Every block looked at anew.
    void Rebuild(const QTextDocument& doc);
    // After the document's contentsChange(from, removed, added).
    void Changed(const QTextDocument& doc, int from, int removed, int added);
    void Clear() { starts_.clear(); }
    void Assign(std::vector<int> starts) { starts_ = std::move(starts); }

    bool Empty() const { return starts_.empty(); }
    int Count() const { return int(starts_.size()); }
    const std::vector<int>& Starts() const { return starts_; }

    int StartsUpTo(int docPos) const;
    int ToText(int docPos) const { return docPos - StartsUpTo(docPos); }
    // A text position at a seam is two document positions: the end of the
    // piece before it, or with afterSeam the start of the piece after.
    int ToDocument(int textPos, bool afterSeam = false) const;
    // Number of the block that starts line `line`, given the document.
    int FirstBlockOfLine(const QTextDocument& doc, int line) const;

private:
    std::vector<int> starts_;
};

// How many characters of run go before a seam when about room fit: after a
// blank among the last ones that fit if there is one, never between the
// halves of a surrogate pair nor before a combining mark. At least one
// character (two for a pair) is taken.
qsizetype PieceCut(QStringView run, qsizetype room);
// The most seams InsertPieced makes in a text of that many characters.
qsizetype MostPieces(qsizetype characters, int pieceLength);

// Inserts text at the cursor (which holds no selection). Breaks ('\n' and
// the others Qt's insertText knows) become real line breaks with a clean
// block format; a run without breaks that would make its block longer than
// twice pieceLength is cut into pieces of about pieceLength. The positions
// where new pieces begin are added to newStarts when given.
void InsertPieced(QTextCursor& c, QStringView text, int pieceLength, std::vector<int>* newStarts = nullptr);
