// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the document with the external Tidy program.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "html/TidyRules.h"
#include "html/TidyRun.h"
#include "html/TidyErrors.h"
#include "platform/PrivateTemp.h"
#include "platform/SafeFile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <memory>

namespace {

// The Tidy program, asking for its folder until it is found; empty when
// the user gives up.
QString FindTidy(TMainForm& form)
{
    if (form.Startup.TidyLocation.isEmpty()) {
        // No folder chosen: the Tidy the system installed, without asking.
        if (Shell* shell = form.platform().shell) {
            const QString onPath = shell->FindProgram(QStringLiteral("tidy"));
            if (!onPath.isEmpty())
                return onPath;
        }
        if (form.Ask(MsgKind::Confirmation,
                     QCoreApplication::translate("TMainForm", "Location of TIDY.EXE is unknown.\nSelect directory?"),
                     MsgButtons::YesNo) != MsgAnswer::Yes)
            return {};
        form.TidyLocation1Click();
    }
    for (;;) {
        const QString program = TidyProgramIn(form.Startup.TidyLocation, IsRegularFile);
        if (!program.isEmpty())
            return QFileInfo(program).absoluteFilePath();
        if (form.Ask(MsgKind::Confirmation, QCoreApplication::translate("TMainForm", "TIDY.EXE not found.\nSearch again?"),
                     MsgButtons::YesNo) != MsgAnswer::Yes)
            return {};
        form.TidyLocation1Click();
    }
}

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

// What a check keeps while Tidy runs.
struct RunningCheck {
    explicit RunningCheck(const QString& outputName)
        : outputName(outputName)
        , output(outputName)
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

void OutputFailed(TMainForm& form, RunningCheck& check)
{
    //: %1 is the output file, %2 why it failed
    form.ShowError(QCoreApplication::translate("TMainForm", "Output file \"%1\" cannot be created/accessed.\n%1: %2")
                       .arg(check.outputName, check.output.ErrorString()));
}

void ShowResult(TMainForm& form, RunningCheck& check, TidyEnd end)
{
    if (end == TidyEnd::Finished && (!check.output.Write(ReadAll(check.tidyOutput)) || !check.output.Commit()))
        OutputFailed(form, check);
    QFile errors(check.errorsName);
    const QStringList entries = TidyResultEntries(ReadAll(errors), end, check.limitMs, check.documentChanged);
    TTidyErrors& list = *form.TidyErrors;
    list.Editor = form.RichEdit;
    // Stopped by closing the list: it stays closed.
    if (end != TidyEnd::Stopped) {
        list.show();
        list.raise();
    }
    list.ShowMessages(entries);
}

} // namespace

void TMainForm::SyntaxCheckClick()
{
    if (!TidyErrors)
        return;
    // A new check replaces one still running: that one's messages would be
    // about older text, and its Tidy would write into this one's files.
    TidyErrors->DropRun();
    if (RichEdit->TextLength() == 0) {
        Ask(MsgKind::Information, tr("Nothing to tidy."), MsgButtons::Ok);
        return;
    }
    const QString program = FindTidy(*this);
    if (program.isEmpty())
        return;

    // Tidy's messages, its output until it has ended, and the input of an
    // unnamed document stay where no other user can reach them.
    QString folderError;
    if (!EnsurePrivateFolder(Startup.TempDir, &folderError)) {
        ShowError(folderError);
        return;
    }
    QString input = Doc.CurrentFile;
    if (input.isEmpty()) {
        input = Startup.TempDir + QStringLiteral("Test.html");
        WriteUnnamedInput(*RichEdit, input);
    }
    input = QFileInfo(input).absoluteFilePath();
    const auto check = std::make_shared<RunningCheck>(
        TidyOutputBase(input, [&](const QString& path) { return IsSameFile(path, input); }) + kTidyOutputSuffix);

    QFile inputFile(input);
    const bool readable = inputFile.open(QIODevice::ReadOnly);
    inputFile.close();
    if (!check->output.Open()) {
        OutputFailed(*this, *check);
        return;
    }
    if (!readable) {
        ShowError(tr("Current file cannot be accessed."));
        return;
    }
    check->errorsName = Startup.TempDir + QStringLiteral("Errors.txt");
    QFile errors(check->errorsName);
    check->tidyOutput.setFileTemplate(Startup.TempDir + QStringLiteral("tidy-XXXXXX.html"));
    if (!errors.open(QIODevice::WriteOnly | QIODevice::Truncate) || !check->tidyOutput.open()) {
        ShowError(tr("Error file \"%1\" cannot be created/accessed.").arg(check->errorsName));
        return;
    }
    errors.close();

    check->limitMs = TidyTimeLimitMs();
    auto process = std::make_unique<TidyProcess>();
    if (!process->Start({program, TidyArguments(Startup.TidyOptions, input), input, check->tidyOutput.fileName(),
                         check->errorsName},
                        check->limitMs)) {
        ShowError(tr("Unknown error occured trying to execute TIDY.EXE."));
        ShowResult(*this, *check, TidyEnd::NotStarted);
        return;
    }
    connect(RichEdit, &TRichEdit::TextChanged, &check->watch, [check = check.get()] { check->documentChanged = true; });
    TidyErrors->ShowRunning(std::move(process),
                            [this, check](TidyEnd end) { Guard([&] { ShowResult(*this, *check, end); }); });
}

void TMainForm::TidyLocation1Click()
{
    const QString folder = ChooseFolder();
    if (folder.isEmpty())
        return;
    Startup.TidyLocation = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void TMainForm::TidyOptions1Click()
{
    const std::optional<QString> options = platform().prompts->InputBox(
        tr("Tidy Options"), tr("Please enter your preferred options (e.g. -ascii -asxml)"),
        Startup.TidyOptions);
    if (options)
        Startup.TidyOptions = *options;
}
