// SPDX-License-Identifier: GPL-3.0-or-later
// Side files that are not what they seem: the start-up with the document
// still ends, the markers are left out and the reason is told.
#include "markers/MegaCheckListBox.h"
#include "tests/support/MainFormFixture.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class SideFileTest : public MainFormTest {};

}   // namespace

TEST_F(SideFileTest, OnlyARegularFileOfSaneSizeIsRead)
{
    const struct {
        const char* kind;
        const char* reason;   // nothing: restored
    } cases[] = {{"pipe", "not a regular file"},
                 {"link to a device", "not a regular file"},
                 {"link to a folder", "not a regular file"},
                 {"sparse, above the limit", "larger than 64 MB"},
                 {"regular", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const QString document = WriteFile(QStringLiteral("doc.txt"), "one\r\ntwo\r\nthree\r\n");
        const QString side = MarkerFileName(document);
        QFile::remove(side);
        const QByteArray name = QFile::encodeName(side);
        const std::string kind = c.kind;
        if (kind == "pipe")
            ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "link to a device")
            ASSERT_EQ(::symlink("/dev/zero", name.constData()), 0);
        else if (kind == "link to a folder")
            ASSERT_EQ(::symlink(QFile::encodeName(dir.path()).constData(), name.constData()), 0);
        else
            WriteFile(QStringLiteral("doc.txt.lm"), "2, two\r\n");
        if (kind == "sparse, above the limit")   // a hole: no real data
            ASSERT_EQ(::truncate(name.constData(), kMaxMarkerFileBytes + 1), 0);
        if (c.reason)
            Expect(MsgKind::Error,
                   QStringLiteral("Line Markers could not be restored.\n%1: %2").arg(side, QLatin1String(c.reason)),
                   MsgButtons::Ok, MsgAnswer::Ok);
        CreateAndShow({document});
        EXPECT_TRUE(form().isVisible());
        EXPECT_EQ(form().Session().State().CurrentFile, document);
        EXPECT_EQ(form().Ui().CheckList->MarkerLabels,
                  c.reason ? QStringList() : QStringList{QStringLiteral("2, two")});
        TearDown();
        QFile::remove(side);
    }
}
