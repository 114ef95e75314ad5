// SPDX-License-Identifier: GPL-3.0-or-later
// A save never overwrites a change it has not seen: the file on disk is
// compared with what this run last read or wrote, on every path that
// writes the document, and a change is asked about first.
#include "document/FileStamp.h"
#include "tests/support/MainFormFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

enum class Change { None, SameSizeNewTime, SizeOnly, RenamedOver, LinkedOver, LinkToNowhere, Deleted };
enum class Path { Save, SaveAsSameName, SaveQuit, SaveAtClose, MacroSaveFile, MacroSaveFileNamed };

// Sets a file's modification time to the given one.
void SetTime(const QString& path, qint64 ns)
{
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(ns / 1000000000), long(ns % 1000000000)}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

class ChangedOnDiskTest : public MainFormTest {
protected:
    // What another program does to `path` (a file holding "old text\n"),
    // giving the bytes that reading `path` then yields. Size, time and
    // inode are each the only difference in one case.
    QByteArray Apply(Change change, const QString& path)
    {
        const QString real = QFileInfo(path).canonicalFilePath();
        const qint64 time = FileStamp::Of(real).mtimeNs;
        switch (change) {
        case Change::None: return "old text\n";
        case Change::SameSizeNewTime:
            WriteFile(QFileInfo(real).fileName(), "OLD TEXT\n");
            SetTime(real, time + 1000000000);
            return "OLD TEXT\n";
        case Change::SizeOnly:
            WriteFile(QFileInfo(real).fileName(), "old text, longer\n");
            SetTime(real, time);
            return "old text, longer\n";
        case Change::RenamedOver: {
            const QString other = WriteFile(QStringLiteral("other.new"), "OLD TEXT\n");
            SetTime(other, time);
            EXPECT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
            return "OLD TEXT\n";
        }
        case Change::LinkedOver: {
            const QString other = WriteFile(QStringLiteral("elsewhere.txt"), "OLD TEXT\n");
            SetTime(other, time);
            QFile::remove(path);
            EXPECT_TRUE(QFile::link(other, path));
            return "OLD TEXT\n";
        }
        case Change::LinkToNowhere:
            QFile::remove(path);
            EXPECT_TRUE(QFile::link(TempPath(QStringLiteral("nowhere.txt")), path));
            return {};
        case Change::Deleted: QFile::remove(path); return {};
        }
        return {};
    }

    // Runs one save path; `answer` is given to the question when one is due.
    void RunSave(Path path, const QString& name, bool asked, MsgAnswer answer)
    {
        const auto question = [&] {
            if (asked)
                Expect(MsgKind::Confirmation, name + QStringLiteral("\nwas changed by another program. Overwrite it?"),
                       MsgButtons::YesNo, answer);
        };
        switch (path) {
        case Path::Save:
            question();
            form().Save1Click();
            break;
        case Path::SaveAsSameName:
            fake.prompts.ExpectSaveDialog([name](FileDialogState& s) {
                s.fileName = name;
                return true;
            });
            if (QFileInfo::exists(name))
                Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel,
                       MsgAnswer::Ok);
            question();
            form().SaveAs1Click();
            break;
        case Path::SaveQuit:
            question();
            form().SaveQuit1Click();
            break;
        case Path::SaveAtClose:
            fake.prompts.ExpectSaveChanges(MsgAnswer::Yes);
            question();
            form().close();
            break;
        case Path::MacroSaveFile:
        case Path::MacroSaveFileNamed:
            question();
            EXPECT_TRUE(form().ExecuteMacroCommand(QStringLiteral("savefile"),
                                                   path == Path::MacroSaveFile ? std::nullopt : std::optional(name)));
            break;
        }
    }
};

TEST_F(ChangedOnDiskTest, EverySaveAsksBeforeOverwritingAnotherProgramsChange)
{
    const struct {
        Change change;
        bool viaLink;   // the document was opened through a symbolic link
        bool asked;
    } cases[] = {
        {Change::None, false, false},          {Change::SameSizeNewTime, false, true},
        {Change::SizeOnly, false, true},       {Change::RenamedOver, false, true},
        {Change::LinkedOver, false, true},     {Change::LinkToNowhere, false, true},
        {Change::Deleted, false, false},       {Change::None, true, false},
        {Change::SameSizeNewTime, true, true},
    };
    for (const Path path : {Path::Save, Path::SaveAsSameName, Path::SaveQuit, Path::SaveAtClose, Path::MacroSaveFile,
                            Path::MacroSaveFileNamed}) {
        for (const auto& c : cases) {
            for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
                if (!c.asked && answer == MsgAnswer::No)
                    continue;
                SCOPED_TRACE(testing::Message()
                             << "path " << int(path) << ", change " << int(c.change) << (c.viaLink ? " via a link" : "")
                             << ", answer " << MsgAnswerName(answer).toStdString());
                QFile::remove(TempPath(QStringLiteral("doc.txt")));
                QFile::remove(TempPath(QStringLiteral("link.txt")));
                QFile::remove(TempPath(QStringLiteral("nowhere.txt")));
                const QString target = WriteFile(QStringLiteral("doc.txt"), "old text\n");
                QString name = target;
                if (c.viaLink) {
                    name = TempPath(QStringLiteral("link.txt"));
                    ASSERT_TRUE(QFile::link(target, name));
                }
                CreateAndShow({name});
                ASSERT_EQ(form().Session().State().CurrentFile, name);
                edit().ReplaceSelection(QStringLiteral("new "));
                const QByteArray theirs = Apply(c.change, name);

                RunSave(path, name, c.asked, answer);
                const bool written = !c.asked || answer == MsgAnswer::Yes;
                EXPECT_EQ(ReadFile(name), written ? QByteArray("new old text\n") : theirs);
                EXPECT_EQ(edit().Modified(), !written);
                EXPECT_EQ(form().isVisible(), !(written && (path == Path::SaveQuit || path == Path::SaveAtClose)))
                    << "quit only after the save";
                if (c.viaLink)
                    EXPECT_TRUE(QFileInfo(name).isSymLink()) << "the user's link stays";
                if (written) {
                    form().CheckFile();   // our own write: the watcher is silent
                    edit().ReplaceSelection(QStringLiteral("again "));
                    edit().SetModified(true);
                    form().Save1Click();   // and the next save does not ask either
                    EXPECT_FALSE(edit().Modified());
                }
                fake.prompts.VerifyAllShown();
                TearDown();
            }
        }
    }
}

TEST(FileStamp, NothingSeenOrNothingThereIsNoChange)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    EXPECT_FALSE(FileStamp::Of(path).known);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    const FileStamp seen = FileStamp::Of(path);
    EXPECT_TRUE(seen.known && seen.regular);
    EXPECT_EQ(seen.size, 1);
    EXPECT_FALSE(ChangedSince(seen, path));
    EXPECT_FALSE(ChangedSince(FileStamp{}, path)) << "a file this run never read";
    // A folder in its place: the write refuses it with its own message.
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(ChangedSince(seen, path));
}

}   // namespace
