// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QtGlobal>

// Keys of the current user's hive that the program uses. Paths are absolute
// from the hive's root; the leading backslash may be left out.
inline const QString SettingsKey = QStringLiteral("\\Software\\MirelSoft\\Mirel-Edit");
inline const QString ShellFoldersKey =
    QStringLiteral("\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");

// The registry operations the settings need, on the current user's hive.
// Key paths and value names compare without regard to case, as in the
// registry. At most one key is open at a time; opening another one closes
// the current one first.
//
// Errors: reading a value that is missing or stored with another type,
// writing through a key opened read-only, using a value operation with no
// key open, and a store that cannot save all throw AppError.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool KeyExists(const QString& key) = 0;
    // True when the key exists afterwards.
    virtual bool CreateKey(const QString& key) = 0;
    // Opens for reading and writing; false when the key is missing and may
    // not be created, or cannot be written.
    virtual bool OpenKey(const QString& key, bool canCreate) = 0;
    virtual bool OpenKeyReadOnly(const QString& key) = 0;

    virtual bool ValueExists(const QString& name) = 0;
    virtual QString ReadString(const QString& name) = 0;   // REG_SZ
    virtual qint32 ReadInteger(const QString& name) = 0;   // REG_DWORD
    virtual bool ReadBool(const QString& name) = 0;   // REG_DWORD, non-zero is true
    virtual void WriteString(const QString& name, const QString& text) = 0;
    virtual void WriteInteger(const QString& name, qint32 number) = 0;
    virtual void WriteBool(const QString& name, bool flag) = 0;   // REG_DWORD 1 or 0

    // Makes the changes made through the open key lasting, then closes it.
    // The key counts as closed even when saving fails.
    virtual void CloseKey() = 0;
};
