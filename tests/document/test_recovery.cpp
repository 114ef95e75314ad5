// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved changes kept for after a crash: what the file holds, when it is
// written and removed, and the offer at the next start.
#include "document/Recovery.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void WriteBytesTo(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

RecoveryRecord Plain(const QString& path, const QString& text)
{
    RecoveryRecord r;
    r.writer = {999999999, 1};   // no such process
    r.documentPath = path;
    r.text = text;
    r.format = {TextEncoding::Windows1252, LineBreakStyle::CrLf};
    return r;
}

TEST(RecoveryFile, KeepsWhatARestoreNeedsAndRefusesAnythingElse)
{
    RecoveryRecord rich = Plain(QString(), QString());
    rich.plain = false;
    rich.rtf = "{\\rtf1 bold\\par}";
    rich.format = {};
    RecoveryRecord stamped = Plain(QStringLiteral("/a.txt"), QStringLiteral("x"));
    stamped.seen = {true, true, 2049, 1234567, 42, 1765432100123456789};
    for (const RecoveryRecord& r : {Plain(QStringLiteral("/home/u/a b%2F\nc.txt"), QStringLiteral("one\ntwo \u20ac")),
                                    Plain(QString(), QString()), rich, stamped}) {
        const QByteArray bytes = SerializeRecovery(r);
        EXPECT_TRUE(ParseRecovery(bytes) == r);
        // Cut short by a crash during the write, or not ours at all.
        EXPECT_FALSE(ParseRecovery(bytes.chopped(1)));
        EXPECT_FALSE(ParseRecovery(bytes + "x"));
        EXPECT_FALSE(ParseRecovery(QByteArray(bytes).replace("mode ", "mood ")));
    }
    EXPECT_FALSE(ParseRecovery("{\\rtf1 x}"));
    EXPECT_FALSE(ParseRecovery(SerializeRecovery(stamped).replace(" 42 ", " 4x ")));

    // As older versions wrote it, without the file's stamp.
    const auto older = ParseRecovery("Mirel-Edit recovery 1\npid 5\nstart 6\npath /a.txt\nmode plain\n"
                                     "encoding utf8\nbreaks lf\nlength 0000000000000000002\n\nhi");
    ASSERT_TRUE(older);
    EXPECT_EQ(older->text, QStringLiteral("hi"));
    EXPECT_FALSE(older->seen.known);

    EXPECT_TRUE(RecoveryFileName(QString(), 42).endsWith(QStringLiteral("/mirel-edit/unnamed.42.recovery")));
    EXPECT_TRUE(RecoveryFileName(QStringLiteral("/a/b.txt"), 7).endsWith(QStringLiteral("/%2Fa%2Fb.txt.7.recovery")));
    const QString deep = QStringLiteral("/x").repeated(200);
    EXPECT_LT(QFileInfo(RecoveryFileName(deep, 7)).fileName().toUtf8().size(), 255);
    EXPECT_NE(RecoveryFileName(deep, 7), RecoveryFileName(deep + QLatin1Char('y'), 7));
    EXPECT_TRUE(IsRunning(ThisProcess()));
    EXPECT_FALSE(IsRunning({ThisProcess().pid, ThisProcess().start + 1})) << "a reused process id";
}

TEST(RecoveryFile, WrittenFromTheWorkersCopyAsFromTheText)
{
    // Seams of long lines are left out, breaks become '\n', a pair split
    // across two slices stays whole: the same bytes as the record's text.
    const QString text = QStringLiteral("one\u2029") + QString(65551, QLatin1Char('x')) + QStringLiteral("\U0001F600") +
                         QString(100, QLatin1Char('y')) + QStringLiteral(" \u2028end");
    QString raw = text;
    raw.insert(20, QChar::ParagraphSeparator);   // the pair ends the first 64 K slice after this seam
    raw.insert(65601, QChar::ParagraphSeparator);
    TextReplica copy;
    copy.Apply({true, raw, {}, {21, 65602}});
    ASSERT_EQ(copy.Text(), text);
    // Changes at the seams and beyond the end, clamped as the editor does.
    copy.Apply(
        {false, {}, {{0, 3, QStringLiteral("ONE")}, {int(raw.size()) + 5, 9, QStringLiteral("!")}}, {21, 65602}});
    RecoveryRecord r = Plain(QStringLiteral("/a/long.txt"), QStringLiteral("ONE") + text.mid(3) + QLatin1Char('!'));
    ASSERT_EQ(copy.Text(), r.text);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.recovery"));
    QString error;
    ASSERT_TRUE(WriteRecoveryFile(file, r, copy, &error)) << error.toStdString();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_EQ(bytes, SerializeRecovery(r));
    r.text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    EXPECT_TRUE(ParseRecovery(bytes) == r);
    EXPECT_EQ(written.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

    // A folder in the way: no file, and the reason.
    EXPECT_FALSE(WriteRecoveryFile(dir.filePath(QStringLiteral("none/b.recovery")), r, copy, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RecoveryKeeper, TypingWithoutPausesIsKeptEveryFewSeconds)
{
    FakeTimers timers;
    QString text;
    std::vector<qint64> writes;   // when the keeper took the text to write
    RecoveryKeeper keeper([&] {
        writes.push_back(timers.now);
        RecoveryUpdate update;
        update.changes.whole = true;
        update.changes.text = text;
        RecoveryRecord& r = update.keep.emplace();
        r.writer = ThisProcess();
        r.documentPath = QStringLiteral("/steady.txt");
        return update;
    });
    keeper.UseTimers(&timers);
    // A key every 150 ms for 30 s: never a pause.
    const int key = 150;
    for (int t = 0; t < 30000; t += key) {
        text += QLatin1Char('a' + t / key % 26);
        keeper.Changed();
        timers.Advance(key);
    }
    const qint64 lastKey = timers.now - key;
    ASSERT_FALSE(writes.empty()) << "nothing kept while typing";
    EXPECT_LE(writes.front(), RecoveryKeeper::kLongestWaitMs);
    for (size_t i = 1; i < writes.size(); ++i)
        EXPECT_LE(writes[i] - writes[i - 1], RecoveryKeeper::kLongestWaitMs + key) << "write " << i;
    EXPECT_GE(writes.back(), lastKey - RecoveryKeeper::kLongestWaitMs);

    // Typing stops: the pause takes the rest, and then nothing more is written.
    const size_t typing = writes.size();
    timers.Advance(RecoveryKeeper::kPauseMs);
    ASSERT_EQ(writes.size(), typing + 1);
    EXPECT_LE(writes.back(), lastKey + RecoveryKeeper::kPauseMs);
    timers.Advance(60000);
    EXPECT_EQ(writes.size(), typing + 1);
    keeper.WaitForWrites();
    QFile file(keeper.LastFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(ParseRecovery(file.readAll()).value_or(RecoveryRecord{}).text, text);
    keeper.Finish();
    EXPECT_FALSE(QFile::exists(keeper.LastFile()));
}

class RecoveryTest : public MainFormTest {
protected:
    RecoveryKeeper& Keeper() { return *form().findChild<RecoveryKeeper*>(); }
    void Type(const QString& text) { QTest::keyClicks(edit().viewport(), text); }
    QStringList Files() const { return QDir(RecoveryFolder()).entryList({QStringLiteral("*.recovery")}, QDir::Files); }
    std::optional<RecoveryRecord> Kept()
    {
        Keeper().WaitForWrites();
        if (Keeper().LastFile().isEmpty())
            return std::nullopt;
        QFile file(Keeper().LastFile());
        return file.open(QIODevice::ReadOnly) ? ParseRecovery(file.readAll()) : std::nullopt;
    }
    // The keeper's waits run on the test's time from here on.
    void UseFakeTime(int pauseMs)
    {
        Keeper().SetPause(pauseMs);
        Keeper().UseTimers(&timers);
        pauseMs_ = pauseMs;
    }
    // Lets the pause after typing run out.
    void Pause()
    {
        timers.Advance(pauseMs_);
        Keeper().WaitForWrites();
        ASSERT_FALSE(Keeper().LastFile().isEmpty()) << "nothing kept after the pause";
    }
    void TearDown() override
    {
        MainFormTest::TearDown();
        QDir(RecoveryFolder()).removeRecursively();
    }
    FakeTimers timers;
    int pauseMs_ = RecoveryKeeper::kPauseMs;
};

TEST_F(RecoveryTest, TypingIsKeptAfterAPauseAndForgottenWhenSavedOrClosed)
{
    const QString path = WriteFile(QStringLiteral("letter.txt"), "Dear\r\n");
    CreateAndShow({path});
    UseFakeTime(300);
    Type(QStringLiteral("Hi "));
    EXPECT_TRUE(Files().isEmpty()) << "never on the keystroke itself";
    Pause();
    const auto kept = Kept();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->documentPath, path);
    EXPECT_EQ(kept->text, QStringLiteral("Hi Dear\n"));
    EXPECT_EQ(kept->format.breaks, LineBreakStyle::CrLf);
    EXPECT_TRUE(kept->seen == FileStamp::Of(path)) << "the file as this run read it";
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(Keeper().LastFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(ReadFile(path), QByteArray("Dear\r\n")) << "the document itself is untouched";

    Item(QStringLiteral("Save1"))->trigger();
    Keeper().WaitForWrites();
    EXPECT_TRUE(Files().isEmpty()) << "saved";

    // Only what changed reaches the worker now: its copy must still be whole.
    Type(QStringLiteral("more "));
    Pause();
    EXPECT_EQ(Files().size(), 1);
    EXPECT_EQ(Kept().value_or(RecoveryRecord{}).text, QStringLiteral("Hi more Dear\n"));
    fake.prompts.ExpectSaveChanges(MsgAnswer::No);
    Item(QStringLiteral("Clear1"))->trigger();
    Keeper().WaitForWrites();
    EXPECT_TRUE(Files().isEmpty()) << "closed without saving";

    Type(QStringLiteral("unnamed"));
    Pause();
    EXPECT_TRUE(Files().value(0).startsWith(QStringLiteral("unnamed.")));
    fake.prompts.ExpectSaveChanges(MsgAnswer::No);
    EXPECT_TRUE(form().close());
    EXPECT_TRUE(Files().isEmpty()) << "the program ended normally";
}

TEST_F(RecoveryTest, KeptTextFollowsLongLinesAndModeChanges)
{
    // A line long enough to be held in pieces.
    const QByteArray line = QByteArray("word ").repeated(2000);
    const QString path = WriteFile(QStringLiteral("long.txt"), "head\n" + line + "\ntail\n");
    CreateAndShow({path});
    UseFakeTime(200);
    // The kept file once the pause after the last change has run out.
    const auto keptOnce = [&](const std::function<bool(const RecoveryRecord&)>& done) {
        Pause();
        std::optional<RecoveryRecord> kept = Kept();
        return kept && done(*kept) ? kept : std::nullopt;
    };
    const auto expectKept = [&](const char* where) {
        SCOPED_TRACE(where);
        const QString text = edit().Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const auto kept = keptOnce([&](const RecoveryRecord& r) { return r.plain && r.text == text; });
        ASSERT_TRUE(kept);
        EXPECT_TRUE(kept->plain);
        EXPECT_EQ(kept->text.toStdString(), text.toStdString());
    };
    edit().SetSelStart(5 + 4200);
    Type(QStringLiteral("in the middle "));
    expectKept("typed into the long line");
    QTest::keyClick(edit().viewport(), Qt::Key_Backspace);
    QTest::keyClick(edit().viewport(), Qt::Key_Return);
    expectKept("a break in the long line");

    Item(QStringLiteral("PlainText1"))->trigger();   // to rich text
    ASSERT_FALSE(edit().IsPlainText());
    Type(QStringLiteral("rich "));
    const auto rich = keptOnce([](const RecoveryRecord& r) { return !r.plain; });
    ASSERT_TRUE(rich);
    EXPECT_FALSE(rich->plain);
    EXPECT_TRUE(rich->rtf.contains("rich ")) << rich->rtf.left(400).toStdString();

    Expect(MsgKind::Confirmation, QStringLiteral("Sure to loose all formattings?\nNo undo possible!"),
           MsgButtons::OkCancel, MsgAnswer::Ok);
    Item(QStringLiteral("PlainText1"))->trigger();   // and back
    ASSERT_TRUE(edit().IsPlainText());
    Type(QStringLiteral("plain again "));
    expectKept("back in plain text");
    Item(QStringLiteral("Undo1"))->trigger();
    expectKept("undone");
}

TEST_F(RecoveryTest, StartRemovesHalfWrittenCopiesOfEndedRunsOnly)
{
    QDir().mkpath(RecoveryFolder());
    const QStringList names = {QStringLiteral(".unnamed.999999999.recovery.Ab12Cd"),   // its run has ended
                               QStringLiteral(".unnamed.1.recovery.Xy34Zw"),   // still running
                               QStringLiteral(".notes.txt.Qr56St")};
    for (const QString& name : names) {
        QFile file(QDir(RecoveryFolder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("half");
    }
    CreateAndShow();
    QStringList left = QDir(RecoveryFolder()).entryList(QDir::Files | QDir::Hidden);
    QStringList kept = names.mid(1);
    left.sort();
    kept.sort();
    EXPECT_EQ(left, kept);
}

TEST_F(RecoveryTest, StartOffersWhatACrashedRunLeft)
{
    const struct {
        bool named, rich;
        MsgAnswer answer;
    } cases[] = {{true, false, MsgAnswer::Yes},
                 {true, true, MsgAnswer::Yes},
                 {false, false, MsgAnswer::Yes},
                 {true, false, MsgAnswer::No}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.named << c.rich << int(c.answer));
        const QString path = c.named ? WriteFile(c.rich ? QStringLiteral("n.rtf") : QStringLiteral("n.txt"),
                                                 c.rich ? "{\\rtf1 saved\\par}" : "saved\n")
                                     : QString();
        RecoveryRecord r = Plain(path, QStringLiteral("typed\nbefore the crash"));
        if (c.rich) {
            r.plain = false;
            r.rtf = "{\\rtf1 {\\b typed} before the crash\\par}";
        }
        QDir().mkpath(RecoveryFolder());
        const QString left = RecoveryFileName(path, r.writer.pid);
        {
            QFile file(left);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(SerializeRecovery(r));
        }
        Expect(MsgKind::Confirmation,
               QStringLiteral("Unsaved changes were recovered:\n%1\nRestore them?")
                   .arg(c.named ? path : QStringLiteral("unnamed")),
               MsgButtons::YesNo, c.answer);
        CreateAndShow();
        EXPECT_FALSE(QFile::exists(left));
        if (c.answer == MsgAnswer::Yes) {
            EXPECT_EQ(form().Session().State().CurrentFile, path);
            EXPECT_EQ(edit().Text(),
                      c.rich ? QStringLiteral("typed before the crash") : QStringLiteral("typed\r\nbefore the crash"));
            EXPECT_EQ(edit().IsPlainText(), !c.rich);
            EXPECT_TRUE(edit().Modified());
            if (c.rich) {
                edit().SetSelStart(0);
                edit().SetSelLength(1);
                EXPECT_TRUE(edit().SelAttributes().bold);
            }
            Keeper().WaitForWrites();
            EXPECT_EQ(Files().size(), 1) << "kept again by this run";
        } else {
            EXPECT_EQ(edit().Text(), QString());
            EXPECT_TRUE(Files().isEmpty());
        }
        if (c.named)
            EXPECT_EQ(ReadFile(path), c.rich ? QByteArray("{\\rtf1 saved\\par}") : QByteArray("saved\n"));
        TearDown();
    }
}

TEST_F(RecoveryTest, AFolderThatCannotHoldCopiesIsToldOnceUntilAWriteSucceeds)
{
    CreateAndShow();
    const QString folder = RecoveryFolder();
    // A file where the folder belongs: no copy goes in, not even as root.
    const auto block = [&] {
        QDir(folder).removeRecursively();
        QDir().mkpath(QFileInfo(folder).path());
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    const auto writeOnce = [&](const QString& typed) {
        Type(typed);
        Keeper().WriteNow();
        Keeper().WaitForWrites();
        QApplication::processEvents();   // the worker's report reaches the window
    };
    const QString warning = QStringLiteral("Unsaved changes cannot be kept for recovery after a crash in\n%1\n%2")
                                .arg(folder, qt_error_string(ENOTDIR));
    block();
    Expect(MsgKind::Warning, warning, MsgButtons::Ok, MsgAnswer::Ok);
    for (const QString& typed : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
        writeOnce(typed);
    fake.prompts.VerifyAllShown();

    QFile::remove(folder);
    writeOnce(QStringLiteral("d"));
    EXPECT_EQ(Files().size(), 1) << "written again";
    block();
    Expect(MsgKind::Warning, warning, MsgButtons::Ok, MsgAnswer::Ok);
    writeOnce(QStringLiteral("e"));
    writeOnce(QStringLiteral("f"));
    fake.prompts.VerifyAllShown();
    QFile::remove(folder);
}

TEST_F(RecoveryTest, RestoredChangesAreNotSavedOverANewerFileUnasked)
{
    const struct {
        bool stamped;   // the crashed run's record holds the file's stamp
        bool changedSince;   // another program wrote the file after the crash
    } cases[] = {{true, false}, {true, true}, {false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stamped << c.changedSince);
        const QString path = WriteFile(QStringLiteral("r.txt"), "saved\n");
        RecoveryRecord r = Plain(path, QStringLiteral("typed before the crash"));
        r.format = {};
        if (c.stamped)
            r.seen = FileStamp::Of(path);
        if (c.changedSince) {
            WriteFile(QStringLiteral("r.txt"), "theirs\n");
            const timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
            ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
        }
        QDir().mkpath(RecoveryFolder());
        {
            QFile file(RecoveryFileName(path, r.writer.pid));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(SerializeRecovery(r));
        }
        const bool told = c.stamped && c.changedSince;
        Expect(MsgKind::Confirmation,
               QStringLiteral("Unsaved changes were recovered:\n%1\n%2Restore them?")
                   .arg(path, told ? QStringLiteral("The file was changed by another program after they were "
                                                    "kept.\n")
                                   : QString()),
               MsgButtons::YesNo, MsgAnswer::Yes);
        CreateAndShow();
        ASSERT_EQ(edit().Text(), QStringLiteral("typed before the crash"));
        form().CheckFile();   // the offer told of the change: the watcher stays quiet
        const QByteArray disk = c.changedSince ? "theirs\n" : "saved\n";
        if (told) {
            const QString question = path + QStringLiteral("\nwas changed by another program. Overwrite it?");
            Expect(MsgKind::Confirmation, question, MsgButtons::YesNo, MsgAnswer::No);
            form().Save1Click();
            EXPECT_EQ(ReadFile(path), disk);
            EXPECT_TRUE(edit().Modified());
            Expect(MsgKind::Confirmation, question, MsgButtons::YesNo, MsgAnswer::Yes);
        }
        form().Save1Click();
        EXPECT_EQ(ReadFile(path), QByteArray("typed before the crash"));
        EXPECT_FALSE(edit().Modified());
        TearDown();
    }
}

TEST_F(RecoveryTest, DamagedFilesAreMovedAsideUnreadAndToldOnce)
{
    const QByteArray valid = SerializeRecovery(Plain(QString(), QStringLiteral("kept")));
    const QByteArray header = valid.left(valid.indexOf("\n\n") + 2);
    const auto withLength = [&](qint64 length) {
        return QByteArray(header).replace("0000000000000000004", QByteArray::number(length).rightJustified(19, '0'));
    };
    constexpr qint64 k2GB = qint64(2) << 30;
    const struct {
        const char* name;
        QByteArray bytes;
        qint64 sparseSize;   // made that long with a hole, no data written
        bool damaged;
    } cases[] = {
        {"valid", valid, 0, false},
        {"truncated", header.chopped(12), 0, true},
        {"garbage", QByteArray("\x00\xff garbage\n\n", 12).repeated(100), 0, true},
        {"minus", QByteArray(header).replace("length 0000000000000000004", "length -1") + "kept", 0, true},
        {"longer", withLength(1000) + "kept", 0, true},
        {"sparse", withLength(k2GB - header.size()), k2GB, true},
        {"zeros", QByteArray(), k2GB, true},
    };
    QDir().mkpath(RecoveryFolder());
    const QDir folder(RecoveryFolder());
    const auto path = [&](const char* name) {
        return folder.filePath(QLatin1String(name) + QStringLiteral(".999999999.recovery"));
    };
    // An older damaged copy under the name taken first stays as it is.
    WriteBytesTo(path("garbage") + QStringLiteral(".damaged"), "older");
    QStringList note;
    const QDateTime newest = QDateTime::currentDateTime();
    int age = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(c.name);
        WriteBytesTo(file, c.bytes);
        if (c.sparseSize)
            ASSERT_EQ(::truncate(QFile::encodeName(file).constData(), c.sparseSize), 0);
        const RecoveryFileRead read = ReadRecoveryFile(file);
        EXPECT_EQ(read.damaged, c.damaged);
        EXPECT_EQ(read.record.has_value(), !c.damaged);
        // Nothing beyond a header's worth of a damaged file.
        if (c.damaged)
            EXPECT_LE(read.bytesRead, 64 * 1024);
        // Listed newest first: in the order of the table.
        QFile touched(file);
        ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
        touched.setFileTime(newest.addSecs(-60 * age++), QFileDevice::FileModificationTime);
        if (c.damaged)
            note.append(
                QStringLiteral("A damaged recovery file was moved aside: ") + file +
                (std::string_view(c.name) == "garbage" ? QStringLiteral(".damaged.2") : QStringLiteral(".damaged")));
    }

    Expect(MsgKind::Confirmation,
           QStringLiteral("Unsaved changes were recovered:\nunnamed\n") + note.join(QLatin1Char('\n')) +
               QStringLiteral("\nRestore them?"),
           MsgButtons::YesNo, MsgAnswer::No);
    CreateAndShow();
    MainFormTest::TearDown();   // the folder stays
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(ReadFile(path("garbage") + QStringLiteral(".damaged")), QByteArray("older"));
    EXPECT_EQ(ReadFile(path("garbage") + QStringLiteral(".damaged.2")), cases[2].bytes);
    EXPECT_EQ(QFileInfo(path("sparse") + QStringLiteral(".damaged")).size(), k2GB);
    EXPECT_EQ(folder.entryList(QDir::Files).size(), 7);

    // Nothing about them at the next start.
    CreateAndShow();
    MainFormTest::TearDown();   // the folder stays

    // Without a copy to offer, the note comes on its own.
    WriteBytesTo(path("truncated"), header.chopped(12));
    Expect(MsgKind::Information,
           QStringLiteral("A damaged recovery file was moved aside: ") + path("truncated") +
               QStringLiteral(".damaged.2"),
           MsgButtons::Ok, MsgAnswer::Ok);
    CreateAndShow();
}

}   // namespace
