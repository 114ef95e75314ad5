// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

class QPrinter;

// What the editing commands keep between calls.
struct EditingState {
    EditingState();
    ~EditingState();

    // Made on first use; what Printer Setup chooses, Print uses.
    std::unique_ptr<QPrinter> Printer;
};

// The printer, made on first use.
QPrinter& PrinterOf(EditingState& state);
