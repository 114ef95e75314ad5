// The window and behaviour options of the Options menus. Each flips its two
// check marks, then does its immediate effect, then records its line.
#include "app/WindowOptions.h"

#include "app/Unit1.h"

#include <QMenuBar>
#include <QToolBar>

QPoint CentredOnScreen(QSize screen, QSize window)
{
    return QPoint(screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2);
}

QString OptionLine(const QString& command, bool on)
{
    return command + (on ? QStringLiteral(" On") : QStringLiteral(" Off"));
}

bool TMainForm::FlipOption(const QString& contextItem, const QString& mainItem)
{
    const bool on = !IsChecked(contextItem);
    SetChecked(contextItem, on);
    SetChecked(mainItem, on);
    return on;
}

void TMainForm::SetTopmost(bool on)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // Changing the flags hides the window (keeping its place and state);
    // show it again without taking the focus.
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (!visible)
        return;
    const bool quiet = testAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

void TMainForm::ShowMenuBar(bool on)
{
    for (QAction* top : menuBar()->actions())
        top->setVisible(on);
    menuBar()->setVisible(on);
}

void TMainForm::AlwaysStayOnTopClick()
{
    const bool on = FlipOption(QStringLiteral("AlwaysStayOnTop"), QStringLiteral("AlwaysStayOnTop1"));
    SetTopmost(on);
    Macro.AppendDirect(OptionLine(QStringLiteral("AlwaysStayOnTop"), on));
}

void TMainForm::AutoTabClick()
{
    const bool on = FlipOption(QStringLiteral("AutoTab"), QStringLiteral("AutoTab1"));
    RecordCommand(OptionLine(QStringLiteral("AutoTab"), on));
}

void TMainForm::CenterOnScreenClick()
{
    const bool on = FlipOption(QStringLiteral("CenterOnScreen"), QStringLiteral("CenterOnScreen1"));
    if (on && platform().screen)
        move(CentredOnScreen(platform().screen->ScreenSize(), frameGeometry().size()));
    Macro.AppendDirect(OptionLine(QStringLiteral("CenterOnScreen"), on));
}

void TMainForm::TrashClick()
{
    FlipOption(QStringLiteral("Trash"), QStringLiteral("Trash1"));
}

void TMainForm::FixedFontClick()
{
    FlipOption(QStringLiteral("FixedFont"), QStringLiteral("FixedFont1"));
}

void TMainForm::MenuvisibleClick()
{
    ShowMenuBar(FlipOption(QStringLiteral("Menuvisible"), QStringLiteral("MenuVisible1")));
}

void TMainForm::RememberDirsClick()
{
    FlipOption(QStringLiteral("RememberDirs"), QStringLiteral("RememberDirs1"));
}

void TMainForm::RememberPosClick()
{
    const bool on = FlipOption(QStringLiteral("RememberPos"), QStringLiteral("RememberPos1"));
    Macro.AppendDirect(OptionLine(QStringLiteral("RememberPos"), on));
}

void TMainForm::ToolbarvisibleClick()
{
    ToolBar->setVisible(FlipOption(QStringLiteral("Toolbarvisible"), QStringLiteral("ToolbarVisible1")));
}

// "Sav&e Line Markers" is led by its main-menu item.
void TMainForm::SaveLineMarkers1Click()
{
    FlipOption(QStringLiteral("SaveLineMarkers1"), QStringLiteral("SaveLineMarkers2"));
}
