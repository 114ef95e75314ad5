// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// Writes macro lines, each ended by CR LF, replacing the file atomically.
// Throws AppError when the file cannot be written; the old file stays whole.
void WriteMacroFile(const QString& path, const QStringList& lines);

// The largest macro file that is read: macros are written by hand or
// recorded, and a larger one is a mistake rather than a macro.
constexpr qint64 kMaxMacroBytes = 64 * 1024 * 1024;

// The message of a macro file that cannot be read, with the system's or
// the limit's reason: "Macro cannot be read: REASON".
QString MacroNotRead(const QString& reason);

// Reads a macro file's lines; any line-break style is accepted. Throws
// AppError (MacroNotRead) when the file cannot be opened or
// read, is larger than kMaxMacroBytes, or does not fit in memory.
QStringList ReadMacroFile(const QString& path);

// The lines of a macro file's bytes: UTF-8 when valid, else Windows-1252;
// a line ends at CR LF, a lone CR or a lone LF, and the last line needs no
// break. No bytes, no lines; a lone break is one empty line.
QStringList MacroLinesFromBytes(const QByteArray& bytes);
