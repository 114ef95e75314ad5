// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file written by the store and read back by a second store:
// any names and values, strings and numbers, come back as they were put.
#include "fuzz/FuzzCheck.h"
#include "platform/RegFileSettingsStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <map>

namespace {

struct Value {
    bool number;
    QString text;
    qint32 integer;
};
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/fuzz-settings-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Mirel-Edit.reg"));
    QFile::remove(path);

    // Records separated by 0xff: a leading byte chooses string or number,
    // then the name and the value split at the first 0xfe.
    const QList<QByteArray> records = fuzz::Input(data, size).split('\xff');
    std::map<QString, Value> wanted;
    {
        RegFileSettingsStore store(path, QStringLiteral("/desk"));
        Check(store.OpenKey(SettingsKey, true));
        for (const QByteArray& record : records) {
            if (record.isEmpty())
                continue;
            const qsizetype cut = record.indexOf('\xfe', 1);
            // Value names are the program's own: no NULs in them.
            const QString name =
                QString::fromUtf8(record.mid(1, cut < 0 ? -1 : cut - 1)).replace(QChar(), QLatin1Char('_'));
            const QByteArray rest = cut < 0 ? QByteArray() : record.mid(cut + 1);
            // Names are compared without case, as the registry does.
            for (auto it = wanted.begin(); it != wanted.end();)
                it = it->first.compare(name, Qt::CaseInsensitive) == 0 ? wanted.erase(it) : std::next(it);
            if (record[0] & 1) {
                qint32 n = 0;
                for (char b : rest.left(4))
                    n = qint32((quint32(n) << 8) | quint8(b));
                store.WriteInteger(name, n);
                wanted[name] = {true, {}, n};
            } else {
                const QString text = QString::fromUtf8(rest);
                store.WriteString(name, text);
                // A registry string ends at its first NUL.
                const qsizetype nul = text.indexOf(QChar());
                wanted[name] = {false, nul < 0 ? text : text.left(nul), 0};
            }
        }
        store.CloseKey();
    }
    RegFileSettingsStore back(path, QStringLiteral("/desk"));
    Check(back.OpenKeyReadOnly(SettingsKey));
    for (const auto& [name, value] : wanted) {
        Check(back.ValueExists(name));
        if (value.number)
            Check(back.ReadInteger(name) == value.integer);
        else if (back.ReadString(name) != value.text) {
            std::fprintf(stderr, "\"%s\" came back as \"%s\" instead of \"%s\"\n", qPrintable(name),
                         qPrintable(back.ReadString(name)), qPrintable(value.text));
            std::abort();
        }
    }
    back.CloseKey();
    Check(!back.LastBrokenFile());
    return 0;
}
