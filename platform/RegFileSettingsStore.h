// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// One value of a registry export file. Types other than REG_SZ and REG_DWORD
// are kept as their data text ("hex(7):41,00,...") so that they survive a
// rewrite of the file.
struct RegValue {
    enum class Kind { String, Dword, Other };
    QString name;   // empty for the key's default value "@"
    Kind kind = Kind::String;
    QString text;   // String: the text; Other: normalised data text
    quint32 number = 0;   // Dword
    bool operator==(const RegValue&) const = default;
};

struct RegKey {
    QString path;   // with its root, as the file spells it: "HKEY_CURRENT_USER\Software\..."
    std::vector<RegValue> values;
    bool operator==(const RegKey&) const = default;

    RegValue* Find(const QString& name);
    const RegValue* Find(const QString& name) const;
};

enum class RegFileEncoding { Utf8, Utf8Bom, Utf16Le };

// The contents of a .reg file, keys and values in file order.
struct RegHive {
    QString header = QStringLiteral("Windows Registry Editor Version 5.00");
    RegFileEncoding encoding = RegFileEncoding::Utf8;
    std::vector<RegKey> keys;
    bool operator==(const RegHive&) const = default;

    RegKey* Find(const QString& path);
    const RegKey* Find(const QString& path) const;
    // The key itself or any key below it is present.
    bool HasKeyOrSubkey(const QString& path) const;
    RegKey& Ensure(const QString& path);
};

// Places in a list of names (a key's values, a hive's keys) found by name
// without regard to case, in one step. Holds only the places: every call is
// given the list's names as nameAt(place).
class RegNameIndex {
public:
    // The place of the name, if the index holds one alike.
    template <class NameAt> std::optional<size_t> Find(QStringView name, const NameAt& nameAt) const
    {
        if (slots_.empty())
            return std::nullopt;
        const quint32 hash = Hash(name);
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask; slots_[i].place != 0; i = (i + 1) & mask)
            if (slots_[i].hash == hash && Same(nameAt(slots_[i].place - 1), name))
                return slots_[i].place - 1;
        return std::nullopt;
    }

    // The place of a name alike already held, or nothing when `place` was
    // added.
    template <class NameAt> std::optional<size_t> FindOrAdd(size_t place, const NameAt& nameAt)
    {
        const QStringView name = nameAt(place);
        if (auto found = Find(name, nameAt))
            return found;
        if ((count_ + 1) * 2 > slots_.size())
            Reserve(std::max<size_t>(8, count_ * 2));
        Put(Slot{quint32(place + 1), Hash(name)});
        ++count_;
        return std::nullopt;
    }

    // Room for `count` names in all without growing on the way.
    void Reserve(size_t count)
    {
        size_t size = std::max<size_t>(16, slots_.size());
        while (size < count * 2)
            size *= 2;
        if (size == slots_.size())
            return;
        const std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(size));
        for (const Slot& slot : old)
            if (slot.place != 0)
                Put(slot);
    }

private:
    struct Slot {
        quint32 place = 0;   // place + 1; 0: empty
        quint32 hash = 0;
    };
    static quint32 Hash(QStringView name);
    static bool Same(QStringView a, QStringView b);
    void Put(const Slot& slot)
    {
        const size_t mask = slots_.size() - 1;
        size_t i = slot.hash & mask;
        while (slots_[i].place != 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }

    std::vector<Slot> slots_;   // a power of two, at most half full
    size_t count_ = 0;
};

// A hive's keys, and each key's values, indexed by name.
struct RegHiveIndex {
    RegNameIndex keys;
    std::vector<RegNameIndex> values;   // one for each key, in the same order
};

struct RegParseError {
    int line = 0;   // 1-based; 0 for faults of the file as a whole
    QString message;
};

// Accepts UTF-8 (with or without byte-order mark) and UTF-16LE with
// byte-order mark, CR LF or LF line ends. Anything that is not a well-formed
// export gives nothing and, when asked, the first fault.
// `index`, when given, receives the hive's index.
std::optional<RegHive> ParseRegFile(const QByteArray& bytes, RegParseError* error = nullptr,
                                    RegHiveIndex* index = nullptr);
// CR LF line ends, in the hive's encoding.
QByteArray SerializeRegFile(const RegHive& hive);

// The current user's hive kept as a .reg file. The file is read afresh
// whenever no key is open, so that a second instance sees what the last
// one wrote, and it is replaced whole (never rewritten in place) when a key
// opened for writing is closed after changes, or a key is created.
//
// The desktop folder is served from the given folder as the read-only value
// "Desktop" of ShellFoldersKey, whatever the file holds.
class RegFileSettingsStore : public SettingsStore {
public:
    struct BrokenFile {
        QString file;   // the settings file that could not be parsed
        QString movedTo;   // where it was moved; empty when that failed
        RegParseError fault;
    };
    using BrokenFileHandler = std::function<void(const BrokenFile&)>;

    explicit RegFileSettingsStore(QString filePath = DefaultFilePath(), QString desktopFolder = DefaultDesktopFolder());
    ~RegFileSettingsStore() override;

    // $XDG_CONFIG_HOME/MirelSoft/Mirel-Edit.reg
    static QString DefaultFilePath();
    static QString DefaultDesktopFolder();

    const QString& FilePath() const { return filePath_; }

    // Called when the file cannot be parsed. The file has then been moved
    // aside (never overwritten) and the store goes on with an empty hive. If
    // it could not be moved, the store refuses to save so as not to destroy it.
    void SetBrokenFileHandler(BrokenFileHandler handler) { brokenHandler_ = std::move(handler); }
    // The last broken file met, if any.
    const std::optional<BrokenFile>& LastBrokenFile() const { return lastBroken_; }

    bool KeyExists(const QString& key) override;
    bool CreateKey(const QString& key) override;
    bool OpenKey(const QString& key, bool canCreate) override;
    bool OpenKeyReadOnly(const QString& key) override;
    bool ValueExists(const QString& name) override;
    QString ReadString(const QString& name) override;
    qint32 ReadInteger(const QString& name) override;
    bool ReadBool(const QString& name) override;
    void WriteString(const QString& name, const QString& text) override;
    void WriteInteger(const QString& name, qint32 number) override;
    void WriteBool(const QString& name, bool flag) override;
    void CloseKey() override;

private:
    void Refresh();
    void Save();
    bool IsShellFolders(const QString& fullPath) const;
    const RegValue* FindOpenValue(const QString& name) const;
    std::optional<size_t> KeyPlace(const QString& path) const;
    size_t EnsureKey(const QString& path);
    void SetHive(RegHive hive, RegHiveIndex index);
    const RegValue& ReadValue(const QString& name, RegValue::Kind kind) const;
    void WriteValue(const RegValue& value);

    QString filePath_;
    QString desktopFolder_;
    BrokenFileHandler brokenHandler_;
    std::optional<BrokenFile> lastBroken_;
    RegHive hive_;
    // Kept with the hive: a start-up reads dozens of values from a key
    // that may hold thousands.
    RegHiveIndex index_;
    std::optional<QByteArray> parsedFrom_;   // the file's bytes hive_ holds, unchanged since
    bool saveBlocked_ = false;

    bool keyOpen_ = false;
    bool keyWritable_ = false;
    bool keyDirty_ = false;
    QString openPath_;   // full path with root
    RegValue desktopValue_;
};
