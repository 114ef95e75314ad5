// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QtGlobal>

// Which file a path named, and in what state, when this run last read or
// wrote it: enough to tell that another program changed it since, rewrote
// it in place, or put another file (or a link to one) in its place. A
// symbolic link is followed: its target is the file that is compared.
struct FileStamp {
    bool known = false;   // false: never seen, or not there when looked at
    bool regular = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNs = 0;   // modification time in nanoseconds since the epoch
    bool operator==(const FileStamp&) const = default;

    // One stat() of the path; unknown when there is nothing there.
    static FileStamp Of(const QString& path);
};

// Whether a write to `path` would overwrite something this run has not
// seen. Never for a file this run has no stamp of, for a file deleted
// since (writing it again loses nothing), or for something that is not a
// regular file (the write refuses that with its own message); always for
// a link to nowhere put in its place (the write would go where it points).
bool ChangedSince(const FileStamp& seen, const QString& path);

// The question a save asks before overwriting such a change.
QString ChangedOnDiskQuestion(const QString& path);
