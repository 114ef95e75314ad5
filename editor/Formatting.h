// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QComboBox;

class QToolButton;
class TRichEdit;
struct FontChoice;
struct CharAttributes;

// The character attributes of the user's chosen font and colour.
CharAttributes AttributesOf(const FontChoice& choice);

// Formatting of rich documents and the plain-text switch.

// A size typed into the size box that Enter accepts: digits only, not 0.
bool IsSizeText(const QString& text);

// Where a size belongs in the size list: the index of an equal entry, or
// the index to insert it at (before the first entry at least as large,
// else at the end).
struct SizePlace {
    int index = 0;
    bool found = false;
};
SizePlace PlaceSize(const QStringList& sizes, const QString& text);
// Enter in the size box: a size typed there is put in its place in the
// list (once) and chosen; false when the text is no size.
bool ChooseTypedSize(QComboBox& box);

// Recorded line of an alignment button's Tag (0 left, 1 right, 2 center).
QString AlignmentLine(int tag);

// The format bar's three alignment buttons.
struct AlignmentButtons {
    QToolButton* left = nullptr;
    QToolButton* right = nullptr;
    QToolButton* center = nullptr;
};
// Presses the alignment button of a paragraph alignment code and releases
// the other two; other codes leave them as they are.
void ShowAlignment(const AlignmentButtons& buttons, int code);

// Bold, italic and underline of the selection, each turned on or off as a
// whole: the new state, and the line a recording keeps for it.
enum class TextStyle { Bold, Italic, Underline };
bool ToggleStyle(TRichEdit& edit, TextStyle style);
QString StyleLine(TextStyle style, bool on);

// Going plain: every character and paragraph format of the whole text
// gives way to the user font; the selection is kept.
void DropFormatting(TRichEdit& edit, const FontChoice& userFont);
