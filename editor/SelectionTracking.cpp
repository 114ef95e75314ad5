// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the window shows after a caret or selection move.
#include "editor/SelectionTracking.h"

#include "editor/RichEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontInfo>

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
    return QCoreApplication::translate("SelectionTracking", "Filesize: %1 bytes").arg(bytes);
}

QString CaretPositionText(int line, int column)
{
    //: status bar; %1 is the caret's line, %2 its column
    return QCoreApplication::translate("SelectionTracking", "Line: %1  Col: %2").arg(line + 1).arg(column + 1);
}

std::optional<ColourDigits> ColourFromText(const QString& text)
{
    if (text.size() != 6)
        return std::nullopt;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f')))
            return std::nullopt;
    }
    return ColourDigits{text.mid(0, 2), text.mid(2, 2), text.mid(4, 2)};
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
    return QCoreApplication::translate("SelectionTracking", "%1 Line(s), %2 Character(s) in current selection.")
        .arg(lines)
        .arg(characters);
}

QString SelectionHint(const TRichEdit& edit)
{
    const int length = edit.SelLength();
    if (length == 0)
        return QString();
    const int start = edit.SelStart();
    const int end = start + length;
    const int lastLine = edit.LineFromChar(end);
    const int breaks = lastLine - edit.LineFromChar(start);
    const bool endsWithBreak = breaks > 0 && edit.LineIndex(lastLine) == end;
    return SelectionHintText(length, breaks, endsWithBreak);
}
