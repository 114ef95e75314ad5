// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentSession.h"
#include "document/DroppedFiles.h"
#include "editor/RichEdit.h"

void DocumentSession::FilesDropped(const QStringList& paths)
{
    if (paths.isEmpty() || paths.constFirst().isEmpty())
        return;
    const QString path = paths.constFirst();
    host_.BringToFront();
    TRichEdit& edit = Editor();
    switch (DropActionFor(path)) {
    case DropAction::ImageTag: {
        const QString tag = ImageTagFor(path);
        edit.ReplaceSelection(tag);
        host_.RecordFileCommand(QStringLiteral("Insert ") + tag);
        return;
    }
    case DropAction::LinkOrOpen: {
        const MsgAnswer answer =
            Ask(MsgKind::Confirmation, tr("Insert a link to this document?\n\"No\" opens the document."),
                MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes) {
            const QString link = LinkFor(path, edit.SelText());
            edit.ReplaceSelection(link);
            host_.RecordFileCommand(QStringLiteral("Insert ") + link);
            return;
        }
        break;
    }
    case DropAction::Open: break;
    }
    // A document that is open or changed is closed first ("Save changes?").
    if (!doc_.CurrentFile.isEmpty() || edit.Modified())
        Close();
    if (!edit.Modified() && doc_.CurrentFile.isEmpty())
        Open(path);
}
