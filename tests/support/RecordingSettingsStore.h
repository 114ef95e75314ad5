// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/AppError.h"
#include "platform/SettingsStore.h"

#include <QStringList>

// Passes every operation to another store and notes the ones that change
// something, as "open <key>", "write <name>" and "close". A write of the
// name in `refuse` fails as the registry would refuse it.
class RecordingSettingsStore : public SettingsStore {
public:
    explicit RecordingSettingsStore(SettingsStore& inner) : inner_(inner) {}

    QStringList log;
    QString refuse;

    // The names written, in order.
    QStringList Writes() const
    {
        QStringList names;
        for (const QString& entry : log)
            if (entry.startsWith(QStringLiteral("write ")))
                names << entry.mid(6);
        return names;
    }

    bool KeyExists(const QString& key) override { return inner_.KeyExists(key); }
    bool CreateKey(const QString& key) override
    {
        log << QStringLiteral("create ") + key;
        return inner_.CreateKey(key);
    }
    bool OpenKey(const QString& key, bool canCreate) override
    {
        log << QStringLiteral("open ") + key;
        return inner_.OpenKey(key, canCreate);
    }
    bool OpenKeyReadOnly(const QString& key) override
    {
        log << QStringLiteral("open read-only ") + key;
        return inner_.OpenKeyReadOnly(key);
    }
    bool ValueExists(const QString& name) override { return inner_.ValueExists(name); }
    QString ReadString(const QString& name) override { return inner_.ReadString(name); }
    qint32 ReadInteger(const QString& name) override { return inner_.ReadInteger(name); }
    bool ReadBool(const QString& name) override { return inner_.ReadBool(name); }
    void WriteString(const QString& name, const QString& text) override
    {
        Note(name);
        inner_.WriteString(name, text);
    }
    void WriteInteger(const QString& name, qint32 number) override
    {
        Note(name);
        inner_.WriteInteger(name, number);
    }
    void WriteBool(const QString& name, bool flag) override
    {
        Note(name);
        inner_.WriteBool(name, flag);
    }
    void CloseKey() override
    {
        log << QStringLiteral("close");
        inner_.CloseKey();
    }

private:
    void Note(const QString& name)
    {
        if (name == refuse)
            throw AppError(QStringLiteral("Failed to set data for '%1'").arg(name));
        log << QStringLiteral("write ") + name;
    }

    SettingsStore& inner_;
};
