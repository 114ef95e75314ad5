// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditCommands.h"

#include "editor/EditorHost.h"
#include "editor/Formatting.h"
#include "editor/RichEdit.h"

void RunEditCommand(EditorHost& host, EditCommand command)
{
    TRichEdit& edit = host.Editor();
    switch (command) {
    case EditCommand::SelectAll:
        edit.SelectAllText();
        host.RecordCommand(QStringLiteral("SelectAll"));
        break;
    case EditCommand::Copy:
        edit.copy();
        host.RecordCommand(QStringLiteral("Copy"));
        break;
    case EditCommand::Cut:
        edit.cut();
        host.RecordCommand(QStringLiteral("Cut"));
        break;
    case EditCommand::Paste:
        edit.paste();
        host.RecordCommand(QStringLiteral("Paste"));
        break;
    }
    edit.setFocus();
}

void AlignParagraphs(EditorHost& host, int code)
{
    TRichEdit& edit = host.Editor();
    edit.SetParaAlignment(code);
    host.RecordCommand(AlignmentLine(code));
    edit.setFocus();
}
