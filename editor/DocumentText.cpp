// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DocumentText.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

#ifdef MIREL_QT_GUI_PRIVATE
// Qt offers no public way to read the text in place; its private header
// matches the Qt the program is built with.
#include <QtGui/private/qtextdocument_p.h>
#endif

namespace {
// Hands out the raw text of [from, end), 0 <= from < end <= the length
// without the final separator, in order and in pieces. The one place that
// reads Qt's own storage; without its private header the blocks are read
// one by one, each copied once.
void ForEachPieceOf(const QTextDocument& doc, int from, int end, const std::function<void(QStringView)>& f)
{
#ifdef MIREL_QT_GUI_PRIVATE
    const QTextDocumentPrivate* d = QTextDocumentPrivate::get(&doc);
    const QString buffer = d->buffer();
    int at = from;
    for (auto it = d->find(from); at < end && it != d->end(); ++it) {
        const QTextFragmentData* fragment = it.value();
        const int offset = at - int(it.position());
        const int n = std::min(int(fragment->size_array[0]) - offset, end - at);
        f(QStringView(buffer).mid(fragment->stringPosition + offset, n));
        at += n;
    }
#else
    for (QTextBlock block = doc.findBlock(from); block.isValid() && block.position() < end; block = block.next()) {
        // The separator (U+2029, or a frame's mark) belongs to the block
        // but is no part of its text().
        QString text = block.text();
        text += doc.characterAt(block.position() + block.length() - 1);
        const int offset = std::max(from - block.position(), 0);
        const int n = std::min(int(text.size()) - offset, end - block.position() - offset);
        f(QStringView(text).mid(offset, n));
    }
#endif
}

int RawLength(const QTextDocument& doc)
{
    return doc.characterCount() - 1;
}
}   // namespace

void ForEachTextPiece(const QTextDocument& doc, const std::function<void(QStringView)>& f)
{
    if (RawLength(doc) > 0)
        ForEachPieceOf(doc, 0, RawLength(doc), f);
}

QString DocumentTextRange(const QTextDocument& doc, int from, int length)
{
    const int end = int(std::min<qint64>(qint64(from) + length, RawLength(doc)));
    QString out;
    if (from < 0 || from >= end)
        return out;
    out.reserve(end - from);
    ForEachPieceOf(doc, from, end, [&](QStringView piece) { out.append(piece); });
    return out;
}
