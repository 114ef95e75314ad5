// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <functional>

inline const QString kHelpFileName = QStringLiteral("Mirel-Edit.chm");

// Where the help file is looked for, in order: the working folder, the
// data folder of an installation the program runs from, and the help
// folder beside a program still in its build tree.
QStringList HelpFolders(const QString& workingDir, const QString& programDir);

// The first of the folders that holds the help file, as an absolute
// path; empty when none does.
QString FindHelpFile(const QStringList& folders);

inline const QString kHelpStartPage = QStringLiteral("index.html");

// The start page of the help's HTML pages, installed beside the help file
// (or built beside it in the build tree), as an absolute path; empty when
// there is none. The working folder is not searched: a page of the user's
// own web site may be named so there.
QString FindHelpPages(const QString& programDir);

// What F1 opens: the help file where an application opens it, else the
// HTML pages, else the help file all the same; empty when neither exists.
QString HelpTarget(const QString& helpFile, bool helpFileOpens, const QString& pages);

// What F1 opens, found from the working folder and the program's folder;
// `opens` tells whether an application on this desktop opens the help file.
QString HelpToOpen(const QString& workingDir, const QString& programDir,
                   const std::function<bool(const QString&)>& opens);
