// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/MacroPaths.h"

#include "document/DocumentRules.h"
#include "document/DocumentSession.h"
#include "macro/MacroHost.h"
#include "macro/MacroState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>
#include <vector>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links followed in one path before it counts as a circle, as the kernel does.
constexpr int kMaxLinks = 40;

QString Key(PathAccess access, const QString& resolved)
{
    return (access == PathAccess::Read ? QStringLiteral("r:") : QStringLiteral("w:")) + resolved;
}

bool LetsOthersThrough(const QString& folder)
{
    struct stat st {};
    return ::stat(QFile::encodeName(folder).constData(), &st) == 0 && (st.st_mode & S_IXOTH);
}

}   // namespace

bool OthersCanPass(const QString& resolved)
{
    if (!resolved.startsWith(QLatin1Char('/')) || !LetsOthersThrough(QStringLiteral("/")))
        return false;
    qsizetype slash = 0;
    while ((slash = resolved.indexOf(QLatin1Char('/'), slash + 1)) > 0)
        if (!LetsOthersThrough(resolved.left(slash)))
            return false;
    return resolved == QLatin1String("/") || LetsOthersThrough(resolved);
}

QString ResolvedPath(const QString& path)
{
    if (path.isEmpty())
        return {};
    // The parts still to walk, the next one last.
    std::vector<QString> todo;
    // Not QFileInfo's absolute path: that drops "x/.." before x is looked at.
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (auto it = parts.rbegin(); it != parts.rend(); ++it)
        todo.push_back(*it);
    QString done;   // "" is the root
    int links = 0;
    while (!todo.empty()) {
        const QString part = todo.back();
        todo.pop_back();
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            done.truncate(qMax<qsizetype>(0, done.lastIndexOf(QLatin1Char('/'))));
            continue;
        }
        const QString next = done + QLatin1Char('/') + part;
        const QByteArray native = QFile::encodeName(next);
        struct stat st {};
        if (::lstat(native.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            done = next;
            continue;
        }
        if (++links > kMaxLinks)
            return {};
        char target[PATH_MAX];
        const ssize_t size = ::readlink(native.constData(), target, sizeof target);
        if (size < 0)
            return {};
        const QString to = QFile::decodeName(QByteArray(target, size));
        // A link's own ".." counts from the folder the link is in.
        if (to.startsWith(QLatin1Char('/')))
            done.clear();
        const QStringList linkParts = to.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (auto it = linkParts.rbegin(); it != linkParts.rend(); ++it)
            todo.push_back(*it);
    }
    return done.isEmpty() ? QStringLiteral("/") : done;
}

bool InsideFolder(const QString& resolved, const QString& folder)
{
    if (resolved.isEmpty() || folder.isEmpty())
        return false;
    if (folder == QLatin1String("/"))
        return true;
    return resolved == folder || resolved.startsWith(folder + QLatin1Char('/'));
}

Readability ReadabilityOf(const QString& resolved)
{
    if (resolved.isEmpty())
        return Readability::Unknown;
    // Every folder from the root down: one that others cannot pass keeps
    // them from all below it, whether the file is there yet or not.
    qsizetype slash = 0;
    while ((slash = resolved.indexOf(QLatin1Char('/'), slash + 1)) > 0) {
        const QString folder = resolved.left(slash);
        if (!QFileInfo(folder).exists())
            return Readability::Unknown;
        if (!LetsOthersThrough(folder))
            return Readability::Private;
    }
    if (!LetsOthersThrough(QStringLiteral("/")))
        return Readability::Private;
    struct stat st {};
    if (::stat(QFile::encodeName(resolved).constData(), &st) != 0)
        return Readability::Unknown;
    return (st.st_mode & S_IROTH) ? Readability::Public : Readability::Private;
}

namespace {

// The file an access asks about, or nothing. Qt's file classes drop
// "x/.." before the disk walks the path, the disk after following x: where
// the two lead to different places, either one must be fine.
std::optional<QString> AskedPath(PathAccess access, const QString& path, const QString& runFolder)
{
    if (path.isEmpty())
        return std::nullopt;
    const QString walked = ResolvedPath(path);
    const QString cleaned = ResolvedPath(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    for (const QString& resolved : {cleaned, walked}) {
        if (resolved.isEmpty())
            return path;   // links in a circle: nothing to judge by
        if (access == PathAccess::Write ? !InsideFolder(resolved, runFolder)
                                        : ReadabilityOf(resolved) == Readability::Private)
            return resolved;
    }
    // A file that is not there is not read: the open says so itself.
    return std::nullopt;
}

QString QuestionText(PathAccess access, const QString& shown)
{
    if (access == PathAccess::Write)
        return QCoreApplication::translate("MacroPaths", "The macro wants to write %1.\nAllow it?").arg(shown);
    return QCoreApplication::translate("MacroPaths", "The macro wants to read %1.\nAllow it?").arg(shown);
}

}   // namespace

std::optional<QString> PathQuestion(PathAccess access, const QString& path, const QString& runFolder)
{
    if (const std::optional<QString> asked = AskedPath(access, path, runFolder))
        return QuestionText(access, *asked);
    return std::nullopt;
}

void MacroPathGuard::Begin(const QString& document)
{
    running_ = true;
    // The document itself is resolved first: saving it writes through a
    // link to where it really is.
    folder_.clear();
    if (!document.isEmpty())
        if (const QString real = ResolvedPath(document); !real.isEmpty())
            folder_ = real.left(qMax<qsizetype>(1, real.lastIndexOf(QLatin1Char('/'))));
    allowed_.clear();
    refused_.clear();
    refusal_.clear();
}

bool MacroPathGuard::Permit(PathAccess access, const QString& path, const std::function<bool(const QString&)>& ask)
{
    if (policy_ == PathPolicy::Allow)
        return true;
    const std::optional<QString> asked = AskedPath(access, path, folder_);
    if (!asked)
        return true;
    const QString key = Key(access, *asked);
    if (allowed_.contains(key))
        return true;
    if (refused_.contains(key))
        return false;
    bool yes = false;
    if (policy_ == PathPolicy::Refuse) {
        const QString& shown = *asked;
        refusal_ = access == PathAccess::Write
                       ? QCoreApplication::translate(
                             "MacroPaths", "writes %1, outside the folder of the document; --allow-paths allows it")
                             .arg(shown)
                       : QCoreApplication::translate("MacroPaths",
                                                     "reads %1, which other users cannot read; --allow-paths allows it")
                             .arg(shown);
    } else {
        yes = ask(QuestionText(access, *asked));
    }
    (yes ? allowed_ : refused_).insert(key);
    return yes;
}

QString MacroPathGuard::TakeRefusal()
{
    return std::exchange(refusal_, QString());
}

bool PermitMacroPath(MacroHost& host, PathAccess access, const QString& path)
{
    MacroPathGuard& guard = host.Macro().Paths;
    if (!guard.Running())
        guard.Begin(host.Session().State().CurrentFile);
    QString target = path;
    // The file Open will really take: a missing name without an extension
    // gets the one of the open dialog's filter.
    if (access == PathAccess::Read && !target.isEmpty() && !QFileInfo::exists(target) && !HasExtension(target))
        target += OpenExtensionForFilter(host.Session().OpenDialog().filterIndex);
    return guard.Permit(access, target, [&host](const QString& question) {
        return host.Ask(MsgKind::Confirmation, question, MsgButtons::YesNo) == MsgAnswer::Yes;
    });
}
