// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of editing: the Edit, Find and format commands hand
// over to the editor and the search session, and the session reaches the
// window through the host below.
#include "app/MainForm.h"
#include "app/StatusBar.h"
#include "app/WindowOptions.h"
#include "editor/EditCommands.h"
#include "editor/Formatting.h"
#include "editor/RichEdit.h"
#include "editor/SearchDialogs.h"
#include "editor/SelectionTracking.h"
#include "macro/Escapes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

class MainFormEditorHost : public EditorHost {
public:
    explicit MainFormEditorHost(TMainForm& form) : form_(form) {}

    TRichEdit& Editor() override { return *form_.Ui().RichEdit; }
    void RecordCommand(const QString& line) override { form_.RecordCommand(line); }
    QString DecodeEscapes(const QString& text) const override { return ::DecodeEscapes(text); }
    void Guard(const std::function<void()>& handler) override { form_.Guard(handler); }
    QWidget* DialogParent() override { return &form_; }
    QRect WindowFrame() const override { return form_.frameGeometry(); }

private:
    TMainForm& form_;
};

// Up to this many characters the size is worked out on the spot; longer
// texts wait until typing pauses.
constexpr int kFileSizeAtOnce = 64 * 1024;

AlignmentButtons AlignmentButtonsOf(TMainForm& form)
{
    return {form.Ui().LeftAlign, form.Ui().RightAlign, form.Ui().CenterAlign};
}

void ToggleStyleClick(TMainForm& form, TextStyle style, QToolButton* button)
{
    const bool on = ToggleStyle(*form.Ui().RichEdit, style);
    // Nothing moved, so no selection change will set the button.
    button->setChecked(on);
    form.RecordCommand(StyleLine(style, on));
    form.Ui().RichEdit->setFocus();
}

}   // namespace

std::unique_ptr<EditorHost> MakeEditorHost(TMainForm& form)
{
    return std::make_unique<MainFormEditorHost>(form);
}

TFindDialog& FindDialogOf(TMainForm& form)
{
    return form.Search().FindDialog();
}
TReplaceDialog& ReplaceDialogOf(TMainForm& form)
{
    return form.Search().ReplaceDialog();
}
bool SearchNext(TMainForm& form, SearchOrigin origin)
{
    return form.Search().Next(origin);
}
void ReplaceOnce(TMainForm& form)
{
    form.Search().ReplaceOnce();
}
int ReplaceAllOccurrences(TMainForm& form)
{
    return form.Search().ReplaceAll();
}
void CloseSearchDialogs(TMainForm& form)
{
    form.Search().CloseDialogs();
}

// ---------------------------------------------------------------- Edit

void TMainForm::Cut1Click()
{
    RunEditCommand(*editorHost_, EditCommand::Cut);
}
void TMainForm::Copy1Click()
{
    RunEditCommand(*editorHost_, EditCommand::Copy);
}
void TMainForm::Paste1Click()
{
    RunEditCommand(*editorHost_, EditCommand::Paste);
}
void TMainForm::SelectAll1Click()
{
    RunEditCommand(*editorHost_, EditCommand::SelectAll);
}

void TMainForm::Undo1Click()
{
    ui_.RichEdit->UndoStep();
    // While recording, undo takes back the input it recorded last.
    macro_.UndoRecorded();
    ui_.RichEdit->setFocus();
}

void TMainForm::Redo1Click()
{
    // Nothing is recorded: Redo is off while a recording is on.
    if (!macro_.IsRecording)
        ui_.RichEdit->RedoStep();
    ui_.RichEdit->setFocus();
}

// ---------------------------------------------------------------- Find

void TMainForm::Find1Click()
{
    search_->OpenDialog(SearchOrigin::FindDialog);
}
void TMainForm::Replace1Click()
{
    search_->OpenDialog(SearchOrigin::ReplaceDialog);
}
void TMainForm::FindAgainClick()
{
    search_->FindAgain();
}
void TMainForm::GotoLine1Click()
{
    search_->GoToLine();
}

// ---------------------------------------------------------------- Print

void TMainForm::Print1Click()
{
    if (ui_.RichEdit->TextLength() == 0) {
        Ask(MsgKind::Information, tr("There is nothing to print!"), MsgButtons::Ok);
    } else {
        QPrinter& printer = PrinterOf(editing_);
        if (platform().prompts->PrintDialog(printer))
            ui_.RichEdit->PrintDocument(doc_.CurrentFile, printer);
    }
    RecordCommand(QStringLiteral("Print"));
    ui_.RichEdit->setFocus();
}

void TMainForm::PrinterSetup1Click()
{
    platform().prompts->PrinterSetupDialog(PrinterOf(editing_));
    ui_.RichEdit->setFocus();
}

// ---------------------------------------------------------------- format

void TMainForm::BoldButtonClick()
{
    ToggleStyleClick(*this, TextStyle::Bold, ui_.BoldButton);
}
void TMainForm::ItalicButtonClick()
{
    ToggleStyleClick(*this, TextStyle::Italic, ui_.ItalicButton);
}
void TMainForm::UnderlinedButtonClick()
{
    ToggleStyleClick(*this, TextStyle::Underline, ui_.UnderlinedButton);
}

void TMainForm::SchriftartenChange()
{
    const QString name = ui_.Schriftarten->currentText();
    ui_.RichEdit->SetSelFontName(name);
    ui_.RichEdit->setFocus();
    RecordCommand(QStringLiteral("Font ") + name);
}

void TMainForm::GroesseChange()
{
    // Only a chosen entry is a size: a "Size " line without one would stop
    // the macro that replays it.
    const int index = ui_.Groesse->currentIndex();
    if (index < 0)
        return;
    const QString entry = ui_.Groesse->itemText(index);
    ui_.RichEdit->SetSelSize(entry.toInt());
    RecordCommand(QStringLiteral("Size ") + entry);
    ui_.RichEdit->setFocus();
}

void TMainForm::GroesseKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    // Enter only adds and chooses a size; applying it is the list's job.
    key = 0;
    if (ChooseTypedSize(*ui_.Groesse))
        ui_.RichEdit->setFocus();
}

void TMainForm::AlignClick(int tag)
{
    AlignParagraphs(*editorHost_, tag);
    ShowAlignment(AlignmentButtonsOf(*this), tag);
}

void TMainForm::Font1Click()
{
    FontChoice choice{ui_.RichEdit->ControlFont(), ui_.RichEdit->ControlColour()};
    if (platform().prompts->FontDialog(choice)) {
        startup_.UserFont = choice;
        ui_.RichEdit->SetControlFont(choice.font, choice.colour);
        RecordCommand(QStringLiteral("Font ") + choice.font.family());
    }
    ui_.RichEdit->setFocus();
}

void TMainForm::WordWrapClick()
{
    const bool on = !IsChecked(Command::WordWrap);
    SetChecked(Command::WordWrap, on);
    session_->SetWordWrap(on);
    ui_.RichEdit->setFocus();
}

void TMainForm::PlainTextClick()
{
    if (!session_->SwitchPlainText(IsChecked(Command::PlainText)))
        return;
    const int colourWidth = doc_.IsPlainDocument ? 27 : 0;
    ui_.StatusBar->SetPanelWidth(3, colourWidth);
    ui_.StatusBar->SetPanelWidth(4, colourWidth);
    RichEditSelectionChange();
    ui_.RichEdit->setFocus();
}

// ---------------------------------------------------------------- selection

void TMainForm::ShowCaretPosition()
{
    const int start = ui_.RichEdit->SelStart();
    const int line = ui_.RichEdit->LineFromChar(start);
    const QString text = CaretPositionText(line, start - ui_.RichEdit->LineIndex(line));
    ui_.StatusBar->SetPanelText(1, text);
    ui_.StatusBar->SetPanelWidth(1, ui_.StatusBar->TextWidth(text) + 25);
}

void TMainForm::RichEditSelectionChange()
{
    const int start = ui_.RichEdit->SelStart();
    if (start == search_->Pos())
        macro_.PreviousChar = QChar();
    else
        search_->Pos() = start;
    selectionHintDone_ = false;
    // A macro run updates the window once, when it ends.
    if (macro_.IsRunning)
        return;
    if (ui_.RichEdit->IsPlainText())
        ShowPlainSelection();
    else
        ShowRichSelection();
    ShowCaretPosition();
}

// A colour's code selected in plain text shows in its swatch, and the size
// panel follows the text.
void TMainForm::ShowPlainSelection()
{
    if (const auto text = ShortTrimmedSelection(*ui_.RichEdit, 6)) {
        if (const auto colour = ColourFromText(*text)) {
            startup_.LastSelectedColour = ColourSlots{colour->red, colour->green, colour->blue};
            ui_.StatusBar->update();
        }
    }
    if (fileSizeKnown_)
        ui_.StatusBar->SetPanelWidth(0, ui_.StatusBar->TextWidth(ui_.StatusBar->Panel(0).text) + 25);
    else if (ui_.RichEdit->TextLength() <= kFileSizeAtOnce)
        ShowFileSize();
    else if (!fileSizeTimer_->isActive())
        fileSizeTimer_->start();
}

// The format toolbar shows the selection's attributes.
void TMainForm::ShowRichSelection()
{
    const CharAttributes a = ui_.RichEdit->SelAttributes();
    ui_.BoldButton->setChecked(a.bold);
    ui_.ItalicButton->setChecked(a.italic);
    ui_.UnderlinedButton->setChecked(a.underline);
    ui_.Schriftarten->setCurrentIndex(FontBoxIndex(*ui_.Schriftarten, a.name));
    ui_.Groesse->setEditText(QString::number(qRound(a.size)));
    if (ChooseTypedSize(*ui_.Groesse))
        ui_.RichEdit->setFocus();
    ShowAlignment(AlignmentButtonsOf(*this), ui_.RichEdit->ParaAlignment());
    ui_.StatusBar->SetPanelWidth(0, 0);
}

void TMainForm::FileSizeStale()
{
    fileSizeKnown_ = false;
    fileSizeTimer_->start();
}

void TMainForm::ShowFileSize()
{
    fileSizeTimer_->stop();
    fileSizeKnown_ = true;
    const QString size = FileSizeText(ui_.RichEdit->EncodedSize());
    ui_.StatusBar->SetPanelText(0, size);
    // Rich documents keep the panel hidden.
    if (ui_.RichEdit->IsPlainText())
        ui_.StatusBar->SetPanelWidth(0, ui_.StatusBar->TextWidth(size) + 25);
}

void TMainForm::RichEditMouseMove(Qt::KeyboardModifiers, int, int)
{
    if (IsChecked(Command::CenterOnScreen) && ui_.RichEdit->hasFocus()) {
        const QSize screen = platform().screen ? platform().screen->ScreenSize() : QSize();
        const QPoint centred = CentredOnScreen(screen, frameGeometry().size());
        if (frameGeometry().topLeft() != centred)
            move(centred);
    }
    if (selectionHintDone_)
        return;
    const QString hint = SelectionHint(*ui_.RichEdit);
    // No selection: no hint, and the next selection gets one.
    selectionHintDone_ = !hint.isEmpty();
    ui_.RichEdit->setToolTip(hint);
}
