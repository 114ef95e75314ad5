// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/MacroLibrary.h"

#include <QCollator>

bool IsMacroEntryName(const QString& fileName)
{
    // Case matters: a node's path is its text followed by ".macro".
    return fileName.size() > kMacroExtension.size() && fileName.endsWith(kMacroExtension);
}

QString MacroDisplayName(const QString& fileName)
{
    return fileName.left(fileName.size() - kMacroExtension.size());
}

QString NodeFilePath(const QString& macroDir, const QStringList& nodeTexts)
{
    if (nodeTexts.isEmpty())
        return macroDir.endsWith(QLatin1Char('/')) && macroDir.size() > 1 ? macroDir.chopped(1) : macroDir;
    QString path = macroDir;
    for (qsizetype i = 0; i + 1 < nodeTexts.size(); ++i)
        path += nodeTexts[i] + kMacroExtension + QLatin1Char('/');
    return path + nodeTexts.last() + kMacroExtension;
}

QString CleanMacroName(const QString& typed)
{
    static const QString forbidden = QStringLiteral("/|?\"<>:*");
    QString cleaned;
    cleaned.reserve(typed.size());
    for (QChar c : typed)
        if (!forbidden.contains(c))
            cleaned += c;
    return cleaned;
}

bool IsUsableMacroName(const QString& cleaned)
{
    for (QChar c : cleaned)
        if (c != QLatin1Char('.'))
            return true;
    return false;
}

QString RecordingMacroName(const QString& typed)
{
    // The name becomes a file name: no folder may sneak in through it.
    const QString cleaned = CleanMacroName(typed);
    if (cleaned != typed || (!typed.isEmpty() && !IsUsableMacroName(typed)))
        return IsUsableMacroName(cleaned) ? cleaned : QString();
    return typed;
}

namespace {
const QCollator& Collator()
{
    thread_local const QCollator collator;
    return collator;
}
}   // namespace

bool MacroNameLess(const QString& a, const QString& b)
{
    // Letters first, whatever the collator makes of case (the C locale
    // would put every capital first); case only between equal names.
    int order = Collator().compare(a.toCaseFolded(), b.toCaseFolded());
    if (order == 0)
        order = Collator().compare(a, b);
    if (order != 0)
        return order < 0;
    return a < b;   // a fixed order even where the locale sees no difference
}

MacroNameKeys MacroNameSortKeys(const QString& name)
{
    return {Collator().sortKey(name.toCaseFolded()), Collator().sortKey(name), name};
}

bool MacroNameKeys::operator<(const MacroNameKeys& other) const
{
    int order = folded.compare(other.folded);
    if (order == 0)
        order = exact.compare(other.exact);
    if (order != 0)
        return order < 0;
    return name < other.name;
}

QString MacroNameKey(const QString& name)
{
    QString key = name;
    for (QChar& c : key)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return key;
}

bool SameMacroName(const QString& a, const QString& b)
{
    return a.size() == b.size() && MacroNameKey(a) == MacroNameKey(b);
}

bool DropMoves(const QStringList& source, const QStringList& target)
{
    if (source.isEmpty())
        return false;   // the root never moves
    if (target.size() >= source.size() && target.mid(0, source.size()) == source)
        return false;   // onto itself or into its own subtree
    return true;
}

std::optional<QStringList> SavedMacroNodeTexts(const QString& macroDir, const QString& savedPath)
{
    if (macroDir.isEmpty() || !savedPath.startsWith(macroDir) || !IsMacroEntryName(savedPath))
        return std::nullopt;
    const QStringList parts = savedPath.mid(macroDir.size()).split(QLatin1Char('/'));
    QStringList texts;
    for (const QString& part : parts) {
        if (!IsMacroEntryName(part))
            return std::nullopt;   // a folder the library does not show
        texts << MacroDisplayName(part);
    }
    return texts;
}
