#pragma once
#include <QString>
#include <optional>
#include <span>

class TMainForm;

// The commands of the macro language, each word once, with what its
// argument must be and the mode it needs; the runner and any later check
// of macro files read this one table.

enum class MacroArgument {
    Ignored,           // any argument or none
    Text,              // taken as it is; absent counts as empty
    Integer,           // a number is required
    OptionalInteger,   // absent counts as 0
    OnOff,             // on only when exactly "on"
    Pair,              // find text, blank, replacement
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
    void (*run)(TMainForm& form, const MacroCall& call);
};

std::span<const MacroCommand> MacroCommands();
// The entry of a lower-case word, or nullptr.
const MacroCommand* FindMacroCommand(const QString& word);

// Whether a command may run with this argument in this mode, and the number
// it reads; nothing means the line fails before the command starts.
std::optional<int> CheckMacroCall(const MacroCommand& command, const std::optional<QString>& argument,
                                  bool plainText);

// "replace" and "replaceall": the text before the first blank and the text
// after it; nothing without a blank.
struct ReplacePair {
    QString find;
    QString replacement;
};
std::optional<ReplacePair> SplitReplacePair(const QString& argument);

// A caret position moved by a signed distance, kept within the int range
// (the editor clamps it to the text).
int OffsetPosition(int position, int distance);
