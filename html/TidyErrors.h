// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "html/TidyRules.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class TidyProcess;
class TRichEdit;

// The window that lists Tidy's messages ("Tidy: Errors"). Created once at
// start, hidden; each check shows it above the main window. A click on a
// message that names a line takes the editor there. While Tidy runs it
// says so, with an empty list and a Stop button; the rest of the program
// goes on working meanwhile.
class TTidyErrors : public QWidget {
    Q_OBJECT
public:
    explicit TTidyErrors(QWidget* parent = nullptr);
    ~TTidyErrors() override;

    // Shows the running state for a started Tidy; `ended` gets how Tidy
    // ended, once, unless the run is dropped first. A run still going is
    // dropped.
    void ShowRunning(std::unique_ptr<TidyProcess> process, std::function<void(TidyEnd)> ended);
    bool IsRunning() const { return running_; }
    // The Stop button, and closing the window while Tidy runs: Tidy's whole
    // process group is ended and its messages so far are listed.
    void StopClick();
    // Ends a running Tidy's group at once and forgets its result: for a new
    // check, and when the main window closes.
    void DropRun();

    // Fills the list, one entry per message, and widens the window so that
    // the longest one shows whole (as far as the screen allows).
    void ShowMessages(const QStringList& messages);

    void ErrorsMouseUp(const QPoint& pos);
    void ErrorsMouseMove(const QPoint& pos);

    QListWidget* ErrorList = nullptr;   // "Errors"
    QLabel* RunningLabel = nullptr;   // "Running"
    QPushButton* StopButton = nullptr;   // "Stop"
    TRichEdit* Editor = nullptr;   // the checked editor, set by each check

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Above the main window, whole on the screen, clear of its menu and
    // toolbars where the screen allows.
    void PlaceAboveMainWindow();
    void PlaceOnceFramed();
    int EntryTextMargin() const;
    void RunEnded(TidyEnd end);
    void ShowRunningRow(bool running);

    QWidget* runningRow_ = nullptr;
    std::unique_ptr<TidyProcess> process_;   // kept after the run for what it left behind
    std::function<void(TidyEnd)> ended_;
    bool running_ = false;
    int frameChecks_ = 0;   // left to wait for the window manager's frame
};
