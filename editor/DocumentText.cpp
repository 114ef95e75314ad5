// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DocumentText.h"

#include <QTextDocument>

#include <algorithm>

#ifdef MIREL_QT_GUI_PRIVATE
// Qt offers no public way to read the text in place; its private header
// matches the Qt the program is built with.
#include <QtGui/private/qtextdocument_p.h>

void ForEachTextPiece(const QTextDocument& doc, const std::function<void(QStringView)>& f)
{
    const QTextDocumentPrivate* d = QTextDocumentPrivate::get(&doc);
    const QString buffer = d->buffer();
    qsizetype left = doc.characterCount() - 1;
    for (auto it = d->begin(); it != d->end() && left > 0; ++it) {
        const QTextFragmentData* fragment = it.value();
        const qsizetype n = std::min<qsizetype>(fragment->size_array[0], left);
        f(QStringView(buffer).mid(fragment->stringPosition, n));
        left -= n;
    }
}

QString DocumentTextRange(const QTextDocument& doc, int from, int length)
{
    const QTextDocumentPrivate* d = QTextDocumentPrivate::get(&doc);
    const QString buffer = d->buffer();
    const int end = int(std::min<qint64>(qint64(from) + length, doc.characterCount() - 1));
    QString out;
    if (from < 0 || from >= end)
        return out;
    out.reserve(end - from);
    int at = from;
    for (auto it = d->find(from); at < end && it != d->end(); ++it) {
        const QTextFragmentData* fragment = it.value();
        const int offset = at - int(it.position());
        const int n = std::min(int(fragment->size_array[0]) - offset, end - at);
        out.append(QStringView(buffer).mid(fragment->stringPosition + offset, n));
        at += n;
    }
    return out;
}
#else
void ForEachTextPiece(const QTextDocument& doc, const std::function<void(QStringView)>& f)
{
    const QString raw = doc.toRawText();
    f(raw);
}

QString DocumentTextRange(const QTextDocument& doc, int from, int length)
{
    return doc.toRawText().mid(from, std::max(length, 0));
}
#endif
