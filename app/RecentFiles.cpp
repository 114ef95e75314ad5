// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

QString RecentFiles::Kept(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString RecentFiles::Identity(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? Kept(path) : canonical;
}

int RecentFiles::IndexOf(const QString& path) const
{
    const QString identity = Identity(path);
    for (int i = 0; i < Count(); ++i)
        if (Identity(paths_.at(i)) == identity)
            return i;
    return -1;
}

void RecentFiles::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    if (const int old = IndexOf(path); old >= 0)
        paths_.removeAt(old);
    paths_.prepend(Kept(path));
    while (Count() > kMax)
        paths_.removeLast();
}

bool RecentFiles::Remove(const QString& path)
{
    const int at = IndexOf(path);
    if (at < 0)
        return false;
    paths_.removeAt(at);
    return true;
}

bool RecentFiles::Restore(const QString& stored)
{
    if (Count() >= kMax || stored.isEmpty() || !QDir::isAbsolutePath(stored))
        return false;
    for (const QChar c : stored)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    if (IndexOf(stored) >= 0)
        return false;
    paths_.append(Kept(stored));
    return true;
}

QString RecentFiles::Shortened(const QString& path, const QString& home, int maxLength)
{
    QString text = path;
    const QString homeDir = QDir::cleanPath(home);
    if (!homeDir.isEmpty() && homeDir != QLatin1String("/") &&
        (text == homeDir || text.startsWith(homeDir + QLatin1Char('/'))))
        text = QLatin1Char('~') + text.mid(homeDir.size());
    const QString dots = QStringLiteral("...");
    maxLength = std::max<int>(maxLength, int(dots.size()) + 2);
    if (text.size() <= maxLength)
        return text;
    // The file name says most: it keeps its room, the folders give way.
    const qsizetype room = maxLength - dots.size();
    const qsizetype name = text.size() - text.lastIndexOf(QLatin1Char('/'));
    const qsizetype tail = std::clamp<qsizetype>(name, room / 2, room - 1);
    return text.left(room - tail) + dots + text.right(tail);
}
