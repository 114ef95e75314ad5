// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/CommandMap.h"
#include "app/RecentFiles.h"
#include "app/StartupState.h"
#include "document/DocumentSession.h"
#include "editor/EditingState.h"
#include "editor/EditorHost.h"
#include "editor/FindReplace.h"
#include "html/HtmlHost.h"
#include "html/TidyCheck.h"
#include "macro/MacroHost.h"
#include "macro/MacroState.h"
#include "platform/AppError.h"
#include "platform/Platform.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPainter;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TAbout;
class THTMLToolbar;
class DialogProgress;
class ProgressView;
class LibraryHost;
class MacroLibrary;
class TMacroTreeView;
class TMegaCheckListBox;
class TRichEdit;
class TStatusBar;
class TTidyErrors;

// Title shown while no document is open.
inline const QString kVersionedTitle = QStringLiteral("Mirel-Edit 1.5.4");
inline const QString kDesignTitle = QStringLiteral("Mirel-Edit");

// The window's widgets, made once by the window.
struct MainControls {
    QToolBar* ToolBar = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QTreeWidget* Tree = nullptr;
    QTreeWidgetItem* TreeRoot = nullptr;
    QWidget* Panel2 = nullptr;
    TRichEdit* RichEdit = nullptr;
    QSplitter* EditorSplitter = nullptr;
    QWidget* Splitter1 = nullptr;
    TMegaCheckListBox* CheckList = nullptr;
    TStatusBar* StatusBar = nullptr;
    QLineEdit* MakroFeld = nullptr;
    QToolButton* MakroButton = nullptr;
    QToolButton* RunButton = nullptr;
    QToolButton* BoldButton = nullptr;
    QToolButton* ItalicButton = nullptr;
    QToolButton* UnderlinedButton = nullptr;
    QToolButton* LeftAlign = nullptr;
    QToolButton* CenterAlign = nullptr;
    QToolButton* RightAlign = nullptr;
    QComboBox* Schriftarten = nullptr;
    QComboBox* Groesse = nullptr;

    THTMLToolbar* HTMLToolbar = nullptr;
    TTidyErrors* TidyErrors = nullptr;
    TAbout* About = nullptr;
};

class TMainForm;
// The session's view of the window.
std::unique_ptr<DocumentSessionHost> MakeDocumentHost(TMainForm& form);
// The editing commands' view of the window.
std::unique_ptr<EditorHost> MakeEditorHost(TMainForm& form);
// The macros' view of the window.
std::unique_ptr<MacroHost> MakeMacroHost(TMainForm& form);

// The main window: carries the program's state and one handler per command.
// Handler bodies live beside the subsystem they belong to.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(const Platform& platform, const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The other three windows, created after this one.
    void SetCompanions(THTMLToolbar* htmlToolbar, TTidyErrors* tidyErrors, TAbout* about);

    // Shared helpers.
    void SetWindowTitle(const QString& text);
    // The application's title as SetWindowTitle last set it; the caption of
    // the standard error box. Kept apart from Qt's display name, which the
    // window system would add to every dialog's title.
    const QString& ApplicationTitle() const { return applicationTitle_; }
    void ShellOpen(const QString& target);
    bool RecycleFile(const QString& path);
    QString ChooseFolder();
    void RecordCommand(const QString& line) { macro_.RecordCommand(line); }
    MsgAnswer Ask(MsgKind kind, const QString& text, MsgButtons buttons);
    void ShowError(const QString& text);

    // Runs a handler; an exception it throws is shown in the standard
    // error box and the program runs on.
    template <class F> void Guard(F&& f);
    void RunHandler(Handler handler);
    void ShowException(const QString& message);

    // A command's items in the two menus, its twins. Checking and enabling
    // reach both; the check mark is read from the context menu's item,
    // which holds the option.
    QAction* Action(Command command, Twin twin = Twin::Main) const;
    bool IsChecked(Command command) const;
    void SetChecked(Command command, bool on);
    void SetEnabled(Command command, bool on);
    // One twin alone, where the two menus differ.
    void SetChecked(Command command, Twin twin, bool on);
    void SetEnabled(Command command, Twin twin, bool on);
    QMenu* PopupMenu() const { return popupMenu_; }

    // Applies plain or rich mode to the editor (also used by Open and Plain Text).
    void ApplyDocumentKind();

    // Settings: read and applied while starting, written when closing.
    void LoadSettings();
    void ApplyRememberedFolders();
    void SaveSettings();
    // Window options: an option's two check marks, flipped together.
    bool FlipOption(Command option);
    void SetTopmost(bool on);
    void ShowMenuBar(bool on);
    // Status bar swatches, and the colour of the bar's painted pixel
    // (invalid when it cannot be read).
    void StatusBarDrawPanel(TStatusBar* bar, QPainter& painter, int panel, const QRect& rect);
    QColor StatusBarPixel(int x, int y) const;
    void StatusBarMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void StatusBarMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The folder of the program file, from which the installed help file
    // is found; empty for the running program's own.
    const QString& ProgramDir() const { return programDir_; }
    void SetProgramDir(const QString& dir) { programDir_ = dir; }

    // Documents: the session does the work (document/DocumentSession.h);
    // these hand over to it.
    DocumentSession& Session() { return *session_; }
    bool SaveChangesIfWanted();
    // Open without the dialog, as reload, drops and macros do.
    void OpenNamed(const QString& name);
    bool SaveWithChecks(bool askOverwrite);
    bool SaveUnderNewName(const QString& name);
    // What a long open or save shows after half a second: the window's
    // progress dialog unless a test puts another view here.
    ProgressView* LongWork() const { return longWork_; }
    void SetLongWork(ProgressView* view) { longWork_ = view; }
    // Marker sidebar and its splitter, with the Toggle Line Marker items.
    void ShowMarkerSidebar(bool show);
    // Reads the open document again (Reload and the change watcher).
    void Reread();
    // Recent files: a document opened or saved goes to the front; choosing
    // an entry opens it as a typed name would be.
    RecentFiles& Recent() { return recent_; }
    const RecentFiles& Recent() const { return recent_; }
    void NoteRecentFile(const QString& path);
    void OpenRecentFile(int slot);
    void ShowRecentFiles();
    // Redo's two items follow the editor, and stay off while recording.
    void ShowRedoAvailable(bool recording);
    // Files dropped on the window or the editor; only the first counts.
    void FilesDropped(const QStringList& paths);
    // Macro library: the library does the work (library/Library.h); these
    // hand over to it. The file or folder behind a node, filling the tree
    // from the macro directory, and the nodes that recordings and saves add.
    MacroLibrary& Library() { return *library_; }
    QString NodeFilePath(const QTreeWidgetItem* node) const;
    void ReloadMacroTree();
    QTreeWidgetItem* AddMacroNode(QTreeWidgetItem* parent, const QString& name);
    void AddSavedMacroNode(const QString& path);
    // The first macro node of a name in tree order, or null.
    QTreeWidgetItem* FindMacroNode(const QString& name) const;
    // Run button: run mode (a macro bears the field's name) or record mode.
    bool RunButtonRunsMacro() const { return runMode_; }

    // Macros run on the window through its host (macro/MacroHost.h);
    // these hand over to it. RunMacro ends with Stop1Click.
    MacroHost& MacroWindow() { return *macroHost_; }
    void RunMacro();
    bool ExecuteMacroCommand(const QString& word, const std::optional<QString>& argument);

    const Platform& platform() const { return platform_; }
    bool StartupRan() const { return startupRan_; }

private:
    // Made before the state below, which lives in the session. The
    // session only keeps the platform's address; it is set in the
    // constructor, before any command runs.
    std::unique_ptr<DocumentSessionHost> documentHost_ = MakeDocumentHost(*this);
    std::unique_ptr<DocumentSession> session_ = std::make_unique<DocumentSession>(*documentHost_, platform_);
    std::unique_ptr<MacroHost> macroHost_ = MakeMacroHost(*this);

    // Find and replace: the search session does the work
    // (editor/FindReplace.h) and keeps the search position.
    std::unique_ptr<EditorHost> editorHost_ = MakeEditorHost(*this);
    std::unique_ptr<SearchSession> search_ = std::make_unique<SearchSession>(*editorHost_, platform_);

public:
    SearchSession& Search() { return *search_; }

    // HTML: the toolbar, the Tidy check, the preview and the colour command
    // reach the window through this host; the handlers hand over to them.
    HtmlHost& Html() { return *htmlHost_; }

private:
    static std::unique_ptr<HtmlHost> MakeHtmlHost(TMainForm& form);
    std::unique_ptr<HtmlHost> htmlHost_ = MakeHtmlHost(*this);
    std::unique_ptr<TidyCheck> tidyCheck_ = std::make_unique<TidyCheck>(*htmlHost_, platform_);

public:
    // The window's state: the settings read at start, the macro being
    // recorded or run, and the printer.
    StartupState& Startup() { return startup_; }
    const StartupState& Startup() const { return startup_; }
    MacroState& Macro() { return macro_; }
    const MacroState& Macro() const { return macro_; }
    EditingState& Editing() { return editing_; }
    // The widgets, for the hosts and for tests; only the window places them.
    const MainControls& Ui() const { return ui_; }

private:
    DocumentState& doc_ = session_->State();
    StartupState startup_;
    MacroState macro_;
    EditingState editing_;
    RecentFiles recent_;
    QStringList arguments_;
    QString programDir_;
    ProgressView* longWork_ = nullptr;
    bool selectionHintDone_ = false;
    MainControls ui_;

public slots:
    // Start-up and shutdown.
    void FormShow();
    void Exit1Click();
    void ClearRecentFilesClick();

    // File.
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void SaveQuit1Click();
    void Reload1Click();
    void Clear1Click();
    void Delete1Click();
    void Print1Click();
    void PrinterSetup1Click();
    // Edit.
    void Undo1Click();
    void Redo1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void SelectAll1Click();
    // Find.
    void Find1Click();
    void FindAgainClick();
    void Replace1Click();
    void GotoLine1Click();
    void MarkLine1Click();
    void ShowLineMarkers1Click();
    void CheckListClick();
    void CheckListClickCheck();
    // HTML.
    void Colour1Click();
    void ReplaceSpecialCharactersClick();
    void Toolbar2Click();
    void SyntaxCheckClick();
    void TidyLocation1Click();
    void TidyOptions1Click();
    void TestDocument2Click();
    // Options.
    void AlwaysStayOnTopClick();
    void AutoTabClick();
    void CenterOnScreenClick();
    void TrashClick();
    void FixedFontClick();
    void MenuvisibleClick();
    void RememberDirsClick();
    void RememberPosClick();
    void ToolbarvisibleClick();
    void Font1Click();
    void PlainTextClick();
    void WordWrapClick();
    void SaveLineMarkers1Click();
    void SortMacrosClick();
    void LineNumbersClick();
    void ZoomInClick();
    void ZoomOutClick();
    void ResetZoomClick();
    void SyntaxColouringClick();
    // Macro.
    void RunButtonClick();
    void Record1Click();
    void Stop1Click();
    void MakroChooseClick();
    void MacroDirectory1Click();
    void NewFolderClick();
    void Delete2Click();
    // Help.
    void Help1Click();
    void InfoClick();
    // Format toolbar.
    void BoldButtonClick();
    void ItalicButtonClick();
    void UnderlinedButtonClick();
    void SchriftartenChange();
    void GroesseChange();
    void AlignClick(int tag);
    void GroesseKeyDown(int& key, Qt::KeyboardModifiers shift);
    // Macro library events.
    void TreeDblClick();
    void TreeKeyDown(int& key);
    void TreeEdited(QTreeWidgetItem* node);
    bool TreeDragOver(QTreeWidgetItem* target);
    void TreeDragDrop(QTreeWidgetItem* target);
    // Macro field.
    void MakroFeldChange();
    void MakroFeldDblClick();
    // Events.
    void RichEditSelectionChange();
    void RichEditKeyDown(int& key, Qt::KeyboardModifiers shift);
    void RichEditKeyPress(QChar& key);
    void RichEditMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void CheckFile();
    void PopupMenuPopup();
    void ShowCaretPosition();
    // Status panel 0: the bytes the document takes on disk, worked out
    // again once typing pauses rather than on every keystroke.
    void ShowFileSize();
    void FileSizeStale();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool HandleDragEvent(QEvent* event);

public:
    // FormClose: false keeps the window open.
    bool FormClose();

private:
    void BuildControls();
    void BuildMenus();
    void BuildToolBars();
    void BuildStatusBar();
    QAction* MakeItem(Command command, Twin twin);
    QAction* AddEntry(QMenu* menu, const MenuEntry& entry, Twin twin);
    void StartupSequence();
    void StartupClosingSteps();
    void FillFontList();
    void ShowPlainSelection();
    void ShowRichSelection();
    void ShowContextMenu(QWidget* source, const QPoint& pos);
    void BuildMacroTree(TMacroTreeView* tree);
    void SetRunMode(bool run);
    void ShowRecordingControls();
    void ShowStoppedControls();
    void ShowRunningControls();

    Platform platform_;
    std::array<std::array<QAction*, 2>, kCommandCount> actions_{};
    std::vector<QAction*> recentEntries_;
    QMenu* popupMenu_ = nullptr;
    bool startupRan_ = false;
    QString applicationTitle_ = kDesignTitle;
    QTimer* fileSizeTimer_ = nullptr;
    bool fileSizeKnown_ = false;   // panel 0 matches the text
    bool runMode_ = false;
    std::unique_ptr<LibraryHost> libraryHost_;
    std::unique_ptr<MacroLibrary> library_;
    std::unique_ptr<DialogProgress> progressDialog_;
};

// The search session's commands on this window's session, for the macro
// commands.
TFindDialog& FindDialogOf(TMainForm& form);
TReplaceDialog& ReplaceDialogOf(TMainForm& form);
bool SearchNext(TMainForm& form, SearchOrigin origin);
void ReplaceOnce(TMainForm& form);
int ReplaceAllOccurrences(TMainForm& form);
void CloseSearchDialogs(TMainForm& form);

// Crash recovery (document/Recovery.h) for this window's document.
void StartRecovery(TMainForm& form);
void OfferRecoveredChanges(TMainForm& form);
void EndRecovery(TMainForm& form);

template <class F> void TMainForm::Guard(F&& f)
{
    try {
        f();
    } catch (const AppError& e) {
        ShowException(e.message());
    } catch (const std::exception& e) {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowException(TMainForm::tr("Unexpected error."));
    }
}
