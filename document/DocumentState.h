// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/FileStamp.h"

#include <QString>
#include <QtGlobal>

// The open document as the main window knows it. The editor's modified
// flag belongs to the editor.
struct DocumentState {
    QString CurrentFile;   // full path; empty when no file is open
    bool IsPlainDocument = true;
    bool WrapWanted = true;   // word wrap wish for plain documents
    QString AttrLetters = QStringLiteral("   ");   // 'R', 'H', 'S' or a blank each
    qint64 LastWriteTime = 0;   // modification time in nanoseconds, 0 when unknown
    // The file as this run last read or wrote it: a save asks before it
    // overwrites anything else. Unlike LastWriteTime, a watcher's reread
    // that was turned down leaves it alone.
    FileStamp LastSeen;
    // The file held tables or pictures that a save drops: the first save
    // asks before it does.
    bool DropsContent = false;
    bool SaveDone = false;
    QString LastOpenDir;
    QString LastSaveDir;

    // The file was just read or written, and looked like this.
    void Saw(const FileStamp& stamp)
    {
        LastSeen = stamp;
        LastWriteTime = stamp.mtimeNs;
    }
};
