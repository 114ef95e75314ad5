#pragma once
#include "platform/Prompts.h"

#include <QString>

// What the start-up establishes for the whole run.
struct StartupState {
    QString TempDir;        // ends with "/"
    QString DesktopDir;     // ends with "/"
    QString MacroDir;       // ends with "/"
    FontChoice UserFont;
    QString TidyLocation;
    QString TidyOptions;
};
