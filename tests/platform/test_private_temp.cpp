// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrivateTemp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &st), 0);
    return st.st_mode & 0777;
}

}   // namespace

TEST(PrivateTemp, IsCreatedForThisUserOnlyAndTightenedWhenLoose)
{
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("mine/"));
    ASSERT_TRUE(EnsurePrivateFolder(folder));
    EXPECT_EQ(ModeOf(base.filePath(QStringLiteral("mine"))), 0700u);
    chmod(QFile::encodeName(base.filePath(QStringLiteral("mine"))).constData(), 0777);
    ASSERT_TRUE(EnsurePrivateFolder(folder)) << "an existing folder of ours is reused";
    EXPECT_EQ(ModeOf(base.filePath(QStringLiteral("mine"))), 0700u);
    EXPECT_TRUE(PrivateTempPath().startsWith(QDir::tempPath()));
    EXPECT_TRUE(PrivateTempPath().endsWith(QLatin1Char('/')));
}

TEST(PrivateTemp, PlantedLinkOrFileIsRefusedWithTheFolderNamed)
{
    QTemporaryDir base;
    const QString elsewhere = base.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    const QString link = base.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(elsewhere, link));
    QString error;
    EXPECT_FALSE(EnsurePrivateFolder(link + QLatin1Char('/'), &error));
    EXPECT_TRUE(error.contains(link)) << error.toStdString();

    const QString file = base.filePath(QStringLiteral("file"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(EnsurePrivateFolder(file, &error));
}
