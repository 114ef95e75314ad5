// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/Markers.h"
#include "tests/markers/MarkerTestUtil.h"

#include <gtest/gtest.h>

#include <climits>

TEST(MarkerLabel, CleansTheLineText)
{
    // Two spaces, a, tab, b, space, ampersand, two spaces, c.
    EXPECT_EQ(MakeMarkerLabel(11, QStringLiteral("  a\tb &  c")), QStringLiteral("12, ab && c"));
    EXPECT_EQ(MakeMarkerLabel(0, QStringLiteral("a     b\t\t\tc")), QStringLiteral("1, a bc"));
    // The tab goes, but the blanks around it were never neighbours.
    EXPECT_EQ(MakeMarkerLabel(0, QStringLiteral("a \t b")), QStringLiteral("1, a  b"));
    EXPECT_EQ(MakeMarkerLabel(2, QStringLiteral("\x01\r\t x y \x1f\t")), QStringLiteral("3, x y"));
    // The last character is never walked, so a final ampersand stays single.
    EXPECT_EQ(MakeMarkerLabel(0, QStringLiteral("&&x&")), QStringLiteral("1, &&&&x&"));
    // A break inside would make a second marker when the file is read back.
    EXPECT_EQ(MakeMarkerLabel(0, QStringLiteral("a\r2, b\nc")), QStringLiteral("1, a 2, b c"));
}

TEST(MarkerLabel, NothingLeftGivesLineNumber)
{
    EXPECT_EQ(MakeMarkerLabel(4, QString()), QStringLiteral("Line 5"));
    EXPECT_EQ(MakeMarkerLabel(4, QStringLiteral(" \t\x02 ")), QStringLiteral("Line 5"));
    EXPECT_EQ(MakeMarkerLabel(INT_MAX - 1, QString()), QStringLiteral("Line 2147483647"));
}
