#pragma once
#include <QString>
#include <QStringList>

// Writes macro lines, each ended by CR LF, replacing the file atomically.
// Throws AppError when the file cannot be written; the old file stays whole.
void WriteMacroFile(const QString& path, const QStringList& lines);

// Reads a macro file's lines; any line-break style is accepted.
QStringList ReadMacroFile(const QString& path);

// The lines of a macro file's bytes: UTF-8 when valid, else Windows-1252;
// a line ends at CR LF, a lone CR or a lone LF, and the last line needs no
// break. No bytes, no lines; a lone break is one empty line.
QStringList MacroLinesFromBytes(const QByteArray& bytes);
