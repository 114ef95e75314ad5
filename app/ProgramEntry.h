// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <QStringList>
#include <memory>
#include <vector>

class QWidget;
class TAbout;
class THTMLToolbar;
class TMainForm;
class TTidyErrors;

// The four windows of a run, in the order they were created. The main
// window owns the other three.
struct ProgramWindows {
    std::unique_ptr<TMainForm> main;
    THTMLToolbar* htmlToolbar = nullptr;
    TTidyErrors* tidyErrors = nullptr;
    TAbout* about = nullptr;
    std::vector<QWidget*> creationOrder;
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(ProgramWindows&&) noexcept;
    ProgramWindows& operator=(ProgramWindows&&) noexcept;
};

ProgramWindows CreateProgramWindows(const Platform& platform, const QStringList& arguments);

// The document name's parts from the command line: every argument after the
// program's name, a leading "--" dropped.
QStringList DocumentArguments(int argc, const char* const* argv);

// Every argument after the program's name, as it was given.
QStringList ProgramArguments(int argc, const char* const* argv);

// The program entry: the command line's options, runs without a window, or
// cursor, title, the four windows and the message loop.
int RunProgram(int argc, char** argv);
