// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EditorHost;

// The Edit menu's commands and the alignment buttons, for the window and
// for a run without one: each acts on the editor, records its line and
// gives the keyboard back to the editor.
enum class EditCommand { SelectAll, Copy, Cut, Paste };
void RunEditCommand(EditorHost& host, EditCommand command);

// Aligns the selected paragraphs by a paragraph alignment code.
void AlignParagraphs(EditorHost& host, int code);
