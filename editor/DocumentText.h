// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringView>
#include <functional>

class QTextDocument;

// Hands out the document's raw text (block separators as U+2029, as
// QTextDocument::toRawText gives it, without the final one) in order, piece
// by piece, without copying it: saving a large document then costs no
// second copy of its text.
void ForEachTextPiece(const QTextDocument& doc, const std::function<void(QStringView piece)>& f);

// The raw text of [from, from + length), clamped to the text, read in place
// around `from` rather than from the start.
QString DocumentTextRange(const QTextDocument& doc, int from, int length);
