// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TextSearch.h"

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

qsizetype FindInText(const QString& text, const QString& needle, qsizetype from, qsizetype end, Qt::CaseSensitivity cs,
                     bool wholeWord)
{
    if (needle.isEmpty())
        return -1;
    const qsizetype total = text.size();
    from = std::clamp<qsizetype>(from, 0, total);
    end = std::clamp<qsizetype>(end, from, total);
    const bool checkLeft = IsWordChar(needle.front());
    const bool checkRight = IsWordChar(needle.back());
    qsizetype pos = from;
    while (pos <= end - needle.size()) {
        const qsizetype hit = text.indexOf(needle, pos, cs);
        if (hit < 0 || hit + needle.size() > end)
            return -1;
        if (!wholeWord)
            return hit;
        const qsizetype after = hit + needle.size();
        const bool leftOk = !checkLeft || hit == 0 || !IsWordChar(text.at(hit - 1));
        const bool rightOk = !checkRight || after >= total || !IsWordChar(text.at(after));
        if (leftOk && rightOk)
            return hit;
        pos = hit + 1;
    }
    return -1;
}

QList<qsizetype> FindAllInText(const QString& text, const QString& needle, Qt::CaseSensitivity cs, bool wholeWord)
{
    QList<qsizetype> hits;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype hit = FindInText(text, needle, pos, text.size(), cs, wholeWord);
        if (hit < 0)
            return hits;
        hits.append(hit);
        pos = hit + needle.size();
    }
}
