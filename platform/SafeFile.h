// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <optional>
#include <sys/stat.h>
#include <sys/types.h>

// Writes a file so that a failure never harms the one already there: the
// bytes go to a new file beside the target, every write, the final flush and
// the sync to disk are checked, and only then does the new file take the
// target's place. A symbolic link is written through to its target.
//
// The new file keeps the owner, group, permission bits, ACL and extended
// attributes of the one it replaces. Where it cannot carry one of them (the
// owner is another user, an attribute cannot be set), or where the target
// has more than one hard link (replacing it would cut it off from its other
// names), the target is written in place instead: once the new bytes are
// safely beside it and its room is reserved, they are copied into it.
//
// The file beside is named ".<name>.mirel-save-<pid>-XXXXXX". One left
// behind by a writer that was killed is removed by the next save of the
// same file.
class SafeFile {
    Q_DECLARE_TR_FUNCTIONS(SafeFile)

public:
    explicit SafeFile(const QString& path);
    ~SafeFile();   // an uncommitted file is discarded
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // Permission bits of the file written. By default an existing target
    // keeps its own and a new one gets 0666 less the umask; `newFileMode`
    // sets those of a new file, `forcedMode` those of any.
    void SetNewFileMode(mode_t mode) { newFileMode_ = mode; }
    void SetForcedMode(mode_t mode) { forcedMode_ = mode; }

    // A file the program makes beside a document (markers, Tidy's output),
    // where others may have put something under its name first: it is
    // never written through a symbolic link, not even a dangling one, and
    // never replaces a file of another user. Open and Commit refuse such a
    // name with "is a symbolic link" or "belongs to another user" as the reason.
    void SetSideFile(bool side) { sideFile_ = side; }

    bool Open();
    QFile& Device() { return temp_; }   // valid after Open
    bool Write(const QByteArray& bytes);
    bool Commit();

    // The system's reason for the last failure ("No space left on device").
    // Asked after a write to Device() came up short, it learns the reason
    // by writing on, which spoils the new file: it is then never committed.
    QString ErrorString();
    QString TargetPath() const { return target_; }

private:
    bool Fail(const QString& reason);
    bool FailErrno();
    bool CheckSideFile();
    bool CarryAttributes(int fd, const struct stat& old, mode_t mode);
    bool CopyIntoTarget(const struct stat& old);
    void Discard();

    QString path_;
    QString target_;   // path_ with symbolic links followed (not for a side file)
    QString tempPath_;
    QFile temp_;
    std::optional<mode_t> newFileMode_;
    std::optional<mode_t> forcedMode_;
    bool sideFile_ = false;
    bool committed_ = false;
    QString error_;
    QString shortWriteError_;   // why a write to Device() came up short
};

// One-shot form of SafeFile: false and the reason in *error on failure.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     std::optional<mode_t> newFileMode = std::nullopt, std::optional<mode_t> forcedMode = std::nullopt);

// The same for a side file (SafeFile::SetSideFile).
bool WriteSideFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                         std::optional<mode_t> forcedMode = std::nullopt);
