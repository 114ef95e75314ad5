// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "macro/MacroCommands.h"
#include "platform/Prompts.h"

#include <QChar>
#include <QList>
#include <QString>

class DocumentSession;
class QAction;
class QMenuBar;
class QWidget;
class TRichEdit;
struct MacroState;

// The window options a macro command sets or flips, and the typing aids
// the key handling reads.
enum class MacroOption {
    AutoTab,
    CenterOnScreen,
    RememberPos,
    PlainText,
    AlwaysStayOnTop,
    WordWrap,
    SpecialCharacters
};

// The Edit menu's commands a macro runs as the menu does.
enum class MacroEdit { SelectAll, Copy, Cut, Paste };

// What a run keeps quiet and listens to for a stop; null where there is none.
struct MacroRunWidgets {
    QWidget* editor = nullptr;
    QWidget* statusBar = nullptr;
    QWidget* stopButton = nullptr;
    QMenuBar* menuBar = nullptr;
    QList<QAction*> stopItems;
};

// What the macro commands and the run need around them: the text, the
// document session that opens and saves, the window's options, find and
// replace, and someone to ask. The window implements it, and so can a run
// without one.
class MacroHost {
public:
    virtual ~MacroHost() = default;

    virtual TRichEdit& Editor() = 0;
    virtual MacroState& Macro() = 0;
    virtual DocumentSession& Session() = 0;

    virtual void Edit(MacroEdit command) = 0;
    virtual void Align(int code) = 0;
    virtual bool OptionOn(MacroOption option) const = 0;
    virtual void FlipOption(MacroOption option) = 0;
    virtual void PrinterSetup() = 0;
    virtual void Print() = 0;

    // Find from the search position; replace the next match, or every one.
    virtual void Find(const QString& text) = 0;
    virtual void Replace(const ReplacePair& pair, bool all) = 0;

    virtual MsgAnswer Ask(MsgKind kind, const QString& text, MsgButtons buttons) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual void Exit() = 0;

    // The run: its widgets, whether anyone can ask it to stop between two
    // lines, the selection looked at again once it ended, and Stop.
    virtual MacroRunWidgets RunWidgets() = 0;
    virtual bool ListensDuringRun() const = 0;
    virtual void RunEnded() = 0;
    virtual void Stop() = 0;

    // The typed keys: the commands whose shortcuts come before the
    // editor's, the search dialogs Esc closes, the typing mode's panel and
    // the line markers below a new line.
    virtual QList<QAction*> MenuCommands() const = 0;
    virtual void CloseSearchDialogs() = 0;
    virtual void ShowTypingMode(bool overwrite) = 0;
    virtual void ShiftMarkers(int fromLine) = 0;
};

// One macro command, word in lower case: false when the word is unknown
// or the command failed (nothing it changed is undone).
bool ExecuteMacroCommand(MacroHost& host, const QString& word, const std::optional<QString>& argument);

// Runs Macro().MacroFile line by line; ends with Stop().
void RunMacro(MacroHost& host);

// The editor's keys: recording and the typing aids. A key or character set
// to none is not the editor's any more.
void HandleEditorKeyDown(MacroHost& host, int& key, Qt::KeyboardModifiers shift);
void HandleEditorKeyPress(MacroHost& host, QChar& key);
