// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeFile.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

QString ErrnoText(int code)
{
    return qt_error_string(code);
}

// The file a path names once symbolic links are followed; a dangling link
// names the file it would create.
QString FollowLinks(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    return current;   // a loop: opening it fails with its own reason
}

mode_t CurrentUmask()
{
    // There is no way to read the umask without setting it.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// ---------------------------------------------------------------- names beside

// ".<name>.mirel-save-", or ".mirel-save-" for a name too long to carry.
QByteArray SavePrefix(const QByteArray& name)
{
    return name.isEmpty() ? QByteArray(".mirel-save-") : "." + name + ".mirel-save-";
}

constexpr qsizetype kPidDigits = 10;   // "<pid>-XXXXXX" after the prefix
constexpr qsizetype kRandomLetters = 6;

// The writer's process id in the rest of a name after its prefix,
// "<pid>-" and six letters or digits; 0 when the rest is anything else.
pid_t WriterPid(QByteArrayView rest)
{
    const qsizetype dash = rest.indexOf('-');
    if (dash < 1 || dash > kPidDigits || rest.size() != dash + 1 + kRandomLetters)
        return 0;
    qint64 pid = 0;
    for (const char c : rest.first(dash)) {
        if (c < '0' || c > '9')
            return 0;
        pid = pid * 10 + (c - '0');
    }
    for (const char c : rest.sliced(dash + 1)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return 0;
    }
    return pid > 0 && pid <= INT_MAX ? pid_t(pid) : 0;
}

// Removes what killed saves of `name` left in `folder`: files of this user
// named as SafeFile names them, whose writer no longer runs. A file of a
// running writer, of another user, or of another name stays.
void RemoveStaleSaveFiles(const QByteArray& folder, const QByteArray& name)
{
    QList<QByteArray> prefixes{SavePrefix(name)};
    if (prefixes.front().size() + kPidDigits + 1 + kRandomLetters > NAME_MAX)
        prefixes.append(SavePrefix({}));   // the name was too long: SafeFile used the short form
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return;
    DIR* listing = ::fdopendir(folderFd);
    if (!listing) {
        ::close(folderFd);
        return;
    }
    QList<QByteArray> stale;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArrayView entryName(entry->d_name);
        for (const QByteArray& prefix : prefixes) {
            if (!entryName.startsWith(prefix))
                continue;
            const pid_t pid = WriterPid(entryName.sliced(prefix.size()));
            struct stat st {};
            if (pid > 0 && ::fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
                st.st_uid == ::geteuid() && ::kill(pid, 0) != 0 && errno == ESRCH)
                stale.append(entryName.toByteArray());
        }
    }
    for (const QByteArray& entryName : stale)
        ::unlinkat(folderFd, entryName.constData(), 0);
    ::closedir(listing);
}

// ---------------------------------------------------------------- extended attributes

// Reads a list or a value whose size is not known in advance; false on
// failure, with errno set.
template <typename Read> bool ReadSized(Read read, std::string* out)
{
    for (int tries = 0; tries < 8; ++tries) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return false;
        out->assign(size_t(size), '\0');
        if (size == 0)
            return true;
        const ssize_t got = read(out->data(), out->size());
        if (got >= 0) {
            out->resize(size_t(got));
            return true;
        }
        if (errno != ERANGE)   // ERANGE: it grew meanwhile
            return false;
    }
    return false;
}

// The names of a file's extended attributes; none where the file system
// keeps none.
template <typename List> bool AttributeNames(List list, std::vector<std::string>* names)
{
    std::string all;
    if (!ReadSized(list, &all))
        return errno == ENOTSUP;
    for (size_t start = 0; start < all.size();) {
        const size_t end = all.find('\0', start);
        names->push_back(all.substr(start, end - start));
        start = end == std::string::npos ? all.size() : end + 1;
    }
    return true;
}

// Gives the open file `fd` exactly the extended attributes of the file
// `source`, its ACL among them (system.posix_acl_access); false when one
// cannot be read or set.
bool CopyExtendedAttributes(const QByteArray& source, int fd)
{
    std::vector<std::string> wanted, present;
    if (!AttributeNames([&](char* b, size_t n) { return ::llistxattr(source.constData(), b, n); }, &wanted) ||
        !AttributeNames([&](char* b, size_t n) { return ::flistxattr(fd, b, n); }, &present))
        return false;
    for (const std::string& name : wanted) {
        std::string value, current;
        if (!ReadSized([&](void* b, size_t n) { return ::lgetxattr(source.constData(), name.c_str(), b, n); }, &value))
            return false;
        if (ReadSized([&](void* b, size_t n) { return ::fgetxattr(fd, name.c_str(), b, n); }, &current) &&
            current == value)
            continue;
        if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0)
            return false;
    }
    for (const std::string& name : present) {
        if (std::find(wanted.begin(), wanted.end(), name) != wanted.end())
            continue;
        // An ACL the new file took from its folder's default ACL goes; a
        // label the system's policy gave it may stay.
        if (::fremovexattr(fd, name.c_str()) != 0 && errno != ENODATA && name.rfind("security.", 0) != 0)
            return false;
    }
    return true;
}

}   // namespace

SafeFile::SafeFile(const QString& path) : path_(path) {}

SafeFile::~SafeFile()
{
    Discard();
}

QString SafeFile::ErrorString()
{
    if (!error_.isEmpty())
        return error_;
    // Qt keeps no reason for a write that stopped partway (a full disk, a
    // file size limit): writing on gets the system's. What a flush left in
    // the buffer is tried again; after a short direct write, one more byte.
    if (shortWriteError_.isEmpty() && temp_.isOpen()) {
        const char byte = 0;
        if (temp_.bytesToWrite() > 0)
            shortWriteError_ = temp_.flush() ? tr("The write stopped partway") : temp_.errorString();
        else if (temp_.error() == QFileDevice::NoError)
            shortWriteError_ =
                ::write(temp_.handle(), &byte, 1) < 0 ? ErrnoText(errno) : tr("The write stopped partway");
    }
    return shortWriteError_.isEmpty() ? temp_.errorString() : shortWriteError_;
}

bool SafeFile::Fail(const QString& reason)
{
    error_ = reason;
    return false;
}

bool SafeFile::FailErrno()
{
    return Fail(ErrnoText(errno));
}

bool SafeFile::CheckSideFile()
{
    // The name itself is judged: what a link leads to is never opened.
    struct stat st {};
    if (::lstat(QFile::encodeName(target_).constData(), &st) != 0)
        return errno == ENOENT || FailErrno();
    if (S_ISLNK(st.st_mode)) {
        // A link to a folder or a pipe is refused as that folder or pipe
        // would be; any other, the planted kind among them, as a link.
        struct stat target {};
        if (::stat(QFile::encodeName(target_).constData(), &target) == 0 && !S_ISREG(target.st_mode))
            return Fail(tr("Not a regular file"));
        return Fail(tr("is a symbolic link"));
    }
    if (st.st_uid != ::geteuid())
        return Fail(tr("belongs to another user"));
    return true;
}

bool SafeFile::Open()
{
    error_.clear();
    if (sideFile_) {
        target_ = QFileInfo(path_).absoluteFilePath();
        if (!CheckSideFile())
            return false;
    } else {
        target_ = FollowLinks(path_);
    }
    struct stat st {};
    if (::stat(QFile::encodeName(target_).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return Fail(tr("Not a regular file"));

    const QFileInfo info(target_);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray name = QFile::encodeName(info.fileName());
    RemoveStaleSaveFiles(folder, name);
    // The writer's process id in the name tells a later save whether the
    // file is still being written.
    const QByteArray tail = QByteArray::number(::getpid()) + "-XXXXXX";
    QByteArray pattern = folder + '/' + SavePrefix(name) + tail;
    int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0 && errno == ENAMETOOLONG) {
        pattern = folder + '/' + SavePrefix({}) + tail;
        fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    }
    if (fd < 0)
        return FailErrno();
    tempPath_ = QFile::decodeName(pattern);
    if (!temp_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(pattern.constData());
        tempPath_.clear();
        return Fail(temp_.errorString());
    }
    return true;
}

bool SafeFile::Write(const QByteArray& bytes)
{
    if (!temp_.isOpen())
        return Fail(tr("File is not open"));
    if (temp_.write(bytes) != bytes.size())
        return Fail(temp_.errorString());
    return true;
}

bool SafeFile::Commit()
{
    if (!temp_.isOpen())
        return error_.isEmpty() ? Fail(tr("File is not open")) : false;
    if (!shortWriteError_.isEmpty())
        return Fail(shortWriteError_);
    // Small files sit in Qt's buffer until here: this is where a full disk
    // shows. A flush that stopped partway tells no reason; the rest, tried
    // again, fits now or fails with the system's.
    if (!temp_.flush() && !temp_.flush())
        return Fail(temp_.errorString());
    const int fd = temp_.handle();

    // Someone may have put a link or a file of theirs under a side file's
    // name since Open.
    if (sideFile_ && !CheckSideFile())
        return false;
    struct stat st {};
    const QByteArray target = QFile::encodeName(target_);
    const bool exists = (sideFile_ ? ::lstat(target.constData(), &st) : ::stat(target.constData(), &st)) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return Fail(tr("Not a regular file"));
    mode_t mode = 0666 & ~CurrentUmask();
    if (exists)
        mode = st.st_mode & 07777;
    else if (newFileMode_)
        mode = *newFileMode_;
    if (forcedMode_)
        mode = *forcedMode_;

    // A side file is replaced even when it has other names: writing into it
    // would reach whatever file someone linked there.
    bool inPlace = exists && st.st_nlink > 1 && !sideFile_;
    if (!exists) {
        if (::fchmod(fd, mode) != 0)
            return FailErrno();
    } else if (!inPlace) {
        inPlace = !CarryAttributes(fd, st, mode);
    }
    if (::fsync(fd) != 0)
        return FailErrno();

    if (inPlace) {
        if (!CopyIntoTarget(st))
            return false;
    } else if (::rename(QFile::encodeName(tempPath_).constData(), target.constData()) != 0) {
        const int code = errno;
        // In a sticky folder the rename fails over another user's file that
        // appeared meanwhile: say so rather than "Operation not permitted".
        if (sideFile_ && !CheckSideFile())
            return false;
        return Fail(ErrnoText(code));
    }
    temp_.close();
    tempPath_.clear();
    committed_ = true;
    // The rename itself reaches the disk with the folder.
    const int dir =
        ::open(QFile::encodeName(QFileInfo(target_).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool SafeFile::CarryAttributes(int fd, const struct stat& old, mode_t mode)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    // Owner and group one at a time: only root may give a file away, while
    // a member of the old group may still give it that group. In a setgid
    // folder the new file may already have the right group, or the wrong one.
    if (now.st_uid != old.st_uid && ::fchown(fd, old.st_uid, gid_t(-1)) != 0)
        return false;
    if (now.st_gid != old.st_gid && ::fchown(fd, uid_t(-1), old.st_gid) != 0)
        return false;
    // The bits go first (a change of owner may clear setuid and setgid);
    // the ACL then sets the group bits to its mask, which the old file's
    // bits already equal.
    if (::fchmod(fd, mode) != 0 || !CopyExtendedAttributes(QFile::encodeName(target_), fd) || ::fstat(fd, &now) != 0)
        return false;
    // A forced mode unlike the old one takes the ACL's mask with it.
    if ((now.st_mode & 07777) != mode && (::fchmod(fd, mode) != 0 || ::fstat(fd, &now) != 0))
        return false;
    // Anything the system quietly dropped (setgid outside the group) means
    // the new file is not what the old one was.
    return now.st_uid == old.st_uid && now.st_gid == old.st_gid && (now.st_mode & 07777) == mode;
}

bool SafeFile::CopyIntoTarget(const struct stat& old)
{
    const int in = temp_.handle();
    const off_t size = ::lseek(in, 0, SEEK_END);
    if (size < 0)
        return FailErrno();
    const int out = ::open(QFile::encodeName(target_).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (out < 0)
        return FailErrno();
    // Only the file looked at may be written: not one put in its place.
    struct stat now {};
    if (::fstat(out, &now) != 0 || now.st_dev != old.st_dev || now.st_ino != old.st_ino) {
        ::close(out);
        return Fail(tr("The file was replaced while it was being saved"));
    }
    if (forcedMode_ && (now.st_mode & 07777) != *forcedMode_ && ::fchmod(out, *forcedMode_) != 0) {
        const int code = errno;
        ::close(out);
        return Fail(ErrnoText(code));
    }
    // Reserving the room first means a full disk fails here, before the
    // target is touched.
    if (size > 0 && ::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
        const int code = errno;
        ::close(out);
        return Fail(ErrnoText(code));
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    off_t done = 0;
    bool ok = true;
    while (ok && done < size) {
        const ssize_t got = ::pread(in, buffer.data(), buffer.size(), done);
        if (got <= 0) {
            ok = false;
            break;
        }
        for (ssize_t put = 0; ok && put < got;) {
            const ssize_t n = ::pwrite(out, buffer.constData() + put, size_t(got - put), done + put);
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            if (ok)
                put += n;
        }
        done += got;
    }
    ok = ok && ::ftruncate(out, size) == 0 && ::fsync(out) == 0;
    const int code = errno;
    ok = ::close(out) == 0 && ok;
    if (!ok) {
        // The target may be half written now; the new text stays beside it,
        // under a name the next save does not clear away.
        QString kept = tempPath_;
        kept.replace(kept.lastIndexOf(QStringLiteral("mirel-save-")), 10, QStringLiteral("mirel-kept"));
        if (::renameat2(AT_FDCWD, QFile::encodeName(tempPath_).constData(), AT_FDCWD,
                        QFile::encodeName(kept).constData(), RENAME_NOREPLACE) != 0)
            kept = tempPath_;
        //: %1 is the system's reason, %2 the file now holding the new text.
        error_ = tr("%1. The new text is kept in %2").arg(ErrnoText(code), kept);
        temp_.close();
        tempPath_.clear();
        return false;
    }
    ::unlink(QFile::encodeName(tempPath_).constData());
    return true;
}

void SafeFile::Discard()
{
    if (temp_.isOpen())
        temp_.close();
    if (!tempPath_.isEmpty() && !committed_)
        ::unlink(QFile::encodeName(tempPath_).constData());
    tempPath_.clear();
}

namespace {

bool WriteWhole(SafeFile& file, const QByteArray& bytes, QString* error)
{
    const bool ok = file.Open() && file.Write(bytes) && file.Commit();
    if (!ok && error)
        *error = file.ErrorString();
    return ok;
}

}   // namespace

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error, std::optional<mode_t> newFileMode,
                     std::optional<mode_t> forcedMode)
{
    SafeFile file(path);
    if (newFileMode)
        file.SetNewFileMode(*newFileMode);
    if (forcedMode)
        file.SetForcedMode(*forcedMode);
    return WriteWhole(file, bytes, error);
}

bool WriteSideFileSafely(const QString& path, const QByteArray& bytes, QString* error, std::optional<mode_t> forcedMode)
{
    SafeFile file(path);
    file.SetSideFile(true);
    if (forcedMode)
        file.SetForcedMode(*forcedMode);
    return WriteWhole(file, bytes, error);
}
