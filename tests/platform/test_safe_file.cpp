#include "editor/RichEdit.h"
#include "macro/MacroFile.h"
#include "markers/Markers.h"
#include "platform/AppError.h"
#include "platform/RegFileSettingsStore.h"
#include "platform/SafeFile.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

const QByteArray kSettings = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit]\r\n"
                             "\"Font\"=\"Tahoma\"\r\n";

// Each writer of the program, writing something small to `path`; the
// failure's message, or empty when it wrote.
using Writer = std::function<QString(const QString& path)>;

QString SaveDocument(const QString& path, bool plain)
{
    TRichEdit edit;
    edit.SetPlainTextMode(plain);
    edit.SetText(QStringLiteral("new text"));
    try {
        edit.SaveToFile(path);
    } catch (const AppError& e) {
        return e.message();
    }
    return {};
}

struct WriterCase {
    const char* what;
    QByteArray old;
    Writer write;
};

const auto& AllWriters()
{
    static const WriterCase writers[] = {
        {"plain document", "old text\r\n", [](const QString& p) { return SaveDocument(p, true); }},
        {"rich document", "{\\rtf1 old\\par}", [](const QString& p) { return SaveDocument(p, false); }},
        {"settings", kSettings,
         [](const QString& p) {
             try {
                 RegFileSettingsStore store(p, QStringLiteral("/desk"));
                 store.OpenKey(SettingsKey, false);
                 store.WriteString(QStringLiteral("Font"), QStringLiteral("Arial"));
                 store.CloseKey();
             } catch (const AppError& e) {
                 return e.message();
             }
             return QString();
         }},
        {"markers", "3, old\r\n",
         [](const QString& p) {
             QString error;
             return WriteMarkerFile(p, {QStringLiteral("1, new")}, &error) ? QString() : error;
         }},
        {"macro", "Insert old\r\n",
         [](const QString& p) {
             try {
                 WriteMacroFile(p, {QStringLiteral("Insert new")});
             } catch (const AppError& e) {
                 return e.message();
             }
             return QString();
         }},
        // An unnamed rich document goes to Tidy as its typed text; the
        // preview of an unnamed document is a plain save.
        {"tidy input", "<p>old</p>",
         [](const QString& p) {
             QString error;
             return WriteFileSafely(p, "<p>new</p>", &error) ? QString() : error;
         }},
        {"preview", "<p>old</p>", [](const QString& p) { return SaveDocument(p, true); }},
    };
    return writers;
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

TEST(SafeFileTest, EveryWriterOnAFullDiskKeepsTheOldFileAndSaysWhy)
{
    for (const auto& w : AllWriters()) {
        FullDisk disk;
        disk.Put(QStringLiteral("target"), w.old);
        disk.Fill();
        const QString error = w.write(disk.Path(QStringLiteral("target")));
        EXPECT_TRUE(error.contains(disk.Reason())) << w.what << ": " << error.toStdString();
        EXPECT_EQ(ReadAll(disk.Path(QStringLiteral("target"))), w.old) << w.what;
        QStringList left = QDir(disk.Path(QString())).entryList(QDir::Files | QDir::Hidden);
        left.removeAll(QStringLiteral("filler"));
        EXPECT_EQ(left, QStringList{QStringLiteral("target")}) << w.what << ": no stray temporary file";
    }
}

TEST(SafeFileTest, LinksAreWrittenThroughAndNonFilesRefused)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.txt"));
    WriteAll(target, "old");

    // A symbolic link stays a link; its target gets the text.
    const QString symlink = dir.filePath(QStringLiteral("link.txt"));
    ASSERT_TRUE(QFile::link(target, symlink));
    EXPECT_EQ(SaveDocument(symlink, true), QString());
    EXPECT_TRUE(QFileInfo(symlink).isSymLink());
    EXPECT_EQ(ReadAll(target), QByteArray("new text"));

    // A hard link keeps sharing the file: both names see the new text.
    const QString hard = dir.filePath(QStringLiteral("hard.txt"));
    ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(hard).constData()), 0);
    QString error;
    ASSERT_TRUE(WriteFileSafely(hard, "through the hard link", &error)) << error.toStdString();
    EXPECT_EQ(ReadAll(target), QByteArray("through the hard link"));
    struct stat a {}, b {};
    ::stat(QFile::encodeName(target).constData(), &a);
    ::stat(QFile::encodeName(hard).constData(), &b);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(a.st_nlink, 2u);
    // Shorter text leaves no tail of the longer one behind.
    ASSERT_TRUE(WriteFileSafely(hard, "short", &error));
    EXPECT_EQ(ReadAll(target), QByteArray("short"));

    // A pipe is never replaced by a file.
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(WriteFileSafely(pipe, "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 4)
        << "no stray temporary file";
}

TEST(SafeFileTest, PrivateFilesStayPrivate)
{
    QTemporaryDir dir;
    const mode_t oldMask = ::umask(022);
    // Marker files quote the document: they take its permission bits, also
    // over an older side file that everyone could read.
    const QString document = dir.filePath(QStringLiteral("secret.txt"));
    WriteAll(document, "line");
    for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0755)}) {
        ASSERT_EQ(::chmod(QFile::encodeName(document).constData(), mode), 0);
        ASSERT_TRUE(WriteMarkerFile(MarkerFileName(document), {QStringLiteral("1, line")}));
        EXPECT_EQ(ModeOf(MarkerFileName(document)), mode & 0666) << std::oct << mode;
    }

    // The settings file is the user's alone from the start; one that exists
    // keeps what the user gave it.
    const QString settings = dir.filePath(QStringLiteral("cfg/Mirel-Edit.reg"));
    {
        RegFileSettingsStore store(settings, QStringLiteral("/desk"));
        ASSERT_TRUE(store.OpenKey(SettingsKey, true));
        store.WriteString(QStringLiteral("Font"), QStringLiteral("Arial"));
        store.CloseKey();
    }
    EXPECT_EQ(ModeOf(settings), mode_t(0600));
    ASSERT_EQ(::chmod(QFile::encodeName(settings).constData(), 0640), 0);
    {
        RegFileSettingsStore store(settings, QStringLiteral("/desk"));
        ASSERT_TRUE(store.OpenKey(SettingsKey, false));
        store.WriteString(QStringLiteral("Font"), QStringLiteral("Tahoma"));
        store.CloseKey();
    }
    EXPECT_EQ(ModeOf(settings), mode_t(0640));
    ::umask(oldMask);
}

// Between reading and saving the file became a folder, a link to a folder,
// or its folder was closed to writing: each writer fails, says why, and
// leaves everything as it was.
TEST(SafeFileTest, EveryWriterRefusesATargetThatChangedUnderIt)
{
    enum class Fault { Folder, LinkToFolder, ReadOnlyFolder };
    for (const Fault fault : {Fault::Folder, Fault::LinkToFolder, Fault::ReadOnlyFolder}) {
        if (fault == Fault::ReadOnlyFolder && ::geteuid() == 0)
            continue;   // root writes anywhere
        for (const auto& w : AllWriters()) {
            SCOPED_TRACE(testing::Message() << w.what << ", fault " << int(fault));
            QTemporaryDir dir;
            const QString target = dir.filePath(QStringLiteral("target"));
            const QString aside = dir.filePath(QStringLiteral("aside"));
            QDir().mkpath(aside);
            WriteAll(aside + QStringLiteral("/inside"), w.old);
            if (fault == Fault::Folder)
                ASSERT_TRUE(QDir().rename(aside, target));
            else if (fault == Fault::LinkToFolder)
                ASSERT_TRUE(QFile::link(aside, target));
            else
                WriteAll(target, w.old);
            const QStringList before = Entries(dir.path());
            if (fault == Fault::ReadOnlyFolder)
                ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);

            const QString error = w.write(target);
            ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
            EXPECT_FALSE(error.isEmpty());
            EXPECT_EQ(Entries(dir.path()), before) << "no stray temporary file";
            const QString old = fault == Fault::ReadOnlyFolder ? target : target + QStringLiteral("/inside");
            EXPECT_EQ(ReadAll(old), w.old);
        }
    }
}
