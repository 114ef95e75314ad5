// SPDX-License-Identifier: GPL-3.0-or-later
// The user's commands on the line markers. None of them records a macro line.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "markers/MegaCheckListBox.h"

void TMainForm::MarkLine1Click()
{
    const int line = RichEdit->LineFromChar(RichEdit->SelStart());
    const int index = CheckList->FindMarker(line);
    if (index >= 0) {
        CheckList->SetItemIndex(index);
        CheckListClickCheck();
    } else {
        CheckList->AddMarker(line);
    }
    RichEdit->setFocus();
}

void TMainForm::ShowLineMarkers1Click()
{
    ShowMarkerSidebar(!CheckList->isVisible());
    RichEdit->setFocus();
}

void TMainForm::CheckListClick()
{
    const int index = CheckList->ItemIndex();
    if (index >= 0) {
        const int line = CheckList->MarkerLines.GetItem(index);
        // The marked line becomes the top line of the view, wherever the
        // view was before.
        RichEdit->LineScroll(line - RichEdit->FirstVisibleLine());
        RichEdit->SetSelStart(RichEdit->LineIndex(line));
    }
    RichEdit->setFocus();
}

void TMainForm::CheckListClickCheck()
{
    const int index = CheckList->ItemIndex();
    if (index >= 0)
        CheckList->RemoveMarker(index);
    RichEdit->setFocus();
}
