#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>
#include <sys/types.h>

// Writes a file so that a failure never harms the one already there: the
// bytes go to a new file beside the target, every write, the final flush and
// the sync to disk are checked, and only then does the new file take the
// target's place. A symbolic link is written through to its target.
//
// A target with more than one hard link is not replaced (that would cut it
// off from its other names): once the new bytes are safely beside it and its
// room is reserved, they are copied into it in place.
class SafeFile {
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

    bool Open();
    QFile& Device() { return temp_; }   // valid after Open
    bool Write(const QByteArray& bytes);
    bool Commit();

    // The system's reason for the last failure ("No space left on device").
    QString ErrorString() const { return error_.isEmpty() ? temp_.errorString() : error_; }
    QString TargetPath() const { return target_; }

private:
    bool Fail(const QString& reason);
    bool FailErrno();
    bool CopyIntoHardLinkedTarget();
    void Discard();

    QString path_;
    QString target_;           // path_ with symbolic links followed
    QString tempPath_;
    QFile temp_;
    std::optional<mode_t> newFileMode_;
    std::optional<mode_t> forcedMode_;
    bool committed_ = false;
    QString error_;
};

// One-shot form of SafeFile: false and the reason in *error on failure.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     std::optional<mode_t> newFileMode = std::nullopt,
                     std::optional<mode_t> forcedMode = std::nullopt);
