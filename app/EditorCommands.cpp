// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of editing: the Edit, Find and format commands hand
// over to the editor and the search session, and the session reaches the
// window through the host below.
#include "app/MainForm.h"
#include "app/StatusBar.h"
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

    TRichEdit& Editor() override { return *form_.RichEdit; }
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
    return {form.LeftAlign, form.RightAlign, form.CenterAlign};
}

void ToggleStyleClick(TMainForm& form, TextStyle style, QToolButton* button)
{
    const bool on = ToggleStyle(*form.RichEdit, style);
    // Nothing moved, so no selection change will set the button.
    button->setChecked(on);
    form.RecordCommand(StyleLine(style, on));
    form.RichEdit->setFocus();
}

} // namespace

std::unique_ptr<EditorHost> MakeEditorHost(TMainForm& form)
{
    return std::make_unique<MainFormEditorHost>(form);
}

TFindDialog& FindDialogOf(TMainForm& form) { return form.Search().FindDialog(); }
TReplaceDialog& ReplaceDialogOf(TMainForm& form) { return form.Search().ReplaceDialog(); }
bool SearchNext(TMainForm& form, SearchOrigin origin) { return form.Search().Next(origin); }
void ReplaceOnce(TMainForm& form) { form.Search().ReplaceOnce(); }
int ReplaceAllOccurrences(TMainForm& form) { return form.Search().ReplaceAll(); }
void CloseSearchDialogs(TMainForm& form) { form.Search().CloseDialogs(); }

// ---------------------------------------------------------------- Edit

void TMainForm::Cut1Click()
{
    RichEdit->cut();
    RecordCommand(QStringLiteral("Cut"));
    RichEdit->setFocus();
}

void TMainForm::Copy1Click()
{
    RichEdit->copy();
    RecordCommand(QStringLiteral("Copy"));
    RichEdit->setFocus();
}

void TMainForm::Paste1Click()
{
    RichEdit->paste();
    RecordCommand(QStringLiteral("Paste"));
    RichEdit->setFocus();
}

void TMainForm::SelectAll1Click()
{
    RichEdit->SelectAllText();
    RecordCommand(QStringLiteral("SelectAll"));
    RichEdit->setFocus();
}

void TMainForm::Undo1Click()
{
    RichEdit->UndoStep();
    // While recording, undo takes back the input it recorded last.
    Macro.UndoRecorded();
    RichEdit->setFocus();
}

void TMainForm::Redo1Click()
{
    // Nothing is recorded: Redo is off while a recording is on.
    if (!Macro.IsRecording)
        RichEdit->RedoStep();
    RichEdit->setFocus();
}

// ---------------------------------------------------------------- Find

void TMainForm::Find1Click() { search_->OpenDialog(SearchOrigin::FindDialog); }
void TMainForm::Replace1Click() { search_->OpenDialog(SearchOrigin::ReplaceDialog); }
void TMainForm::FindAgainClick() { search_->FindAgain(); }
void TMainForm::GotoLine1Click() { search_->GoToLine(); }

// ---------------------------------------------------------------- Print

void TMainForm::Print1Click()
{
    if (RichEdit->TextLength() == 0) {
        Ask(MsgKind::Information, tr("There is nothing to print!"), MsgButtons::Ok);
    } else {
        QPrinter& printer = PrinterOf(Editing);
        if (platform().prompts->PrintDialog(printer))
            RichEdit->PrintDocument(Doc.CurrentFile, printer);
    }
    RecordCommand(QStringLiteral("Print"));
    RichEdit->setFocus();
}

void TMainForm::PrinterSetup1Click()
{
    platform().prompts->PrinterSetupDialog(PrinterOf(Editing));
    RichEdit->setFocus();
}

// ---------------------------------------------------------------- format

void TMainForm::BoldButtonClick() { ToggleStyleClick(*this, TextStyle::Bold, BoldButton); }
void TMainForm::ItalicButtonClick() { ToggleStyleClick(*this, TextStyle::Italic, ItalicButton); }
void TMainForm::UnderlinedButtonClick() { ToggleStyleClick(*this, TextStyle::Underline, UnderlinedButton); }

void TMainForm::SchriftartenChange()
{
    const QString name = Schriftarten->currentText();
    RichEdit->SetSelFontName(name);
    RichEdit->setFocus();
    RecordCommand(QStringLiteral("Font ") + name);
}

void TMainForm::GroesseChange()
{
    // Only a chosen entry is a size: a "Size " line without one would stop
    // the macro that replays it.
    const int index = Groesse->currentIndex();
    if (index < 0)
        return;
    const QString entry = Groesse->itemText(index);
    RichEdit->SetSelSize(entry.toInt());
    RecordCommand(QStringLiteral("Size ") + entry);
    RichEdit->setFocus();
}

void TMainForm::GroesseKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    // Enter only adds and chooses a size; applying it is the list's job.
    key = 0;
    const QString text = Groesse->currentText();
    if (!IsSizeText(text))
        return;
    QStringList sizes;
    for (int i = 0; i < Groesse->count(); ++i)
        sizes << Groesse->itemText(i);
    const SizePlace place = PlaceSize(sizes, text);
    if (!place.found)
        Groesse->insertItem(place.index, text);
    Groesse->setCurrentIndex(place.index);
    Groesse->lineEdit()->deselect();
    RichEdit->setFocus();
}

void TMainForm::AlignClick(int tag)
{
    RichEdit->SetParaAlignment(tag);
    ShowAlignment(AlignmentButtonsOf(*this), tag);
    RecordCommand(AlignmentLine(tag));
    RichEdit->setFocus();
}

void TMainForm::Font1Click()
{
    FontChoice choice{RichEdit->ControlFont(), RichEdit->ControlColour()};
    if (platform().prompts->FontDialog(choice)) {
        Startup.UserFont = choice;
        RichEdit->SetControlFont(choice.font, choice.colour);
        RecordCommand(QStringLiteral("Font ") + choice.font.family());
    }
    RichEdit->setFocus();
}

void TMainForm::WordWrapClick()
{
    const bool on = !IsChecked(Command::WordWrap);
    SetChecked(Command::WordWrap, on);
    Doc.WrapWanted = on;
    RichEdit->SetWordWrap(on);
    RecordCommand(on ? QStringLiteral("WordWrap On") : QStringLiteral("WordWrap Off"));
    RichEdit->setFocus();
}

void TMainForm::PlainTextClick()
{
    const bool wasPlain = IsChecked(Command::PlainText);
    const bool hasText = RichEdit->TextLength() > 0;
    const int start = RichEdit->SelStart();
    const int length = RichEdit->SelLength();
    if (wasPlain) {
        RecordCommand(QStringLiteral("PlainText Off"));
    } else if (!hasText) {
        RecordCommand(QStringLiteral("PlainText On"));
    } else {
        if (Ask(MsgKind::Confirmation, tr("Sure to loose all formattings?\nNo undo possible!"),
                MsgButtons::OkCancel) != MsgAnswer::Ok)
            return;
        DropFormatting(*RichEdit, Startup.UserFont);
        RecordCommand(QStringLiteral("PlainText On"));
    }
    Doc.IsPlainDocument = !wasPlain;
    ToolBar1->setVisible(wasPlain);
    if (hasText)
        RichEdit->SetModified(true);
    ApplyDocumentKind();
    // Going plain sets the text anew, which would leave the caret at the start.
    RichEdit->SetSelStart(start);
    RichEdit->SetSelLength(length);
    const int colourWidth = Doc.IsPlainDocument ? 27 : 0;
    StatusBar->SetPanelWidth(3, colourWidth);
    StatusBar->SetPanelWidth(4, colourWidth);
    RichEditSelectionChange();
    RichEdit->setFocus();
}

// ---------------------------------------------------------------- selection

void TMainForm::ShowCaretPosition()
{
    const int start = RichEdit->SelStart();
    const int line = RichEdit->LineFromChar(start);
    const QString text = CaretPositionText(line, start - RichEdit->LineIndex(line));
    StatusBar->SetPanelText(1, text);
    StatusBar->SetPanelWidth(1, StatusBar->TextWidth(text) + 25);
}

void TMainForm::RichEditSelectionChange()
{
    const int start = RichEdit->SelStart();
    if (start == SearchPos)
        Macro.PreviousChar = QChar();
    else
        SearchPos = start;
    SelectionHintDone = false;
    // A macro run updates the window once, when it ends.
    if (Macro.IsRunning)
        return;

    if (RichEdit->IsPlainText()) {
        if (const auto text = ShortTrimmedSelection(*RichEdit, 6)) {
            if (const auto colour = ColourFromText(*text)) {
                Startup.LastSelectedColour = ColourSlots{colour->red, colour->green, colour->blue};
                StatusBar->update();
            }
        }
        if (fileSizeKnown_)
            StatusBar->SetPanelWidth(0, StatusBar->TextWidth(StatusBar->Panel(0).text) + 25);
        else if (RichEdit->TextLength() <= kFileSizeAtOnce)
            ShowFileSize();
        else if (!fileSizeTimer_->isActive())
            fileSizeTimer_->start();
    } else {
        const CharAttributes a = RichEdit->SelAttributes();
        BoldButton->setChecked(a.bold);
        ItalicButton->setChecked(a.italic);
        UnderlinedButton->setChecked(a.underline);
        Schriftarten->setCurrentIndex(FontBoxIndex(*Schriftarten, a.name));
        Groesse->setEditText(QString::number(qRound(a.size)));
        int enter = Qt::Key_Return;
        GroesseKeyDown(enter, Qt::NoModifier);
        ShowAlignment(AlignmentButtonsOf(*this), RichEdit->ParaAlignment());
        StatusBar->SetPanelWidth(0, 0);
    }
    ShowCaretPosition();
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
    const QString size = FileSizeText(RichEdit->EncodedSize());
    StatusBar->SetPanelText(0, size);
    // Rich documents keep the panel hidden.
    if (RichEdit->IsPlainText())
        StatusBar->SetPanelWidth(0, StatusBar->TextWidth(size) + 25);
}

void TMainForm::RichEditMouseMove(Qt::KeyboardModifiers, int, int)
{
    if (IsChecked(Command::CenterOnScreen) && RichEdit->hasFocus()) {
        const QSize screen = platform().screen ? platform().screen->ScreenSize() : QSize();
        const QRect frame = frameGeometry();
        const QPoint centred(screen.width() / 2 - frame.width() / 2,
                             screen.height() / 2 - frame.height() / 2);
        if (frame.topLeft() != centred)
            move(centred);
    }
    if (SelectionHintDone)
        return;
    const QString hint = SelectionHint(*RichEdit);
    // No selection: no hint, and the next selection gets one.
    SelectionHintDone = !hint.isEmpty();
    RichEdit->setToolTip(hint);
}
