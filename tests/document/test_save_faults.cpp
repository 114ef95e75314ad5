// SPDX-License-Identifier: GPL-3.0-or-later
// The saved document and its marker file when the file changed between
// opening and saving: the save fails with a message naming the file, the
// old content stays, no temporary file is left, and the editor stays modified.
#include "markers/Markers.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class SaveFaultTest : public MainFormTest {};

enum class Fault { Folder, LinkToFolder, ReadOnlyFolder };

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Puts the fault in place of `path`; the old content stays readable at the
// returned path.
QString Break(const QString& path, Fault fault)
{
    const QString aside = path + QStringLiteral(".aside");
    if (fault == Fault::ReadOnlyFolder) {
        ::chmod(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), 0500);
        return path;
    }
    QDir().mkpath(aside);
    QFile::rename(path, aside + QStringLiteral("/old"));
    if (fault == Fault::Folder)
        QDir().rename(aside, path);
    else
        QFile::link(aside, path);
    return path + QStringLiteral("/old");
}

TEST_F(SaveFaultTest, DocumentAndMarkersThatChangedUnderTheEditorStayWhole)
{
    const struct {
        Fault fault;
        const char* reason;
    } cases[] = {{Fault::Folder, "Not a regular file"},
                 {Fault::LinkToFolder, "Not a regular file"},
                 {Fault::ReadOnlyFolder, "Permission denied"}};
    for (const auto& c : cases) {
        if (c.fault == Fault::ReadOnlyFolder && ::geteuid() == 0)
            continue;   // root writes anywhere
        for (const bool markers : {false, true}) {
            if (markers && c.fault == Fault::ReadOnlyFolder)
                continue;   // the document would fail first
            SCOPED_TRACE(testing::Message() << "fault " << int(c.fault) << (markers ? ", marker file" : ""));
            QTemporaryDir folder(dir.filePath(QStringLiteral("f-XXXXXX")));
            const QString path = folder.filePath(QStringLiteral("doc.txt"));
            const QString lm = MarkerFileName(path);
            {
                QFile f(path);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write("old text\r\n");
                QFile m(lm);
                ASSERT_TRUE(m.open(QIODevice::WriteOnly));
                m.write("1, old text\r\n");
            }
            Create({path});
            Show();
            QTest::keyClicks(edit().viewport(), QStringLiteral("new "));
            const QString broken = markers ? lm : path;
            const QString old = Break(broken, c.fault);
            const QStringList before = Entries(folder.path());
            if (markers) {
                // The document itself saves; its marker file cannot.
                Expect(MsgKind::Error,
                       QStringLiteral("Line Markers could not be saved.\n%1: %2").arg(lm, QLatin1String(c.reason)),
                       MsgButtons::Ok, MsgAnswer::Ok);
            } else {
                Expect(MsgKind::Error,
                       QStringLiteral("File could not be saved.\n%1: %2").arg(path, QLatin1String(c.reason)),
                       MsgButtons::Ok, MsgAnswer::Ok);
            }
            Item(QStringLiteral("Save1"))->trigger();
            ::chmod(QFile::encodeName(folder.path()).constData(), 0700);
            EXPECT_EQ(ReadFile(old), markers ? QByteArray("1, old text\r\n") : QByteArray("old text\r\n"));
            EXPECT_EQ(Entries(folder.path()), before) << "no stray temporary file";
            if (!markers)
                EXPECT_TRUE(edit().Modified());
            edit().SetModified(false);
            TearDown();
        }
    }
}

}   // namespace
