// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegFileSettingsStore.h"

#include "platform/AppError.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QString kCurrentUser = QStringLiteral("HKEY_CURRENT_USER");
const QString kRoots[] = {
    kCurrentUser,
    QStringLiteral("HKEY_LOCAL_MACHINE"),
    QStringLiteral("HKEY_CLASSES_ROOT"),
    QStringLiteral("HKEY_USERS"),
    QStringLiteral("HKEY_CURRENT_CONFIG"),
};
const QString kVersion5Header = QStringLiteral("Windows Registry Editor Version 5.00");
const QString kVersion4Header = QStringLiteral("REGEDIT4");

bool SameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// `path` is `ancestor` or lies below it.
bool IsSameOrBelow(QStringView path, QStringView ancestor)
{
    if (path.size() == ancestor.size())
        return SameName(path, ancestor);
    return path.size() > ancestor.size() && path.at(ancestor.size()) == u'\\' &&
           SameName(path.first(ancestor.size()), ancestor);
}

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool AllHex(QStringView s)
{
    for (QChar c : s)
        if (!IsHexDigit(c))
            return false;
    return true;
}

// Registry names cannot hold a zero character; the registry would cut the
// text there, so we do the same rather than write an unreadable file.
QString CutAtZero(const QString& text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

// Rejects the characters no export holds: zero and unpaired surrogates.
bool CleanText(const QString& text, QString& why)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull()) {
            why = QCoreApplication::translate("RegFileSettingsStore", "the file holds a zero character");
            return false;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate()) {
            why = QCoreApplication::translate("RegFileSettingsStore", "the file holds an unpaired surrogate");
            return false;
        }
    }
    return true;
}

bool Decode(const QByteArray& bytes, QString& text, RegFileEncoding& encoding, QString& why)
{
    if (bytes.startsWith("\xFF\xFE")) {
        if (bytes.size() % 2 != 0) {
            why = QCoreApplication::translate("RegFileSettingsStore", "odd number of bytes in a UTF-16 file");
            return false;
        }
        encoding = RegFileEncoding::Utf16Le;
        QStringDecoder decoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
        text = decoder(QByteArrayView(bytes).sliced(2));
        if (decoder.hasError()) {
            why = QCoreApplication::translate("RegFileSettingsStore", "not valid UTF-16");
            return false;
        }
    } else {
        QByteArrayView body(bytes);
        encoding = RegFileEncoding::Utf8;
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            encoding = RegFileEncoding::Utf8Bom;
            body = body.sliced(3);
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = decoder(body);
        if (decoder.hasError()) {
            why = QCoreApplication::translate("RegFileSettingsStore", "not valid UTF-8");
            return false;
        }
    }
    return CleanText(text, why);
}

QString Quote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'"': out += QStringLiteral("\\\""); break;
        // Line breaks would split the entry over lines; escape them instead.
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    out += u'"';
    return out;
}

// Reads a quoted text starting at s[pos] == '"'; pos ends past the closing quote.
bool Unquote(QStringView s, qsizetype& pos, QString& out, QString& why)
{
    out.clear();
    ++pos;
    while (pos < s.size()) {
        // The run up to the next quote or backslash, copied at once.
        qsizetype end = pos;
        while (end < s.size() && s.at(end) != u'"' && s.at(end) != u'\\')
            ++end;
        out += s.sliced(pos, end - pos);
        pos = end;
        if (pos >= s.size())
            break;
        const QChar c = s.at(pos++);
        if (c == u'"')
            return true;
        if (pos >= s.size())
            break;
        switch (s.at(pos++).unicode()) {
        case u'\\': out += u'\\'; break;
        case u'"': out += u'"'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        default:
            why = QCoreApplication::translate("RegFileSettingsStore", "unknown escape in a quoted text");
            return false;
        }
    }
    why = QCoreApplication::translate("RegFileSettingsStore", "quoted text without closing quote");
    return false;
}

void SkipBlanks(QStringView s, qsizetype& pos)
{
    while (pos < s.size() && (s.at(pos) == u' ' || s.at(pos) == u'\t'))
        ++pos;
}

bool ValidKeyPath(QStringView path, QString& why)
{
    const auto parts = path.split(u'\\');
    bool knownRoot = false;
    for (const QString& root : kRoots)
        knownRoot = knownRoot || SameName(parts.front(), root);
    if (!knownRoot) {
        why = QCoreApplication::translate("RegFileSettingsStore", "key outside the known roots");
        return false;
    }
    for (QStringView part : parts) {
        if (part.isEmpty()) {
            why = QCoreApplication::translate("RegFileSettingsStore", "key path with an empty part");
            return false;
        }
    }
    return true;
}

// "hex:..." and "hex(N):..." data, normalised to lower case without blanks
// so that a rewrite gives the same text back.
bool ParseHexData(QStringView data, QString& normalised, QString& why)
{
    why = QCoreApplication::translate("RegFileSettingsStore", "malformed hex data");
    const qsizetype colon = data.indexOf(u':');
    if (colon < 0)
        return false;
    QStringView type = data.first(colon);
    QString prefix = QStringLiteral("hex");
    if (type.size() > 3) {
        QStringView digits = type.sliced(3);
        if (!digits.startsWith(u'(') || !digits.endsWith(u')'))
            return false;
        digits = digits.sliced(1, digits.size() - 2);
        if (digits.isEmpty() || digits.size() > 8 || !AllHex(digits))
            return false;
        prefix += QStringLiteral("(%1)").arg(digits.toUInt(nullptr, 16), 0, 16);
    }
    prefix += u':';
    QStringList bytes;
    const QStringView list = data.sliced(colon + 1).trimmed();
    if (!list.isEmpty()) {
        for (QStringView item : list.split(u',')) {
            item = item.trimmed();
            if (item.size() != 2 || !AllHex(item))
                return false;
            bytes << item.toString().toLower();
        }
    }
    normalised = prefix + bytes.join(u',');
    return true;
}

bool ParseValueLine(const QList<QStringView>& lines, qsizetype& index, RegValue& value, QString& why)
{
    QStringView line = lines.at(index).trimmed();
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
        value.name.clear();
        pos = 1;
    } else if (!Unquote(line, pos, value.name, why)) {
        return false;
    }
    SkipBlanks(line, pos);
    if (pos >= line.size() || line.at(pos) != u'=') {
        why = QCoreApplication::translate("RegFileSettingsStore", "value name not followed by '='");
        return false;
    }
    ++pos;
    SkipBlanks(line, pos);
    const QStringView data = line.sliced(pos);

    if (data.startsWith(u'"')) {
        qsizetype end = 0;
        if (!Unquote(data, end, value.text, why))
            return false;
        if (!data.sliced(end).trimmed().isEmpty()) {
            why = QCoreApplication::translate("RegFileSettingsStore", "text after a quoted value");
            return false;
        }
        value.kind = RegValue::Kind::String;
        return true;
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        const QStringView digits = data.sliced(6);
        if (digits.isEmpty() || digits.size() > 8 || !AllHex(digits)) {
            why = QCoreApplication::translate("RegFileSettingsStore", "malformed dword");
            return false;
        }
        value.kind = RegValue::Kind::Dword;
        value.number = digits.toUInt(nullptr, 16);
        return true;
    }
    if (data.startsWith(u"hex", Qt::CaseInsensitive)) {
        // Long binary data continues on the next line after a backslash.
        QString joined = data.toString();
        while (joined.endsWith(u'\\')) {
            joined.chop(1);
            if (++index >= lines.size()) {
                why = QCoreApplication::translate("RegFileSettingsStore", "continued line at the end of the file");
                return false;
            }
            joined += lines.at(index).trimmed();
        }
        value.kind = RegValue::Kind::Other;
        return ParseHexData(joined, value.text, why);
    }
    why = data == u"-" ? QCoreApplication::translate("RegFileSettingsStore", "value deletion in a saved hive")
                       : QCoreApplication::translate("RegFileSettingsStore", "unknown value type");
    return false;
}

QByteArray Encode(const QString& text, RegFileEncoding encoding)
{
    switch (encoding) {
    case RegFileEncoding::Utf16Le: {
        QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        return encoder(text);
    }
    case RegFileEncoding::Utf8Bom: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case RegFileEncoding::Utf8: break;
    }
    return text.toUtf8();
}

// Key paths as callers give them ("\Software\...") to full paths with root;
// nothing for a path that no registry would accept.
std::optional<QString> FullPath(const QString& key)
{
    QStringView rest(key);
    if (rest.startsWith(u'\\'))
        rest = rest.sliced(1);
    if (rest.isEmpty())
        return kCurrentUser;
    for (QStringView part : rest.split(u'\\')) {
        if (part.isEmpty())
            return std::nullopt;
        for (QChar c : part)
            if (c.unicode() < 0x20)
                return std::nullopt;
    }
    return kCurrentUser + QStringLiteral("\\") + rest.toString();
}

}   // namespace

// Case-folded character by character, as SameName compares: names alike
// hash alike.
quint32 RegNameIndex::Hash(QStringView name)
{
    quint32 hash = 2166136261u;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name.at(i).unicode();
        if (c < 0x80) {
            if (c >= u'A' && c <= u'Z')
                c += u'a' - u'A';
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), name.at(++i).unicode());
            c = QChar::toCaseFolded(c);
        }
        hash = (hash ^ quint32(c)) * 16777619u;
    }
    return hash;
}

bool RegNameIndex::Same(QStringView a, QStringView b)
{
    return SameName(a, b);
}

RegValue* RegKey::Find(const QString& name)
{
    for (RegValue& value : values)
        if (SameName(value.name, name))
            return &value;
    return nullptr;
}

const RegValue* RegKey::Find(const QString& name) const
{
    return const_cast<RegKey*>(this)->Find(name);
}

RegKey* RegHive::Find(const QString& path)
{
    for (RegKey& key : keys)
        if (SameName(key.path, path))
            return &key;
    return nullptr;
}

const RegKey* RegHive::Find(const QString& path) const
{
    return const_cast<RegHive*>(this)->Find(path);
}

bool RegHive::HasKeyOrSubkey(const QString& path) const
{
    for (const RegKey& key : keys)
        if (IsSameOrBelow(key.path, path))
            return true;
    return false;
}

RegKey& RegHive::Ensure(const QString& path)
{
    if (RegKey* key = Find(path))
        return *key;
    keys.push_back(RegKey{path, {}});
    return keys.back();
}

std::optional<RegHive> ParseRegFile(const QByteArray& bytes, RegParseError* error, RegHiveIndex* index)
{
    RegHive hive;
    QString text;
    RegParseError fault;
    auto fail = [&](int line, const QString& why) -> std::optional<RegHive> {
        if (error)
            *error = RegParseError{line, why};
        return std::nullopt;
    };
    if (!Decode(bytes, text, hive.encoding, fault.message))
        return fail(0, fault.message);

    // Views of the text: no copy of each line.
    QList<QStringView> lines = QStringView(text).split(u'\n');
    for (QStringView& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);

    const QString header = lines.front().trimmed().toString();
    if (header != kVersion5Header && header != kVersion4Header)
        return fail(1, QCoreApplication::translate("RegFileSettingsStore", "missing header line"));
    hive.header = header;

    // Keys and each key's values indexed by name, so that a file of many
    // of them is read in time linear in its size. A name seen again reuses
    // its entry, keeping the first spelling and the last value.
    RegHiveIndex made;
    RegNameIndex& keyIndex = made.keys;
    std::vector<RegNameIndex>& valueIndex = made.values;
    RegKey* current = nullptr;
    RegNameIndex* currentValues = nullptr;
    for (qsizetype lineIndex = 1; lineIndex < lines.size(); ++lineIndex) {
        const int lineNumber = int(lineIndex + 1);
        const QStringView line = lines.at(lineIndex).trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        QString why;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || line.size() < 2)
                return fail(lineNumber,
                            QCoreApplication::translate("RegFileSettingsStore", "key line without closing bracket"));
            const QStringView path = line.sliced(1, line.size() - 2);
            if (path.startsWith(u'-'))
                return fail(lineNumber,
                            QCoreApplication::translate("RegFileSettingsStore", "key deletion in a saved hive"));
            if (!ValidKeyPath(path, why))
                return fail(lineNumber, why);
            hive.keys.push_back(RegKey{path.toString(), {}});
            const auto keyPath = [&](size_t at) { return QStringView(hive.keys[at].path); };
            size_t place = hive.keys.size() - 1;
            if (const auto seen = keyIndex.FindOrAdd(place, keyPath)) {
                hive.keys.pop_back();
                place = *seen;
            } else {
                valueIndex.emplace_back();
            }
            current = &hive.keys[place];
            currentValues = &valueIndex[place];
            // Room for the key's values at once: a key of many values then
            // costs no copies and no fresh memory on the way.
            qsizetype following = 0;
            for (qsizetype next = lineIndex + 1; next < lines.size() && !lines.at(next).trimmed().startsWith(u'[');
                 ++next)
                ++following;
            current->values.reserve(current->values.size() + size_t(following));
            currentValues->Reserve(current->values.size() + size_t(following));
            continue;
        }
        if (line.startsWith(u'"') || line.startsWith(u'@')) {
            if (!current)
                return fail(lineNumber,
                            QCoreApplication::translate("RegFileSettingsStore", "value before the first key"));
            RegValue value;
            if (!ParseValueLine(lines, lineIndex, value, why))
                return fail(lineNumber, why);
            std::vector<RegValue>& values = current->values;
            values.push_back(std::move(value));
            const auto valueName = [&](size_t at) { return QStringView(values[at].name); };
            if (const auto seen = currentValues->FindOrAdd(values.size() - 1, valueName)) {
                values.back().name = values[*seen].name;
                values[*seen] = std::move(values.back());
                values.pop_back();
            }
            continue;
        }
        return fail(lineNumber,
                    QCoreApplication::translate("RegFileSettingsStore", "line is neither a key nor a value"));
    }
    if (index)
        *index = std::move(made);
    return hive;
}

QByteArray SerializeRegFile(const RegHive& hive)
{
    QString out = hive.header + QStringLiteral("\r\n\r\n");
    for (const RegKey& key : hive.keys) {
        out += QStringLiteral("[") + key.path + QStringLiteral("]\r\n");
        for (const RegValue& value : key.values) {
            out += value.name.isEmpty() ? QStringLiteral("@") : Quote(value.name);
            out += u'=';
            switch (value.kind) {
            case RegValue::Kind::String: out += Quote(value.text); break;
            case RegValue::Kind::Dword: out += QStringLiteral("dword:%1").arg(value.number, 8, 16, QChar(u'0')); break;
            case RegValue::Kind::Other: out += value.text; break;
            }
            out += QStringLiteral("\r\n");
        }
        out += QStringLiteral("\r\n");
    }
    return Encode(out, hive.encoding);
}

RegFileSettingsStore::RegFileSettingsStore(QString filePath, QString desktopFolder)
    : filePath_(std::move(filePath)), desktopFolder_(std::move(desktopFolder))
{
    desktopValue_.name = QStringLiteral("Desktop");
    desktopValue_.kind = RegValue::Kind::String;
    desktopValue_.text = desktopFolder_;
}

RegFileSettingsStore::~RegFileSettingsStore()
{
    // A key left open by an error still keeps what was written through it,
    // as the registry would.
    try {
        CloseKey();
    } catch (const AppError&) {
    }
}

QString RegFileSettingsStore::DefaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/MirelSoft/Mirel-Edit.reg");
}

QString RegFileSettingsStore::DefaultDesktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void RegFileSettingsStore::Refresh()
{
    if (keyOpen_)
        return;
    saveBlocked_ = false;
    QFile file(filePath_);
    const QFileInfo info(filePath_);
    if (!info.exists()) {
        SetHive({}, {});
        return;
    }
    // Opening a pipe or a device would wait for ever, and writing would
    // replace it.
    if (!info.isFile()) {
        SetHive({}, {});
        throw AppError(QCoreApplication::translate("RegFileSettingsStore",
                                                   "Cannot read the settings file %1: it is not a regular file")
                           .arg(filePath_));
    }
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QCoreApplication::translate("RegFileSettingsStore", "Cannot read the settings file %1: %2")
                           .arg(filePath_, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QCoreApplication::translate("RegFileSettingsStore", "Cannot read the settings file %1: %2")
                           .arg(filePath_, file.errorString()));
    file.close();

    // Every key opened reads the file again; unchanged bytes give the hive
    // already held, so a large file is parsed once, not at every key.
    if (parsedFrom_ && *parsedFrom_ == bytes)
        return;
    BrokenFile report;
    RegHiveIndex index;
    if (auto hive = ParseRegFile(bytes, &report.fault, &index)) {
        SetHive(std::move(*hive), std::move(index));
        parsedFrom_ = bytes;
        return;
    }
    SetHive({}, {});
    report.file = filePath_;
    // Never reuse a name: an earlier broken file may be the user's only copy.
    for (int n = 0; n < 1000 && report.movedTo.isEmpty(); ++n) {
        const QString candidate =
            filePath_ + QStringLiteral(".broken") + (n == 0 ? QString() : QStringLiteral(".%1").arg(n));
        const QFileInfo target(candidate);
        if (target.exists() || target.isSymLink())
            continue;
        if (QFile::rename(filePath_, candidate))
            report.movedTo = candidate;
        else if (!QFileInfo::exists(candidate))
            break;
    }
    saveBlocked_ = report.movedTo.isEmpty();
    lastBroken_ = report;
    if (brokenHandler_)
        brokenHandler_(report);
}

void RegFileSettingsStore::SetHive(RegHive hive, RegHiveIndex index)
{
    hive_ = std::move(hive);
    index_ = std::move(index);
    parsedFrom_.reset();
}

std::optional<size_t> RegFileSettingsStore::KeyPlace(const QString& path) const
{
    return index_.keys.Find(path, [this](size_t at) { return QStringView(hive_.keys[at].path); });
}

// RegHive::Ensure, keeping the index.
size_t RegFileSettingsStore::EnsureKey(const QString& path)
{
    if (const auto place = KeyPlace(path))
        return *place;
    hive_.keys.push_back(RegKey{path, {}});
    index_.keys.FindOrAdd(hive_.keys.size() - 1, [this](size_t at) { return QStringView(hive_.keys[at].path); });
    index_.values.emplace_back();
    parsedFrom_.reset();
    return hive_.keys.size() - 1;
}

void RegFileSettingsStore::Save()
{
    if (saveBlocked_)
        throw AppError(
            QCoreApplication::translate("RegFileSettingsStore",
                                        "The settings file %1 cannot be parsed and could not be moved aside; "
                                        "the settings are not saved.")
                .arg(filePath_));
    const QString folder = QFileInfo(filePath_).absolutePath();
    if (!QDir().mkpath(folder))
        throw AppError(
            QCoreApplication::translate("RegFileSettingsStore", "Cannot create the settings folder %1").arg(folder));
    // Private to the user from the start: it names their files and folders.
    QString reason;
    if (!WriteFileSafely(filePath_, SerializeRegFile(hive_), &reason, 0600))
        throw AppError(QCoreApplication::translate("RegFileSettingsStore", "Cannot write the settings file %1: %2")
                           .arg(filePath_, reason));
}

bool RegFileSettingsStore::IsShellFolders(const QString& fullPath) const
{
    static const QString shellFolders = *FullPath(ShellFoldersKey);
    return SameName(fullPath, shellFolders);
}

bool RegFileSettingsStore::KeyExists(const QString& key)
{
    const auto path = FullPath(key);
    if (!path)
        return false;
    Refresh();
    return IsSameOrBelow(*FullPath(ShellFoldersKey), *path) || hive_.HasKeyOrSubkey(*path);
}

bool RegFileSettingsStore::CreateKey(const QString& key)
{
    const auto path = FullPath(key);
    if (!path)
        return false;
    Refresh();
    if (IsSameOrBelow(*FullPath(ShellFoldersKey), *path) || hive_.HasKeyOrSubkey(*path))
        return true;
    EnsureKey(*path);
    Save();
    return true;
}

bool RegFileSettingsStore::OpenKey(const QString& key, bool canCreate)
{
    const auto path = FullPath(key);
    if (!path)
        return false;
    CloseKey();
    Refresh();
    if (IsShellFolders(*path))
        return false;
    bool created = false;
    if (!KeyPlace(*path)) {
        created = !hive_.HasKeyOrSubkey(*path);
        if (created && !canCreate)
            return false;
        EnsureKey(*path);
    }
    keyOpen_ = true;
    keyWritable_ = true;
    keyDirty_ = created;
    openPath_ = *path;
    return true;
}

bool RegFileSettingsStore::OpenKeyReadOnly(const QString& key)
{
    const auto path = FullPath(key);
    if (!path)
        return false;
    CloseKey();
    Refresh();
    if (!IsSameOrBelow(*FullPath(ShellFoldersKey), *path) && !hive_.HasKeyOrSubkey(*path))
        return false;
    keyOpen_ = true;
    keyWritable_ = false;
    keyDirty_ = false;
    openPath_ = *path;
    return true;
}

const RegValue* RegFileSettingsStore::FindOpenValue(const QString& name) const
{
    if (!keyOpen_)
        throw AppError(QCoreApplication::translate("RegFileSettingsStore", "No settings key is open"));
    if (IsShellFolders(openPath_) && SameName(name, desktopValue_.name))
        return desktopFolder_.isEmpty() ? nullptr : &desktopValue_;
    const auto key = KeyPlace(openPath_);
    if (!key)
        return nullptr;
    const RegKey& values = hive_.keys[*key];
    const auto at = index_.values[*key].Find(name, [&values](size_t i) { return QStringView(values.values[i].name); });
    return at ? &values.values[*at] : nullptr;
}

const RegValue& RegFileSettingsStore::ReadValue(const QString& name, RegValue::Kind kind) const
{
    const RegValue* value = FindOpenValue(name);
    if (!value)
        throw AppError(
            QCoreApplication::translate("RegFileSettingsStore", "Settings value '%1' does not exist").arg(name));
    if (value->kind != kind)
        throw AppError(QCoreApplication::translate("RegFileSettingsStore", "Invalid data type for '%1'").arg(name));
    return *value;
}

bool RegFileSettingsStore::ValueExists(const QString& name)
{
    return FindOpenValue(name) != nullptr;
}

QString RegFileSettingsStore::ReadString(const QString& name)
{
    return ReadValue(name, RegValue::Kind::String).text;
}

qint32 RegFileSettingsStore::ReadInteger(const QString& name)
{
    return qint32(ReadValue(name, RegValue::Kind::Dword).number);
}

bool RegFileSettingsStore::ReadBool(const QString& name)
{
    return ReadValue(name, RegValue::Kind::Dword).number != 0;
}

void RegFileSettingsStore::WriteValue(const RegValue& value)
{
    if (!keyOpen_)
        throw AppError(QCoreApplication::translate("RegFileSettingsStore", "No settings key is open"));
    if (!keyWritable_)
        throw AppError(
            QCoreApplication::translate("RegFileSettingsStore", "Failed to set data for '%1'").arg(value.name));
    const size_t place = EnsureKey(openPath_);
    RegKey& key = hive_.keys[place];
    RegNameIndex& index = index_.values[place];
    const auto name = [&key](size_t at) { return QStringView(key.values[at].name); };
    if (const auto at = index.Find(value.name, name)) {
        RegValue& old = key.values[*at];
        RegValue replacement = value;
        replacement.name = old.name;
        if (old == replacement)
            return;
        old = replacement;
    } else {
        key.values.push_back(value);
        index.FindOrAdd(key.values.size() - 1, name);
    }
    keyDirty_ = true;
    parsedFrom_.reset();
}

void RegFileSettingsStore::WriteString(const QString& name, const QString& text)
{
    WriteValue(RegValue{CutAtZero(name), RegValue::Kind::String, CutAtZero(text), 0});
}

void RegFileSettingsStore::WriteInteger(const QString& name, qint32 number)
{
    WriteValue(RegValue{CutAtZero(name), RegValue::Kind::Dword, {}, quint32(number)});
}

void RegFileSettingsStore::WriteBool(const QString& name, bool flag)
{
    WriteInteger(name, flag ? 1 : 0);
}

void RegFileSettingsStore::CloseKey()
{
    const bool save = keyOpen_ && keyWritable_ && keyDirty_;
    keyOpen_ = keyWritable_ = keyDirty_ = false;
    openPath_.clear();
    if (save)
        Save();
}
