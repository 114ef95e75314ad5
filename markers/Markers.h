// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Marker logic that needs no widget: labels, the ".lm" side file and the
// fitting of labels to the sidebar's width.

// The label of a marker on the 0-based line `line` whose text is `lineText`:
// "<line+1>, <cleaned text>", or "Line <line+1>" when nothing is left.
// Labels are the side file's lines, read back by number: never translated.
QString MakeMarkerLabel(int line, const QString& lineText);

// The side file of a document: its path followed by ".lm".
QString MarkerFileName(const QString& documentPath);

// The 1-based line number that a marker file line stands for, or nothing
// when the line is malformed. Numbers too large for 64 bits saturate, so the
// caller's bounds check drops them like any marker beyond the document.
std::optional<qint64> ParseMarkerLine(const QString& line);

struct MarkerEntry {
    int line = 0;   // 0-based
    QString label;
    bool operator==(const MarkerEntry&) const = default;
};

struct MarkerFileContents {
    QList<MarkerEntry> markers;   // in file order; on failure, those before the bad line
    bool ok = true;   // false: unreadable file or a malformed line
    QString reason;   // why the file was not read at all: "<path>: <why>"
};

// Far more than any document's markers; a larger side file is not read.
inline constexpr qint64 kMaxMarkerFileBytes = qint64(64) << 20;

// Reads a marker file (UTF-8, or Windows-1252 when not valid UTF-8; CR LF,
// LF or CR breaks). Markers whose line is not within [0, lineCount) are
// dropped silently. Only a regular file (links followed) of at most
// kMaxMarkerFileBytes is read: a pipe would wait for a writer, a device
// never end.
MarkerFileContents ReadMarkerFile(const QString& path, int lineCount);

// "Line Markers could not be restored.", and on a further line why the
// file was not read when it was not read at all.
QString MarkersNotRestoredMessage(const MarkerFileContents& contents);

// "Line Markers could not be saved.", and on a further line "PATH: reason".
QString MarkersNotSavedMessage(const QString& path, const QString& reason);

// Writes the labels, each ended by CR LF, replacing the file atomically.
// False (and the reason in *error) when it cannot be written; an existing
// file then stays as it was. A file the owner may not write is not replaced,
// nor is a symbolic link or a file of another user (others may have put it
// there in a shared folder).
// The file takes the permission bits of the document beside it, whose lines
// it quotes.
bool WriteMarkerFile(const QString& path, const QStringList& labels, QString* error = nullptr);

using TextWidthFn = std::function<int(const QString&)>;

// The visible text for `label` when at most `available` pixels may be used:
// the label itself, or its longest prefix that fits together with "...",
// followed by "...". Runs of "&" count as one "&" while measuring. Needs
// O(log n) width measurements, relying on a longer prefix never being
// narrower than a shorter one.
struct FittedLabel {
    QString text;
    bool shortened = false;
};
FittedLabel FitMarkerText(const QString& label, int available, const TextWidthFn& width);

// The full label as a hint: every run of ampersands shown as one.
QString MarkerHint(const QString& label);
