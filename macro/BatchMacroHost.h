// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/DocumentSession.h"
#include "editor/EditorHost.h"
#include "editor/FindReplace.h"
#include "editor/RichEdit.h"
#include "macro/MacroHost.h"
#include "macro/MacroState.h"
#include "markers/MarkerModel.h"
#include "platform/BatchPrompts.h"
#include "platform/Clock.h"

#include <QSet>

// What a macro runs on where no window is: an editor that is never shown,
// the document session, find and replace, the open document's line
// markers and the run's state. The options are those of a window that read
// no settings, as a run over files must not depend on the user's; nothing
// is recorded, nothing is kept for crash recovery (every file is saved or
// left as it was), and no progress is shown.
class BatchMacroHost : public MacroHost, DocumentSessionHost, EditorHost {
public:
    // The prompts outlive the host.
    explicit BatchMacroHost(Prompts& prompts);
    ~BatchMacroHost() override;
    BatchMacroHost(const BatchMacroHost&) = delete;
    BatchMacroHost& operator=(const BatchMacroHost&) = delete;

    MarkerModel& Markers() { return markers_; }
    SearchSession& Search() { return search_; }

    TRichEdit& Editor() override { return edit_; }
    MacroState& Macro() override { return macro_; }
    DocumentSession& Session() override { return session_; }

    void Edit(MacroEdit command) override;
    void Align(int code) override;
    bool OptionOn(MacroOption option) const override;
    void FlipOption(MacroOption option) override;
    void PrinterSetup() override;
    void Print() override;
    void Find(const QString& text) override { search_.Find(text); }
    void Replace(const ReplacePair& pair, bool all) override;
    MsgAnswer Ask(MsgKind kind, const QString& text, MsgButtons buttons) override;
    void ShowError(const QString& text) override { session_.ShowError(text); }
    // The lines that would end the program are refused before a run.
    void Exit() override {}

    MacroRunWidgets RunWidgets() override { return {}; }
    bool ListensDuringRun() const override { return false; }
    void RunEnded() override { FollowCaret(); }
    void Stop() override { macro_.Paths.End(); }

    QList<QAction*> MenuCommands() const override { return {}; }
    void CloseSearchDialogs() override { search_.CloseDialogs(); }
    void ShowTypingMode(bool) override {}
    void ShiftMarkers(int fromLine) override { markers_.Shift(fromLine); }

private:
    // The document's side.
    bool OptionOn(DocumentOption option) const override;
    void ShowDocumentName(const QString& file) override { captionNamesFile_ = !file.isEmpty(); }
    bool CaptionNamesFile() const override { return captionNamesFile_; }
    void ApplyDocumentKind() override { session_.ApplyKindToEditor(); }
    bool FormatBarShown() const override { return formatBar_; }
    void ShowFormatBar(bool show) override { formatBar_ = show; }
    FontChoice UserFont() const override { return {}; }
    QString DesktopDir() const override { return {}; }
    void ShowOpenedStatus(const QString&) override { FollowCaret(); }
    void ShowClosedStatus(std::optional<int>) override {}
    void SelectionChanged() override { FollowCaret(); }
    void NoteRecentFile(const QString&) override {}
    bool RecordFileCommand(const QString&) override { return false; }
    void TakeBackCommand() override {}
    void AddSavedMacro(const QString&) override {}
    void ShowMarkers(const QString& markerFile) override;
    void ClearMarkers() override { markers_.Clear(); }
    void SaveMarkers(const QString& markerFile) override { markers_.Save(markerFile); }
    void MarkerFileRemoved() override {}
    bool RecycleFile(const QString& path) override { return shell_.RecycleFile(path); }
    ProgressView* Progress() override { return nullptr; }
    void BringToFront() override {}
    void Quit() override {}

    // The editing side.
    void RecordCommand(const QString&) override {}
    QString DecodeEscapes(const QString& text) const override;
    void Guard(const std::function<void()>& handler) override;
    QWidget* DialogParent() override { return &edit_; }
    QRect WindowFrame() const override { return {}; }

    // A caret move sets where the next search starts, as in the window.
    void FollowCaret() { search_.Pos() = edit_.SelStart(); }

    BatchShell shell_;
    SystemClock clock_;
    QtScreenMetrics screen_;
    Platform platform_;
    TRichEdit edit_;   // before what refers to it, and the owner of the search dialogs
    MarkerModel markers_;
    MacroState macro_;
    DocumentSession session_;
    SearchSession search_;
    // The window options a macro sets or flips that only the window acts
    // on; all start off. Plain Text and Word Wrap are the editor's modes.
    QSet<MacroOption> on_;
    bool formatBar_ = true;
    // The window's bare name is no document's title.
    bool captionNamesFile_ = true;
};
