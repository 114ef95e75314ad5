// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentSession.h"
#include "document/FileAttributes.h"
#include "editor/RichEdit.h"

#include <QFileInfo>

void DocumentSession::Reload()
{
    if (doc_.CurrentFile.isEmpty() || !Editor().Modified())
        return;
    if (Ask(MsgKind::Warning, tr("Reload file? All Changes will be lost!"), MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    Editor().SetModified(false);
    Reread();
}

void DocumentSession::Reread()
{
    // The open document itself, not whatever name the open dialog held last.
    Open(doc_.CurrentFile);
    doc_.LastWriteTime = LastWriteTime(doc_.CurrentFile);
}

void DocumentSession::CheckFile()
{
    if (doc_.CurrentFile.isEmpty() || checkingFile_)
        return;
    // The boxes below must not start a second check when they close.
    checkingFile_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checkingFile_};
    if (!QFileInfo::exists(doc_.CurrentFile)) {
        if (doc_.LastWriteTime != 0)
            Ask(MsgKind::Warning, tr("File was deleted!"), MsgButtons::Ok);
        doc_.LastWriteTime = 0;
        return;
    }
    if (LastWriteTime(doc_.CurrentFile) != doc_.LastWriteTime &&
        Ask(MsgKind::Warning, tr("File was altered! Reload it?"), MsgButtons::YesNo) == MsgAnswer::Yes)
        Reread();
}
