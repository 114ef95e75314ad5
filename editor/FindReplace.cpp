// SPDX-License-Identifier: GPL-3.0-or-later
// Find, Find Again, Replace, Replace All and Go to Line.
#include "editor/FindReplace.h"

#include "editor/EditorHost.h"
#include "editor/RichEdit.h"
#include "editor/SearchDialogs.h"
#include "editor/TextCodec.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// The hourglass for the time of a long edit, also when it throws.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}   // namespace

int SearchDialogTop(int mainTop, int mainHeight, int dialogHeight, int screenHeight)
{
    const int below = mainTop + mainHeight;
    const int top = below + dialogHeight < screenHeight ? below : mainTop - dialogHeight;
    return top < 0 ? 30 : top;
}

SearchSession::SearchSession(EditorHost& host, const Platform& platform) : host_(host), platform_(platform) {}

TFindDialog& SearchSession::FindDialog()
{
    if (!find_) {
        find_ = new TFindDialog(host_.DialogParent());
        find_->onFindNext = [this] { host_.Guard([this] { Next(SearchOrigin::FindDialog); }); };
    }
    return *find_;
}

TReplaceDialog& SearchSession::ReplaceDialog()
{
    if (!replace_) {
        replace_ = new TReplaceDialog(host_.DialogParent());
        replace_->onFindNext = [this] { host_.Guard([this] { Next(SearchOrigin::ReplaceDialog); }); };
        replace_->onReplace = [this] { host_.Guard([this] { ReplaceOnce(); }); };
        replace_->onReplaceAll = [this] { host_.Guard([this] { ReplaceAll(); }); };
    }
    return *replace_;
}

void SearchSession::OpenDialog(SearchOrigin which)
{
    TFindDialog& dialog = which == SearchOrigin::FindDialog ? FindDialog() : ReplaceDialog();
    const int designHeight = which == SearchOrigin::FindDialog ? kFindDialogHeight : kReplaceDialogHeight;
    pos_ = 0;
    TRichEdit& edit = host_.Editor();
    if (edit.SelLength() > 0)
        dialog.SetFindText(edit.SelText());
    const QRect frame = host_.WindowFrame();
    const QSize screen = platform_.screen ? platform_.screen->ScreenSize() : QGuiApplication::primaryScreen()->size();
    dialog.move(SearchDialogLeft(screen.width()),
                SearchDialogTop(frame.top(), frame.height(), designHeight, screen.height()));
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void SearchSession::FindAgain()
{
    if (!FindDialog().FindText().isEmpty())
        Next(SearchOrigin::FindDialog);
}

bool SearchSession::Next(SearchOrigin origin)
{
    TReplaceDialog& replace = ReplaceDialog();
    if (origin == SearchOrigin::FindDialog) {
        const TFindDialog& find = FindDialog();
        replace.SetFindText(find.FindText());
        replace.SetOptions(find.Options());
        replace.SetReplaceAllOption(false);
        host_.RecordCommand(QStringLiteral("Find ") + find.FindText());
    }
    const QString needle = host_.DecodeEscapes(replace.FindText());
    const SearchOptions options = replace.Options();
    TRichEdit& edit = host_.Editor();
    const int found = edit.FindText(needle, pos_, edit.TextLength(), options.matchCase, options.wholeWord);
    if (found < 0) {
        if (!replace.ReplaceAllOption())
            platform_.prompts->MessageBox(MsgKind::Information, tr("Reached end of file!"), MsgButtons::Ok);
        return false;
    }
    edit.SetSelStart(found);
    // A line break of the search text is one position in the editor.
    edit.SetSelLength(int(NormalizeLineBreaks(needle).size()));
    pos_ = found + 1;
    edit.setFocus();
    return true;
}

void SearchSession::ReplaceOnce()
{
    const TReplaceDialog& replace = ReplaceDialog();
    TRichEdit& edit = host_.Editor();
    if (edit.SelLength() > 0)
        edit.ReplaceSelection(host_.DecodeEscapes(replace.ReplaceText()));
    edit.setFocus();
    host_.RecordCommand(QStringLiteral("Replace ") + replace.FindText() + QStringLiteral(" with ") +
                        replace.ReplaceText());
}

int SearchSession::ReplaceAll()
{
    const TReplaceDialog& replace = ReplaceDialog();
    host_.RecordCommand(QStringLiteral("ReplaceAll ") + replace.FindText() + QStringLiteral(" with ") +
                        replace.ReplaceText());
    int count = 0;
    {
        const WaitCursor wait;
        pos_ = 0;
        // Every match of the text as it stands, none of a selection left from
        // before: the count is exactly what was replaced, and an empty
        // replacement cannot end the work early.
        const SearchOptions options = replace.Options();
        count =
            host_.Editor().ReplaceAll(host_.DecodeEscapes(replace.FindText()),
                                      host_.DecodeEscapes(replace.ReplaceText()), options.matchCase, options.wholeWord);
    }
    //: %1 is the number of replacements made
    platform_.prompts->MessageBox(MsgKind::Information, tr("%1 occurrence(s) replaced.").arg(count), MsgButtons::Ok);
    return count;
}

void SearchSession::Find(const QString& text)
{
    FindDialog().SetFindText(text);
    Next(SearchOrigin::FindDialog);
}

void SearchSession::Replace(const QString& find, const QString& replacement, bool all)
{
    if (all)
        pos_ = 0;
    TReplaceDialog& dialog = ReplaceDialog();
    dialog.SetFindText(find);
    dialog.SetReplaceText(replacement);
    Next(SearchOrigin::ReplaceDialog);
    dialog.SetReplaceAllOption(all);
    if (all)
        ReplaceAll();
    else
        ReplaceOnce();
}

void SearchSession::CloseDialogs()
{
    for (QDialog* dialog : {static_cast<QDialog*>(find_), static_cast<QDialog*>(replace_)})
        if (dialog && dialog->isVisible())
            dialog->hide();
}

void SearchSession::GoToLine()
{
    const std::optional<QString> answer =
        platform_.prompts->InputBox(tr("Goto Line"), tr("Please insert the line number:"), QString());
    const std::optional<int> n = ParseLineNumber(answer.value_or(QString()));
    if (!n) {
        platform_.prompts->MessageBox(MsgKind::Error, tr("Invalid number."), MsgButtons::Ok);
        return;
    }
    if (*n == 1)
        return;
    // The view cannot scroll further than the document is long.
    TRichEdit& edit = host_.Editor();
    const qint64 lines = edit.LineCount();
    edit.LineScroll(int(std::clamp<qint64>(qint64(*n) - 1, -lines, lines)));
    const int caretLine = edit.LineFromChar(edit.CaretPosition());
    edit.SetSelStart(edit.LineIndex(GotoLineTarget(*n, caretLine, edit.LineCount())));
}

std::optional<int> ParseLineNumber(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok ? std::optional<int>(n) : std::nullopt;
}

int GotoLineTarget(qint64 n, int caretLine, int lineCount)
{
    if (n <= 0)
        return caretLine;
    return int(std::min<qint64>(n - 1, lineCount - 1));
}
