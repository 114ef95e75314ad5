// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Trash.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

void QtShell::ShellOpen(const QString& target)
{
    // A bare path is a local file; anything with a scheme is an address.
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath())
                                               : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

bool QtShell::RecycleFile(const QString& path)
{
    recycleError_.clear();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    return MoveToTrash(path, &recycleError_);
}

QString QtShell::FindProgram(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

bool QtShell::HasOpenerFor(const QString& path)
{
    // What xdg-open would start for the type: a type and its aliases may
    // each have a default application.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QStringList names = type.aliases();
    names.prepend(type.name());
    for (const QString& name : names) {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), name});
        if (!query.waitForFinished(5000)) {
            query.kill();
            query.waitForFinished();
            return true;   // no answer: unknown
        }
        if (query.exitStatus() == QProcess::NormalExit && !query.readAllStandardOutput().trimmed().isEmpty())
            return true;
    }
    return false;
}

QSize QtScreenMetrics::ScreenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QSize QtScreenMetrics::DesktopSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualSize() : QSize(1024, 768);
}
