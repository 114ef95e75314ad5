// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppError.h"
#include "platform/RegFileSettingsStore.h"
#include "tests/support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kSample =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; exported by hand\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders]\r\n"
    "\"Desktop\"=\"C:\\\\Users\\\\me\\\\Desktop\"\r\n"
    "\"Cache\"=\"C:\\\\Cache\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
    "@=\"default\"\r\n"
    "\"Blob\"=hex:01,02,\\\r\n"
    "  0A,ff\r\n"
    "\"Multi\"=hex(7):41,00,00,00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit]\r\n"
    "\"Font\"=\"Courier New\"\r\n"
    "\"Size\"=dword:0000000a\r\n"
    "\"Color\"=dword:80000008\r\n"
    "\"FixedFont\"=dword:00000002\r\n"
    "\"Tidy\"=\"say \\\"hi\\\" in C:\\\\tidy\"\r\n";

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/MirelSoft/Mirel-Edit.reg");
    QString desktop = QStringLiteral("/home/user/Schreibtisch");

    RegFileSettingsStore Store() { return RegFileSettingsStore(path, desktop); }
};

TEST(RegFileFormat, ParsesEveryFormOfTheExport)
{
    RegParseError error;
    const auto hive = ParseRegFile(kSample, &error);
    ASSERT_TRUE(hive) << error.line << ": " << error.message.toStdString();
    ASSERT_EQ(hive->keys.size(), 3u);

    const RegKey* other = hive->Find(QStringLiteral("hkey_current_user\\software\\other"));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->Find(QString())->text, QStringLiteral("default"));
    EXPECT_EQ(other->Find(QStringLiteral("Blob"))->text, QStringLiteral("hex:01,02,0a,ff"));
    EXPECT_EQ(other->Find(QStringLiteral("Multi"))->kind, RegValue::Kind::Other);

    const RegKey* mirel = hive->Find(QStringLiteral("HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit"));
    ASSERT_TRUE(mirel);
    EXPECT_EQ(mirel->Find(QStringLiteral("Size"))->number, 10u);
    EXPECT_EQ(mirel->Find(QStringLiteral("Color"))->number, 0x80000008u);
    EXPECT_EQ(mirel->Find(QStringLiteral("Tidy"))->text, QStringLiteral("say \"hi\" in C:\\tidy"));
}

TEST(RegFileFormat, SerializedHiveParsesBackEqual)
{
    RegHive hive = *ParseRegFile(kSample);
    RegKey& key = hive.Ensure(QStringLiteral("HKEY_CURRENT_USER\\Software\\New"));
    key.values.push_back({QStringLiteral("Lines"), RegValue::Kind::String, QStringLiteral("a\r\nb \\n \"q\" \\"), 0});
    key.values.push_back({QStringLiteral("Max"), RegValue::Kind::Dword, {}, 0xFFFFFFFFu});

    for (RegFileEncoding encoding : {RegFileEncoding::Utf8, RegFileEncoding::Utf8Bom, RegFileEncoding::Utf16Le}) {
        hive.encoding = encoding;
        const QByteArray bytes = SerializeRegFile(hive);
        const auto back = ParseRegFile(bytes);
        ASSERT_TRUE(back) << int(encoding);
        EXPECT_EQ(*back, hive) << int(encoding);
        EXPECT_EQ(SerializeRegFile(*back), bytes);
    }
}

// Values and keys are found through an index: names the registry's
// comparison calls alike must meet there, and no others. A value seen
// again keeps its first spelling and takes the last data.
TEST(RegFileFormat, NamesAlikeMeetAsTheyCompare)
{
    const std::pair<QString, QString> pairs[] = {
        {QStringLiteral("Size"), QStringLiteral("SIZE")},
        {QString::fromUtf16(u"\u00c4rger"), QString::fromUtf16(u"\u00e4RGER")},
        {QString::fromUtf16(u"\u03a3\u03c3"), QString::fromUtf16(u"\u03c3\u03a3")},
        {QString::fromUtf16(u"\u03c2"), QString::fromUtf16(u"\u03c3")},
        {QString::fromUtf16(u"\u212a"), QStringLiteral("k")},
        {QString::fromUtf16(u"\U00010400x"), QString::fromUtf16(u"\U00010428X")},
        {QString::fromUtf16(u"stra\u00dfe"), QStringLiteral("STRASSE")},
        {QString::fromUtf16(u"\U00010400"), QString::fromUtf16(u"\u0400")},
        {QStringLiteral("a"), QStringLiteral("b")},
    };
    int alikePairs = 0;
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(a.toStdString() + " / " + b.toStdString());
        const bool alike = a.compare(b, Qt::CaseInsensitive) == 0;
        alikePairs += alike;
        const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n"
                                            "[HKEY_CURRENT_USER\\Software\\%1]\r\n\"%1\"=\"1\"\r\n\"%2\"=\"2\"\r\n"
                                            "[HKEY_CURRENT_USER\\Software\\%2]\r\n\"%2\"=\"3\"\r\n")
                                 .arg(a, b);
        const auto hive = ParseRegFile(text.toUtf8());
        ASSERT_TRUE(hive);
        ASSERT_EQ(hive->keys.size(), alike ? 1u : 2u);
        const RegKey& first = hive->keys.front();
        EXPECT_EQ(first.path, QStringLiteral("HKEY_CURRENT_USER\\Software\\") + a);
        ASSERT_EQ(first.values.size(), alike ? 1u : 2u);
        EXPECT_EQ(first.values.front().name, a);
        EXPECT_EQ(first.values.front().text, alike ? QStringLiteral("3") : QStringLiteral("1"));

        // The store's lookups and writes agree.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.reg"));
        WriteAll(path, text.toUtf8());
        RegFileSettingsStore store(path, QString());
        ASSERT_TRUE(store.OpenKey(QStringLiteral("\\Software\\") + b, false));
        EXPECT_EQ(store.ValueExists(a), alike);
        EXPECT_EQ(store.ReadString(b), QStringLiteral("3"));
        store.WriteString(a, QStringLiteral("4"));
        store.CloseKey();
        const auto written = ParseRegFile(ReadAll(path));
        ASSERT_TRUE(written);
        const RegKey* key = written->Find(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + b);
        ASSERT_TRUE(key);
        ASSERT_EQ(key->values.size(), alike ? 1u : 2u);
        EXPECT_EQ(key->values.front().text, alike ? QStringLiteral("4") : QStringLiteral("3"));
        EXPECT_EQ(key->values.back().name, a);
        EXPECT_EQ(key->values.back().text, QStringLiteral("4"));
    }
    EXPECT_GE(alikePairs, 4);

    // Many values, every third seen again in capitals.
    QByteArray many = "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\Many]\r\n";
    for (int i = 0; i < 3000; ++i)
        many +=
            "\"Value" + QByteArray::number(i) + "\"=dword:" + QByteArray::number(i, 16).rightJustified(8, '0') + "\r\n";
    for (int i = 0; i < 3000; i += 3)
        many += "\"VALUE" + QByteArray::number(i) + "\"=\"again\"\r\n";
    const auto hive = ParseRegFile(many);
    ASSERT_TRUE(hive);
    const std::vector<RegValue>& values = hive->keys.front().values;
    ASSERT_EQ(values.size(), 3000u);
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(values[i].name, QStringLiteral("Value%1").arg(i));
        if (i % 3 == 0)
            ASSERT_EQ(values[i].text, QStringLiteral("again")) << i;
        else
            ASSERT_EQ(values[i].number, quint32(i)) << i;
    }
}

TEST(RegFileFormat, AcceptsLfLinesBomAndUtf16)
{
    QByteArray lf = kSample;
    lf.replace("\r\n", "\n");
    const auto expected = ParseRegFile(kSample);
    ASSERT_TRUE(expected);

    auto fromLf = ParseRegFile(lf);
    ASSERT_TRUE(fromLf);
    EXPECT_EQ(fromLf->keys, expected->keys);

    auto fromBom = ParseRegFile("\xEF\xBB\xBF" + kSample);
    ASSERT_TRUE(fromBom);
    EXPECT_EQ(fromBom->keys, expected->keys);
    EXPECT_EQ(fromBom->encoding, RegFileEncoding::Utf8Bom);

    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray wide = utf16(QString::fromUtf8(kSample) + QStringLiteral("\"Umlaut\"=\"Grüße\"\r\n"));
    auto fromWide = ParseRegFile(wide);
    ASSERT_TRUE(fromWide);
    EXPECT_EQ(fromWide->encoding, RegFileEncoding::Utf16Le);
    EXPECT_EQ(fromWide->keys.back().values.back().text, QStringLiteral("Grüße"));
}

TEST(RegFileFormat, RejectsWhatIsNotAnExport)
{
    const QByteArray header = "Windows Registry Editor Version 5.00\r\n";
    const QByteArray key = "[HKEY_CURRENT_USER\\Software\\X]\r\n";
    const struct {
        const char* what;
        QByteArray bytes;
        int line;
    } cases[] = {
        {"empty file", "", 1},
        {"no header", key + "\"A\"=dword:1\r\n", 1},
        {"plain text", header + "hello world\r\n", 2},
        {"value before any key", header + "\"A\"=\"x\"\r\n", 2},
        {"unknown root", header + "[HKEY_NOWHERE\\X]\r\n", 2},
        {"empty key part", header + "[HKEY_CURRENT_USER\\\\X]\r\n", 2},
        {"unclosed key", header + "[HKEY_CURRENT_USER\\X\r\n", 2},
        {"key deletion", header + "[-HKEY_CURRENT_USER\\X]\r\n", 2},
        {"value deletion", header + key + "\"A\"=-\r\n", 3},
        {"dword too long", header + key + "\"A\"=dword:000000001\r\n", 3},
        {"dword not hex", header + key + "\"A\"=dword:0000000g\r\n", 3},
        {"unterminated text", header + key + "\"A\"=\"abc\r\n", 3},
        {"unknown escape", header + key + "\"A\"=\"C:\\dir\"\r\n", 3},
        {"junk after text", header + key + "\"A\"=\"abc\" x\r\n", 3},
        {"missing equals", header + key + "\"A\" \"abc\"\r\n", 3},
        {"bad hex byte", header + key + "\"A\"=hex:1,02\r\n", 3},
        {"continued at end", header + key + "\"A\"=hex:01,\\\r\n", 3},
        {"unknown type", header + key + "\"A\"=qword:1\r\n", 3},
        {"zero character", header + key + QByteArray("\"A\"=\"a\0b\"\r\n", 12), 0},
        {"invalid UTF-8", header + key + "\"A\"=\"\xC3\x28\"\r\n", 0},
        {"odd UTF-16",
         "\xFF\xFE"
         "W\0i\0n",
         0},
    };
    for (const auto& c : cases) {
        RegParseError error;
        EXPECT_FALSE(ParseRegFile(c.bytes, &error)) << c.what;
        EXPECT_EQ(error.line, c.line) << c.what;
        EXPECT_FALSE(error.message.isEmpty()) << c.what;
    }
}

TEST_F(SettingsStoreTest, ValuesWrittenComeBackWithTheirTypes)
{
    {
        auto store = Store();
        EXPECT_FALSE(store.KeyExists(SettingsKey));
        ASSERT_TRUE(store.OpenKey(SettingsKey, true));
        store.WriteString(QStringLiteral("Font"), QStringLiteral("MS Sans Serif"));
        store.WriteInteger(QStringLiteral("Size"), 8);
        store.WriteInteger(QStringLiteral("Color"), qint32(0x80000008u));
        store.WriteBool(QStringLiteral("MakroSort"), true);
        store.WriteBool(QStringLiteral("Center"), false);
        store.WriteString(QStringLiteral("TidyOptions"), QStringLiteral("-q \"C:\\x\""));
        store.CloseKey();
    }
    const QByteArray file = ReadAll(path);
    EXPECT_TRUE(file.startsWith("Windows Registry Editor Version 5.00\r\n"));
    EXPECT_TRUE(file.contains("[HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit]\r\n"));
    EXPECT_TRUE(file.contains("\"Size\"=dword:00000008\r\n"));
    EXPECT_TRUE(file.contains("\"Color\"=dword:80000008\r\n"));
    EXPECT_TRUE(file.contains("\"MakroSort\"=dword:00000001\r\n"));
    EXPECT_TRUE(file.contains("\"Center\"=dword:00000000\r\n"));
    EXPECT_TRUE(file.contains("\"TidyOptions\"=\"-q \\\"C:\\\\x\\\"\"\r\n"));

    auto store = Store();
    ASSERT_TRUE(store.KeyExists(SettingsKey));
    ASSERT_TRUE(store.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(store.ReadString(QStringLiteral("Font")), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Size")), 8);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Color")), qint32(0x80000008u));
    EXPECT_TRUE(store.ReadBool(QStringLiteral("MakroSort")));
    EXPECT_FALSE(store.ReadBool(QStringLiteral("Center")));
    EXPECT_EQ(store.ReadString(QStringLiteral("TidyOptions")), QStringLiteral("-q \"C:\\x\""));
}

TEST_F(SettingsStoreTest, NamesIgnoreCaseAndKeepTheirSpelling)
{
    WriteAll(path, kSample);
    auto store = Store();
    ASSERT_TRUE(store.OpenKey(QStringLiteral("software\\MIRELSOFT\\mirel-edit"), false));
    EXPECT_TRUE(store.ValueExists(QStringLiteral("SIZE")));
    EXPECT_TRUE(store.ReadBool(QStringLiteral("fixedfont")));   // 2 is non-zero
    store.WriteInteger(QStringLiteral("size"), 12);
    store.CloseKey();
    const QByteArray file = ReadAll(path);
    EXPECT_TRUE(file.contains("\"Size\"=dword:0000000c\r\n"));
    EXPECT_FALSE(file.contains("\"size\""));
}

TEST_F(SettingsStoreTest, WrongTypeMissingValueAndMisuseThrow)
{
    WriteAll(path, kSample);
    auto store = Store();
    EXPECT_THROW(store.ReadString(QStringLiteral("Font")), AppError);   // no key open
    ASSERT_TRUE(store.OpenKeyReadOnly(SettingsKey));
    EXPECT_THROW(store.ReadInteger(QStringLiteral("Font")), AppError);
    EXPECT_THROW(store.ReadBool(QStringLiteral("Tidy")), AppError);
    EXPECT_THROW(store.ReadString(QStringLiteral("Size")), AppError);
    EXPECT_THROW(store.ReadInteger(QStringLiteral("Nowhere")), AppError);
    EXPECT_THROW(store.WriteInteger(QStringLiteral("Size"), 9), AppError);   // read-only
    store.CloseKey();

    ASSERT_TRUE(store.OpenKeyReadOnly(QStringLiteral("\\Software\\Other")));
    EXPECT_THROW(store.ReadString(QStringLiteral("Blob")), AppError);
    EXPECT_EQ(store.ReadString(QString()), QStringLiteral("default"));
    store.CloseKey();
    EXPECT_EQ(ReadAll(path), kSample);
}

TEST_F(SettingsStoreTest, KeysExistOpenAndCreateAsInTheRegistry)
{
    auto store = Store();
    EXPECT_FALSE(store.OpenKeyReadOnly(SettingsKey));
    EXPECT_FALSE(store.OpenKey(SettingsKey, false));
    EXPECT_FALSE(QFile::exists(path));

    ASSERT_TRUE(store.CreateKey(SettingsKey));
    EXPECT_TRUE(QFile::exists(path));   // creating a key lasts at once
    EXPECT_TRUE(store.KeyExists(QStringLiteral("\\Software\\MirelSoft")));
    EXPECT_FALSE(store.KeyExists(QStringLiteral("\\Software\\Mirel")));
    EXPECT_FALSE(store.KeyExists(QStringLiteral("\\Software\\\\MirelSoft")));

    // Opening another key closes, and so saves, the current one.
    ASSERT_TRUE(store.OpenKey(SettingsKey, false));
    store.WriteInteger(QStringLiteral("Size"), 9);
    ASSERT_TRUE(store.OpenKey(QStringLiteral("\\Software\\Second"), true));
    EXPECT_FALSE(store.ValueExists(QStringLiteral("Size")));
    store.CloseKey();
    const auto hive = ParseRegFile(ReadAll(path));
    ASSERT_TRUE(hive);
    ASSERT_EQ(hive->keys.size(), 2u);
    EXPECT_EQ(hive->keys[0].values.size(), 1u);
    EXPECT_EQ(hive->keys[1].path, QStringLiteral("HKEY_CURRENT_USER\\Software\\Second"));
}

TEST_F(SettingsStoreTest, DesktopComesFromTheDesktopFolderReadOnly)
{
    WriteAll(path, kSample);
    auto store = Store();
    EXPECT_TRUE(store.KeyExists(QStringLiteral("\\Software\\Microsoft\\Windows")));
    EXPECT_FALSE(store.OpenKey(ShellFoldersKey, true));
    ASSERT_TRUE(store.OpenKeyReadOnly(ShellFoldersKey));
    EXPECT_EQ(store.ReadString(QStringLiteral("Desktop")), desktop);
    EXPECT_EQ(store.ReadString(QStringLiteral("Cache")), QStringLiteral("C:\\Cache"));
    store.CloseKey();

    // Without a file, and with no desktop folder known.
    RegFileSettingsStore bare(dir.path() + QStringLiteral("/none.reg"), QString());
    ASSERT_TRUE(bare.OpenKeyReadOnly(ShellFoldersKey));
    EXPECT_FALSE(bare.ValueExists(QStringLiteral("Desktop")));
}

TEST_F(SettingsStoreTest, RewriteKeepsOtherKeysAndSkipsUnchangedCloses)
{
    WriteAll(path, kSample);
    const RegHive before = *ParseRegFile(kSample);
    {
        auto store = Store();
        ASSERT_TRUE(store.OpenKey(SettingsKey, true));
        store.WriteInteger(QStringLiteral("Size"), 10);   // the value it already has
        store.WriteString(QStringLiteral("Font"), QStringLiteral("Courier New"));
        store.CloseKey();
        EXPECT_EQ(ReadAll(path), kSample);   // the comment would be gone after a rewrite

        ASSERT_TRUE(store.OpenKey(SettingsKey, true));
        store.WriteString(QStringLiteral("Font"), QStringLiteral("Arial"));
        store.WriteBool(QStringLiteral("WordWrap"), true);
        store.CloseKey();
    }
    const auto after = ParseRegFile(ReadAll(path));
    ASSERT_TRUE(after);
    ASSERT_EQ(after->keys.size(), before.keys.size());
    EXPECT_EQ(after->keys[0], before.keys[0]);   // Shell Folders, its file "Desktop" included
    EXPECT_EQ(after->keys[1], before.keys[1]);
    const RegKey& mirel = after->keys[2];
    EXPECT_EQ(mirel.Find(QStringLiteral("Font"))->text, QStringLiteral("Arial"));
    EXPECT_EQ(mirel.values.back().name, QStringLiteral("WordWrap"));
    EXPECT_EQ(mirel.values.size(), before.keys[2].values.size() + 1);
}

TEST_F(SettingsStoreTest, EncodingOfTheFileIsKept)
{
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    WriteAll(path, utf16(QString::fromUtf8(kSample)));
    auto store = Store();
    ASSERT_TRUE(store.OpenKey(SettingsKey, false));
    store.WriteString(QStringLiteral("Font"), QStringLiteral("Grüße"));
    store.CloseKey();
    const QByteArray file = ReadAll(path);
    EXPECT_TRUE(file.startsWith("\xFF\xFEW\0i\0n\0"));
    const auto hive = ParseRegFile(file);
    ASSERT_TRUE(hive);
    EXPECT_EQ(hive->keys[2].Find(QStringLiteral("Font"))->text, QStringLiteral("Grüße"));
}

TEST_F(SettingsStoreTest, SecondInstanceSeesTheFileAndTheLastCloseWins)
{
    auto first = Store();
    auto second = Store();
    ASSERT_TRUE(first.OpenKey(SettingsKey, true));
    first.WriteInteger(QStringLiteral("Size"), 10);
    first.WriteInteger(QStringLiteral("Width"), 500);
    first.CloseKey();

    ASSERT_TRUE(second.OpenKey(SettingsKey, true));
    EXPECT_EQ(second.ReadInteger(QStringLiteral("Width")), 500);
    second.WriteInteger(QStringLiteral("Size"), 12);
    second.CloseKey();

    ASSERT_TRUE(first.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(first.ReadInteger(QStringLiteral("Size")), 12);
    EXPECT_EQ(first.ReadInteger(QStringLiteral("Width")), 500);
}

// The hive is parsed again only when the file's bytes changed, whatever
// its size and time say; changes that did not reach the file are dropped.
TEST_F(SettingsStoreTest, KeyOpenedAgainSeesTheFileAsItIsNow)
{
    WriteAll(path, kSample);
    auto store = Store();
    ASSERT_TRUE(store.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Size")), 10);
    store.CloseKey();

    QByteArray changed = kSample;
    changed.replace("dword:0000000a", "dword:0000000b");
    const QDateTime time = QFileInfo(path).lastModified();
    WriteAll(path, changed);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(time, QFileDevice::FileModificationTime);
    }
    ASSERT_TRUE(store.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Size")), 11);
    store.CloseKey();

    // Its own writes too.
    ASSERT_TRUE(store.OpenKey(SettingsKey, false));
    store.WriteInteger(QStringLiteral("Extra"), 1);
    store.CloseKey();
    ASSERT_TRUE(store.OpenKeyReadOnly(SettingsKey));
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Extra")), 1);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Size")), 11);
}

TEST_F(SettingsStoreTest, FailedWriteLeavesTheOldFileWhole)
{
    WriteAll(path, kSample);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    auto store = Store();
    ASSERT_TRUE(store.OpenKey(SettingsKey, false));
    store.WriteString(QStringLiteral("Big"), QString(64 * 1024, u'x'));

    // Let the file system refuse anything beyond 4 KiB.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(store.CloseKey(), AppError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadAll(path), kSample);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Mirel-Edit.reg")});
    // What did not reach the file is gone when the key opens again.
    ASSERT_TRUE(store.OpenKeyReadOnly(SettingsKey));
    EXPECT_FALSE(store.ValueExists(QStringLiteral("Big")));
    store.CloseKey();

    // The next write succeeds and keeps the file's permissions.
    ASSERT_TRUE(store.OpenKey(SettingsKey, false));
    store.WriteInteger(QStringLiteral("Size"), 11);
    store.CloseKey();
    EXPECT_TRUE(ReadAll(path).contains("\"Size\"=dword:0000000b"));
    const auto notUser = ~QFileDevice::Permissions(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    EXPECT_EQ(QFile::permissions(path) & notUser, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

TEST_F(SettingsStoreTest, BrokenFileIsMovedAsideAndDefaultsUsed)
{
    const QByteArray garbage = "Windows Registry Editor Version "
                               "5.00\r\n[HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit]\r\n\"Size\"=dword:zz\r\n";
    WriteAll(path, garbage);
    WriteAll(path + QStringLiteral(".broken"), "an older casualty");

    auto store = Store();
    std::vector<RegFileSettingsStore::BrokenFile> reports;
    store.SetBrokenFileHandler([&](const RegFileSettingsStore::BrokenFile& b) { reports.push_back(b); });

    EXPECT_FALSE(store.KeyExists(SettingsKey));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].file, path);
    EXPECT_EQ(reports[0].movedTo, path + QStringLiteral(".broken.1"));
    EXPECT_EQ(reports[0].fault.line, 3);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ReadAll(path + QStringLiteral(".broken.1")), garbage);
    EXPECT_EQ(ReadAll(path + QStringLiteral(".broken")), QByteArray("an older casualty"));

    // The store goes on empty and writes a fresh file.
    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    EXPECT_FALSE(store.ValueExists(QStringLiteral("Size")));
    store.WriteInteger(QStringLiteral("Size"), 8);
    store.CloseKey();
    EXPECT_TRUE(ParseRegFile(ReadAll(path)));
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(SettingsStoreTest, BrokenFileThatCannotMoveIsNeverOverwritten)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may rename in a read-only folder";
    const QByteArray garbage = "not a registry file";
    WriteAll(path, garbage);
    const QString folder = QFileInfo(path).absolutePath();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);

    auto store = Store();
    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    ASSERT_TRUE(store.LastBrokenFile());
    EXPECT_TRUE(store.LastBrokenFile()->movedTo.isEmpty());
    store.WriteInteger(QStringLiteral("Size"), 8);
    EXPECT_THROW(store.CloseKey(), AppError);

    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadAll(path), garbage);
}

TEST(SettingsStoreLocation, FileLivesInTheXdgConfigFolder)
{
    QTemporaryDir config;
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    EXPECT_EQ(RegFileSettingsStore::DefaultFilePath(), config.path() + QStringLiteral("/MirelSoft/Mirel-Edit.reg"));
    if (wasSet)
        qputenv("XDG_CONFIG_HOME", saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

}   // namespace

TEST_F(SettingsStoreTest, PipeInThePlaceOfTheFileIsRefusedNotWaitedFor)
{
    // Opening a pipe for reading would wait for a writer for ever.
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    auto store = Store();
    try {
        store.OpenKey(SettingsKey, true);
        ADD_FAILURE() << "a pipe was read as settings";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
    }
    // Nor is it replaced by a settings file.
    RegFileSettingsStore writer(path, desktop);
    EXPECT_THROW(writer.CreateKey(SettingsKey), AppError);
    EXPECT_FALSE(QFileInfo(path).isFile());
}
