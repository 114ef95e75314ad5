// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/DocumentState.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <optional>

class ProgressView;
class TRichEdit;

// The options of the window that decide how documents are read and written.
enum class DocumentOption { RememberDirs, PlainText, FixedFont, Trash, SaveLineMarkers };

// What the document needs of the window around it. The session never sees
// the window itself: the window (or a test) implements this.
class DocumentSessionHost {
public:
    virtual ~DocumentSessionHost() = default;
    virtual TRichEdit& Editor() = 0;
    virtual bool OptionOn(DocumentOption option) const = 0;
    // The caption: the file's path, or the title without a document for an
    // empty one. CaptionNamesFile is false while that title is shown.
    virtual void ShowDocumentName(const QString& file) = 0;
    virtual bool CaptionNamesFile() const = 0;
    // Plain or rich mode, after State() changed it.
    virtual void ApplyDocumentKind() = 0;
    virtual bool FormatBarShown() const = 0;
    virtual void ShowFormatBar(bool show) = 0;
    virtual FontChoice UserFont() const = 0;
    virtual QString DesktopDir() const = 0;
    // Status bar: after an open (attributes: the panel's text, empty for
    // none), and after a close (the size panel's new width, if it changes).
    virtual void ShowOpenedStatus(const QString& attributes) = 0;
    virtual void ShowClosedStatus(std::optional<int> sizePanelWidth) = 0;
    virtual void SelectionChanged() = 0;
    virtual void NoteRecentFile(const QString& path) = 0;
    // Macro recording of the document's commands: true when the line is
    // now the recording's last, which TakeBackCommand removes again.
    virtual bool RecordFileCommand(const QString& line) = 0;
    virtual void TakeBackCommand() = 0;
    virtual void AddSavedMacro(const QString& path) = 0;
    // Line markers and their side file: ShowMarkers restores and shows them
    // from the file, or clears and hides them for an empty name.
    virtual void ShowMarkers(const QString& markerFile) = 0;
    virtual void ClearMarkers() = 0;
    virtual void SaveMarkers(const QString& markerFile) = 0;
    virtual void MarkerFileRemoved() = 0;
    virtual bool RecycleFile(const QString& path) = 0;
    virtual ProgressView* Progress() = 0;
    virtual void BringToFront() = 0;
    virtual void Quit() = 0;
};

// The open document and the commands on it: open, save, save as, reload,
// close and delete, and the check for changes made on disk by others. It
// asks through the platform's prompts and reaches the text only through
// the editor's operations.
class DocumentSession {
    Q_DECLARE_TR_FUNCTIONS(DocumentSession)
public:
    // The host and the platform's seams outlive the session.
    DocumentSession(DocumentSessionHost& host, const Platform& platform);

    DocumentState& State() { return doc_; }
    const DocumentState& State() const { return doc_; }
    FileDialogState& OpenDialog() { return openDialog_; }
    FileDialogState& SaveDialog() { return saveDialog_; }

    // "Save changes?" before the document is replaced: false when the
    // caller must stop (Cancel, or the save left the text modified).
    bool SaveChangesIfWanted();
    // With the open dialog, or the given name as if typed into it.
    void Open(const std::optional<QString>& typed = std::nullopt);
    void Save();
    void SaveAs();
    void SaveQuit();
    bool SaveWithChecks(bool askOverwrite);
    // Saves under a new name, asking before overwriting; a save that is
    // cancelled or fails leaves the document's name and caption as they were.
    bool SaveUnderNewName(const QString& name);
    void Reload();
    // Reads the open document again (Reload and the change watcher).
    void Reread();
    void Close();
    void Delete();
    // The file changed or went on disk since it was read or written.
    void CheckFile();
    // Files dropped on the window; only the first counts.
    void FilesDropped(const QStringList& paths);
    // The editor's mode and wrapping for the document's kind; the host's
    // ApplyDocumentKind starts with it.
    void ApplyKindToEditor();
    // Plain Text, from the mode the user sees now: going plain drops every
    // formatting, after a yes when there is text. False when the answer
    // was no and nothing changed.
    bool SwitchPlainText(bool wasPlain);
    // Word Wrap of a plain document: the wish and the editor follow.
    void SetWordWrap(bool on);

    MsgAnswer Ask(MsgKind kind, const QString& text, MsgButtons buttons);
    void ShowError(const QString& text);
    TRichEdit& Editor() { return host_.Editor(); }
    DocumentSessionHost& Host() { return host_; }

private:
    bool CheckExtensionForMode();
    void WriteDocument(QFileDevice::Permissions kept);
    bool RemoveFile(const QString& path);

    DocumentSessionHost& host_;
    const Platform& platform_;
    DocumentState doc_;
    FileDialogState openDialog_;
    FileDialogState saveDialog_;
    bool checkingFile_ = false;
};
