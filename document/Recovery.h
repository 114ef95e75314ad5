// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/FileStamp.h"
#include "editor/TextCodec.h"
#include "editor/TextReplica.h"
#include "platform/Clock.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class DocumentSession;

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
    QString documentPath;   // empty for an unnamed document
    // The file as the writer last read or wrote it; unknown in files of
    // older versions and for documents not read from a file.
    FileStamp seen;
    bool plain = true;
    TextFormat format;   // of a plain document, to write it back alike
    QString text;   // plain: line breaks as '\n' or U+2029
    QByteArray rtf;   // rich
    bool operator==(const RecoveryRecord&) const = default;
};

QByteArray SerializeRecovery(const RecoveryRecord& record);
// The same file written from a copy of the text (plain) or the record's RTF
// (rich), a slice at a time; false and the reason on failure.
bool WriteRecoveryFile(const QString& file, const RecoveryRecord& record, const TextReplica& text, QString* error);
// Anything that is not a whole recovery file gives nothing.
std::optional<RecoveryRecord> ParseRecovery(const QByteArray& bytes);

// $XDG_STATE_HOME/mirel-edit, or ~/.local/state/mirel-edit.
QString RecoveryFolder();
// Named from the document's path ("unnamed" without one) and the writer's id.
QString RecoveryFileName(const QString& documentPath, qint64 pid);

// What a look at one recovery file found.
struct RecoveryFileRead {
    std::optional<RecoveryRecord> record;   // of a whole file
    // Not a recovery file, or one whose text is not as long as its header
    // tells: never to be offered. Unreadable files, links, pipes and the
    // like are not damaged, only left alone.
    bool damaged = false;
    qint64 bytesRead = 0;   // of the file: the header alone unless it is sound
};
// Reads at most a header's worth first, and the text only when the header
// is sound and tells a length that the rest of the file has and the editor
// can take (TRichEdit::kMaxFileBytes).
RecoveryFileRead ReadRecoveryFile(const QString& path);

// The name a damaged recovery file is given: <name>.damaged, or with a
// further ".2", ".3"... when that is taken.
inline const QString kDamagedSuffix = QStringLiteral(".damaged");

struct LeftRecovery {
    QString file;
    RecoveryRecord record;
};
// Recovery files whose writer is no longer running, newest first. Damaged
// ones are moved aside in the same folder, never removed, and their new
// names added to *movedAside.
QList<LeftRecovery> LeftRecoveries(QStringList* movedAside = nullptr);
// Half-written copies of runs that ended during a write.
void RemoveAbandonedWrites();

// What the window hands over at a pause: the changes of the text since the
// last one, and whether and what to keep.
struct RecoveryUpdate {
    TextChanges changes;
    std::optional<RecoveryRecord> keep;   // nothing: the document is unmodified
};

// Writes a copy of the document a pause after the last change, and no
// later than kLongestWaitMs after the first change not yet kept, so that
// typing without pauses is kept too. The writes run on a worker thread,
// which removes the file when there is nothing left to recover. The
// window thread hands over only what changed; the worker keeps the copy.
// Writes and removals run in the order asked, so a removal is never undone
// by a late write, and a write that a later one replaces is skipped.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    using Snapshot = std::function<RecoveryUpdate()>;
    static constexpr int kPauseMs = 2000;
    static constexpr int kLongestWaitMs = 5000;

    explicit RecoveryKeeper(Snapshot snapshot, QObject* parent = nullptr);
    ~RecoveryKeeper() override;   // ends like Finish

    void SetPause(int ms) { pauseMs_ = ms; }
    // The time the waits run on; nullptr for the real one.
    void UseTimers(TimerSource* timers);
    void Changed();   // the text changed: wait for the next pause
    void WriteNow();
    void Forget();   // nothing to recover any more
    void Finish();   // the program ends normally
    void WaitForWrites() { pool_.waitForDone(); }
    QString LastFile() const { return written_; }

signals:
    // A copy could not be written: sent from the worker, once until a
    // write succeeds again.
    void WriteFailed(const QString& folder, const QString& reason);

private:
    struct Job {
        TextChanges changes;
        std::optional<RecoveryRecord> write;
        QString file;   // written, or removed when there is no record
        QString previous;   // a write's stale copy under an older name
    };
    void Queue(Job job);
    void Work();   // on the worker

    Snapshot snapshot_;
    QtTimerSource ownTimers_;
    TimerSource* timers_ = &ownTimers_;
    int pauseMs_ = kPauseMs;
    std::optional<qint64> firstChange_;   // of those not yet kept
    QThreadPool pool_;
    QString written_;   // the file the last queued write goes to
    std::mutex mutex_;
    std::vector<Job> queue_;
    bool working_ = false;
    TextReplica replica_;   // the worker's
    std::atomic<bool> failing_ = false;   // the last write failed, and was told
};

// The start's question about a left copy: with a further line when the
// file was changed on disk after the copy's writer last read or wrote it.
QString RecoveryQuestion(const RecoveryRecord& record, const QString& movedAsideNote = {});
// A line for each damaged file moved aside at the start, naming its new
// name; empty when there is none.
QString MovedAsideNote(const QStringList& movedAside);
// The warning when a copy cannot be written.
QString KeepFailedMessage(const QString& folder, const QString& reason);

// A document's use of it: set up with the window that owns the keeper,
// offered at start, ended with the program.
void StartRecovery(DocumentSession& session, QObject& owner);
void OfferRecoveredChanges(DocumentSession& session, QObject& owner);
void EndRecovery(QObject& owner);
// For a window that no one sees (a batch run): nothing is kept.
void StopRecovery(DocumentSession& session, QObject& owner);
