#pragma once
#include <QString>
#include <QtGlobal>

// The open document as the main window knows it. The editor's modified
// flag belongs to the editor.
struct DocumentState {
    QString CurrentFile;          // full path; empty when no file is open
    bool IsPlainDocument = true;
    bool WrapWanted = true;       // word wrap wish for plain documents
    QString AttrLetters = QStringLiteral("   ");   // 'R', 'H', 'S' or a blank each
    qint64 LastWriteTime = 0;     // modification time in nanoseconds, 0 when unknown
    bool AskForFile = true;       // Open shows its dialog unless a caller passes a name
    bool SaveDone = false;
    QString LastOpenDir;
    QString LastSaveDir;
};
