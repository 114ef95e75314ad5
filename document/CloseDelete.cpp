// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentSession.h"
#include "document/FileAttributes.h"
#include "editor/Formatting.h"
#include "editor/RichEdit.h"
#include "markers/Markers.h"

#include <QFile>
#include <QFileInfo>

void DocumentSession::Close()
{
    if (!SaveChangesIfWanted())
        return;
    TRichEdit& edit = Editor();
    edit.Clear();
    // A new document: this platform's line breaks, not those of the file closed.
    edit.SetStoredFormat(TextFormat());
    doc_.CurrentFile.clear();
    doc_.LastSeen = {};
    doc_.DropsContent = false;
    host_.ShowDocumentName(QString());
    const FontChoice user = host_.UserFont();
    edit.SetControlFont(user.font, user.colour);
    if (edit.IsPlainText()) {
        host_.ShowClosedStatus(150);
    } else {
        // A fresh rich document: no paragraph or character formats are left.
        host_.ShowClosedStatus(0);
        edit.SelectAllText();
        edit.SetParaAlignment(AlignLeftCode);
        edit.SetFirstIndent(0);
        edit.SetLeftIndent(0);
        edit.SetRightIndent(0);
        edit.SetNumberingOff();
        edit.SetTabs({});
        edit.SetDefAttributes(AttributesOf(user));
        edit.SetSelStart(0);
    }
    host_.ClearMarkers();
    edit.EmptyUndoBuffer();
    edit.SetModified(false);
    host_.RecordFileCommand(QStringLiteral("CloseFile"));
}

// Trash or delete for good, by the option.
bool DocumentSession::RemoveFile(const QString& path)
{
    if (host_.OptionOn(DocumentOption::Trash))
        return host_.RecycleFile(path);
    return QFile::remove(path);
}

void DocumentSession::Delete()
{
    TRichEdit& edit = Editor();
    // The caption tells whether a file is open; a name the caption does not
    // show is never deleted.
    if (doc_.CurrentFile.isEmpty() || !host_.CaptionNamesFile()) {
        if (edit.Modified())
            Close();
        return;
    }
    if (Ask(MsgKind::Confirmation, tr("Sure to delete it?"), MsgButtons::OkCancel) == MsgAnswer::Cancel)
        return;
    if (doc_.AttrLetters.contains(QLatin1Char('S')) || doc_.AttrLetters.contains(QLatin1Char('R'))) {
        if (Ask(MsgKind::Confirmation, tr("File is protected!\nSure to delete it?"), MsgButtons::OkCancel) ==
            MsgAnswer::Cancel)
            return;
        ResetAttributes(doc_.CurrentFile);
    }
    if (!RemoveFile(doc_.CurrentFile)) {
        ShowError(tr("File could not be deleted!"));
        return;
    }
    const QString markerFile = MarkerFileName(doc_.CurrentFile);
    if (QFileInfo::exists(markerFile)) {
        RemoveFile(markerFile);
        host_.MarkerFileRemoved();
    }
    doc_.CurrentFile.clear();
    edit.Clear();
    host_.ClearMarkers();
    host_.ShowDocumentName(QString());
    host_.ShowClosedStatus(std::nullopt);
    edit.EmptyUndoBuffer();
    edit.SetModified(false);
    host_.RecordFileCommand(QStringLiteral("DeleteFile"));
}
