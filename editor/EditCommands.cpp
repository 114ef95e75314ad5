// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditCommands.h"

#include "editor/EditorHost.h"
#include "editor/Formatting.h"
#include "editor/RichEdit.h"

namespace {

// What each command does to the editor and the line it records, in the
// order of EditCommand.
struct EditEntry {
    void (TRichEdit::*run)();
    const char* line;
};
constexpr EditEntry kEditEntries[] = {
    {&TRichEdit::SelectAllText, "SelectAll"},
    {&TRichEdit::copy, "Copy"},
    {&TRichEdit::cut, "Cut"},
    {&TRichEdit::paste, "Paste"},
};

}   // namespace

void RunEditCommand(EditorHost& host, EditCommand command)
{
    const EditEntry& entry = kEditEntries[int(command)];
    TRichEdit& edit = host.Editor();
    (edit.*entry.run)();
    host.RecordCommand(QString::fromLatin1(entry.line));
    edit.setFocus();
}

void AlignParagraphs(EditorHost& host, int code)
{
    TRichEdit& edit = host.Editor();
    edit.SetParaAlignment(code);
    host.RecordCommand(AlignmentLine(code));
    edit.setFocus();
}
