// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Prompts.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// A colour held as the two-digit hexadecimal texts of its components, as
// the status bar swatches keep `LastChosenColour` and `LastSelectedColour`.
// The texts come unchecked from the settings, so they may be anything.
struct ColourSlots {
    QString red;
    QString green;
    QString blue;
    bool operator==(const ColourSlots&) const = default;
};

// "LastDialogRGB" / "LastTextRGB": characters 1-2 are blue, 3-4 green and
// 5-6 red, taken as they stand (a short text gives short or empty parts).
ColourSlots ColourSlotsFromSetting(const QString& text);

// "00" + blue + green + red read as one hexadecimal number: 0x00BBGGRR.
// Nothing when the texts do not make a hexadecimal number.
std::optional<quint32> ColourNumber(const ColourSlots& parts);

// What a swatch paints; texts that are not hexadecimal paint white.
QColor SwatchColour(const ColourSlots& parts);

// 0x00BBGGRR to and from QColor. A number with any of the top byte set is
// not a plain colour and gives an invalid QColor.
QColor ColourFromNumber(quint32 bgr);
quint32 NumberFromColour(const QColor& colour);

// A colour as the settings and the dialog lines write it: 0x00BBGGRR in
// upper-case hexadecimal, at least six digits. An invalid colour (a pixel
// that cannot be read, an empty custom colour) is the invalid-colour value
// "FFFFFFFF", whose first six digits read back as white.
QString ColourSettingText(const QColor& colour);

// The text a click on a swatch inserts: the pixel's digits reordered to
// red, green, blue, as HTML writes colours.
QString HtmlColourText(const QColor& pixel);

// Custom colour `index` (0 for "ColorA" ... 15 for "ColorP") of the colour
// dialog as the line the settings keep: "ColorC=00FF00".
QString CustomColourName(int index);
QString CustomColourLine(int index, const QColor& colour);
// The colour of a stored line; invalid when the line is empty, belongs to
// another letter, is not hexadecimal or holds no plain colour.
QColor CustomColourFromLine(int index, const QString& line);

// The font colour setting "Color": a plain 0x00BBGGRR colour, or with the
// top bit set a system colour whose index is the low byte (0x80000008 is the
// window text colour). System colours are taken from the palette.
inline constexpr quint32 SystemWindowTextColour = 0x80000008u;
QColor ColourFromColorSetting(qint32 value, const QPalette& palette);
// The "Color" value to write back for the font colour: the value it was
// loaded from while the colour is unchanged, so that a system colour stays
// a system colour; otherwise the plain colour.
qint32 ColorSettingFor(const QColor& colour, qint32 loadedFrom, const QPalette& palette);

// The colour dialog's custom colours as the settings keep them: one line
// per letter, empty when the dialog has none for it.
using CustomColourLines = std::array<QString, 16>;
// For the dialog: each line's colour, invalid for an empty or unusable line.
CustomColours CustomColoursFromLines(const CustomColourLines& lines);
// After the dialog: every slot has its line, "FFFFFFFF" for an empty one.
CustomColourLines LinesFromCustomColours(const CustomColours& colours);
