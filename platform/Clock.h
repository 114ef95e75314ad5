#pragma once
#include <QDateTime>
#include <QSize>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
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
