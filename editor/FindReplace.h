// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class EditorHost;
class TFindDialog;
class TReplaceDialog;

// Find, replace and go to line. The dialogs' buttons and the macro
// commands run the same operations; every search uses the replace
// dialog's find text and options.

// Design heights of the two dialogs, used to place them.
inline constexpr int kFindDialogHeight = 149;
inline constexpr int kReplaceDialogHeight = 213;

// Below the main window when the dialog fits above the screen's bottom,
// otherwise above it; never above the screen's top (30 then).
int SearchDialogTop(int mainTop, int mainHeight, int dialogHeight, int screenHeight);
inline int SearchDialogLeft(int screenWidth)
{
    return screenWidth / 4;
}

enum class SearchOrigin { FindDialog, ReplaceDialog };

// The search state between commands: the two modeless dialogs, which keep
// the find and replace texts and options while hidden, and the position
// the next search starts from.
class SearchSession {
    Q_DECLARE_TR_FUNCTIONS(SearchSession)
public:
    // The host and the platform's seams outlive the session.
    SearchSession(EditorHost& host, const Platform& platform);
    SearchSession(const SearchSession&) = delete;
    SearchSession& operator=(const SearchSession&) = delete;

    // Where the next search starts; a caret move sets it too.
    int& Pos() { return pos_; }

    // The dialogs, made on first use as children of the host's window.
    TFindDialog& FindDialog();
    TReplaceDialog& ReplaceDialog();

    // Find and Replace: show the dialog below or above the window, with
    // the selection as the find text; the search starts at the top.
    void OpenDialog(SearchOrigin which);
    // Find Again: the find dialog's search, unless it has no text yet.
    void FindAgain();
    // One search forward from Pos(). From the find dialog it first copies
    // that dialog's text and options into the replace dialog and records
    // "Find ". Selects the match and gives true; otherwise reports the end
    // of the file unless the replace-all option is on.
    bool Next(SearchOrigin origin);
    // Replaces whatever is selected with the replace text.
    void ReplaceOnce();
    // Replaces every occurrence from the start as one undo step and reports
    // the count; gives the count.
    int ReplaceAll();
    // A macro's find: the text into the find dialog, then one search.
    void Find(const QString& text);
    // A macro's replace: the pair into the replace dialog, a search, then
    // the match replaced, or (all) every match from the start.
    void Replace(const QString& find, const QString& replacement, bool all);
    // Esc in the editor: hides both dialogs.
    void CloseDialogs();
    // Go to Line: asks for the number and moves the caret to its line.
    void GoToLine();

private:
    EditorHost& host_;
    const Platform& platform_;
    int pos_ = 0;
    // Owned by the host's window, which outlives the session.
    TFindDialog* find_ = nullptr;
    TReplaceDialog* replace_ = nullptr;
};

// Go to Line: the number typed, or nothing when it is not an integer.
std::optional<int> ParseLineNumber(const QString& text);
// The 0-based line whose first character gets the caret for line number n
// (n other than 1): n - 1 when it exists; the caret's own line for 0 and
// below; the last line beyond the end.
int GotoLineTarget(qint64 n, int caretLine, int lineCount);
