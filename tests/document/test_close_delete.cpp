// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"
#include "markers/MegaCheckListBox.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

class CloseDeleteTest : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }
    static QString TrashFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    }
};

}   // namespace

TEST_F(CloseDeleteTest, CloseForgetsTheDocumentAndRecords)
{
    const QString path = WriteFile(QStringLiteral("c.txt"), "a\r\nb\r\n");
    WriteFile(QStringLiteral("c.txt.lm"), "1, a\r\n");
    form().OpenNamed(path);
    form().Macro().IsRecording = true;
    form().Clear1Click();
    form().Macro().IsRecording = false;
    EXPECT_TRUE(edit().Text().isEmpty());
    EXPECT_TRUE(form().Session().State().CurrentFile.isEmpty());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Mirel-Edit 1.5.4"));
    EXPECT_TRUE(form().Ui().StatusBar->Panel(0).text.isEmpty());
    EXPECT_EQ(form().Ui().StatusBar->Panel(0).width, 150);
    EXPECT_TRUE(form().Ui().CheckList->MarkerLabels.isEmpty());
    EXPECT_FALSE(edit().Modified());
    EXPECT_TRUE(edit().IsPlainText());
    EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("CloseFile")});
    EXPECT_TRUE(QFile::exists(path)) << "Close never touches the file";
}

TEST_F(CloseDeleteTest, CloseOfRichDocumentResetsFormatsAndKeepsTheMode)
{
    const QString path = WriteFile(QStringLiteral("r.rtf"), "{\\rtf1\\ansi x\\par}");
    form().OpenNamed(path);
    edit().SelectAllText();
    edit().SetParaAlignment(AlignCenterCode);
    edit().SetLeftIndent(30);
    edit().SetTabs({40});
    edit().SetSelBold(true);
    edit().SetModified(false);
    form().Clear1Click();
    EXPECT_FALSE(edit().IsPlainText()) << "the mode stays";
    EXPECT_EQ(form().Ui().StatusBar->Panel(0).width, 0);
    EXPECT_EQ(edit().ParaAlignment(), AlignLeftCode);
    EXPECT_EQ(edit().LeftIndent(), 0);
    EXPECT_EQ(edit().TabCount(), 0);
    edit().ReplaceSelection(QStringLiteral("new"));
    edit().SetSelStart(0);
    edit().SetSelLength(3);
    EXPECT_FALSE(edit().SelAttributes().bold);
    EXPECT_EQ(edit().SelAttributes().name, form().Startup().UserFont.font.family());
}

TEST_F(CloseDeleteTest, CloseOfModifiedDocumentCanBeCancelled)
{
    edit().ReplaceSelection(QStringLiteral("draft"));
    fake.prompts.ExpectSaveChanges(MsgAnswer::Cancel);
    form().Clear1Click();
    EXPECT_EQ(edit().Text(), QStringLiteral("draft"));
}

TEST_F(CloseDeleteTest, DeleteToTrashTakesTheMarkerFileAlong)
{
    fake.shell.useRealTrash = true;
    const QString path = WriteFile(QStringLiteral("x.txt"), "x\r\n");
    WriteFile(QStringLiteral("x.txt.lm"), "1, x\r\n");
    form().OpenNamed(path);
    form().Macro().IsRecording = true;
    Expect(MsgKind::Confirmation, QStringLiteral("Sure to delete it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    form().Delete1Click();
    form().Macro().IsRecording = false;
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".lm")));
    const QString trash = TrashFolder();
    EXPECT_TRUE(QFile::exists(trash + QStringLiteral("/files/x.txt")));
    EXPECT_TRUE(QFile::exists(trash + QStringLiteral("/files/x.txt.lm")));
    EXPECT_TRUE(QFile::exists(trash + QStringLiteral("/info/x.txt.trashinfo")));
    EXPECT_TRUE(QFile::exists(trash + QStringLiteral("/info/x.txt.lm.trashinfo")));
    EXPECT_TRUE(form().Session().State().CurrentFile.isEmpty());
    EXPECT_TRUE(edit().Text().isEmpty());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Mirel-Edit 1.5.4"));
    EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("DeleteFile")});
}

TEST_F(CloseDeleteTest, DeleteForGoodWithTheOptionOff)
{
    form().SetChecked(Command::Trash, false);
    const QString path = WriteFile(QStringLiteral("gone.txt"), "g");
    WriteFile(QStringLiteral("gone.txt.lm"), "1, g\r\n");
    form().OpenNamed(path);
    Expect(MsgKind::Confirmation, QStringLiteral("Sure to delete it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    form().Delete1Click();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".lm")));
    EXPECT_TRUE(fake.shell.recycled.isEmpty());
    EXPECT_FALSE(QFile::exists(TrashFolder() + QStringLiteral("/files/gone.txt")));
}

TEST_F(CloseDeleteTest, ProtectedFileAsksTwiceAndCancelKeepsIt)
{
    const QString path = WriteFile(QStringLiteral("ro.txt"), "r");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    form().OpenNamed(path);
    Expect(MsgKind::Confirmation, QStringLiteral("Sure to delete it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    Expect(MsgKind::Confirmation, QStringLiteral("File is protected!\nSure to delete it?"), MsgButtons::OkCancel,
           MsgAnswer::Cancel);
    form().Delete1Click();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(form().Session().State().CurrentFile, path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(CloseDeleteTest, FailedDeleteChangesNothing)
{
    form().SetChecked(Command::Trash, false);
    const QString path = WriteFile(QStringLiteral("vanishing.txt"), "v");
    form().OpenNamed(path);
    edit().ReplaceSelection(QStringLiteral("edit "));
    QFile::remove(path);   // another program was faster: the delete must fail
    Expect(MsgKind::Confirmation, QStringLiteral("Sure to delete it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    Expect(MsgKind::Error, QStringLiteral("File could not be deleted!"), MsgButtons::Ok, MsgAnswer::Ok);
    form().Delete1Click();
    EXPECT_EQ(form().Session().State().CurrentFile, path);
    EXPECT_EQ(edit().Text(), QStringLiteral("edit v"));
    EXPECT_TRUE(edit().Modified());
}

TEST_F(CloseDeleteTest, FailedTrashMoveInLockedFolderChangesNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may delete in any folder";
    const QString sub = TempPath(QStringLiteral("locked"));
    QDir().mkpath(sub);
    const QString path = sub + QStringLiteral("/doc.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    form().OpenNamed(path);
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    fake.shell.useRealTrash = true;
    Expect(MsgKind::Confirmation, QStringLiteral("Sure to delete it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    Expect(MsgKind::Error, QStringLiteral("File could not be deleted!"), MsgButtons::Ok, MsgAnswer::Ok);
    form().Delete1Click();
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(form().Session().State().CurrentFile, path);
}

TEST_F(CloseDeleteTest, DeleteWithoutFileClosesOnlyAModifiedEditor)
{
    form().Delete1Click();   // nothing open, nothing modified: no question
    edit().ReplaceSelection(QStringLiteral("scratch"));
    fake.prompts.ExpectSaveChanges(MsgAnswer::No);
    form().Delete1Click();
    EXPECT_TRUE(edit().Text().isEmpty());
}
