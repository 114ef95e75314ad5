// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/MacroState.h"
#include "macro/MacroFile.h"
#include "platform/AppError.h"

void MacroState::RecordCommand(const QString& line)
{
    if (!IsRecording)
        return;
    if (!PendingText.isEmpty()) {
        MacroLines.append(QStringLiteral("Insert ") + PendingText);
        PendingText.clear();
    }
    MacroLines.append(line);
}

void MacroState::UndoRecorded()
{
    if (!IsRecording)
        return;
    if (!PendingText.isEmpty())
        PendingText.clear();
    else if (!MacroLines.isEmpty())
        MacroLines.removeLast();
}

void MacroState::BeginRun(const QString& file, const QString& document)
{
    MacroFile = file;
    MacroLines.clear();
    Paths.Begin(document);
}

void MacroState::BeginRecording(const QString& file)
{
    MacroFile = file;
    MacroLines.clear();
    PendingText.clear();
    IsRecording = true;
}

bool MacroState::EndRecording(QString* error)
{
    if (!PendingText.isEmpty()) {
        MacroLines.append(QStringLiteral("Insert ") + PendingText);
        PendingText.clear();
    }
    try {
        WriteMacroFile(MacroFile, MacroLines);
    } catch (const AppError& e) {
        *error = e.message();
        return false;
    }
    MacroLines.clear();
    IsRecording = false;
    return true;
}

MacroState::StopResult MacroState::Stop(QString* error)
{
    if (IsRunning) {
        StopRequested = true;   // heard between two lines; the run ends itself
        return StopResult::RunAsked;
    }
    Paths.End();   // what the user allowed held for that run only
    if (IsRecording && !EndRecording(error))
        return StopResult::RecordingKept;
    return StopResult::Stopped;
}
