#pragma once
#include <QString>
#include <QStringList>

inline const QString kHelpFileName = QStringLiteral("Mirel-Edit.chm");

// Where the help file is looked for, in order: the working folder, the
// data folder of an installation the program runs from, and the help
// folder beside a program still in its build tree.
QStringList HelpFolders(const QString& workingDir, const QString& programDir);

// The first of the folders that holds the help file, as an absolute
// path; empty when none does.
QString FindHelpFile(const QStringList& folders);
