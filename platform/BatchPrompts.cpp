// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BatchPrompts.h"

#include "platform/AppError.h"

#include <algorithm>

namespace {

bool BreaksLines(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

} // namespace

QString QuotedName(const QString& name)
{
    const bool plain = std::none_of(name.begin(), name.end(), [](QChar c) {
        return BreaksLines(c) || c == QLatin1Char('"') || c == QLatin1Char('\\');
    });
    if (plain)
        return name;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : name) {
        const ushort code = c.unicode();
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
            quoted += c;
        } else if (code >= 7 && code <= 13) {   // \a \b \t \n \v \f \r
            quoted += QLatin1Char('\\');
            quoted += QLatin1Char("abtnvfr"[code - 7]);
        } else if (BreaksLines(c)) {
            for (const char byte : QString(c).toUtf8())
                quoted += QStringLiteral("\\%1").arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
        } else {
            quoted += c;
        }
    }
    return quoted + QLatin1Char('"');
}

QString DialogRefusal(const QString& dialog)
{
    return QStringLiteral("needs the %1, which a run without a window cannot show").arg(dialog);
}

QString OneLine(const QString& text)
{
    QString flat = text;
    for (QChar& c : flat)
        if (BreaksLines(c))
            c = QLatin1Char(' ');
    return flat;
}

MsgAnswer BatchPrompts::SafeAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::OkCancel: return MsgAnswer::Cancel;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::No;   // "Save changes?": the file stays as it is
    }
    return MsgAnswer::Cancel;
}

QString BatchPrompts::TakeRefusal()
{
    return std::exchange(refusal_, QString());
}

QString BatchPrompts::TakeLastMessage()
{
    return std::exchange(lastMessage_, QString());
}

void BatchPrompts::Write(const QString& caption, const QString& text)
{
    const int line = running_ ? running_() : 0;
    QString where = QuotedName(file_);
    if (line > 0)
        where += QLatin1Char(':') + QString::number(line);
    if (write_)
        write_(where + QStringLiteral(": ") + caption + QStringLiteral(": ") + OneLine(text));
}

MsgAnswer BatchPrompts::MessageBox(MsgKind kind, const QString& text, MsgButtons buttons)
{
    const MsgAnswer answer = SafeAnswer(buttons);
    // The run's own "Error in line N." becomes the file's summary.
    if (failed_ && running_ && failed_() > 0 && failed_() == running_() && kind == MsgKind::Error)
        return answer;
    lastMessage_ = text;
    Write(MsgKindCaption(kind), buttons == MsgButtons::Ok ? text : text + QStringLiteral(" -> ") + MsgAnswerName(answer));
    return answer;
}

std::optional<QString> BatchPrompts::InputBox(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

void BatchPrompts::Refuse(const QString& dialog)
{
    refusal_ = DialogRefusal(dialog);
    throw AppError(refusal_);
}

bool BatchPrompts::OpenDialog(FileDialogState&) { Refuse(QStringLiteral("open dialog")); }
bool BatchPrompts::SaveDialog(FileDialogState&) { Refuse(QStringLiteral("save dialog")); }
QString BatchPrompts::ChooseFolder() { Refuse(QStringLiteral("folder chooser")); }
bool BatchPrompts::FontDialog(FontChoice&) { Refuse(QStringLiteral("font dialog")); }
bool BatchPrompts::ColourDialog(QColor&, CustomColours&) { Refuse(QStringLiteral("colour dialog")); }
bool BatchPrompts::PrintDialog(QPrinter&) { Refuse(QStringLiteral("print dialog")); }
bool BatchPrompts::PrinterSetupDialog(QPrinter&) { Refuse(QStringLiteral("printer setup dialog")); }

void BatchPrompts::ShowException(const QString& caption, const QString& message)
{
    lastMessage_ = message;
    Write(caption, message);
}
