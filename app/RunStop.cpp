// SPDX-License-Identifier: GPL-3.0-or-later
// The macro field, the Run button and the Record and Stop commands.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "library/MacroLibrary.h"
#include "library/MacroTree.h"
#include "macro/MacroFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Disabled while a recording is on, enabled again by Stop.
constexpr Command kIdleItems[] = {Command::MacroBrowser, Command::Record, Command::Run, Command::DeleteMacro,
                                  Command::Redo};

QString OverwriteQuestion(const QString& what)
{
    return QCoreApplication::translate("TMainForm", "Overwrite \"%1\"?").arg(what);
}

bool IsSelected(const QTreeWidgetItem* node)
{
    return node && node->isSelected();
}

}   // namespace

void TMainForm::SetRunMode(bool run)
{
    if (run == runMode_ && !RunButton->icon().isNull())
        return;   // every keystroke in the field lands here
    static const QIcon runIcon(QStringLiteral(":/icons/run.svg"));
    static const QIcon recordIcon(QStringLiteral(":/icons/record.svg"));
    runMode_ = run;
    RunButton->setIcon(run ? runIcon : recordIcon);
    RunButton->setToolTip(run ? tr("run") : tr("record"));
}

void TMainForm::ShowRecordingControls()
{
    RunButton->setChecked(true);
    SetRunMode(false);
    MakroButton->setChecked(false);
    MakroButton->setEnabled(false);
    for (const Command item : kIdleItems)
        SetEnabled(item, false);
    SetEnabled(Command::Stop, true);
    Tree->hide();
    Panel2->show();
}

void TMainForm::ShowStoppedControls()
{
    RunButton->setChecked(false);
    MakroButton->setEnabled(true);
    for (const Command item : kIdleItems)
        SetEnabled(item, true);
    SetEnabled(Command::Stop, false);
    ShowRedoAvailable(false);
}

void TMainForm::MakroFeldChange()
{
    const QString name = MakroFeld->text();
    MakroFeld->setToolTip(name);
    if (TreeRoot->childCount() == 0)
        return;   // nothing but the root: mode and items stay
    QTreeWidgetItem* macro = FindMacroNode(name);
    if (macro)
        Tree->setCurrentItem(macro);
    SetRunMode(macro != nullptr);
    SetEnabled(Command::Run, macro != nullptr);
}

void TMainForm::MakroFeldDblClick()
{
    MakroFeld->selectAll();
}

void TMainForm::Record1Click()
{
    QString name = MakroFeld->text();
    // The name becomes a file name: no folder may sneak in through it.
    if (const QString cleaned = CleanMacroName(name); cleaned != name || (!name.isEmpty() && !IsUsableMacroName(name))) {
        name = IsUsableMacroName(cleaned) ? cleaned : QString();
        const QSignalBlocker quiet(MakroFeld);
        MakroFeld->setText(name);
    }
    QTreeWidgetItem* target = TreeRoot;
    if (name.isEmpty()) {
        name = tr("Unnamed Macro");
        const QSignalBlocker quiet(MakroFeld);
        MakroFeld->setText(name);
    } else {
        for (QTreeWidgetItemIterator it(Tree); *it; ++it)
            if (*it != TreeRoot && SameMacroName((*it)->text(0), name))
                target = *it;   // the last one in tree order
    }

    QString file;
    switch (target == TreeRoot ? MacroNodeKind::Root : NodeKind(target)) {
    case MacroNodeKind::Macro:
        file = NodeFilePath(target);
        if (Ask(MsgKind::Confirmation, OverwriteQuestion(file), MsgButtons::OkCancel) != MsgAnswer::Ok) {
            Stop1Click();
            return;
        }
        break;
    case MacroNodeKind::Folder: {
        // Recorded inside the folder of the macro's name.
        const QString folder = NodeFilePath(target);
        QString fileName = name;
        bool matched = false;
        for (int i = 0; i < target->childCount(); ++i) {
            QTreeWidgetItem* child = target->child(i);
            if (!SameMacroName(child->text(0), name))
                continue;
            matched = true;
            fileName = child->text(0);   // its own letter case: the file it names is replaced
            if (Ask(MsgKind::Confirmation, OverwriteQuestion(folder + QLatin1Char('/') + fileName + kMacroExtension),
                    MsgButtons::OkCancel) != MsgAnswer::Ok) {
                Stop1Click();
                return;
            }
        }
        if (!matched)
            AddMacroNode(target, name);
        file = folder + QLatin1Char('/') + fileName + kMacroExtension;
        break;
    }
    case MacroNodeKind::Root: {
        QTreeWidgetItem* parent = TreeRoot;
        QTreeWidgetItem* selected = Tree->currentItem();
        if (IsSelected(selected) && selected != TreeRoot && NodeKind(selected) == MacroNodeKind::Folder) {
            parent = selected;
            file = NodeFilePath(selected) + QLatin1Char('/') + name + kMacroExtension;
        } else {
            file = Startup.MacroDir + name + kMacroExtension;
        }
        if (QFileInfo::exists(file)) {
            if (Ask(MsgKind::Confirmation, OverwriteQuestion(name + kMacroExtension), MsgButtons::OkCancel) !=
                MsgAnswer::Ok) {
                Stop1Click();
                return;
            }
        } else {
            AddMacroNode(parent, name);
        }
        TreeRoot->setExpanded(true);
        break;
    }
    }
    Macro.MacroFile = file;
    Macro.MacroLines.clear();
    Macro.PendingText.clear();
    ShowRecordingControls();
    Macro.IsRecording = true;
    RichEdit->setFocus();
}

bool TMainForm::WriteRecording(QString* error)
{
    if (!Macro.PendingText.isEmpty()) {
        Macro.MacroLines.append(QStringLiteral("Insert ") + Macro.PendingText);
        Macro.PendingText.clear();
    }
    try {
        WriteMacroFile(Macro.MacroFile, Macro.MacroLines);
    } catch (const AppError& e) {
        *error = e.message();
        return false;   // the lines stay for the next try
    }
    Macro.MacroLines.clear();
    Macro.IsRecording = false;
    return true;
}

void TMainForm::Stop1Click()
{
    if (Macro.IsRunning) {
        Macro.StopRequested = true;   // heard between two lines; the run ends itself
        return;
    }
    Macro.Paths.End();   // what the user allowed held for that run only
    ShowStoppedControls();
    if (Macro.IsRecording) {
        if (QString error; !WriteRecording(&error)) {
            // Still recording, and Stop can try again.
            ShowError(error);
            ShowRecordingControls();
            return;
        }
    }
    MakroFeldChange();
    if (RichEdit->isVisible())
        RichEdit->setFocus();
}

void TMainForm::RunButtonClick()
{
    const bool fromButton = sender() == RunButton;
    if (fromButton && !RunButton->isChecked()) {
        Stop1Click();
        return;
    }
    if (!runMode_) {
        Record1Click();
        return;
    }
    if (Macro.IsRunning || Macro.IsRecording)
        return;   // one run at a time, never inside a recording
    QTreeWidgetItem* node = Tree->currentItem();
    if (!IsSelected(node) || node == TreeRoot) {
        RunButton->setChecked(false);   // nothing runs, so nothing to stop later
        return;
    }
    Macro.MacroFile = NodeFilePath(node);
    Macro.MacroLines.clear();
    MakroButton->setChecked(false);
    Tree->hide();
    Panel2->show();
    SetEnabled(Command::NewFolder, Twin::Context, false);
    Macro.Paths.Begin(Doc.CurrentFile);
    RunMacro();
}
