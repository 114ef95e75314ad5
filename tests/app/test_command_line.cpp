// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, OptionsNamesAndMistakes)
{
    // Names that exist on disk in this table.
    const QStringList existing = {QStringLiteral("-reverse"), QStringLiteral("-my notes.txt"),
                                  QStringLiteral("-dash.txt"), QStringLiteral("--dry-run"), QStringLiteral("a.txt")};
    const auto exists = [&](const QString& name) { return existing.contains(name); };
    const struct {
        QStringList arguments;
        ProgramMode mode;
        QStringList names;   // document parts, or files of a run or check
        QString macro = {};
        bool dryRun = false;
        QString error = {};
    } cases[] = {
        {{}, ProgramMode::Window, {}},
        {{"My", "Notes.txt"}, ProgramMode::Window, {"My", "Notes.txt"}},
        {{"--", "--help"}, ProgramMode::Window, {"--help"}},
        {{"notes.txt", "--help"}, ProgramMode::Window, {"notes.txt", "--help"}},
        {{"-reverse"}, ProgramMode::Window, {"-reverse"}},
        {{"-my", "notes.txt"}, ProgramMode::Window, {"-my", "notes.txt"}},
        {{"--help"}, ProgramMode::Help, {}},
        {{"--version", "x"}, ProgramMode::Version, {}},
        {{"--run", "fix.macro", "a.txt", "b.html"}, ProgramMode::Run, {"a.txt", "b.html"}, "fix.macro"},
        {{"--run", "fix.macro", "a.txt", "--dry-run"}, ProgramMode::Run, {"a.txt"}, "fix.macro", true},
        {{"--dry-run", "--run", "m", "--", "--dry-run"}, ProgramMode::Run, {"--dry-run"}, "m", true},
        // After --run the words are options whatever files exist (a shell's
        // "*" may have put a file "--dry-run" among the names).
        {{"--run", "fix.macro", "--dry-run", "a.txt", "b.txt"},
         ProgramMode::Run,
         {"a.txt", "b.txt"},
         "fix.macro",
         true},
        {{"--run", "--dry-run", "footer.macro", "a.html"}, ProgramMode::Run, {"a.html"}, "footer.macro", true},
        {{"--run", "m", "./--dry-run", "a.txt"}, ProgramMode::Run, {"./--dry-run", "a.txt"}, "m"},
        {{"--run", "--", "-m", "--dry-run"}, ProgramMode::Run, {"--dry-run"}, "-m"},
        {{"--run", "m", "--", "-dash.txt"}, ProgramMode::Run, {"-dash.txt"}, "m"},
        {{"--run", "m", "-dash.txt"}, ProgramMode::UsageError, {}, {}, false, "unknown option \"-dash.txt\""},
        {{"--check", "--dry-run"}, ProgramMode::UsageError, {}, {}, false, "\"--dry-run\" goes with \"--run\""},
        {{"--run", "--dry-run", "m"},
         ProgramMode::UsageError,
         {},
         {},
         false,
         "\"--run\" needs a macro and at least one file"},
        {{"--check", "a.macro", "b.macro"}, ProgramMode::Check, {"a.macro", "b.macro"}},
        {{"-x"}, ProgramMode::UsageError, {}, {}, false, "unknown option \"-x\""},
        {{"--run", "m", "a.txt", "--dryrun"}, ProgramMode::UsageError, {}, {}, false, "unknown option \"--dryrun\""},
        {{"--run", "m"}, ProgramMode::UsageError, {}, {}, false, "\"--run\" needs a macro and at least one file"},
        {{"--run"}, ProgramMode::UsageError, {}, {}, false, "\"--run\" needs a macro and at least one file"},
        {{"--check"}, ProgramMode::UsageError, {}, {}, false, "\"--check\" needs at least one macro"},
        {{"--dry-run", "a.txt"}, ProgramMode::UsageError, {}, {}, false, "\"--dry-run\" goes with \"--run\""},
        {{"--check", "a", "--run", "m", "f"},
         ProgramMode::UsageError,
         {},
         {},
         false,
         "\"--run\" and \"--check\" cannot be used together"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments, exists);
        const QString label = c.arguments.join(QLatin1Char(' '));
        EXPECT_EQ(line.mode, c.mode) << qPrintable(label);
        EXPECT_EQ(line.mode == ProgramMode::Window ? line.documentParts : line.files, c.names) << qPrintable(label);
        EXPECT_EQ(line.macro, c.macro) << qPrintable(label);
        EXPECT_EQ(line.dryRun, c.dryRun) << qPrintable(label);
        EXPECT_EQ(line.error, c.error) << qPrintable(label);
        EXPECT_EQ(line.hint.isEmpty(), c.mode != ProgramMode::UsageError) << qPrintable(label);
        EXPECT_FALSE(line.hint.contains(QLatin1Char('\n'))) << qPrintable(label);
    }
}

TEST(CommandLine, HintsNameTheNearestOptionOrTheWayToOpenADashFile)
{
    const auto none = [](const QString&) { return false; };
    EXPECT_EQ(ParseCommandLine({QStringLiteral("--versoin")}, none).hint,
              QStringLiteral("Did you mean \"--version\"? See \"vellumpad --help\"."));
    EXPECT_TRUE(ParseCommandLine({QStringLiteral("-q")}, none).hint.contains(QLatin1String("put \"--\" before")));
    EXPECT_EQ(VersionText(), QStringLiteral("Mirel-Edit 1.5.4"));
    for (const char* option : {"--run MACRO", "--dry-run", "--check MACRO", "--help", "--version", "Exit status"})
        EXPECT_TRUE(HelpText().contains(QLatin1String(option))) << option;
}
