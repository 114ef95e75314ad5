// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QLocale>
#include <QString>

// Rules that tie names, extensions and filters together; no window needed.

// The seven filters of the open and save dialogs, in Qt's notation.
QString DocumentFilter();

// Extension (with its dot) that Open adds to a typed name without one, by
// the 1-based filter index; empty for "Source Code" and "All Files".
QString OpenExtensionForFilter(int filterIndex);

// Extension that Save As adds to a name without one.
QString SaveAsExtensionForFilter(int filterIndex, bool plainTextOption);

// The extension of a path's file name with its dot ("" when none).
QString FileExtension(const QString& path);
bool HasExtension(const QString& path);

// True for ".rtf" in any letter case.
bool IsRichExtension(const QString& path);

// True for the source code kinds that get the fixed font.
bool IsSourceCodeExtension(const QString& path);

// Folder of a path without its trailing "/" (except the root).
QString FolderOf(const QString& path);

// Save & Quit: the file name (without folder and extension) made from the
// document's first line, with the characters a file name cannot hold
// removed; empty when nothing is left.
QString NameFromFirstLine(const QString& firstLine);

// Save & Quit: the whole target path. An ".html" or ".macro" name is kept
// as it is (resolved against the current folder); every other name goes to
// the desktop folder with the mode's extension. An empty name becomes the
// time and date in the user's locale, with the extension once.
QString SaveQuitTarget(const QString& firstLine, bool plainTextOption, const QDateTime& now, const QLocale& locale,
                       const QString& desktopDir, const QString& currentDir);

// Replaces the last three characters of a path (the extension letters).
QString WithExtensionLetters(const QString& path, const QString& letters);

// What a load kept or lost that the user should know of, and the questions
// a save asks before it changes what the file was.
QString StrayBytesNotice(const QString& path, qint64 strayBytes);
QString DroppedContentNotice(const QString& path);
QString DroppedContentQuestion(const QString& path);
QString WiderEncodingQuestion(const QString& path);
