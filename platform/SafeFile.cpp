#include "platform/SafeFile.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

} // namespace

SafeFile::SafeFile(const QString& path) : path_(path) {}

SafeFile::~SafeFile()
{
    Discard();
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

bool SafeFile::Open()
{
    target_ = FollowLinks(path_);
    struct stat st {};
    if (::stat(QFile::encodeName(target_).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return Fail(QStringLiteral("Not a regular file"));

    const QFileInfo info(target_);
    QByteArray pattern = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName())
                         + ".XXXXXX";
    int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0 && errno == ENAMETOOLONG) {
        pattern = QFile::encodeName(info.absolutePath()) + "/.mirel-save.XXXXXX";
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
        return Fail(QStringLiteral("File is not open"));
    if (temp_.write(bytes) != bytes.size())
        return Fail(temp_.errorString());
    return true;
}

bool SafeFile::Commit()
{
    if (!temp_.isOpen())
        return error_.isEmpty() ? Fail(QStringLiteral("File is not open")) : false;
    // Small files sit in Qt's buffer until here: this is where a full disk
    // shows.
    if (!temp_.flush())
        return Fail(temp_.errorString());
    const int fd = temp_.handle();

    struct stat st {};
    const QByteArray target = QFile::encodeName(target_);
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return Fail(QStringLiteral("Not a regular file"));
    mode_t mode = 0666 & ~CurrentUmask();
    if (exists)
        mode = st.st_mode & 07777;
    else if (newFileMode_)
        mode = *newFileMode_;
    if (forcedMode_)
        mode = *forcedMode_;
    if (::fchmod(fd, mode) != 0)
        return FailErrno();
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        // Keeps the owner and group where we may; a user's own file keeps
        // its group.
        [[maybe_unused]] const int ignored = ::fchown(fd, st.st_uid, st.st_gid);
    }
    if (::fsync(fd) != 0)
        return FailErrno();

    if (exists && st.st_nlink > 1) {
        if (!CopyIntoHardLinkedTarget())
            return false;
    } else if (::rename(QFile::encodeName(tempPath_).constData(), target.constData()) != 0) {
        return FailErrno();
    }
    temp_.close();
    tempPath_.clear();
    committed_ = true;
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(QFile::encodeName(QFileInfo(target_).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool SafeFile::CopyIntoHardLinkedTarget()
{
    const int in = temp_.handle();
    const off_t size = ::lseek(in, 0, SEEK_END);
    if (size < 0)
        return FailErrno();
    const int out = ::open(QFile::encodeName(target_).constData(), O_WRONLY | O_CLOEXEC);
    if (out < 0)
        return FailErrno();
    // Reserving the room first means a full disk fails here, before the
    // target is touched.
    if (size > 0 && ::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS) {
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
        // The target may be half written now; the new text stays beside it.
        error_ = ErrnoText(code) + QStringLiteral(". The new text is kept in ") + tempPath_;
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

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     std::optional<mode_t> newFileMode, std::optional<mode_t> forcedMode)
{
    SafeFile file(path);
    if (newFileMode)
        file.SetNewFileMode(*newFileMode);
    if (forcedMode)
        file.SetForcedMode(*forcedMode);
    const bool ok = file.Open() && file.Write(bytes) && file.Commit();
    if (!ok && error)
        *error = file.ErrorString();
    return ok;
}
