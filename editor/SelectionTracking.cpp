// SPDX-License-Identifier: GPL-3.0-or-later
// What follows every caret or selection move, and the mouse over the editor.
#include "editor/SelectionTracking.h"

#include "app/StatusBar.h"
#include "app/MainForm.h"
#include "editor/Formatting.h"
#include "editor/RichEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QTimer>
#include <QToolButton>

namespace {
// Up to this many characters the size is worked out on the spot; longer
// texts wait until typing pauses.
constexpr int kFileSizeAtOnce = 64 * 1024;
} // namespace

int FontBoxIndex(const QComboBox& box, const QString& family)
{
    const int listed = box.findText(family, Qt::MatchFixedString);
    if (listed >= 0 || family.isEmpty())
        return listed;
    // A family the machine lacks shows as the one drawn in its place.
    return box.findText(QFontInfo(QFont(family)).family(), Qt::MatchFixedString);
}

QString FileSizeText(qint64 bytes)
{
    //: status bar; %1 is the size of the saved file in bytes
    return QCoreApplication::translate("TMainForm", "Filesize: %1 bytes").arg(bytes);
}

QString CaretPositionText(int line, int column)
{
    //: status bar; %1 is the caret's line, %2 its column
    return QCoreApplication::translate("TMainForm", "Line: %1  Col: %2").arg(line + 1).arg(column + 1);
}

std::optional<ColourSlots> ColourFromText(const QString& text)
{
    if (text.size() != 6)
        return std::nullopt;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f')))
            return std::nullopt;
    }
    return ColourSlots{text.mid(0, 2), text.mid(2, 2), text.mid(4, 2)};
}

std::optional<QString> ShortTrimmedSelection(const TRichEdit& edit, int limit)
{
    const auto trimmed = [](QChar c) {
        return c.unicode() <= 32 || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
    };
    int start = edit.SelStart();
    int end = start + edit.SelLength();
    while (start < end && trimmed(edit.CharAt(start)))
        ++start;
    while (end > start && trimmed(edit.CharAt(end - 1)))
        --end;
    if (end - start > limit)
        return std::nullopt;
    return edit.TextRange(start, end - start);
}

QString SelectionHintText(qint64 length, qint64 breaks, bool endsWithBreak)
{
    // A final break ends the last line rather than starting an empty one.
    const qint64 lines = endsWithBreak ? breaks : breaks + 1;
    const qint64 characters = (length - breaks) + 2 * lines - 2;
    return QCoreApplication::translate("TMainForm", "%1 Line(s), %2 Character(s) in current selection.")
        .arg(lines)
        .arg(characters);
}

// ---------------------------------------------------------------- handlers

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
                Startup.LastSelectedColour = *colour;
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
        ShowAlignment(*this, RichEdit->ParaAlignment());
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
    if (IsChecked(QStringLiteral("CenterOnScreen")) && RichEdit->hasFocus()) {
        const QSize screen = platform().screen ? platform().screen->ScreenSize() : QSize();
        const QRect frame = frameGeometry();
        const QPoint centred(screen.width() / 2 - frame.width() / 2,
                             screen.height() / 2 - frame.height() / 2);
        if (frame.topLeft() != centred)
            move(centred);
    }
    if (SelectionHintDone)
        return;
    const int length = RichEdit->SelLength();
    if (length == 0) {
        RichEdit->setToolTip(QString());
        return;
    }
    SelectionHintDone = true;
    const int start = RichEdit->SelStart();
    const int end = start + length;
    const int lastLine = RichEdit->LineFromChar(end);
    const int breaks = lastLine - RichEdit->LineFromChar(start);
    const bool endsWithBreak = breaks > 0 && RichEdit->LineIndex(lastLine) == end;
    RichEdit->setToolTip(SelectionHintText(length, breaks, endsWithBreak));
}
