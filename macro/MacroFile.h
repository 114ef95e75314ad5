#pragma once
#include <QString>
#include <QStringList>

// Writes macro lines, each ended by CR LF, replacing the file atomically.
// Throws AppError when the file cannot be written; the old file stays whole.
void WriteMacroFile(const QString& path, const QStringList& lines);

// Reads a macro file's lines; any line-break style is accepted.
QStringList ReadMacroFile(const QString& path);
