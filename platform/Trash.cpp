// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Trash.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// The folder and its missing parents, each made with mode 0700 (nobody else
// has business in a user's data or trash). A folder already there, also
// through a link, is taken as it is.
bool MakeFolder(const QString& folder, QString* error)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink())
        return Fail(error, QCoreApplication::translate("Trash", "%1: not a folder").arg(folder));
    const QString parent = info.absolutePath();
    if (parent != folder && !MakeFolder(parent, error))
        return false;
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return Fail(error, folder + QStringLiteral(": ") + ErrnoText(errno));
    return QFileInfo(folder).isDir() ||
           Fail(error, QCoreApplication::translate("Trash", "%1: not a folder").arg(folder));
}

// "name", then "name 2.ext", "name 3.ext", ... for entries of the same name.
QString NumberedName(const QString& name, int number)
{
    if (number == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QStringLiteral(" ") + QString::number(number);
    return dot > 0 ? name.left(dot) + suffix + name.mid(dot) : name + suffix;
}

QByteArray TrashInfo(const QString& absolutePath)
{
    // The path's own bytes, escaped as a URL path is.
    return QByteArrayLiteral("[Trash Info]\nPath=") + QFile::encodeName(absolutePath).toPercentEncoding("/") +
           QByteArrayLiteral("\nDeletionDate=") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1() + '\n';
}

}   // namespace

QString HomeTrashPath()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data)) {
        // A relative XDG_DATA_HOME is to be ignored.
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty() || !QDir::isAbsolutePath(home))
            return {};
        data = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(data + QStringLiteral("/Trash"));
}

bool MoveToTrash(const QString& path, QString* error)
{
    const QFileInfo source(path);
    if (path.isEmpty() || (!source.exists() && !source.isSymLink()))
        return Fail(error, QCoreApplication::translate("Trash", "%1: no such file or folder").arg(path));
    const QString trash = HomeTrashPath();
    if (trash.isEmpty())
        return Fail(error, QCoreApplication::translate("Trash", "The trash is not available: no home folder is set"));
    const QString files = trash + QStringLiteral("/files");
    const QString infos = trash + QStringLiteral("/info");
    QString why;
    if (!MakeFolder(files, &why) || !MakeFolder(infos, &why))
        return Fail(error, QCoreApplication::translate("Trash", "The trash is not available: %1").arg(why));

    const QString absolute = source.absoluteFilePath();
    const QByteArray from = QFile::encodeName(absolute);
    for (int number = 1; number < 100000; ++number) {
        const QString name = NumberedName(source.fileName(), number);
        const QString target = files + QLatin1Char('/') + name;
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        // The info file is made first and only if new: it claims the name.
        QFile info(infos + QLatin1Char('/') + name + QStringLiteral(".trashinfo"));
        if (!info.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(info.fileName()))
                continue;
            return Fail(error, QCoreApplication::translate("Trash", "The trash is not available: %1: %2")
                                   .arg(info.fileName(), info.errorString()));
        }
        const QByteArray text = TrashInfo(absolute);
        const bool written = info.write(text) == text.size() && info.flush();
        info.close();
        if (!written) {
            info.remove();
            return Fail(error, QCoreApplication::translate("Trash", "The trash is not available: %1: %2")
                                   .arg(info.fileName(), info.errorString()));
        }
        if (std::rename(from.constData(), QFile::encodeName(target).constData()) == 0)
            return true;
        const int reason = errno;
        info.remove();
        // On another file system the entry cannot be moved here; Qt knows
        // that disk's own trash folder.
        if (reason == EXDEV)
            return QFile::moveToTrash(absolute) ||
                   Fail(error,
                        QCoreApplication::translate("Trash", "%1: the trash is on another file system").arg(absolute));
        return Fail(error, absolute + QStringLiteral(": ") + ErrnoText(reason));
    }
    return Fail(error,
                QCoreApplication::translate("Trash", "the trash is full of entries named %1").arg(source.fileName()));
}
