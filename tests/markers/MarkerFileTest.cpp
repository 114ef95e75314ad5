// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/Markers.h"
#include "tests/markers/MarkerTestUtil.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <sys/resource.h>

namespace {

class MarkerFileTest : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath(QStringLiteral("doc.txt.lm")); }

    MarkerFileContents Read(const QByteArray& bytes, int lineCount)
    {
        EXPECT_TRUE(WriteBytes(Path(), bytes));
        return ReadMarkerFile(Path(), lineCount);
    }

    QTemporaryDir dir;
};

}   // namespace

TEST(MarkerFileLine, NumberRules)
{
    EXPECT_EQ(ParseMarkerLine(QStringLiteral("7, foo")), 7);
    EXPECT_EQ(ParseMarkerLine(QStringLiteral("0012x")), 12);
    EXPECT_EQ(ParseMarkerLine(QStringLiteral("Line 12")), 12);
    EXPECT_EQ(ParseMarkerLine(QStringLiteral("Line -3")), -3);
    for (const char* bad : {"", "12", "abc", " 7, a", "Line", "Line ", "line 5", "Line 5x", "-3, a"})
        EXPECT_FALSE(ParseMarkerLine(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_FALSE(ParseMarkerLine(QStringLiteral("\u0663, x")).has_value());   // only ASCII digits

    // Numbers beyond 32 bits stay beyond any document instead of wrapping.
    EXPECT_GT(*ParseMarkerLine(QStringLiteral("4294967298, a")), INT_MAX);
    EXPECT_GT(*ParseMarkerLine(QStringLiteral("99999999999999999999999999, a")), INT_MAX);
    EXPECT_LT(*ParseMarkerLine(QStringLiteral("Line -99999999999999999999999")), 0);
}

TEST_F(MarkerFileTest, ReadsEveryLineBreakStyle)
{
    const QList<MarkerEntry> expected = {{0, QStringLiteral("1, a")}, {4, QStringLiteral("Line 5")}};
    for (const QByteArray& bytes : {QByteArray("1, a\r\nLine 5\r\n"), QByteArray("1, a\nLine 5\n"),
                                    QByteArray("1, a\rLine 5\r"), QByteArray("1, a\rLine 5"),
                                    QByteArray("\xEF\xBB\xBF"
                                               "1, a\r\nLine 5")})
        EXPECT_EQ(Read(bytes, 10).markers, expected) << bytes.toStdString();
    EXPECT_TRUE(Read(QByteArray(), 10).ok);
    // Bytes that are not UTF-8 are Windows-1252.
    EXPECT_EQ(Read("4, caf\xe9 \x80\r\n", 10).markers[0].label, QStringLiteral("4, caf\u00e9 \u20ac"));
}

TEST_F(MarkerFileTest, DropsMarkersOutsideTheDocument)
{
    const MarkerFileContents contents = Read("Line 0\r\n3, a\r\n50, b\r\n10, last\r\n11, beyond\r\n"
                                             "4294967298, wraps to 2\r\nLine -1\r\n2, kept\r\n",
                                             10);
    EXPECT_TRUE(contents.ok);
    const QList<MarkerEntry> expected = {
        {2, QStringLiteral("3, a")}, {9, QStringLiteral("10, last")}, {1, QStringLiteral("2, kept")}};
    EXPECT_EQ(contents.markers, expected);
}

TEST_F(MarkerFileTest, BadLineStopsAfterTheMarkersBeforeIt)
{
    const QList<MarkerEntry> before = {{1, QStringLiteral("2, a")}};
    for (const QByteArray& bad :
         {QByteArray("\r\n"), QByteArray("x, letter\r\n"), QByteArray("5\r\n"), QByteArray("\x00\x01\xff\r\n", 5)}) {
        const MarkerFileContents contents = Read("2, a\r\n" + bad + "4, c\r\n", 10);
        EXPECT_FALSE(contents.ok);
        EXPECT_EQ(contents.markers, before);
    }
    EXPECT_FALSE(ReadMarkerFile(dir.filePath(QStringLiteral("missing.lm")), 10).ok);
    EXPECT_FALSE(ReadMarkerFile(dir.path(), 10).ok);
}

TEST_F(MarkerFileTest, WritesCrLfAndReadsBack)
{
    const QStringList labels = {QStringLiteral("12, ab && c"), QStringLiteral("Line 5"),
                                QStringLiteral("3, \u00e9t\u00e9 \u2192 \U0001F600")};
    ASSERT_TRUE(WriteMarkerFile(Path(), labels));
    EXPECT_EQ(ReadBytes(Path()), (labels.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    QStringList read;
    for (const MarkerEntry& marker : ReadMarkerFile(Path(), 100).markers)
        read << marker.label;
    EXPECT_EQ(read, labels);
}

TEST_F(MarkerFileTest, FailedWriteKeepsTheOldFile)
{
    const QByteArray old = "1, old\r\n";
    ASSERT_TRUE(WriteBytes(Path(), old));
    QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    const QFileDevice::Permissions permissions = QFile::permissions(Path());

    // A file-size limit makes the write itself fail, even for root.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteMarkerFile(Path(), QStringList(100, QString(200, QLatin1Char('x'))));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(Path()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.txt.lm")});

    ASSERT_TRUE(WriteMarkerFile(Path(), {QStringLiteral("Line 1")}));
    EXPECT_EQ(QFile::permissions(Path()), permissions);

    // A file the owner may not write is left alone.
    QFile::setPermissions(Path(), QFileDevice::ReadOwner);
    EXPECT_FALSE(WriteMarkerFile(Path(), {QStringLiteral("Line 2")}));
    EXPECT_EQ(ReadBytes(Path()), QByteArray("Line 1\r\n"));
}
