// SPDX-License-Identifier: GPL-3.0-or-later
// A macro from elsewhere reads and writes files only where its document is,
// or with the user's yes: the questions of a run from the Run button, the
// batch run that has nobody to ask, and --check that warns ahead.
#include "app/CommandLine.h"
#include "macro/BatchRun.h"
#include "macro/MacroCheck.h"
#include "macro/MacroPaths.h"
#include "tests/support/MacroLibraryFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

struct Question {
    const char* access;   // "read" or "write"
    QString path;   // as the box shows it: resolved
    MsgAnswer answer;
};

// A folder that everybody may pass, outside the private test folders.
class PublicFolder {
public:
    PublicFolder() : dir_(QStringLiteral("/tmp/mirel-public-XXXXXX"))
    {
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                               QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    }
    bool Usable() const { return dir_.isValid() && OthersCanPass(ResolvedPath(dir_.path())); }
    QString Write(const QString& name, QFile::Permissions permissions) const
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("public\n");
        file.close();
        QFile::setPermissions(path, permissions);
        return path;
    }

private:
    QTemporaryDir dir_;
};

const QFile::Permissions kEveryoneReads = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
const QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

}   // namespace

TEST(MacroPaths, LinksAndDotsAreFollowedBeforeDeciding)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString base = ResolvedPath(root.path());
    ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/docs/sub")));
    ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/other")));
    ASSERT_TRUE(QFile::link(base + QStringLiteral("/other"), base + QStringLiteral("/docs/out")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../other/new.txt"), base + QStringLiteral("/docs/dangling")));
    ASSERT_TRUE(QFile::link(base + QStringLiteral("/docs/loop"), base + QStringLiteral("/docs/loop")));
    const QString docs = base + QStringLiteral("/docs");
    const struct {
        const char* path;   // below the test folder
        const char* resolved;   // below it; nullptr: none (a circle)
        bool inside;   // in docs or below
    } cases[] = {
        {"docs/a.txt", "docs/a.txt", true},
        {"docs/sub/../sub/./b.txt", "docs/sub/b.txt", true},
        {"docs/../other/c.txt", "other/c.txt", false},
        {"docs/out/d.txt", "other/d.txt", false},
        {"docs/out/../docs/e.txt", "docs/e.txt", true},   // ".." after a link leaves its target
        {"docs/dangling", "other/new.txt", false},   // a write would make the link's target
        {"docs/loop/x", nullptr, false},
        {"docsx/f.txt", "docsx/f.txt", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const QString resolved = ResolvedPath(base + QLatin1Char('/') + QString::fromUtf8(c.path));
        EXPECT_EQ(resolved.toStdString(),
                  c.resolved ? (base + QLatin1Char('/') + QString::fromUtf8(c.resolved)).toStdString() : std::string());
        EXPECT_EQ(InsideFolder(resolved, docs), c.inside);
    }
    EXPECT_FALSE(InsideFolder(docs + QStringLiteral("/a.txt"), QString())) << "no folder holds nothing";
}

class MacroPathRunTest : public MacroLibraryTest {
protected:
    void SetUp() override
    {
        MacroLibraryTest::SetUp();
        docs = ResolvedPath(TempPath(QStringLiteral("docs")));
        other = ResolvedPath(TempPath(QStringLiteral("other")));
        ASSERT_TRUE(QDir().mkpath(docs + QStringLiteral("/sub")));
        ASSERT_TRUE(QDir().mkpath(other));
        ASSERT_TRUE(QFile::link(other, docs + QStringLiteral("/out")));
        ASSERT_TRUE(QDir().mkpath(docs + QStringLiteral("/sub/deeper")));
        ASSERT_TRUE(QFile::link(docs + QStringLiteral("/sub/deeper"), docs + QStringLiteral("/down")));
        doc = WriteFile(QStringLiteral("docs/doc.txt"), "doc\n");
        secret = WriteFile(QStringLiteral("docs/secret.txt"), "secret\n");
        Make(QStringLiteral("Case.macro"));
        Start();
    }
    // The macro Case, run with the Run button on `document` (empty: unnamed).
    void RunOn(const QString& document, const QString& lines)
    {
        edit().SetModified(false);
        if (document.isEmpty())
            form().Clear1Click();
        else
            form().OpenNamed(document);
        ASSERT_EQ(form().Session().State().CurrentFile, document);
        WriteFile(QStringLiteral("lib/Case.macro"), lines.toUtf8());
        form().Ui().MakroFeld->setText(QStringLiteral("Case"));
        ASSERT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("run"));
        QTest::mouseClick(form().Ui().RunButton, Qt::LeftButton);
    }

    QString docs, other, doc, secret;
    PublicFolder pub;
};

TEST_F(MacroPathRunTest, WritesOutsideTheFolderAndPrivateReadsAskOncePerRun)
{
    ASSERT_TRUE(pub.Usable());
    const QString open = pub.Write(QStringLiteral("open.txt"), kEveryoneReads);
    const QString mine = pub.Write(QStringLiteral("mine.txt"), kOwnerOnly);
    const MsgAnswer yes = MsgAnswer::Yes, no = MsgAnswer::No;
    const struct {
        const char* name;
        bool unnamed;   // the run starts on an unnamed document, else on doc
        QString lines;
        std::vector<Question> questions;
        int failedLine;   // 0: the run went to its end
        QString written, notWritten;   // files there and not there afterwards
    } cases[] = {
        {"write beside the document", false, "insert 1\nsavefile " + docs + "/copy.txt", {}, 0, docs + "/copy.txt", {}},
        {"write into a subfolder", false, "savefile " + docs + "/sub/copy.txt", {}, 0, docs + "/sub/copy.txt", {}},
        {"the document itself", false, "insert 2\nsavefile", {}, 0, doc, {}},
        {"write outside, allowed",
         false,
         "savefile " + other + "/a.txt",
         {{"write", other + "/a.txt", yes}},
         0,
         other + "/a.txt",
         {}},
        {"write through a link, refused",
         false,
         "insert 3\nsavefile " + docs + "/out/b.txt\ninsert 4",
         {{"write", other + "/b.txt", no}},
         2,
         {},
         other + "/b.txt"},
        {"write up and out with ..",
         false,
         "savefile " + docs + "/../other/c.txt",
         {{"write", other + "/c.txt", no}},
         1,
         {},
         other + "/c.txt"},
        // The disk takes down/.. to sub, the file classes drop it: the
        // file would land outside.
        {"a link and .. that lead two ways",
         false,
         "savefile " + docs + "/down/../../other/f.txt",
         {{"write", QDir::cleanPath(docs + "/../other/f.txt"), no}},
         1,
         {},
         other + "/f.txt"},
        {"unnamed document: every write asks",
         true,
         "insert 5\nsavefile " + docs + "/d.txt",
         {{"write", docs + "/d.txt", yes}},
         0,
         docs + "/d.txt",
         {}},
        {"once per run and path, also through the link",
         false,
         "savefile " + other + "/e.txt\nsavefile " + other + "/e.txt\nsavefile " + docs + "/out/e.txt",
         {{"write", other + "/e.txt", yes}},
         0,
         other + "/e.txt",
         {}},
        {"read a file everybody may read", false, "openfile " + open, {}, 0, {}, {}},
        {"read a file only its owner may read", false, "openfile " + mine, {{"read", mine, yes}}, 0, {}, {}},
        {"read a file in a private folder, refused",
         false,
         "openfile " + secret + "\ninsert 6",
         {{"read", secret, no}},
         1,
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const Question& q : c.questions)
            Expect(MsgKind::Confirmation,
                   QStringLiteral("The macro wants to %1 %2.\nAllow it?").arg(QString::fromUtf8(q.access), q.path),
                   MsgButtons::YesNo, q.answer);
        if (c.failedLine) {
            const QString word = c.lines.split(QLatin1Char('\n')).at(c.failedLine - 1).section(QLatin1Char(' '), 0, 0);
            Expect(MsgKind::Error, QStringLiteral("Error in line %1.\n\"%2\" failed").arg(c.failedLine).arg(word),
                   MsgButtons::Ok, MsgAnswer::Ok);
        }
        RunOn(c.unnamed ? QString() : doc, c.lines);
        fake.prompts.VerifyAllShown();
        EXPECT_EQ(form().Macro().FailedLine, c.failedLine);
        if (!c.written.isEmpty())
            EXPECT_TRUE(QFile::exists(c.written)) << c.written.toStdString();
        if (!c.notWritten.isEmpty())
            EXPECT_FALSE(QFile::exists(c.notWritten)) << c.notWritten.toStdString();
    }
    // A new run asks again what the last one allowed.
    Expect(MsgKind::Confirmation, QStringLiteral("The macro wants to write %1/a.txt.\nAllow it?").arg(other),
           MsgButtons::YesNo, MsgAnswer::Yes);
    RunOn(doc, "savefile " + other + "/a.txt");
    fake.prompts.VerifyAllShown();
    EXPECT_EQ(ReadFile(secret), QByteArray("secret\n"));
}

TEST(MacroPaths, BatchRefusesPrivateReadsUnlessAllowed)
{
    QTemporaryDir root;   // private to this user, as a home folder often is
    ASSERT_TRUE(root.isValid());
    const QString file = root.filePath(QStringLiteral("a.txt"));
    const QString macro = root.filePath(QStringLiteral("reopen.macro"));
    const struct {
        const char* name;
        bool allow;
        QString summary;
        int code;
        QByteArray after;
    } cases[] = {
        {"without --allow-paths", false,
         "a.txt: error in line 1: \"openfile\" reads " + ResolvedPath(file) +
             ", which other users cannot read; --allow-paths allows it",
         1, "a\n"},
        {"with --allow-paths", true, "a.txt: changed", 0, "xa\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [path, bytes] :
             {std::pair{file, QByteArray("a\n")}, std::pair{macro, QByteArray("openfile filename\r\ninsert x\r\n")}}) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        }
        QStringList out;
        BatchOptions options{macro, {QStringLiteral("a.txt")}};
        options.allowPaths = c.allow;
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(root.path());
        const int code = RunBatch(options, {[&](const QString& line) { out << line; }, [](const QString&) {}});
        QDir::setCurrent(cwd);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(out, QStringList{c.summary});
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), c.after);
    }
    // The option goes with --run only.
    const auto none = [](const QString&) { return false; };
    EXPECT_TRUE(
        ParseCommandLine(
            {QStringLiteral("--run"), QStringLiteral("m"), QStringLiteral("--allow-paths"), QStringLiteral("f")}, none)
            .allowPaths);
    EXPECT_EQ(
        ParseCommandLine({QStringLiteral("--check"), QStringLiteral("--allow-paths"), QStringLiteral("m")}, none).error,
        QStringLiteral("\"--allow-paths\" goes with \"--run\""));
    EXPECT_TRUE(HelpText().contains(QLatin1String("--allow-paths")));
}

TEST(MacroPaths, CheckWarnsWhereThePathIsKnownAhead)
{
    PublicFolder pub;
    ASSERT_TRUE(pub.Usable());
    const QString open = pub.Write(QStringLiteral("open.txt"), kEveryoneReads);
    const QString mine = pub.Write(QStringLiteral("mine.txt"), kOwnerOnly);
    QTemporaryDir closed;   // mode 0700
    ASSERT_TRUE(closed.isValid());
    const QString hidden = ResolvedPath(closed.path());
    const QString folder = open.left(open.lastIndexOf(QLatin1Char('/')));
    const struct {
        QString line;
        QString warning;   // empty: none
    } cases[] = {
        {"openfile " + open, {}},
        {"openfile " + mine, "\"openfile\" reads " + mine +
                                 ", which other users cannot read: a run asks first, and --run refuses it without "
                                 "--allow-paths"},
        {"OpenFile " + hidden + "/selection.txt", "\"openfile\" reads " + hidden +
                                                      "/selection.txt, which other users cannot read: a run asks "
                                                      "first, and --run refuses it without --allow-paths"},
        {"openfile " + folder + "/selection.txt", {}},   // cannot be told before the run
        {"openfile filename", {}},
        {"openfile notes.txt", {}},   // relative: depends on where it runs
        {"savefile " + folder + "/out.txt",
         "\"savefile\" writes into " + folder + ": a run asks first unless its document is there"},
        {"savefile " + folder + "/startsel.txt",
         "\"savefile\" writes into " + folder + ": a run asks first unless its document is there"},
        {"savefile filename", {}},
        {"savefile", {}},
        {"insert " + mine, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const std::vector<MacroFinding> findings = PathFindings({QStringLiteral("insert a"), c.line});
        if (c.warning.isEmpty()) {
            EXPECT_TRUE(findings.empty())
                << (findings.empty() ? std::string() : findings.front().message.toStdString());
        } else {
            ASSERT_EQ(findings.size(), 1u);
            EXPECT_EQ(findings.front(), (MacroFinding{2, FindingKind::Warning, c.warning}));
        }
    }
    // --check prints them among the other findings, in line order.
    QTemporaryDir root;
    const QString macro = root.filePath(QStringLiteral("m.macro"));
    QFile f(macro);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(("openfile " + mine + "\r\nsize big\r\n").toUtf8());
    f.close();
    QStringList out;
    EXPECT_EQ(CheckMacroFiles({macro}, {[&](const QString& line) { out << line; }, [](const QString&) {}}), 1);
    ASSERT_EQ(out.size(), 2);
    EXPECT_TRUE(out[0].startsWith(macro + QStringLiteral(":1: warning: \"openfile\" reads "))) << out[0].toStdString();
    EXPECT_TRUE(out[1].startsWith(macro + QStringLiteral(":2: error: "))) << out[1].toStdString();
}
