// SPDX-License-Identifier: GPL-3.0-or-later
// The document session on its own, without a main window: a host that only
// notes what it is told, the fake prompts, and an editor.
#include "document/DocumentSession.h"
#include "editor/RichEdit.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/QuietDocumentHost.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Notes the captions, recent files, recorded commands and marker files.
class NotingHost : public QuietDocumentHost {
public:
    NotingHost() : QuietDocumentHost(edit) {}
    TRichEdit edit;
    DocumentSession* session = nullptr;
    QStringList captions;
    QStringList recent;
    QStringList recorded;
    QString shownMarkers = QStringLiteral("(never asked)");

    bool OptionOn(DocumentOption option) const override { return option == DocumentOption::PlainText; }
    void ShowDocumentName(const QString& file) override { captions.append(file); }
    bool CaptionNamesFile() const override { return !captions.isEmpty() && !captions.last().isEmpty(); }
    void ApplyDocumentKind() override { edit.SetPlainTextMode(session->State().IsPlainDocument); }
    QString DesktopDir() const override { return QDir::tempPath() + QLatin1Char('/'); }
    void NoteRecentFile(const QString& path) override { recent.append(path); }
    bool RecordFileCommand(const QString& line) override
    {
        recorded.append(line);
        return true;
    }
    void TakeBackCommand() override { recorded.removeLast(); }
    void ShowMarkers(const QString& markerFile) override { shownMarkers = markerFile; }
};

class SessionTest : public ::testing::Test {
protected:
    SessionTest() { host.session = &session; }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
    NotingHost host;
    DocumentSession session{host, platform};
};

TEST_F(SessionTest, OpenByNameTellsTheHostWhatItShows)
{
    const QString path = Path("note.txt");
    WriteAll(path, "first line\n");
    session.Open(path);
    EXPECT_EQ(session.State().CurrentFile, path);
    EXPECT_EQ(host.edit.Text(), QStringLiteral("first line\r\n"));
    EXPECT_FALSE(host.edit.Modified());
    EXPECT_EQ(host.captions, QStringList{path});
    EXPECT_EQ(host.recent, QStringList{path});
    EXPECT_EQ(host.recorded, QStringList{QStringLiteral("OpenFile ") + path});
    EXPECT_EQ(host.shownMarkers, QString()) << "no side file: markers cleared";
    fake.prompts.VerifyAllShown();
}

// A file changed by another program since it was opened: the save asks,
// and only a yes overwrites it.
TEST_F(SessionTest, SaveAfterAChangeOnDiskWritesOnlyWithTheUsersYes)
{
    struct Case {
        MsgAnswer answer;
        QByteArray onDisk;
        bool modifiedAfter;
        int captionsAfter;
    };
    const Case cases[] = {
        {MsgAnswer::Yes, "ours\n", false, 2},
        {MsgAnswer::No, "theirs, longer\n", true, 1},
    };
    for (const Case& c : cases) {
        const QString path = Path(c.answer == MsgAnswer::Yes ? "yes.txt" : "no.txt");
        WriteAll(path, "original\n");
        host.captions.clear();
        session.Open(path);
        host.edit.SetText(QStringLiteral("ours\n"));
        host.edit.SetModified(true);
        WriteAll(path, "theirs, longer\n");
        fake.prompts.ExpectMessage(MsgKind::Confirmation, ChangedOnDiskQuestion(path), MsgButtons::YesNo, c.answer);
        session.Save();
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(ReadAll(path), c.onDisk);
        EXPECT_EQ(host.edit.Modified(), c.modifiedAfter);
        EXPECT_EQ(session.State().SaveDone, !c.modifiedAfter);
        EXPECT_EQ(host.captions.size(), c.captionsAfter) << "a written file is named again";
    }
}

}   // namespace
