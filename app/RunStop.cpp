// SPDX-License-Identifier: GPL-3.0-or-later
// The macro field, the Run button and the Record and Stop commands.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "library/Library.h"
#include "library/MacroLibrary.h"

#include <QIcon>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Disabled while a recording is on, enabled again by Stop.
constexpr Command kIdleItems[] = {Command::MacroBrowser, Command::Record, Command::Run, Command::DeleteMacro,
                                  Command::Redo};

}   // namespace

void TMainForm::SetRunMode(bool run)
{
    if (run == runMode_ && !ui_.RunButton->icon().isNull())
        return;   // every keystroke in the field lands here
    static const QIcon runIcon(QStringLiteral(":/icons/run.svg"));
    static const QIcon recordIcon(QStringLiteral(":/icons/record.svg"));
    runMode_ = run;
    ui_.RunButton->setIcon(run ? runIcon : recordIcon);
    ui_.RunButton->setToolTip(run ? tr("run") : tr("record"));
}

void TMainForm::ShowRecordingControls()
{
    ui_.RunButton->setChecked(true);
    SetRunMode(false);
    ui_.MakroButton->setChecked(false);
    ui_.MakroButton->setEnabled(false);
    for (const Command item : kIdleItems)
        SetEnabled(item, false);
    SetEnabled(Command::Stop, true);
    ui_.Tree->hide();
    ui_.Panel2->show();
}

void TMainForm::ShowRunningControls()
{
    ui_.MakroButton->setChecked(false);
    ui_.Tree->hide();
    ui_.Panel2->show();
    SetEnabled(Command::NewFolder, Twin::Context, false);
}

void TMainForm::ShowStoppedControls()
{
    ui_.RunButton->setChecked(false);
    ui_.MakroButton->setEnabled(true);
    for (const Command item : kIdleItems)
        SetEnabled(item, true);
    SetEnabled(Command::Stop, false);
    ShowRedoAvailable(false);
}

void TMainForm::MakroFeldChange()
{
    const QString name = ui_.MakroFeld->text();
    ui_.MakroFeld->setToolTip(name);
    if (ui_.TreeRoot->childCount() == 0)
        return;   // nothing but the root: mode and items stay
    QTreeWidgetItem* macro = FindMacroNode(name);
    if (macro)
        ui_.Tree->setCurrentItem(macro);
    SetRunMode(macro != nullptr);
    SetEnabled(Command::Run, macro != nullptr);
}

void TMainForm::MakroFeldDblClick()
{
    ui_.MakroFeld->selectAll();
}

void TMainForm::Record1Click()
{
    const QString typed = ui_.MakroFeld->text();
    const QString cleaned = RecordingMacroName(typed);
    const QString name = cleaned.isEmpty() ? tr("Unnamed Macro") : cleaned;
    if (name != typed) {
        const QSignalBlocker quiet(ui_.MakroFeld);
        ui_.MakroFeld->setText(name);
    }
    const std::optional<QString> file = library_->RecordingFile(name, !cleaned.isEmpty());
    if (!file) {
        Stop1Click();
        return;
    }
    ShowRecordingControls();
    macro_.BeginRecording(*file);
    ui_.RichEdit->setFocus();
}

void TMainForm::Stop1Click()
{
    QString error;
    const MacroState::StopResult result = macro_.Stop(&error);
    if (result == MacroState::StopResult::RunAsked)
        return;
    ShowStoppedControls();
    if (result == MacroState::StopResult::RecordingKept) {
        // Still recording, and Stop can try again.
        ShowError(error);
        ShowRecordingControls();
        return;
    }
    MakroFeldChange();
    if (ui_.RichEdit->isVisible())
        ui_.RichEdit->setFocus();
}

void TMainForm::RunButtonClick()
{
    if (sender() == ui_.RunButton && !ui_.RunButton->isChecked()) {
        Stop1Click();
        return;
    }
    if (!runMode_) {
        Record1Click();
        return;
    }
    if (macro_.IsRunning || macro_.IsRecording)
        return;   // one run at a time, never inside a recording
    const std::optional<QString> file = library_->SelectedNodeFile();
    if (!file) {
        ui_.RunButton->setChecked(false);   // nothing runs, so nothing to stop later
        return;
    }
    ShowRunningControls();
    macro_.BeginRun(*file, doc_.CurrentFile);
    RunMacro();
}
