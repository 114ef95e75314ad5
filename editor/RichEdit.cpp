// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RichEdit.h"

#include "editor/DocumentText.h"
#include "editor/LineGutter.h"
#include "editor/PipelinedWriter.h"
#include "editor/Rtf.h"
#include "editor/TextSearch.h"
#include "editor/VisibleColouring.h"
#include "platform/AppError.h"
#include "platform/SafeFile.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextList>
#include <QWheelEvent>
#include <type_traits>

namespace {

constexpr QChar kParagraphSeparator(0x2029);
constexpr QChar kLineSeparator(0x2028);

// Document text (paragraph separators) to CR LF text.
QString ToCrLf(QString text)
{
    text.replace(kParagraphSeparator, QLatin1String("\r\n"));
    text.replace(kLineSeparator, QLatin1String("\r\n"));
    return text;
}

QString ToSeparators(const QString& text)
{
    QString out = NormalizeLineBreaks(text);
    out.replace(QLatin1Char('\n'), kParagraphSeparator);
    return out;
}

// Redo keys that a window's Redo command takes: the view's own redo would
// bypass it, also while it is disabled.
bool IsRedoKey(const QKeyEvent* event)
{
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    return event->matches(QKeySequence::Redo) || pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}   // namespace

// One of the two views of the document. It hands keys, mouse moves,
// pastes and drags to the editor first.
template <class Base> class EditorView : public Base {
public:
    explicit EditorView(TRichEdit* owner) : Base(owner), owner_(owner)
    {
        this->setTabChangesFocus(false);
        this->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        this->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        this->setLineWrapMode(Base::NoWrap);
        this->viewport()->setMouseTracking(true);
        this->setMouseTracking(true);
        this->setContextMenuPolicy(Qt::CustomContextMenu);
    }

    // Top line of the view.
    QTextBlock FirstBlock() const
    {
        if constexpr (std::is_same_v<Base, QPlainTextEdit>)
            return this->firstVisibleBlock();
        else
            // One pixel in: the very top edge belongs to the line above as well.
            return this->cursorForPosition(QPoint(1, 1)).block();
    }

    void Key(QKeyEvent* event) { keyPressEvent(event); }

    void SetLeftMargin(int width) { this->setViewportMargins(width, 0, 0, 0); }

    // The blocks on screen with their top and height in viewport
    // coordinates (plain view only).
    template <class F> void ForVisibleBlocks(F&& f) const
    {
        if constexpr (std::is_same_v<Base, QPlainTextEdit>) {
            QTextBlock block = this->firstVisibleBlock();
            const qreal limit = this->viewport()->height();
            qreal top = this->blockBoundingGeometry(block).translated(this->contentOffset()).top();
            while (block.isValid() && top <= limit) {
                const qreal height = this->blockBoundingRect(block).height();
                if (block.isVisible() && top + height >= 0)
                    f(block, qRound(top), qRound(height));
                top += height;
                block = block.next();
            }
        }
    }

protected:
    bool event(QEvent* event) override
    {
        // Left to the window's shortcut, which the view would take first.
        if (event->type() == QEvent::ShortcutOverride && owner_->redoKeysToWindow_ &&
            IsRedoKey(static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return false;
        }
        return Base::event(event);
    }
    void wheelEvent(QWheelEvent* event) override
    {
        // The views' own Ctrl+wheel zoom would change the document's font.
        if (!owner_->WheelZooms(event))
            Base::wheelEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        owner_->KeyPress(event, [this](QKeyEvent* e) { Base::keyPressEvent(e); });
        // An unused key goes up to the editor next, which must let it pass.
        owner_->bubbling_ = event->isAccepted() ? nullptr : event;
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        Base::mouseMoveEvent(event);
        owner_->MouseMoved(event);
    }
    QMimeData* createMimeDataFromSelection() const override
    {
        if (QMimeData* mime = owner_->SelectionMime())
            return mime;
        return Base::createMimeDataFromSelection();
    }
    void insertFromMimeData(const QMimeData* source) override
    {
        if (!owner_->InsertMime(source))
            Base::insertFromMimeData(source);
    }
    // Files dragged onto the editor go to the window instead of being
    // inserted as their addresses.
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (owner_->TakesDrop(event->mimeData()))
            event->acceptProposedAction();
        else
            Base::dragEnterEvent(event);
    }
    void dragMoveEvent(QDragMoveEvent* event) override
    {
        if (owner_->TakesDrop(event->mimeData()))
            event->acceptProposedAction();
        else
            Base::dragMoveEvent(event);
    }
    void dropEvent(QDropEvent* event) override
    {
        if (owner_->TakesDrop(event->mimeData())) {
            event->acceptProposedAction();
            owner_->Dropped(event->mimeData());
        } else {
            Base::dropEvent(event);
            owner_->RepairMark();   // a move removes the dragged text
        }
    }
    void resizeEvent(QResizeEvent* event) override
    {
        // Unwrapped lines do not depend on the width, yet the plain view
        // would drop and rebuild the layout of every line of the document
        // on each change of width: hand it a resize of the height only.
        if constexpr (std::is_same_v<Base, QPlainTextEdit>) {
            if (this->lineWrapMode() == Base::NoWrap && event->oldSize().width() != event->size().width()) {
                QResizeEvent heightOnly(event->size(), QSize(event->size().width(), event->oldSize().height()));
                Base::resizeEvent(&heightOnly);
                owner_->PlaceGutter();
                return;
            }
        }
        Base::resizeEvent(event);
        if constexpr (std::is_same_v<Base, QPlainTextEdit>)
            owner_->PlaceGutter();
    }

private:
    TRichEdit* owner_;
};

TRichEdit::TRichEdit(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RichEdit"));
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    rich_ = new EditorView<QTextEdit>(this);
    rich_->setObjectName(QStringLiteral("RichEditRichView"));
    rich_->setAcceptRichText(true);
    plain_ = new EditorView<QPlainTextEdit>(this);
    plain_->setObjectName(QStringLiteral("RichEditPlainView"));
    stack_->addWidget(rich_);
    stack_->addWidget(plain_);
    colouring_ = new VisibleColouring(plain_, [this] { return plain_->FirstBlock(); });

    doc_ = NewDocument(true);
    spareRich_ = new QTextDocument(this);
    sparePlain_ = new QTextDocument(this);
    sparePlain_->setDocumentLayout(new QPlainTextDocumentLayout(sparePlain_));
    rich_->setDocument(spareRich_);
    plain_->setDocument(doc_);
    stack_->setCurrentWidget(plain_);
    setFocusProxy(plain_);
    setFocusPolicy(Qt::StrongFocus);

    controlFont_ = plain_->font();
    controlColour_ = plain_->palette().color(QPalette::Text);
    for (QAbstractScrollArea* view :
         {static_cast<QAbstractScrollArea*>(rich_), static_cast<QAbstractScrollArea*>(plain_)}) {
        // The editor's own context menu is the window's, asked for on the editor.
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
            emit customContextMenuRequested(view->viewport()->mapTo(this, pos));
        });
    }
    connect(rich_, &QTextEdit::cursorPositionChanged, this, &TRichEdit::NotifySelection);
    connect(rich_, &QTextEdit::selectionChanged, this, &TRichEdit::NotifySelection);
    connect(plain_, &QPlainTextEdit::cursorPositionChanged, this, &TRichEdit::NotifySelection);
    connect(plain_, &QPlainTextEdit::selectionChanged, this, &TRichEdit::NotifySelection);
}

struct TRichEdit::SetAside {
    QTextDocument* doc = nullptr;
    bool plain = true;
    PieceIndex pieces;
    bool piecesMade = false;
    TextFormat storedFormat;
    qint64 keptStray = 0;
    bool droppedRtf = false;
    bool modified = false;
    QFont font;
    QColor colour;
    int anchor = 0;
    int position = 0;
};

QTextDocument* TRichEdit::NewDocument(bool plain)
{
    auto* document = new QTextDocument(this);
    if (plain)
        document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    ConnectDocument(document);
    return document;
}

void TRichEdit::ConnectDocument(QTextDocument* document)
{
    // Connected before the views: their handlers ask for positions.
    connect(document, &QTextDocument::contentsChange, this, &TRichEdit::PiecesChanged);
    connect(document, &QTextDocument::contentsChange, this, &TRichEdit::NoteChange);
    connect(document, &QTextDocument::contentsChanged, this, &TRichEdit::TextChanged);
    connect(document, &QTextDocument::modificationChanged, this, &TRichEdit::ModifiedChanged);
    connect(document, &QTextDocument::redoAvailable, this, &TRichEdit::RedoAvailable);
    connect(document, &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed != 0 || added != 0) {
            rawValid_ = false;
            fits1252_.reset();
        }
    });
}

// Shows `document` in the view of its mode; the other view shows its spare.
void TRichEdit::Attach(QTextDocument* document, bool plain)
{
    rich_->setDocument(spareRich_);
    plain_->setDocument(sparePlain_);
    doc_ = document;
    plainText_ = plain;
    if (plain) {
        plain_->setDocument(doc_);
        stack_->setCurrentWidget(plain_);
        setFocusProxy(plain_);
    } else {
        rich_->setDocument(doc_);
        stack_->setCurrentWidget(rich_);
        setFocusProxy(rich_);
    }
    // The zoom lives in the layout, and the other document may redo other steps.
    if (zoom_ != kZoomNormal)
        ApplyZoom();
    emit RedoAvailable(doc_->isRedoAvailable());
}

void TRichEdit::ChangesAreNowWhole()
{
    if (!tracking_)
        return;
    changes_ = TextChanges{};
    changes_.whole = true;
    trackedAdded_ = 0;
}

void TRichEdit::SetDocumentAside()
{
    DropSetAside();
    auto kept = std::make_unique<SetAside>();
    const QTextCursor c = textCursor();
    kept->anchor = ToText(c.anchor());
    kept->position = ToText(c.position());
    kept->doc = doc_;
    kept->plain = plainText_;
    kept->pieces = pieces_;
    kept->piecesMade = piecesMade_;
    kept->storedFormat = storedFormat_;
    kept->keptStray = keptStray_;
    kept->droppedRtf = droppedRtf_;
    kept->modified = Modified();
    kept->font = controlFont_;
    kept->colour = controlColour_;
    const bool hadFocus = View()->hasFocus();

    colouring_->Clear();
    quiet_ = true;
    disconnect(doc_, nullptr, this, nullptr);
    Attach(NewDocument(plainText_), plainText_);
    if (plainText_)
        ApplyPlainFormat();
    else
        doc_->setDefaultFont(controlFont_);
    aside_ = std::move(kept);
    pieces_.Clear();
    piecesMade_ = false;
    storedFormat_ = TextFormat();
    keptStray_ = 0;
    droppedRtf_ = false;
    rawValid_ = false;
    fits1252_.reset();
    ChangesAreNowWhole();
    quiet_ = false;
    if (hadFocus)
        View()->setFocus();
    emit ModifiedChanged(false);
    NotifySelection();
}

void TRichEdit::RestoreSetAside()
{
    if (!aside_)
        return;
    const std::unique_ptr<SetAside> kept = std::move(aside_);
    const bool hadFocus = View()->hasFocus();
    colouring_->Clear();
    quiet_ = true;
    QTextDocument* dropped = doc_;
    disconnect(dropped, nullptr, this, nullptr);
    ConnectDocument(kept->doc);
    Attach(kept->doc, kept->plain);
    delete dropped;
    pieces_ = kept->pieces;
    piecesMade_ = kept->piecesMade;
    storedFormat_ = kept->storedFormat;
    keptStray_ = kept->keptStray;
    droppedRtf_ = kept->droppedRtf;
    SetControlFont(kept->font, kept->colour);
    QTextCursor c(doc_);
    c.setPosition(ToDocument(std::clamp(kept->anchor, 0, TextLength())));
    c.setPosition(ToDocument(std::clamp(kept->position, 0, TextLength())), QTextCursor::KeepAnchor);
    setTextCursor(c);
    rawValid_ = false;
    fits1252_.reset();
    ChangesAreNowWhole();
    quiet_ = false;
    if (hadFocus)
        View()->setFocus();
    emit ModifiedChanged(doc_->isModified());
    lastAnchor_ = lastPosition_ = -1;
    NotifySelection();
    UpdateColouring();
}

void TRichEdit::DropSetAside()
{
    if (!aside_)
        return;
    delete aside_->doc;
    aside_.reset();
}

TRichEdit::~TRichEdit()
{
    // The views must let go of the document before it goes.
    quiet_ = true;
    rich_->setDocument(spareRich_);
    plain_->setDocument(sparePlain_);
    doc_->documentLayout()->setPaintDevice(nullptr);
    delete zoomDevice_;
    // The views outlive this object's own part (a focus change on the way
    // out repaints them); their reports must not reach the gutter's handlers.
    if (gutter_) {
        plain_->disconnect(gutter_);
        plain_->disconnect(this);
    }
}

template <class F> decltype(auto) TRichEdit::OnView(F&& f) const
{
    if (plainText_)
        return f(plain_);
    return f(rich_);
}

// Keys sent to the editor itself reach the view. Not through the event
// loop: a key the view ignores comes back up here from the view.
void TRichEdit::keyPressEvent(QKeyEvent* event)
{
    if (event == bubbling_) {
        bubbling_ = nullptr;
        event->ignore();   // on to the window
        return;
    }
    OnView([&](auto* v) { v->Key(event); });
}

QAbstractScrollArea* TRichEdit::View() const
{
    return plainText_ ? static_cast<QAbstractScrollArea*>(plain_) : static_cast<QAbstractScrollArea*>(rich_);
}

QWidget* TRichEdit::InputWidget() const
{
    return View();
}
QWidget* TRichEdit::viewport() const
{
    return View()->viewport();
}
QScrollBar* TRichEdit::verticalScrollBar() const
{
    return View()->verticalScrollBar();
}

QTextCursor TRichEdit::textCursor() const
{
    return OnView([](auto* v) { return v->textCursor(); });
}

void TRichEdit::setTextCursor(const QTextCursor& cursor)
{
    OnView([&](auto* v) { v->setTextCursor(cursor); });
}

void TRichEdit::cut()
{
    OnView([](auto* v) { v->cut(); });
    RepairMark();
}
void TRichEdit::copy()
{
    OnView([](auto* v) { v->copy(); });
}
void TRichEdit::paste()
{
    OnView([](auto* v) { v->paste(); });
}

void TRichEdit::MoveDocument(bool toPlain)
{
    const QTextCursor old = textCursor();
    const int anchor = ToText(old.anchor());
    const int position = ToText(old.position());
    const bool hadFocus = View()->hasFocus();
    quiet_ = true;
    // The rich view would show the plain view's colours as its own.
    colouring_->Clear();
    if (toPlain) {
        rich_->setDocument(spareRich_);
        doc_->setDocumentLayout(new QPlainTextDocumentLayout(doc_));
        plain_->setDocument(doc_);
        stack_->setCurrentWidget(plain_);
        setFocusProxy(plain_);
    } else {
        plain_->setDocument(sparePlain_);
        doc_->setDocumentLayout(nullptr);   // the document makes its full layout when asked
        rich_->setDocument(doc_);
        stack_->setCurrentWidget(rich_);
        setFocusProxy(rich_);
    }
    plainText_ = toPlain;
    UpdateColouring();
    if (zoom_ != kZoomNormal)
        ApplyZoom();   // the new layout measures for the screen
    PlaceGutter();   // the line count may have changed meanwhile
    QTextCursor c(doc_);
    c.setPosition(ToDocument(std::clamp(anchor, 0, TextLength())));
    c.setPosition(ToDocument(std::clamp(position, 0, TextLength())), QTextCursor::KeepAnchor);
    setTextCursor(c);
    quiet_ = false;
    if (hadFocus)
        View()->setFocus();
    NotifySelection();
}

void TRichEdit::NotifySelection()
{
    if (quiet_)
        return;
    // In text positions: stepping across a seam moves nothing.
    const QTextCursor c = textCursor();
    const int anchor = ToText(c.anchor());
    const int position = ToText(c.position());
    if (anchor == lastAnchor_ && position == lastPosition_)
        return;
    lastAnchor_ = anchor;
    lastPosition_ = position;
    emit SelectionChange();
}

const QString& TRichEdit::RawText() const
{
    if (!rawValid_) {
        rawCache_ = WithoutSeams(document()->toRawText(), 0);
        rawValid_ = true;
    }
    return rawCache_;
}

QString TRichEdit::Text() const
{
    return ToCrLf(RawText());
}

namespace {
// Fills the rich view's document while no layout is attached. Qt lays out
// an edit of a laid-out document at once, at a cost that grows faster than
// the document (a few hundred thousand paragraphs take minutes); a layout
// made for a document already filled works in steps as the view asks.
template <class Fill> void FillWithoutLayout(QTextEdit* view, QTextDocument* idle, QTextDocument* document, Fill&& fill)
{
    QPaintDevice* zoom = document->documentLayout()->paintDevice();
    view->setDocument(idle);
    document->setDocumentLayout(nullptr);   // made again when the view asks
    fill();
    // The new layout keeps measuring for the zoom.
    if (zoom)
        document->documentLayout()->setPaintDevice(zoom);
    view->setDocument(document);
}
}   // namespace

void TRichEdit::SetTextKeepingMode(const QString& textWithLf)
{
    rawValid_ = false;
    keptStray_ = 0;
    droppedRtf_ = false;
    if (plainText_) {
        FillPlain([&](const PieceSink& add) {
            constexpr qsizetype kChunk = 1 << 20;
            for (qsizetype from = 0; from < textWithLf.size(); from += kChunk)
                add(textWithLf.mid(from, kChunk));
        });
    } else {
        // Rich mode: plain text arrives in the control's font.
        quiet_ = true;
        FillWithoutLayout(rich_, spareRich_, doc_, [&] {
            doc_->clear();
            pieces_.Clear();
            piecesMade_ = false;
            QTextCursor c(doc_);
            QTextCharFormat format;
            format.setFont(controlFont_);
            format.setForeground(controlColour_);
            c.insertText(textWithLf, format);
        });
        quiet_ = false;
        rich_->moveCursor(QTextCursor::Start);
        NotifySelection();
    }
}

void TRichEdit::FillPlain(const std::function<void(const PieceSink& add)>& produce)
{
    quiet_ = true;
    droppedRtf_ = false;
    // Formats first: changing them after the text would touch every line.
    doc_->setUndoRedoEnabled(false);
    filling_ = true;
    colouring_->Forget();
    doc_->clear();
    ApplyPlainFormat();
    QTextCursor c(doc_);
    c.beginEditBlock();
    // Appended in order, so the pieces made are where they stay.
    std::vector<int> starts;
    const auto finish = [&] {
        c.endEditBlock();
        filling_ = false;
        piecesMade_ = !starts.empty();
        pieces_.Assign(std::move(starts));
        doc_->setUndoRedoEnabled(true);
        plain_->setTextCursor(QTextCursor(doc_));
        quiet_ = false;
    };
    try {
        produce([&](const QString& piece) { InsertPieced(c, piece, pieceLength_, &starts); });
    } catch (...) {
        finish();
        throw;
    }
    finish();
    NotifySelection();
}

void TRichEdit::SetText(const QString& text)
{
    SetTextKeepingMode(NormalizeLineBreaks(text));
}

QString TRichEdit::Line(int index) const
{
    QTextBlock block = FirstBlockOfLine(index);
    if (!block.isValid())
        return {};
    QString line = block.text();
    for (block = block.next(); block.isValid() && ContinuesLine(block); block = block.next())
        line += block.text();
    return ToCrLf(line);
}

int TRichEdit::LineCount() const
{
    return document()->blockCount() - pieces_.Count();
}

int TRichEdit::TextLength() const
{
    return document()->characterCount() - 1 - pieces_.Count();
}

QTextBlock TRichEdit::FirstBlockOfLine(int line) const
{
    if (line < 0)
        return {};
    return doc_->findBlockByNumber(pieces_.Empty() ? line : pieces_.FirstBlockOfLine(*doc_, line));
}

int TRichEdit::LineOfBlock(const QTextBlock& block) const
{
    return block.blockNumber() - pieces_.StartsUpTo(block.position());
}

QString TRichEdit::WithoutSeams(const QString& raw, int docFrom) const
{
    // raw is the document's text from docFrom on; each seam is one
    // separator character in it.
    const std::vector<int>& starts = pieces_.Starts();
    auto it = std::upper_bound(starts.begin(), starts.end(), docFrom);
    if (it == starts.end() || *it - 1 - docFrom >= raw.size())
        return raw;
    QString out;
    out.reserve(raw.size());
    qsizetype at = 0;
    for (; it != starts.end() && *it - 1 - docFrom < raw.size(); ++it) {
        const qsizetype seam = *it - 1 - docFrom;
        out.append(QStringView(raw).sliced(at, seam - at));
        at = seam + 1;
    }
    out.append(QStringView(raw).sliced(at));
    return out;
}

void TRichEdit::ForEachPlainPiece(const std::function<void(QStringView piece)>& f) const
{
    if (pieces_.Empty()) {
        ForEachTextPiece(*doc_, f);
        return;
    }
    const std::vector<int>& starts = pieces_.Starts();
    size_t next = 0;
    qsizetype at = 0;   // document position of the piece's first character
    ForEachTextPiece(*doc_, [&](QStringView piece) {
        while (next < starts.size() && starts[next] - 1 < at + piece.size()) {
            const qsizetype seam = starts[next++] - 1 - at;
            if (seam > 0)
                f(piece.first(seam));
            piece = piece.sliced(seam + 1);
            at += seam + 1;
        }
        if (!piece.isEmpty())
            f(piece);
        at += piece.size();
    });
}

namespace {
// Counts the editor's own edits, which keep the marks themselves.
class Busy {
public:
    explicit Busy(int& count) : count_(count) { ++count_; }
    ~Busy() { --count_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    int& count_;
};
}   // namespace

void TRichEdit::PiecesChanged(int from, int removed, int added)
{
    if (filling_ || !piecesMade_)
        return;
    // A removal by the view itself may have emptied the block it began in,
    // which Qt then drops whole (see RemoveSelection): noted here with the
    // mark the position had, repaired once the view is done.
    if (selfEditing_ == 0 && removed > 0) {
        const QTextBlock block = doc_->findBlock(from);
        const bool was = from > 0 && std::binary_search(pieces_.Starts().begin(), pieces_.Starts().end(), from);
        if (block.position() == from && block.blockFormat().boolProperty(kContinuesLine) != was)
            repair_ = std::pair{from, was};
    }
    pieces_.Changed(*doc_, from, removed, added);
}

void TRichEdit::TrackChanges(bool on)
{
    tracking_ = on;
    changes_ = TextChanges{};
    changes_.whole = on;
    trackedAdded_ = 0;
}

void TRichEdit::NoteChange(int from, int removed, int added)
{
    if (!tracking_ || changes_.whole || (removed == 0 && added == 0))
        return;
    const qsizetype length = doc_->characterCount() - 1;
    // A load, or much of the document new: one copy of the whole text at
    // the take costs less.
    const bool load = filling_;
    // Qt's counts may take in the document's final separator, which the
    // text lacks: clamped here exactly as the copy clamps them.
    from = int(std::clamp<qsizetype>(from, 0, trackedLength_));
    removed = int(std::clamp<qsizetype>(removed, 0, trackedLength_ - from));
    added = int(std::clamp<qsizetype>(added, 0, length - from));
    trackedLength_ += added - removed;
    trackedAdded_ += added;
    if (load || trackedLength_ != length || trackedAdded_ > length / 2 + (1 << 16)) {
        changes_ = TextChanges{};
        changes_.whole = true;
        trackedAdded_ = 0;
        return;
    }
    QString text = DocumentTextRange(*doc_, from, added);
    if (!changes_.changes.empty()) {
        // Typing and Backspace at the end of the last change extend it.
        TextChange& last = changes_.changes.back();
        const qsizetype lastEnd = qsizetype(last.from) + last.added.size();
        if (from >= last.from && from + removed == lastEnd && removed <= last.added.size()) {
            last.added.chop(removed);
            last.added += text;
            return;
        }
    }
    changes_.changes.push_back({from, removed, std::move(text)});
}

TextChanges TRichEdit::TakeChanges()
{
    TextChanges taken = std::exchange(changes_, TextChanges{});
    if (taken.whole) {
        taken.text = doc_->toRawText();
        trackedLength_ = taken.text.size();
    }
    taken.seams = pieces_.Starts();
    trackedAdded_ = 0;
    return taken;
}

void TRichEdit::RepairMark()
{
    if (!repair_)
        return;
    const auto [at, piece] = *repair_;
    repair_.reset();
    const Busy busy(selfEditing_);
    QTextCursor c(doc_);
    c.joinPreviousEditBlock();   // the same undo step as the edit
    KeepMark(at, piece);
    DropEmptyPiece(at);
    c.endEditBlock();
    NotifySelection();
}

void TRichEdit::KeepMark(int at, bool piece)
{
    // The first block never continues a line, nor carries the mark that a
    // break inserted in it would copy.
    piece = piece && at > 0;
    const QTextBlock block = doc_->findBlock(at);
    if (block.position() != at || block.blockFormat().boolProperty(kContinuesLine) == piece)
        return;
    QTextBlockFormat format = block.blockFormat();
    if (piece)
        format.setProperty(kContinuesLine, true);
    else
        format.clearProperty(kContinuesLine);
    QTextCursor(block).setBlockFormat(format);
}

void TRichEdit::DropEmptyPiece(int at)
{
    // An empty piece would show as an empty display line.
    const QTextBlock block = doc_->findBlock(at);
    if (block.length() != 1)
        return;
    const int start = block.position();
    const bool piece = ContinuesLine(block);
    QTextCursor c(doc_);
    if (block.next().isValid() && ContinuesLine(block.next())) {
        // Its separator is a seam: Qt drops the empty block, and the next
        // one takes its place and its mark.
        c.setPosition(start);
        c.deleteChar();
        KeepMark(start, piece);
    } else if (piece && block.previous().length() > 1) {
        // The seam before it goes: the piece before takes it in.
        c.setPosition(start - 1);
        c.deleteChar();
    }
}

void TRichEdit::RemoveSelection(QTextCursor& c)
{
    // Qt drops a block that a removal empties together with its separator,
    // and the block after it then begins there with its own format: a seam
    // would become a line break or a break a seam. The block that now
    // begins where the removal began gets back the mark that place had.
    if (!c.hasSelection())
        return;
    const int at = c.selectionStart();
    const QTextBlock block = doc_->findBlock(at);
    const bool startsBlock = block.position() == at;
    const bool piece = ContinuesLine(block);
    c.removeSelectedText();
    if (startsBlock)
        KeepMark(at, piece);
    if (piecesMade_)
        DropEmptyPiece(at);
}

void TRichEdit::Clear()
{
    SetTextKeepingMode(QString());
}

int TRichEdit::SelStart() const
{
    return ToText(textCursor().selectionStart());
}

void TRichEdit::SetSelStart(int pos)
{
    QTextCursor c = textCursor();
    c.setPosition(ToDocument(std::clamp(pos, 0, TextLength())));
    setTextCursor(c);
}

int TRichEdit::SelLength() const
{
    const QTextCursor c = textCursor();
    return ToText(c.selectionEnd()) - ToText(c.selectionStart());
}

void TRichEdit::SetSelLength(int length)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int end = std::clamp(ToText(start) + std::max(length, 0), 0, TextLength());
    c.setPosition(start);
    c.setPosition(ToDocument(end), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString TRichEdit::SelText() const
{
    const QTextCursor c = textCursor();
    return ToCrLf(WithoutSeams(c.selectedText(), c.selectionStart()));
}

int TRichEdit::CaretPosition() const
{
    return ToText(textCursor().position());
}

QString TRichEdit::TextRange(int start, int length) const
{
    start = std::clamp(start, 0, TextLength());
    const int end = std::clamp(start + std::max(length, 0), start, TextLength());
    QTextCursor c(doc_);
    c.setPosition(ToDocument(start, true));
    c.setPosition(std::max(c.position(), ToDocument(end)), QTextCursor::KeepAnchor);
    return ToCrLf(WithoutSeams(c.selectedText(), c.selectionStart()));
}

QChar TRichEdit::CharAt(int pos) const
{
    return doc_->characterAt(ToDocument(pos, true));
}

void TRichEdit::InsertPlain(QTextCursor& c, const QString& text)
{
    if (!plainText_) {
        c.insertText(text);
        return;
    }
    // One undo step, as insertText over a selection is.
    const Busy busy(selfEditing_);
    c.beginEditBlock();
    RemoveSelection(c);
    // At a seam the text goes to the end of the piece before it: a break
    // at a piece's start would leave that piece empty, and undoing the
    // break would then drop it, mark and all.
    while (c.atBlockStart() && ContinuesLine(c.block()))
        c.setPosition(c.position() - 1);
    std::vector<int> made;
    InsertPieced(c, text, pieceLength_, &made);
    piecesMade_ = piecesMade_ || !made.empty();
    if (piecesMade_) {
        const int at = c.position();
        DropEmptyPiece(at);
        c.setPosition(std::min(at, doc_->characterCount() - 1));
    }
    c.endEditBlock();
}

void TRichEdit::ReplaceSelection(const QString& text)
{
    QTextCursor c = textCursor();
    InsertPlain(c, NormalizeLineBreaks(text));
    setTextCursor(c);
}

void TRichEdit::SelectAllText()
{
    OnView([](auto* v) { v->selectAll(); });
}

CharAttributes TRichEdit::SelAttributes() const
{
    const QTextCharFormat format = textCursor().charFormat();
    const QFont f = format.font();
    CharAttributes a;
    a.name = f.family();
    a.size = f.pointSizeF() > 0 ? f.pointSizeF() : controlFont_.pointSizeF();
    a.bold = f.bold();
    a.italic = f.italic();
    a.underline = f.underline();
    a.colour = format.foreground().style() == Qt::NoBrush ? controlColour_ : format.foreground().color();
    return a;
}

void TRichEdit::MergeFormat(const QTextCharFormat& format)
{
    // Without a selection the format applies to the text typed next.
    OnView([&](auto* v) { v->mergeCurrentCharFormat(format); });
}

void TRichEdit::SetSelBold(bool on)
{
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    MergeFormat(f);
}

void TRichEdit::SetSelItalic(bool on)
{
    QTextCharFormat f;
    f.setFontItalic(on);
    MergeFormat(f);
}

void TRichEdit::SetSelUnderline(bool on)
{
    QTextCharFormat f;
    f.setFontUnderline(on);
    MergeFormat(f);
}

void TRichEdit::SetSelFontName(const QString& name)
{
    QTextCharFormat f;
    f.setFontFamilies({name});
    MergeFormat(f);
}

void TRichEdit::SetSelSize(double points)
{
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    MergeFormat(f);
}

void TRichEdit::SetSelColour(const QColor& colour)
{
    QTextCharFormat f;
    f.setForeground(colour);
    MergeFormat(f);
}

CharAttributes TRichEdit::DefAttributes() const
{
    const QFont f = document()->defaultFont();
    CharAttributes a;
    a.name = f.family();
    a.size = f.pointSizeF();
    a.bold = f.bold();
    a.italic = f.italic();
    a.underline = f.underline();
    const QTextCharFormat typing = OnView([](auto* v) { return v->currentCharFormat(); });
    a.colour = typing.foreground().style() == Qt::NoBrush ? controlColour_ : typing.foreground().color();
    return a;
}

void TRichEdit::SetDefAttributes(const CharAttributes& a)
{
    QFont f(a.name);
    if (a.size > 0)
        f.setPointSizeF(a.size);
    f.setBold(a.bold);
    f.setItalic(a.italic);
    f.setUnderline(a.underline);
    document()->setDefaultFont(f);
    QTextCharFormat format;
    format.setFont(f);
    if (a.colour.isValid())
        format.setForeground(a.colour);
    OnView([&](auto* v) { v->setCurrentCharFormat(format); });
}

int TRichEdit::ParaAlignment() const
{
    const Qt::Alignment a = textCursor().blockFormat().alignment();
    if (a & Qt::AlignHCenter)
        return AlignCenterCode;
    if (a & Qt::AlignRight)
        return AlignRightCode;
    return AlignLeftCode;
}

void TRichEdit::SetParaAlignment(int code)
{
    QTextBlockFormat f;
    f.setAlignment(code == AlignCenterCode  ? Qt::AlignHCenter
                   : code == AlignRightCode ? Qt::AlignRight
                                            : (Qt::AlignLeft | Qt::AlignAbsolute));
    textCursor().mergeBlockFormat(f);
}

double TRichEdit::FirstIndent() const
{
    return textCursor().blockFormat().textIndent();
}
double TRichEdit::LeftIndent() const
{
    return textCursor().blockFormat().leftMargin();
}
double TRichEdit::RightIndent() const
{
    return textCursor().blockFormat().rightMargin();
}

void TRichEdit::SetFirstIndent(double value)
{
    QTextBlockFormat f;
    f.setTextIndent(value);
    textCursor().mergeBlockFormat(f);
}

void TRichEdit::SetLeftIndent(double value)
{
    QTextBlockFormat f;
    f.setLeftMargin(value);
    textCursor().mergeBlockFormat(f);
}

void TRichEdit::SetRightIndent(double value)
{
    QTextBlockFormat f;
    f.setRightMargin(value);
    textCursor().mergeBlockFormat(f);
}

void TRichEdit::SetNumberingOff()
{
    QTextCursor c = textCursor();
    const QTextBlock first = document()->findBlock(c.selectionStart());
    const QTextBlock last = document()->findBlock(c.selectionEnd());
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (QTextList* list = b.textList())
            list->remove(b);
        QTextCursor bc(b);
        QTextBlockFormat f = b.blockFormat();
        f.setIndent(0);
        bc.setBlockFormat(f);
        if (b == last)
            break;
    }
}

void TRichEdit::SetNumberingOn()
{
    textCursor().createList(QTextListFormat::ListDecimal);
}

bool TRichEdit::ParaNumbered() const
{
    return textCursor().block().textList() != nullptr;
}

int TRichEdit::TabCount() const
{
    return int(textCursor().blockFormat().tabPositions().size());
}

double TRichEdit::Tab(int index) const
{
    const auto tabs = textCursor().blockFormat().tabPositions();
    return index >= 0 && index < tabs.size() ? tabs.at(index).position : 0.0;
}

void TRichEdit::SetTabs(const QList<double>& positions)
{
    QList<QTextOption::Tab> tabs;
    for (double p : positions)
        tabs.append(QTextOption::Tab(p, QTextOption::LeftTab));
    QTextBlockFormat f;
    f.setTabPositions(tabs);
    textCursor().mergeBlockFormat(f);
}

namespace {
void SetTextColour(QWidget* view, const QColor& colour)
{
    if (view->palette().color(QPalette::Text) != colour) {
        QPalette p = view->palette();
        p.setColor(QPalette::Text, colour);
        view->setPalette(p);
    }
}
}   // namespace

void TRichEdit::ApplyPlainFormat()
{
    // Plain text has no formats of its own: everything shows in the
    // control's font and colour.
    if (doc_->defaultFont() != controlFont_)
        doc_->setDefaultFont(controlFont_);
    SetTextColour(plain_, controlColour_);
    // Without this, new text would take the format at the caret.
    plain_->setCurrentCharFormat(QTextCharFormat());
}

void TRichEdit::SetControlFont(const QFont& font, const QColor& colour)
{
    controlFont_ = font;
    // Ligatures and kerning of Latin text are cosmetic; skipping them halves
    // the layout of large documents. Scripts that need shaping still get it.
    controlFont_.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    controlColour_ = colour.isValid() ? colour : plain_->palette().color(QPalette::Text);
    // A view hands a font change on to the document it shows.
    rich_->setFont(controlFont_);
    plain_->setFont(controlFont_);
    SetTextColour(rich_, controlColour_);
    if (plainText_)
        ApplyPlainFormat();
    else
        doc_->setDefaultFont(controlFont_);
    if (gutter_) {
        gutter_->SetTextFont(GutterFont());
        gutterWidth_ = -1;
        PlaceGutter();
    }
}

void TRichEdit::SetSyntaxColouring(bool on)
{
    colouringWanted_ = on;
    UpdateColouring();
}

void TRichEdit::SetSyntaxFileName(const QString& fileName)
{
    colouringName_ = fileName;
    UpdateColouring();
}

void TRichEdit::UpdateColouring()
{
    colouring_->SetLanguage(LanguageForFile(colouringName_));
    colouring_->SetEnabled(colouringWanted_ && plainText_);
}

QColor TRichEdit::ShownColourAt(int pos) const
{
    if (!plainText_)
        return {};
    const int at = ToDocument(pos);
    const QTextBlock block = doc_->findBlock(at);
    if (!block.isValid() || !block.layout())
        return {};
    const int inBlock = at - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (inBlock >= range.start && inBlock < range.start + range.length &&
            range.format.hasProperty(QTextFormat::ForegroundBrush))
            return range.format.foreground().color();
    return {};
}

void TRichEdit::SetPlainTextMode(bool plain)
{
    if (plain == plainText_)
        return;
    const bool modified = Modified();
    if (plain) {
        QString lf = RawText();
        lf.replace(kParagraphSeparator, QLatin1Char('\n'));
        lf.replace(kLineSeparator, QLatin1Char('\n'));
        // Emptied first: the plain view would lay out the old text once more.
        doc_->clear();
        MoveDocument(true);
        SetTextKeepingMode(lf);
    } else {
        JoinPieces();
        MoveDocument(false);
        doc_->setDefaultFont(controlFont_);
    }
    rawValid_ = false;
    SetModified(modified);
}

void TRichEdit::JoinPieces()
{
    // Rich text has no pieces. The history goes, as it could bring seams
    // back.
    if (!piecesMade_)
        return;
    quiet_ = true;
    const QTextCursor old = textCursor();
    const int anchor = ToText(old.anchor());
    const int position = ToText(old.position());
    doc_->setUndoRedoEnabled(false);
    QTextCursor c(doc_);
    c.beginEditBlock();
    const std::vector<int> starts = pieces_.Starts();
    for (auto it = starts.crbegin(); it != starts.crend(); ++it) {
        c.setPosition(*it - 1);
        c.deleteChar();
    }
    pieces_.Clear();
    piecesMade_ = false;
    c.endEditBlock();
    doc_->setUndoRedoEnabled(true);
    c.setPosition(anchor);
    c.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(c);
    quiet_ = false;
}

bool TRichEdit::WordWrap() const
{
    return wordWrap_;
}

void TRichEdit::SetOverwriteMode(bool on)
{
    overwrite_ = on;
    rich_->setOverwriteMode(on);
    plain_->setOverwriteMode(on);
}

void TRichEdit::SetWordWrap(bool on)
{
    wordWrap_ = on;
    const Qt::ScrollBarPolicy horizontal = on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    rich_->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    rich_->setHorizontalScrollBarPolicy(horizontal);
    plain_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    plain_->setHorizontalScrollBarPolicy(horizontal);
}

bool TRichEdit::Modified() const
{
    return document()->isModified();
}
void TRichEdit::SetModified(bool modified)
{
    document()->setModified(modified);
}
bool TRichEdit::CanUndo() const
{
    return document()->isUndoAvailable();
}

void TRichEdit::UndoStep()
{
    if (CanUndo()) {
        // Undo puts back marks as they were: nothing to repair.
        const Busy busy(selfEditing_);
        OnView([](auto* v) { v->undo(); });
    }
}

bool TRichEdit::CanRedo() const
{
    return document()->isRedoAvailable();
}

void TRichEdit::RedoStep()
{
    if (CanRedo()) {
        // Redo puts back marks as they were, as undo does.
        const Busy busy(selfEditing_);
        OnView([](auto* v) { v->redo(); });
    }
}

void TRichEdit::SetZoom(int percent)
{
    percent = ClampZoom(percent);
    if (percent == zoom_)
        return;
    zoom_ = percent;
    ApplyZoom();
}

void TRichEdit::ApplyZoom()
{
    // The layout measures for a device of a scaled resolution, so fonts of
    // every size grow alike, in both views, and the document is untouched.
    QPaintDevice* device = nullptr;
    if (zoom_ != kZoomNormal) {
        if (!zoomDevice_)
            zoomDevice_ = new TZoomDevice;
        zoomDevice_->SetPercent(zoom_);
        device = zoomDevice_;
    }
    QAbstractTextDocumentLayout* layout = doc_->documentLayout();
    if (device || layout->paintDevice()) {
        layout->setPaintDevice(device);
        doc_->markContentsDirty(0, doc_->characterCount());
    }
    if (gutter_) {
        gutter_->SetTextFont(GutterFont());
        gutterWidth_ = -1;
        PlaceGutter();
    }
    View()->viewport()->update();
}

QFont TRichEdit::GutterFont() const
{
    QFont font = controlFont_;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom_ / kZoomNormal);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * zoom_ / kZoomNormal));
    return font;
}

bool TRichEdit::WheelZooms(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    wheelForZoom_ += event->angleDelta().y();
    for (; wheelForZoom_ >= 120; wheelForZoom_ -= 120)
        ZoomIn();
    for (; wheelForZoom_ <= -120; wheelForZoom_ += 120)
        ZoomOut();
    event->accept();
    return true;
}

void TRichEdit::SetLineNumbers(bool on)
{
    lineNumbers_ = on;
    if (on && !gutter_) {
        gutter_ = new TLineGutter(this, plain_);
        gutter_->SetTextFont(GutterFont());
        connect(plain_, &QPlainTextEdit::updateRequest, gutter_, [this](const QRect& rect, int dy) {
            if (dy != 0)
                gutter_->scroll(0, dy);
            else
                gutter_->update(0, rect.y(), gutter_->width(), rect.height());
        });
        connect(plain_, &QPlainTextEdit::blockCountChanged, this, &TRichEdit::PlaceGutter);
        // The highlight moves only when the caret changes lines.
        connect(plain_, &QPlainTextEdit::cursorPositionChanged, gutter_, [this] {
            const int line = LineFromChar(CaretPosition());
            if (line != gutterCaretLine_) {
                gutterCaretLine_ = line;
                gutter_->update();
            }
        });
    }
    if (!gutter_)
        return;
    gutter_->setVisible(on);
    gutterWidth_ = -1;
    PlaceGutter();
}

void TRichEdit::PlaceGutter()
{
    if (!gutter_)
        return;
    // Looked at on every change of the line count: the width only changes
    // with the number of digits.
    const int width = lineNumbers_ ? gutter_->WidthFor(LineCount()) : 0;
    if (width != gutterWidth_) {
        gutterWidth_ = width;
        plain_->SetLeftMargin(width);
    }
    const QRect area = plain_->contentsRect();
    gutter_->setGeometry(area.left(), area.top(), width, plain_->viewport()->height());
}

void TRichEdit::UpdateGutter()
{
    if (gutter_ && lineNumbers_)
        gutter_->update();
}

QWidget* TRichEdit::Gutter() const
{
    return gutter_;
}

std::vector<TRichEdit::GutterRow> TRichEdit::VisibleLineRows() const
{
    std::vector<GutterRow> rows;
    if (!plainText_)
        return rows;
    int line = -1;
    plain_->ForVisibleBlocks([&](const QTextBlock& block, int top, int height) {
        if (line < 0)
            line = LineOfBlock(block);
        else if (!ContinuesLine(block))
            ++line;
        if (!ContinuesLine(block))
            rows.push_back({line, top, height});
    });
    return rows;
}

void TRichEdit::EmptyUndoBuffer()
{
    document()->clearUndoRedoStacks();
    // Without a history nothing can bring back a piece that is gone.
    piecesMade_ = !pieces_.Empty();
}

int TRichEdit::UndoSteps() const
{
    return doc_->availableUndoSteps();
}
int TRichEdit::Revision() const
{
    return doc_->revision();
}

int TRichEdit::FindText(const QString& text, int start, int length, bool matchCase, bool wholeWord) const
{
    const QString& raw = RawText();
    const qsizetype from = std::clamp<qsizetype>(start, 0, raw.size());
    const qsizetype end = length < 0 ? raw.size() : std::min<qsizetype>(raw.size(), from + qsizetype(length));
    return int(
        FindInText(raw, ToSeparators(text), from, end, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive, wholeWord));
}

int TRichEdit::ReplaceAll(const QString& text, const QString& replacement, bool matchCase, bool wholeWord)
{
    const QString needle = ToSeparators(text);
    const QList<qsizetype> hits =
        FindAllInText(RawText(), needle, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive, wholeWord);
    if (hits.isEmpty())
        return 0;
    const QString with = ToSeparators(replacement);
    const Busy busy(selfEditing_);
    QTextCursor c(document());
    c.beginEditBlock();
    // Last match first, so the positions before it stay valid (the piece
    // index too, which follows only at the end). Editing each match in
    // place keeps the formats around it and the blocks between.
    int changedEnd = -1;   // document position after the last replacement
    int countThen = 0;
    for (auto it = hits.crbegin(); it != hits.crend(); ++it) {
        c.setPosition(ToDocument(int(*it), true));
        c.setPosition(std::max(c.position(), ToDocument(int(*it + needle.size()))), QTextCursor::KeepAnchor);
        if (with.isEmpty())
            RemoveSelection(c);
        else
            InsertPlain(c, with);
        if (changedEnd < 0) {
            changedEnd = c.position();
            countThen = doc_->characterCount();
        }
    }
    // Removed breaks may have joined lines and longer replacements grown
    // them: what is now too long goes into pieces, in the same undo step.
    if (plainText_)
        SplitLongBlocks(c, c.position(), changedEnd + doc_->characterCount() - countThen);
    c.endEditBlock();
    const qsizetype end = hits.back() + with.size() + (hits.size() - 1) * (with.size() - needle.size());
    QTextCursor caret = textCursor();
    caret.setPosition(ToDocument(int(end)));
    setTextCursor(caret);
    return int(hits.size());
}

int TRichEdit::BlockCount() const
{
    return doc_->blockCount();
}

int TRichEdit::BlockStart(int block) const
{
    const QTextBlock b = doc_->findBlockByNumber(block);
    return b.isValid() ? b.position() : -1;
}

int TRichEdit::BlockLength(int block) const
{
    const QTextBlock b = doc_->findBlockByNumber(block);
    return b.isValid() ? b.length() - 1 : -1;
}

void TRichEdit::SetBlockSelection(int anchor, int position)
{
    const int last = doc_->characterCount() - 1;
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(anchor, 0, last));
    c.setPosition(std::clamp(position, 0, last), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

int TRichEdit::BlockLayoutLines(int block) const
{
    const QTextBlock b = doc_->findBlockByNumber(block);
    return b.isValid() && b.layout() ? b.layout()->lineCount() : 0;
}

qreal TRichEdit::BlockHeight(int block) const
{
    const QTextBlock b = doc_->findBlockByNumber(block);
    return b.isValid() ? doc_->documentLayout()->blockBoundingRect(b).height() : 0;
}

bool TRichEdit::HasLayout() const
{
    // documentLayout() would make one.
    return doc_->findChild<QAbstractTextDocumentLayout*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

QSizeF TRichEdit::LayoutSize() const
{
    return doc_->documentLayout()->documentSize();
}

int TRichEdit::LineFromChar(int pos) const
{
    const QTextBlock block = document()->findBlock(ToDocument(std::clamp(pos, 0, TextLength())));
    return block.isValid() ? LineOfBlock(block) : 0;
}

int TRichEdit::LineIndex(int line) const
{
    const QTextBlock block = FirstBlockOfLine(line);
    return block.isValid() ? ToText(block.position()) : -1;
}

int TRichEdit::FirstVisibleLine() const
{
    return OnView([this](auto* v) { return LineOfBlock(v->FirstBlock()); });
}

void TRichEdit::LineScroll(int lines)
{
    const int target = std::clamp(FirstVisibleLine() + lines, 0, LineCount() - 1);
    const QTextBlock block = FirstBlockOfLine(target);
    if (plainText_) {
        // The plain view scrolls by display lines.
        plain_->verticalScrollBar()->setValue(block.firstLineNumber());
    } else {
        const QRectF rect = doc_->documentLayout()->blockBoundingRect(block);
        rich_->verticalScrollBar()->setValue(int(rect.top()));
    }
}

namespace {
AppError TooManyLines(const QString& path, int maxLines)
{
    // One arg() for both: a "%2" in the file name must stay as it is.
    return AppError(QCoreApplication::translate("TRichEdit", "Cannot open file \"%1\". It has more than %2 lines.")
                        .arg(path, QString::number(maxLines)));
}
}   // namespace

namespace {
// Reading takes this share of a load's progress, making the text the rest.
constexpr int kReadShare = 30;
constexpr qint64 kProgressChunk = 1 << 20;

QByteArray ReadReporting(QFile& file, qint64 size, const std::function<void(int)>& report)
{
    QByteArray bytes;
    bytes.resize(qsizetype(size));
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes.data() + got, std::min(kProgressChunk, size - got));
        if (n <= 0)
            break;
        got += n;
        report(int(got * kReadShare / size));
    }
    bytes.resize(qsizetype(got));
    // A file that grew meanwhile is read to its end as well.
    if (got == size)
        bytes += file.readAll();
    return bytes;
}
}   // namespace

void TRichEdit::LoadFromFile(const QString& path, const ProgressStep& progress)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        //: %1 is the file, %2 why it cannot be opened
        throw AppError(tr("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    if (info.size() > kMaxFileBytes)
        throw AppError(
            tr("Cannot open file \"%1\". It is larger than %2 MB.").arg(path, QString::number(kMaxFileBytes >> 20)));
    const auto report = [&](int percent) {
        if (progress && !progress(percent))
            throw LoadCancelled();
    };
    const QByteArray bytes = progress ? ReadReporting(file, info.size(), report) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        //: %1 is the file, %2 why it cannot be read
        throw AppError(tr("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    file.close();

    rawValid_ = false;
    if (!plainText_ && LooksLikeRtf(bytes)) {
        // A paragraph takes at least two bytes (a backslash ending a line).
        if (bytes.size() / 2 >= maxLines_ && CountRtfParagraphs(bytes) >= maxLines_)
            throw TooManyLines(path, maxLines_);
        LoadRtfBytes(bytes);
        return;
    }
    if (plainText_) {
        const TextSurvey survey = SurveyText(bytes);
        RefuseTooLong(path, bytes, survey.format, survey.lineBreaks);
        storedFormat_ = survey.format;
        // Piece by piece: the whole text is never held twice.
        qint64 decoded = 0;
        const qint64 total = std::max<qint64>(1, bytes.size());
        FillPlain([&](const PieceSink& add) {
            DecodeInChunks(bytes, storedFormat_, kProgressChunk, [&](QString&& piece) {
                add(piece);
                decoded += piece.size();
                if (progress)
                    report(kReadShare + int(std::min<qint64>(decoded, total) * (100 - kReadShare) / total));
            });
        });
        keptStray_ = survey.strayBytes;
        // Read and filled: too late to stop, and line breaks of two bytes
        // made fewer characters than bytes.
        if (progress)
            progress(100);
    } else {
        // Rich mode saves RTF: the text is read for its characters, not
        // its bytes; every CR, LF and CR LF is a break.
        const auto breaks = [&](LineBreakStyle style) { return CountLineBreaks(bytes, TextFormat{{}, style}); };
        const TextFormat format = DetectFormat(bytes);
        RefuseTooLong(path, bytes, format,
                      breaks(LineBreakStyle::Lf) + breaks(LineBreakStyle::Cr) - breaks(LineBreakStyle::CrLf));
        DecodedText decoded = DecodeText(bytes);
        SetTextKeepingMode(decoded.text);
        storedFormat_ = decoded.format;
    }
    rawValid_ = false;
    FinishLoad();
}

void TRichEdit::RefuseTooLong(const QString& path, const QByteArray& bytes, const TextFormat& format,
                              qsizetype lineBreaks) const
{
    // Positions are ints, and pieces add document positions of their own:
    // a text that would not fit is refused before anything changes. A
    // decoded text is never longer than its bytes, so it is counted only
    // when the bytes alone do not settle it.
    const auto tooLong = [&](qint64 length) {
        const qint64 seams = plainText_ ? MostPieces(length, pieceLength_) : 0;
        return length + seams > maxLength_;
    };
    if (tooLong(bytes.size()) && tooLong(DecodedLength(bytes, format)))
        throw AppError(tr("Cannot open file \"%1\". Its text is longer than %2 characters.")
                           .arg(path, QString::number(maxLength_)));
    // Each line is a block of Qt's document, with a cost in time and memory
    // of its own: a gigabyte of short lines would take minutes and
    // gigabytes, one of line breaks alone more memory than there is.
    if (lineBreaks >= maxLines_)
        throw TooManyLines(path, maxLines_);
}

QByteArray TRichEdit::RtfBytes() const
{
    return WriteRtf(*doc_);
}

void TRichEdit::LoadRtfBytes(const QByteArray& rtf)
{
    rawValid_ = false;
    const auto read = [&] { droppedRtf_ = ReadRtf(rtf, *doc_).droppedContent; };
    if (plainText_) {
        read();
    } else {
        quiet_ = true;
        FillWithoutLayout(rich_, spareRich_, doc_, read);
        quiet_ = false;
    }
    storedFormat_ = TextFormat();
    keptStray_ = 0;
    rich_->moveCursor(QTextCursor::Start);
    NotifySelection();
    rawValid_ = false;
    FinishLoad();
}

void TRichEdit::FinishLoad()
{
    EmptyUndoBuffer();
    SetModified(false);
}

void TRichEdit::SaveToFile(const QString& path, const ProgressStep& progress)
{
    // The encoding changes only when the user says so (UseUtf8Encoding).
    if (NeedsWiderEncoding())
        throw AppError(tr("%1: It holds characters that Windows-1252 cannot store.").arg(path));
    // Written beside the target and put in its place only when every byte
    // reached the disk, so a failure keeps the old file whole.
    SafeFile file(path);
    const auto fail = [&] { throw AppError(QStringLiteral("%1: %2").arg(path, file.ErrorString())); };
    if (!file.Open())
        fail();
    if (plainText_) {
        WritePlain(file.Device(), fail, progress);
    } else if (!file.Write(WriteRtf(*doc_))) {
        fail();
    }
    if (!file.Commit())
        fail();
}

bool TRichEdit::NeedsWiderEncoding() const
{
    if (!plainText_ || storedFormat_.encoding != TextEncoding::Windows1252)
        return false;
    if (!fits1252_) {
        bool fits = true;
        ForEachPlainPiece([&](QStringView piece) { fits = fits && FitsWindows1252(piece); });
        fits1252_ = fits;
    }
    return !*fits1252_;
}

void TRichEdit::UseUtf8Encoding()
{
    if (storedFormat_.encoding == TextEncoding::Windows1252)
        storedFormat_.encoding = TextEncoding::Utf8;
}

qint64 TRichEdit::EncodedSize() const
{
    const TextFormat format = storedFormat_;
    constexpr qsizetype kSlice = 16 * 1024;   // characters
    std::vector<char> scratch(size_t(TextEncoder::MaxBytes(kSlice)));
    TextEncoder encoder(format);
    qint64 size = encoder.Start(scratch.data());
    ForEachPlainPiece([&](QStringView piece) {
        while (!piece.isEmpty()) {
            const QStringView slice = piece.first(std::min(piece.size(), kSlice));
            size += encoder.Encode(slice, scratch.data());
            piece = piece.sliced(slice.size());
        }
    });
    return size + encoder.Finish(scratch.data());
}

void TRichEdit::WritePlain(QIODevice& file, const std::function<void()>& fail, const ProgressStep& progress)
{
    const qint64 total = std::max(1, TextLength());
    qint64 done = 0;
    // Encoded in slices and written by a second thread while the next
    // megabyte is encoded; a large document is never held a second time.
    constexpr qsizetype kSlice = 64 * 1024;   // characters
    constexpr qsizetype kFlushAt = 1 << 20;   // bytes
    PipelinedWriter writer(file, kFlushAt + TextEncoder::MaxBytes(kSlice));
    qsizetype used = 0;
    bool ok = true;
    TextEncoder encoder(storedFormat_);
    used += encoder.Start(writer.Buffer());
    ForEachPlainPiece([&](QStringView piece) {
        while (ok && !piece.isEmpty()) {
            const QStringView slice = piece.first(std::min(piece.size(), kSlice));
            used += encoder.Encode(slice, writer.Buffer() + used);
            piece = piece.sliced(slice.size());
            done += slice.size();
            if (used >= kFlushAt) {
                ok = writer.Submit(used);
                used = 0;
                if (progress)
                    progress(int(std::min(done, total) * 100 / total));
            }
        }
    });
    used += encoder.Finish(writer.Buffer() + used);
    if (!writer.Submit(used) || !writer.Finish())
        fail();
}

void TRichEdit::PrintDocument(const QString& title, QPrinter& printer) const
{
    printer.setDocName(title);
    if (pieces_.Empty()) {
        document()->print(&printer);
        return;
    }
    // Seams are no line breaks on paper either.
    QTextDocument joined;
    joined.setDefaultFont(doc_->defaultFont());
    joined.setPlainText(QString(RawText()).replace(kParagraphSeparator, QLatin1Char('\n')));
    joined.print(&printer);
}

void TRichEdit::KeyPress(QKeyEvent* event, const std::function<void(QKeyEvent*)>& viewKeys)
{
    const auto viewHandles = [&](QKeyEvent* e) {
        if (!KeyAtSeam(e, viewKeys))
            viewKeys(e);
        // Undo and redo put back marks as they were.
        if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo))
            repair_.reset();
        else
            RepairMark();
    };
    if (redoKeysToWindow_ && IsRedoKey(event)) {
        event->ignore();
        return;
    }
    int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (onKeyDown) {
        onKeyDown(key, modifiers);
        if (key == 0) {
            event->accept();
            return;
        }
    }
    QString text = event->text();
    // Shift+Enter would start a soft line inside the paragraph; here every
    // line break is a paragraph break.
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isEnter)
        text = QStringLiteral("\r");
    // Delete's text (DEL on X11) is no typed character.
    if (text.size() == 1 && onKeyPress && event->key() != Qt::Key_Delete) {
        QChar c = text.at(0);
        const QChar typed = c;
        onKeyPress(c);
        if (c.isNull()) {
            event->accept();
            return;
        }
        if (c != typed) {
            QKeyEvent changed(event->type(), 0, modifiers & ~Qt::ShiftModifier, QString(c));
            viewHandles(&changed);
            return;
        }
    }
    if (isEnter && (modifiers & Qt::ShiftModifier)) {
        QKeyEvent plainEnter(event->type(), event->key(), modifiers & ~Qt::ShiftModifier, QStringLiteral("\r"));
        viewHandles(&plainEnter);
        return;
    }
    viewHandles(event);
}

bool TRichEdit::KeyAtSeam(QKeyEvent* event, const std::function<void(QKeyEvent*)>& viewHandles)
{
    if (!plainText_ || !piecesMade_)
        return false;
    const int key = event->key();
    QTextCursor c = plain_->textCursor();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !(event->modifiers() & ~Qt::KeypadModifier)) {
        // The view's own break would take the mark of a piece it splits.
        InsertPlain(c, QStringLiteral("\n"));
        plain_->setTextCursor(c);
        plain_->ensureCursorVisible();
        event->accept();
        return true;
    }
    if (!c.hasSelection()) {
        // Deleting at a seam deletes the character beyond it, and typing
        // over one replaces that character: the caret goes to the side of
        // the seam the key works on, the same text position.
        const int at = c.position();
        const bool typesOver = plain_->overwriteMode() && !event->text().isEmpty() && event->text().at(0).isPrint();
        if (key == Qt::Key_Backspace) {
            while (c.atBlockStart() && ContinuesLine(c.block()))
                c.setPosition(c.position() - 1);
        } else if (key == Qt::Key_Delete || typesOver) {
            while (c.atBlockEnd() && c.block().next().isValid() && ContinuesLine(c.block().next()))
                c.setPosition(c.position() + 1);
        }
        if (c.position() != at)
            plain_->setTextCursor(c);
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        // A step that only crossed a seam moved nothing the user can see:
        // one more.
        const int textBefore = ToText(c.position());
        int docBefore = c.position();
        viewHandles(event);
        for (int now = plain_->textCursor().position(); now != docBefore && ToText(now) == textBefore;
             now = plain_->textCursor().position()) {
            docBefore = now;
            viewHandles(event);
        }
        return true;
    }
    return false;
}

void TRichEdit::MouseMoved(QMouseEvent* event)
{
    if (onMouseMove) {
        const QPoint p = event->position().toPoint();
        onMouseMove(event->modifiers(), p.x(), p.y());
    }
}

bool TRichEdit::InsertMime(const QMimeData* source)
{
    if (!plainText_ && source->hasHtml())
        return false;
    if (source->hasText()) {
        QTextCursor c = textCursor();
        InsertPlain(c, NormalizeLineBreaks(source->text()));
        setTextCursor(c);
    }
    return true;
}

void TRichEdit::SplitLongBlocks(QTextCursor& c, int from, int to)
{
    QTextBlockFormat piece;
    piece.setProperty(kContinuesLine, true);
    for (QTextBlock b = doc_->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
        if (b.length() - 1 <= 2 * pieceLength_)
            continue;
        const QString text = b.text();
        std::vector<int> cuts;
        for (qsizetype at = 0; text.size() - at > 2 * pieceLength_;)
            cuts.push_back(int(at += PieceCut(QStringView(text).sliced(at), pieceLength_)));
        // Last cut first: the block keeps its own format, each new piece
        // gets the mark.
        const int start = b.position();
        for (auto it = cuts.crbegin(); it != cuts.crend(); ++it) {
            c.setPosition(start + *it);
            c.insertBlock(piece);
        }
        piecesMade_ = true;
        to += int(cuts.size());
        b = doc_->findBlock(start + int(text.size()) + int(cuts.size()));
    }
}

QMimeData* TRichEdit::SelectionMime() const
{
    // Only a selection across seams needs other text than the view's.
    const QTextCursor c = textCursor();
    if (!plainText_ || pieces_.StartsUpTo(c.selectionEnd()) == pieces_.StartsUpTo(c.selectionStart()))
        return nullptr;
    auto* mime = new QMimeData;
    QString text = WithoutSeams(c.selectedText(), c.selectionStart());
    text.replace(kParagraphSeparator, QLatin1Char('\n'));
    mime->setText(text);
    return mime;
}

bool TRichEdit::TakesDrop(const QMimeData* mime) const
{
    return onAcceptsDrop && onAcceptsDrop(mime);
}

void TRichEdit::Dropped(const QMimeData* mime)
{
    if (onDrop)
        onDrop(mime);
}
