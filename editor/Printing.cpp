// SPDX-License-Identifier: GPL-3.0-or-later
// Print and Printer Setup.
#include "app/MainForm.h"
#include "editor/EditingState.h"
#include "editor/RichEdit.h"
#include "editor/SearchDialogs.h"

#include <QPrinter>

EditingState::EditingState() = default;
EditingState::~EditingState() = default;

namespace {
QPrinter& PrinterOf(TMainForm& form)
{
    if (!form.Editing.Printer)
        form.Editing.Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *form.Editing.Printer;
}
} // namespace

void TMainForm::Print1Click()
{
    if (RichEdit->TextLength() == 0) {
        Ask(MsgKind::Information, tr("There is nothing to print!"), MsgButtons::Ok);
    } else {
        QPrinter& printer = PrinterOf(*this);
        if (platform().prompts->PrintDialog(printer))
            RichEdit->PrintDocument(Doc.CurrentFile, printer);
    }
    RecordCommand(QStringLiteral("Print"));
    RichEdit->setFocus();
}

void TMainForm::PrinterSetup1Click()
{
    platform().prompts->PrinterSetupDialog(PrinterOf(*this));
    RichEdit->setFocus();
}
