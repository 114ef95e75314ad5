// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/FileStamp.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

FileStamp FileStamp::Of(const QString& path)
{
    FileStamp stamp;
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    stamp.known = true;
    stamp.regular = S_ISREG(st.st_mode);
    stamp.device = quint64(st.st_dev);
    stamp.inode = quint64(st.st_ino);
    stamp.size = qint64(st.st_size);
    stamp.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return stamp;
}

bool ChangedSince(const FileStamp& seen, const QString& path)
{
    if (!seen.known)
        return false;
    const FileStamp now = FileStamp::Of(path);
    if (!now.known) {
        // Gone, unless a link to nowhere was put in its place.
        struct stat st {};
        return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
    }
    return now.regular && now != seen;
}

QString ChangedOnDiskQuestion(const QString& path)
{
    return QCoreApplication::translate("FileStamp", "%1\nwas changed by another program. Overwrite it?").arg(path);
}
