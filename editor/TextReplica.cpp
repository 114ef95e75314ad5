// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TextReplica.h"

#include <algorithm>

void TextReplica::Apply(TextChanges changes)
{
    if (changes.whole)
        raw_ = std::move(changes.text);
    for (const TextChange& c : changes.changes) {
        // Clamped as the editor clamps them when it hands them out.
        const qsizetype from = std::clamp<qsizetype>(c.from, 0, raw_.size());
        const qsizetype removed = std::clamp<qsizetype>(c.removed, 0, raw_.size() - from);
        raw_.replace(from, removed, c.added);
    }
    seams_ = std::move(changes.seams);
}

void TextReplica::ForEachPiece(const std::function<void(QStringView)>& f) const
{
    qsizetype at = 0;
    for (const int start : seams_) {
        const qsizetype seam = start - 1;
        if (seam < at || seam >= raw_.size())
            continue;
        if (seam > at)
            f(QStringView(raw_).sliced(at, seam - at));
        at = seam + 1;
    }
    if (at < raw_.size())
        f(QStringView(raw_).sliced(at));
}

QString TextReplica::Text() const
{
    QString out;
    out.reserve(raw_.size());
    ForEachPiece([&](QStringView piece) { out.append(piece); });
    return out;
}
