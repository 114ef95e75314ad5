// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QElapsedTimer>
#include <QSize>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <limits>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

// Monotonic time and one pending call on it, so that what the program
// does after a while can run on a test's fake time.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    virtual qint64 NowMs() const = 0;   // never goes back
    // Calls `due` once, `ms` from now, on the thread the source belongs to;
    // replaces a call still pending.
    virtual void CallAfter(qint64 ms, std::function<void()> due) = 0;
    virtual void Cancel() = 0;
};

class QtTimerSource : public TimerSource {
public:
    QtTimerSource()
    {
        elapsed_.start();
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // `due` may ask for the next call.
            if (auto due = std::exchange(due_, nullptr))
                due();
        });
    }
    qint64 NowMs() const override { return elapsed_.elapsed(); }
    void CallAfter(qint64 ms, std::function<void()> due) override
    {
        due_ = std::move(due);
        timer_.start(int(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max())));
    }
    void Cancel() override
    {
        timer_.stop();
        due_ = nullptr;
    }

private:
    QElapsedTimer elapsed_;
    QTimer timer_;
    std::function<void()> due_;
};

// Pixel sizes of the primary screen and of the whole virtual desktop.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual QSize ScreenSize() const = 0;
    virtual QSize DesktopSize() const = 0;
};

class QtScreenMetrics : public ScreenMetrics {
public:
    QSize ScreenSize() const override;
    QSize DesktopSize() const override;
};
