// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/Escapes.h"
#include "macro/MacroState.h"

#include <gtest/gtest.h>

namespace {
std::string Decode(const char* text)
{
    return DecodeEscapes(QString::fromUtf8(text)).toStdString();
}
}   // namespace

TEST(DecodeEscapes, TheFourEscapes)
{
    EXPECT_EQ(Decode("a\\tb"), "a\tb");
    EXPECT_EQ(Decode("a\\sb"), "a b");
    EXPECT_EQ(Decode("a\\\\b"), "a\\b");
    EXPECT_EQ(Decode("a\\nb"), "a\r\nb");
    EXPECT_EQ(Decode("\\t\\s\\n\\\\"), "\t \r\n\\");
}

TEST(DecodeEscapes, DecodedCharactersAreNotDecodedAgain)
{
    // backslash backslash t: the pair gives one backslash, then a plain t
    EXPECT_EQ(Decode("\\\\t"), "\\t");
    EXPECT_EQ(Decode("\\\\\\t"), "\\\t");
    EXPECT_EQ(Decode("\\\\n"), "\\n");
    EXPECT_EQ(Decode("\\\\\\\\"), "\\\\");
}

TEST(DecodeEscapes, UnpairedBackslashesPassUnchanged)
{
    EXPECT_EQ(Decode("\\"), "\\");
    EXPECT_EQ(Decode("abc\\"), "abc\\");
    EXPECT_EQ(Decode("\\x\\T\\N\\S"), "\\x\\T\\N\\S");   // capitals are not escapes
    EXPECT_EQ(Decode("C:\\temp\\new"), "C:\temp\r\new");
    EXPECT_EQ(Decode(""), "");
}

TEST(DecodeEscapes, EscapeTypedCharIsItsInverse)
{
    const QString typed = QStringLiteral("if (a)\t{ b\\c; }\r\n");
    QString escaped;
    for (QChar c : typed) {
        if (c == QLatin1Char('\n'))
            continue;   // Enter arrives as one character
        escaped += EscapeTypedChar(c);
    }
    EXPECT_EQ(escaped.toStdString(), "if\\s(a)\\t{\\sb\\\\c;\\s}\\n");
    EXPECT_EQ(DecodeEscapes(escaped), typed);
}

TEST(MacroState, RecordCommandFlushesPendingTextFirst)
{
    MacroState m;
    m.PendingText = QStringLiteral("ab");
    m.RecordCommand(QStringLiteral("Bold On"));
    EXPECT_TRUE(m.MacroLines.isEmpty()) << "nothing is recorded while not recording";
    EXPECT_EQ(m.PendingText, QStringLiteral("ab"));

    m.IsRecording = true;
    m.RecordCommand(QStringLiteral("Bold On"));
    m.RecordCommand(QStringLiteral("Copy"));
    EXPECT_EQ(m.MacroLines, (QStringList{"Insert ab", "Bold On", "Copy"}));
    EXPECT_TRUE(m.PendingText.isEmpty());
}

TEST(MacroState, UndoTakesBackPendingTextThenLines)
{
    MacroState m;
    m.IsRecording = true;
    m.MacroLines = {QStringLiteral("Copy"), QStringLiteral("Paste")};
    m.PendingText = QStringLiteral("abc");
    m.UndoRecorded();
    EXPECT_TRUE(m.PendingText.isEmpty());
    EXPECT_EQ(m.MacroLines.size(), 2);
    m.UndoRecorded();
    m.UndoRecorded();
    m.UndoRecorded();
    EXPECT_TRUE(m.MacroLines.isEmpty());
}
