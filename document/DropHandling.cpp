// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"
#include "document/DroppedFiles.h"
#include "editor/RichEdit.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

void TMainForm::FilesDropped(const QStringList& paths)
{
    if (paths.isEmpty() || paths.constFirst().isEmpty())
        return;
    const QString path = paths.constFirst();
    raise();
    activateWindow();
    switch (DropActionFor(path)) {
    case DropAction::ImageTag: {
        const QString tag = ImageTagFor(path);
        RichEdit->ReplaceSelection(tag);
        RecordCommand(QStringLiteral("Insert ") + tag);
        return;
    }
    case DropAction::LinkOrOpen: {
        const MsgAnswer answer =
            Ask(MsgKind::Confirmation, tr("Insert a link to this document?\n\"No\" opens the document."),
                MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes) {
            const QString link = LinkFor(path, RichEdit->SelText());
            RichEdit->ReplaceSelection(link);
            RecordCommand(QStringLiteral("Insert ") + link);
            return;
        }
        break;
    }
    case DropAction::Open:
        break;
    }
    // A document that is open or changed is closed first ("Save changes?").
    if (!Doc.CurrentFile.isEmpty() || RichEdit->Modified())
        Clear1Click();
    if (!RichEdit->Modified() && Doc.CurrentFile.isEmpty())
        OpenNamed(path);
}

bool TMainForm::HandleDragEvent(QEvent* event)
{
    // Handled before QMainWindow sees them: it keeps drops for its own
    // toolbar and dock dragging.
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (DroppedPaths(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = DroppedPaths(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->acceptProposedAction();
        Guard([&] { FilesDropped(paths); });
        return true;
    }
    default:
        return false;
    }
}
