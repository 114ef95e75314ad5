// The check of the document with the external Tidy program.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "html/TidyRules.h"
#include "html/TidyRun.h"
#include "html/TidyErrors.h"
#include "platform/PrivateTemp.h"
#include "platform/SafeFile.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// Shown from just before Tidy starts; gone on every way out.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The Tidy program, asking for its folder until it is found; empty when
// the user gives up.
QString FindTidy(TMainForm& form)
{
    if (form.Startup.TidyLocation.isEmpty()) {
        if (form.Ask(MsgKind::Confirmation, QStringLiteral("Location of TIDY.EXE is unknown.\nSelect directory?"),
                     MsgButtons::YesNo) != MsgAnswer::Yes)
            return {};
        form.TidyLocation1Click();
    }
    for (;;) {
        const QString program = TidyProgramIn(form.Startup.TidyLocation, IsRegularFile);
        if (!program.isEmpty())
            return QFileInfo(program).absoluteFilePath();
        if (form.Ask(MsgKind::Confirmation, QStringLiteral("TIDY.EXE not found.\nSearch again?"),
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

} // namespace

void TMainForm::SyntaxCheckClick()
{
    if (RichEdit->TextLength() == 0) {
        Ask(MsgKind::Information, QStringLiteral("Nothing to tidy."), MsgButtons::Ok);
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
    const QString outputName =
        TidyOutputBase(input, [&](const QString& path) { return IsSameFile(path, input); }) + kTidyOutputSuffix;

    QFile inputFile(input);
    const bool readable = inputFile.open(QIODevice::ReadOnly);
    inputFile.close();
    // The output replaces the previous one only once Tidy has ended. It is
    // a side file: in a shared folder someone else may have put a link or
    // a file of theirs under its name.
    SafeFile output(outputName);
    output.SetSideFile(true);
    const auto outputFailed = [&] {
        ShowError(QStringLiteral("Output file \"%1\" cannot be created/accessed.\n%1: %2")
                      .arg(outputName, output.ErrorString()));
    };
    if (!output.Open()) {
        outputFailed();
        return;
    }
    if (!readable) {
        ShowError(QStringLiteral("Current file cannot be accessed."));
        return;
    }
    const QString errorsName = Startup.TempDir + QStringLiteral("Errors.txt");
    QFile errors(errorsName);
    QTemporaryFile tidyOutput(Startup.TempDir + QStringLiteral("tidy-XXXXXX.html"));
    if (!errors.open(QIODevice::WriteOnly | QIODevice::Truncate) || !tidyOutput.open()) {
        ShowError(QStringLiteral("Error file \"%1\" cannot be created/accessed.").arg(errorsName));
        return;
    }
    errors.close();

    const int limitMs = TidyTimeLimitMs();
    TidyEnd end;
    {
        BusyPointer busy;
        end = RunTidy({program, TidyArguments(Startup.TidyOptions, input), input, tidyOutput.fileName(), errorsName},
                      limitMs);
    }
    if (end == TidyEnd::NotStarted)
        ShowError(QStringLiteral("Unknown error occured trying to execute TIDY.EXE."));
    if (end == TidyEnd::Finished && (!output.Write(ReadAll(tidyOutput)) || !output.Commit()))
        outputFailed();

    QStringList messages = TidyMessageLines(ReadAll(errors));
    if (end == TidyEnd::Stopped)
        messages.append(TidyStoppedEntry(limitMs));
    if (!TidyErrors)
        return;
    TidyErrors->Editor = RichEdit;
    TidyErrors->show();
    TidyErrors->raise();
    TidyErrors->ShowMessages(messages, Schriftarten->findText(QStringLiteral("Tahoma")) >= 0);
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
        QStringLiteral("Tidy Options"), QStringLiteral("Please enter your preferred options (e.g. -ascii -asxml)"),
        Startup.TidyOptions);
    if (options)
        Startup.TidyOptions = *options;
}
