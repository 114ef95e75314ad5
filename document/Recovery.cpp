#include "document/Recovery.h"

#include "platform/SafeFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kMagic = "Mirel-Edit recovery 1\n";
constexpr int kLengthDigits = 19;   // any qint64

quint64 StartTimeOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // The command name may hold blanks and brackets: fields count from the last ')'.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    return fields.size() > 19 ? fields[19].toULongLong() : 0;   // field 22, starttime
}

const char* EncodingName(TextEncoding e)
{
    switch (e) {
    case TextEncoding::Utf8Bom: return "utf8bom";
    case TextEncoding::Windows1252: return "cp1252";
    case TextEncoding::Utf8: break;
    }
    return "utf8";
}

const char* BreaksName(LineBreakStyle b)
{
    switch (b) {
    case LineBreakStyle::CrLf: return "crlf";
    case LineBreakStyle::Cr: return "cr";
    case LineBreakStyle::Lf: break;
    }
    return "lf";
}

} // namespace

ProcessStamp ThisProcess()
{
    static const ProcessStamp self{qint64(::getpid()), StartTimeOf(::getpid())};
    return self;
}

bool IsRunning(const ProcessStamp& stamp)
{
    return stamp.pid > 0 && StartTimeOf(stamp.pid) == stamp.start && stamp.start != 0;
}

namespace {

QByteArray Header(const RecoveryRecord& r, qint64 payloadLength)
{
    QByteArray out = kMagic;
    out += "pid " + QByteArray::number(r.writer.pid) + '\n';
    out += "start " + QByteArray::number(r.writer.start) + '\n';
    out += "path " + QUrl::toPercentEncoding(r.documentPath, "/") + '\n';
    // Added later, and left out when unknown: older readers skip it.
    if (r.seen.known)
        out += "file " + QByteArray::number(r.seen.device) + ' ' + QByteArray::number(r.seen.inode) + ' '
               + QByteArray::number(r.seen.size) + ' ' + QByteArray::number(r.seen.mtimeNs) + '\n';
    out += QByteArray("mode ") + (r.plain ? "plain" : "rich") + '\n';
    out += QByteArray("encoding ") + EncodingName(r.format.encoding) + '\n';
    out += QByteArray("breaks ") + BreaksName(r.format.breaks) + '\n';
    // Of fixed width, so that a file written piece by piece can fill it in
    // at the end.
    out += "length " + QByteArray::number(payloadLength).rightJustified(kLengthDigits, '0') + "\n\n";
    return out;
}

using Pieces = std::function<void(const std::function<void(QStringView)>&)>;

// A plain text as the file holds it: UTF-8 with '\n' breaks, whatever the
// document's own format, handed to sink a slice at a time. Kept bytes stay
// the characters that stand for them, so the text read back is the same.
void EncodePlain(const Pieces& pieces, const std::function<void(const char*, qsizetype)>& sink)
{
    constexpr qsizetype kSlice = 64 * 1024;   // characters
    std::vector<char> buffer(size_t(TextEncoder::MaxBytes(kSlice)));
    TextEncoder encoder(TextFormat{TextEncoding::Utf8, LineBreakStyle::Lf}, KeptBytes::AsCharacters);
    pieces([&](QStringView piece) {
        while (!piece.isEmpty()) {
            const QStringView slice = piece.first(std::min(piece.size(), kSlice));
            sink(buffer.data(), encoder.Encode(slice, buffer.data()));
            piece = piece.sliced(slice.size());
        }
    });
    sink(buffer.data(), encoder.Finish(buffer.data()));
}

} // namespace

QByteArray SerializeRecovery(const RecoveryRecord& r)
{
    QByteArray payload = r.rtf;
    if (r.plain) {
        payload.clear();
        EncodePlain([&](const auto& f) { f(r.text); },
                    [&](const char* bytes, qsizetype n) { payload.append(bytes, n); });
    }
    return Header(r, payload.size()) + payload;
}

bool WriteRecoveryFile(const QString& path, const RecoveryRecord& r, const TextReplica& text, QString* error)
{
    SafeFile file(path);
    file.SetForcedMode(0600);
    bool ok = file.Open();
    if (ok && !r.plain) {
        ok = file.Write(Header(r, r.rtf.size())) && file.Write(r.rtf);
    } else if (ok) {
        // One pass: the length goes into the header once it is known.
        const QByteArray header = Header(r, 0);
        ok = file.Write(header);
        qint64 length = 0;
        EncodePlain([&](const auto& f) { text.ForEachPiece(f); }, [&](const char* bytes, qsizetype n) {
            ok = ok && file.Write(QByteArray::fromRawData(bytes, n));
            length += n;
        });
        ok = ok && file.Device().seek(header.size() - 2 - kLengthDigits)
             && file.Write(QByteArray::number(length).rightJustified(kLengthDigits, '0'));
    }
    ok = ok && file.Commit();
    if (!ok && error)
        *error = file.ErrorString();
    return ok;
}

std::optional<RecoveryRecord> ParseRecovery(const QByteArray& bytes)
{
    if (!bytes.startsWith(kMagic))
        return std::nullopt;
    const qsizetype end = bytes.indexOf("\n\n", kMagic.size() - 1);
    if (end < 0)
        return std::nullopt;
    RecoveryRecord r;
    qint64 length = -1;
    unsigned seen = 0;   // one bit per field
    const QList<QByteArray> lines = bytes.mid(kMagic.size(), end - kMagic.size() + 1).split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype blank = line.indexOf(' ');
        if (blank < 0)
            return std::nullopt;
        const QByteArray key = line.left(blank), value = line.mid(blank + 1);
        bool ok = true;
        int field = 0;
        if (key == "pid") {
            r.writer.pid = value.toLongLong(&ok);
        } else if (key == "start") {
            field = 1;
            r.writer.start = value.toULongLong(&ok);
        } else if (key == "path") {
            field = 2;
            r.documentPath = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
        } else if (key == "mode") {
            field = 3;
            ok = value == "plain" || value == "rich";
            r.plain = value == "plain";
        } else if (key == "encoding") {
            field = 4;
            ok = value == "utf8" || value == "utf8bom" || value == "cp1252";
            r.format.encoding = value == "utf8bom"  ? TextEncoding::Utf8Bom
                                : value == "cp1252" ? TextEncoding::Windows1252
                                                    : TextEncoding::Utf8;
        } else if (key == "breaks") {
            field = 5;
            ok = value == "crlf" || value == "lf" || value == "cr";
            r.format.breaks = value == "crlf" ? LineBreakStyle::CrLf
                              : value == "cr" ? LineBreakStyle::Cr
                                              : LineBreakStyle::Lf;
        } else if (key == "length") {
            field = 6;
            length = value.toLongLong(&ok);
        } else if (key == "file") {
            field = 7;
            const QList<QByteArray> parts = value.split(' ');
            ok = parts.size() == 4;
            bool each[4] = {};
            if (ok) {
                r.seen.device = parts[0].toULongLong(&each[0]);
                r.seen.inode = parts[1].toULongLong(&each[1]);
                r.seen.size = parts[2].toLongLong(&each[2]);
                r.seen.mtimeNs = parts[3].toLongLong(&each[3]);
                ok = each[0] && each[1] && each[2] && each[3];
            }
            // Only a regular file's stamp is kept.
            r.seen.known = r.seen.regular = ok;
        } else {
            continue;   // a later version's field
        }
        if (!ok)
            return std::nullopt;
        seen |= 1u << field;
    }
    // A file cut short by a crash during its write is not offered.
    const qsizetype start = end + 2;
    // Every field but the file's stamp, which older versions did not write.
    if ((seen & 0x7f) != 0x7f || length < 0 || length != bytes.size() - start)
        return std::nullopt;
    if (r.plain) {
        r.text = QString::fromUtf8(bytes.mid(start));
        r.text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    } else {
        r.rtf = bytes.mid(start);
    }
    return r;
}

QString RecoveryFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/mirel-edit");
}

QString RecoveryFileName(const QString& documentPath, qint64 pid)
{
    QString base = documentPath.isEmpty()
                       ? QStringLiteral("unnamed")
                       : QString::fromLatin1(QUrl::toPercentEncoding(documentPath));
    // File names end at 255 bytes: a long path keeps its start and a hash.
    if (base.size() > 160)
        base = base.left(120) + QLatin1Char('-')
               + QString::fromLatin1(
                   QCryptographicHash::hash(documentPath.toUtf8(), QCryptographicHash::Sha1).toHex());
    return RecoveryFolder() + QLatin1Char('/') + base + QLatin1Char('.') + QString::number(pid)
           + QStringLiteral(".recovery");
}

QList<LeftRecovery> LeftRecoveries()
{
    QList<LeftRecovery> found;
    const QFileInfoList files = QDir(RecoveryFolder())
                                    .entryInfoList({QStringLiteral("*.recovery")}, QDir::Files,
                                                   QDir::Time);
    for (const QFileInfo& info : files) {
        if (info.isSymLink())
            continue;
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        auto record = ParseRecovery(file.readAll());
        if (!record || record->writer == ThisProcess() || IsRunning(record->writer))
            continue;
        found.append({info.absoluteFilePath(), std::move(*record)});
    }
    return found;
}

void RemoveAbandonedWrites()
{
    // Named ".<file>.recovery.XXXXXX" beside the file, whose name ends in
    // the writer's process id.
    const QDir folder(RecoveryFolder());
    const QString tail = QStringLiteral(".recovery.");
    for (const QString& name : folder.entryList({QStringLiteral(".*.recovery.*")}, QDir::Files | QDir::Hidden)) {
        const qsizetype end = name.lastIndexOf(tail);
        const qsizetype dot = end > 0 ? name.lastIndexOf(QLatin1Char('.'), end - 1) : -1;
        bool ok = false;
        const qint64 pid = dot >= 0 ? name.mid(dot + 1, end - dot - 1).toLongLong(&ok) : 0;
        if (ok && pid > 0 && pid <= std::numeric_limits<pid_t>::max() && pid != ::getpid()
            && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QFile::remove(folder.filePath(name));
    }
}

// ---------------------------------------------------------------- keeper

RecoveryKeeper::RecoveryKeeper(Snapshot snapshot, QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot))
{
    pool_.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper()
{
    // Destroyed without a crash: nothing is left to recover.
    Finish();
}

void RecoveryKeeper::UseTimers(TimerSource* timers)
{
    timers_->Cancel();
    timers_ = timers ? timers : &ownTimers_;
    firstChange_.reset();
}

void RecoveryKeeper::Changed()
{
    // A pause decides the moment, but typing that never pauses is kept
    // all the same once the longest wait is over.
    const qint64 now = timers_->NowMs();
    if (!firstChange_)
        firstChange_ = now;
    const qint64 due = std::min(now + pauseMs_, *firstChange_ + kLongestWaitMs);
    timers_->CallAfter(std::max<qint64>(0, due - now), [this] { WriteNow(); });
}

void RecoveryKeeper::WriteNow()
{
    timers_->Cancel();
    firstChange_.reset();
    RecoveryUpdate update = snapshot_();
    if (!update.keep) {
        if (!update.changes.changes.empty() || update.changes.whole)
            Queue({std::move(update.changes), std::nullopt, QString(), QString()});
        Forget();
        return;
    }
    const QString file = RecoveryFileName(update.keep->documentPath, update.keep->writer.pid);
    Queue({std::move(update.changes), std::move(update.keep), file, std::exchange(written_, file)});
}

void RecoveryKeeper::Forget()
{
    timers_->Cancel();
    firstChange_.reset();
    if (written_.isEmpty())
        return;
    Queue({TextChanges{}, std::nullopt, std::exchange(written_, QString()), QString()});
}

void RecoveryKeeper::Finish()
{
    Forget();
    pool_.waitForDone();
}

void RecoveryKeeper::Queue(Job job)
{
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(job));
    if (!working_) {
        working_ = true;
        pool_.start([this] { Work(); });
    }
}

void RecoveryKeeper::Work()
{
    // Typing comes first: on a busy machine the copy waits, not the keys.
    ::setpriority(PRIO_PROCESS, ::gettid(), 10);
    for (;;) {
        std::vector<Job> jobs;
        {
            const std::lock_guard lock(mutex_);
            if (queue_.empty()) {
                working_ = false;
                return;
            }
            jobs.swap(queue_);
        }
        for (Job& job : jobs)
            replica_.Apply(std::move(job.changes));
        // Only the last write of a batch is worth its time: the copy is
        // already as that one asked for.
        const Job* last = nullptr;
        for (const Job& job : jobs)
            if (job.write)
                last = &job;
        for (const Job& job : jobs) {
            if (!job.write) {
                if (!job.file.isEmpty())
                    QFile::remove(job.file);
                continue;
            }
            if (&job != last) {
                if (!job.previous.isEmpty() && job.previous != last->file)
                    QFile::remove(job.previous);
                continue;
            }
            const QString folder = RecoveryFolder();
            QDir().mkpath(folder);
            ::chmod(QFile::encodeName(folder).constData(), 0700);
            QString error;
            if (WriteRecoveryFile(job.file, *job.write, replica_, &error))
                failing_ = false;
            else if (!failing_.exchange(true))
                emit WriteFailed(folder, error);
            // Saved under a new name: the old name's copy is stale.
            if (!job.previous.isEmpty() && job.previous != job.file)
                QFile::remove(job.previous);
        }
    }
}
