// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

// The seams to the operating system that the main window uses. The program
// passes the real ones, tests pass fakes. Not owned.
struct Platform {
    Prompts* prompts = nullptr;
    Shell* shell = nullptr;
    Clock* clock = nullptr;
    ScreenMetrics* screen = nullptr;
    SettingsStore* settings = nullptr;
};
