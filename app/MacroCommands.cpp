// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of macros: a command of a macro does what the menu
// item or button of the same command does, dialogs included.
#include "app/MainForm.h"
#include "app/StatusBar.h"
#include "editor/FindReplace.h"
#include "editor/RichEdit.h"
#include "markers/MegaCheckListBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolButton>

namespace {

class MainFormMacroHost : public MacroHost {
public:
    explicit MainFormMacroHost(TMainForm& form) : form_(form) {}

    TRichEdit& Editor() override { return *form_.Ui().RichEdit; }
    MacroState& Macro() override { return form_.Macro(); }
    DocumentSession& Session() override { return form_.Session(); }

    void Edit(MacroEdit command) override
    {
        switch (command) {
        case MacroEdit::SelectAll: form_.SelectAll1Click(); break;
        case MacroEdit::Copy: form_.Copy1Click(); break;
        case MacroEdit::Cut: form_.Cut1Click(); break;
        case MacroEdit::Paste: form_.Paste1Click(); break;
        }
    }
    void Align(int code) override { form_.AlignClick(code); }

    bool OptionOn(MacroOption option) const override
    {
        switch (option) {
        case MacroOption::AutoTab: return form_.IsChecked(Command::AutoTab);
        case MacroOption::CenterOnScreen: return form_.IsChecked(Command::CenterOnScreen);
        case MacroOption::RememberPos: return form_.IsChecked(Command::RememberPos);
        case MacroOption::PlainText: return form_.IsChecked(Command::PlainText);
        case MacroOption::AlwaysStayOnTop: return form_.IsChecked(Command::AlwaysStayOnTop);
        case MacroOption::WordWrap: return form_.IsChecked(Command::WordWrap);
        case MacroOption::SpecialCharacters: return form_.IsChecked(Command::ReplaceSpecialCharacters);
        }
        return false;
    }
    void FlipOption(MacroOption option) override
    {
        switch (option) {
        case MacroOption::AutoTab: form_.AutoTabClick(); break;
        case MacroOption::CenterOnScreen: form_.CenterOnScreenClick(); break;
        case MacroOption::RememberPos: form_.RememberPosClick(); break;
        case MacroOption::PlainText: form_.PlainTextClick(); break;
        case MacroOption::AlwaysStayOnTop: form_.AlwaysStayOnTopClick(); break;
        case MacroOption::WordWrap: form_.WordWrapClick(); break;
        case MacroOption::SpecialCharacters: form_.ReplaceSpecialCharactersClick(); break;
        }
    }
    void PrinterSetup() override { form_.PrinterSetup1Click(); }
    void Print() override { form_.Print1Click(); }

    void Find(const QString& text) override { form_.Search().Find(text); }
    void Replace(const ReplacePair& pair, bool all) override
    {
        form_.Search().Replace(pair.find, pair.replacement, all);
    }

    MsgAnswer Ask(MsgKind kind, const QString& text, MsgButtons buttons) override
    {
        return form_.Ask(kind, text, buttons);
    }
    void ShowError(const QString& text) override { form_.ShowError(text); }
    void Exit() override { form_.Exit1Click(); }

    MacroRunWidgets RunWidgets() override
    {
        return {form_.Ui().RichEdit,
                form_.Ui().StatusBar,
                form_.Ui().RunButton,
                form_.menuBar(),
                {form_.Action(Command::Stop, Twin::Context), form_.Action(Command::Stop)}};
    }
    bool ListensDuringRun() const override { return form_.isVisible(); }
    void RunEnded() override { form_.RichEditSelectionChange(); }
    void Stop() override { form_.Stop1Click(); }

    QList<QAction*> MenuCommands() const override { return form_.actions(); }
    void CloseSearchDialogs() override { ::CloseSearchDialogs(form_); }
    void ShowTypingMode(bool overwrite) override
    {
        // The editor knows the mode; the panel only shows it, in the user's language.
        TStatusBar& bar = *form_.Ui().StatusBar;
        const QString text = overwrite ? QCoreApplication::translate("TMainForm", "overwrite")
                                       : QCoreApplication::translate("TMainForm", "insert");
        bar.SetPanelText(2, text);
        bar.SetPanelWidth(2, bar.TextWidth(text) + 10);
    }
    void ShiftMarkers(int fromLine) override { form_.Ui().CheckList->ShiftMarkers(fromLine); }

private:
    TMainForm& form_;
};

}   // namespace

std::unique_ptr<MacroHost> MakeMacroHost(TMainForm& form)
{
    return std::make_unique<MainFormMacroHost>(form);
}

void TMainForm::RunMacro()
{
    ::RunMacro(*macroHost_);
}

bool TMainForm::ExecuteMacroCommand(const QString& word, const std::optional<QString>& argument)
{
    return ::ExecuteMacroCommand(*macroHost_, word, argument);
}

void TMainForm::RichEditKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    HandleEditorKeyDown(*macroHost_, key, shift);
}
void TMainForm::RichEditKeyPress(QChar& key)
{
    HandleEditorKeyPress(*macroHost_, key);
}
