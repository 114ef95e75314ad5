#pragma once
#include <QString>
#include <QStringList>

// Starting Tidy and waiting for it.

struct TidyJob {
    QString program;        // absolute, so nothing searches PATH
    QStringList arguments;
    QString input;          // standard input
    QString output;         // standard output, emptied first
    QString errors;         // standard error, emptied first
};

enum class TidyEnd { Finished, NotStarted, Stopped };

// Runs the job without a shell and waits, without handling events, until
// Tidy ends or `limitMs` has passed; then it is killed (Stopped).
TidyEnd RunTidy(const TidyJob& job, int limitMs);

// How long a check waits for Tidy: 60 seconds unless a test shortens it.
int TidyTimeLimitMs();
void SetTidyTimeLimitMs(int ms);

// True when both paths lead to the same file (links followed).
bool IsSameFile(const QString& a, const QString& b);
bool IsRegularFile(const QString& path);
