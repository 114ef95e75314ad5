// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/TidyErrors.h"
#include "html/TidyRules.h"
#include "html/TidyRun.h"
#include "markers/Markers.h"
#include "markers/MegaCheckListBox.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class TidyCheckTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().Startup().TidyLocation = QStringLiteral("/usr/bin/");
    }
    void TearDown() override
    {
        SetTidyTimeLimitMs(60 * 1000);
        MainFormTest::TearDown();
    }
    // Starts a check and leaves Tidy running.
    void Start()
    {
        Item(QStringLiteral("SyntaxCheck1"))->trigger();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    void WaitForEnd()
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !windows.tidyErrors->IsRunning(); }, 30000));
    }
    void Check()
    {
        Start();
        WaitForEnd();
    }
    QListWidget& list() { return *windows.tidyErrors->ErrorList; }
    QStringList Entries()
    {
        QStringList entries;
        for (int i = 0; i < list().count(); ++i)
            entries.append(list().item(i)->text());
        return entries;
    }
    QPoint At(int row) { return list().visualItemRect(list().item(row)).center(); }
    void Click(int row) { QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, At(row)); }
    // A folder whose "tidy" is this shell script.
    QString FakeTidy(const QByteArray& body, bool executable = true, const QString& folder = QStringLiteral("fake"))
    {
        QDir(dir.path()).mkpath(folder);
        const QString path = WriteFile(folder + QStringLiteral("/tidy"), "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        (executable ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
        return TempPath(folder + QLatin1Char('/'));
    }
    // A Tidy that starts a child that adds a line to "grow" every 20 ms,
    // shrugging off SIGTERM when `stubborn`, and then never ends, or ends
    // once the child has written. Both write their pids to "leader.pid"
    // and "child.pid".
    QString HangingTidy(bool stubborn, bool ends = false)
    {
        const QByteArray folder = dir.path().toUtf8();
        return FakeTidy("echo started >&2\necho $$ > '" + folder + "/leader.pid'\n( " +
                        (stubborn ? "trap '' TERM; " : "") + "while :; do echo x >> '" + folder +
                        "/grow'; sleep 0.02; done ) &\necho $! > '" + folder + "/child.pid'\n" +
                        (ends ? "until [ -s '" + folder + "/grow' ]; do sleep 0.01; done\n" : "sleep 1000\n"));
    }
    pid_t PidIn(const QString& name) { return pid_t(ReadFile(TempPath(name)).trimmed().toInt()); }
};

// Running, and not a zombie left for a parent that does not collect it.
bool Alive(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 1 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype name = text.lastIndexOf(')');
    return name >= 0 && name + 2 < text.size() && text[name + 2] != 'Z' && text[name + 2] != 'X';
}

}   // namespace

TEST_F(TidyCheckTest, SavedDocumentIsCheckedAndALineMessageTakesTheCaretThere)
{
    // Line 12 holds an element Tidy warns about.
    const QByteArray page = "<!DOCTYPE html>\n<html>\n<head>\n<title>t</title>\n</head>\n<body>\n"
                            "<p>1</p>\n<p>2</p>\n<p>3</p>\n<p>4</p>\n<p>5</p>\n<blink>x</blink>\n</body>\n</html>\n";
    const QString folder = TempPath(QStringLiteral("my 'docs' \"x\""));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/index.html");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(page) == page.size());
    f.close();
    form().OpenNamed(path);
    form().move(100, 400);
    Check();

    EXPECT_TRUE(ReadFile(folder + QStringLiteral("/index - tidy.html")).contains("<title>t</title>"));
    EXPECT_EQ(ReadFile(path), page);
    ASSERT_GE(list().count(), 2);
    EXPECT_EQ(Entries()[0], QStringLiteral("line 12 column 1 - Warning: <blink> is not approved by W3C"));
    EXPECT_EQ(Entries(), TidyMessageLines(ReadFile(form().Startup().TempDir + QStringLiteral("Errors.txt"))));
    const TTidyErrors& window = *windows.tidyErrors;
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.frameGeometry().bottom() + 1, form().frameGeometry().top());
    EXPECT_EQ(window.x(), form().x());

    // Only the entry that names a line shows the hand and reacts.
    edit().SetSelStart(0);
    form().Ui().MakroFeld->setFocus();
    QTest::mouseMove(list().viewport(), At(1));
    EXPECT_EQ(list().viewport()->cursor().shape(), Qt::ArrowCursor);
    Click(1);
    EXPECT_EQ(edit().SelStart(), 0);
    QTest::mouseMove(list().viewport(), At(0));
    EXPECT_EQ(list().viewport()->cursor().shape(), Qt::PointingHandCursor);
    Click(0);
    QApplication::processEvents();
    EXPECT_EQ(edit().SelStart(), edit().LineIndex(11));
    EXPECT_TRUE(edit().isAncestorOf(form().focusWidget()));
}

TEST_F(TidyCheckTest, UnnamedDocumentWithTheUsersOptionsOnceTidyIsFound)
{
    Expect(MsgKind::Information, QStringLiteral("Nothing to tidy."), MsgButtons::Ok, MsgAnswer::Ok);
    Check();
    const QString options = QStringLiteral("-ascii -indent --indent-spaces '3'");
    const QString prompt = QStringLiteral("Please enter your preferred options (e.g. -ascii -asxml)");
    fake.prompts.ExpectInput(QStringLiteral("Tidy Options"), prompt, options);
    fake.prompts.ExpectInput(QStringLiteral("Tidy Options"), prompt, std::nullopt);
    Item(QStringLiteral("TidyOptions1"))->trigger();
    Item(QStringLiteral("TidyOptions2"))->trigger();
    EXPECT_EQ(fake.prompts.lastInputPreset, options);

    const QString text = QStringLiteral("<p>caf\u00e9</p>");
    edit().SetText(text);
    const QString unknown = QStringLiteral("Location of TIDY.EXE is unknown.\nSelect directory?");
    const QString notFound = QStringLiteral("TIDY.EXE not found.\nSearch again?");
    form().Startup().TidyLocation.clear();
    Expect(MsgKind::Confirmation, unknown, MsgButtons::YesNo, MsgAnswer::Yes);
    fake.prompts.ExpectFolder(QString());
    Expect(MsgKind::Confirmation, notFound, MsgButtons::YesNo, MsgAnswer::No);
    Check();
    EXPECT_EQ(form().Startup().TidyLocation, QString());
    EXPECT_FALSE(windows.tidyErrors->isVisible());

    // A folder without the program, then the right one.
    Expect(MsgKind::Confirmation, unknown, MsgButtons::YesNo, MsgAnswer::Yes);
    fake.prompts.ExpectFolder(dir.path());
    Expect(MsgKind::Confirmation, notFound, MsgButtons::YesNo, MsgAnswer::Yes);
    fake.prompts.ExpectFolder(QStringLiteral("/usr/bin"));
    Check();
    EXPECT_EQ(form().Startup().TidyLocation, QStringLiteral("/usr/bin/"));
    const QString temp = form().Startup().TempDir;
    EXPECT_EQ(ReadFile(temp + QStringLiteral("Test.html")), text.toUtf8());
    const QByteArray output = ReadFile(temp + QStringLiteral("Test - tidy.html"));
    EXPECT_TRUE(output.contains("caf&") && output.contains("\n   <meta")) << output.constData();
    EXPECT_EQ(edit().Text(), text);
    EXPECT_NE(list().count(), 0);

    // In rich mode Tidy still gets the typed HTML, not RTF.
    edit().SetPlainTextMode(false);
    Check();
    EXPECT_EQ(ReadFile(temp + QStringLiteral("Test.html")), text.toUtf8());
}

TEST_F(TidyCheckTest, FakeTidyGetsArgumentsAndInputAndIsStoppedWhenItHangs)
{
    form().Startup().TidyLocation = FakeTidy("echo 'Line 2 column 1 - capital' >&2\n"
                                             "echo 'line 2 column 1 - " +
                                             QByteArray(60, 'w') +
                                             "' >&2\n"
                                             "for a in \"$@\"; do echo \"arg:$a\" >&2; done\ncat\n");
    form().Startup().TidyOptions = QStringLiteral("-x \"two words\"");
    const QString page = WriteFile(QStringLiteral("x - tidy.html"), "<p>a\n<p>b\n");
    form().OpenNamed(page);
    Check();
    EXPECT_EQ(Entries().mid(2), (QStringList{"arg:-x", "arg:two words", "arg:" + page}));
    EXPECT_EQ(ReadFile(TempPath(QStringLiteral("x - tidy - tidy.html"))), QByteArray("<p>a\n<p>b\n"));
    EXPECT_GT(windows.tidyErrors->width(), 426);
    EXPECT_GE(list().viewport()->width(), list().fontMetrics().horizontalAdvance(Entries()[1]));

    edit().SetSelStart(2);
    Click(0);
    EXPECT_EQ(edit().SelStart(), 2);

    // Stopped after the limit, or not startable: the last output stays.
    const QString output = WriteFile(QStringLiteral("page - tidy.html"), "kept");
    form().OpenNamed(WriteFile(QStringLiteral("page.html"), "<p>x"));
    form().Startup().TidyLocation = FakeTidy("echo started >&2\nexec sleep 30\n");
    SetTidyTimeLimitMs(300);
    Check();
    EXPECT_EQ(Entries(), (QStringList{"started", "Tidy did not end within 0.3 seconds and was stopped."}));
    EXPECT_EQ(ReadFile(output), QByteArray("kept"));

    FakeTidy("echo never\n", false);
    Expect(MsgKind::Error, QStringLiteral("Unknown error occured trying to execute TIDY.EXE."), MsgButtons::Ok,
           MsgAnswer::Ok);
    Check();
    EXPECT_TRUE(windows.tidyErrors->isVisible());
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(ReadFile(output), QByteArray("kept"));
}

// In a folder others may write, someone puts a link to the user's private
// file, or a file of their own, under the name of a side file: neither the
// marker file nor Tidy's output is written there.
TEST_F(TidyCheckTest, SideFilesAreNeverWrittenThroughALinkNorOverAnotherUsersFile)
{
    form().Startup().TidyLocation = FakeTidy("cat\n");
    const QString shared = TempPath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ::chmod(QFile::encodeName(shared).constData(), 01777);
    const QString secret = TempPath(QStringLiteral("secret"));

    enum class Planted { LinkToPrivateFile, OtherUsersFile, DanglingLink, HardLinkToPrivateFile, OwnFile };
    struct Case {
        const char* what;
        Planted planted;
        QString reason;   // empty: written
    };
    const Case cases[] = {
        {"link to a private file", Planted::LinkToPrivateFile, QStringLiteral("is a symbolic link")},
        {"another user's file", Planted::OtherUsersFile, QStringLiteral("belongs to another user")},
        {"dangling link", Planted::DanglingLink, QStringLiteral("is a symbolic link")},
        // Replaced, not written into: the private file keeps its text.
        {"hard link to a private file", Planted::HardLinkToPrivateFile, QString()},
        {"own file", Planted::OwnFile, QString()},
    };
    enum class Side { Markers, TidyOutput };
    for (const Side side : {Side::Markers, Side::TidyOutput}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << (side == Side::Markers ? "markers, " : "tidy output, ") << c.what);
            if (c.planted == Planted::OtherUsersFile && ::geteuid() != 0)
                continue;   // only root can give a file away
            WriteFile(QStringLiteral("secret"), "private");
            ::chmod(QFile::encodeName(secret).constData(), 0600);
            const QString document = WriteFile(QStringLiteral("shared/page.html"), "<p>new</p>\n");
            const QString sideFile =
                side == Side::Markers ? MarkerFileName(document) : shared + QStringLiteral("/page") + kTidyOutputSuffix;
            const QString nowhere = shared + QStringLiteral("/nowhere");
            QFile::remove(sideFile);
            QFile::remove(nowhere);
            form().OpenNamed(document);
            if (c.planted == Planted::LinkToPrivateFile)
                ASSERT_TRUE(QFile::link(secret, sideFile));
            else if (c.planted == Planted::DanglingLink)
                ASSERT_TRUE(QFile::link(nowhere, sideFile));
            else if (c.planted == Planted::HardLinkToPrivateFile)
                ASSERT_EQ(::link(QFile::encodeName(secret).constData(), QFile::encodeName(sideFile).constData()), 0);
            else
                WriteFile(QStringLiteral("shared/") + QFileInfo(sideFile).fileName(), "theirs");
            if (c.planted == Planted::OtherUsersFile)
                ASSERT_EQ(::lchown(QFile::encodeName(sideFile).constData(), 61001, 61001), 0);
            if (!c.reason.isEmpty()) {
                const QString message =
                    side == Side::Markers
                        ? QStringLiteral("Line Markers could not be saved.")
                        : QStringLiteral("Output file \"%1\" cannot be created/accessed.").arg(sideFile);
                Expect(MsgKind::Error, message + QStringLiteral("\n%1: %2").arg(sideFile, c.reason), MsgButtons::Ok,
                       MsgAnswer::Ok);
            }

            if (side == Side::Markers) {
                form().Ui().CheckList->AddMarker(0);
                EXPECT_EQ(form().Ui().CheckList->SaveMarkers(sideFile), c.reason.isEmpty());
            } else {
                Check();
            }
            fake.prompts.VerifyAllShown();

            EXPECT_EQ(ReadFile(secret), QByteArray("private"));
            struct stat st {};
            ASSERT_EQ(::stat(QFile::encodeName(secret).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0600u);
            EXPECT_FALSE(QFileInfo::exists(nowhere));
            if (c.planted == Planted::OtherUsersFile) {
                EXPECT_EQ(ReadFile(sideFile), QByteArray("theirs"));
                EXPECT_EQ(QFileInfo(sideFile).ownerId(), 61001u);
            }
            if (c.reason.isEmpty())
                EXPECT_EQ(ReadFile(sideFile),
                          side == Side::Markers ? QByteArray("1, <p>new</p>\r\n") : QByteArray("<p>new</p>\n"));
            else
                EXPECT_EQ(QFileInfo(sideFile).isSymLink(), c.planted != Planted::OtherUsersFile);
            QStringList left = QDir(shared).entryList(QDir::Files | QDir::Hidden | QDir::System);
            left.removeAll(QStringLiteral("page.html"));
            left.removeAll(QFileInfo(MarkerFileName(document)).fileName());
            left.removeAll(QStringLiteral("page") + kTidyOutputSuffix);
            EXPECT_EQ(left, QStringList()) << "nothing else left in the shared folder";
        }
    }
}

TEST_F(TidyCheckTest, EveryWayOfEndingTidyEndsItsWholeGroup)
{
    enum class Way { StopButton, TimeLimit, ListClosed, NewCheck, MainWindowClosed, TidyEnds };
    struct Case {
        const char* what;
        Way way;
        bool stubborn;
        QStringList entries;   // the list afterwards
        QByteArray output;   // Tidy's output file afterwards
    };
    const Case cases[] = {
        {"Stop button", Way::StopButton, false, {"started", kTidyStoppedByUser}, "kept"},
        {"Stop button, child ignores SIGTERM", Way::StopButton, true, {"started", kTidyStoppedByUser}, "kept"},
        {"time limit, child ignores SIGTERM",
         Way::TimeLimit,
         true,
         {"started", "Tidy did not end within 0.3 seconds and was stopped."},
         "kept"},
        {"list closed", Way::ListClosed, false, {"started", kTidyStoppedByUser}, "kept"},
        // The first check's messages are dropped; the second one's Tidy is cat.
        {"new check, child ignores SIGTERM", Way::NewCheck, true, {}, "<p>x"},
        {"Tidy ends and leaves its child, which ignores SIGTERM", Way::TidyEnds, true, {"started"}, ""},
        {"main window closed, child ignores SIGTERM", Way::MainWindowClosed, true, {}, "kept"},
    };
    TTidyErrors& window = *windows.tidyErrors;
    const QString grow = TempPath(QStringLiteral("grow"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"grow", "leader.pid", "child.pid"})
            QFile::remove(TempPath(QString::fromLatin1(name)));
        const QString output = WriteFile(QStringLiteral("page - tidy.html"), "kept");
        form().OpenNamed(WriteFile(QStringLiteral("page.html"), "<p>x"));
        form().Startup().TidyLocation = HangingTidy(c.stubborn, c.way == Way::TidyEnds);
        SetTidyTimeLimitMs(c.way == Way::TimeLimit ? 300 : 60 * 1000);
        Start();
        const bool hangs = c.way != Way::TimeLimit && c.way != Way::TidyEnds;
        if (hangs) {
            ASSERT_TRUE(window.IsRunning());
            EXPECT_TRUE(window.isVisible());
            EXPECT_TRUE(window.StopButton->isVisible() && window.StopButton->isEnabled());
            EXPECT_EQ(window.RunningLabel->text(), QStringLiteral("Tidy is running ..."));
            EXPECT_EQ(list().count(), 0);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !ReadFile(grow).isEmpty() && PidIn("child.pid") > 1; }, 10000));
        const pid_t leader = PidIn(QStringLiteral("leader.pid"));
        const pid_t child = PidIn(QStringLiteral("child.pid"));
        if (hangs)
            ASSERT_TRUE(Alive(leader) && Alive(child));

        switch (c.way) {
        case Way::StopButton: QTest::mouseClick(window.StopButton, Qt::LeftButton); break;
        case Way::TimeLimit:
        case Way::TidyEnds: break;
        case Way::ListClosed: window.close(); break;
        case Way::NewCheck:
            form().Startup().TidyLocation = FakeTidy("cat\n", true, QStringLiteral("quick"));
            Start();
            // Gone before the new check began: it would write into its files.
            EXPECT_FALSE(Alive(leader) || Alive(child));
            break;
        case Way::MainWindowClosed:
            edit().SetModified(false);
            form().close();
            EXPECT_FALSE(Alive(leader) || Alive(child));
            break;
        }
        WaitForEnd();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Alive(leader) && !Alive(child); }, 10000));
        const qint64 grown = QFileInfo(grow).size();
        QTest::qWait(100);
        EXPECT_EQ(QFileInfo(grow).size(), grown) << "nothing writes any more";

        EXPECT_FALSE(window.StopButton->isVisible());
        EXPECT_EQ(ReadFile(output), c.output);
        if (c.way == Way::MainWindowClosed)
            continue;
        EXPECT_EQ(Entries(), c.entries);
        EXPECT_EQ(window.isVisible(), c.way != Way::ListClosed);
    }
}

TEST_F(TidyCheckTest, TheWindowWorksWhileTidyRunsAndAnEditMeanwhileIsNoted)
{
    // This Tidy ends once the test lets it.
    const QString go = TempPath(QStringLiteral("go"));
    form().Startup().TidyLocation = FakeTidy("while [ ! -e '" + go.toUtf8() +
                                             "' ]; do sleep 0.01; done\n"
                                             "echo 'line 1 column 1 - Warning: x' >&2\ncat\n");
    const QString page = WriteFile(QStringLiteral("page.html"), "<p>x\n");
    form().OpenNamed(page);
    Start();
    ASSERT_TRUE(windows.tidyErrors->IsRunning());
    edit().SetSelStart(edit().TextLength());
    QTest::keyClicks(&edit(), QStringLiteral("typed"));
    EXPECT_TRUE(edit().Text().endsWith(QStringLiteral("\ntyped"))) << edit().Text().toStdString();
    WriteFile(QStringLiteral("go"), "");
    WaitForEnd();
    EXPECT_EQ(Entries(), (QStringList{"line 1 column 1 - Warning: x", kTidyDocumentChanged}));
    EXPECT_EQ(ReadFile(TempPath(QStringLiteral("page - tidy.html"))), QByteArray("<p>x\n"));

    // No edit while it ran: Tidy's messages alone.
    Check();
    EXPECT_EQ(Entries(), QStringList{"line 1 column 1 - Warning: x"});
}

TEST_F(TidyCheckTest, WithoutAChosenFolderTheTidyOnThePathRunsWithoutAsking)
{
    edit().SetText(QStringLiteral("<p>x"));
    const QString onPath = FakeTidy("echo 'from the path' >&2\n", true, QStringLiteral("path"));
    const QString chosen = FakeTidy("echo 'from the chosen folder' >&2\n", true, QStringLiteral("chosen"));
    struct Case {
        const char* what;
        QString location;
        QStringList listed;
    };
    const Case cases[] = {
        {"no folder chosen", QString(), {QStringLiteral("from the path")}},
        {"a chosen folder wins", chosen, {QStringLiteral("from the chosen folder")}},
    };
    fake.shell.onPath[QStringLiteral("tidy")] = onPath + QStringLiteral("tidy");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form().Startup().TidyLocation = c.location;
        Check();   // no question expected
        EXPECT_EQ(Entries(), c.listed);
        EXPECT_EQ(form().Startup().TidyLocation, c.location);
    }
    // Not on the path either: asked as before.
    fake.shell.onPath.clear();
    form().Startup().TidyLocation.clear();
    Expect(MsgKind::Confirmation, QStringLiteral("Location of TIDY.EXE is unknown.\nSelect directory?"),
           MsgButtons::YesNo, MsgAnswer::No);
    Check();
}
