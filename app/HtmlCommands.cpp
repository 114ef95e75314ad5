// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the HTML tools: its HTML commands hand over to them,
// and they reach the window through the host below.
#include "app/MainForm.h"
#include "app/StatusBar.h"
#include "editor/RichEdit.h"
#include "html/HtmlHost.h"
#include "html/HtmlToolbar.h"
#include "html/PreviewColour.h"
#include "html/TidyCheck.h"

namespace {

class MainFormHtmlHost : public HtmlHost {
public:
    explicit MainFormHtmlHost(TMainForm& form) : form_(form) {}

    TRichEdit& Editor() override { return *form_.Ui().RichEdit; }
    void Guard(const std::function<void()>& command) override { form_.Guard(command); }
    void RecordCommand(const QString& line) override { form_.RecordCommand(line); }
    QString TempDir() const override { return form_.Startup().TempDir; }
    const ScreenMetrics* Screen() const override { return form_.platform().screen; }

    QString CurrentFile() const override { return form_.Session().State().CurrentFile; }
    bool SaveDocument() override
    {
        form_.Save1Click();
        return form_.Session().State().SaveDone;
    }
    void PreviewWritten(const QString& path) override { form_.Startup().PreviewFile = path; }

    QColor ChosenColour() const override { return SwatchColour(form_.Startup().LastChosenColour); }
    CustomColours KeptCustomColours() const override { return CustomColoursFromLines(form_.Startup().CustomLines); }
    void KeepColours(const QColor& chosen, const CustomColours& custom) override
    {
        form_.Startup().CustomLines = LinesFromCustomColours(custom);
        const QString digits = ColourDigits(chosen);
        form_.Startup().LastChosenColour = {digits.mid(0, 2), digits.mid(2, 2), digits.mid(4, 2)};
        form_.Ui().StatusBar->update();   // its swatch
    }

    void ToolbarClosed() override { form_.SetChecked(Command::HtmlToolbar, false); }

    QString TidyLocation() const override { return form_.Startup().TidyLocation; }
    void SetTidyLocation(const QString& folder) override { form_.Startup().TidyLocation = folder; }
    QString TidyOptions() const override { return form_.Startup().TidyOptions; }
    void SetTidyOptions(const QString& options) override { form_.Startup().TidyOptions = options; }
    TTidyErrors* TidyList() override { return form_.Ui().TidyErrors; }

private:
    TMainForm& form_;
};

}   // namespace

std::unique_ptr<HtmlHost> TMainForm::MakeHtmlHost(TMainForm& form)
{
    return std::make_unique<MainFormHtmlHost>(form);
}

void TMainForm::Colour1Click()
{
    InsertChosenColour(*htmlHost_, *platform().prompts);
}
void TMainForm::TestDocument2Click()
{
    ShowPreview(*htmlHost_, platform());
}
void TMainForm::SyntaxCheckClick()
{
    tidyCheck_->Run();
}
void TMainForm::TidyLocation1Click()
{
    tidyCheck_->ChooseLocation();
}
void TMainForm::TidyOptions1Click()
{
    tidyCheck_->EditOptions();
}

void TMainForm::Toolbar2Click()
{
    const bool on = FlipOption(Command::HtmlToolbar);
    if (ui_.HTMLToolbar)
        ui_.HTMLToolbar->ShowOrClose(on);
    ui_.RichEdit->setFocus();
}

void TMainForm::ReplaceSpecialCharactersClick()
{
    FlipOption(Command::ReplaceSpecialCharacters);
    ui_.RichEdit->setFocus();
}
