// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>
#include <optional>

// The macro language without a window: a line's command word and argument,
// the placeholders of an argument and the integers commands read.

// Letters A to Z folded to a to z; every other character stays, so
// positions in the folded text are positions in the original.
QString LowerAscii(QString text);

// One macro line as the runner reads it: characters 0 to 32 trimmed from
// both ends, the word before the first blank (folded with LowerAscii) and
// the text after that blank. No blank: the whole line is the word and the
// argument is absent.
struct MacroLine {
    QString word;
    std::optional<QString> argument;
};
MacroLine SplitMacroLine(const QString& line);

// Where the four placeholders get their values. Each is asked only when
// its word occurs, and at most once per expansion.
struct PlaceholderValues {
    QString currentFile;
    std::function<QString()> selection;
    std::function<qint64()> selStart;
    std::function<qint64()> selEnd;
};

// Replaces "filename", "selection", "startsel" and "endsel" (any case,
// also inside longer words) in that order. Each step searches on after the
// value it inserted, so a value holding its own word cannot make a step
// endless; later steps do see words that earlier values brought in.
// "filename" stays when the file's own name holds that word.
QString ExpandPlaceholders(const QString& argument, const PlaceholderValues& values);

// A whole number: leading blanks, an optional sign, then decimal digits,
// or hexadecimal ones after "$" or "0x". Nothing for anything else or a
// value outside the 32-bit signed range.
std::optional<int> ReadMacroInteger(const QString& text);
