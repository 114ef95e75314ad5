// SPDX-License-Identifier: GPL-3.0-or-later
// "&About" and "&Help": both must get past a main window that stays on top.
#include "app/AboutHelp.h"

#include "app/AboutBox.h"
#include "app/MainForm.h"
#include "app/WindowOptions.h"
#include "editor/RichEdit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace {

// Takes the main window off the top without activating it: the about box or
// the help viewer that is to be seen keeps the keyboard.
void LeaveTopQuietly(TMainForm& form)
{
    if (!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    const bool visible = form.isVisible();
    form.setWindowFlag(Qt::WindowStaysOnTopHint, false);   // hides the window
    if (!visible)
        return;
    const bool quiet = form.testAttribute(Qt::WA_ShowWithoutActivating);
    form.setAttribute(Qt::WA_ShowWithoutActivating, true);
    form.show();
    form.setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

}   // namespace

QStringList HelpFolders(const QString& workingDir, const QString& programDir)
{
    // Started from the desktop menu the working folder is the home folder,
    // so the working folder alone would hardly ever find the file.
    return {workingDir, QDir::cleanPath(programDir + QStringLiteral("/../share/mirel-edit")),
            programDir + QStringLiteral("/help")};
}

QString FindHelpFile(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), kHelpFileName);
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return QString();
}

QString FindHelpPages(const QString& programDir)
{
    const QStringList folders = HelpFolders(QString(), programDir).mid(1);
    for (const QString& folder : folders) {
        const QFileInfo page(QDir(folder), kHelpStartPage);
        if (page.isFile())
            return QDir::cleanPath(page.absoluteFilePath());
    }
    return QString();
}

QString HelpTarget(const QString& helpFile, bool helpFileOpens, const QString& pages)
{
    if (!helpFile.isEmpty() && helpFileOpens)
        return helpFile;
    return pages.isEmpty() ? helpFile : pages;
}

QString HelpToOpen(const QString& workingDir, const QString& programDir,
                   const std::function<bool(const QString&)>& opens)
{
    const QString chm = FindHelpFile(HelpFolders(workingDir, programDir));
    // A stock desktop has no CHM viewer: the same help as HTML pages then.
    const bool chmOpens = !chm.isEmpty() && opens(chm);
    return HelpTarget(chm, chmOpens, chmOpens ? QString() : FindHelpPages(programDir));
}

void TMainForm::InfoClick()
{
    if (!ui_.About)
        return;
    // The keyboard goes back where it was, as after any dialog: going back
    // on top alone leaves the window inactive.
    QPointer<QWidget> focus = focusWidget();
    ui_.About->onClosed = [this, focus] {
        if (IsChecked(Command::AlwaysStayOnTop))
            SetTopmost(true);
        activateWindow();
        if (focus && focus->isVisible())
            focus->setFocus();
        else if (ui_.RichEdit->isVisible())
            ui_.RichEdit->setFocus();
    };
    ui_.About->onHomepageClick = [this](const QString& address) { ShellOpen(address); };
    // The option stays on: closing the box puts the window back on top.
    if (IsChecked(Command::AlwaysStayOnTop))
        LeaveTopQuietly(*this);
    if (platform().screen)
        ui_.About->move(CentredOnScreen(platform().screen->ScreenSize(), ui_.About->size()));
    ui_.About->show();
    ui_.About->raise();
    ui_.About->activateWindow();
}

void TMainForm::Help1Click()
{
    // The help viewer must not open behind us, and the option stays off.
    if (IsChecked(Command::AlwaysStayOnTop)) {
        LeaveTopQuietly(*this);
        SetChecked(Command::AlwaysStayOnTop, false);
    }
    const QString programDir = programDir_.isEmpty() ? QCoreApplication::applicationDirPath() : programDir_;
    const QString help = HelpToOpen(QDir::currentPath(), programDir, [this](const QString& file) {
        return !platform().shell || platform().shell->HasOpenerFor(file);
    });
    if (help.isEmpty())
        ShowError(tr("Helpfile not found."));
    else
        ShellOpen(help);
}
