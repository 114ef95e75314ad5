// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The rules of the Tidy check that need no window and no process.

inline const QString kTidyOutputSuffix = QStringLiteral(" - tidy.html");

// True when a message names a place: it begins with "line " exactly.
bool NamesTidyLine(QStringView entry);

// The line number (from 1) of a message beginning "line " and a digit:
// the digits up to the first other character. Nothing for other messages
// and for line 0; a number too large for an int gives the largest int.
std::optional<int> TidyMessageLine(QStringView entry);

// The messages of Tidy's error file, one per line (CR LF, LF or CR); a
// last line break ends the last message rather than starting an empty one.
QStringList TidyMessageLines(const QByteArray& bytes);

// Splits option text into arguments the way a POSIX shell splits words,
// without expanding anything: blanks separate, '...' keeps everything
// literally, "..." keeps all but \" \\ \$ \` escapes, and outside quotes a
// backslash keeps the next character. A quote left open ends at the end.
QStringList SplitOptionWords(QStringView text);

// The options as arguments, then the input path as the last one.
QStringList TidyArguments(const QString& options, const QString& inputPath);

// B: the input path up to the last dot of its file name (a dot in a folder
// name or a leading dot does not count). The output B + " - tidy.html"
// must never be the input itself (a link can make another name lead to
// it): while `isInput` says it is, B grows by " - tidy".
QString TidyOutputBase(const QString& inputPath, const std::function<bool(const QString&)>& isInput);

// The Tidy program in `folder` (a path ending with "/"): "tidy", else
// "tidy.exe", as `isFile` finds them; empty when neither is there or the
// folder is unknown.
QString TidyProgramIn(const QString& folder, const std::function<bool(const QString&)>& isFile);

// The error window's width after widening to its longest entry: unchanged
// while every entry fits the list's client width, otherwise grown by the
// shortfall plus 5 pixels.
int WidenedWindowWidth(int windowWidth, int clientWidth, const QList<int>& entryWidths);

// The error window's frame: directly above the main window, left edges
// level; where the screen has no room above it, just below the main
// window's menu bar and toolbars (which end at `barsBottom`), so that they
// stay in reach. Always whole on the `available` part of the screen: moved
// onto it, and cut to its size when larger.
QRect TidyErrorsFrame(QSize frame, const QRect& mainFrame, int barsBottom, const QRect& available);

enum class TidyEnd {
    Finished,   // Tidy ended by itself
    NotStarted,
    Stopped,   // the user stopped it
    TimedOut,   // it ran past the time limit and was stopped
};

// The list's entry when Tidy had to be stopped at the limit.
QString TidyStoppedEntry(int limitMs);

// The other notes the list adds, untranslated; TidyResultEntries gives them
// in the user's language.
inline const QString kTidyStoppedByUser =
    QStringLiteral(QT_TRANSLATE_NOOP("TidyRules", "Tidy was stopped before it ended."));
inline const QString kTidyDocumentChanged = QStringLiteral(QT_TRANSLATE_NOOP(
    "TidyRules", "The document was changed while Tidy ran: these messages are about the text before the change."));

// The list after a check: the error file's messages, then why Tidy did not
// end by itself, then a note when the document was edited meanwhile (the
// lines they name may have moved).
QStringList TidyResultEntries(const QByteArray& errorFile, TidyEnd end, int limitMs, bool documentChanged);
