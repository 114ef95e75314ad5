#include "html/TidyRun.h"

#include <QFile>
#include <QProcess>

#include <sys/stat.h>

namespace {
int timeLimitMs = 60 * 1000;

bool Stat(const QString& path, struct stat& st)
{
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}
} // namespace

int TidyTimeLimitMs()
{
    return timeLimitMs;
}

void SetTidyTimeLimitMs(int ms)
{
    timeLimitMs = ms;
}

TidyEnd RunTidy(const TidyJob& job, int limitMs)
{
    QProcess process;
    process.setProgram(job.program);
    process.setArguments(job.arguments);
    process.setStandardInputFile(job.input);
    process.setStandardOutputFile(job.output, QIODevice::Truncate);
    process.setStandardErrorFile(job.errors, QIODevice::Truncate);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        return TidyEnd::NotStarted;
    if (process.waitForFinished(limitMs))
        return TidyEnd::Finished;
    process.kill();
    process.waitForFinished(5000);
    return TidyEnd::Stopped;
}

bool IsSameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    return Stat(a, sa) && Stat(b, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool IsRegularFile(const QString& path)
{
    struct stat st {};
    return Stat(path, st) && S_ISREG(st.st_mode);
}
