// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's key handling: the recording of typed keys and the typing
// aids (AutoTab, block indent, entities, marker shifting, insert and
// overwrite), Esc closing the search dialogs. The rules themselves are in
// KeyRules; here they meet the editor.
//
// No key reads the document beyond the lines it works on: a keystroke
// costs the same at the end of a large document as in a small one.
#include "editor/RichEdit.h"
#include "editor/TextCodec.h"
#include "macro/Escapes.h"
#include "macro/KeyRules.h"
#include "macro/MacroHost.h"
#include "macro/MacroState.h"

#include <QAction>
#include <QKeySequence>
#include <QSignalBlocker>

namespace {

// Lines are read in pieces growing up to this many characters.
constexpr int kMaxChunk = 1 << 20;

bool IsBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Position after the last character of a line.
int LineEnd(const TRichEdit& edit, int line)
{
    return line + 1 < edit.LineCount() ? edit.LineIndex(line + 1) - 1 : edit.TextLength();
}

// The tabs and blanks a line begins with, read in growing pieces: an
// enormous line costs what its indent costs.
QString IndentOfLine(const TRichEdit& edit, int line)
{
    const int end = LineEnd(edit, line);
    QString indent;
    for (int at = edit.LineIndex(line), chunk = 64; at < end; at += chunk, chunk = std::min(2 * chunk, kMaxChunk)) {
        const QString piece = edit.TextRange(at, std::min(chunk, end - at));
        const QStringView lead = LeadingIndent(piece);
        indent += lead;
        if (lead.size() < piece.size())
            break;
    }
    return indent;
}

// The tabs and blanks that end a line, read from its end in growing pieces.
int TrailingIndentOfLine(const TRichEdit& edit, int line)
{
    const int start = edit.LineIndex(line);
    int count = 0;
    for (int end = LineEnd(edit, line), chunk = 64; end > start; end -= chunk, chunk = std::min(2 * chunk, kMaxChunk)) {
        const int from = std::max(start, end - chunk);
        const QString piece = edit.TextRange(from, end - from);
        const int blanks = int(TrailingIndentLength(piece));
        count += blanks;
        if (blanks < piece.size())
            break;
    }
    return count;
}

// The view takes standard keys such as Ctrl+Z and Ctrl+V for itself, ahead
// of the window's shortcuts; the main menu's commands come first, as they
// record their lines (Undo takes back recorded input).
QAction* MenuCommandOfKey(const MacroHost& host, int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return nullptr;
    const QKeySequence pressed(QKeyCombination(modifiers & ~Qt::KeypadModifier, Qt::Key(key)));
    for (QAction* action : host.MenuCommands())
        if (action->isEnabled() && action->shortcut() == pressed)
            return action;
    return nullptr;
}

}   // namespace

// ---------------------------------------------------------------- key down

namespace {

// AutoTab's Backspace at the start of a line: the line break and the tabs
// and blanks that end the line above go at once; text stays.
void AutoTabBackspace(MacroHost& host)
{
    TRichEdit& edit = host.Editor();
    if (edit.SelLength() != 0 || !host.OptionOn(MacroOption::AutoTab))
        return;
    const int caret = edit.SelStart();
    const int line = edit.LineFromChar(caret);
    if (line == 0 || caret != edit.LineIndex(line))
        return;
    const int blanks = TrailingIndentOfLine(edit, line - 1);
    edit.SetSelStart(caret - 1 - blanks);
    edit.SetSelLength(1 + blanks);
}

// Tab and Shift+Tab on whole selected lines. False when the selection is
// not whole lines: the Tab goes to the editor then.
bool BlockIndent(MacroHost& host, bool unindent)
{
    TRichEdit& edit = host.Editor();
    const int length = edit.SelLength();
    if (length == 0)
        return false;
    const int caret = edit.SelStart();
    if (caret != edit.LineIndex(edit.LineFromChar(caret)) || !IsBreak(edit.CharAt(caret + length - 1)))
        return false;
    // Positions count a break as one: the block is handled with LF breaks.
    const QString lines = NormalizeLineBreaks(edit.SelText());
    if (!unindent) {
        const QString indented = IndentBlock(lines);
        edit.ReplaceSelection(indented);
        edit.SetSelStart(caret);
        edit.SetSelLength(int(indented.size()));
    } else if (const std::optional<QString> unindented = UnindentBlock(lines)) {
        const QSignalBlocker noSelectionHandling(&edit);
        edit.ReplaceSelection(*unindented);
        edit.SetSelStart(caret);
        edit.SetSelLength(int(unindented->size()));
    }
    host.Macro().SwallowNextTab = true;
    return true;
}

// The editor knows the mode; the window only shows it.
void ToggleTypingMode(MacroHost& host)
{
    const bool overwrite = !host.Editor().OverwriteMode();
    host.Editor().SetOverwriteMode(overwrite);
    host.ShowTypingMode(overwrite);
}

}   // namespace

void HandleEditorKeyDown(MacroHost& host, int& key, Qt::KeyboardModifiers shift)
{
    MacroState& macro = host.Macro();
    macro.KeyModifiers = shift;
    if (QAction* command = MenuCommandOfKey(host, key, shift)) {
        key = 0;
        command->trigger();
        return;
    }
    switch (key) {
    case Qt::Key_Backspace: AutoTabBackspace(host); break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (BlockIndent(host, key == Qt::Key_Backtab || (shift & Qt::ShiftModifier))) {
            // The Tab character follows here: Shift+Tab has none on every
            // platform, and a swallowed one must not wait for a later Tab.
            QChar tab(u'\t');
            HandleEditorKeyPress(host, tab);
            key = 0;
        }
        break;
    case Qt::Key_Escape: host.CloseSearchDialogs(); break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_Down: macro.PreviousChar = QChar(); break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        macro.PreviousChar = QChar();
        const QString word = key == Qt::Key_Left ? QStringLiteral("MoveLeft") : QStringLiteral("MoveRight");
        // Typed text pending stands between this move and the last one.
        if (macro.IsRecording && (!macro.PendingText.isEmpty() || !MergeMove(macro.MacroLines, word)))
            macro.RecordCommand(word);
        break;
    }
    case Qt::Key_Insert:
        macro.PreviousChar = QChar();
        if (!(shift & (Qt::ShiftModifier | Qt::ControlModifier)))
            ToggleTypingMode(host);
        break;
    case Qt::Key_Delete:
        macro.PreviousChar = QChar();
        macro.RecordCommand(QStringLiteral("Delete"));
        break;
    default: break;
    }
}

// ---------------------------------------------------------------- key press

namespace {

// The entity takes the place of the character before the caret and of the
// key's own.
void ReplaceWithEntity(MacroHost& host, const QString& entity, QChar& key)
{
    TRichEdit& edit = host.Editor();
    const int caret = edit.SelStart();
    if (caret == 0)
        return;   // nothing before the caret to pair with
    edit.SetSelStart(caret - 1);
    edit.SetSelLength(1);
    edit.ReplaceSelection(entity);
    key = QChar();
    host.Macro().PreviousChar = QChar();
}

// AutoTab on Enter: the new line gets the indent of the caret's line.
void AutoTabEnter(MacroHost& host, QChar& key)
{
    TRichEdit& edit = host.Editor();
    const int caret = edit.SelStart();
    const int line = edit.LineFromChar(caret);
    const QString indent = IndentOfLine(edit, line);
    if (host.Macro().IsRecording)
        for (QChar c : indent)
            host.Macro().PendingText += EscapeTypedChar(c);
    const QString lf(QLatin1Char('\n'));
    edit.ReplaceSelection(caret == edit.LineIndex(line) ? indent + lf : lf + indent);
    key = QChar();
}

}   // namespace

void HandleEditorKeyPress(MacroHost& host, QChar& key)
{
    MacroState& macro = host.Macro();
    const QChar c = key;
    if (c == QChar(u'\b')) {
        if (macro.IsRecording)
            BackspacePending(macro.PendingText);
        macro.PreviousChar = key;
        return;
    }
    // A key the editor types nothing for (Esc, Ctrl+M while Run is off)
    // goes on to the view for what else it does, unrecorded.
    if (!EditorInsertsTyped(c, macro.KeyModifiers)) {
        macro.PreviousChar = QChar();
        return;
    }
    if (macro.IsRecording)
        macro.PendingText += EscapeTypedChar(c);
    switch (c.unicode()) {
    case '\t':
        if (macro.SwallowNextTab) {
            key = QChar();
            macro.SwallowNextTab = false;
        }
        break;
    case '\r':
        if (host.OptionOn(MacroOption::AutoTab))
            AutoTabEnter(host, key);
        // With AutoTab the break is in and the caret on the new line;
        // without, the editor inserts it after this.
        host.ShiftMarkers(host.Editor().LineFromChar(host.Editor().SelStart()) - 1);
        break;
    case ' ':
    case '"':
    case '&':
    case '<':
    case '>':
        if (host.OptionOn(MacroOption::SpecialCharacters)) {
            const QString entity = DoubledEntity(c, macro.PreviousChar);
            if (!entity.isEmpty())
                ReplaceWithEntity(host, entity, key);
        }
        break;
    default:
        if (host.OptionOn(MacroOption::SpecialCharacters)) {
            const QString entity = EntityFor(c);
            if (!entity.isEmpty()) {
                host.Editor().ReplaceSelection(entity);
                key = QChar();
            }
        }
        break;
    }
    macro.PreviousChar = key;
}
