// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/ColourSlots.h"
#include "platform/Prompts.h"

#include <QString>

// What the start-up establishes for the whole run.
struct StartupState {
    QString TempDir;   // ends with "/"
    QString DesktopDir;   // ends with "/"
    QString MacroDir;   // ends with "/"
    FontChoice UserFont;
    QString TidyLocation;
    QString TidyOptions;
    // The status bar's two swatches (panels 3 and 4).
    ColourSlots LastChosenColour;
    ColourSlots LastSelectedColour;
    // The colour dialog's custom colours, "ColorA" to "ColorP".
    CustomColourLines CustomLines;
    // The "Color" value UserFont's colour came from.
    qint32 UserFontColorValue = qint32(SystemWindowTextColour);
    // The preview file this run wrote, removed at shutdown; a file of that
    // name that some other program made is not ours to delete.
    QString PreviewFile;
};
