#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Trash.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
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
