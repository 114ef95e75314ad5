// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

// A folder where writes fail the way they fail on a full disk. As root it is
// a small tmpfs filled up by Fill(); where mounting is not allowed, Fill()
// instead limits the size of any file this process writes (RLIMIT_FSIZE),
// so the buffered tail of a write fails all the same.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    QString Path(const QString& name) const { return dir_.filePath(name); }
    bool Mounted() const { return mounted_; }
    // Puts a file in place while there is still room.
    void Put(const QString& name, const QByteArray& bytes) const;
    // From now on nothing more fits.
    void Fill();
    // The reason the system gives for the failed write.
    QString Reason() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit oldLimit_{};
};
