// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/TidyRules.h"
#include "html/TidyRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

TEST(TidyRules, OnlyALowerCaseLineWithDigitsNamesALine)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"line 12 column 1 - Warning: <blink>", 12},
        {"line 3x", 3},
        {"line 99999999999999999999", INT_MAX},
        {"Line 12 column 1", std::nullopt},
        {"Info: line 12", std::nullopt},
        {"line  12", std::nullopt},
        {"line x", std::nullopt},
        {"line ", std::nullopt},
        {"line 0 column 1", std::nullopt},
    };
    for (const auto& [entry, line] : cases)
        EXPECT_EQ(TidyMessageLine(QString::fromUtf8(entry)), line) << entry;
    EXPECT_EQ(TidyMessageLines("a\r\nb\rc\n\nd\n"), (QStringList{"a", "b", "c", "", "d"}));
}

TEST(TidyRules, OptionsSplitLikeShellWords)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"  -ascii --indent\tyes ", {"-ascii", "--indent", "yes"}},
        {R"(-f 'my $x;' "say \"hi\" \\ \n" a\ b '' `x` "open)",
         {"-f", "my $x;", R"(say "hi" \ \n)", "a b", "", "`x`", "open"}},
        {"trailing\\", {"trailing"}},
    };
    for (const auto& [text, words] : cases)
        EXPECT_EQ(SplitOptionWords(QString::fromUtf8(text)), words) << text;
}

TEST(TidyRules, OutputNameIsNeverTheInput)
{
    // Only a dot inside the file name, and not a leading one, ends B.
    const auto never = [](const QString&) { return false; };
    EXPECT_EQ(TidyOutputBase("/w.d/page", never), "/w.d/page");
    EXPECT_EQ(TidyOutputBase("/w/.profile", never), "/w/.profile");
    EXPECT_EQ(TidyOutputBase("/w/a.b.htm", never), "/w/a.b");

    // A link named like the output leads to the input.
    QTemporaryDir dir;
    const QString input = dir.filePath("y.html");
    QFile(input).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(input, dir.filePath("y - tidy.html")));
    EXPECT_EQ(TidyOutputBase(input, [&](const QString& p) { return IsSameFile(p, input); }), dir.filePath("y - tidy"));
}

TEST(TidyRules, ResultEndsWithWhyTidyWasStoppedThenANoteOfEditsMeanwhile)
{
    const QByteArray file = "line 1 column 1 - x\nInfo: y\n";
    const QString limit = QStringLiteral("Tidy did not end within 2.5 seconds and was stopped.");
    const std::tuple<TidyEnd, bool, QStringList> cases[] = {
        {TidyEnd::Finished, false, {"line 1 column 1 - x", "Info: y"}},
        {TidyEnd::Finished, true, {"line 1 column 1 - x", "Info: y", kTidyDocumentChanged}},
        {TidyEnd::TimedOut, false, {"line 1 column 1 - x", "Info: y", limit}},
        {TidyEnd::Stopped, true, {"line 1 column 1 - x", "Info: y", kTidyStoppedByUser, kTidyDocumentChanged}},
        {TidyEnd::NotStarted, false, {"line 1 column 1 - x", "Info: y"}},
    };
    for (const auto& [end, changed, entries] : cases)
        EXPECT_EQ(TidyResultEntries(file, end, 2500, changed), entries) << int(end) << changed;
    // The added entries take nobody anywhere.
    for (const QString& added : {limit, kTidyStoppedByUser, kTidyDocumentChanged})
        EXPECT_FALSE(NamesTidyLine(added)) << added.toStdString();
}

TEST(TidyRules, ErrorWindowSitsAboveTheMainWindowWholeOnTheScreenClearOfItsBars)
{
    const QRect screen(0, 0, 1280, 1000);   // available part
    struct Case {
        const char* what;
        QSize frame;
        QRect main;
        int barsBottom;
        QRect expected;
    };
    const Case cases[] = {
        {"room above", {430, 280}, {100, 400, 600, 400}, 470, {100, 120, 430, 280}},
        {"exactly room above", {430, 280}, {100, 280, 600, 400}, 350, {100, 0, 430, 280}},
        {"main at the top: below its bars", {430, 280}, {100, 0, 600, 500}, 70, {100, 70, 430, 280}},
        {"little room above: below its bars", {430, 280}, {100, 100, 600, 500}, 170, {100, 170, 430, 280}},
        {"bars near the bottom: up as far as it must", {430, 280}, {100, 0, 600, 1000}, 900, {100, 720, 430, 280}},
        {"main off the left", {430, 280}, {-300, 500, 600, 400}, 570, {0, 220, 430, 280}},
        {"main off the right", {430, 280}, {1100, 500, 600, 400}, 570, {850, 220, 430, 280}},
        {"wider than the screen", {1500, 280}, {300, 500, 600, 400}, 570, {0, 220, 1280, 280}},
        {"taller than the screen", {430, 1200}, {100, 300, 600, 400}, 370, {100, 0, 430, 1000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TidyErrorsFrame(c.frame, c.main, c.barsBottom, screen), c.expected) << c.what;
    // A screen that does not start at 0 (a panel on top, a second screen).
    EXPECT_EQ(TidyErrorsFrame({430, 280}, {1400, 30, 600, 400}, 100, QRect(1280, 30, 1024, 738)),
              QRect(1400, 100, 430, 280));
}
