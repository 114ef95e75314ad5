// SPDX-License-Identifier: GPL-3.0-or-later
// Tidy's error file and the user's option text on arbitrary bytes: the
// message reader, the line number of each message, the option split and
// the output name never crash or hang, and keep their promises.
#include "fuzz/FuzzCheck.h"
#include "html/TidyRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::Input(data, size);
    const QStringList messages = TidyMessageLines(bytes);
    Check(size != 0 || messages.isEmpty());
    for (const QString& message : messages) {
        Check(!message.contains(QLatin1Char('\n')) && !message.contains(QLatin1Char('\r')));
        const std::optional<int> line = TidyMessageLine(message);
        if (line) {
            Check(*line >= 1 && NamesTidyLine(message));
            Check(message.size() > 5 && message[5].isDigit());
        }
    }

    const QString text = QString::fromUtf8(bytes);
    const QStringList words = SplitOptionWords(text);
    qsizetype letters = 0;
    for (const QString& word : words)
        letters += word.size();
    Check(letters + words.size() <= text.size() + 1);
    const QStringList arguments = TidyArguments(text, QStringLiteral("/in.html"));
    Check(arguments.size() == words.size() + 1 && arguments.back() == QStringLiteral("/in.html"));

    const QString input = QStringLiteral("/w/") + text;
    const QString output = TidyOutputBase(input, [](const QString&) { return false; }) + kTidyOutputSuffix;
    Check(output != input);
    return 0;
}
