// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "html/TidyRules.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <sys/types.h>

// Starting Tidy and ending it.

struct TidyJob {
    QString program;   // absolute, so nothing searches PATH
    QStringList arguments;
    QString input;   // standard input
    QString output;   // standard output, emptied first
    QString errors;   // standard error, emptied first
};

// How long ending Tidy's group may take: SIGTERM first, and SIGKILL for
// whatever is still alive this long after it.
inline constexpr int kTidyGraceMs = 500;

// Tidy in a process group of its own, so that whatever it starts ends with
// it. The window goes on working while it runs; Ended reports once, after
// Tidy itself has ended.
class TidyProcess : public QObject {
    Q_OBJECT
public:
    explicit TidyProcess(QObject* parent = nullptr);
    ~TidyProcess() override;   // EndNow
    TidyProcess(const TidyProcess&) = delete;
    TidyProcess& operator=(const TidyProcess&) = delete;

    // Starts the job without a shell: false when it cannot be started.
    // Once `limitMs` has passed the group is ended (TimedOut).
    bool Start(const TidyJob& job, int limitMs);
    bool IsRunning() const { return process_.state() != QProcess::NotRunning; }
    // Ends the group (Stopped); nothing when Tidy has already ended.
    void Stop();
    // Ends the group and waits, at most twice the grace, for it to be gone;
    // Ended is not reported any more.
    void EndNow();

signals:
    void Ended(TidyEnd end);

private:
    void EndGroup(TidyEnd why);
    void LeaderFinished();

    QProcess process_;
    QTimer limit_;
    QTimer grace_;
    pid_t group_ = 0;
    std::optional<TidyEnd> ending_;
};

// True while a process of the group is alive; zombies left for a parent
// that does not collect them do not count.
bool ProcessGroupAlive(pid_t group);

// How long a check lets Tidy run: 60 seconds unless a test shortens it.
int TidyTimeLimitMs();
void SetTidyTimeLimitMs(int ms);

// True when both paths lead to the same file (links followed).
bool IsSameFile(const QString& a, const QString& b);
bool IsRegularFile(const QString& path);
