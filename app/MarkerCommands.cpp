// SPDX-License-Identifier: GPL-3.0-or-later
// The user's commands on the line markers. None of them records a macro line.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "markers/MegaCheckListBox.h"

void TMainForm::MarkLine1Click()
{
    CheckList->ToggleMarker(RichEdit->LineFromChar(RichEdit->SelStart()));
    RichEdit->setFocus();
}

void TMainForm::ShowLineMarkers1Click()
{
    ShowMarkerSidebar(!CheckList->isVisible());
    RichEdit->setFocus();
}

void TMainForm::CheckListClick()
{
    if (const std::optional<int> line = CheckList->SelectedLine()) {
        // The marked line becomes the top line of the view, wherever the
        // view was before.
        RichEdit->LineScroll(*line - RichEdit->FirstVisibleLine());
        RichEdit->SetSelStart(RichEdit->LineIndex(*line));
    }
    RichEdit->setFocus();
}

void TMainForm::CheckListClickCheck()
{
    CheckList->RemoveSelected();
    RichEdit->setFocus();
}
