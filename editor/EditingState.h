// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

class QPrinter;
class TFindDialog;
class TReplaceDialog;

// What the editing commands keep between calls.
struct EditingState {
    EditingState();
    ~EditingState();

    // The modeless search dialogs, made on first use as children of the
    // main window; they keep their texts and options while hidden.
    TFindDialog* FindDialog = nullptr;
    TReplaceDialog* ReplaceDialog = nullptr;
    // Made on first use; what Printer Setup chooses, Print uses.
    std::unique_ptr<QPrinter> Printer;
};
