// SPDX-License-Identifier: GPL-3.0-or-later
// Find, Find Again, Replace, Replace All and Go to Line.
#include "editor/FindReplace.h"

#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "editor/SearchDialogs.h"
#include "editor/TextCodec.h"
#include "macro/Escapes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

QSize ScreenSize(const TMainForm& form)
{
    if (form.platform().screen)
        return form.platform().screen->ScreenSize();
    return QGuiApplication::primaryScreen()->size();
}

void OpenSearchDialog(TMainForm& form, TFindDialog& dialog, int designHeight)
{
    form.SearchPos = 0;
    if (form.RichEdit->SelLength() > 0)
        dialog.SetFindText(form.RichEdit->SelText());
    const QRect frame = form.frameGeometry();
    const QSize screen = ScreenSize(form);
    dialog.move(SearchDialogLeft(screen.width()),
                SearchDialogTop(frame.top(), frame.height(), designHeight, screen.height()));
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

// The hourglass for the time of a long edit, also when it throws.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

int SearchDialogTop(int mainTop, int mainHeight, int dialogHeight, int screenHeight)
{
    const int below = mainTop + mainHeight;
    const int top = below + dialogHeight < screenHeight ? below : mainTop - dialogHeight;
    return top < 0 ? 30 : top;
}

TFindDialog& FindDialogOf(TMainForm& form)
{
    if (!form.Editing.FindDialog) {
        auto* dialog = new TFindDialog(&form);
        dialog->onFindNext = [&form] { form.Guard([&form] { SearchNext(form, SearchOrigin::FindDialog); }); };
        form.Editing.FindDialog = dialog;
    }
    return *form.Editing.FindDialog;
}

TReplaceDialog& ReplaceDialogOf(TMainForm& form)
{
    if (!form.Editing.ReplaceDialog) {
        auto* dialog = new TReplaceDialog(&form);
        dialog->onFindNext = [&form] {
            form.Guard([&form] { SearchNext(form, SearchOrigin::ReplaceDialog); });
        };
        dialog->onReplace = [&form] { form.Guard([&form] { ReplaceOnce(form); }); };
        dialog->onReplaceAll = [&form] { form.Guard([&form] { ReplaceAllOccurrences(form); }); };
        form.Editing.ReplaceDialog = dialog;
    }
    return *form.Editing.ReplaceDialog;
}

bool SearchNext(TMainForm& form, SearchOrigin origin)
{
    TReplaceDialog& replace = ReplaceDialogOf(form);
    if (origin == SearchOrigin::FindDialog) {
        const TFindDialog& find = FindDialogOf(form);
        replace.SetFindText(find.FindText());
        replace.SetOptions(find.Options());
        replace.SetReplaceAllOption(false);
        form.RecordCommand(QStringLiteral("Find ") + find.FindText());
    }
    const QString needle = DecodeEscapes(replace.FindText());
    const SearchOptions options = replace.Options();
    TRichEdit& edit = *form.RichEdit;
    const int found = edit.FindText(needle, form.SearchPos, edit.TextLength(), options.matchCase,
                                    options.wholeWord);
    if (found < 0) {
        if (!replace.ReplaceAllOption())
            form.Ask(MsgKind::Information, QCoreApplication::translate("TMainForm", "Reached end of file!"),
                     MsgButtons::Ok);
        return false;
    }
    edit.SetSelStart(found);
    // A line break of the search text is one position in the editor.
    edit.SetSelLength(int(NormalizeLineBreaks(needle).size()));
    form.SearchPos = found + 1;
    edit.setFocus();
    return true;
}

void ReplaceOnce(TMainForm& form)
{
    const TReplaceDialog& replace = ReplaceDialogOf(form);
    if (form.RichEdit->SelLength() > 0)
        form.RichEdit->ReplaceSelection(DecodeEscapes(replace.ReplaceText()));
    form.RichEdit->setFocus();
    form.Macro.AppendDirect(QStringLiteral("Replace ") + replace.FindText() + QStringLiteral(" with ") +
                            replace.ReplaceText());
}

int ReplaceAllOccurrences(TMainForm& form)
{
    const TReplaceDialog& replace = ReplaceDialogOf(form);
    form.Macro.AppendDirect(QStringLiteral("ReplaceAll ") + replace.FindText() + QStringLiteral(" with ") +
                            replace.ReplaceText());
    int count = 0;
    {
        const WaitCursor wait;
        form.SearchPos = 0;
        // Every match of the text as it stands, none of a selection left from
        // before: the count is exactly what was replaced, and an empty
        // replacement cannot end the work early.
        const SearchOptions options = replace.Options();
        count = form.RichEdit->ReplaceAll(DecodeEscapes(replace.FindText()),
                                          DecodeEscapes(replace.ReplaceText()), options.matchCase,
                                          options.wholeWord);
    }
    //: %1 is the number of replacements made
    form.Ask(MsgKind::Information, QCoreApplication::translate("TMainForm", "%1 occurrence(s) replaced.").arg(count),
             MsgButtons::Ok);
    return count;
}

void CloseSearchDialogs(TMainForm& form)
{
    for (QDialog* dialog : {static_cast<QDialog*>(form.Editing.FindDialog),
                            static_cast<QDialog*>(form.Editing.ReplaceDialog)})
        if (dialog && dialog->isVisible())
            dialog->hide();
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

// ---------------------------------------------------------------- handlers

void TMainForm::Find1Click()
{
    OpenSearchDialog(*this, FindDialogOf(*this), kFindDialogHeight);
}

void TMainForm::Replace1Click()
{
    OpenSearchDialog(*this, ReplaceDialogOf(*this), kReplaceDialogHeight);
}

void TMainForm::FindAgainClick()
{
    if (!FindDialogOf(*this).FindText().isEmpty())
        SearchNext(*this, SearchOrigin::FindDialog);
}

void TMainForm::GotoLine1Click()
{
    const std::optional<QString> answer = platform().prompts->InputBox(
        tr("Goto Line"), tr("Please insert the line number:"), QString());
    const std::optional<int> n = ParseLineNumber(answer.value_or(QString()));
    if (!n) {
        ShowError(tr("Invalid number."));
        return;
    }
    if (*n == 1)
        return;
    // The view cannot scroll further than the document is long.
    const qint64 lines = RichEdit->LineCount();
    RichEdit->LineScroll(int(std::clamp<qint64>(qint64(*n) - 1, -lines, lines)));
    const int caretLine = RichEdit->LineFromChar(RichEdit->CaretPosition());
    RichEdit->SetSelStart(RichEdit->LineIndex(GotoLineTarget(*n, caretLine, RichEdit->LineCount())));
}
