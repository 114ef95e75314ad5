// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/MacroLanguage.h"

#include <limits>

QString LowerAscii(QString text)
{
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

MacroLine SplitMacroLine(const QString& line)
{
    qsizetype from = 0;
    qsizetype to = line.size();
    while (from < to && line.at(from).unicode() <= 32)
        ++from;
    while (to > from && line.at(to - 1).unicode() <= 32)
        --to;
    const QStringView trimmed = QStringView(line).mid(from, to - from);
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {LowerAscii(trimmed.toString()), std::nullopt};
    return {LowerAscii(trimmed.left(blank).toString()), trimmed.mid(blank + 1).toString()};
}

namespace {
// One step of the expansion: every occurrence of `word` from the left,
// the search going on after each inserted value.
void ExpandWord(QString& text, QLatin1StringView word, const std::function<QString()>& value)
{
    std::optional<QString> cached;
    qsizetype from = 0;
    QString folded = LowerAscii(text);
    for (;;) {
        const qsizetype at = folded.indexOf(word, from);
        if (at < 0)
            return;
        if (!cached)
            cached = value();
        text.replace(at, word.size(), *cached);
        folded.replace(at, word.size(), LowerAscii(*cached));
        from = at + cached->size();
    }
}
}   // namespace

QString ExpandPlaceholders(const QString& argument, const PlaceholderValues& values)
{
    QString text = argument;
    if (!LowerAscii(values.currentFile).contains(QLatin1StringView("filename")))
        ExpandWord(text, QLatin1StringView("filename"), [&] { return values.currentFile; });
    ExpandWord(text, QLatin1StringView("selection"), [&] { return values.selection ? values.selection() : QString(); });
    ExpandWord(text, QLatin1StringView("startsel"),
               [&] { return QString::number(values.selStart ? values.selStart() : 0); });
    ExpandWord(text, QLatin1StringView("endsel"), [&] { return QString::number(values.selEnd ? values.selEnd() : 0); });
    return text;
}

std::optional<int> ReadMacroInteger(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0') &&
               (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    // The magnitude may reach 2^31 for the most negative value.
    const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return int(negative ? -value : value);
}
