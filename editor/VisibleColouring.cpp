// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/VisibleColouring.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace {
// Formats of the line's layout only: the document's own formats, and so
// the text, the undo history and the modified flag, are left alone.
void ShowFormats(QTextDocument& document, const QTextBlock& block, const QList<QTextLayout::FormatRange>& formats)
{
    QTextLayout* layout = block.layout();
    if (!layout || layout->formats() == formats)
        return;
    layout->setFormats(formats);
    // Lays out this one line again, without telling anyone of an edit.
    document.markContentsDirty(block.position(), block.length());
}
}   // namespace

VisibleColouring::VisibleColouring(QPlainTextEdit* view, std::function<QTextBlock()> firstVisible)
    : QObject(view), view_(view), firstVisible_(std::move(firstVisible))
{
    view_->viewport()->installEventFilter(this);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Changed(); });
}

void VisibleColouring::SetLanguage(SyntaxLanguage language)
{
    if (language == language_)
        return;
    if (language == SyntaxLanguage::None)
        Clear();
    language_ = language;
    Changed();
}

void VisibleColouring::SetEnabled(bool on)
{
    if (on == enabled_)
        return;
    if (!on)
        Clear();
    enabled_ = on;
    Changed();
}

void VisibleColouring::Changed()
{
    dirty_ = true;
    view_->viewport()->update();
}

void VisibleColouring::Clear()
{
    for (const QTextCursor& at : coloured_)
        if (!at.isNull() && at.document())
            ShowFormats(*at.document(), at.block(), {});
    coloured_.clear();
    dirty_ = true;
}

void VisibleColouring::Forget()
{
    coloured_.clear();
    dirty_ = true;
}

void VisibleColouring::Follow(QTextDocument* document)
{
    if (document == document_)
        return;
    // Lines of a document no longer shown keep no colours.
    Clear();
    disconnect(edits_);
    document_ = document;
    if (document)
        edits_ = connect(document, &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
            if (removed != 0 || added != 0)
                dirty_ = true;
        });
}

bool VisibleColouring::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        dirty_ = true;
    } else if (event->type() == QEvent::Paint) {
        Follow(view_->document());
        if (dirty_ && Active())
            ColourVisible();
    }
    return QObject::eventFilter(watched, event);
}

void VisibleColouring::ColourVisible()
{
    dirty_ = false;
    QTextDocument& document = *view_->document();
    QTextBlock block = firstVisible_();
    if (!block.isValid())
        block = document.firstBlock();
    const QTextBlock first = block;
    // Unwrapped lines are one line high; wrapped ones take more, so this
    // counts a few lines too many at worst.
    const int lineHeight = std::max(1, QFontMetrics(document.defaultFont()).lineSpacing());
    const int inView = view_->viewport()->height() / lineHeight + 2;

    int state = kSyntaxStart;
    std::vector<SyntaxSpan> spans;
    for (int back = 0; back < kLookBack && block.previous().isValid(); ++back)
        block = block.previous();
    for (; block != first; block = block.next()) {
        spans.clear();
        state = ColourLine(language_, block.text(), state, spans);
    }

    const SyntaxPalette palette = PaletteFor(view_->palette().color(QPalette::Base));
    std::vector<QTextCursor> shown;
    for (int i = 0; i < inView && block.isValid(); ++i, block = block.next()) {
        spans.clear();
        state = ColourLine(language_, block.text(), state, spans);
        QList<QTextLayout::FormatRange> formats;
        formats.reserve(qsizetype(spans.size()));
        for (const SyntaxSpan& span : spans) {
            QTextLayout::FormatRange range;
            range.start = span.start;
            range.length = span.length;
            range.format.setForeground(palette[size_t(span.role)]);
            formats.append(range);
        }
        ShowFormats(document, block, formats);
        shown.emplace_back(block);
    }
    // Lines that left the view lose their colours.
    for (const QTextCursor& at : coloured_) {
        if (at.isNull() || at.document() != &document)
            continue;
        const QTextBlock old = at.block();
        if (std::none_of(shown.begin(), shown.end(), [&](const QTextCursor& c) { return c.block() == old; }))
            ShowFormats(document, old, {});
    }
    coloured_ = std::move(shown);
}
