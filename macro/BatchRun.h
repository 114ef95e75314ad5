// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "macro/MacroCheck.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// Running one macro over many files without a window, with the runner the
// window uses: open as Open does, run, save what changed.

struct BatchOptions {
    QString macro;
    QStringList files;
    bool dryRun = false;   // print a diff instead of saving
    // Lines that write outside the document's folder or read a private
    // file run; without it they fail, as nobody is there to allow them.
    bool allowPaths = false;
};

// Where the lines go: the summary (and diffs) and the messages.
struct BatchOutput {
    std::function<void(const QString&)> out;
    std::function<void(const QString&)> err;
};

enum class FileOutcome { Changed, Unchanged, Failed };

struct FileResult {
    QString file;
    FileOutcome outcome = FileOutcome::Unchanged;
    int line = 0;   // the macro line that failed; 0 when the failure was no line's
    QString reason;
};

// Why a file that another program changed while its macro ran is not saved.
QString ChangedWhileRunning();

// "FILE: changed", "FILE: unchanged", "FILE: error in line N: REASON" or
// "FILE: error: REASON", the name quoted as QuotedName does and the reason
// on one line.
QString SummaryLine(const FileResult& result);
// 0 when every file was run, 1 when one failed.
int BatchExitCode(const std::vector<FileResult>& results);

// The first of the WindowlessRefusals, which keeps the macro from running
// on any file.
struct RefusedLine {
    int line = 0;
    QString reason;
};
std::optional<RefusedLine> FindRefusedLine(const QStringList& lines);

// "N/M" after the Nth of M files, on standard error only while it is a
// terminal, so that reports sent to a file or a pipe stay clean; one
// file needs no count.
bool ShowsBatchProgress(bool errorIsTerminal, qsizetype files);
QString BatchProgressLine(qsizetype done, qsizetype files);

// The whole --run: returns the exit code (2 when the macro cannot be read).
// The macro is read once, before the first file: a file of the run that is
// the macro itself does not change the later runs. Needs a QApplication.
int RunBatch(const BatchOptions& options, const BatchOutput& output);

// The whole --check: findings of every macro (with the PathFindings), in
// line order; exit code 0 clean, 1 when a line would fail, 2 when a macro
// cannot be read.
int CheckMacroFiles(const QStringList& macros, const BatchOutput& output);
