// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "macro/MacroPaths.h"

#include <QString>
#include <QStringList>

// The recording state of the main window. Every handler that has a macro
// line records it through RecordCommand, which writes the pending typed
// text first: a replay then does things in the order they were done.
struct MacroState {
    bool IsRecording = false;
    QString MacroFile;   // where the recording is written when it stops
    QStringList MacroLines;   // lines recorded so far, or the lines of a run
    QString PendingText;   // typed text not yet recorded, escaped
    QChar PreviousChar;   // last character the key handling let through; 0 after navigation
    bool SwallowNextTab = false;
    // Modifiers of the key the editor is handling: a character typed with
    // Ctrl is not inserted, so it is not recorded either.
    Qt::KeyboardModifiers KeyModifiers;
    bool IsRunning = false;   // a macro run is between its first and last line
    bool StopRequested = false;   // the user asked a run to stop before its next line
    int LookIntervalMs = 100;   // run time between two looks at the user's input
    int RunLine = 0;   // the line a run is at, from 1; 0 outside a run
    int FailedLine = 0;   // the line the last run stopped at; 0 when it ran to its end
    MacroPathGuard Paths;   // what the run may read and write, and what the user allowed

    // Writes pending typed text as an "Insert " line, then the line itself;
    // nothing at all unless a recording is on.
    void RecordCommand(const QString& line);
    // The name the option and replace handlers record by; the same rule.
    void AppendDirect(const QString& line) { RecordCommand(line); }
    // Undo while recording takes back pending text, else the last line.
    void UndoRecorded();
    // A run of `file` on the open document `document` starts; what the user
    // allows during it holds for that run only.
    void BeginRun(const QString& file, const QString& document);
    // A recording into `file` starts with nothing recorded.
    void BeginRecording(const QString& file);
    // Writes the recording and ends it; false (and why) leaves it on with
    // its lines, for Stop to try again.
    bool EndRecording(QString* error);
    // What Stop did: asked a run to end before its next line, or ended
    // what was on (a recording written), or left a recording on because
    // it could not be written (why in *error).
    enum class StopResult { RunAsked, Stopped, RecordingKept };
    StopResult Stop(QString* error);
};
