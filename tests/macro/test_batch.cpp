// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/BatchRun.h"
#include "platform/AppError.h"
#include "platform/BatchPrompts.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>

TEST(BatchRun, SummaryLinesAndExitCode)
{
    const std::vector<FileResult> results = {
        {QStringLiteral("a.txt"), FileOutcome::Changed},
        {QStringLiteral("b.txt"), FileOutcome::Unchanged},
        {QStringLiteral("c.txt"), FileOutcome::Failed, 3, QStringLiteral("\"size\" needs a whole number")},
        {QStringLiteral("d.txt"), FileOutcome::Failed, 0, QStringLiteral("File not\nfound!")},
    };
    const QStringList expected = {QStringLiteral("a.txt: changed"), QStringLiteral("b.txt: unchanged"),
                                  QStringLiteral("c.txt: error in line 3: \"size\" needs a whole number"),
                                  QStringLiteral("d.txt: error: File not found!")};
    for (size_t i = 0; i < results.size(); ++i)
        EXPECT_EQ(SummaryLine(results[i]), expected[int(i)]);
    EXPECT_EQ(BatchExitCode({results[0], results[1]}), 0);
    EXPECT_EQ(BatchExitCode(results), 1);
}

TEST(BatchRun, NamesThatCouldBreakOrForgeAReportLineAreQuoted)
{
    const struct {
        QString name;
        QString shown;
    } cases[] = {
        {QStringLiteral("plain name.txt"), QStringLiteral("plain name.txt")},
        {QStringLiteral("a\nb.txt: changed"), QStringLiteral("\"a\\nb.txt: changed\"")},
        {QStringLiteral("tab\there\r"), QStringLiteral("\"tab\\there\\r\"")},
        {QStringLiteral("say \"hi\"\\"), QStringLiteral("\"say \\\"hi\\\"\\\\\"")},
        {QStringLiteral("esc\x1b[2J") + QChar(0x85) + QChar(0x2028) + QStringLiteral("\u00e9"),
         QStringLiteral("\"esc\\033[2J\\302\\205\\342\\200\\250\u00e9\"")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuotedName(c.name), c.shown);
        EXPECT_EQ(SummaryLine({c.name, FileOutcome::Failed, 2, QStringLiteral("bad\r\nline")}),
                  c.shown + QStringLiteral(": error in line 2: bad  line"));
    }
    QStringList written;
    BatchPrompts prompts([&](const QString& line) { written << line; });
    prompts.SetFile(QStringLiteral("x\n.txt: Information: forged"));
    prompts.MessageBox(MsgKind::Information, QStringLiteral("Done"), MsgButtons::Ok);
    EXPECT_EQ(written, QStringList{QStringLiteral("\"x\\n.txt: Information: forged\": Information: Done")});
}

TEST(BatchRun, LinesThatWouldCloseDeleteEmptySaveEarlyOrNeedADialogAreRefused)
{
    const struct {
        QStringList lines;
        int refused;   // 0: none
        qsizetype running;
    } cases[] = {
        {{"insert x", "SaveFile", "savefile"}, 0, 1},
        {{"insert x"}, 0, 1},
        {{}, 0, 0},
        {{"insert x", "DeleteFile"}, 2, 2},
        {{"Exit", "insert x"}, 1, 2},
        {{"clearfile x"}, 1, 1},
        {{"savefile", "insert x"}, 1, 2},
        {{"insert x", "savefile /tmp/other.txt"}, 2, 2},
        {{"insert x", "Print"}, 2, 2},
        {{"OpenFile", "insert x"}, 1, 2},
        {{"openfile other.txt", "printersetup"}, 2, 2},
        {{"openfile other.txt"}, 0, 1},
    };
    for (const auto& c : cases) {
        const auto refused = FindRefusedLine(c.lines);
        EXPECT_EQ(refused ? refused->line : 0, c.refused) << qPrintable(c.lines.join(QLatin1Char('|')));
        EXPECT_EQ(LinesToRun(c.lines), c.running) << qPrintable(c.lines.join(QLatin1Char('|')));
    }
}

TEST(BatchPrompts, SafeAnswersMessagesWithFileAndLineAndDialogsFail)
{
    QStringList written;
    BatchPrompts prompts([&](const QString& line) { written << line; });
    int running = 0;
    int failed = 0;
    prompts.SetLineSources([&] { return running; }, [&] { return failed; });
    prompts.SetFile(QStringLiteral("a.txt"));
    EXPECT_EQ(prompts.MessageBox(MsgKind::Warning, QStringLiteral("Save changes?"), MsgButtons::YesNoCancel),
              MsgAnswer::No);
    running = 4;
    EXPECT_EQ(
        prompts.MessageBox(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"), MsgButtons::OkCancel),
        MsgAnswer::Cancel);
    EXPECT_EQ(prompts.MessageBox(MsgKind::Information, QStringLiteral("Reached end\nof file!"), MsgButtons::Ok),
              MsgAnswer::Ok);
    failed = 4;   // the run reports its failed line: the summary says it
    prompts.MessageBox(MsgKind::Error, QStringLiteral("Error in line 4."), MsgButtons::Ok);
    EXPECT_EQ(written, QStringList({QStringLiteral("a.txt: Warning: Save changes? -> No"),
                                    QStringLiteral("a.txt:4: Confirm: File exists! Overwrite it? -> Cancel"),
                                    QStringLiteral("a.txt:4: Information: Reached end of file!")}));
    QPrinter printer;
    EXPECT_THROW(prompts.PrintDialog(printer), AppError);
    EXPECT_EQ(prompts.TakeRefusal(),
              QStringLiteral("needs the print dialog, which a run without a window cannot show"));
    FileDialogState state;
    EXPECT_THROW(prompts.OpenDialog(state), AppError);
    EXPECT_FALSE(prompts.InputBox(QString(), QString(), QString()).has_value());
}

TEST(BatchRun, AFileChangedWhileItsMacroRanIsNotWritten)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString macro = write(QStringLiteral("year.macro"), "replaceall 2025 2026\r\n");
    const QString a = write(QStringLiteral("a.txt"), "Year 2025\n");
    const QString b = write(QStringLiteral("b.txt"), "Year 2025\n");
    QStringList summary;
    // The macro's own message about a.txt comes while it runs: another
    // program writes the file just then.
    const BatchOutput output{[&](const QString& line) { summary << line; },
                             [&](const QString& line) {
                                 if (line.startsWith(a + QLatin1Char(':')))
                                     write(QStringLiteral("a.txt"), "Year 2025, theirs\n");
                             }};
    EXPECT_EQ(RunBatch({macro, {a, b}}, output), 1);
    EXPECT_EQ(summary, QStringList({a + QStringLiteral(": error: the file was changed by another program while "
                                                       "the macro ran; it was not saved"),
                                    b + QStringLiteral(": changed")}));
    EXPECT_EQ(read(a), QByteArray("Year 2025, theirs\n"));
    EXPECT_EQ(read(b), QByteArray("Year 2026\n"));
}

namespace {

struct RunFolder {
    QTemporaryDir dir;
    QString Put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << qPrintable(name);
        return file.fileName();
    }
    QByteArray Read(const QString& name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

// A limit on the size of any file this process writes: a write beyond it
// stops partway, as on a disk that fills up meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        set_ = bytes > 0 && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (set_)
            ::setrlimit(RLIMIT_FSIZE, &old_);
    }

private:
    rlimit old_{};
    bool set_ = false;
};

}   // namespace

TEST(BatchRun, EachFilesLineTellsWhatHappenedToIt)
{
    const QByteArray longText = QByteArray(100 * 1024, 'x');
    const struct {
        const char* what;
        std::function<BatchOptions(const RunFolder&)> setUp;
        int code;
        std::function<QStringList(const RunFolder&)> summary;
        const char* message;   // a line of standard error ("" none expected)
        rlim_t fileSizeLimit = 0;
        const char* file = "a.txt";   // its bytes afterwards
        QByteArray bytes = {};
    } cases[] = {
        {"the macro is read once, though it is among the files",
         [](const RunFolder& f) {
             return BatchOptions{f.Put("year.macro", "replaceall 2025 2026\r\n"),
                                 {f.Path("year.macro"), f.Put("a.txt", "Year 2025\n")}};
         },
         0,
         [](const RunFolder& f) {
             return QStringList{f.Path("year.macro") + ": changed", f.Path("a.txt") + ": changed"};
         },
         "", 0, "a.txt", "Year 2026\n"},
        {"a marker file that cannot be written",
         [](const RunFolder& f) {
             const QString a = f.Put("a.txt", "one\ntwo\n");
             f.Put("a.txt.lm", "2, two\r\n");
             QFile::setPermissions(f.Path("a.txt.lm"), QFileDevice::ReadOwner);
             return BatchOptions{f.Put("m.macro", "replaceall one uno\r\n"), {a}};
         },
         1,
         [](const RunFolder& f) {
             return QStringList{f.Path("a.txt") + ": error: the file was saved, but its line markers were not: " +
                                f.Path("a.txt.lm") + ": The file is write-protected"};
         },
         "Line Markers could not be saved.", 0, "a.txt", "uno\ntwo\n"},
        {"a write that stops partway in the last flush",
         [](const RunFolder& f) {
             return BatchOptions{f.Put("m.macro", "insert y\r\n"), {f.Put("a.txt", QByteArray(3000, 'x'))}};
         },
         1,
         [](const RunFolder& f) {
             return QStringList{f.Path("a.txt") + ": error: File could not be saved. " + f.Path("a.txt") + ": " +
                                qt_error_string(EFBIG)};
         },
         "", 2048, "a.txt", QByteArray(3000, 'x')},
        {"a write that stops partway in a large piece",
         [&](const RunFolder& f) {
             return BatchOptions{f.Put("m.macro", "insert y\r\n"), {f.Put("a.txt", longText)}};
         },
         1,
         [](const RunFolder& f) {
             return QStringList{f.Path("a.txt") + ": error: File could not be saved. " + f.Path("a.txt") + ": " +
                                qt_error_string(EFBIG)};
         },
         "", 64 * 1024, "a.txt", longText},
        {"a macro too large to be one",
         [](const RunFolder& f) {
             QFile macro(f.Path("big.macro"));
             EXPECT_TRUE(macro.open(QIODevice::WriteOnly) && macro.resize(65 * 1024 * 1024));   // sparse
             return BatchOptions{macro.fileName(), {f.Put("a.txt", "x\n")}};
         },
         2, [](const RunFolder&) { return QStringList(); }, "big.macro: Macro cannot be read: it is larger than 64 MB",
         0, "a.txt", "x\n"},
        {"a line that needs a dialog",
         [](const RunFolder& f) {
             return BatchOptions{f.Put("m.macro", "insert y\r\nprint\r\n"), {f.Put("a.txt", "x\n")}};
         },
         1,
         [](const RunFolder& f) {
             return QStringList{f.Path("a.txt") + ": error in line 2: \"print\" needs the print dialog, which a run "
                                                  "without a window cannot show; the file was skipped"};
         },
         "", 0, "a.txt", "x\n"},
        {"a name with a line break",
         [](const RunFolder& f) {
             return BatchOptions{f.Put("m.macro", "insert y\r\n"), {f.Put("a\nb.txt", "x\n")}};
         },
         0, [](const RunFolder& f) { return QStringList{"\"" + f.Path("a\\nb.txt") + "\": changed"}; }, "", 0,
         "a\nb.txt", "yx\n"},
    };
    for (const auto& c : cases) {
        RunFolder folder;
        const BatchOptions options = c.setUp(folder);
        QStringList summary, messages;
        const BatchOutput output{[&](const QString& line) { summary << line; },
                                 [&](const QString& line) { messages << line; }};
        int code = -1;
        {
            const FileSizeLimit limit(c.fileSizeLimit);
            code = RunBatch(options, output);
        }
        EXPECT_EQ(code, c.code) << c.what;
        EXPECT_EQ(summary.join(QLatin1Char('|')).toStdString(), c.summary(folder).join(QLatin1Char('|')).toStdString())
            << c.what;
        if (*c.message)
            EXPECT_TRUE(messages.join(QLatin1Char('\n')).contains(QString::fromUtf8(c.message)))
                << c.what << ": " << qPrintable(messages.join(QLatin1Char('\n')));
        for (const QString& message : messages)
            EXPECT_FALSE(message.contains(QLatin1Char('\n')) || message.contains(QLatin1String("Unknown error")))
                << c.what << ": " << qPrintable(message);
        EXPECT_EQ(folder.Read(QString::fromUtf8(c.file)), c.bytes) << c.what;
    }
}

// The run needs no window: while it reports, none has been made for it, and
// the macro has done its work.
TEST(BatchRun, MakesNoMainWindow)
{
    const auto mainWindows = [] {
        const QWidgetList tops = QApplication::topLevelWidgets();
        return std::count_if(tops.cbegin(), tops.cend(),
                             [](const QWidget* top) { return qobject_cast<const QMainWindow*>(top) != nullptr; });
    };
    RunFolder folder;
    const BatchOptions options{folder.Put("m.macro", "replaceall 2025 2026\r\n"), {folder.Put("a.txt", "Year 2025\n")}};
    const auto before = mainWindows();
    QList<qsizetype> during;
    const BatchOutput output{[&](const QString&) { during << mainWindows(); }, [](const QString&) {}};
    EXPECT_EQ(RunBatch(options, output), 0);
    EXPECT_EQ(during, QList<qsizetype>{before});
    EXPECT_EQ(folder.Read("a.txt"), QByteArray("Year 2026\n"));
}
