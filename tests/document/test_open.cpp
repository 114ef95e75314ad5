// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"
#include "markers/MegaCheckListBox.h"
#include "platform/AppError.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QToolBar>

#include <sys/stat.h>

namespace {

class OpenTest : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }

    // Answers the open dialog with a name and a filter index.
    void ExpectDialog(const QString& name, int filterIndex = 7)
    {
        fake.prompts.ExpectOpenDialog([name, filterIndex](FileDialogState& s) {
            s.fileName = name;
            s.filterIndex = filterIndex;
            return true;
        });
    }
    void ExpectNotFound()
    {
        fake.prompts.ExpectMessage(MsgKind::Error, QStringLiteral("File not found!"), MsgButtons::Ok, MsgAnswer::Ok);
    }
};

}   // namespace

TEST_F(OpenTest, TypedNameGetsTheExtensionOfItsFilter)
{
    const QString notes = WriteFile(QStringLiteral("notes.txt"), "my notes");
    const QString typed = TempPath(QStringLiteral("notes"));
    for (int index : {4, 7}) {
        ExpectDialog(typed, index);
        ExpectNotFound();
        form().Open1Click();
        EXPECT_TRUE(form().Session().State().CurrentFile.isEmpty()) << "filter " << index;
        EXPECT_EQ(form().windowTitle(), QStringLiteral("Mirel-Edit 1.5.4"));
    }
    ExpectDialog(typed, 1);
    form().Open1Click();
    EXPECT_EQ(form().Session().State().CurrentFile, notes);
    EXPECT_EQ(form().windowTitle(), notes);
    EXPECT_EQ(edit().Text(), QStringLiteral("my notes"));
    EXPECT_FALSE(edit().Modified());
    EXPECT_EQ(form().Session().State().LastOpenDir, dir.path());
}

TEST_F(OpenTest, RtfInAnyCaseOpensRichAndHtmlPlain)
{
    for (const char* name : {"a.rtf", "B.RTF", "c.Rtf"}) {
        const QString path = WriteFile(QString::fromLatin1(name), "{\\rtf1\\ansi Hello\\par}");
        form().OpenNamed(path);
        EXPECT_FALSE(edit().IsPlainText()) << name;
        EXPECT_FALSE(form().Session().State().IsPlainDocument);
        EXPECT_TRUE(form().Ui().ToolBar1->isVisible());
        EXPECT_TRUE(edit().Text().startsWith(QStringLiteral("Hello"))) << name;
    }
    const QString page = WriteFile(QStringLiteral("page.html"), "<p>hi</p>");
    form().OpenNamed(page);
    EXPECT_TRUE(edit().IsPlainText());
    EXPECT_FALSE(form().Ui().ToolBar1->isVisible());
    EXPECT_TRUE(Item(QStringLiteral("PlainText"))->isChecked());
}

TEST_F(OpenTest, FixedFontForSourceCodeOnly)
{
    form().OpenNamed(WriteFile(QStringLiteral("unit.pas"), "begin end."));
    EXPECT_EQ(edit().ControlFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(edit().ControlFont().pointSize(), 10);
    form().OpenNamed(WriteFile(QStringLiteral("run.cmd"), "echo"));
    EXPECT_EQ(edit().ControlFont().family(), form().Startup().UserFont.font.family());

    form().SetChecked(Command::FixedFont, false);
    form().OpenNamed(TempPath(QStringLiteral("unit.pas")));
    EXPECT_EQ(edit().ControlFont().family(), form().Startup().UserFont.font.family());
}

TEST_F(OpenTest, AttributeLettersShowAndStay)
{
    const QString hidden = WriteFile(QStringLiteral(".profile"), "x");
    QFile::setPermissions(hidden, QFileDevice::ReadOwner);
    form().OpenNamed(hidden);
    EXPECT_EQ(form().Ui().StatusBar->Panel(5).text, QStringLiteral("Attr.: RH "));
    form().OpenNamed(WriteFile(QStringLiteral("plain.txt"), "y"));
    EXPECT_EQ(form().Session().State().AttrLetters, QStringLiteral("   "));
    EXPECT_EQ(form().Ui().StatusBar->Panel(5).text, QStringLiteral("Attr.: RH ")) << "kept when no attribute is set";
    QFile::setPermissions(hidden, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(OpenTest, FileSizeIsTheFilesBytes)
{
    form().OpenNamed(WriteFile(QStringLiteral("empty.txt"), ""));
    EXPECT_EQ(form().Ui().StatusBar->Panel(0).text, QStringLiteral("Filesize: 0 bytes"));
    form().OpenNamed(WriteFile(QStringLiteral("two.txt"), "ab\r\ncd\r\n"));
    EXPECT_EQ(form().Ui().StatusBar->Panel(0).text, QStringLiteral("Filesize: 8 bytes"));
    EXPECT_EQ(form().Ui().StatusBar->Panel(0).width,
              int(form().Ui().StatusBar->TextWidth(QStringLiteral("Filesize: 8 bytes")) * 1.3));
}

TEST_F(OpenTest, MarkerFileShowsTheSidebarAndNoneEmptiesIt)
{
    const QString x = WriteFile(QStringLiteral("x.txt"), "one\r\ntwo\r\nthree\r\n");
    WriteFile(QStringLiteral("x.txt.lm"), "2, two\r\n");
    form().OpenNamed(x);
    auto* list = form().Ui().CheckList;
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(form().Ui().Splitter1->isVisible());
    EXPECT_TRUE(Item(QStringLiteral("MarkLine1"))->isEnabled());
    EXPECT_TRUE(Item(QStringLiteral("MarkLine2"))->isEnabled());
    ASSERT_EQ(list->MarkerLabels.size(), 1);

    const QString y = WriteFile(QStringLiteral("y.txt"), "other\r\n");
    form().OpenNamed(y);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(list->MarkerLabels.isEmpty());
    EXPECT_FALSE(Item(QStringLiteral("MarkLine1"))->isEnabled());
    form().Save1Click();
    EXPECT_FALSE(QFile::exists(y + QStringLiteral(".lm")));
}

TEST_F(OpenTest, UnreadableFileChangesNothing)
{
    const QString first = WriteFile(QStringLiteral("first.txt"), "first");
    form().OpenNamed(first);
    const QString folder = TempPath(QStringLiteral("folder.txt"));
    QDir().mkpath(folder);
    fake.prompts.ExpectMessage(MsgKind::Error, QStringLiteral("File could not be opened:\n") + folder, MsgButtons::Ok,
                               MsgAnswer::Ok);
    form().OpenNamed(folder);
    EXPECT_EQ(form().Session().State().CurrentFile, first);
    EXPECT_EQ(form().windowTitle(), first);
    EXPECT_EQ(edit().Text(), QStringLiteral("first"));
}

TEST_F(OpenTest, PipesAndHugeFilesAreRefusedWithoutWaiting)
{
    const QString first = WriteFile(QStringLiteral("first.txt"), "first");
    form().OpenNamed(first);

    // Reading a pipe would wait for a writer that never comes.
    const QString pipe = TempPath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    fake.prompts.ExpectMessage(MsgKind::Error, QStringLiteral("File could not be opened:\n") + pipe, MsgButtons::Ok,
                               MsgAnswer::Ok);
    form().OpenNamed(pipe);

    // Beyond what the editor's positions can count: refused before reading
    // (a sparse file, no disk space used).
    const QString huge = TempPath(QStringLiteral("huge.txt"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(TRichEdit::kMaxFileBytes + 1));
    }
    fake.prompts.ExpectMessage(MsgKind::Error,
                               QStringLiteral("File is too large to open (more than 1024 MB):\n") + huge,
                               MsgButtons::Ok, MsgAnswer::Ok);
    form().OpenNamed(huge);
    EXPECT_EQ(form().Session().State().CurrentFile, first);
    EXPECT_EQ(edit().Text(), QStringLiteral("first"));
    EXPECT_THROW(edit().LoadFromFile(huge), AppError);
    EXPECT_THROW(edit().LoadFromFile(pipe), AppError);
    EXPECT_EQ(edit().Text(), QStringLiteral("first"));
}

TEST_F(OpenTest, ModifiedDocumentAsksFirst)
{
    edit().ReplaceSelection(QStringLiteral("draft"));
    fake.prompts.ExpectSaveChanges(MsgAnswer::Cancel);
    form().Open1Click();   // no dialog follows a Cancel
    EXPECT_EQ(edit().Text(), QStringLiteral("draft"));

    const QString other = WriteFile(QStringLiteral("other.txt"), "other");
    fake.prompts.ExpectSaveChanges(MsgAnswer::No);
    ExpectDialog(other);
    form().Open1Click();
    EXPECT_EQ(edit().Text(), QStringLiteral("other"));
}

TEST_F(OpenTest, RecordsTheOpenedFile)
{
    const QString path = WriteFile(QStringLiteral("rec.txt"), "r");
    form().Macro().IsRecording = true;
    form().OpenNamed(path);
    EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("OpenFile ") + path});
    form().Macro().IsRecording = false;
}

TEST_F(OpenTest, OpenAndSaveGiveBackTheSameBytes)
{
    const QList<QByteArray> samples = {QByteArray("utf-8 \xC3\xA4\r\nno final break"),
                                       QByteArray("\xEF\xBB\xBF"
                                                  "bom\n"),
                                       QByteArray("cp1252 \xE9\xE8\r\n"), QByteArray("lf\nonly\n"),
                                       QByteArray("cr\rbreaks\r")};
    int n = 0;
    for (const QByteArray& bytes : samples) {
        const QString path = WriteFile(QStringLiteral("same%1.txt").arg(n++), bytes);
        form().OpenNamed(path);
        edit().SetModified(true);
        form().Save1Click();
        EXPECT_FALSE(edit().Modified());
        EXPECT_EQ(ReadFile(path).toHex().toStdString(), bytes.toHex().toStdString());
    }
}

TEST_F(OpenTest, RejectedOpenLeavesTheOpenDocumentToTheWatcher)
{
    // While the error box is up the program may become active again; the
    // watcher must still look at the open document, not the refused one.
    const QString first = WriteFile(QStringLiteral("first.txt"), "first");
    form().OpenNamed(first);
    const QString folder = TempPath(QStringLiteral("folder.txt"));
    QDir().mkpath(folder);
    const QString pipe = TempPath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString huge = TempPath(QStringLiteral("huge.txt"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(TRichEdit::kMaxFileBytes + 1));
    }
    const struct {
        QString name;
        QString message;
    } refused[] = {
        {TempPath(QStringLiteral("missing.txt")), QStringLiteral("File not found!")},
        {folder, QStringLiteral("File could not be opened:\n") + folder},
        {pipe, QStringLiteral("File could not be opened:\n") + pipe},
        {huge, QStringLiteral("File is too large to open (more than 1024 MB):\n") + huge},
    };
    for (const auto& r : refused) {
        fake.prompts.ExpectMessage(MsgKind::Error, r.message, MsgButtons::Ok, MsgAnswer::Ok).WhileShown([&] {
            EXPECT_EQ(form().Session().State().CurrentFile, first) << r.name.toStdString();
            emit qApp->applicationStateChanged(Qt::ApplicationActive);
        });
        form().OpenNamed(r.name);
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(form().Session().State().CurrentFile, first) << r.name.toStdString();
        EXPECT_EQ(form().windowTitle(), first);
    }
    EXPECT_EQ(edit().Text(), QStringLiteral("first"));
}
