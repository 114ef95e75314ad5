// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"
#include "app/MainForm.h"
#include "document/DocumentRules.h"
#include "document/FileAttributes.h"
#include "document/Progress.h"
#include "editor/RichEdit.h"
#include "markers/Markers.h"
#include "markers/MegaCheckListBox.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QToolBar>
#include <QTreeWidget>

bool TMainForm::SaveChangesIfWanted()
{
    if (!RichEdit->Modified())
        return true;
    const MsgAnswer answer =
        Ask(MsgKind::Warning, tr("Save changes?"), MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer == MsgAnswer::Yes) {
        if (!Doc.CurrentFile.isEmpty())
            Save1Click();
        else
            SaveAs1Click();
        return !RichEdit->Modified();
    }
    return true;
}

void TMainForm::ShowMarkerSidebar(bool show)
{
    if (show) {
        Tree->hide();
        Panel2->show();
    }
    // The splitter sits just left of the sidebar and shows with it.
    CheckList->setVisible(show);
    Splitter1->setVisible(show);
    SetEnabled(QStringLiteral("MarkLine1"), show);
    SetEnabled(QStringLiteral("MarkLine2"), show);
}

void TMainForm::OpenNamed(const QString& name)
{
    OpenDialogState.fileName = name;
    Doc.AskForFile = false;
    struct Restore {
        bool& flag;
        ~Restore() { flag = true; }
    } restore{Doc.AskForFile};
    Open1Click();
}

void TMainForm::Open1Click()
{
    if (!SaveChangesIfWanted())
        return;
    if (Doc.AskForFile) {
        OpenDialogState.filter = DocumentFilter();
        if (IsChecked(QStringLiteral("RememberDirs1")) && !Doc.LastOpenDir.isEmpty())
            OpenDialogState.initialDir = Doc.LastOpenDir;
        if (!platform().prompts->OpenDialog(OpenDialogState))
            return;
    }
    // The open document keeps its name until the new one is known to be
    // readable: the change watcher may look at it while a box below is up.
    QString name = OpenDialogState.fileName;
    if (!QFileInfo::exists(name) && !HasExtension(name))
        name += OpenExtensionForFilter(OpenDialogState.filterIndex);
    const QFileInfo info(name);
    if (!info.exists()) {
        ShowError(tr("File not found!"));
        return;
    }
    // Only regular files are read: a pipe would wait for a writer, a device
    // never end.
    QFile probe(name);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
        ShowError(tr("File could not be opened:\n%1").arg(name));
        return;
    }
    if (info.size() > TRichEdit::kMaxFileBytes) {
        //: %1 is the largest size in megabytes, %2 the file
        ShowError(tr("File is too large to open (more than %1 MB):\n%2").arg(TRichEdit::kMaxFileBytes >> 20).arg(name));
        return;
    }
    probe.close();
    // What a cancelled open puts back: the document itself is set aside
    // whole, before its mode or font change for the new one.
    const DocumentState previousDoc = Doc;
    const QString previousOpenDir = OpenDialogState.initialDir;
    const bool formatBarShown = !ToolBar1->isHidden();
    RichEdit->SetDocumentAside();
    const QString previousFile = Doc.CurrentFile;
    Doc.CurrentFile = info.absoluteFilePath();

    Doc.LastOpenDir = FolderOf(Doc.CurrentFile);
    OpenDialogState.initialDir = Doc.LastOpenDir;
    const QString recorded = QStringLiteral("OpenFile ") + Doc.CurrentFile;
    RecordCommand(recorded);
    const bool openRecorded = Macro.IsRecording && !Macro.MacroLines.isEmpty() && Macro.MacroLines.last() == recorded;
    Doc.AttrLetters = AttributeLetters(Doc.CurrentFile);

    Doc.IsPlainDocument = !IsRichExtension(Doc.CurrentFile);
    ToolBar1->setVisible(!Doc.IsPlainDocument);
    if (IsChecked(QStringLiteral("FixedFont1")) && IsSourceCodeExtension(Doc.CurrentFile)) {
        QFont fixed = Startup.UserFont.font;
        fixed.setFamily(QStringLiteral("Courier New"));
        fixed.setPointSize(10);
        RichEdit->SetControlFont(fixed, Startup.UserFont.colour);
    } else {
        RichEdit->SetControlFont(Startup.UserFont.font, Startup.UserFont.colour);
    }
    ApplyDocumentKind();
    // Taken before the read: a change during it is then a change since.
    const FileStamp read = FileStamp::Of(Doc.CurrentFile);
    try {
        // The progress dialog lets events through: no check of the file
        // may start on a name whose text is not there yet.
        const bool wasChecking = std::exchange(checkingFile_, true);
        struct Checking {
            bool& flag;
            bool was;
            ~Checking() { flag = was; }
        } checking{checkingFile_, wasChecking};
        DelayedProgress progress(platform().clock, LongWork, OpeningLabel(Doc.CurrentFile), true);
        RichEdit->LoadFromFile(Doc.CurrentFile, [&](int percent) { return progress.Step(percent); });
    } catch (const LoadCancelled&) {
        Doc = previousDoc;
        OpenDialogState.initialDir = previousOpenDir;
        ToolBar1->setVisible(formatBarShown);
        // A replay should not open what the user gave up on.
        if (openRecorded)
            Macro.MacroLines.removeLast();
        RichEdit->RestoreSetAside();
        ApplyDocumentKind();
        return;
    } catch (const AppError&) {
        // Nothing new was opened: the old text stays, in the new mode.
        Doc.CurrentFile = previousFile;
        RichEdit->RestoreSetAside();
        ApplyDocumentKind();
        throw;
    }
    RichEdit->DropSetAside();
    RichEdit->SetModified(false);
    Doc.Saw(read);
    NoteRecentFile(Doc.CurrentFile);
    Doc.DropsContent = RichEdit->HasDroppedRtfContent();

    const QString markerFile = MarkerFileName(Doc.CurrentFile);
    if (QFileInfo::exists(markerFile)) {
        CheckList->RestoreMarkers(markerFile, RichEdit->LineCount());
        ShowMarkerSidebar(true);
    } else {
        CheckList->ClearMarkers();
        ShowMarkerSidebar(false);
    }

    RichEditSelectionChange();
    ShowFileSize();
    const QString size = StatusBar->Panel(0).text;
    StatusBar->SetPanelWidth(0, RichEdit->IsPlainText() ? int(StatusBar->TextWidth(size) * 1.3) : 0);
    // Shown only when the file has an attribute set.
    if (!Doc.AttrLetters.trimmed().isEmpty())
        //: %1 is the letters R, H, S or a blank each
        StatusBar->SetPanelText(5, tr("Attr.: %1").arg(Doc.AttrLetters));
    SetWindowTitle(Doc.CurrentFile);
    // Told once, with the document in view: what the load kept as it was,
    // and what a save of it cannot keep.
    if (const qint64 stray = RichEdit->KeptStrayBytes(); stray > 0)
        Ask(MsgKind::Information, StrayBytesNotice(Doc.CurrentFile, stray), MsgButtons::Ok);
    if (Doc.DropsContent)
        Ask(MsgKind::Warning, DroppedContentNotice(Doc.CurrentFile), MsgButtons::Ok);
}
