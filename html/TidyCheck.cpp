// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the document with the external Tidy program.
#include "html/TidyCheck.h"

#include "editor/RichEdit.h"
#include "html/HtmlHost.h"
#include "html/TidyErrors.h"
#include "html/TidyRun.h"
#include "platform/AppError.h"
#include "platform/PrivateTemp.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <memory>

namespace {

// The text of an unnamed document as Tidy's input. The save of rich mode
// would give Tidy RTF, not the HTML the user typed: that text goes as UTF-8.
void WriteUnnamedInput(TRichEdit& edit, const QString& path)
{
    if (edit.IsPlainText()) {
        edit.SaveToFile(path);
        return;
    }
    QString error;
    if (!WriteFileSafely(path, edit.Text().toUtf8(), &error))
        throw AppError(QStringLiteral("%1: %2").arg(path, error));
}

QByteArray ReadAll(QIODevice& device)
{
    return device.isOpen() || device.open(QIODevice::ReadOnly) ? device.readAll() : QByteArray();
}

}   // namespace

// What a check keeps while Tidy runs.
struct TidyCheck::Running {
    explicit Running(const QString& name) : outputName(name), output(name)
    {
        // The output replaces the previous one only once Tidy has ended. It
        // is a side file: in a shared folder someone else may have put a
        // link or a file of theirs under its name.
        output.SetSideFile(true);
    }
    QString outputName;
    SafeFile output;
    QTemporaryFile tidyOutput;
    QString errorsName;
    int limitMs = 0;
    // The input was written before Tidy started, so the messages are about
    // the text as it was then; an edit meanwhile is noted in the list.
    bool documentChanged = false;
    QObject watch;   // ends the edit watch with the check
};

TidyCheck::TidyCheck(HtmlHost& host, const Platform& platform) : host_(host), platform_(platform) {}

MsgAnswer TidyCheck::Ask(MsgKind kind, const QString& text, MsgButtons buttons)
{
    return platform_.prompts->MessageBox(kind, text, buttons);
}

void TidyCheck::ShowError(const QString& text)
{
    Ask(MsgKind::Error, text, MsgButtons::Ok);
}

// The Tidy program, asking for its folder until it is found; empty when
// the user gives up.
QString TidyCheck::FindTidy()
{
    if (host_.TidyLocation().isEmpty()) {
        // No folder chosen: the Tidy the system installed, without asking.
        if (Shell* shell = platform_.shell) {
            const QString onPath = shell->FindProgram(QStringLiteral("tidy"));
            if (!onPath.isEmpty())
                return onPath;
        }
        if (Ask(MsgKind::Confirmation, tr("Location of TIDY.EXE is unknown.\nSelect directory?"), MsgButtons::YesNo) !=
            MsgAnswer::Yes)
            return {};
        ChooseLocation();
    }
    for (;;) {
        const QString program = TidyProgramIn(host_.TidyLocation(), IsRegularFile);
        if (!program.isEmpty())
            return QFileInfo(program).absoluteFilePath();
        if (Ask(MsgKind::Confirmation, tr("TIDY.EXE not found.\nSearch again?"), MsgButtons::YesNo) != MsgAnswer::Yes)
            return {};
        ChooseLocation();
    }
}

void TidyCheck::OutputFailed(Running& check)
{
    //: %1 is the output file, %2 why it failed
    ShowError(
        tr("Output file \"%1\" cannot be created/accessed.\n%1: %2").arg(check.outputName, check.output.ErrorString()));
}

void TidyCheck::ShowResult(Running& check, TidyEnd end)
{
    if (end == TidyEnd::Finished && (!check.output.Write(ReadAll(check.tidyOutput)) || !check.output.Commit()))
        OutputFailed(check);
    QFile errors(check.errorsName);
    const QStringList entries = TidyResultEntries(ReadAll(errors), end, check.limitMs, check.documentChanged);
    TTidyErrors& list = *host_.TidyList();
    list.Editor = &host_.Editor();
    // Stopped by closing the list: it stays closed.
    if (end != TidyEnd::Stopped) {
        list.show();
        list.raise();
    }
    list.ShowMessages(entries);
}

void TidyCheck::Run()
{
    TTidyErrors* list = host_.TidyList();
    if (!list)
        return;
    // A new check replaces one still running: that one's messages would be
    // about older text, and its Tidy would write into this one's files.
    list->DropRun();
    TRichEdit& edit = host_.Editor();
    if (edit.TextLength() == 0) {
        Ask(MsgKind::Information, tr("Nothing to tidy."), MsgButtons::Ok);
        return;
    }
    const QString program = FindTidy();
    if (program.isEmpty())
        return;

    // Tidy's messages, its output until it has ended, and the input of an
    // unnamed document stay where no other user can reach them.
    const QString tempDir = host_.TempDir();
    QString folderError;
    if (!EnsurePrivateFolder(tempDir, &folderError)) {
        ShowError(folderError);
        return;
    }
    QString input = host_.CurrentFile();
    if (input.isEmpty()) {
        input = tempDir + QStringLiteral("Test.html");
        WriteUnnamedInput(edit, input);
    }
    input = QFileInfo(input).absoluteFilePath();
    const auto check = std::make_shared<Running>(
        TidyOutputBase(input, [&](const QString& path) { return IsSameFile(path, input); }) + kTidyOutputSuffix);

    QFile inputFile(input);
    const bool readable = inputFile.open(QIODevice::ReadOnly);
    inputFile.close();
    if (!check->output.Open()) {
        OutputFailed(*check);
        return;
    }
    if (!readable) {
        ShowError(tr("Current file cannot be accessed."));
        return;
    }
    check->errorsName = tempDir + QStringLiteral("Errors.txt");
    QFile errors(check->errorsName);
    check->tidyOutput.setFileTemplate(tempDir + QStringLiteral("tidy-XXXXXX.html"));
    if (!errors.open(QIODevice::WriteOnly | QIODevice::Truncate) || !check->tidyOutput.open()) {
        ShowError(tr("Error file \"%1\" cannot be created/accessed.").arg(check->errorsName));
        return;
    }
    errors.close();

    check->limitMs = TidyTimeLimitMs();
    auto process = std::make_unique<TidyProcess>();
    if (!process->Start({program, TidyArguments(host_.TidyOptions(), input), input, check->tidyOutput.fileName(),
                         check->errorsName},
                        check->limitMs)) {
        ShowError(tr("Unknown error occured trying to execute TIDY.EXE."));
        ShowResult(*check, TidyEnd::NotStarted);
        return;
    }
    QObject::connect(&edit, &TRichEdit::TextChanged, &check->watch,
                     [check = check.get()] { check->documentChanged = true; });
    list->ShowRunning(std::move(process),
                      [this, check](TidyEnd end) { host_.Guard([&] { ShowResult(*check, end); }); });
}

void TidyCheck::ChooseLocation()
{
    const QString folder = platform_.prompts->ChooseFolder();
    if (folder.isEmpty())
        return;
    host_.SetTidyLocation(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

void TidyCheck::EditOptions()
{
    const std::optional<QString> options = platform_.prompts->InputBox(
        tr("Tidy Options"), tr("Please enter your preferred options (e.g. -ascii -asxml)"), host_.TidyOptions());
    if (options)
        host_.SetTidyOptions(*options);
}
