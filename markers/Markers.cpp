// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/Markers.h"

#include "editor/TextCodec.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

QString CollapseAmpersands(const QString& text)
{
    if (!text.contains(QStringLiteral("&&")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i > 0 && text.at(i - 1) == QLatin1Char('&'))
            continue;
        out += text.at(i);
    }
    return out;
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Far beyond any line count; digits past it are ignored so that huge numbers
// cannot overflow.
constexpr qint64 kSaturated = qint64(1) << 40;

qint64 DigitsValue(QStringView digits)
{
    qint64 value = 0;
    for (QChar c : digits) {
        value = value * 10 + (c.unicode() - '0');
        if (value >= kSaturated)
            return kSaturated;
    }
    return value;
}

// The bytes of a side file, or nothing and the reason. The file is looked
// at once opened: a name swapped for a pipe between a check and the open
// cannot make the read wait, as the open itself does not.
std::optional<QByteArray> ReadSideFile(const QString& path, QString* reason)
{
    const auto fail = [&](const QString& why) {
        *reason = path + QStringLiteral(": ") + why;
        return std::nullopt;
    };
    const auto systemError = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(systemError());
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail(systemError());
    if (!S_ISREG(st.st_mode))
        return fail(QCoreApplication::translate("Markers", "not a regular file"));
    //: Why a marker file is not read; %1 is the largest size read, in megabytes.
    const QString tooLarge = QCoreApplication::translate("Markers", "larger than %1 MB").arg(kMaxMarkerFileBytes >> 20);
    if (st.st_size > kMaxMarkerFileBytes)
        return fail(tooLarge);
    // The file may grow while it is read; the limit holds all the same.
    QByteArray bytes;
    bytes.reserve(qsizetype(st.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(systemError());
        if (n == 0)
            return bytes;
        if (bytes.size() + n > kMaxMarkerFileBytes)
            return fail(tooLarge);
        bytes.append(buffer, n);
    }
}

}   // namespace

QString MakeMarkerLabel(int line, const QString& lineText)
{
    qsizetype begin = 0;
    qsizetype end = lineText.size();
    while (begin < end && IsBlankOrControl(lineText.at(begin)))
        ++begin;
    while (end > begin && IsBlankOrControl(lineText.at(end - 1)))
        --end;

    // One pass equals the walk that edits the text in place: the character
    // after the walk position is always still the original next character,
    // and the last character is never visited.
    QString cleaned;
    cleaned.reserve(end - begin + 8);
    for (qsizetype i = begin; i < end - 1; ++i) {
        const QChar c = lineText.at(i);
        if (c == QLatin1Char('\t'))
            continue;
        if (c == QLatin1Char(' ') && lineText.at(i + 1) == QLatin1Char(' '))
            continue;
        if (c == QLatin1Char('&'))
            cleaned += QLatin1Char('&');
        cleaned += c;
    }
    if (end > begin)
        cleaned += lineText.at(end - 1);

    // A break inside the label would split it into two lines of the marker
    // file, the second read back as a marker of its own.
    cleaned.replace(QLatin1Char('\r'), QLatin1Char(' '));
    cleaned.replace(QLatin1Char('\n'), QLatin1Char(' '));

    const QString number = QString::number(qint64(line) + 1);
    if (cleaned.isEmpty())
        return QStringLiteral("Line ") + number;
    return number + QStringLiteral(", ") + cleaned;
}

QString MarkerFileName(const QString& documentPath)
{
    return documentPath + QStringLiteral(".lm");
}

std::optional<qint64> ParseMarkerLine(const QString& line)
{
    static const QString prefix = QStringLiteral("Line ");   // the side file's own word
    if (line.startsWith(prefix)) {
        QStringView rest = QStringView(line).mid(prefix.size());
        bool negative = false;
        if (!rest.isEmpty() && (rest.front() == QLatin1Char('-') || rest.front() == QLatin1Char('+'))) {
            negative = rest.front() == QLatin1Char('-');
            rest = rest.mid(1);
        }
        if (rest.isEmpty() || !std::all_of(rest.begin(), rest.end(), IsAsciiDigit))
            return std::nullopt;
        const qint64 value = DigitsValue(rest);
        return negative ? -value : value;
    }

    qsizetype digits = 0;
    while (digits < line.size() && IsAsciiDigit(line.at(digits)))
        ++digits;
    if (digits == 0 || digits == line.size())
        return std::nullopt;
    return DigitsValue(QStringView(line).left(digits));
}

MarkerFileContents ReadMarkerFile(const QString& path, int lineCount)
{
    MarkerFileContents result;
    const std::optional<QByteArray> bytes = ReadSideFile(path, &result.reason);
    if (!bytes) {
        result.ok = false;
        return result;
    }
    const QString text = DecodeText(*bytes).text;

    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype stop = text.indexOf(QLatin1Char('\n'), start);
        if (stop < 0)
            stop = text.size();
        const QString line = text.mid(start, stop - start);
        start = stop + 1;

        const std::optional<qint64> number = ParseMarkerLine(line);
        if (!number) {
            result.ok = false;
            break;
        }
        const qint64 index = *number - 1;
        if (index < 0 || index >= lineCount)
            continue;
        result.markers.append({int(index), line});
    }
    return result;
}

QString MarkersNotRestoredMessage(const MarkerFileContents& contents)
{
    if (contents.reason.isEmpty())
        return QCoreApplication::translate("Markers", "Line Markers could not be restored.");
    //: %1 is the marker file's path, a colon and why it could not be read.
    return QCoreApplication::translate("Markers", "Line Markers could not be restored.\n%1").arg(contents.reason);
}

QString MarkersNotSavedMessage(const QString& path, const QString& reason)
{
    //: %1 is the marker file's path, %2 why it could not be written.
    return QCoreApplication::translate("Markers", "Line Markers could not be saved.\n%1: %2").arg(path, reason);
}

bool WriteMarkerFile(const QString& path, const QStringList& labels, QString* error)
{
    // A link or another user's file under the name is refused by the side
    // file's own check, with its reason.
    const QFileInfo existing(path);
    if (!existing.isSymLink() && existing.exists() && existing.ownerId() == ::geteuid() &&
        !(existing.permissions() & QFileDevice::WriteOwner)) {
        if (error)
            *error = QCoreApplication::translate("Markers", "The file is write-protected");
        return false;
    }

    QByteArray bytes;
    for (const QString& label : labels) {
        bytes += label.toUtf8();
        bytes += "\r\n";
    }
    std::optional<mode_t> mode;
    if (path.endsWith(QStringLiteral(".lm"))) {
        struct stat document {};
        if (::stat(QFile::encodeName(path.chopped(3)).constData(), &document) == 0)
            mode = document.st_mode & 0666;
    }
    return WriteSideFileSafely(path, bytes, error, mode);
}

FittedLabel FitMarkerText(const QString& label, int available, const TextWidthFn& width)
{
    const bool doubled = label.contains(QStringLiteral("&&"));
    const QString s = doubled ? CollapseAmpersands(label) : label;

    // Characters are dropped whole: a surrogate pair is never split. Their
    // boundaries are found only as far as the search looks.
    QList<qsizetype> cuts{0};
    const auto cut = [&](qsizetype chars) {
        while (cuts.size() <= chars) {
            const qsizetype i = cuts.back();
            const bool pair = s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate();
            cuts.append(i + (pair ? 2 : 1));
        }
        return cuts.at(chars);
    };
    const auto prefix = [&](qsizetype chars) { return s.left(cut(chars)); };
    qsizetype count = s.size();
    for (qsizetype i = 0; i + 1 < s.size(); ++i)
        if (s.at(i).isHighSurrogate() && s.at(i + 1).isLowSurrogate())
            --count;

    // Labels are usually far longer than the sidebar is wide, so look for a
    // too-wide prefix from the short end first: no longer prefix can fit, and
    // the long tail of the label is never measured.
    qsizetype tooWide = -1;
    for (qsizetype chars = 1; chars < count; chars *= 2) {
        if (width(prefix(chars)) > available) {
            tooWide = chars;
            break;
        }
    }
    if (tooWide < 0) {
        if (width(s) <= available)
            return {label, false};
        tooWide = count;
    }

    // The longest prefix shorter than `tooWide` that fits with "...";
    // the empty prefix when none does, as dropping stops at empty.
    const QString dots = QStringLiteral("...");
    qsizetype fits = 0;
    while (tooWide - fits > 1) {
        const qsizetype mid = fits + (tooWide - fits) / 2;
        if (width(prefix(mid) + dots) <= available)
            fits = mid;
        else
            tooWide = mid;
    }
    QString text = prefix(fits);
    if (doubled)
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return {text + dots, true};
}

QString MarkerHint(const QString& label)
{
    return CollapseAmpersands(label);
}
