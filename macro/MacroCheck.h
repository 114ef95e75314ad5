// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Looks at macro lines without running them: which lines a run would reject
// and which arguments a run reads differently than a reader would expect.
// Everything is judged by the runner's own command table.

enum class FindingKind { Error, Warning };

struct MacroFinding {
    int line = 0;   // counted from 1
    FindingKind kind = FindingKind::Error;
    QString message;
    bool operator==(const MacroFinding&) const = default;
};

// Every finding, line by line; the lines a run without a window refuses
// (WindowlessRefusals) are errors too.
std::vector<MacroFinding> CheckMacroLines(const QStringList& lines);

// How many lines run: "savefile" lines at the end are left out, as a run
// without a window saves each file once its run is over.
qsizetype LinesToRun(const QStringList& lines);

// The lines a run without a window does not run, in order: one that ends
// the program, empties or deletes the file, saves before the whole macro
// has run or under another name (a later failure could then not leave the
// file as it was, and a dry run would write), or needs a dialog that
// nobody is there to answer. --run refuses the macro for the first of
// them, --check reports each.
std::vector<MacroFinding> WindowlessRefusals(const QStringList& lines);

// Warnings for the file lines whose path a run would ask about, where that
// can be told without running: "openfile" of a file that other users cannot
// read (also a name still to be filled in, inside a folder they cannot
// pass), "savefile" into a named folder, which asks unless the document
// is there. A relative path depends on where the program runs: no finding.
std::vector<MacroFinding> PathFindings(const QStringList& lines);

// "file:line: error: message", the form editors and terminals link to.
QString FindingText(const QString& file, const MacroFinding& finding);

// The candidate closest to the word by edit distance, if it is close enough
// to be a likely misspelling (ties: the first one listed).
std::optional<QString> NearestWord(const QString& word, const QStringList& candidates);

// Why a run stopped at this line (as written, before its placeholders were
// filled in), in the mode the document was in.
QString LineFailureReason(const QString& line, bool plainText);
