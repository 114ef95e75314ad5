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

std::vector<MacroFinding> CheckMacroLines(const QStringList& lines);

// "file:line: error: message", the form editors and terminals link to.
QString FindingText(const QString& file, const MacroFinding& finding);

// The candidate closest to the word by edit distance, if it is close enough
// to be a likely misspelling (ties: the first one listed).
std::optional<QString> NearestWord(const QString& word, const QStringList& candidates);

// Why a run stopped at this line (as written, before its placeholders were
// filled in), in the mode the document was in.
QString LineFailureReason(const QString& line, bool plainText);
