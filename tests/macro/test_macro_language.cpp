// SPDX-License-Identifier: GPL-3.0-or-later
// The macro language without a window: lines of a file, the split into
// word and argument, placeholders, integers and the command table.
#include "macro/MacroCommands.h"
#include "macro/MacroFile.h"
#include "macro/MacroLanguage.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
QString S(const char* utf8)
{
    return QString::fromUtf8(utf8);
}
}   // namespace

TEST(MacroLinesFromBytes, EveryBreakStyleAndBothEncodings)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},   // mixed in one file
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},   // a blank line stays a line
        {"a\n\r\nb", {"a", "", "b"}},
        {"\xEF\xBB\xBFinsert x\r\n", {"insert x"}},   // byte-order mark dropped
        {"insert \xC3\xA4", {S("insert \xC3\xA4")}},   // valid UTF-8
        {"insert \xE4\x80", {S("insert \xC3\xA4\xE2\x82\xAC")}},   // else Windows-1252
    };
    for (const Case& c : cases)
        EXPECT_EQ(MacroLinesFromBytes(c.bytes), c.lines) << c.bytes.toStdString();
}

TEST(SplitMacroLine, TrimsFirstBlankAndFoldsOnlyAToZ)
{
    struct Case {
        const char* line;
        const char* word;
        std::optional<QString> argument;
    } cases[] = {
        {"Insert Hello", "insert", "Hello"},
        {"INSERT Hello", "insert", "Hello"},
        {"insert  x", "insert", " x"},   // further blanks belong to the argument
        {"\t  bold On \r\x01", "bold", "On"},   // codes 0 to 32 trimmed at both ends
        {"moveleft", "moveleft", std::nullopt},
        {"moveleft ", "moveleft", std::nullopt},   // trailing blank trimmed first
        {"", "", std::nullopt},
        {"   ", "", std::nullopt},
        {"find\ta b", "find\ta", "b"},   // only a blank splits
        {"\xC3\x84NDERN x", "\xC3\x84ndern", "x"},   // A umlaut is not folded
        {"replace a\\sb c", "replace", "a\\sb c"},
    };
    for (const Case& c : cases) {
        const MacroLine line = SplitMacroLine(S(c.line));
        EXPECT_EQ(line.word, S(c.word)) << c.line;
        EXPECT_EQ(line.argument, c.argument) << c.line;
    }
}

TEST(ExpandPlaceholders, OrderCaseAndValues)
{
    int selectionReads = 0;
    PlaceholderValues v;
    v.currentFile = S("C:\\temp\\a.txt");
    v.selection = [&] {
        ++selectionReads;
        return S("abc");
    };
    v.selStart = [] { return qint64(4); };
    v.selEnd = [] { return qint64(7); };
    struct Case {
        const char* argument;
        const char* expanded;
    } cases[] = {
        {"<b>selection</b>", "<b>abc</b>"},
        {"[Selection]", "[abc]"},
        {"SELECTIONselection", "abcabc"},
        {"filename", "C:\\temp\\a.txt"},
        {"myfilenames", "myC:\\temp\\a.txts"},   // also inside longer words
        {"startsel-endsel", "4-7"},
        {"StartSel endSEL", "4 7"},
        {"nothing here", "nothing here"},
        {"selectio", "selectio"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandPlaceholders(S(c.argument), v), S(c.expanded)) << c.argument;
    EXPECT_EQ(selectionReads, 3);   // only when the word occurs, once per expansion
}

TEST(ExpandPlaceholders, ValuesHoldingTheirOwnWordEnd)
{
    PlaceholderValues v;
    v.currentFile = S("/home/u/FileName.txt");
    v.selection = [] { return S("a Selection b"); };
    v.selStart = [] { return qint64(0); };
    v.selEnd = [] { return qint64(0); };
    // The file's own name holds the word: the word stays, as later steps see it.
    EXPECT_EQ(ExpandPlaceholders(S("filename"), v), S("filename"));
    EXPECT_EQ(ExpandPlaceholders(S("selection"), v), S("a Selection b"));
    EXPECT_EQ(ExpandPlaceholders(S("selection|selection"), v), S("a Selection b|a Selection b"));
    // Later steps do search the text earlier steps brought in.
    v.selection = [] { return S("from startsel"); };
    EXPECT_EQ(ExpandPlaceholders(S("selection"), v), S("from 0"));
    v.currentFile = S("/tmp/selection.txt");
    EXPECT_EQ(ExpandPlaceholders(S("filename"), v), S("/tmp/from 0.txt"));
}

TEST(ReadMacroInteger, DecimalHexSignsAndRange)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"5", 5},
        {"  42", 42},
        {"-3", -3},
        {"+7", 7},
        {"$1F", 31},
        {"$ff", 255},
        {"0x10", 16},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"$7FFFFFFF", 2147483647},
        {"2147483648", std::nullopt},
        {"$80000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"ff", std::nullopt},
        {"\t5", std::nullopt},
        {"\xEF\xBC\x95", std::nullopt},   // fullwidth digit five
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadMacroInteger(S(c.text)), c.value) << c.text;
}

TEST(MacroCommandTable, WordsArgumentsAndModes)
{
    QStringList words;
    for (const MacroCommand& c : MacroCommands()) {
        const QString word = QString::fromLatin1(c.word);
        EXPECT_EQ(word, LowerAscii(word));
        EXPECT_FALSE(words.contains(word)) << c.word;
        EXPECT_EQ(FindMacroCommand(word), &c);
        words << word;
    }
    EXPECT_EQ(words.size(), 37);
    // The words recordings write run as the commands they were recorded for.
    for (const auto& [recorded, runs] : {std::pair{"underline", "underlined"}, {"closefile", "clearfile"}})
        EXPECT_EQ(FindMacroCommand(S(recorded))->run, FindMacroCommand(S(runs))->run) << recorded;
    for (const char* word : {"Insert", ""})
        EXPECT_EQ(FindMacroCommand(S(word)), nullptr) << word;

    const auto check = [](const char* word, std::optional<QString> argument, bool plain) {
        return CheckMacroCall(*FindMacroCommand(S(word)), argument, plain);
    };
    EXPECT_EQ(check("size", S("12"), false), 12);
    EXPECT_EQ(check("size", std::nullopt, false), std::nullopt);
    EXPECT_EQ(check("startsel", S("x"), true), std::nullopt);
    EXPECT_EQ(check("moveleft", std::nullopt, true), 1) << "one press of the Left key";
    EXPECT_EQ(check("moveleft", S("3"), true), 3);
    EXPECT_EQ(check("replace", S("ab"), true), std::nullopt);
    EXPECT_EQ(check("replaceall", std::nullopt, true), std::nullopt);
    EXPECT_TRUE(check("replace", S("a\\sb c"), true));
    EXPECT_EQ(check("alignleft", std::nullopt, true), std::nullopt);
    EXPECT_TRUE(check("alignleft", std::nullopt, false));
    EXPECT_EQ(check("bold", S("on"), true), std::nullopt);
    EXPECT_EQ(check("underline", S("On"), true), std::nullopt);
    EXPECT_TRUE(check("underline", S("On"), false));
    EXPECT_EQ(check("wordwrap", std::nullopt, false), std::nullopt);
    EXPECT_TRUE(check("wordwrap", std::nullopt, true));
    EXPECT_TRUE(check("insert", std::nullopt, true));
}

TEST(MacroCommandHelpers, ReplacePairReadsRecordedAndHandWrittenLines)
{
    struct Case {
        const char* argument;
        std::optional<ReplacePair> pair;
    } cases[] = {
        {"a\\sb c d", ReplacePair{S("a\\sb"), S("c d")}},   // hand-written: the first blank
        {"a with b", ReplacePair{S("a"), S("b")}},   // recorded
        {"a b with c d", ReplacePair{S("a b"), S("c d")}},   // recorded texts holding blanks
        {"a with b with c", ReplacePair{S("a"), S("b with c")}},   // the first " with "
        {"a With b", ReplacePair{S("a"), S("With b")}},   // the recorder writes lower case
        {" x", ReplacePair{S(""), S("x")}},
        {"ab", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitReplacePair(S(c.argument)), c.pair) << c.argument;
}
