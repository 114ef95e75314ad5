// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

// The editor's matching rule, shared by Find and Replace All so that both
// agree on what a match is. Texts here use the editor's own line breaks
// (one character each).

// A word character for the whole-word rule: letters, digits and "_".
bool IsWordChar(QChar c);

// Position of the first match of `needle` that lies wholly within
// [from, end) of `text`, or -1. With `wholeWord`, a match must not continue
// a word on either side (checked only where the needle itself begins or
// ends with a word character).
qsizetype FindInText(const QString& text, const QString& needle, qsizetype from, qsizetype end, Qt::CaseSensitivity cs,
                     bool wholeWord);

// Every match from the start, left to right, none overlapping the one
// before it.
QList<qsizetype> FindAllInText(const QString& text, const QString& needle, Qt::CaseSensitivity cs, bool wholeWord);
