// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtCore/qnamespace.h>
#include <optional>

// The rules of the editor's key handling and of the recording of keys, as
// functions of text alone. The handlers (KeyHandling.cpp) only read the
// editor, apply these and write the result back.

// The HTML entity of a character of the entity table ("&auml;" for a with
// diaeresis): the Latin-1 letters 176, 192-194, 196, 200-202, 206, 214, 220,
// 223, 224-226, 228, 232-234, 238, 246 and 252. Empty for every other
// character.
QString EntityFor(QChar c);

// The entity that c typed right after the same character makes: a blank
// gives "&nbsp;", a quotation mark "&quot;", an ampersand "&amp;", less-than
// "&lt;", greater-than "&gt;". Empty when previous is another character or c
// none of these.
QString DoubledEntity(QChar c, QChar previous);

// Backspace in the pending (escaped) text: its last character goes, and a
// backslash then standing last goes with it, the rest of an escape. An
// empty text stays empty.
void BackspacePending(QString& pending);

// The move merge of the Left and Right keys, for word "MoveLeft" or
// "MoveRight": a last line equal to the word becomes word + " 2", a last
// line word + " " + n becomes word + " " + (n + 1); true then. False, with
// the lines untouched, when the key needs a line of its own.
bool MergeMove(QStringList& lines, const QString& word);

// Block indent of whole lines, LF-separated, the last character a LF: a
// tab before every line.
QString IndentBlock(QStringView lines);

// Block unindent of whole lines as for IndentBlock: every line loses its
// leading tab. Nothing when one of them does not begin with a tab (an empty
// line does not).
std::optional<QString> UnindentBlock(QStringView lines);

// The run of tabs and blanks a text begins with (AutoTab's indent).
QStringView LeadingIndent(QStringView text);

// The number of tabs and blanks that end a text.
qsizetype TrailingIndentLength(QStringView text);

// Whether the editor's view inserts the character a key types with these
// modifiers (Enter typing a CR). Control characters such as Esc's are not
// inserted, nor is anything typed with Ctrl or Ctrl+Shift, nor Enter with
// a modifier other than Shift.
bool EditorInsertsTyped(QChar c, Qt::KeyboardModifiers modifiers);
