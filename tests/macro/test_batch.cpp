#include "macro/BatchRun.h"
#include "platform/AppError.h"
#include "platform/BatchPrompts.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(BatchRun, LinesThatWouldCloseDeleteEmptyOrSaveEarlyAreRefused)
{
    const struct {
        QStringList lines;
        int refused;       // 0: none
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
    EXPECT_EQ(prompts.MessageBox(MsgKind::Confirmation, QStringLiteral("File exists! Overwrite it?"),
                                 MsgButtons::OkCancel),
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
    EXPECT_EQ(prompts.TakeRefusal(), QStringLiteral("needs the print dialog, which a run without a window cannot show"));
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
