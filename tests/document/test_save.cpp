// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentRules.h"
#include "tests/support/FullDisk.h"
#include "tests/support/MainFormFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {

class SaveTest : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }

    void ExpectSaveDialog(const QString& name, int filterIndex)
    {
        fake.prompts.ExpectSaveDialog([name, filterIndex](FileDialogState& s) {
            s.fileName = name;
            s.filterIndex = filterIndex;
            return true;
        });
    }
    void SetRichOption()
    {
        form().SetChecked(Command::PlainText, false);
        form().Session().State().IsPlainDocument = false;
        form().ApplyDocumentKind();
    }
    static bool IsReadOnly(const QString& path) { return !(QFile::permissions(path) & QFileDevice::WriteOwner); }
};

}   // namespace

TEST_F(SaveTest, SaveAsAddsTheExtensionOfFilterAndMode)
{
    edit().SetText(QStringLiteral("report text"));
    ExpectSaveDialog(TempPath(QStringLiteral("report")), 1);
    form().SaveAs1Click();
    EXPECT_EQ(ReadFile(TempPath(QStringLiteral("report.txt"))), QByteArray("report text"));
    EXPECT_EQ(form().Session().State().CurrentFile, TempPath(QStringLiteral("report.txt")));
    EXPECT_EQ(form().windowTitle(), TempPath(QStringLiteral("report.txt")));
    EXPECT_FALSE(edit().Modified());
    EXPECT_TRUE(form().Session().State().SaveDone);
    EXPECT_EQ(form().Session().State().LastSaveDir, dir.path() + QLatin1Char('/'));

    SetRichOption();
    for (int index : {4, 7}) {
        const QString base = TempPath(QStringLiteral("rich%1").arg(index));
        ExpectSaveDialog(base, index);
        form().SaveAs1Click();
        EXPECT_TRUE(ReadFile(base + QStringLiteral(".rtf")).startsWith("{\\rtf")) << index;
    }
    ExpectSaveDialog(TempPath(QStringLiteral("page")), 3);
    form().SaveAs1Click();
    EXPECT_TRUE(QFile::exists(TempPath(QStringLiteral("page.html"))));
}

TEST_F(SaveTest, SaveAsOverExistingFileAsks)
{
    const QString path = WriteFile(QStringLiteral("there.txt"), "old");
    edit().SetText(QStringLiteral("new"));
    ExpectSaveDialog(path, 1);
    Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel,
           MsgAnswer::Cancel);
    form().SaveAs1Click();
    EXPECT_EQ(ReadFile(path), QByteArray("old"));
    EXPECT_FALSE(form().Session().State().SaveDone);

    ExpectSaveDialog(path, 1);
    Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    form().SaveAs1Click();
    EXPECT_EQ(ReadFile(path), QByteArray("new"));
}

TEST_F(SaveTest, PlainTextIntoRtfFileOffersTheTxtExtension)
{
    const QString rtf = WriteFile(QStringLiteral("doc.rtf"), "{\\rtf1 old}");
    form().Session().State().CurrentFile = rtf;
    edit().SetText(QStringLiteral("plain now"));
    const QString question = QStringLiteral("File is plain text.\nFile extension will be changed!");
    Expect(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Cancel);
    form().Save1Click();
    EXPECT_EQ(ReadFile(rtf), QByteArray("plain now")) << "Cancel writes under the old name";

    Expect(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Ok);
    edit().SetModified(true);
    form().Save1Click();
    const QString txt = TempPath(QStringLiteral("doc.txt"));
    EXPECT_FALSE(QFile::exists(rtf));
    EXPECT_EQ(ReadFile(txt), QByteArray("plain now"));
    EXPECT_EQ(form().Session().State().CurrentFile, txt);
    EXPECT_EQ(form().windowTitle(), txt);
}

TEST_F(SaveTest, RenameNeverReplacesAnotherFile)
{
    const QString txt = WriteFile(QStringLiteral("note.txt"), "rich before");
    const QString rtf = WriteFile(QStringLiteral("note.rtf"), "another file");
    SetRichOption();
    form().Session().State().CurrentFile = txt;
    edit().SetText(QStringLiteral("rich now"));
    Expect(MsgKind::Confirmation, QStringLiteral("File is in rich text format.\nFile extension will be changed!"),
           MsgButtons::OkCancel, MsgAnswer::Ok);
    Expect(MsgKind::Error, QStringLiteral("File could not be saved as RTF"), MsgButtons::Ok, MsgAnswer::Ok);
    form().Save1Click();
    EXPECT_EQ(ReadFile(rtf), QByteArray("another file"));
    EXPECT_EQ(ReadFile(txt), QByteArray("rich before"));
    EXPECT_EQ(form().Session().State().CurrentFile, txt);
    EXPECT_TRUE(edit().Modified());
}

TEST_F(SaveTest, ProtectedFileIsAskedForAndStaysReadOnly)
{
    const QString path = WriteFile(QStringLiteral("locked.txt"), "old");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    form().OpenNamed(path);
    edit().SetText(QStringLiteral("with save"));
    Expect(MsgKind::Confirmation, QStringLiteral("File is protected!\nSure to overwrite it?"), MsgButtons::OkCancel,
           MsgAnswer::Ok);
    form().Save1Click();
    EXPECT_EQ(ReadFile(path), QByteArray("with save"));
    EXPECT_TRUE(IsReadOnly(path));
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::WriteGroup), QFileDevice::ReadGroup);

    edit().SetText(QStringLiteral("with save as"));
    ExpectSaveDialog(path, 1);
    Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    Expect(MsgKind::Confirmation, QStringLiteral("File is protected!\nSure to overwrite it?"), MsgButtons::OkCancel,
           MsgAnswer::Ok);
    form().SaveAs1Click();
    EXPECT_EQ(ReadFile(path), QByteArray("with save as"));
    EXPECT_TRUE(IsReadOnly(path));

    edit().SetText(QStringLiteral("refused"));
    edit().SetModified(true);
    Expect(MsgKind::Confirmation, QStringLiteral("File is protected!\nSure to overwrite it?"), MsgButtons::OkCancel,
           MsgAnswer::Cancel);
    form().Save1Click();
    EXPECT_EQ(ReadFile(path), QByteArray("with save as"));
    EXPECT_TRUE(edit().Modified());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(SaveTest, FullDiskKeepsOldFileAndModifiedFlag)
{
    FullDisk disk;
    disk.Put(QStringLiteral("small.txt"), "old");
    const QString path = disk.Path(QStringLiteral("small.txt"));
    form().OpenNamed(path);
    edit().SetText(QStringLiteral("new"));
    edit().SetModified(true);
    disk.Fill();
    Expect(MsgKind::Error, QStringLiteral("File could not be saved.\n%1: %2").arg(path, disk.Reason()), MsgButtons::Ok,
           MsgAnswer::Ok);
    form().Save1Click();
    EXPECT_EQ(ReadFile(path), QByteArray("old"));
    EXPECT_TRUE(edit().Modified());
    EXPECT_FALSE(form().Session().State().SaveDone);
    // Nothing was saved, so leaving still asks.
    fake.prompts.ExpectSaveChanges(MsgAnswer::Cancel);
    EXPECT_FALSE(form().close());
}

TEST_F(SaveTest, SaveRecordsItsLineAndWritesMarkers)
{
    const QString path = WriteFile(QStringLiteral("m.txt"), "a\r\nb\r\n");
    WriteFile(QStringLiteral("m.txt.lm"), "2, b\r\n");
    form().OpenNamed(path);
    QFile::remove(path + QStringLiteral(".lm"));
    form().Macro().IsRecording = true;
    edit().SetModified(true);
    form().Save1Click();
    EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("SaveFile")});
    form().Macro().IsRecording = false;
    EXPECT_EQ(ReadFile(path + QStringLiteral(".lm")), QByteArray("2, b\r\n"));

    // With "Save Line Markers" off the side file is left alone.
    QFile::remove(path + QStringLiteral(".lm"));
    form().SaveLineMarkers1Click();
    ASSERT_FALSE(Item(QStringLiteral("SaveLineMarkers1"))->isChecked());
    edit().SetModified(true);
    form().Save1Click();
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".lm")));
}

TEST_F(SaveTest, SaveAndQuitNamesTheFileFromTheFirstLine)
{
    const QString desktop = form().Startup().DesktopDir;
    edit().SetText(QStringLiteral("  My letter: 12/3\r\nDear all"));
    form().SaveQuit1Click();
    const QString expected = desktop + QStringLiteral("My letter 123.txt");
    EXPECT_EQ(ReadFile(expected), QByteArray("  My letter: 12/3\nDear all")) << "a new document's LF";
    EXPECT_FALSE(form().isVisible()) << "quit after the save";
    QFile::remove(expected);
}

TEST_F(SaveTest, SaveAndQuitCancelledAtOverwriteDoesNotQuit)
{
    const QString target = form().Startup().DesktopDir + QStringLiteral("Existing.txt");
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    edit().SetText(QStringLiteral("Existing"));
    Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel,
           MsgAnswer::Cancel);
    form().SaveQuit1Click();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(ReadFile(target), QByteArray("keep"));

    // The document is still unnamed: Save asks for a name instead of
    // overwriting the kept file, and Delete does not offer to delete it.
    EXPECT_TRUE(form().Session().State().CurrentFile.isEmpty());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Mirel-Edit 1.5.4"));
    fake.prompts.ExpectSaveDialog([](FileDialogState&) { return false; });
    form().Save1Click();
    fake.prompts.ExpectSaveChanges(MsgAnswer::Cancel);
    form().Delete1Click();
    EXPECT_EQ(ReadFile(target), QByteArray("keep"));
    QFile::remove(target);
}

TEST_F(SaveTest, FailedSaveAsKeepsTheOldName)
{
    const QString first = WriteFile(QStringLiteral("first.txt"), "first");
    form().OpenNamed(first);
    edit().SetText(QStringLiteral("changed"));
    edit().SetModified(true);
    // A folder in the way makes the write fail.
    const QString blocked = TempPath(QStringLiteral("blocked.txt"));
    QDir().mkpath(blocked);
    fake.prompts.ExpectSaveDialog([&](FileDialogState& s) {
        s.fileName = blocked;
        return true;
    });
    Expect(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel, MsgAnswer::Ok);
    Expect(MsgKind::Error, QStringLiteral("File could not be saved.\n%1: Not a regular file").arg(blocked),
           MsgButtons::Ok, MsgAnswer::Ok);
    form().SaveAs1Click();
    EXPECT_EQ(form().Session().State().CurrentFile, first);
    EXPECT_EQ(form().windowTitle(), first);
    EXPECT_TRUE(edit().Modified());
}

TEST(SaveQuitName, RulesForTheName)
{
    const QDateTime now(QDate(2026, 3, 5), QTime(14, 7));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString desk = QStringLiteral("/home/u/Desktop/");
    EXPECT_EQ(SaveQuitTarget(QStringLiteral("\t My letter: 12/3 \t"), true, now, english, desk, "/cwd"),
              QStringLiteral("/home/u/Desktop/My letter 123.txt"));
    EXPECT_EQ(SaveQuitTarget(QStringLiteral("a<b>c|d?e*f\"g\\h"), false, now, english, desk, "/cwd"),
              QStringLiteral("/home/u/Desktop/abcdefgh.rtf"));
    // Time and date, with the extension once.
    EXPECT_EQ(SaveQuitTarget(QString(), true, now, english, desk, "/cwd"),
              QStringLiteral("/home/u/Desktop/2-07 pm - 5. March 2026.txt"));
    EXPECT_EQ(SaveQuitTarget(QStringLiteral(" ?:* "), true, now, english, desk, "/cwd"),
              QStringLiteral("/home/u/Desktop/2-07 pm - 5. March 2026.txt"));
    EXPECT_EQ(SaveQuitTarget(QStringLiteral("index.html"), true, now, english, desk, "/cwd"),
              QStringLiteral("/cwd/index.html"));
    EXPECT_EQ(SaveQuitTarget(QStringLiteral("Tools.MACRO"), true, now, english, desk, "/cwd"),
              QStringLiteral("/cwd/Tools.MACRO"));
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(SaveQuitTarget(QString(), true, QDateTime(QDate(2026, 12, 7), QTime(9, 5)), german, desk, "/c"),
              QStringLiteral("/home/u/Desktop/9-05 am - 7. Dezember 2026.txt"));
}
