// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/KeyRules.h"

#include <algorithm>
#include <array>
#include <utility>

QString EntityFor(QChar c)
{
    static constexpr std::array<std::pair<char16_t, const char*>, 22> kTable{{
        {176, "&deg;"},    {192, "&Agrave;"}, {193, "&Aacute;"}, {194, "&Acirc;"}, {196, "&Auml;"},   {200, "&Egrave;"},
        {201, "&Eacute;"}, {202, "&Ecirc;"},  {206, "&Icirc;"},  {214, "&Ouml;"},  {220, "&Uuml;"},   {223, "&szlig;"},
        {224, "&agrave;"}, {225, "&aacute;"}, {226, "&acirc;"},  {228, "&auml;"},  {232, "&egrave;"}, {233, "&eacute;"},
        {234, "&ecirc;"},  {238, "&icirc;"},  {246, "&ouml;"},   {252, "&uuml;"},
    }};
    const auto it = std::lower_bound(kTable.begin(), kTable.end(), c.unicode(),
                                     [](const auto& entry, char16_t code) { return entry.first < code; });
    if (it == kTable.end() || it->first != c.unicode())
        return {};
    return QString::fromLatin1(it->second);
}

QString DoubledEntity(QChar c, QChar previous)
{
    if (c != previous)
        return {};
    switch (c.unicode()) {
    case ' ': return QStringLiteral("&nbsp;");
    case '"': return QStringLiteral("&quot;");
    case '&': return QStringLiteral("&amp;");
    case '<': return QStringLiteral("&lt;");
    case '>': return QStringLiteral("&gt;");
    default: return {};
    }
}

void BackspacePending(QString& pending)
{
    pending.chop(1);
    if (pending.endsWith(QLatin1Char('\\')))
        pending.chop(1);
}

bool MergeMove(QStringList& lines, const QString& word)
{
    if (lines.isEmpty())
        return false;
    QString& last = lines.last();
    if (last == word) {
        last = word + QStringLiteral(" 2");
        return true;
    }
    const QString prefix = word + QLatin1Char(' ');
    if (!last.startsWith(prefix))
        return false;
    bool ok = false;
    const qlonglong count = QStringView(last).sliced(prefix.size()).toLongLong(&ok);
    if (!ok)
        return false;
    last = prefix + QString::number(count + 1);
    return true;
}

QString IndentBlock(QStringView lines)
{
    const qsizetype breaks = lines.count(QLatin1Char('\n'));
    QString out;
    out.reserve(lines.size() + breaks + 1);
    out += QLatin1Char('\t');
    qsizetype from = 0;
    for (qsizetype at = lines.indexOf(QLatin1Char('\n')); at >= 0; at = lines.indexOf(QLatin1Char('\n'), from)) {
        out += lines.sliced(from, at + 1 - from);
        from = at + 1;
        if (from < lines.size())
            out += QLatin1Char('\t');
    }
    out += lines.sliced(from);
    return out;
}

std::optional<QString> UnindentBlock(QStringView lines)
{
    QString out;
    out.reserve(lines.size());
    qsizetype from = 0;
    while (from < lines.size()) {
        if (lines.at(from) != QLatin1Char('\t'))
            return std::nullopt;
        qsizetype end = lines.indexOf(QLatin1Char('\n'), from);
        end = end < 0 ? lines.size() : end + 1;
        out += lines.sliced(from + 1, end - from - 1);
        from = end;
    }
    return out;
}

QStringView LeadingIndent(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && (text.at(n) == QLatin1Char('\t') || text.at(n) == QLatin1Char(' ')))
        ++n;
    return text.first(n);
}

qsizetype TrailingIndentLength(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() &&
           (text.at(text.size() - 1 - n) == QLatin1Char('\t') || text.at(text.size() - 1 - n) == QLatin1Char(' ')))
        ++n;
    return n;
}

bool EditorInsertsTyped(QChar c, Qt::KeyboardModifiers modifiers)
{
    // The view takes format characters (ZWJ and the like) even with Ctrl.
    if (c.category() == QChar::Other_Format)
        return true;
    if (c == QLatin1Char('\r'))   // Enter, also on the keypad
        return (modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return c == QLatin1Char('\t') || c.isPrint() || c.category() == QChar::Other_PrivateUse;
}
