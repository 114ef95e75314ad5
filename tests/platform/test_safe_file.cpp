// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RichEdit.h"
#include "macro/MacroFile.h"
#include "markers/Markers.h"
#include "platform/AppError.h"
#include "platform/RegFileSettingsStore.h"
#include "platform/SafeFile.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

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

// The message of the error the write throws, empty when it throws none.
QString ThrownBy(const std::function<void()>& write)
{
    try {
        write();
    } catch (const AppError& e) {
        return e.message();
    }
    return {};
}

QString SaveDocument(const QString& path, bool plain)
{
    TRichEdit edit;
    edit.SetPlainTextMode(plain);
    edit.SetText(QStringLiteral("new text"));
    return ThrownBy([&] { edit.SaveToFile(path); });
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
             return ThrownBy([&] {
                 RegFileSettingsStore store(p, QStringLiteral("/desk"));
                 store.OpenKey(SettingsKey, false);
                 store.WriteString(QStringLiteral("Font"), QStringLiteral("Arial"));
                 store.CloseKey();
             });
         }},
        {"markers", "3, old\r\n",
         [](const QString& p) {
             QString error;
             return WriteMarkerFile(p, {QStringLiteral("1, new")}, &error) ? QString() : error;
         }},
        {"macro", "Insert old\r\n",
         [](const QString& p) { return ThrownBy([&] { WriteMacroFile(p, {QStringLiteral("Insert new")}); }); }},
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

}   // namespace

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
    struct stat a {
    }, b{};
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

namespace {

// The id of a process that has ended.
pid_t EndedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

}   // namespace

// A save that was killed leaves its file beside the document; the next save
// of that document clears away those whose writer has ended, and nothing else.
TEST(SafeFileTest, NextSaveRemovesWhatKilledSavesLeftAndNothingElse)
{
    const QByteArray dead = QByteArray::number(EndedProcess());
    const QByteArray running = QByteArray::number(::getppid());
    const QString longName = QString(240, QLatin1Char('n'));
    enum class Kind { File, OtherUsers, Link, Folder };
    struct Case {
        const char* what;
        QString document;
        QByteArray name;
        Kind kind;
        bool removed;
    };
    const Case cases[] = {
        {"ended writer", "doc.txt", ".doc.txt.mirel-save-" + dead + "-Ab12Cd", Kind::File, true},
        {"running writer", "doc.txt", ".doc.txt.mirel-save-" + running + "-Ab12Cd", Kind::File, false},
        {"another user's", "doc.txt", ".doc.txt.mirel-save-" + dead + "-Zz99zz", Kind::OtherUsers, false},
        {"another document's", "doc.txt", ".doc.txt.bak.mirel-save-" + dead + "-Ab12Cd", Kind::File, false},
        {"another document's, shorter", "doc.txt", ".doc.mirel-save-" + dead + "-Ab12Cd", Kind::File, false},
        {"longer tail", "doc.txt", ".doc.txt.mirel-save-" + dead + "-Ab12Cd.x", Kind::File, false},
        {"no writer", "doc.txt", ".doc.txt.mirel-save--Ab12Cd", Kind::File, false},
        {"a link", "doc.txt", ".doc.txt.mirel-save-" + dead + "-Ln12Cd", Kind::Link, false},
        {"a folder", "doc.txt", ".doc.txt.mirel-save-" + dead + "-Fo12Cd", Kind::Folder, false},
        {"name too long to carry", longName, ".mirel-save-" + dead + "-Ab12Cd", Kind::File, true},
        {"a save file of the side file", "doc.txt", ".doc.txt.lm.mirel-save-" + dead + "-Ab12Cd", Kind::File, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.kind == Kind::OtherUsers && ::geteuid() != 0)
            continue;   // only root can give a file away
        QTemporaryDir dir;
        const QString document = dir.filePath(c.document);
        WriteAll(document, "old");
        const QString left = dir.filePath(QFile::decodeName(c.name));
        if (c.kind == Kind::Folder)
            ASSERT_TRUE(QDir().mkdir(left));
        else if (c.kind == Kind::Link)
            ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("elsewhere")), left));
        else
            WriteAll(left, "a killed save's text");
        if (c.kind == Kind::OtherUsers)
            ASSERT_EQ(::chown(QFile::encodeName(left).constData(), 61001, 61001), 0);

        // While a save runs, its own file is named for the document and
        // this process.
        SafeFile file(document);
        ASSERT_TRUE(file.Open()) << file.ErrorString().toStdString();
        QStringList names = Entries(dir.path());
        names.removeAll(c.document);
        names.removeAll(QFile::decodeName(c.name));
        ASSERT_EQ(names.size(), 1);
        const QString prefix = c.document == longName ? QStringLiteral(".") : QStringLiteral(".") + c.document + '.';
        EXPECT_TRUE(QRegularExpression(QRegularExpression::escape(prefix) + QStringLiteral("mirel-save-") +
                                       QString::number(::getpid()) + QStringLiteral("-[A-Za-z0-9]{6}"))
                        .match(names.front())
                        .hasMatch())
            << names.front().toStdString();
        ASSERT_TRUE(file.Write("new") && file.Commit()) << file.ErrorString().toStdString();

        EXPECT_EQ(QFileInfo(left).exists() || QFileInfo(left).isSymLink(), !c.removed);
        EXPECT_EQ(ReadAll(document), QByteArray("new"));
        EXPECT_EQ(Entries(dir.path()).size(), c.removed ? 1 : 2);
    }
}
