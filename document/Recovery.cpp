// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Recovery.h"

#include "editor/RichEdit.h"
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
#include <fcntl.h>
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

}   // namespace

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
        out += "file " + QByteArray::number(r.seen.device) + ' ' + QByteArray::number(r.seen.inode) + ' ' +
               QByteArray::number(r.seen.size) + ' ' + QByteArray::number(r.seen.mtimeNs) + '\n';
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

}   // namespace

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
        EncodePlain([&](const auto& f) { text.ForEachPiece(f); },
                    [&](const char* bytes, qsizetype n) {
                        ok = ok && file.Write(QByteArray::fromRawData(bytes, n));
                        length += n;
                    });
        ok = ok && file.Device().seek(header.size() - 2 - kLengthDigits) &&
             file.Write(QByteArray::number(length).rightJustified(kLengthDigits, '0'));
    }
    ok = ok && file.Commit();
    if (!ok && error)
        *error = file.ErrorString();
    return ok;
}

namespace {

struct ParsedHeader {
    RecoveryRecord record;   // without its text
    qint64 length = -1;   // of the text that follows
    qsizetype size = 0;   // of the header, its blank line included
};

// The header at the start of bytes, which may hold only a part of the
// file; nothing when it is not there whole or not a recovery file's.
std::optional<ParsedHeader> ParseHeader(const QByteArray& bytes)
{
    if (!bytes.startsWith(kMagic))
        return std::nullopt;
    const qsizetype end = bytes.indexOf("\n\n", kMagic.size() - 1);
    if (end < 0)
        return std::nullopt;
    ParsedHeader h;
    RecoveryRecord& r = h.record;
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
            h.length = value.toLongLong(&ok);
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
    // Every field but the file's stamp, which older versions did not write.
    if ((seen & 0x7f) != 0x7f || h.length < 0)
        return std::nullopt;
    h.size = end + 2;
    return h;
}

void SetText(RecoveryRecord& r, const QByteArray& payload)
{
    if (r.plain) {
        r.text = QString::fromUtf8(payload);
        r.text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    } else {
        r.rtf = payload;
    }
}

// Far more than any header: the path, percent-encoded, is its only long field.
constexpr qint64 kMaxHeaderBytes = 64 * 1024;

RecoveryFileRead ReadRecoveryFile(const QString& path, const std::function<bool(const RecoveryRecord&)>& wanted)
{
    RecoveryFileRead result;
    // Never through a link, and looked at once opened: a pipe or a device
    // is no file of ours and is left alone unread.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return result;
    QFile file;
    struct stat st {};
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return result;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return result;

    // The header first, and the text only when the header tells a length
    // the file holds and the editor can take.
    result.damaged = true;
    QByteArray bytes = file.read(std::min<qint64>(st.st_size, kMaxHeaderBytes));
    result.bytesRead = bytes.size();
    std::optional<ParsedHeader> header = ParseHeader(bytes);
    if (!header || header->length > TRichEdit::kMaxFileBytes || header->length != st.st_size - header->size)
        return result;
    result.damaged = false;
    if (!wanted(header->record))
        return result;
    const qint64 missing = header->size + header->length - bytes.size();
    if (missing > 0) {
        const QByteArray rest = file.read(missing);
        result.bytesRead += rest.size();
        bytes += rest;
    }
    // A file cut short or grown since it was looked at is not offered.
    if (bytes.size() != header->size + header->length || !file.atEnd()) {
        result.damaged = true;
        return result;
    }
    SetText(header->record, bytes.sliced(header->size));
    result.record = std::move(header->record);
    return result;
}

}   // namespace

std::optional<RecoveryRecord> ParseRecovery(const QByteArray& bytes)
{
    std::optional<ParsedHeader> header = ParseHeader(bytes);
    // A file cut short by a crash during its write is not offered.
    if (!header || header->length != bytes.size() - header->size)
        return std::nullopt;
    SetText(header->record, bytes.sliced(header->size));
    return std::move(header->record);
}

RecoveryFileRead ReadRecoveryFile(const QString& path)
{
    return ReadRecoveryFile(path, [](const RecoveryRecord&) { return true; });
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
    QString base =
        documentPath.isEmpty() ? QStringLiteral("unnamed") : QString::fromLatin1(QUrl::toPercentEncoding(documentPath));
    // File names end at 255 bytes: a long path keeps its start and a hash.
    if (base.size() > 160)
        base = base.left(120) + QLatin1Char('-') +
               QString::fromLatin1(QCryptographicHash::hash(documentPath.toUtf8(), QCryptographicHash::Sha1).toHex());
    return RecoveryFolder() + QLatin1Char('/') + base + QLatin1Char('.') + QString::number(pid) +
           QStringLiteral(".recovery");
}

namespace {

QString MoveAside(const QString& file)
{
    // Under a name no one reads; an older one of the same name stays too.
    for (int i = 1; i <= 100; ++i) {
        const QString aside = file + kDamagedSuffix + (i > 1 ? QStringLiteral(".%1").arg(i) : QString());
        if (QFile::rename(file, aside))
            return aside;
        if (!QFileInfo::exists(aside))
            break;
    }
    return QString();
}

}   // namespace

QList<LeftRecovery> LeftRecoveries(QStringList* movedAside)
{
    QList<LeftRecovery> found;
    const QFileInfoList files =
        QDir(RecoveryFolder()).entryInfoList({QStringLiteral("*.recovery")}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : files) {
        if (info.isSymLink())
            continue;
        const QString path = info.absoluteFilePath();
        // Another run's copy is not read; it is that run's to keep.
        RecoveryFileRead read = ReadRecoveryFile(
            path, [](const RecoveryRecord& r) { return r.writer != ThisProcess() && !IsRunning(r.writer); });
        if (read.damaged) {
            // Offered never, and not read again at the next start.
            if (const QString aside = MoveAside(path); !aside.isEmpty() && movedAside)
                movedAside->append(aside);
            continue;
        }
        if (read.record)
            found.append({path, std::move(*read.record)});
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
        if (ok && pid > 0 && pid <= std::numeric_limits<pid_t>::max() && pid != ::getpid() &&
            ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QFile::remove(folder.filePath(name));
    }
}

// ---------------------------------------------------------------- keeper

RecoveryKeeper::RecoveryKeeper(Snapshot snapshot, QObject* parent) : QObject(parent), snapshot_(std::move(snapshot))
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
