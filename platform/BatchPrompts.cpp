// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BatchPrompts.h"

#include "platform/AppError.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

bool BreaksLines(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

}   // namespace

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

QString DialogRefusal(WindowDialog dialog)
{
    // Whole phrases: the dialog's name decides the article in other languages.
    // In the order of WindowDialog.
    static const char* const kRefusals[] = {
        QT_TRANSLATE_NOOP("BatchPrompts", "needs the open dialog, which a run without a window cannot show"),
        QT_TRANSLATE_NOOP("BatchPrompts", "needs the save dialog, which a run without a window cannot show"),
        QT_TRANSLATE_NOOP("BatchPrompts", "needs the folder chooser, which a run without a window cannot show"),
        QT_TRANSLATE_NOOP("BatchPrompts", "needs the font dialog, which a run without a window cannot show"),
        QT_TRANSLATE_NOOP("BatchPrompts", "needs the colour dialog, which a run without a window cannot show"),
        QT_TRANSLATE_NOOP("BatchPrompts", "needs the print dialog, which a run without a window cannot show"),
        QT_TRANSLATE_NOOP("BatchPrompts", "needs the printer setup dialog, which a run without a window cannot show"),
    };
    static_assert(std::size(kRefusals) == std::size_t(WindowDialog::PrinterSetup) + 1);
    const auto at = std::size_t(dialog);
    return at < std::size(kRefusals) ? QCoreApplication::translate("BatchPrompts", kRefusals[at]) : QString();
}

QString CommandRefusal(const QString& word, const QString& refusal)
{
    //: %1 is a macro command word in double quotes, %2 why a run without a
    //: window refuses it, starting with its verb ("needs the print dialog, ...").
    return QCoreApplication::translate("BatchPrompts", "\"%1\" %2").arg(word, refusal);
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
    Write(MsgKindCaption(kind),
          buttons == MsgButtons::Ok ? text : text + QStringLiteral(" -> ") + MsgAnswerName(answer));
    return answer;
}

std::optional<QString> BatchPrompts::InputBox(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

void BatchPrompts::Refuse(WindowDialog dialog)
{
    refusal_ = DialogRefusal(dialog);
    throw AppError(refusal_);
}

bool BatchPrompts::OpenDialog(FileDialogState&)
{
    Refuse(WindowDialog::Open);
}
bool BatchPrompts::SaveDialog(FileDialogState&)
{
    Refuse(WindowDialog::Save);
}
QString BatchPrompts::ChooseFolder()
{
    Refuse(WindowDialog::Folder);
}
bool BatchPrompts::FontDialog(FontChoice&)
{
    Refuse(WindowDialog::Font);
}
bool BatchPrompts::ColourDialog(QColor&, CustomColours&)
{
    Refuse(WindowDialog::Colour);
}
bool BatchPrompts::PrintDialog(QPrinter&)
{
    Refuse(WindowDialog::Print);
}
bool BatchPrompts::PrinterSetupDialog(QPrinter&)
{
    Refuse(WindowDialog::PrinterSetup);
}

void BatchPrompts::ShowException(const QString& caption, const QString& message)
{
    lastMessage_ = message;
    Write(caption, message);
}
