#pragma once
#include "editor/TextCodec.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <optional>

class TMainForm;

// Unsaved changes kept on disk while a document is modified, so that a
// crash or a killed program loses at most the last few seconds of typing.

// A running program: its process id and the kernel's start time of that
// process, so a reused id is not taken for the writer.
struct ProcessStamp {
    qint64 pid = 0;
    quint64 start = 0;
    bool operator==(const ProcessStamp&) const = default;
};
ProcessStamp ThisProcess();
bool IsRunning(const ProcessStamp& stamp);

struct RecoveryRecord {
    ProcessStamp writer;
    QString documentPath;        // empty for an unnamed document
    bool plain = true;
    TextFormat format;           // of a plain document, to write it back alike
    QString text;                // plain: line breaks as '\n', U+2029 or U+2028
    QByteArray rtf;              // rich
    bool operator==(const RecoveryRecord&) const = default;
};

QByteArray SerializeRecovery(const RecoveryRecord& record);
// Anything that is not a whole recovery file gives nothing.
std::optional<RecoveryRecord> ParseRecovery(const QByteArray& bytes);

// $XDG_STATE_HOME/mirel-edit, or ~/.local/state/mirel-edit.
QString RecoveryFolder();
// Named from the document's path ("unnamed" without one) and the writer's id.
QString RecoveryFileName(const QString& documentPath, qint64 pid);

struct LeftRecovery {
    QString file;
    RecoveryRecord record;
};
// Recovery files whose writer is no longer running, newest first.
QList<LeftRecovery> LeftRecoveries();

// Writes the snapshot a pause after the last change, on a worker thread, and
// removes the file when there is nothing left to recover. Writes and removals
// run in the order asked, so a removal is never undone by a late write.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // Gives the record to keep, or nothing when the document is unmodified.
    using Snapshot = std::function<std::optional<RecoveryRecord>()>;
    static constexpr int kPauseMs = 2000;

    explicit RecoveryKeeper(Snapshot snapshot, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    void SetPause(int ms) { timer_.setInterval(ms); }
    void Changed();        // the text changed: wait for the next pause
    void WriteNow();
    void Forget();         // nothing to recover any more
    void Finish();         // the program ends normally
    void WaitForWrites() { pool_.waitForDone(); }
    QString LastFile() const { return written_; }

private:
    Snapshot snapshot_;
    QTimer timer_;
    QThreadPool pool_;
    QString written_;   // the file the last queued write goes to
};

// The main window's use of it: set up with the window, offered at start,
// ended with the program.
void StartRecovery(TMainForm& form);
void OfferRecoveredChanges(TMainForm& form);
void EndRecovery(TMainForm& form);
