// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrivateTemp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString UserName()
{
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(geteuid());
}

bool Refuse(const QString& folder, const QString& why, QString* error)
{
    if (error)
        *error =
            QCoreApplication::translate("PrivateTemp", "The temporary folder %1 cannot be used: %2").arg(folder, why);
    return false;
}

}   // namespace

QString PrivateTempPath()
{
    QString base = QDir::tempPath();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + QStringLiteral("mirel-edit-") + UserName() + QLatin1Char('/');
}

bool EnsurePrivateFolder(const QString& folder, QString* error)
{
    QString path = folder;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return Refuse(path, QString::fromLocal8Bit(std::strerror(errno)), error);
    // lstat: a link planted by someone else must not redirect our files.
    struct stat st {};
    if (lstat(native.constData(), &st) != 0)
        return Refuse(path, QString::fromLocal8Bit(std::strerror(errno)), error);
    if (S_ISLNK(st.st_mode))
        return Refuse(path, QCoreApplication::translate("PrivateTemp", "it is a symbolic link."), error);
    if (!S_ISDIR(st.st_mode))
        return Refuse(path, QCoreApplication::translate("PrivateTemp", "it is not a folder."), error);
    if (st.st_uid != geteuid())
        return Refuse(path, QCoreApplication::translate("PrivateTemp", "it belongs to another user."), error);
    if ((st.st_mode & 077) != 0 && chmod(native.constData(), 0700) != 0)
        return Refuse(path, QString::fromLocal8Bit(std::strerror(errno)), error);
    return true;
}
