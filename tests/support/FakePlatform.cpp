// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FakePlatform.h"
#include "platform/Trash.h"

#include <QFile>
#include <gtest/gtest.h>

FakePrompts::~FakePrompts()
{
    if (!expected_.empty())
        ADD_FAILURE() << expected_.size()
                      << " expected prompt(s) never shown, first: " << expected_.front().what.toStdString() << " \""
                      << expected_.front().text.toStdString() << "\"";
}

void FakePrompts::VerifyAllShown()
{
    if (!expected_.empty())
        ADD_FAILURE() << expected_.size()
                      << " expected prompt(s) never shown, first: " << expected_.front().what.toStdString() << " \""
                      << expected_.front().text.toStdString() << "\"";
    expected_.clear();
}

std::optional<FakePrompts::Expected> FakePrompts::Next(const QString& what, const QString& detail)
{
    shown.append(what + QLatin1Char('|') + detail);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << what.toStdString() << ": " << detail.toStdString();
        return std::nullopt;
    }
    Expected e = expected_.front();
    expected_.pop_front();
    if (e.what != what) {
        ADD_FAILURE() << "expected a " << e.what.toStdString() << " \"" << e.text.toStdString() << "\" but got a "
                      << what.toStdString() << ": " << detail.toStdString();
        return std::nullopt;
    }
    return e;
}

FakePrompts::Expected& FakePrompts::Add(const QString& what)
{
    Expected& e = expected_.emplace_back();
    e.what = what;
    return e;
}

FakePrompts& FakePrompts::ExpectMessage(MsgKind kind, const QString& text, MsgButtons buttons, MsgAnswer answer)
{
    Expected& e = Add(QStringLiteral("message"));
    e.kind = kind;
    e.text = text;
    e.buttons = buttons;
    e.answer = answer;
    return *this;
}

FakePrompts& FakePrompts::ExpectSaveChanges(MsgAnswer answer)
{
    return ExpectMessage(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel, answer);
}

FakePrompts& FakePrompts::ExpectInput(const QString& caption, const QString& prompt, std::optional<QString> answer)
{
    Expected& e = Add(QStringLiteral("input"));
    e.text = caption + QLatin1Char('|') + prompt;
    e.inputAnswer = answer;
    return *this;
}

FakePrompts& FakePrompts::ExpectOpenDialog(std::function<bool(FileDialogState&)> answer)
{
    Add(QStringLiteral("open")).fileAnswer = std::move(answer);
    return *this;
}

FakePrompts& FakePrompts::ExpectSaveDialog(std::function<bool(FileDialogState&)> answer)
{
    Add(QStringLiteral("save")).fileAnswer = std::move(answer);
    return *this;
}

FakePrompts& FakePrompts::ExpectFolder(const QString& answer)
{
    Add(QStringLiteral("folder")).folderAnswer = answer;
    return *this;
}

FakePrompts& FakePrompts::ExpectFont(std::function<bool(FontChoice&)> answer)
{
    Add(QStringLiteral("font")).fontAnswer = std::move(answer);
    return *this;
}

FakePrompts& FakePrompts::ExpectColour(std::function<bool(QColor&, CustomColours&)> answer)
{
    Add(QStringLiteral("colour")).colourAnswer = std::move(answer);
    return *this;
}

FakePrompts& FakePrompts::ExpectPrint(bool accept)
{
    Add(QStringLiteral("print")).accept = accept;
    return *this;
}

FakePrompts& FakePrompts::ExpectPrint(std::function<bool(QPrinter&)> answer)
{
    Add(QStringLiteral("print")).printAnswer = std::move(answer);
    return *this;
}

FakePrompts& FakePrompts::ExpectPrinterSetup(bool accept)
{
    Add(QStringLiteral("printersetup")).accept = accept;
    return *this;
}

FakePrompts& FakePrompts::ExpectException(const QString& caption, const QString& message)
{
    Add(QStringLiteral("exception")).text = caption + QLatin1Char('|') + message;
    return *this;
}

MsgAnswer FakePrompts::MessageBox(MsgKind kind, const QString& text, MsgButtons buttons)
{
    const QString detail = MsgKindName(kind) + QLatin1Char(' ') + MsgButtonsName(buttons) + QStringLiteral(": ") + text;
    auto e = Next(QStringLiteral("message"), detail);
    if (!e)
        return buttons == MsgButtons::Ok      ? MsgAnswer::Ok
               : buttons == MsgButtons::YesNo ? MsgAnswer::No
                                              : MsgAnswer::Cancel;
    EXPECT_EQ(e->text.toStdString(), text.toStdString()) << "message text";
    EXPECT_EQ(MsgKindName(e->kind).toStdString(), MsgKindName(kind).toStdString())
        << "message kind of \"" << text.toStdString() << "\"";
    EXPECT_EQ(MsgButtonsName(e->buttons).toStdString(), MsgButtonsName(buttons).toStdString())
        << "buttons of \"" << text.toStdString() << "\"";
    if (e->whileShown)
        e->whileShown();
    return e->answer;
}

FakePrompts& FakePrompts::WhileShown(std::function<void()> action)
{
    if (!expected_.empty())
        expected_.back().whileShown = std::move(action);
    return *this;
}

std::optional<QString> FakePrompts::InputBox(const QString& caption, const QString& prompt, const QString& preset)
{
    lastInputPreset = preset;
    auto e = Next(QStringLiteral("input"), caption + QLatin1Char('|') + prompt);
    if (!e)
        return std::nullopt;
    EXPECT_EQ(e->text.toStdString(), (caption + QLatin1Char('|') + prompt).toStdString());
    return e->inputAnswer;
}

bool FakePrompts::OpenDialog(FileDialogState& state)
{
    auto e = Next(QStringLiteral("open"), state.fileName);
    return e && e->fileAnswer ? e->fileAnswer(state) : false;
}

bool FakePrompts::SaveDialog(FileDialogState& state)
{
    auto e = Next(QStringLiteral("save"), state.fileName);
    return e && e->fileAnswer ? e->fileAnswer(state) : false;
}

QString FakePrompts::ChooseFolder()
{
    auto e = Next(QStringLiteral("folder"), QStringLiteral("Select a directory"));
    return e ? e->folderAnswer : QString();
}

bool FakePrompts::FontDialog(FontChoice& choice)
{
    auto e = Next(QStringLiteral("font"), choice.font.family());
    return e && e->fontAnswer ? e->fontAnswer(choice) : false;
}

bool FakePrompts::ColourDialog(QColor& colour, CustomColours& custom)
{
    auto e = Next(QStringLiteral("colour"), colour.name());
    return e && e->colourAnswer ? e->colourAnswer(colour, custom) : false;
}

bool FakePrompts::PrintDialog(QPrinter& printer)
{
    auto e = Next(QStringLiteral("print"), QString());
    if (e && e->printAnswer)
        return e->printAnswer(printer);
    return e && e->accept;
}

bool FakePrompts::PrinterSetupDialog(QPrinter&)
{
    auto e = Next(QStringLiteral("printersetup"), QString());
    return e && e->accept;
}

void FakePrompts::ShowException(const QString& caption, const QString& message)
{
    auto e = Next(QStringLiteral("exception"), caption + QLatin1Char('|') + message);
    if (e)
        EXPECT_EQ(e->text.toStdString(), (caption + QLatin1Char('|') + message).toStdString());
}

bool FakeShell::RecycleFile(const QString& path)
{
    recycled.append(path);
    recycleError.clear();
    if (!recycleSucceeds)
        return false;
    if (useRealTrash)
        return MoveToTrash(path, &recycleError);
    return QFile::remove(path);
}
