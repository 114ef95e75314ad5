#include "editor/RichEdit.h"

#include "editor/Rtf.h"
#include "editor/TextSearch.h"
#include "platform/AppError.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

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

} // namespace

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("RichEdit"));
    setAcceptRichText(false);
    setTabChangesFocus(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
    controlFont_ = font();
    controlColour_ = palette().color(QPalette::Text);
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed != 0 || added != 0)
            rawValid_ = false;
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, &TRichEdit::NotifySelection);
    connect(this, &QTextEdit::selectionChanged, this, &TRichEdit::NotifySelection);
}

void TRichEdit::NotifySelection()
{
    const QTextCursor c = textCursor();
    if (c.anchor() == lastAnchor_ && c.position() == lastPosition_)
        return;
    lastAnchor_ = c.anchor();
    lastPosition_ = c.position();
    emit SelectionChange();
}

const QString& TRichEdit::RawText() const
{
    if (!rawValid_) {
        rawCache_ = document()->toRawText();
        rawValid_ = true;
    }
    return rawCache_;
}

QString TRichEdit::Text() const
{
    return ToCrLf(RawText());
}

void TRichEdit::SetTextKeepingMode(const QString& textWithLf)
{
    rawValid_ = false;
    if (plainText_) {
        // Formats first: changing them after the text would lay it out twice.
        ApplyPlainFormat();
        setPlainText(textWithLf);
    } else {
        // Rich mode: plain text arrives in the control's font.
        document()->clear();
        QTextCursor c(document());
        QTextCharFormat format;
        format.setFont(controlFont_);
        format.setForeground(controlColour_);
        c.insertText(textWithLf, format);
        c.movePosition(QTextCursor::Start);
        setTextCursor(c);
    }
}

void TRichEdit::SetText(const QString& text)
{
    SetTextKeepingMode(NormalizeLineBreaks(text));
}

QString TRichEdit::Line(int index) const
{
    const QTextBlock block = document()->findBlockByNumber(index);
    if (!block.isValid())
        return {};
    return ToCrLf(block.text());
}

int TRichEdit::LineCount() const
{
    return document()->blockCount();
}

int TRichEdit::TextLength() const
{
    return document()->characterCount() - 1;
}

void TRichEdit::Clear()
{
    SetTextKeepingMode(QString());
}

int TRichEdit::SelStart() const
{
    return textCursor().selectionStart();
}

void TRichEdit::SetSelStart(int pos)
{
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(pos, 0, TextLength()));
    setTextCursor(c);
}

int TRichEdit::SelLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(int length)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int end = std::clamp(start + std::max(length, 0), 0, TextLength());
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString TRichEdit::SelText() const
{
    return ToCrLf(textCursor().selectedText());
}

void TRichEdit::ReplaceSelection(const QString& text)
{
    QTextCursor c = textCursor();
    c.insertText(NormalizeLineBreaks(text));
    setTextCursor(c);
}

void TRichEdit::SelectAllText()
{
    selectAll();
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
    a.colour = format.foreground().style() == Qt::NoBrush ? controlColour_
                                                          : format.foreground().color();
    return a;
}

namespace {
void MergeSelection(QTextEdit* edit, const QTextCharFormat& format)
{
    // Without a selection the format applies to the text typed next.
    edit->mergeCurrentCharFormat(format);
}
} // namespace

void TRichEdit::SetSelBold(bool on)
{
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    MergeSelection(this, f);
}

void TRichEdit::SetSelItalic(bool on)
{
    QTextCharFormat f;
    f.setFontItalic(on);
    MergeSelection(this, f);
}

void TRichEdit::SetSelUnderline(bool on)
{
    QTextCharFormat f;
    f.setFontUnderline(on);
    MergeSelection(this, f);
}

void TRichEdit::SetSelFontName(const QString& name)
{
    QTextCharFormat f;
    f.setFontFamilies({name});
    MergeSelection(this, f);
}

void TRichEdit::SetSelSize(double points)
{
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    MergeSelection(this, f);
}

void TRichEdit::SetSelColour(const QColor& colour)
{
    QTextCharFormat f;
    f.setForeground(colour);
    MergeSelection(this, f);
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
    a.colour = currentCharFormat().foreground().style() == Qt::NoBrush
                   ? controlColour_
                   : currentCharFormat().foreground().color();
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
    setCurrentCharFormat(format);
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
    f.setAlignment(code == AlignCenterCode ? Qt::AlignHCenter
                   : code == AlignRightCode ? Qt::AlignRight : (Qt::AlignLeft | Qt::AlignAbsolute));
    textCursor().mergeBlockFormat(f);
}

double TRichEdit::FirstIndent() const { return textCursor().blockFormat().textIndent(); }
double TRichEdit::LeftIndent() const { return textCursor().blockFormat().leftMargin(); }
double TRichEdit::RightIndent() const { return textCursor().blockFormat().rightMargin(); }

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

void TRichEdit::ApplyPlainFormat()
{
    // Plain text has no formats of its own: everything shows in the
    // control's font and colour.
    if (document()->defaultFont() != controlFont_)
        document()->setDefaultFont(controlFont_);
    if (palette().color(QPalette::Text) != controlColour_) {
        QPalette p = palette();
        p.setColor(QPalette::Text, controlColour_);
        setPalette(p);
    }
    // Without this, new text would take the format at the caret.
    setCurrentCharFormat(QTextCharFormat());
}

void TRichEdit::SetControlFont(const QFont& font, const QColor& colour)
{
    controlFont_ = font;
    // Ligatures and kerning of Latin text are cosmetic; skipping them halves
    // the layout of large documents. Scripts that need shaping still get it.
    controlFont_.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    controlColour_ = colour.isValid() ? colour : palette().color(QPalette::Text);
    setFont(controlFont_);
    if (plainText_) {
        ApplyPlainFormat();
    } else {
        document()->setDefaultFont(controlFont_);
        QPalette p = palette();
        p.setColor(QPalette::Text, controlColour_);
        setPalette(p);
    }
}

void TRichEdit::SetPlainTextMode(bool plain)
{
    if (plain == plainText_)
        return;
    const bool modified = Modified();
    if (plain) {
        const QString text = RawText();
        plainText_ = true;
        setAcceptRichText(false);
        QString lf = text;
        lf.replace(kParagraphSeparator, QLatin1Char('\n'));
        lf.replace(kLineSeparator, QLatin1Char('\n'));
        ApplyPlainFormat();
        setPlainText(lf);
    } else {
        plainText_ = false;
        setAcceptRichText(true);
        document()->setDefaultFont(controlFont_);
    }
    rawValid_ = false;
    SetModified(modified);
}

bool TRichEdit::WordWrap() const
{
    return lineWrapMode() != QTextEdit::NoWrap;
}

void TRichEdit::SetWordWrap(bool on)
{
    setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn);
}

bool TRichEdit::Modified() const { return document()->isModified(); }
void TRichEdit::SetModified(bool modified) { document()->setModified(modified); }
bool TRichEdit::CanUndo() const { return document()->isUndoAvailable(); }

void TRichEdit::UndoStep()
{
    if (CanUndo())
        undo();
}

void TRichEdit::EmptyUndoBuffer()
{
    document()->clearUndoRedoStacks();
}

int TRichEdit::FindText(const QString& text, int start, int length, bool matchCase,
                        bool wholeWord) const
{
    const QString& raw = RawText();
    const qsizetype from = std::clamp<qsizetype>(start, 0, raw.size());
    const qsizetype end = length < 0 ? raw.size() : std::min<qsizetype>(raw.size(), from + qsizetype(length));
    return int(FindInText(raw, ToSeparators(text), from, end,
                          matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive, wholeWord));
}

int TRichEdit::ReplaceAll(const QString& text, const QString& replacement, bool matchCase,
                          bool wholeWord)
{
    const QString needle = ToSeparators(text);
    const QList<qsizetype> hits = FindAllInText(
        RawText(), needle, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive, wholeWord);
    if (hits.isEmpty())
        return 0;
    const QString with = ToSeparators(replacement);
    QTextCursor c(document());
    c.beginEditBlock();
    // Last match first, so the positions before it stay valid. Editing each
    // match in place keeps the formats around it and the blocks between.
    for (auto it = hits.crbegin(); it != hits.crend(); ++it) {
        c.setPosition(int(*it));
        c.setPosition(int(*it + needle.size()), QTextCursor::KeepAnchor);
        if (with.isEmpty())
            c.removeSelectedText();
        else
            c.insertText(with);
    }
    c.endEditBlock();
    const qsizetype end = hits.back() + with.size() + (hits.size() - 1) * (with.size() - needle.size());
    QTextCursor caret = textCursor();
    caret.setPosition(int(end));
    setTextCursor(caret);
    return int(hits.size());
}

int TRichEdit::LineFromChar(int pos) const
{
    const QTextBlock block = document()->findBlock(std::clamp(pos, 0, TextLength()));
    return block.isValid() ? block.blockNumber() : 0;
}

int TRichEdit::LineIndex(int line) const
{
    const QTextBlock block = document()->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
}

int TRichEdit::FirstVisibleLine() const
{
    // One pixel in: the very top edge belongs to the line above as well.
    const QTextCursor c = cursorForPosition(QPoint(1, 1));
    return c.block().blockNumber();
}

void TRichEdit::LineScroll(int lines)
{
    const int target = std::clamp(FirstVisibleLine() + lines, 0, LineCount() - 1);
    const QTextBlock block = document()->findBlockByNumber(target);
    const QRectF rect = document()->documentLayout()->blockBoundingRect(block);
    verticalScrollBar()->setValue(int(rect.top()));
}

void TRichEdit::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    file.close();

    rawValid_ = false;
    if (!plainText_ && LooksLikeRtf(bytes)) {
        ReadRtf(bytes, *document());
        storedFormat_ = TextFormat();
        moveCursor(QTextCursor::Start);
    } else {
        DecodedText decoded = DecodeText(bytes);
        storedFormat_ = decoded.format;
        SetTextKeepingMode(decoded.text);
        // The document's text is what was just set, so a save right after
        // the load needs no copy of the document. Separator characters in
        // the file itself would not map one to one; then ask the document.
        if (plainText_ && !decoded.text.contains(kParagraphSeparator) &&
            !decoded.text.contains(kLineSeparator) && !decoded.text.contains(QChar::ObjectReplacementCharacter) &&
            !decoded.text.contains(QChar(0xFDD0)) && !decoded.text.contains(QChar(0xFDD1))) {
            rawCache_ = std::move(decoded.text);
            rawCache_.replace(QLatin1Char('\n'), kParagraphSeparator);
            rawValid_ = true;
            return FinishLoad();
        }
    }
    rawValid_ = false;
    FinishLoad();
}

void TRichEdit::FinishLoad()
{
    EmptyUndoBuffer();
    SetModified(false);
}

void TRichEdit::SaveToFile(const QString& path)
{
    QByteArray bytes;
    if (plainText_) {
        bytes = EncodeText(RawText(), storedFormat_);
    } else {
        bytes = WriteRtf(*document());
    }
    // Written beside the target and renamed over it, so a failure keeps the
    // old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

void TRichEdit::PrintDocument(const QString& title, QPrinter& printer) const
{
    printer.setDocName(title);
    document()->print(&printer);
}

void TRichEdit::keyPressEvent(QKeyEvent* event)
{
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
    if (text.size() == 1 && onKeyPress) {
        QChar c = text.at(0);
        const QChar typed = c;
        onKeyPress(c);
        if (c.isNull()) {
            event->accept();
            return;
        }
        if (c != typed) {
            QKeyEvent changed(event->type(), 0, modifiers & ~Qt::ShiftModifier, QString(c));
            QTextEdit::keyPressEvent(&changed);
            return;
        }
    }
    if (isEnter && (modifiers & Qt::ShiftModifier)) {
        QKeyEvent plainEnter(event->type(), event->key(), modifiers & ~Qt::ShiftModifier,
                             QStringLiteral("\r"));
        QTextEdit::keyPressEvent(&plainEnter);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TRichEdit::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    if (onMouseMove) {
        const QPoint p = event->position().toPoint();
        onMouseMove(event->modifiers(), p.x(), p.y());
    }
}

void TRichEdit::insertFromMimeData(const QMimeData* source)
{
    if (plainText_ || !source->hasHtml()) {
        if (source->hasText()) {
            QTextCursor c = textCursor();
            c.insertText(NormalizeLineBreaks(source->text()));
            setTextCursor(c);
        }
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

// Files dragged onto the editor go to the window instead of being
// inserted as their addresses.
void TRichEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (onAcceptsDrop && onAcceptsDrop(event->mimeData())) {
        event->acceptProposedAction();
        return;
    }
    QTextEdit::dragEnterEvent(event);
}

void TRichEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (onAcceptsDrop && onAcceptsDrop(event->mimeData())) {
        event->acceptProposedAction();
        return;
    }
    QTextEdit::dragMoveEvent(event);
}

void TRichEdit::dropEvent(QDropEvent* event)
{
    if (onAcceptsDrop && onAcceptsDrop(event->mimeData())) {
        event->acceptProposedAction();
        if (onDrop)
            onDrop(event->mimeData());
        return;
    }
    QTextEdit::dropEvent(event);
}
