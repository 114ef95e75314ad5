// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editor/LinePieces.h"
#include "editor/TextCodec.h"
#include "editor/TextReplica.h"

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QTextCursor>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

class QAbstractScrollArea;
class QIODevice;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class TLineGutter;
class TZoomDevice;
class QMimeData;
class QPlainTextEdit;
class QPrinter;
class QScrollBar;
class QStackedLayout;
class QTextCharFormat;
class QTextDocument;
class QTextEdit;
template <class Base> class EditorView;
class VisibleColouring;

// Told how far a long load or save is, 0 to 100; a load stops when it
// gives false.
using ProgressStep = std::function<bool(int percent)>;
// Thrown by a load whose ProgressStep gave false.
struct LoadCancelled {};

// Character attributes of the selection or of new text.
struct CharAttributes {
    QString name;
    double size = 8;   // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour;
};

// Paragraph alignment codes as the program stores them.
enum ParaAlign { AlignLeftCode = 0, AlignRightCode = 1, AlignCenterCode = 2 };

// The document's editor: one control in plain-text mode (one font for all
// text) or rich-text mode (attributes per character and paragraph).
//
// One document moves between two views: plain mode shows it in a view that
// lays out only the lines on screen, so huge files open and scroll at the
// cost of what is visible; rich mode needs the full layout for paragraph
// formats. Text, undo history and modified flag travel with the document.
//
// Positions: inside the editor a line break is ONE position. Selection start
// and length, find results and line indexes all count that way. Text handed
// out (Text, Line, SelText) has CR LF line breaks, and a kept byte of a
// loaded file (TextCodec.h: a stray byte, a CR or LF that is no break of the
// document, U+2028 and the like) as the one character that stands for it;
// text handed in may use CR LF, LF or CR, and a kept byte in it is written
// as the byte. Lines are the document's paragraphs, counted from 0.
//
// In plain mode a line longer than PieceLength() characters is held as
// several blocks of the document (LinePieces.h), each shown on a display
// line of its own. Every operation here counts past the seams between
// them: a seam is neither a position nor a line break. The block
// operations below see the blocks as they are.
class TRichEdit : public QWidget {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);
    ~TRichEdit() override;

    // The view that shows the document now: the widget that has the
    // keyboard, where real key and mouse input goes.
    QWidget* InputWidget() const;
    QWidget* viewport() const;
    QScrollBar* verticalScrollBar() const;
    void cut();
    void copy();
    void paste();

    // Whole text, lines, clear.
    QString Text() const;
    void SetText(const QString& text);
    QString Line(int index) const;
    int LineCount() const;
    int TextLength() const;   // positions, a line break counting one
    // Length of Text() (a line break counting two), without building it.
    qint64 TextLengthCrLf() const { return qint64(TextLength()) + LineCount() - 1; }
    void Clear();

    // Selection. Setting the start places the caret with nothing selected;
    // setting the length afterwards selects from there.
    int SelStart() const;
    void SetSelStart(int pos);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    int CaretPosition() const;   // the moving end of the selection
    QString TextRange(int start, int length) const;   // CR LF breaks, like SelText
    QChar CharAt(int pos) const;   // the paragraph separator for a break
    void ReplaceSelection(const QString& text);   // caret ends after the text
    void SelectAllText();

    // Character attributes.
    CharAttributes SelAttributes() const;
    void SetSelBold(bool on);
    void SetSelItalic(bool on);
    void SetSelUnderline(bool on);
    void SetSelFontName(const QString& name);
    void SetSelSize(double points);
    void SetSelColour(const QColor& colour);
    CharAttributes DefAttributes() const;
    void SetDefAttributes(const CharAttributes& attributes);

    // Paragraph of the selection.
    int ParaAlignment() const;
    void SetParaAlignment(int code);
    double FirstIndent() const;
    double LeftIndent() const;
    double RightIndent() const;
    void SetFirstIndent(double value);
    void SetLeftIndent(double value);
    void SetRightIndent(double value);
    void SetNumberingOff();
    void SetNumberingOn();   // the selected paragraphs become a numbered list
    bool ParaNumbered() const;   // the caret's paragraph is in a list
    int TabCount() const;
    double Tab(int index) const;
    void SetTabs(const QList<double>& positions);

    // Control font (all text in plain mode), modes.
    void SetControlFont(const QFont& font, const QColor& colour);
    QFont ControlFont() const { return controlFont_; }
    QColor ControlColour() const { return controlColour_; }
    bool IsPlainText() const { return plainText_; }
    void SetPlainTextMode(bool plain);   // keeps the text
    bool WordWrap() const;
    void SetWordWrap(bool on);
    // Typing mode: overwriting replaces the character after the caret
    // instead of inserting before it. Kept across plain and rich mode.
    bool OverwriteMode() const { return overwrite_; }
    void SetOverwriteMode(bool on);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length; }
    // Colours of HTML, XML, SVG and CSS source in plain mode, picked by the
    // document's file name. Only the lines in view are coloured, as they
    // are shown: text, undo history and modified flag stay as they are.
    void SetSyntaxColouring(bool on);
    bool SyntaxColouring() const { return colouringWanted_; }
    void SetSyntaxFileName(const QString& fileName);
    // The colour the colouring shows the character at `pos` in; invalid
    // where it adds none (a line out of view, or text of no colour).
    QColor ShownColourAt(int pos) const;

    // Modified flag and undo.
    bool Modified() const;
    void SetModified(bool modified);
    bool CanUndo() const;
    void UndoStep();
    bool CanRedo() const;
    void RedoStep();
    // The redo keys (Ctrl+Y, Ctrl+Shift+Z) left to a window's Redo command,
    // which may refuse them; otherwise the view redoes by itself.
    void SetRedoKeysToWindow(bool on) { redoKeysToWindow_ = on; }
    void EmptyUndoBuffer();
    int UndoSteps() const;
    // Changes with every change of the text, undo and redo included; a
    // move of the caret or a change only of the screen leaves it.
    int Revision() const;

    // Zoom of the shown text in percent, for both views. Only the screen
    // changes: the document's fonts, its modified flag and its undo history
    // stay as they are. Ctrl+wheel over the text steps it too.
    static constexpr int kZoomNormal = 100;
    static constexpr int kZoomMin = 50;
    static constexpr int kZoomMax = 300;
    static constexpr int kZoomStep = 10;
    static int ClampZoom(int percent) { return std::clamp(percent, kZoomMin, kZoomMax); }
    int Zoom() const { return zoom_; }
    void SetZoom(int percent);   // clamped
    void ZoomIn() { SetZoom(zoom_ + kZoomStep); }
    void ZoomOut() { SetZoom(zoom_ - kZoomStep); }

    // The line-number gutter of the plain view: one number per line as the
    // file counts lines (a line held in pieces or wrapped gets one, on its
    // first display line), the caret's line highlighted, marked lines with
    // a mark. Only the rows on screen are looked at.
    void SetLineNumbers(bool on);
    bool LineNumbers() const { return lineNumbers_; }
    std::function<bool(int line)> isMarkedLine;
    // The marks changed: paint them again.
    void UpdateGutter();
    // What the gutter shows: the numbered rows on screen, top to bottom,
    // in the view's viewport coordinates.
    struct GutterRow {
        int line = 0;   // 0-based
        int top = 0;
        int height = 0;
    };
    std::vector<GutterRow> VisibleLineRows() const;
    QWidget* Gutter() const;

    // Find: position of the first match that lies within [start, start+length)
    // (length < 0: to the end), or -1. Forward only. The search text may hold
    // line breaks of any style.
    int FindText(const QString& text, int start, int length, bool matchCase, bool wholeWord) const;
    // Replaces every match from the start (matched in the text as it was,
    // none overlapping) as one undo step; the caret ends after the last
    // replacement. Gives the number of replacements.
    int ReplaceAll(const QString& text, const QString& replacement, bool matchCase, bool wholeWord);

    // The blocks as the document holds them: a line held in pieces is
    // several blocks, and in block positions a seam counts one, like a
    // line break. For looking at the pieces and the layout behind the
    // operations above.
    int BlockCount() const;
    int BlockStart(int block) const;   // -1 when there is no such block
    int BlockLength(int block) const;   // without its separator; -1 when none
    // Selects from `anchor` to `position`, both block positions (clamped),
    // so the caret may stand on either side of a seam.
    void SetBlockSelection(int anchor, int position);
    // Display lines the layout holds for the block now; 0 when it is not
    // laid out. Lays nothing out.
    int BlockLayoutLines(int block) const;
    // The block's height as laid out (laying it out where needed).
    qreal BlockHeight(int block) const;
    // A layout is attached to the document now. Makes none.
    bool HasLayout() const;
    // The whole document laid out: its size as the layout gives it (the
    // plain layout counts its height in lines).
    QSizeF LayoutSize() const;

    int LineFromChar(int pos) const;
    int LineIndex(int line) const;   // -1 when there is no such line
    void LineScroll(int lines);
    int FirstVisibleLine() const;

    // Lines longer than twice this are held in pieces of about this many
    // characters (less in tests).
    static constexpr int kPieceLength = 2048;
    int PieceLength() const { return pieceLength_; }
    void SetPieceLength(int chars) { pieceLength_ = std::max(chars, 2); }

    // More lines than this are refused (fewer in tests).
    static constexpr int kMaxLines = 1 << 22;
    void SetMaxLines(int lines) { maxLines_ = lines; }

    // Positions are ints inside the document; a larger file is refused.
    static constexpr qint64 kMaxFileBytes = qint64(1) << 30;

    // Load and save. Plain mode reads and writes the text as stored: the
    // encoding and line-break style read are kept, and every byte the
    // editor cannot hold as an ordinary character is a kept byte
    // (TextCodec.h), so only edits change the bytes. Rich mode reads and
    // writes RTF, and a file that is not RTF loads as plain text. Failures
    // throw AppError; a failed write leaves the old file whole. A plain
    // save never changes the encoding: while NeedsWiderEncoding() it throws
    // and leaves the file as it is.
    // A load told of its progress may be stopped by it: it throws
    // LoadCancelled with the text part loaded, so a caller that may stop
    // it sets the document aside first. A save goes on to its end.
    void LoadFromFile(const QString& path, const ProgressStep& progress = {});
    void SaveToFile(const QString& path, const ProgressStep& progress = {});
    // Puts the document aside whole (text, mode, font, caret, undo history,
    // modified flag) and goes on with an empty one in the same mode; the
    // one set aside comes back with RestoreSetAside, or is dropped with
    // DropSetAside (also by the next SetDocumentAside).
    void SetDocumentAside();
    void RestoreSetAside();
    void DropSetAside();
    TextFormat StoredFormat() const { return storedFormat_; }
    // Bytes of the last plain load that are no part of a UTF-8 character,
    // kept as they are (0 when none, and after a RTF load, SetText, Clear).
    qint64 KeptStrayBytes() const { return keptStray_; }
    // The stored format is Windows-1252 and the text holds a character it
    // cannot store (plain mode). Looks at the whole text once per change.
    bool NeedsWiderEncoding() const;
    // The next save writes UTF-8; line breaks and the rest are kept.
    void UseUtf8Encoding();
    // What changed in the text since the last take, for a copy kept on
    // another thread (TextReplica.h). Nothing is noted until tracking is
    // on; the first take after that, and one after a load, gives the whole
    // text, later ones what changed.
    void TrackChanges(bool on);
    TextChanges TakeChanges();
    bool ChangesAreWhole() const { return changes_.whole; }
    // The rich document as RTF, and RTF put in its place (rich mode only).
    QByteArray RtfBytes() const;
    void LoadRtfBytes(const QByteArray& rtf);
    // The last rich load met tables or pictures that the document cannot
    // keep, so saving drops them; false after any other load, SetText,
    // Clear or a plain load.
    bool HasDroppedRtfContent() const { return droppedRtf_; }
    // Bytes a plain save would write now (encoding, mark and breaks), worked
    // out piece by piece without building the file.
    qint64 EncodedSize() const;
    void SetStoredFormat(const TextFormat& format) { storedFormat_ = format; }

    void PrintDocument(const QString& title, QPrinter& printer) const;

    // Events. Key down may set the key to 0 to swallow it; key press gets the
    // typed character and may set it to 0 (swallowed) or change it. Only a
    // key event that produces exactly one character has a key press; text
    // of an input method (composed, dead keys) and pasted or dropped text
    // come without key events, and Delete types no character.
    std::function<void(int& key, Qt::KeyboardModifiers modifiers)> onKeyDown;
    std::function<void(QChar& c)> onKeyPress;
    std::function<void(Qt::KeyboardModifiers modifiers, int x, int y)> onMouseMove;
    // Offered every drag first; true takes the drag away from the text.
    std::function<bool(const QMimeData* mime)> onAcceptsDrop;
    std::function<void(const QMimeData* mime)> onDrop;

signals:
    // After every caret or selection move, also one made by the program.
    void SelectionChange();
    // After every change of the text, typed or made by the program.
    void TextChanged();
    void ModifiedChanged(bool modified);
    void RedoAvailable(bool available);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <class Base> friend class EditorView;
    // The document, its view and the view's cursor stay behind the
    // operations above, so the engine behind them may change.
    QTextDocument* document() const { return doc_; }
    QAbstractScrollArea* View() const;
    QTextCursor textCursor() const;
    void setTextCursor(const QTextCursor& cursor);
    // What the views hand over. KeyPress passes the key on to the view,
    // possibly changed; InsertMime false leaves the paste to the view.
    void KeyPress(QKeyEvent* event, const std::function<void(QKeyEvent*)>& viewHandles);
    void MouseMoved(QMouseEvent* event);
    bool WheelZooms(QWheelEvent* event);
    void PlaceGutter();
    void ApplyZoom();
    QFont GutterFont() const;
    bool InsertMime(const QMimeData* source);
    QMimeData* SelectionMime() const;   // nullptr: the view's own
    bool TakesDrop(const QMimeData* mime) const;
    void Dropped(const QMimeData* mime);

    template <class F> decltype(auto) OnView(F&& f) const;
    void MoveDocument(bool toPlain);
    void MergeFormat(const QTextCharFormat& format);
    // Replaces the whole plain text by the pieces produce() adds, so a large
    // text is never held twice.
    using PieceSink = std::function<void(const QString& piece)>;
    void FillPlain(const std::function<void(const PieceSink& add)>& produce);
    const QString& RawText() const;
    void WritePlain(QIODevice& file, const std::function<void()>& fail, const ProgressStep& progress);
    void FinishLoad();
    QTextDocument* NewDocument(bool plain);
    void ConnectDocument(QTextDocument* document);
    void Attach(QTextDocument* document, bool plain);
    void ChangesAreNowWhole();
    void RefuseTooLong(const QString& path, const QByteArray& bytes, const TextFormat& format,
                       qsizetype lineBreaks) const;
    void ApplyPlainFormat();
    void UpdateColouring();
    void NotifySelection();
    void SetTextKeepingMode(const QString& textWithLf);
    // Line breaks and long lines of inserted plain text (LinePieces.h).
    void InsertPlain(QTextCursor& c, const QString& text);
    void PiecesChanged(int from, int removed, int added);
    void NoteChange(int from, int removed, int added);
    int ToText(int docPos) const { return pieces_.ToText(docPos); }
    int ToDocument(int textPos, bool afterSeam = false) const { return pieces_.ToDocument(textPos, afterSeam); }
    QTextBlock FirstBlockOfLine(int line) const;
    int LineOfBlock(const QTextBlock& block) const;
    QString WithoutSeams(const QString& raw, int docFrom) const;
    void ForEachPlainPiece(const std::function<void(QStringView piece)>& f) const;
    bool KeyAtSeam(QKeyEvent* event, const std::function<void(QKeyEvent*)>& viewHandles);
    void JoinPieces();
    void SplitLongBlocks(QTextCursor& c, int from, int to);
    void RemoveSelection(QTextCursor& c);
    void KeepMark(int at, bool piece);
    void DropEmptyPiece(int at);
    void RepairMark();

    QTextDocument* doc_ = nullptr;
    EditorView<QTextEdit>* rich_ = nullptr;
    EditorView<QPlainTextEdit>* plain_ = nullptr;
    QTextDocument* spareRich_ = nullptr;   // shown by the idle view
    QTextDocument* sparePlain_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    bool plainText_ = true;
    bool wordWrap_ = false;
    bool overwrite_ = false;
    bool quiet_ = false;   // no selection events while the document is rebuilt
    const QKeyEvent* bubbling_ = nullptr;   // left unused by the view
    QFont controlFont_;
    QColor controlColour_;
    int maxLength_ = 0x7FFFFFFD;
    TextFormat storedFormat_;
    qint64 keptStray_ = 0;
    mutable std::optional<bool> fits1252_;   // of the text as it is, once asked
    bool droppedRtf_ = false;
    int lastAnchor_ = -1;
    int lastPosition_ = -1;
    PieceIndex pieces_;
    int pieceLength_ = kPieceLength;
    int maxLines_ = kMaxLines;
    // Pieces were made since the last full load: edits and undo may bring
    // some back, so changes are looked at for them.
    bool piecesMade_ = false;
    bool filling_ = false;   // the index is built by the load itself
    int selfEditing_ = 0;   // edits of the editor's own, not the view's
    std::optional<std::pair<int, bool>> repair_;   // where a view's edit lost a mark, and the mark
    bool tracking_ = false;
    TextChanges changes_;
    qsizetype trackedLength_ = 0;   // of the copy, once the changes are applied
    qsizetype trackedAdded_ = 0;   // characters held in changes_
    struct SetAside;
    std::unique_ptr<SetAside> aside_;
    VisibleColouring* colouring_ = nullptr;
    bool colouringWanted_ = true;
    QString colouringName_;
    mutable QString rawCache_;
    mutable bool rawValid_ = false;
    int zoom_ = kZoomNormal;
    TZoomDevice* zoomDevice_ = nullptr;
    bool lineNumbers_ = false;
    TLineGutter* gutter_ = nullptr;
    int gutterWidth_ = 0;
    bool redoKeysToWindow_ = false;
    int gutterCaretLine_ = -1;
    int wheelForZoom_ = 0;   // Ctrl+wheel angle not yet turned into a step
};
