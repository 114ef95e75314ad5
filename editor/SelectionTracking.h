// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

class QComboBox;
class TRichEdit;

// Texts of the selection tracking, worked out from counts the editor keeps,
// so that a caret move costs the same in a small and a large document.

// Status panel 0: the bytes the document takes on disk.
QString FileSizeText(qint64 bytes);
// The font box's entry for a family: the family itself when listed, else
// the family the machine draws in its place; -1 when neither is listed.
int FontBoxIndex(const QComboBox& box, const QString& family);

// Status panel 1, from the 0-based line and column.
QString CaretPositionText(int line, int column);

// A colour as its red, green and blue two-digit texts, as typed.
struct ColourDigits {
    QString red;
    QString green;
    QString blue;
    bool operator==(const ColourDigits&) const = default;
};
// A trimmed selection of six hexadecimal digits RRGGBB as the red, green
// and blue texts; nothing for any other text.
std::optional<ColourDigits> ColourFromText(const QString& text);

// The selected text without blanks and control characters at both ends,
// when that is at most `limit` characters long; nothing otherwise. Only
// the trimmed ends are looked at, the selection is not copied.
std::optional<QString> ShortTrimmedSelection(const TRichEdit& edit, int limit);

// The editor's tooltip for a selection of `length` positions that crosses
// `breaks` line breaks, the last of them possibly ending it: its lines
// and its length with a CR LF after each line, less the last one.
QString SelectionHintText(qint64 length, qint64 breaks, bool endsWithBreak);
// That tooltip for the editor's selection; empty when nothing is selected.
QString SelectionHint(const TRichEdit& edit);
