// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/TidyRun.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int timeLimitMs = 60 * 1000;

bool Stat(const QString& path, struct stat& st)
{
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

// A group id of 0 or 1 would signal our own group or every process.
bool IsOwnGroup(pid_t group)
{
    return group > 1;
}

bool WaitForGroupEnd(pid_t group, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (ProcessGroupAlive(group)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
    return true;
}
}   // namespace

bool ProcessGroupAlive(pid_t group)
{
    if (!IsOwnGroup(group) || (::kill(-group, 0) != 0 && errno == ESRCH))
        return false;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return true;
    bool alive = false;
    while (const dirent* entry = ::readdir(proc)) {
        if (entry->d_name[0] < '0' || entry->d_name[0] > '9')
            continue;
        char path[sizeof "/proc//stat" + sizeof entry->d_name];
        std::snprintf(path, sizeof path, "/proc/%s/stat", entry->d_name);
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        char stat[512];
        const ssize_t n = ::read(fd, stat, sizeof stat - 1);
        ::close(fd);
        if (n <= 0)
            continue;
        stat[n] = '\0';
        // "pid (name) state ppid pgrp ...": the name may hold anything.
        const char* afterName = std::strrchr(stat, ')');
        char state = 0;
        int parent = 0;
        int pgrp = 0;
        if (afterName && std::sscanf(afterName + 1, " %c %d %d", &state, &parent, &pgrp) == 3 && pgrp == group &&
            state != 'Z' && state != 'X') {
            alive = true;
            break;
        }
    }
    ::closedir(proc);
    return alive;
}

TidyProcess::TidyProcess(QObject* parent) : QObject(parent)
{
    limit_.setSingleShot(true);
    grace_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] { EndGroup(TidyEnd::TimedOut); });
    connect(&grace_, &QTimer::timeout, this, [this] {
        if (ProcessGroupAlive(group_))
            ::kill(-group_, SIGKILL);
    });
    connect(&process_, &QProcess::finished, this, &TidyProcess::LeaderFinished);
}

TidyProcess::~TidyProcess()
{
    EndNow();
}

void TidyProcess::EndNow()
{
    disconnect(&process_, nullptr, this, nullptr);
    limit_.stop();
    grace_.stop();
    if (ProcessGroupAlive(group_)) {
        ::kill(-group_, SIGTERM);
        if (!WaitForGroupEnd(group_, kTidyGraceMs)) {
            ::kill(-group_, SIGKILL);
            WaitForGroupEnd(group_, kTidyGraceMs);
        }
    }
    if (IsRunning())
        process_.waitForFinished(kTidyGraceMs);
}

bool TidyProcess::Start(const TidyJob& job, int limitMs)
{
    process_.setProgram(job.program);
    process_.setArguments(job.arguments);
    process_.setStandardInputFile(job.input);
    process_.setStandardOutputFile(job.output, QIODevice::Truncate);
    process_.setStandardErrorFile(job.errors, QIODevice::Truncate);
    // Runs in the child before Tidy: a new session is a new process group,
    // with Tidy's pid as its id, and no terminal to read from.
    process_.setChildProcessModifier([] { ::setsid(); });
    process_.start(QIODevice::ReadOnly);
    // Returns once Tidy's program has been loaded, or could not be.
    if (!process_.waitForStarted(-1))
        return false;
    group_ = pid_t(process_.processId());
    limit_.start(limitMs);
    return true;
}

void TidyProcess::Stop()
{
    EndGroup(TidyEnd::Stopped);
}

void TidyProcess::EndGroup(TidyEnd why)
{
    if (!IsRunning() || !IsOwnGroup(group_))
        return;
    limit_.stop();
    if (!ending_)
        ending_ = why;
    if (!grace_.isActive()) {
        ::kill(-group_, SIGTERM);
        grace_.start(kTidyGraceMs);
    }
}

void TidyProcess::LeaderFinished()
{
    limit_.stop();
    // What Tidy started and left behind would go on writing to its files.
    if (!ending_ && ProcessGroupAlive(group_)) {
        ::kill(-group_, SIGTERM);
        grace_.start(kTidyGraceMs);
    }
    emit Ended(ending_.value_or(TidyEnd::Finished));
}

int TidyTimeLimitMs()
{
    return timeLimitMs;
}

void SetTidyTimeLimitMs(int ms)
{
    timeLimitMs = ms;
}

bool IsSameFile(const QString& a, const QString& b)
{
    struct stat sa {
    }, sb{};
    return Stat(a, sa) && Stat(b, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool IsRegularFile(const QString& path)
{
    struct stat st {};
    return Stat(path, st) && S_ISREG(st.st_mode);
}
