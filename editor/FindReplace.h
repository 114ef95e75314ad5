// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

class TMainForm;
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
inline int SearchDialogLeft(int screenWidth) { return screenWidth / 4; }

// The dialogs, made on first use.
TFindDialog& FindDialogOf(TMainForm& form);
TReplaceDialog& ReplaceDialogOf(TMainForm& form);

enum class SearchOrigin { FindDialog, ReplaceDialog };

// One search forward from SearchPos. From the find dialog it first copies
// that dialog's text and options into the replace dialog and records
// "Find ". Selects the match and gives true; otherwise reports the end of
// the file unless the replace-all option is on.
bool SearchNext(TMainForm& form, SearchOrigin origin);
// Replaces whatever is selected with the replace text.
void ReplaceOnce(TMainForm& form);
// Replaces every occurrence from the start as one undo step and reports
// the count; gives the count.
int ReplaceAllOccurrences(TMainForm& form);
// Esc in the editor: hides both dialogs.
void CloseSearchDialogs(TMainForm& form);

// Go to Line: the number typed, or nothing when it is not an integer.
std::optional<int> ParseLineNumber(const QString& text);
// The 0-based line whose first character gets the caret for line number n
// (n other than 1): n - 1 when it exists; the caret's own line for 0 and
// below; the last line beyond the end.
int GotoLineTarget(qint64 n, int caretLine, int lineCount);
