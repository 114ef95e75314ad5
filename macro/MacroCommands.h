// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>
#include <span>

class MacroHost;

// The commands of the macro language, each word once, with what its
// argument must be and the mode it needs; the runner and any later check
// of macro files read this one table. Every line a recording writes runs:
// where a recording writes another word than the language's own
// ("Underline", "CloseFile"), both words are listed.

enum class MacroArgument {
    Ignored,   // any argument or none
    Text,   // taken as it is; absent counts as empty
    Integer,   // a number is required
    OptionalInteger,   // absent counts as 1, one key press as a recording writes it
    OnOff,   // on when "on" in any letter case, else off
    Pair,   // find text and replacement (SplitReplacePair)
};

enum class MacroMode { Any, RichOnly, PlainOnly };

// What a handler gets: the argument as written and, for the number kinds,
// its value.
struct MacroCall {
    const std::optional<QString>& argument;
    int number = 0;
    QString Text() const { return argument.value_or(QString()); }
};

struct MacroCommand {
    const char* word;   // lower case
    MacroArgument argument;
    MacroMode mode;
    void (*run)(MacroHost& host, const MacroCall& call);
};

std::span<const MacroCommand> MacroCommands();
// The entry of a lower-case word, or nullptr.
const MacroCommand* FindMacroCommand(const QString& word);

// Whether a command may run with this argument in this mode, and the number
// it reads; nothing means the line fails before the command starts.
std::optional<int> CheckMacroCall(const MacroCommand& command, const std::optional<QString>& argument, bool plainText);

// Whether an OnOff argument means on: "on", "On", "ON" and so on.
bool IsOnArgument(const QString& argument);

// "replace" and "replaceall". A recording writes "F with R", a hand-written
// line "F R": an argument holding " with " is split at its first " with ",
// any other at its first blank. Nothing without a blank.
struct ReplacePair {
    QString find;
    QString replacement;
    bool operator==(const ReplacePair&) const = default;
};
std::optional<ReplacePair> SplitReplacePair(const QString& argument);
// The split at the first blank alone, as the argument would read without
// the " with " rule.
std::optional<ReplacePair> SplitReplacePairAtBlank(const QString& argument);

// A position worked out in 64 bits, kept within 0 and the text's length.
int ClampPosition(qint64 position, int textLength);
