// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"
#include "document/FileAttributes.h"
#include "editor/RichEdit.h"

#include <QFileInfo>

void TMainForm::Reload1Click()
{
    if (Doc.CurrentFile.isEmpty() || !RichEdit->Modified())
        return;
    if (Ask(MsgKind::Warning, tr("Reload file? All Changes will be lost!"), MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;
    RichEdit->SetModified(false);
    Reread();
}

void TMainForm::Reread()
{
    // The open document itself, not whatever name the open dialog held last.
    OpenNamed(Doc.CurrentFile);
    Doc.LastWriteTime = LastWriteTime(Doc.CurrentFile);
}

void TMainForm::CheckFile()
{
    if (Doc.CurrentFile.isEmpty() || checkingFile_)
        return;
    // The boxes below must not start a second check when they close.
    checkingFile_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checkingFile_};
    if (!QFileInfo::exists(Doc.CurrentFile)) {
        if (Doc.LastWriteTime != 0)
            Ask(MsgKind::Warning, tr("File was deleted!"), MsgButtons::Ok);
        Doc.LastWriteTime = 0;
        return;
    }
    if (LastWriteTime(Doc.CurrentFile) != Doc.LastWriteTime &&
        Ask(MsgKind::Warning, tr("File was altered! Reload it?"), MsgButtons::YesNo) ==
            MsgAnswer::Yes)
        Reread();
}
