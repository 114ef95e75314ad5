#pragma once
#include "app/ColourSlots.h"

#include <QString>
#include <optional>

class TRichEdit;

// Texts of the selection tracking, worked out from counts the editor keeps,
// so that a caret move costs the same in a small and a large document.

// Status panel 0: the text's length with a line break counting two.
QString FileSizeText(qint64 characters);
// Status panel 1, from the 0-based line and column.
QString CaretPositionText(int line, int column);

// A trimmed selection of six hexadecimal digits RRGGBB as the red, green
// and blue texts, as typed; nothing for any other text.
std::optional<ColourSlots> ColourFromText(const QString& text);

// The selected text without blanks and control characters at both ends,
// when that is at most `limit` characters long; nothing otherwise. Only
// the trimmed ends are looked at, the selection is not copied.
std::optional<QString> ShortTrimmedSelection(const TRichEdit& edit, int limit);

// The editor's tooltip for a selection of `length` positions that crosses
// `breaks` line breaks, the last of them possibly ending it: its lines
// and its length with a CR LF after each line, less the last one.
QString SelectionHintText(qint64 length, qint64 breaks, bool endsWithBreak);
