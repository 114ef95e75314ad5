// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// The program's command line, read without acting on it.

enum class ProgramMode { Window, Help, Version, Run, Check, UsageError };

struct CommandLine {
    ProgramMode mode = ProgramMode::Window;
    QStringList documentParts;   // Window: joined with blanks into one name
    QString macro;   // Run
    QStringList files;   // Run: the documents; Check: the macros
    bool dryRun = false;
    bool allowPaths = false;   // Run: lines that a window would ask about run
    QString error;   // UsageError: what is wrong
    QString hint;   // UsageError: one line on what to do instead
};

// Options come before the document name; "--" ends them. An unknown option
// is an error unless the whole joined text names an existing file, as
// before options existed. After "--run" or "--check" options may stand
// anywhere among the names, up to a "--", and are options whatever files
// exist; the macro of "--run" is the first name after it.
CommandLine ParseCommandLine(const QStringList& arguments, const std::function<bool(const QString&)>& exists);

QString HelpText();
QString VersionText();   // "Mirel-Edit 1.5.4"
