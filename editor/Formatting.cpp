// SPDX-License-Identifier: GPL-3.0-or-later
// The formatting toolbar, the editor font, Wordwrap and Plain Text.
#include "editor/Formatting.h"

#include "app/StatusBar.h"
#include "app/MainForm.h"
#include "editor/RichEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

bool IsSizeText(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value != 0;
}

SizePlace PlaceSize(const QStringList& sizes, const QString& text)
{
    const int index = int(sizes.indexOf(text));
    if (index >= 0)
        return {index, true};
    const int value = text.toInt();
    for (int i = 0; i < sizes.size(); ++i)
        if (sizes.at(i).toInt() >= value)
            return {i, false};
    return {int(sizes.size()), false};
}

QString AlignmentLine(int tag)
{
    switch (tag) {
    case AlignRightCode: return QStringLiteral("AlignRight");
    case AlignCenterCode: return QStringLiteral("Center");
    default: return QStringLiteral("AlignLeft");
    }
}

void ShowAlignment(TMainForm& form, int code)
{
    QToolButton* pressed = code == AlignLeftCode     ? form.LeftAlign
                           : code == AlignRightCode  ? form.RightAlign
                           : code == AlignCenterCode ? form.CenterAlign
                                                     : nullptr;
    if (!pressed)
        return;
    for (QToolButton* b : {form.LeftAlign, form.RightAlign, form.CenterAlign}) {
        b->setCheckable(true);
        b->setChecked(b == pressed);
    }
}

void DropFormatting(TRichEdit& edit, const FontChoice& userFont)
{
    const int start = edit.SelStart();
    const int length = edit.SelLength();
    edit.SelectAllText();
    edit.SetControlFont(userFont.font, userFont.colour);
    edit.SetParaAlignment(AlignLeftCode);
    edit.SetFirstIndent(0);
    edit.SetLeftIndent(0);
    edit.SetRightIndent(0);
    edit.SetNumberingOff();
    edit.SetTabs(QList<double>(edit.TabCount(), 0.0));
    CharAttributes a;
    a.name = userFont.font.family();
    a.size = userFont.font.pointSizeF();
    a.bold = userFont.font.bold();
    a.italic = userFont.font.italic();
    a.underline = userFont.font.underline();
    a.colour = userFont.colour;
    edit.SetSelFontName(a.name);
    edit.SetSelSize(a.size);
    edit.SetSelBold(a.bold);
    edit.SetSelItalic(a.italic);
    edit.SetSelUnderline(a.underline);
    if (a.colour.isValid())
        edit.SetSelColour(a.colour);
    edit.SetDefAttributes(a);
    edit.SetSelStart(start);
    edit.SetSelLength(length);
}

// ---------------------------------------------------------------- handlers

namespace {
enum class Style { Bold, Italic, Underline };

void ToggleStyle(TMainForm& form, Style style, QToolButton* button, const QString& word)
{
    TRichEdit& edit = *form.RichEdit;
    const CharAttributes a = edit.SelAttributes();
    const bool had = style == Style::Bold ? a.bold : style == Style::Italic ? a.italic : a.underline;
    switch (style) {
    case Style::Bold: edit.SetSelBold(!had); break;
    case Style::Italic: edit.SetSelItalic(!had); break;
    case Style::Underline: edit.SetSelUnderline(!had); break;
    }
    // Nothing moved, so no selection change will set the button.
    button->setChecked(!had);
    form.RecordCommand(word + (had ? QStringLiteral(" Off") : QStringLiteral(" On")));
    edit.setFocus();
}
} // namespace

void TMainForm::BoldButtonClick()
{
    ToggleStyle(*this, Style::Bold, BoldButton, QStringLiteral("Bold"));
}

void TMainForm::ItalicButtonClick()
{
    ToggleStyle(*this, Style::Italic, ItalicButton, QStringLiteral("Italic"));
}

void TMainForm::UnderlinedButtonClick()
{
    ToggleStyle(*this, Style::Underline, UnderlinedButton, QStringLiteral("Underline"));
}

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
    ShowAlignment(*this, tag);
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
    const bool on = !IsChecked(QStringLiteral("WordWrap"));
    SetChecked(QStringLiteral("WordWrap"), on);
    Doc.WrapWanted = on;
    SetChecked(QStringLiteral("Wordwrap1"), on);
    RichEdit->SetWordWrap(on);
    RecordCommand(on ? QStringLiteral("WordWrap On") : QStringLiteral("WordWrap Off"));
    RichEdit->setFocus();
}

void TMainForm::PlainTextClick()
{
    const bool wasPlain = IsChecked(QStringLiteral("PlainText"));
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
