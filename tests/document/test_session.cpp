// SPDX-License-Identifier: GPL-3.0-or-later
// The document session on its own, without a main window: a host that only
// notes what it is told, the fake prompts, and an editor.
#include "document/DocumentSession.h"
#include "editor/RichEdit.h"
#include "tests/support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class NotingHost : public DocumentSessionHost {
public:
    TRichEdit edit;
    DocumentSession* session = nullptr;
    QStringList captions;
    QStringList recent;
    QStringList recorded;
    QString shownMarkers = QStringLiteral("(never asked)");

    TRichEdit& Editor() override { return edit; }
    bool OptionOn(DocumentOption option) const override { return option == DocumentOption::PlainText; }
    void ShowDocumentName(const QString& file) override { captions.append(file); }
    bool CaptionNamesFile() const override { return !captions.isEmpty() && !captions.last().isEmpty(); }
    void ApplyDocumentKind() override { edit.SetPlainTextMode(session->State().IsPlainDocument); }
    bool FormatBarShown() const override { return false; }
    void ShowFormatBar(bool) override {}
    FontChoice UserFont() const override { return {}; }
    QString DesktopDir() const override { return QDir::tempPath() + QLatin1Char('/'); }
    void ShowOpenedStatus(const QString&) override {}
    void ShowClosedStatus(std::optional<int>) override {}
    void SelectionChanged() override {}
    void NoteRecentFile(const QString& path) override { recent.append(path); }
    bool RecordFileCommand(const QString& line) override
    {
        recorded.append(line);
        return true;
    }
    void TakeBackCommand() override { recorded.removeLast(); }
    void AddSavedMacro(const QString&) override {}
    void ShowMarkers(const QString& markerFile) override { shownMarkers = markerFile; }
    void ClearMarkers() override {}
    void SaveMarkers(const QString&) override {}
    void MarkerFileRemoved() override {}
    bool RecycleFile(const QString&) override { return false; }
    ProgressView* Progress() override { return nullptr; }
    void BringToFront() override {}
    void Quit() override {}
};

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

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
    Write(path, "first line\n");
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
        Write(path, "original\n");
        host.captions.clear();
        session.Open(path);
        host.edit.SetText(QStringLiteral("ours\n"));
        host.edit.SetModified(true);
        Write(path, "theirs, longer\n");
        fake.prompts.ExpectMessage(MsgKind::Confirmation, ChangedOnDiskQuestion(path), MsgButtons::YesNo, c.answer);
        session.Save();
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(Read(path), c.onDisk);
        EXPECT_EQ(host.edit.Modified(), c.modifiedAfter);
        EXPECT_EQ(session.State().SaveDone, !c.modifiedAfter);
        EXPECT_EQ(host.captions.size(), c.captionsAfter) << "a written file is named again";
    }
}

} // namespace
