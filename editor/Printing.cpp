// SPDX-License-Identifier: GPL-3.0-or-later
// The printer that Print and Printer Setup share.
#include "editor/EditingState.h"

#include <QPrinter>

EditingState::EditingState() = default;
EditingState::~EditingState() = default;

QPrinter& PrinterOf(EditingState& state)
{
    if (!state.Printer)
        state.Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *state.Printer;
}
