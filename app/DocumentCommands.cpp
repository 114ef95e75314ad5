// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the document: its File commands hand over to the
// session, and the session reaches the window through the host below.
#include "app/MainForm.h"
#include "app/StatusBar.h"
#include "document/DroppedFiles.h"
#include "document/Recovery.h"
#include "editor/RichEdit.h"
#include "markers/MegaCheckListBox.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QToolBar>
#include <QTreeWidget>

namespace {

class MainFormDocumentHost : public DocumentSessionHost {
public:
    explicit MainFormDocumentHost(TMainForm& form) : form_(form) {}

    TRichEdit& Editor() override { return *form_.Ui().RichEdit; }

    bool OptionOn(DocumentOption option) const override
    {
        switch (option) {
        case DocumentOption::RememberDirs: return form_.IsChecked(Command::RememberDirs);
        case DocumentOption::PlainText: return form_.IsChecked(Command::PlainText);
        case DocumentOption::FixedFont: return form_.IsChecked(Command::FixedFont);
        case DocumentOption::Trash: return form_.IsChecked(Command::Trash);
        case DocumentOption::SaveLineMarkers: return form_.IsChecked(Command::SaveLineMarkers);
        }
        return false;
    }

    void ShowDocumentName(const QString& file) override
    {
        form_.SetWindowTitle(file.isEmpty() ? kVersionedTitle : file);
    }
    bool CaptionNamesFile() const override { return form_.windowTitle() != kVersionedTitle; }
    void ApplyDocumentKind() override { form_.ApplyDocumentKind(); }
    bool FormatBarShown() const override { return !form_.Ui().ToolBar1->isHidden(); }
    void ShowFormatBar(bool show) override { form_.Ui().ToolBar1->setVisible(show); }
    FontChoice UserFont() const override { return form_.Startup().UserFont; }
    QString DesktopDir() const override { return form_.Startup().DesktopDir; }

    void ShowOpenedStatus(const QString& attributes) override
    {
        form_.RichEditSelectionChange();
        form_.ShowFileSize();
        TStatusBar& bar = *form_.Ui().StatusBar;
        const QString size = bar.Panel(0).text;
        bar.SetPanelWidth(0, form_.Ui().RichEdit->IsPlainText() ? int(bar.TextWidth(size) * 1.3) : 0);
        if (!attributes.isEmpty())
            bar.SetPanelText(5, attributes);
    }
    void ShowClosedStatus(std::optional<int> sizePanelWidth) override
    {
        form_.Ui().StatusBar->SetPanelText(0, QString());
        if (sizePanelWidth)
            form_.Ui().StatusBar->SetPanelWidth(0, *sizePanelWidth);
    }
    void SelectionChanged() override { form_.RichEditSelectionChange(); }
    void NoteRecentFile(const QString& path) override { form_.NoteRecentFile(path); }

    bool RecordFileCommand(const QString& line) override
    {
        form_.RecordCommand(line);
        const MacroState& macro = form_.Macro();
        return macro.IsRecording && !macro.MacroLines.isEmpty() && macro.MacroLines.last() == line;
    }
    void TakeBackCommand() override { form_.Macro().MacroLines.removeLast(); }
    void AddSavedMacro(const QString& path) override { form_.AddSavedMacroNode(path); }

    void ShowMarkers(const QString& markerFile) override
    {
        if (markerFile.isEmpty()) {
            form_.Ui().CheckList->ClearMarkers();
            form_.ShowMarkerSidebar(false);
        } else {
            form_.Ui().CheckList->RestoreMarkers(markerFile, form_.Ui().RichEdit->LineCount());
            form_.ShowMarkerSidebar(true);
        }
    }
    void ClearMarkers() override { form_.Ui().CheckList->ClearMarkers(); }
    void SaveMarkers(const QString& markerFile) override { form_.Ui().CheckList->SaveMarkers(markerFile); }
    void MarkerFileRemoved() override { form_.SetEnabled(Command::MarkLine, form_.Ui().CheckList->isVisible()); }
    bool RecycleFile(const QString& path) override { return form_.RecycleFile(path); }
    ProgressView* Progress() override { return form_.LongWork(); }
    void BringToFront() override
    {
        form_.raise();
        form_.activateWindow();
    }
    void Quit() override { form_.Exit1Click(); }

private:
    TMainForm& form_;
};

}   // namespace

std::unique_ptr<DocumentSessionHost> MakeDocumentHost(TMainForm& form)
{
    return std::make_unique<MainFormDocumentHost>(form);
}

void TMainForm::Open1Click()
{
    session_->Open();
}
void TMainForm::OpenNamed(const QString& name)
{
    session_->Open(name);
}
void TMainForm::Save1Click()
{
    session_->Save();
}
void TMainForm::SaveAs1Click()
{
    session_->SaveAs();
}
void TMainForm::SaveQuit1Click()
{
    session_->SaveQuit();
}
void TMainForm::Reload1Click()
{
    session_->Reload();
}
void TMainForm::Clear1Click()
{
    session_->Close();
}
void TMainForm::Delete1Click()
{
    session_->Delete();
}
void TMainForm::CheckFile()
{
    session_->CheckFile();
}
void TMainForm::Reread()
{
    session_->Reread();
}
void TMainForm::FilesDropped(const QStringList& paths)
{
    session_->FilesDropped(paths);
}
bool TMainForm::SaveChangesIfWanted()
{
    return session_->SaveChangesIfWanted();
}
bool TMainForm::SaveWithChecks(bool askOverwrite)
{
    return session_->SaveWithChecks(askOverwrite);
}
bool TMainForm::SaveUnderNewName(const QString& name)
{
    return session_->SaveUnderNewName(name);
}

void StartRecovery(TMainForm& form)
{
    StartRecovery(form.Session(), form);
}
void OfferRecoveredChanges(TMainForm& form)
{
    OfferRecoveredChanges(form.Session(), form);
}
void EndRecovery(TMainForm& form)
{
    EndRecovery(static_cast<QObject&>(form));
}

void TMainForm::ShowMarkerSidebar(bool show)
{
    if (show) {
        ui_.Tree->hide();
        ui_.Panel2->show();
    }
    // The splitter sits just left of the sidebar and shows with it.
    ui_.CheckList->setVisible(show);
    ui_.Splitter1->setVisible(show);
    SetEnabled(Command::MarkLine, show);
}

void TMainForm::ApplyDocumentKind()
{
    session_->ApplyKindToEditor();
    if (doc_.IsPlainDocument) {
        SetChecked(Command::PlainText, true);
        SetChecked(Command::WordWrap, Twin::Context, doc_.WrapWanted);
        SetEnabled(Command::WordWrap, true);
        // A rich document before may have hidden them.
        ui_.StatusBar->ShowSwatches(true);
    } else {
        SetChecked(Command::PlainText, false);
        SetEnabled(Command::WordWrap, false);
        SetChecked(Command::WordWrap, Twin::Context, true);
    }
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
    default: return false;
    }
}
