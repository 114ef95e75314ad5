// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <QString>
#include <functional>

// The dialogs that a run without a window cannot show.
enum class WindowDialog { Open, Save, Folder, Font, Colour, Print, PrinterSetup };

// Prompts for runs without a window: nobody is there to answer. Messages
// become lines "FILE:LINE: Caption: text" for standard error, questions get
// their safe answer (No, Cancel), and a dialog fails the command that wanted
// it by throwing, so that the macro line reports it.
class BatchPrompts : public Prompts {
public:
    explicit BatchPrompts(std::function<void(const QString&)> write) : write_(std::move(write)) {}

    // The document the messages are about.
    void SetFile(const QString& file) { file_ = file; }
    // The macro line running now (0: none), and the line whose failure the
    // run is reporting (0: none); that report is the caller's to print.
    void SetLineSources(std::function<int()> running, std::function<int()> failed)
    {
        running_ = std::move(running);
        failed_ = std::move(failed);
    }
    // Why the last dialog was refused, then forgotten; empty when none was.
    QString TakeRefusal();
    // The last message shown outside a line report, then forgotten.
    QString TakeLastMessage();

    static MsgAnswer SafeAnswer(MsgButtons buttons);

    MsgAnswer MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) override;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt, const QString& preset) override;
    bool OpenDialog(FileDialogState& state) override;
    bool SaveDialog(FileDialogState& state) override;
    QString ChooseFolder() override;
    bool FontDialog(FontChoice& choice) override;
    bool ColourDialog(QColor& colour, CustomColours& custom) override;
    bool PrintDialog(QPrinter& printer) override;
    bool PrinterSetupDialog(QPrinter& printer) override;
    void ShowException(const QString& caption, const QString& message) override;

private:
    [[noreturn]] void Refuse(WindowDialog dialog);
    void Write(const QString& caption, const QString& text);

    std::function<void(const QString&)> write_;
    std::function<int()> running_;
    std::function<int()> failed_;
    QString file_;
    QString refusal_;
    QString lastMessage_;
};

// Why a command that wants a dialog fails in a run without a window:
// "needs the print dialog, which a run without a window cannot show".
QString DialogRefusal(WindowDialog dialog);
// The same with the command word in front, as one sentence:
// "\"print\" needs the print dialog, which ...".
QString CommandRefusal(const QString& word, const QString& refusal);

// A file name as the report lines of runs without a window give it: as it
// is, unless it holds a control character, a line separator, a double
// quote or a backslash; then in double quotes with C escapes ("a\nb.txt"),
// as ls and git show such names, so that no name breaks or forges a line.
QString QuotedName(const QString& name);
// The text with each control character and line separator made a blank.
QString OneLine(const QString& text);

// Nothing is opened in a browser and nothing goes to the trash.
class BatchShell : public Shell {
public:
    void ShellOpen(const QString&) override {}
    bool RecycleFile(const QString&) override { return false; }
};
