// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/MacroCheck.h"

#include <gtest/gtest.h>

namespace {
MacroFinding Error(int line, const char* message)
{
    return {line, FindingKind::Error, QString::fromUtf8(message)};
}
MacroFinding Warning(int line, const char* message)
{
    return {line, FindingKind::Warning, QString::fromUtf8(message)};
}
QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* line : lines)
        list << QString::fromUtf8(line);
    return list;
}
}   // namespace

TEST(MacroCheck, ARecordedMacroGetsEveryLineARunWouldRejectOrReadOtherwise)
{
    const QStringList lines = Lines({"Insert Dear\\sreader",
                                     "Underline On",
                                     "Delete",
                                     "Bold On",
                                     "AutoTab On",
                                     "",
                                     "Insrt x",
                                     "size big",
                                     "size",
                                     "replaceall abc",
                                     "moveleft",
                                     "PlainText On",
                                     "CloseFile",
                                     "RememberPos On",
                                     "size startsel",
                                     "bold on",
                                     "Frobnicate",
                                     "moveright 0x1F",
                                     "Replace a with b",
                                     "replace a with b c",
                                     "ReplaceAll a b with c",
                                     "replace a with b\\sc",
                                     "replace a\\sb c"});
    const std::vector<MacroFinding> expected = {
        Error(6, "blank line"),
        Error(7, "unknown command \"Insrt\"; did you mean \"insert\"?"),
        Error(8, "\"size\" needs a whole number, not \"big\""),
        Error(9, "\"size\" needs a whole number"),
        Error(10, "\"replaceall\" needs the find text, a blank and the replacement"),
        Warning(12, "\"PlainText\" toggles: the argument \"On\" is ignored"),
        Error(13, "\"closefile\" is not run without a window"),
        Error(17, "unknown command \"Frobnicate\""),
        Warning(20, "\"replace a with b c\" replaces \"a\" by \"b c\", but could also mean \"a\" by \"with b c\"; "
                    "write blanks inside the texts as \\s"),
        Warning(21, "\"ReplaceAll a b with c\" replaces \"a b\" by \"c\", but could also mean \"a\" by \"b with c\"; "
                    "write blanks inside the texts as \\s"),
    };
    EXPECT_EQ(CheckMacroLines(lines), expected);
    EXPECT_EQ(FindingText(QStringLiteral("fix.macro"), expected[1]),
              QStringLiteral("fix.macro:7: error: unknown command \"Insrt\"; did you mean \"insert\"?"));
}

TEST(MacroCheck, FailureReasonsFollowTheDocumentMode)
{
    EXPECT_EQ(LineFailureReason(QStringLiteral("bold on"), true),
              QStringLiteral("\"bold\" needs a rich-text document"));
    EXPECT_EQ(LineFailureReason(QStringLiteral("wordwrap"), false),
              QStringLiteral("\"wordwrap\" needs a plain-text document"));
    EXPECT_EQ(LineFailureReason(QStringLiteral("size x"), false),
              QStringLiteral("\"size\" needs a whole number, not \"x\""));
    EXPECT_EQ(LineFailureReason(QStringLiteral("  "), false), QStringLiteral("blank line"));
    EXPECT_EQ(LineFailureReason(QStringLiteral("print"), false), QStringLiteral("\"print\" failed"));
    EXPECT_EQ(NearestWord(QStringLiteral("SELCTALL"), {QStringLiteral("selectall"), QStringLiteral("select")}),
              QStringLiteral("selectall"));
    EXPECT_EQ(NearestWord(QStringLiteral("zzz"), {QStringLiteral("insert")}), std::nullopt);
}

TEST(MacroCheck, LinesARunWithoutAWindowRefusesAreErrors)
{
    const QStringList lines = Lines({"Exit", "print", "OpenFile", "openfile a.txt", "PrinterSetup", "savefile",
                                     "clearfile", "deletefile", "insert x", "savefile b.txt", "SaveFile", "savefile"});
    const std::vector<MacroFinding> expected = {
        Error(1, "\"exit\" is not run without a window"),
        Error(2, "\"print\" needs the print dialog, which a run without a window cannot show"),
        Error(3, "\"openfile\" needs the open dialog, which a run without a window cannot show"),
        Error(5, "\"printersetup\" needs the printer setup dialog, which a run without a window cannot show"),
        Error(6, "\"savefile\" before the end of the macro is not run without a window (each file is saved once "
                 "its run is over)"),
        Error(7, "\"clearfile\" is not run without a window"),
        Error(8, "\"deletefile\" is not run without a window"),
        Error(10, "\"savefile\" with a file name is not run without a window"),
    };
    EXPECT_EQ(CheckMacroLines(lines), expected);
    EXPECT_EQ(WindowlessRefusals(lines), expected);
}
