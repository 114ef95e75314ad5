// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/FileAttributes.h"
#include "document/FileStamp.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

QString AttributeLetters(const QString& path)
{
    const QFileInfo info(path);
    QString letters;
    letters += IsProtected(path) ? QLatin1Char('R') : QLatin1Char(' ');
    letters += info.fileName().startsWith(QLatin1Char('.')) ? QLatin1Char('H') : QLatin1Char(' ');
    letters += QLatin1Char(' ');
    return letters;
}

bool IsProtected(const QString& path)
{
    return QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

namespace {
// Only the mode bits: the "User" flags describe what the current user may
// do (always everything for root) and would widen the mode if set back.
QFileDevice::Permissions ModeBits(const QString& path)
{
    return QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}
}   // namespace

QFileDevice::Permissions KeepAttributes(const QString& path)
{
    return ModeBits(path);
}

bool ResetAttributes(const QString& path)
{
    return QFile::setPermissions(path, ModeBits(path) | QFileDevice::WriteOwner);
}

bool RestoreAttributes(const QString& path, QFileDevice::Permissions permissions)
{
    return QFile::setPermissions(path, permissions);
}

qint64 LastWriteTime(const QString& path)
{
    return FileStamp::Of(path).mtimeNs;
}
