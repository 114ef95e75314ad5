// SPDX-License-Identifier: GPL-3.0-or-later
// The window and behaviour options of the Options menus. Each flips its two
// check marks, then does its immediate effect, then records its line.
#include "app/WindowOptions.h"

#include "app/MainForm.h"
#include "editor/RichEdit.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

QPoint CentredOnScreen(QSize screen, QSize window)
{
    return QPoint(screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2);
}

QString OptionLine(const QString& command, bool on)
{
    return command + (on ? QStringLiteral(" On") : QStringLiteral(" Off"));
}

bool TMainForm::FlipOption(Command option)
{
    const bool on = !IsChecked(option);
    SetChecked(option, on);
    return on;
}

namespace {
// Gives a window the keyboard back once its new native window is on
// screen: asked any earlier, the request reaches the old one, which is
// being unmapped.
class ActivateWhenExposed : public QObject {
public:
    ActivateWhenExposed(QWidget* widget, QWidget* focus)
        : QObject(widget->windowHandle()), widget_(widget), focus_(focus)
    {
        QWindow* window = widget->windowHandle();
        window->installEventFilter(this);
        QTimer::singleShot(3000, this, &QObject::deleteLater);   // never exposed: give up
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window->isExposed()) {
            window->requestActivate();
            // The native window kept the focus through the flag change, so
            // Qt never tells the widgets that their window is active again.
            if (widget_ && QGuiApplication::focusWindow() == window && QApplication::activeWindow() != widget_)
                QApplication::setActiveWindow(widget_);
            if (focus_)
                focus_->setFocus(Qt::ActiveWindowFocusReason);
            window->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> widget_;
    QPointer<QWidget> focus_;
};
}   // namespace

void TMainForm::SetTopmost(bool on)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // Changing the flags hides the window (keeping its place and state).
    const bool visible = isVisible();
    const bool wasActive = isActiveWindow();
    QWidget* const focus = focusWidget();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (!visible)
        return;
    if (wasActive && windowHandle()) {
        // The user who switched the option goes on typing where they were.
        new ActivateWhenExposed(this, focus);
        show();
        return;
    }
    // Shown again without taking the focus.
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
    const bool on = FlipOption(Command::AlwaysStayOnTop);
    SetTopmost(on);
    macro_.AppendDirect(OptionLine(QStringLiteral("AlwaysStayOnTop"), on));
}

void TMainForm::AutoTabClick()
{
    const bool on = FlipOption(Command::AutoTab);
    RecordCommand(OptionLine(QStringLiteral("AutoTab"), on));
}

void TMainForm::CenterOnScreenClick()
{
    const bool on = FlipOption(Command::CenterOnScreen);
    if (on && platform().screen)
        move(CentredOnScreen(platform().screen->ScreenSize(), frameGeometry().size()));
    macro_.AppendDirect(OptionLine(QStringLiteral("CenterOnScreen"), on));
}

void TMainForm::TrashClick()
{
    FlipOption(Command::Trash);
}

void TMainForm::FixedFontClick()
{
    FlipOption(Command::FixedFont);
}

void TMainForm::SyntaxColouringClick()
{
    ui_.RichEdit->SetSyntaxColouring(FlipOption(Command::SyntaxColouring));
}

void TMainForm::MenuvisibleClick()
{
    ShowMenuBar(FlipOption(Command::MenuVisible));
}

void TMainForm::RememberDirsClick()
{
    FlipOption(Command::RememberDirs);
}

void TMainForm::RememberPosClick()
{
    const bool on = FlipOption(Command::RememberPos);
    macro_.AppendDirect(OptionLine(QStringLiteral("RememberPos"), on));
}

void TMainForm::ToolbarvisibleClick()
{
    ui_.ToolBar->setVisible(FlipOption(Command::ToolbarVisible));
}

// "Sav&e Line Markers" is led by its main-menu item.
void TMainForm::SaveLineMarkers1Click()
{
    FlipOption(Command::SaveLineMarkers);
}
