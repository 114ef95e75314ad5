// SPDX-License-Identifier: GPL-3.0-or-later
// The user's commands on the line markers. None of them records a macro line.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "markers/MegaCheckListBox.h"

void TMainForm::MarkLine1Click()
{
    ui_.CheckList->ToggleMarker(ui_.RichEdit->LineFromChar(ui_.RichEdit->SelStart()));
    ui_.RichEdit->setFocus();
}

void TMainForm::ShowLineMarkers1Click()
{
    ShowMarkerSidebar(!ui_.CheckList->isVisible());
    ui_.RichEdit->setFocus();
}

void TMainForm::CheckListClick()
{
    if (const std::optional<int> line = ui_.CheckList->SelectedLine()) {
        // The marked line becomes the top line of the view, wherever the
        // view was before.
        ui_.RichEdit->LineScroll(*line - ui_.RichEdit->FirstVisibleLine());
        ui_.RichEdit->SetSelStart(ui_.RichEdit->LineIndex(*line));
    }
    ui_.RichEdit->setFocus();
}

void TMainForm::CheckListClickCheck()
{
    ui_.CheckList->RemoveSelected();
    ui_.RichEdit->setFocus();
}
