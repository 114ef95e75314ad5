#include "html/TidyRules.h"
#include "html/TidyRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

TEST(TidyRules, OnlyALowerCaseLineWithDigitsNamesALine)
{
    const struct {
        const char* entry;
        std::optional<int> line;
    } cases[] = {
        {"line 12 column 1 - Warning: <blink> is not approved", 12},
        {"line 7", 7},
        {"line 3x", 3},
        {"line 99999999999999999999 column 1", INT_MAX},
        {"Line 12 column 1 - Warning", std::nullopt},
        {"Info: line 12", std::nullopt},
        {"line  12", std::nullopt},
        {"line x", std::nullopt},
        {"line ", std::nullopt},
        {"line 0 column 1", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TidyMessageLine(QString::fromUtf8(c.entry)), c.line) << c.entry;
    EXPECT_TRUE(NamesTidyLine(u"line x"));
    EXPECT_FALSE(NamesTidyLine(u"Line 1"));
}

TEST(TidyRules, OptionsSplitLikeShellWordsBeforeTheInput)
{
    const struct {
        const char* text;
        QStringList words;
    } cases[] = {
        {"-ascii --indent yes", {"-ascii", "--indent", "yes"}},
        {"  -f  'my errors.txt'\t", {"-f", "my errors.txt"}},
        {R"(--alt-text "say \"hi\" \\ \n" a\ b '' x)", {"--alt-text", R"(say "hi" \ \n)", "a b", "", "x"}},
        {"'$HOME;rm' `x` \"open", {"$HOME;rm", "`x`", "open"}},
        {"trailing\\", {"trailing"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitOptionWords(QString::fromUtf8(c.text)), c.words) << c.text;
    EXPECT_EQ(TidyArguments(QStringLiteral("-q"), QStringLiteral("/a b/-x.html")),
              (QStringList{"-q", "/a b/-x.html"}));
}

TEST(TidyRules, OutputNameIsNeverTheInput)
{
    const auto never = [](const QString&) { return false; };
    EXPECT_EQ(TidyOutputBase("/w/index.html", never), "/w/index");
    EXPECT_EQ(TidyOutputBase("/w/x - tidy.html", never) + kTidyOutputSuffix, "/w/x - tidy - tidy.html");
    EXPECT_EQ(TidyOutputBase("/w.d/page", never), "/w.d/page");
    EXPECT_EQ(TidyOutputBase("/w/.profile", never), "/w/.profile");
    EXPECT_EQ(TidyOutputBase("/w/a.b.htm", never), "/w/a.b");

    // A link named like the output leads to the input.
    QTemporaryDir dir;
    const QString input = dir.filePath("y.html");
    QFile(input).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(input, dir.filePath("y - tidy.html")));
    EXPECT_EQ(TidyOutputBase(input, [&](const QString& p) { return IsSameFile(p, input); }),
              dir.filePath("y - tidy"));
}

TEST(TidyRules, ProgramWidthAndMessageLines)
{
    const auto only = [](const char* name) { return [=](const QString& p) { return p == QLatin1String(name); }; };
    EXPECT_EQ(TidyProgramIn("/t/", only("/t/tidy")), "/t/tidy");
    EXPECT_EQ(TidyProgramIn("/t/", only("/t/tidy.exe")), "/t/tidy.exe");
    EXPECT_EQ(TidyProgramIn("/t/", only("/u/tidy")), "");
    EXPECT_EQ(TidyProgramIn("", only("tidy")), "");

    EXPECT_EQ(WidenedWindowWidth(426, 420, {100, 420}), 426);
    EXPECT_EQ(WidenedWindowWidth(426, 420, {100, 600, 500}), 426 + 180 + 5);

    EXPECT_EQ(TidyMessageLines("a\r\nb\rc\n\nd\n"), (QStringList{"a", "b", "c", "", "d"}));
    EXPECT_EQ(TidyMessageLines(""), QStringList());
    EXPECT_EQ(TidyStoppedEntry(60000), "Tidy did not end within 60 seconds and was stopped.");
}
