// SPDX-License-Identifier: GPL-3.0-or-later
// Decisions of the format bar and of going plain.
#include "editor/Formatting.h"

#include "editor/RichEdit.h"
#include "platform/Prompts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

CharAttributes AttributesOf(const FontChoice& choice)
{
    CharAttributes attributes;
    attributes.name = choice.font.family();
    attributes.size = choice.font.pointSizeF();
    attributes.bold = choice.font.bold();
    attributes.italic = choice.font.italic();
    attributes.underline = choice.font.underline();
    attributes.colour = choice.colour;
    return attributes;
}

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

bool ChooseTypedSize(QComboBox& box)
{
    const QString text = box.currentText();
    if (!IsSizeText(text))
        return false;
    QStringList sizes;
    for (int i = 0; i < box.count(); ++i)
        sizes << box.itemText(i);
    const SizePlace place = PlaceSize(sizes, text);
    if (!place.found)
        box.insertItem(place.index, text);
    box.setCurrentIndex(place.index);
    if (box.lineEdit())
        box.lineEdit()->deselect();
    return true;
}

QString AlignmentLine(int tag)
{
    switch (tag) {
    case AlignRightCode: return QStringLiteral("AlignRight");
    case AlignCenterCode: return QStringLiteral("Center");
    default: return QStringLiteral("AlignLeft");
    }
}

void ShowAlignment(const AlignmentButtons& buttons, int code)
{
    QToolButton* pressed = code == AlignLeftCode     ? buttons.left
                           : code == AlignRightCode  ? buttons.right
                           : code == AlignCenterCode ? buttons.center
                                                     : nullptr;
    if (!pressed)
        return;
    for (QToolButton* b : {buttons.left, buttons.right, buttons.center}) {
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
    const CharAttributes a = AttributesOf(userFont);
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

bool ToggleStyle(TRichEdit& edit, TextStyle style)
{
    const CharAttributes a = edit.SelAttributes();
    const bool had = style == TextStyle::Bold ? a.bold : style == TextStyle::Italic ? a.italic : a.underline;
    switch (style) {
    case TextStyle::Bold: edit.SetSelBold(!had); break;
    case TextStyle::Italic: edit.SetSelItalic(!had); break;
    case TextStyle::Underline: edit.SetSelUnderline(!had); break;
    }
    return !had;
}

QString StyleLine(TextStyle style, bool on)
{
    const QString word = style == TextStyle::Bold     ? QStringLiteral("Bold")
                         : style == TextStyle::Italic ? QStringLiteral("Italic")
                                                      : QStringLiteral("Underline");
    return word + (on ? QStringLiteral(" On") : QStringLiteral(" Off"));
}
