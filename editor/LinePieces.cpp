// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LinePieces.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

bool ContinuesLine(const QTextBlock& block)
{
    // The first block has nothing to continue, whatever its format says.
    return block.position() > 0 && block.blockFormat().boolProperty(kContinuesLine);
}

void PieceIndex::Rebuild(const QTextDocument& doc)
{
    starts_.clear();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (ContinuesLine(b))
            starts_.push_back(b.position());
}

void PieceIndex::Changed(const QTextDocument& doc, int from, int removed, int added)
{
    // A piece start inside the old range may be gone or moved; one at
    // `from` itself may have had its format changed. Those after the range
    // only move. The new range is then looked at block by block.
    const auto first = std::lower_bound(starts_.begin(), starts_.end(), from);
    const auto last = std::upper_bound(first, starts_.end(), from + removed);
    const int delta = added - removed;
    for (auto it = last; it != starts_.end(); ++it)
        *it += delta;
    std::vector<int> found;
    QTextBlock b = doc.findBlock(from);
    if (b.isValid() && b.position() < from)
        b = b.next();
    for (; b.isValid() && b.position() <= from + added; b = b.next())
        if (ContinuesLine(b))
            found.push_back(b.position());
    const auto at = starts_.erase(first, last);
    starts_.insert(at, found.begin(), found.end());
}

int PieceIndex::StartsUpTo(int docPos) const
{
    return int(std::upper_bound(starts_.begin(), starts_.end(), docPos) - starts_.begin());
}

int PieceIndex::ToDocument(int textPos, bool afterSeam) const
{
    // Seam k lies at text position starts_[k] - k - 1, which never falls
    // as k grows: count the seams before textPos (or at it).
    size_t lo = 0;
    size_t hi = starts_.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        const int seamAt = starts_[mid] - int(mid) - 1;
        if (seamAt < textPos || (afterSeam && seamAt == textPos))
            lo = mid + 1;
        else
            hi = mid;
    }
    return textPos + int(lo);
}

int PieceIndex::FirstBlockOfLine(const QTextDocument& doc, int line) const
{
    // Piece k is a block of line (its block number - k - 1), which never
    // falls as k grows: count the pieces of the lines before `line`.
    size_t lo = 0;
    size_t hi = starts_.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (doc.findBlock(starts_[mid]).blockNumber() - int(mid) - 1 < line)
            lo = mid + 1;
        else
            hi = mid;
    }
    return line + int(lo);
}

namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The characters QTextCursor::insertText turns into block breaks.
bool IsBlockBreak(char16_t c)
{
    if (c <= u'\r')
        return c == u'\n' || c == u'\r';
    return c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

}   // namespace

qsizetype PieceCut(QStringView run, qsizetype room)
{
    if (run.size() <= room)
        return run.size();
    room = std::max<qsizetype>(room, 1);
    constexpr qsizetype kLookBack = 200;
    for (qsizetype i = room - 1; i >= std::max<qsizetype>(0, room - kLookBack); --i)
        if (IsBlank(run.at(i)))
            return i + 1;
    qsizetype cut = room;
    while (cut > 0 && (run.at(cut).isLowSurrogate() || run.at(cut).isMark()))
        --cut;
    if (cut == 0) {
        // Nothing to cut before: take the whole character.
        cut = 1;
        while (cut < run.size() && (run.at(cut).isLowSurrogate() || run.at(cut).isMark()))
            ++cut;
    }
    return cut;
}

qsizetype MostPieces(qsizetype characters, int pieceLength)
{
    // Every piece but a line's last holds at least this many.
    return characters / std::max<qsizetype>(1, pieceLength - 200);
}

void InsertPieced(QTextCursor& c, QStringView text, int pieceLength, std::vector<int>* newStarts)
{
    QTextBlockFormat piece;
    piece.setProperty(kContinuesLine, true);
    const qsizetype longest = 2 * qsizetype(pieceLength);
    qsizetype column = c.positionInBlock();
    // Breaks inserted by insertText take the format of the block they
    // split: inside a marked block they are inserted one by one, clean.
    bool inPiece = c.blockFormat().boolProperty(kContinuesLine);
    qsizetype pending = 0;   // text from here on is not inserted yet
    const auto flush = [&](qsizetype to) {
        // Qt copies the text into the document: no copy of our own.
        if (to > pending)
            c.insertText(QString::fromRawData(text.data() + pending, to - pending));
        pending = to;
    };
    const char16_t* const data = reinterpret_cast<const char16_t*>(text.data());
    const qsizetype n = text.size();
    qsizetype at = 0;
    while (true) {
        qsizetype end = at;
        while (end < n && !IsBlockBreak(data[end]))
            ++end;
        while (column + (end - at) > longest) {
            const qsizetype room = pieceLength - column;
            const qsizetype cut = room > 0 ? PieceCut(text.sliced(at, end - at), room) : 0;
            flush(at + cut);
            c.insertBlock(piece);
            if (newStarts)
                newStarts->push_back(c.position());
            inPiece = true;
            column = 0;
            at += cut;
        }
        column += end - at;
        if (end == n)
            break;
        if (inPiece) {
            flush(end);
            c.insertBlock(QTextBlockFormat());
            pending = end + 1;
            inPiece = false;
        }
        column = 0;
        at = end + 1;
    }
    flush(n);
}
