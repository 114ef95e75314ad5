// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QObject>

class QAction;
class QEvent;
class QMenuBar;
class QWidget;
struct MacroState;

// While a macro runs, input meant for anything but a dialog or box that a
// command opened is dropped, so nothing the user does lands between two
// lines; the editor and the status bar are not repainted until the end.
// Only Esc to the main window, a click on the Run button and the Stop
// items of the menu bar get through, and only as a request to stop the run
// between two lines.
class MacroRunGuard : public QObject {
public:
    MacroRunGuard(MacroState& macro, QWidget* editor, QWidget* statusBar, QWidget* stopButton,
                  QMenuBar* menuBar = nullptr, QList<QAction*> stopItems = {});
    ~MacroRunGuard() override;
    MacroRunGuard(const MacroRunGuard&) = delete;
    MacroRunGuard& operator=(const MacroRunGuard&) = delete;

    // Whether this event to this receiver is user input that a run keeps
    // away. A window of the system's (as keys and clicks first reach it on
    // X11) counts as the widget it shows.
    static bool Blocks(QObject* receiver, const QEvent* event);
    // Whether the event asks the run to stop: Esc to the main window, or a
    // click on the stop button, while no box of a command is open.
    bool AsksToStop(QObject* receiver, const QEvent* event) const;
    // Whether the event only browses the menu bar's menus or picks a Stop
    // item there; any other item stays unpicked while the run goes on.
    bool ReachesStopItem(QObject* receiver, const QEvent* event) const;

    // Lets the window take the events waiting, between two lines.
    void LookAtInput();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MacroState& macro_;
    QWidget* editor_;
    QWidget* statusBar_;
    QWidget* stopButton_;
    QMenuBar* menuBar_;
    QList<QAction*> stopItems_;
    bool editorUpdates_;
    bool statusUpdates_;
    bool looking_ = false;
};
