// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/MacroState.h"

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
