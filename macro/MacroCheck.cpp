// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/MacroCheck.h"

#include "macro/MacroCommands.h"
#include "macro/MacroLanguage.h"
#include "macro/MacroPaths.h"
#include "platform/BatchPrompts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The command word with the letter case it was written in.
QString WrittenWord(const QString& line)
{
    const QString trimmed = line.trimmed();
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    return blank < 0 ? trimmed : trimmed.left(blank);
}

// Commands that flip an option whatever their argument says.
constexpr const char* kToggles[] = {"plaintext", "alwaysstayontop", "wordwrap"};

QStringList CommandWords()
{
    QStringList words;
    for (const MacroCommand& command : MacroCommands())
        words << QString::fromLatin1(command.word);
    return words;
}

bool HasPlaceholder(const QString& argument)
{
    const QString folded = LowerAscii(argument);
    for (const char* word : {"filename", "selection", "startsel", "endsel"})
        if (folded.contains(QLatin1StringView(word)))
            return true;
    return false;
}

QString UnknownWordMessage(const QString& written, const QString& word)
{
    if (const auto nearest = NearestWord(word, CommandWords()))
        return QCoreApplication::translate("MacroCheck", "unknown command %1; did you mean %2?")
            .arg(Quoted(written), Quoted(*nearest));
    return QCoreApplication::translate("MacroCheck", "unknown command %1").arg(Quoted(written));
}

// A replace argument with " with " and further blanks reads two ways: the
// recorded "F with R" and the hand-written "F R" whose replacement starts
// with "with". The first is taken; blanks written as \s inside the texts
// leave only one reading.
std::optional<QString> ReplaceReadingWarning(const QString& written, const QString& argument)
{
    const std::optional<ReplacePair> taken = SplitReplacePair(argument);
    const std::optional<ReplacePair> other = SplitReplacePairAtBlank(argument);
    if (!taken || !other || taken == other || argument.count(QLatin1Char(' ')) <= 2)
        return std::nullopt;
    return QCoreApplication::translate("MacroCheck", "%1 replaces %2 by %3, but could also mean %4 by %5; "
                                                     "write blanks inside the texts as \\s")
        .arg(Quoted(written + QLatin1Char(' ') + argument), Quoted(taken->find), Quoted(taken->replacement),
             Quoted(other->find), Quoted(other->replacement));
}

// The error of a known command's argument, judged without a document;
// arguments with placeholders are known only while running.
std::optional<QString> ArgumentError(const MacroCommand& command, const std::optional<QString>& argument)
{
    const QString word = Quoted(QString::fromLatin1(command.word));
    if (argument && HasPlaceholder(*argument))
        return std::nullopt;
    switch (command.argument) {
    case MacroArgument::Integer:
        if (!argument)
            return QCoreApplication::translate("MacroCheck", "%1 needs a whole number").arg(word);
        [[fallthrough]];
    case MacroArgument::OptionalInteger:
        if (argument && !ReadMacroInteger(*argument))
            return QCoreApplication::translate("MacroCheck", "%1 needs a whole number, not %2")
                .arg(word, Quoted(*argument));
        return std::nullopt;
    case MacroArgument::Pair:
        if (!argument || !SplitReplacePair(*argument))
            return QCoreApplication::translate("MacroCheck", "%1 needs the find text, a blank and the replacement")
                .arg(word);
        return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<QString> ArgumentWarning(const MacroCommand& command, const QString& written,
                                       const std::optional<QString>& argument)
{
    if (!argument)
        return std::nullopt;
    const QString word = QString::fromLatin1(command.word);
    if (command.argument == MacroArgument::Pair)
        return ReplaceReadingWarning(written, *argument);
    for (const char* toggle : kToggles)
        if (word == QLatin1StringView(toggle))
            return QCoreApplication::translate("MacroCheck", "%1 toggles: the argument %2 is ignored")
                .arg(Quoted(written), Quoted(*argument));
    return std::nullopt;
}

int EditDistance(const QString& a, const QString& b)
{
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j) - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// The part of a path that is known before the run: all of it, or the
// folder in front of the first placeholder; absolute only.
struct KnownPath {
    QString path;
    bool whole = false;
};
std::optional<KnownPath> KnownPart(const QString& argument)
{
    const QString folded = LowerAscii(argument);
    qsizetype first = -1;
    for (const char* word : {"filename", "selection", "startsel", "endsel"})
        if (const qsizetype at = folded.indexOf(QLatin1StringView(word)); at >= 0 && (first < 0 || at < first))
            first = at;
    if (first < 0)
        return argument.startsWith(QLatin1Char('/')) ? std::optional(KnownPath{argument, true}) : std::nullopt;
    if (!argument.startsWith(QLatin1Char('/')) || first == 0)
        return std::nullopt;
    return KnownPath{argument.left(argument.lastIndexOf(QLatin1Char('/'), first - 1)), false};
}

}   // namespace

std::vector<MacroFinding> PathFindings(const QStringList& lines)
{
    std::vector<MacroFinding> findings;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const MacroLine line = SplitMacroLine(lines.at(i));
        const bool reads = line.word == QLatin1String("openfile");
        if (!line.argument || (!reads && line.word != QLatin1String("savefile")))
            continue;
        const std::optional<KnownPath> known = KnownPart(*line.argument);
        if (!known)
            continue;
        const QString resolved = ResolvedPath(known->path.isEmpty() ? QStringLiteral("/") : known->path);
        const QString word = Quoted(line.word);
        if (reads) {
            const bool hidden = known->whole ? ReadabilityOf(resolved) == Readability::Private
                                             : QFileInfo(resolved).isDir() && !OthersCanPass(resolved);
            if (hidden)
                findings.push_back(
                    {int(i + 1), FindingKind::Warning,
                     QCoreApplication::translate("MacroCheck", "%1 reads %2, which other users cannot read: a run "
                                                               "asks first, and --run refuses it without --allow-paths")
                         .arg(word, known->whole ? resolved : *line.argument)});
        } else {
            const qsizetype slash = resolved.lastIndexOf(QLatin1Char('/'));
            const QString folder = known->whole ? resolved.left(qMax<qsizetype>(1, slash)) : resolved;
            findings.push_back({int(i + 1), FindingKind::Warning,
                                QCoreApplication::translate(
                                    "MacroCheck", "%1 writes into %2: a run asks first unless its document is there")
                                    .arg(word, folder)});
        }
    }
    return findings;
}

std::optional<QString> NearestWord(const QString& word, const QStringList& candidates)
{
    const QString folded = LowerAscii(word);
    const int allowed = std::max<int>(1, int(folded.size() + 1) / 3);
    std::optional<QString> best;
    int bestDistance = allowed + 1;
    for (const QString& candidate : candidates) {
        const int distance = EditDistance(folded, LowerAscii(candidate));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

qsizetype LinesToRun(const QStringList& lines)
{
    qsizetype count = lines.size();
    while (count > 0) {
        const MacroLine line = SplitMacroLine(lines.at(count - 1));
        if (line.word != QLatin1String("savefile") || line.argument)
            break;
        --count;
    }
    return count;
}

std::vector<MacroFinding> WindowlessRefusals(const QStringList& lines)
{
    std::vector<MacroFinding> refusals;
    const qsizetype running = LinesToRun(lines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const MacroLine line = SplitMacroLine(lines.at(i));
        const QString word = Quoted(line.word);
        QString reason;
        if (line.word == QLatin1String("exit") || line.word == QLatin1String("deletefile") ||
            line.word == QLatin1String("clearfile") || line.word == QLatin1String("closefile"))
            reason = QCoreApplication::translate("MacroCheck", "%1 is not run without a window").arg(word);
        else if (line.word == QLatin1String("savefile") && line.argument)
            reason =
                QCoreApplication::translate("MacroCheck", "%1 with a file name is not run without a window").arg(word);
        else if (line.word == QLatin1String("savefile") && i < running)
            reason = QCoreApplication::translate("MacroCheck", "%1 before the end of the macro is not run without a "
                                                               "window (each file is saved once its run is over)")
                         .arg(word);
        else if (line.word == QLatin1String("openfile") && !line.argument)
            reason = CommandRefusal(line.word, DialogRefusal(WindowDialog::Open));
        else if (line.word == QLatin1String("print"))
            reason = CommandRefusal(line.word, DialogRefusal(WindowDialog::Print));
        else if (line.word == QLatin1String("printersetup"))
            reason = CommandRefusal(line.word, DialogRefusal(WindowDialog::PrinterSetup));
        if (!reason.isEmpty())
            refusals.push_back({int(i + 1), FindingKind::Error, reason});
    }
    return refusals;
}

std::vector<MacroFinding> CheckMacroLines(const QStringList& lines)
{
    const std::vector<MacroFinding> refusals = WindowlessRefusals(lines);
    auto refusal = refusals.begin();
    std::vector<MacroFinding> findings;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (refusal != refusals.end() && refusal->line == int(i + 1)) {
            findings.push_back(*refusal++);
            continue;
        }
        const int number = int(i + 1);
        const MacroLine line = SplitMacroLine(lines.at(i));
        if (line.word.isEmpty()) {
            findings.push_back({number, FindingKind::Error, QCoreApplication::translate("MacroCheck", "blank line")});
            continue;
        }
        const QString written = WrittenWord(lines.at(i));
        const MacroCommand* command = FindMacroCommand(line.word);
        if (!command) {
            findings.push_back({number, FindingKind::Error, UnknownWordMessage(written, line.word)});
        } else if (const auto error = ArgumentError(*command, line.argument)) {
            findings.push_back({number, FindingKind::Error, *error});
        } else if (const auto warning = ArgumentWarning(*command, written, line.argument)) {
            findings.push_back({number, FindingKind::Warning, *warning});
        }
    }
    return findings;
}

QString FindingText(const QString& file, const MacroFinding& finding)
{
    //: %1 is the macro file, %2 the line number, %3 what is wrong with the line.
    return (finding.kind == FindingKind::Error ? QCoreApplication::translate("MacroCheck", "%1:%2: error: %3")
                                               : QCoreApplication::translate("MacroCheck", "%1:%2: warning: %3"))
        .arg(file, QString::number(finding.line), finding.message);
}

QString LineFailureReason(const QString& text, bool plainText)
{
    const MacroLine line = SplitMacroLine(text);
    if (line.word.isEmpty())
        return QCoreApplication::translate("MacroCheck", "blank line");
    const MacroCommand* command = FindMacroCommand(line.word);
    if (!command)
        return UnknownWordMessage(WrittenWord(text), line.word);
    const QString word = Quoted(line.word);
    if (!CheckMacroCall(*command, line.argument, plainText)) {
        if (CheckMacroCall(*command, line.argument, !plainText))
            return (plainText ? QCoreApplication::translate("MacroCheck", "%1 needs a rich-text document")
                              : QCoreApplication::translate("MacroCheck", "%1 needs a plain-text document"))
                .arg(word);
        if (const auto error = ArgumentError(*command, line.argument))
            return *error;
        return QCoreApplication::translate("MacroCheck",
                                           "%1 does not accept its argument once the placeholders are filled in")
            .arg(word);
    }
    return QCoreApplication::translate("MacroCheck", "%1 failed").arg(word);
}
