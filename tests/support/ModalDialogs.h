// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

// Answers the next modal dialog of type T from inside its own event loop,
// the way a person would: `answer` gets the real dialog and clicks or types
// into it. Should the dialog still be up a little later (the answer did
// not close it, or a box came up over it), everything modal is closed, so
// that a failing test ends instead of waiting forever.
template <class T> void WhenShown(std::function<void(T&)> answer, int timeoutMs = 5000)
{
    // Owned by the application, so one still waiting when the test ends goes with it.
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, answer] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (deadline.hasExpired())
                poll->deleteLater();
            return;
        }
        poll->stop();
        poll->deleteLater();
        const QPointer<T> shown(dialog);
        // As on a desktop, the dialog has the keyboard before anyone types.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog, 1000))
            QApplication::setActiveWindow(dialog);   // headless platforms may not hand it over
        answer(*dialog);
        auto* sweep = new QTimer(qApp);
        sweep->setInterval(300);
        QObject::connect(sweep, &QTimer::timeout, [sweep, shown] {
            if (!shown || !shown->isVisible()) {
                sweep->deleteLater();
                return;
            }
            if (auto* top = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                top->reject();
            else
                shown->reject();
        });
        sweep->start();
    });
    poll->start();
}
