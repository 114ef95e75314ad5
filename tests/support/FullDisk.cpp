// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FullDisk.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

FullDisk::FullDisk()
{
    mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                       "size=256k,mode=0700") == 0;
}

FullDisk::~FullDisk()
{
    if (limited_)
        ::setrlimit(RLIMIT_FSIZE, &oldLimit_);
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void FullDisk::Put(const QString& name, const QByteArray& bytes) const
{
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void FullDisk::Fill()
{
    if (mounted_) {
        const int fd =
            ::open(QFile::encodeName(Path(QStringLiteral("filler"))).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'f');
        while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        // Smaller pieces until not one byte fits.
        while (fd >= 0 && ::write(fd, "f", 1) > 0) {
        }
        ::close(fd);
        return;
    }
    // A file size limit raises SIGXFSZ, which would end the test; ignored,
    // the write fails with EFBIG instead.
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &oldLimit_);
    rlimit limit = oldLimit_;
    limit.rlim_cur = 1;
    limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

QString FullDisk::Reason() const
{
    return qt_error_string(mounted_ ? ENOSPC : EFBIG);
}
