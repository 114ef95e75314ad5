// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// The documents opened or saved last, newest first, at most kMax. Two
// names of one file (a link, "..", a relative name) count as one entry.
class RecentFiles {
public:
    static constexpr int kMax = 10;

    const QStringList& Paths() const { return paths_; }
    int Count() const { return int(paths_.size()); }
    // The entry of a 0-based slot, or an empty text.
    QString At(int slot) const { return slot >= 0 && slot < Count() ? paths_.at(slot) : QString(); }

    // To the front; an older entry of the same file goes, and the oldest
    // beyond kMax.
    void Add(const QString& path);
    // The entry of that file, however it is named; false when none.
    bool Remove(const QString& path);
    void Clear() { paths_.clear(); }
    // A stored entry, appended in slot order; an empty, relative or
    // garbled one, a repeated one and one beyond kMax are skipped.
    bool Restore(const QString& stored);

    // The absolute, clean name an entry is kept under.
    static QString Kept(const QString& path);
    // What two names of one file have in common: the resolved name while
    // the file exists, the clean absolute name otherwise.
    static QString Identity(const QString& path);
    // The menu text: the home folder as "~", and the middle of a longer
    // text than maxLength replaced by "...", the file name kept whole as
    // far as it fits.
    static QString Shortened(const QString& path, const QString& home, int maxLength = 60);

private:
    int IndexOf(const QString& path) const;

    QStringList paths_;
};
