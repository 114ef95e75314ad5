// SPDX-License-Identifier: GPL-3.0-or-later
// Macro files on arbitrary bytes: the line reader, the split of every
// line, placeholder expansion with values holding the placeholders' own
// words, and the integer reader never crash or hang, and the split keeps
// its promises.
#include "fuzz/FuzzCheck.h"
#include "macro/MacroFile.h"
#include "macro/MacroLanguage.h"

namespace {
bool IsTrimmed(QChar c)
{
    return c.unicode() <= 32;
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::Input(data, size);
    const QStringList lines = MacroLinesFromBytes(bytes);
    Check(size != 0 || lines.isEmpty());
    PlaceholderValues values;
    values.currentFile = QStringLiteral("/x/FileName/selection");
    values.selection = [] { return QStringLiteral("Selection startsel SELECTION"); };
    values.selStart = [] { return qint64(3); };
    values.selEnd = [] { return qint64(-7); };
    for (const QString& line : lines) {
        Check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
        const MacroLine split = SplitMacroLine(line);
        Check(split.word == LowerAscii(split.word));
        Check(!split.word.contains(QLatin1Char(' ')));
        if (!split.word.isEmpty())
            Check(!IsTrimmed(split.word.front()));
        if (split.argument) {
            Check(split.argument->isEmpty() || !IsTrimmed(split.argument->back()));
            // Word, blank and argument are the trimmed line, up to case.
            const QString joined = split.word + QLatin1Char(' ') + *split.argument;
            Check(LowerAscii(line).contains(LowerAscii(joined)));
            const QString expanded = ExpandPlaceholders(*split.argument, values);
            // Each placeholder grows into a value at most 29 characters long.
            Check(expanded.size() <= split.argument->size() * 6 + 64);
            const std::optional<int> n = ReadMacroInteger(*split.argument);
            if (n)
                Check(ReadMacroInteger(QString::number(*n)) == n);
        } else {
            Check(split.word.isEmpty() || LowerAscii(line).contains(split.word));
        }
    }
    return 0;
}
