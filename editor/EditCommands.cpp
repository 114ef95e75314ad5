// SPDX-License-Identifier: GPL-3.0-or-later
// Clipboard, select all and undo: thin commands over the editor.
#include "app/MainForm.h"
#include "editor/RichEdit.h"

void TMainForm::Cut1Click()
{
    RichEdit->cut();
    RecordCommand(QStringLiteral("Cut"));
    RichEdit->setFocus();
}

void TMainForm::Copy1Click()
{
    RichEdit->copy();
    RecordCommand(QStringLiteral("Copy"));
    RichEdit->setFocus();
}

void TMainForm::Paste1Click()
{
    RichEdit->paste();
    RecordCommand(QStringLiteral("Paste"));
    RichEdit->setFocus();
}

void TMainForm::SelectAll1Click()
{
    RichEdit->SelectAllText();
    RecordCommand(QStringLiteral("SelectAll"));
    RichEdit->setFocus();
}

void TMainForm::Undo1Click()
{
    RichEdit->UndoStep();
    // While recording, undo takes back the input it recorded last.
    Macro.UndoRecorded();
    RichEdit->setFocus();
}

void TMainForm::Redo1Click()
{
    // Nothing is recorded: Redo is off while a recording is on.
    if (!Macro.IsRecording)
        RichEdit->RedoStep();
    RichEdit->setFocus();
}
