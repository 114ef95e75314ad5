#include "editor/DocumentText.h"

#include <QTextDocument>

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
#else
void ForEachTextPiece(const QTextDocument& doc, const std::function<void(QStringView)>& f)
{
    const QString raw = doc.toRawText();
    f(raw);
}
#endif
