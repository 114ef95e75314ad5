#include "platform/BatchPrompts.h"

#include "platform/AppError.h"

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
    QString where = file_;
    if (line > 0)
        where += QLatin1Char(':') + QString::number(line);
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (write_)
        write_(where + QStringLiteral(": ") + caption + QStringLiteral(": ") + flat);
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
    refusal_ = QStringLiteral("needs the %1, which a run without a window cannot show").arg(dialog);
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
