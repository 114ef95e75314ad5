// Unsaved changes kept for after a crash: what the file holds, when it is
// written and removed, and the offer at the next start.
#include "document/Recovery.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

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
    for (const RecoveryRecord& r : {Plain(QStringLiteral("/home/u/a b%2F\nc.txt"), QStringLiteral("one\ntwo \u20ac")),
                                    Plain(QString(), QString()), rich}) {
        const QByteArray bytes = SerializeRecovery(r);
        EXPECT_TRUE(ParseRecovery(bytes) == r);
        // Cut short by a crash during the write, or not ours at all.
        EXPECT_FALSE(ParseRecovery(bytes.chopped(1)));
        EXPECT_FALSE(ParseRecovery(bytes + "x"));
        EXPECT_FALSE(ParseRecovery(QByteArray(bytes).replace("mode ", "mood ")));
    }
    EXPECT_FALSE(ParseRecovery("{\\rtf1 x}"));

    EXPECT_TRUE(RecoveryFileName(QString(), 42).endsWith(QStringLiteral("/mirel-edit/unnamed.42.recovery")));
    EXPECT_TRUE(RecoveryFileName(QStringLiteral("/a/b.txt"), 7).endsWith(QStringLiteral("/%2Fa%2Fb.txt.7.recovery")));
    const QString deep = QStringLiteral("/x").repeated(200);
    EXPECT_LT(QFileInfo(RecoveryFileName(deep, 7)).fileName().toUtf8().size(), 255);
    EXPECT_NE(RecoveryFileName(deep, 7), RecoveryFileName(deep + QLatin1Char('y'), 7));
    EXPECT_TRUE(IsRunning(ThisProcess()));
    EXPECT_FALSE(IsRunning({ThisProcess().pid, ThisProcess().start + 1})) << "a reused process id";
}

class RecoveryTest : public MainFormTest {
protected:
    RecoveryKeeper& Keeper() { return *form().findChild<RecoveryKeeper*>(); }
    void Type(const QString& text) { QTest::keyClicks(edit().View()->viewport(), text); }
    QStringList Files() const
    {
        return QDir(RecoveryFolder()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }
    std::optional<RecoveryRecord> Kept()
    {
        Keeper().WaitForWrites();
        QFile file(Keeper().LastFile());
        return file.open(QIODevice::ReadOnly) ? ParseRecovery(file.readAll()) : std::nullopt;
    }
    // Lets the pause after typing run out.
    void Pause()
    {
        for (int i = 0; i < 100 && Keeper().LastFile().isEmpty(); ++i)
            QTest::qWait(50);
        Keeper().WaitForWrites();
        ASSERT_FALSE(Keeper().LastFile().isEmpty()) << "nothing kept after the pause";
    }
    void TearDown() override
    {
        MainFormTest::TearDown();
        QDir(RecoveryFolder()).removeRecursively();
    }
};

TEST_F(RecoveryTest, TypingIsKeptAfterAPauseAndForgottenWhenSavedOrClosed)
{
    const QString path = WriteFile(QStringLiteral("letter.txt"), "Dear\r\n");
    CreateAndShow({path});
    Keeper().SetPause(300);
    Type(QStringLiteral("Hi "));
    EXPECT_TRUE(Files().isEmpty()) << "never on the keystroke itself";
    Pause();
    const auto kept = Kept();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->documentPath, path);
    EXPECT_EQ(kept->text, QStringLiteral("Hi Dear\n"));
    EXPECT_EQ(kept->format.breaks, LineBreakStyle::CrLf);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(Keeper().LastFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(ReadFile(path), QByteArray("Dear\r\n")) << "the document itself is untouched";

    form().Item(QStringLiteral("Save1"))->trigger();
    Keeper().WaitForWrites();
    EXPECT_TRUE(Files().isEmpty()) << "saved";

    // Only what changed reaches the worker now: its copy must still be whole.
    Type(QStringLiteral("more "));
    Pause();
    EXPECT_EQ(Files().size(), 1);
    EXPECT_EQ(Kept()->text, QStringLiteral("Hi more Dear\n"));
    Expect(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel, MsgAnswer::No);
    form().Item(QStringLiteral("Clear1"))->trigger();
    Keeper().WaitForWrites();
    EXPECT_TRUE(Files().isEmpty()) << "closed without saving";

    Type(QStringLiteral("unnamed"));
    Pause();
    EXPECT_TRUE(Files().value(0).startsWith(QStringLiteral("unnamed.")));
    Expect(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel, MsgAnswer::No);
    EXPECT_TRUE(form().close());
    EXPECT_TRUE(Files().isEmpty()) << "the program ended normally";
}

TEST_F(RecoveryTest, StartOffersWhatACrashedRunLeft)
{
    const struct {
        bool named, rich;
        MsgAnswer answer;
    } cases[] = {{true, false, MsgAnswer::Yes}, {true, true, MsgAnswer::Yes},
                 {false, false, MsgAnswer::Yes}, {true, false, MsgAnswer::No}};
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
            EXPECT_EQ(form().Doc.CurrentFile, path);
            EXPECT_EQ(edit().Text(), c.rich ? QStringLiteral("typed before the crash")
                                            : QStringLiteral("typed\r\nbefore the crash"));
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

} // namespace
