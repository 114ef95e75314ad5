// SPDX-License-Identifier: GPL-3.0-or-later
// Deleted macros go to the user's trash, whose folders may not be there yet.
#include "platform/Shell.h"
#include "platform/Trash.h"
#include "tests/support/MacroLibraryFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <sys/stat.h>

namespace {

// Sets environment variables for one scope (nullptr unsets one).
class EnvironmentScope {
public:
    void Set(const char* name, const QString* value)
    {
        saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        if (value)
            qputenv(name, QFile::encodeName(*value));
        else
            qunsetenv(name);
    }
    ~EnvironmentScope()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->wasSet ? (void)qputenv(it->name, it->value) : (void)qunsetenv(it->name);
    }

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Saved> saved_;
};

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

}   // namespace

TEST(Trash, FoldersAreMadeWhereDesktopsLookForThem)
{
    struct Case {
        const char* name;
        const char* dataHome;   // below the test folder; nullptr unsets XDG_DATA_HOME
        const char* trash;   // where the trash is to be, below the test folder
    };
    const Case cases[] = {
        {"missing data folder", "made/later/share", "made/later/share/Trash"},
        {"no data folder set", nullptr, "home/.local/share/Trash"},
        {"a relative data folder is ignored", "relative/share", "home/.local/share/Trash"},
        {"trash already there", "ready", "ready/Trash"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QString home = root.filePath(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkpath(home));
        ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("ready/Trash/files"))));
        const QString data = !c.dataHome ? QString()
                             : QString::fromUtf8(c.dataHome).startsWith(QLatin1String("relative"))
                                 ? QString::fromUtf8(c.dataHome)
                                 : root.filePath(QString::fromUtf8(c.dataHome));
        EnvironmentScope env;
        env.Set("HOME", &home);
        env.Set("XDG_DATA_HOME", c.dataHome ? &data : nullptr);

        const QString trash = root.filePath(QString::fromUtf8(c.trash));
        EXPECT_EQ(HomeTrashPath(), trash);
        // Twice the same name, with a blank, as a file and once as a folder.
        for (const bool folder : {false, true}) {
            const QString victim = root.filePath(QStringLiteral("My macro.macro"));
            ASSERT_TRUE(folder ? QDir().mkpath(victim + QStringLiteral("/inner"))
                               : QFile(victim).open(QIODevice::WriteOnly));
            QtShell shell;
            EXPECT_TRUE(shell.RecycleFile(victim)) << shell.RecycleError().toStdString();
            EXPECT_TRUE(shell.RecycleError().isEmpty());
            EXPECT_FALSE(QFileInfo::exists(victim));
        }
        EXPECT_TRUE(QFileInfo(trash + QStringLiteral("/files/My macro.macro")).isFile());
        EXPECT_TRUE(QFileInfo(trash + QStringLiteral("/files/My macro 2.macro/inner")).isDir());
        QFile info(trash + QStringLiteral("/info/My macro.macro.trashinfo"));
        ASSERT_TRUE(info.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = info.readAll().split('\n');
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[0], QByteArray("[Trash Info]"));
        EXPECT_EQ(lines[1], "Path=" + QFile::encodeName(root.path()).toPercentEncoding("/") + "/My%20macro.macro");
        EXPECT_TRUE(lines[2].startsWith("DeletionDate=20")) << lines[2].toStdString();
        EXPECT_TRUE(QFileInfo::exists(trash + QStringLiteral("/info/My macro 2.macro.trashinfo")));
        if (QString::fromUtf8(c.name) != QLatin1String("trash already there"))
            for (const char* made : {"", "/files", "/info"})
                EXPECT_EQ(ModeOf(trash + QString::fromUtf8(made)), mode_t(0700)) << made;
        // Never beside the home folder's own files.
        EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/files")));
        EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/info")));
    }
}

TEST(Trash, ATrashThatCannotBeMadeKeepsTheEntryAndSaysWhy)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString victim = root.filePath(QStringLiteral("keep.macro"));
    ASSERT_TRUE(QFile(victim).open(QIODevice::WriteOnly));
    const QString blocker = root.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));   // a file where the data folder would be
    struct Case {
        const char* name;
        QString dataHome;
        QString reason;
    };
    const Case cases[] = {
        {"a file in the way", blocker,
         QStringLiteral("The trash is not available: ") + blocker + QStringLiteral(": not a folder")},
        {"no home at all", QString(), QStringLiteral("The trash is not available: no home folder is set")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnvironmentScope env;
        env.Set("XDG_DATA_HOME", c.dataHome.isEmpty() ? nullptr : &c.dataHome);
        env.Set("HOME", nullptr);
        QtShell shell;
        EXPECT_FALSE(shell.RecycleFile(victim));
        EXPECT_EQ(shell.RecycleError(), c.reason);
        EXPECT_TRUE(QFileInfo::exists(victim));
    }
}

TEST_F(MacroLibraryTest, DeleteTellsWhenThereIsNoTrash)
{
    Make(QStringLiteral("Stay.macro"));
    Start();
    Item(QStringLiteral("Delete4"))->setEnabled(true);
    const QString blocker = WriteFile(QStringLiteral("not-a-folder"), "x");
    EnvironmentScope env;
    env.Set("XDG_DATA_HOME", &blocker);
    ShowLibrary();
    Select(Node({QStringLiteral("Stay")}));
    Expect(MsgKind::Confirmation, QStringLiteral("Really delete this macro?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    Expect(MsgKind::Error,
           QStringLiteral("Macro/Folder could not be deleted.\nThe trash is not available: ") + blocker +
               QStringLiteral(": not a folder"),
           MsgButtons::Ok, MsgAnswer::Ok);
    QTest::keyClick(&tree(), Qt::Key_Delete);
    fake.prompts.VerifyAllShown();
    EXPECT_TRUE(QFile::exists(lib + QStringLiteral("Stay.macro")));
    EXPECT_NE(Node({QStringLiteral("Stay")}), nullptr);
}
