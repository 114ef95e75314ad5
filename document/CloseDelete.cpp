// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"
#include "app/MainForm.h"
#include "document/FileAttributes.h"
#include "editor/RichEdit.h"
#include "markers/Markers.h"
#include "markers/MegaCheckListBox.h"

#include <QFile>
#include <QFileInfo>

void TMainForm::Clear1Click()
{
    if (!SaveChangesIfWanted())
        return;
    RichEdit->Clear();
    // A new document: this platform's line breaks, not those of the file closed.
    RichEdit->SetStoredFormat(TextFormat());
    Doc.CurrentFile.clear();
    Doc.LastSeen = {};
    Doc.DropsContent = false;
    SetWindowTitle(kVersionedTitle);
    StatusBar->SetPanelText(0, QString());
    RichEdit->SetControlFont(Startup.UserFont.font, Startup.UserFont.colour);
    if (RichEdit->IsPlainText()) {
        StatusBar->SetPanelWidth(0, 150);
    } else {
        // A fresh rich document: no paragraph or character formats are left.
        StatusBar->SetPanelWidth(0, 0);
        RichEdit->SelectAllText();
        RichEdit->SetParaAlignment(AlignLeftCode);
        RichEdit->SetFirstIndent(0);
        RichEdit->SetLeftIndent(0);
        RichEdit->SetRightIndent(0);
        RichEdit->SetNumberingOff();
        RichEdit->SetTabs({});
        CharAttributes user;
        user.name = Startup.UserFont.font.family();
        user.size = Startup.UserFont.font.pointSizeF();
        user.bold = Startup.UserFont.font.bold();
        user.italic = Startup.UserFont.font.italic();
        user.underline = Startup.UserFont.font.underline();
        user.colour = Startup.UserFont.colour;
        RichEdit->SetDefAttributes(user);
        RichEdit->SetSelStart(0);
    }
    CheckList->ClearMarkers();
    RichEdit->EmptyUndoBuffer();
    RichEdit->SetModified(false);
    RecordCommand(QStringLiteral("CloseFile"));
}

namespace {
// Trash or delete for good, by the option.
bool RemoveFile(TMainForm& form, const QString& path)
{
    if (form.IsChecked(QStringLiteral("Trash1")))
        return form.RecycleFile(path);
    return QFile::remove(path);
}
} // namespace

void TMainForm::Delete1Click()
{
    // The caption tells whether a file is open; a name the caption does not
    // show is never deleted.
    if (Doc.CurrentFile.isEmpty() || windowTitle() == kVersionedTitle) {
        if (RichEdit->Modified())
            Clear1Click();
        return;
    }
    if (Ask(MsgKind::Confirmation, tr("Sure to delete it?"), MsgButtons::OkCancel) ==
        MsgAnswer::Cancel)
        return;
    if (Doc.AttrLetters.contains(QLatin1Char('S')) || Doc.AttrLetters.contains(QLatin1Char('R'))) {
        if (Ask(MsgKind::Confirmation, tr("File is protected!\nSure to delete it?"),
                MsgButtons::OkCancel) == MsgAnswer::Cancel)
            return;
        ResetAttributes(Doc.CurrentFile);
    }
    if (!RemoveFile(*this, Doc.CurrentFile)) {
        ShowError(tr("File could not be deleted!"));
        return;
    }
    const QString markerFile = MarkerFileName(Doc.CurrentFile);
    if (QFileInfo::exists(markerFile)) {
        RemoveFile(*this, markerFile);
        SetEnabled(QStringLiteral("MarkLine1"), CheckList->isVisible());
        SetEnabled(QStringLiteral("MarkLine2"), CheckList->isVisible());
    }
    Doc.CurrentFile.clear();
    RichEdit->Clear();
    CheckList->ClearMarkers();
    SetWindowTitle(kVersionedTitle);
    StatusBar->SetPanelText(0, QString());
    RichEdit->EmptyUndoBuffer();
    RichEdit->SetModified(false);
    RecordCommand(QStringLiteral("DeleteFile"));
}
