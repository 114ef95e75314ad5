// SPDX-License-Identifier: GPL-3.0-or-later
// What a saved file keeps: owner, group, permission bits, ACL and extended
// attributes, whoever saves it.
#include "platform/SafeFile.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <grp.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

// Numeric ids no account uses; no passwd entry is needed to act as them.
constexpr uid_t kOwner = 61001, kSaver = 61002, kThird = 61003;
constexpr gid_t kShared = 61010, kSaverGroup = 61012, kFolderGroup = 61020;

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// An ACL in the kernel's xattr form: version 2, then tag, permissions and id
// of each entry, in the order of the tags.
struct AclEntry {
    uint16_t tag;
    uint16_t perm;
    uint32_t id = uint32_t(-1);
};
enum : uint16_t { UserObj = 0x01, User = 0x02, GroupObj = 0x04, Group = 0x08, Mask = 0x10, Other = 0x20 };

QByteArray Acl(std::initializer_list<AclEntry> entries)
{
    QByteArray bytes;
    const auto put = [&](uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.append(char((value >> (8 * i)) & 0xff));
    };
    put(2, 4);
    for (const AclEntry& e : entries) {
        put(e.tag, 2);
        put(e.perm, 2);
        put(e.id, 4);
    }
    return bytes;
}

bool SetAttribute(const QString& path, const char* name, const QByteArray& value)
{
    return ::lsetxattr(Native(path).constData(), name, value.constData(), size_t(value.size()), 0) == 0;
}

// Every extended attribute of a file, the ACL among them.
std::map<std::string, QByteArray> Attributes(const QString& path)
{
    std::map<std::string, QByteArray> all;
    char names[4096];
    const ssize_t size = ::llistxattr(Native(path).constData(), names, sizeof names);
    for (ssize_t at = 0; at < size; at += ssize_t(strlen(names + at)) + 1) {
        QByteArray value(4096, '\0');
        const ssize_t got = ::lgetxattr(Native(path).constData(), names + at, value.data(), size_t(value.size()));
        value.resize(got < 0 ? 0 : got);
        all[names + at] = value;
    }
    return all;
}

struct Stat {
    uid_t uid = 0;
    gid_t gid = 0;
    mode_t mode = 0;
    ino_t ino = 0;
};

Stat StatOf(const QString& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(Native(path).constData(), &st), 0) << path.toStdString();
    return {st.st_uid, st.st_gid, st.st_mode & 07777, st.st_ino};
}

// Lets other users reach the test's folder: every folder above it gets
// search permission for others while the test runs.
class Reachable {
public:
    explicit Reachable(const QString& folder)
    {
        for (QString path = QFileInfo(folder).absoluteFilePath(); path != QStringLiteral("/");
             path = QFileInfo(path).absolutePath()) {
            struct stat st {};
            if (::stat(Native(path).constData(), &st) == 0 && !(st.st_mode & S_IXOTH) &&
                ::chmod(Native(path).constData(), (st.st_mode & 07777) | S_IXOTH) == 0)
                changed_.push_back({path, st.st_mode & 07777});
        }
    }
    ~Reachable()
    {
        for (const auto& [path, mode] : changed_)
            ::chmod(Native(path).constData(), mode);
    }

private:
    std::vector<std::pair<QString, mode_t>> changed_;
};

// Runs `save` in a child process with the given identity; empty when it
// saved, else its reason.
QString SaveAs(uid_t uid, gid_t gid, std::vector<gid_t> groups, const std::function<QString()>& save)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        QByteArray result = "cannot become the saver";
        if (::setgroups(groups.size(), groups.data()) == 0 && ::setresgid(gid, gid, gid) == 0 &&
            ::setresuid(uid, uid, uid) == 0)
            result = save().toUtf8();
        [[maybe_unused]] const ssize_t n = ::write(pipe[1], result.constData(), size_t(result.size()));
        ::_exit(0);
    }
    ::close(pipe[1]);
    QByteArray result;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, n);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return QStringLiteral("the saver died");
    return QString::fromUtf8(result);
}

}   // namespace

TEST(KeptAttributesTest, SavedFileKeepsOwnerGroupModeAclAndAttributesWhoeverSaves)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as a second user needs root";
    QTemporaryDir dir;
    const Reachable reachable(dir.path());
    {
        const QString probe = dir.filePath(QStringLiteral("probe"));
        QFile(probe).open(QIODevice::WriteOnly);
        if (!SetAttribute(probe, "user.probe", "1") ||
            !SetAttribute(probe, "system.posix_acl_access",
                          Acl({{UserObj, 6}, {User, 6, kThird}, {GroupObj, 4}, {Mask, 6}, {Other, 0}})))
            GTEST_SKIP() << "the file system keeps no extended attributes or ACLs here";
    }

    enum class Inode { Same, Any };
    struct Case {
        const char* what;
        uid_t owner;
        gid_t group;
        mode_t mode;
        QByteArray acl;   // set on the file when not empty
        QByteArray attribute;   // user.origin, when not empty
        mode_t folderMode;
        gid_t folderGroup;
        QByteArray folderDefaultAcl;
        uid_t saver;   // 0: root itself
        gid_t saverGroup;
        std::vector<gid_t> saverGroups;
        Inode inode;
    };
    const QByteArray sharedAcl = Acl({{UserObj, 6}, {User, 6, kThird}, {GroupObj, 4}, {Mask, 6}, {Other, 0}});
    const QByteArray grantsSaver = Acl({{UserObj, 6}, {User, 6, kSaver}, {GroupObj, 0}, {Mask, 6}, {Other, 0}});
    const QByteArray folderDefault = Acl({{UserObj, 7}, {User, 7, kThird}, {GroupObj, 5}, {Mask, 7}, {Other, 5}});
    const Case cases[] = {
        {"another user's 0660 file saved by a member of its group",
         kOwner,
         kShared,
         0660,
         {},
         {},
         0777,
         0,
         {},
         kSaver,
         kSaverGroup,
         {kShared},
         Inode::Same},
        {"own file with an ACL entry",
         kSaver,
         kSaverGroup,
         0640,
         sharedAcl,
         {},
         0777,
         0,
         {},
         kSaver,
         kSaverGroup,
         {},
         Inode::Any},
        {"own file with a user attribute",
         kSaver,
         kSaverGroup,
         0644,
         {},
         "mail",
         0777,
         0,
         {},
         kSaver,
         kSaverGroup,
         {},
         Inode::Any},
        {"own file of the own group in a setgid folder of another group",
         kSaver,
         kSaverGroup,
         0644,
         {},
         {},
         02777,
         kFolderGroup,
         {},
         kSaver,
         kSaverGroup,
         {},
         Inode::Any},
        {"own file without ACL in a folder with a default ACL",
         kSaver,
         kSaverGroup,
         0640,
         {},
         {},
         0777,
         0,
         folderDefault,
         kSaver,
         kSaverGroup,
         {},
         Inode::Any},
        {"owner not keepable: another user's file its ACL lets the saver write",
         kOwner,
         kShared,
         0600,
         grantsSaver,
         "notes",
         0777,
         0,
         {},
         kSaver,
         kSaverGroup,
         {},
         Inode::Same},
        {"another user's file saved by root", kOwner, kShared, 0640, {}, "mail", 0755, 0, {}, 0, 0, {}, Inode::Any},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = dir.filePath(QString::fromLatin1(c.what).replace(QLatin1Char(':'), QLatin1Char('_')));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/document.txt");
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old text") == 8);
        }
        ASSERT_EQ(::chown(Native(path).constData(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(Native(path).constData(), c.mode), 0);
        if (!c.acl.isEmpty())
            ASSERT_TRUE(SetAttribute(path, "system.posix_acl_access", c.acl));
        if (!c.attribute.isEmpty())
            ASSERT_TRUE(SetAttribute(path, "user.origin", c.attribute));
        ASSERT_EQ(::chown(Native(folder).constData(), 0, c.folderGroup), 0);
        ASSERT_EQ(::chmod(Native(folder).constData(), c.folderMode), 0);
        if (!c.folderDefaultAcl.isEmpty())
            ASSERT_TRUE(SetAttribute(folder, "system.posix_acl_default", c.folderDefaultAcl));
        const Stat before = StatOf(path);
        const auto attributesBefore = Attributes(path);

        const auto save = [&] {
            QString error;
            return WriteFileSafely(path, "new text", &error) ? QString() : error;
        };
        const QString error = c.saver == 0 ? save() : SaveAs(c.saver, c.saverGroup, c.saverGroups, save);
        EXPECT_EQ(error, QString());

        EXPECT_EQ(ReadAll(path), QByteArray("new text"));
        const Stat after = StatOf(path);
        EXPECT_EQ(after.uid, before.uid);
        EXPECT_EQ(after.gid, before.gid);
        EXPECT_EQ(after.mode, before.mode) << std::oct << after.mode << " instead of " << before.mode;
        EXPECT_EQ(Attributes(path), attributesBefore) << "ACL and extended attributes";
        if (c.inode == Inode::Same)
            EXPECT_EQ(after.ino, before.ino) << "written in place";
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no file left beside it";
    }
}
