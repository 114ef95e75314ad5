// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/BatchRun.h"

#include "document/DocumentSession.h"
#include "editor/RichEdit.h"
#include "macro/BatchMacroHost.h"
#include "macro/MacroCheck.h"
#include "macro/MacroFile.h"
#include "macro/MacroHost.h"
#include "macro/MacroLanguage.h"
#include "platform/AppError.h"
#include "platform/BatchPrompts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// The digest of a file's bytes, read in pieces; nothing when it cannot be read.
std::optional<QByteArray> FileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result();
}

FileResult Outcome(const QString& file, FileOutcome outcome, int line = 0, const QString& reason = {})
{
    FileResult result;
    result.file = file;
    result.outcome = outcome;
    result.line = line;
    result.reason = reason;
    return result;
}

QString NoTemporaryFolder(const QString& why)
{
    return QCoreApplication::translate("BatchRun", "no temporary folder: %1").arg(why);
}

FileResult Failure(const QString& file, int line, const QString& reason)
{
    return Outcome(file, FileOutcome::Failed, line, reason);
}

// One host without a window that every file is opened in in turn.
class BatchRunner {
public:
    BatchRunner(const BatchOutput& output, const QString& macroFile, bool dryRun, bool allowPaths)
        : output_(output), prompts_(output.err), host_(prompts_), macroFile_(macroFile), dryRun_(dryRun)
    {
        host_.Macro().Paths.SetPolicy(allowPaths ? PathPolicy::Allow : PathPolicy::Refuse);
        prompts_.SetLineSources([this] { return host_.Macro().RunLine; }, [this] { return host_.Macro().FailedLine; });
    }

    // Whatever goes wrong with one file is that file's result; the next
    // file still runs.
    FileResult Run(const QString& file)
    {
        try {
            return RunFile(file);
        } catch (const AppError& e) {
            return Failure(file, 0, e.message());
        } catch (const std::exception& e) {
            return Failure(file, 0, QString::fromUtf8(e.what()));
        }
    }

private:
    FileResult RunFile(const QString& file)
    {
        if (!QFileInfo::exists(file))
            return Failure(file, 0, QCoreApplication::translate("BatchRun", "File not found!"));
        prompts_.SetFile(file);
        prompts_.TakeLastMessage();
        prompts_.TakeRefusal();
        TRichEdit& edit = host_.Editor();
        DocumentSession& session = host_.Session();
        const DocumentState& doc = session.State();
        MacroState& macro = host_.Macro();
        // What the last file left behind is not to be saved, nor asked about.
        edit.SetModified(false);
        const QString target = QFileInfo(file).absoluteFilePath();
        session.Open(file);
        if (doc.CurrentFile != target) {
            const QString reason = prompts_.TakeLastMessage();
            if (reason.isEmpty())
                return Failure(file, 0, QCoreApplication::translate("BatchRun", "File could not be opened"));
            return Failure(file, 0, reason);
        }
        const std::optional<QByteArray> before = FileDigest(target);
        host_.Search().Pos() = 0;
        macro.BeginRun(macroFile_, target);
        RunMacro(host_);
        if (const int line = macro.FailedLine; line > 0) {
            const QString text = macro.MacroLines.value(line - 1);
            QString refusal = prompts_.TakeRefusal();
            if (refusal.isEmpty())
                refusal = macro.Paths.TakeRefusal();
            return Failure(file, line,
                           refusal.isEmpty() ? LineFailureReason(text, doc.IsPlainDocument)
                                             : CommandRefusal(SplitMacroLine(text).word, refusal));
        }
        if (doc.CurrentFile != target)
            return Failure(
                file, 0,
                QCoreApplication::translate("BatchRun", "the macro went on to another document (%1); nothing was saved")
                    .arg(QuotedName(doc.CurrentFile)));
        if (!edit.Modified())
            return Outcome(file, FileOutcome::Unchanged);
        return dryRun_ ? Compare(file, target) : Save(file, target, before);
    }

    FileResult Save(const QString& file, const QString& target, const std::optional<QByteArray>& before)
    {
        DocumentSession& session = host_.Session();
        // Nobody is there to ask: another program's change is kept.
        if (ChangedSince(session.State().LastSeen, target))
            return Failure(file, 0, ChangedWhileRunning());
        prompts_.TakeLastMessage();
        host_.Markers().TakeSaveFailure();
        if (!session.SaveWithChecks(false)) {
            const QString reason = prompts_.TakeLastMessage();
            if (reason.isEmpty())
                return Failure(file, 0, QCoreApplication::translate("BatchRun", "File could not be saved."));
            return Failure(file, 0, reason);
        }
        if (const QString markers = host_.Markers().TakeSaveFailure(); !markers.isEmpty())
            // Written, and an error all the same.
            return Failure(
                file, 0,
                QCoreApplication::translate("BatchRun", "the file was saved, but its line markers were not: %1")
                    .arg(markers));
        const bool same = before && FileDigest(target) == before;
        return Outcome(file, same ? FileOutcome::Unchanged : FileOutcome::Changed);
    }

    // The document as it would be saved, beside nothing of the user's, and
    // the diff program's view of it against the file on disk.
    FileResult Compare(const QString& file, const QString& target)
    {
        if (!scratch_.isValid())
            return Failure(file, 0, NoTemporaryFolder(scratch_.errorString()));
        const QString copy = scratch_.filePath(QFileInfo(target).fileName());
        try {
            host_.Editor().SaveToFile(copy);
        } catch (const AppError& e) {
            return Failure(file, 0, e.message());
        }
        QProcess diff;
        const QString label = QuotedName(file);
        diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), QStringLiteral("--label"), label,
                                            QStringLiteral("--label"), label, QStringLiteral("--"), target, copy});
        if (!diff.waitForFinished(120000) || diff.exitStatus() != QProcess::NormalExit) {
            diff.kill();
            return Failure(
                file, 0,
                QCoreApplication::translate("BatchRun", "the diff program did not run: %1").arg(diff.errorString()));
        }
        QFile::remove(copy);
        if (diff.exitCode() == 0)
            return Outcome(file, FileOutcome::Unchanged);
        if (diff.exitCode() != 1)
            return Failure(file, 0,
                           QStringLiteral("diff: ") + QString::fromLocal8Bit(diff.readAllStandardError()).trimmed());
        QString text = QString::fromUtf8(diff.readAllStandardOutput());
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        if (output_.out)
            output_.out(text);
        return Outcome(file, FileOutcome::Changed);
    }

    const BatchOutput& output_;
    BatchPrompts prompts_;
    BatchMacroHost host_;
    QString macroFile_;
    bool dryRun_;
    QTemporaryDir scratch_;
};

// The macro's lines; nothing, and the reason told, when they cannot be read.
std::optional<QStringList> ReadMacro(const QString& path, const BatchOutput& output)
{
    QString reason = QCoreApplication::translate("BatchRun", "Macro not found!");
    // A folder, pipe or device is no macro, and reading it could wait forever.
    if (QFileInfo(path).isFile()) {
        try {
            return ReadMacroFile(path);
        } catch (const AppError& e) {
            reason = e.message();
        }
    }
    if (output.err)
        output.err(QuotedName(path) + QStringLiteral(": ") + OneLine(reason));
    return std::nullopt;
}

}   // namespace

QString ChangedWhileRunning()
{
    return QCoreApplication::translate("BatchRun",
                                       "the file was changed by another program while the macro ran; it was not saved");
}

QString SummaryLine(const FileResult& result)
{
    const QString file = QuotedName(result.file);
    switch (result.outcome) {
    case FileOutcome::Changed: return QCoreApplication::translate("BatchRun", "%1: changed").arg(file);
    case FileOutcome::Unchanged: return QCoreApplication::translate("BatchRun", "%1: unchanged").arg(file);
    case FileOutcome::Failed: break;
    }
    const QString reason = OneLine(result.reason);
    if (result.line > 0)
        //: %1 is the file, %2 the macro line, %3 why it failed.
        return QCoreApplication::translate("BatchRun", "%1: error in line %2: %3")
            .arg(file, QString::number(result.line), reason);
    return QCoreApplication::translate("BatchRun", "%1: error: %2").arg(file, reason);
}

int BatchExitCode(const std::vector<FileResult>& results)
{
    for (const FileResult& result : results)
        if (result.outcome == FileOutcome::Failed)
            return 1;
    return 0;
}

std::optional<RefusedLine> FindRefusedLine(const QStringList& lines)
{
    const std::vector<MacroFinding> refusals = WindowlessRefusals(lines);
    if (refusals.empty())
        return std::nullopt;
    const MacroFinding& first = refusals.front();
    return RefusedLine{first.line,
                       QCoreApplication::translate("BatchRun", "%1; the file was skipped").arg(first.message)};
}

bool ShowsBatchProgress(bool errorIsTerminal, qsizetype files)
{
    return errorIsTerminal && files > 1;
}

QString BatchProgressLine(qsizetype done, qsizetype files)
{
    return QStringLiteral("%1/%2").arg(done).arg(files);
}

int RunBatch(const BatchOptions& options, const BatchOutput& output)
{
    const std::optional<QStringList> lines = ReadMacro(options.macro, output);
    if (!lines)
        return 2;
    std::vector<FileResult> results;
    const auto report = [&](const FileResult& result) {
        results.push_back(result);
        if (output.out)
            output.out(SummaryLine(result));
    };
    if (const auto refused = FindRefusedLine(*lines)) {
        for (const QString& file : options.files)
            report(Failure(file, refused->line, refused->reason));
        return BatchExitCode(results);
    }
    // Every file runs the lines read here, from a private copy that no
    // file of the run can change (the macro itself may be one of them).
    // The closing "savefile" lines are the batch's own save: the copy
    // leaves them out.
    QTemporaryDir copyDir;
    const QString macroFile = copyDir.filePath(QStringLiteral("run.macro"));
    try {
        if (!copyDir.isValid())
            throw AppError(NoTemporaryFolder(copyDir.errorString()));
        WriteMacroFile(macroFile, lines->mid(0, LinesToRun(*lines)));
    } catch (const AppError& e) {
        if (output.err)
            output.err(OneLine(e.message()));
        return 2;
    }
    BatchRunner runner(output, macroFile, options.dryRun, options.allowPaths);
    // Straight to the terminal, apart from the messages a caller collects.
    const bool counting = ShowsBatchProgress(isatty(STDERR_FILENO) == 1, options.files.size());
    for (qsizetype i = 0; i < options.files.size(); ++i) {
        report(runner.Run(options.files[i]));
        if (counting) {
            std::fprintf(stderr, "%s\n", qPrintable(BatchProgressLine(i + 1, options.files.size())));
            std::fflush(stderr);
        }
    }
    return BatchExitCode(results);
}

int CheckMacroFiles(const QStringList& macros, const BatchOutput& output)
{
    int code = 0;
    for (const QString& macro : macros) {
        const std::optional<QStringList> lines = ReadMacro(macro, output);
        if (!lines) {
            code = 2;
            continue;
        }
        std::vector<MacroFinding> findings = CheckMacroLines(*lines);
        for (const MacroFinding& finding : PathFindings(*lines))
            findings.push_back(finding);
        std::stable_sort(findings.begin(), findings.end(),
                         [](const MacroFinding& a, const MacroFinding& b) { return a.line < b.line; });
        for (const MacroFinding& finding : findings) {
            if (output.out)
                output.out(FindingText(macro, finding));
            if (finding.kind == FindingKind::Error && code == 0)
                code = 1;
        }
    }
    return code;
}
