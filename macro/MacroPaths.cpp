#include "macro/MacroPaths.h"

#include "app/MainForm.h"
#include "document/DocumentRules.h"

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
    const QStringList parts = QFileInfo(path).absoluteFilePath().split(QLatin1Char('/'), Qt::SkipEmptyParts);
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

std::optional<QString> PathQuestion(PathAccess access, const QString& path, const QString& runFolder)
{
    const QString resolved = ResolvedPath(path);
    if (access == PathAccess::Write) {
        if (InsideFolder(resolved, runFolder))
            return std::nullopt;
        return QStringLiteral("The macro wants to write %1.\nAllow it?").arg(resolved.isEmpty() ? path : resolved);
    }
    // A file that is not there is not read: the open says so itself.
    if (!resolved.isEmpty() && ReadabilityOf(resolved) != Readability::Private)
        return std::nullopt;
    return QStringLiteral("The macro wants to read %1.\nAllow it?").arg(resolved.isEmpty() ? path : resolved);
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
    if (path.isEmpty() || policy_ == PathPolicy::Allow)
        return true;
    const std::optional<QString> question = PathQuestion(access, path, folder_);
    if (!question)
        return true;
    const QString resolved = ResolvedPath(path);
    const QString key = Key(access, resolved.isEmpty() ? path : resolved);
    if (allowed_.contains(key))
        return true;
    if (refused_.contains(key))
        return false;
    bool yes = false;
    if (policy_ == PathPolicy::Refuse) {
        const QString shown = resolved.isEmpty() ? path : resolved;
        refusal_ = access == PathAccess::Write
                       ? QStringLiteral("writes %1, outside the folder of the document; --allow-paths allows it")
                             .arg(shown)
                       : QStringLiteral("reads %1, which other users cannot read; --allow-paths allows it").arg(shown);
    } else {
        yes = ask(*question);
    }
    (yes ? allowed_ : refused_).insert(key);
    return yes;
}

QString MacroPathGuard::TakeRefusal()
{
    return std::exchange(refusal_, QString());
}

bool PermitMacroPath(TMainForm& form, PathAccess access, const QString& path)
{
    MacroPathGuard& guard = form.Macro.Paths;
    if (!guard.Running())
        guard.Begin(form.Doc.CurrentFile);
    QString target = path;
    // The file Open will really take: a missing name without an extension
    // gets the one of the open dialog's filter.
    if (access == PathAccess::Read && !target.isEmpty() && !QFileInfo::exists(target) && !HasExtension(target))
        target += OpenExtensionForFilter(form.OpenDialogState.filterIndex);
    return guard.Permit(access, target, [&form](const QString& question) {
        return form.Ask(MsgKind::Confirmation, question, MsgButtons::YesNo) == MsgAnswer::Yes;
    });
}
