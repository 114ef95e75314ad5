// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-files list: its rules alone, then the submenus, the keys, the
// open road and the settings of the window.
#include "app/CommandMap.h"
#include "app/RecentFiles.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

namespace {

TEST(RecentFilesList, AddRemoveAndRestoreKeepTheNewestTenOncePerFile)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    const QString b = dir.filePath(QStringLiteral("b.txt"));
    QFile(a).open(QIODevice::WriteOnly);
    QFile::link(a, dir.filePath(QStringLiteral("link.txt")));
    const QString viaLink = dir.filePath(QStringLiteral("link.txt"));
    const QString viaDots = dir.filePath(QStringLiteral("sub/../a.txt"));
    const auto many = [&](int n) {
        QStringList out;
        for (int i = 0; i < n; ++i)
            out << dir.filePath(QStringLiteral("f%1").arg(i));
        return out;
    };

    struct Case {
        const char* what;
        std::function<void(RecentFiles&)> act;
        QStringList expected;
    };
    const Case cases[] = {
        {"newest first",
         [&](RecentFiles& r) {
             r.Add(a);
             r.Add(b);
         },
         {b, a}},
        {"again moves to the front",
         [&](RecentFiles& r) {
             r.Add(a);
             r.Add(b);
             r.Add(a);
         },
         {a, b}},
        {"a link names the same file",
         [&](RecentFiles& r) {
             r.Add(a);
             r.Add(b);
             r.Add(viaLink);
         },
         {viaLink, b}},
        {"dots name the same file",
         [&](RecentFiles& r) {
             r.Add(a);
             r.Add(viaDots);
         },
         {a}},
        {"at most ten",
         [&](RecentFiles& r) {
             for (const QString& p : many(12))
                 r.Add(p);
         },
         [&] {
             QStringList l = many(12).mid(2);
             std::reverse(l.begin(), l.end());
             return l;
         }()},
        {"removed however named",
         [&](RecentFiles& r) {
             r.Add(a);
             r.Add(b);
             r.Remove(viaLink);
         },
         {b}},
        {"removing what is not there",
         [&](RecentFiles& r) {
             r.Add(b);
             r.Remove(a);
         },
         {b}},
        {"cleared",
         [&](RecentFiles& r) {
             r.Add(a);
             r.Clear();
         },
         {}},
        {"restored in order",
         [&](RecentFiles& r) {
             r.Restore(b);
             r.Restore(a);
         },
         {b, a}},
        {"broken stored entries skipped",
         [&](RecentFiles& r) {
             r.Restore(QString());
             r.Restore(QStringLiteral("relative/x.txt"));
             r.Restore(a + QStringLiteral("\nx"));
             r.Restore(b);
             r.Restore(viaLink);   // a twin of no entry yet: kept
             r.Restore(a);   // its twin is there
         },
         {b, viaLink}},
        {"no more than ten restored",
         [&](RecentFiles& r) {
             for (const QString& p : many(11))
                 r.Restore(p);
         },
         many(10)},
        {"a missing file still counts by name",
         [&](RecentFiles& r) {
             r.Add(dir.filePath(QStringLiteral("gone.txt")));
             r.Add(dir.filePath(QStringLiteral("x/../gone.txt")));
         },
         {dir.filePath(QStringLiteral("gone.txt"))}},
    };
    for (const Case& c : cases) {
        RecentFiles recent;
        c.act(recent);
        EXPECT_EQ(recent.Paths(), c.expected) << c.what;
        EXPECT_LE(recent.Count(), RecentFiles::kMax) << c.what;
    }
}

TEST(RecentFilesList, MenuTextShortensHomeAndTheMiddle)
{
    struct Case {
        QString path;
        QString home;
        int maxLength;
        QString expected;
    };
    const Case cases[] = {
        {"/home/ann/notes.txt", "/home/ann", 60, "~/notes.txt"},
        {"/home/ann", "/home/ann", 60, "~"},
        {"/home/anna/notes.txt", "/home/ann", 60, "/home/anna/notes.txt"},
        {"/srv/notes.txt", "/", 60, "/srv/notes.txt"},
        {"/a/bbbbbbbbbb/cccccccccc/name.txt", "/home/ann", 20, "/a/bbbbb.../name.txt"},
        {"/a/b/averyveryverylongfilename.txt", "/x", 20, "/...longfilename.txt"},
    };
    for (const Case& c : cases) {
        const QString text = RecentFiles::Shortened(c.path, c.home, c.maxLength);
        EXPECT_EQ(text, c.expected) << c.path.toStdString();
        EXPECT_LE(text.size(), c.maxLength) << c.path.toStdString();
    }
    // The file name stays whole while it fits.
    const QString shortened = RecentFiles::Shortened(
        QStringLiteral("/x/") + QStringLiteral("d").repeated(80) + QStringLiteral("/report.txt"), QString(), 40);
    EXPECT_TRUE(shortened.endsWith(QStringLiteral("/report.txt")));
    EXPECT_TRUE(shortened.contains(QStringLiteral("...")));
}

class RecentFilesWindowTest : public MainFormTest {
protected:
    QMenu* Menu(const char* name) { return form().findChild<QMenu*>(QString::fromLatin1(name)); }
    // The entries of a submenu: the items before its separator.
    QList<QAction*> Entries(const char* name)
    {
        QList<QAction*> out;
        for (QAction* a : Menu(name)->actions()) {
            if (a->isSeparator())
                break;
            out << a;
        }
        return out;
    }
    QStringList Tooltips(const char* name)
    {
        QStringList out;
        for (QAction* a : Entries(name))
            out << a->toolTip();
        return out;
    }
    // The window started, and a.txt then b.txt opened: their paths.
    std::pair<QString, QString> OpenAThenB()
    {
        const QString a = WriteFile(QStringLiteral("a.txt"), "alpha");
        const QString b = WriteFile(QStringLiteral("b.txt"), "beta");
        CreateAndShow();
        form().OpenNamed(a);
        form().OpenNamed(b);
        return {a, b};
    }
};

TEST_F(RecentFilesWindowTest, OpenedAndSavedDocumentsListedInBothMenusWithAltKeys)
{
    const QString a = WriteFile(QStringLiteral("a.txt"), "alpha");
    const QString b = WriteFile(QStringLiteral("b&c.txt"), "beta");
    CreateAndShow();
    EXPECT_TRUE(Entries(kRecentFilesMenuMain).isEmpty());
    EXPECT_FALSE(Item(QStringLiteral("ClearRecentFiles2"))->isEnabled());
    form().OpenNamed(a);
    form().OpenNamed(b);
    EXPECT_EQ(Tooltips(kRecentFilesMenuMain), (QStringList{b, a}));
    EXPECT_EQ(Tooltips(kRecentFilesMenuContext), (QStringList{b, a}));
    const QList<QAction*> entries = Entries(kRecentFilesMenuMain);
    EXPECT_EQ(entries[0]->text(), RecentFiles::Shortened(b, QDir::homePath()).replace("&", "&&"));
    EXPECT_EQ(entries[0]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_1));
    EXPECT_EQ(entries[1]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_2));
    EXPECT_TRUE(Item(QStringLiteral("ClearRecentFiles1"))->isEnabled());

    // A save under a new name goes to the front as well.
    const QString c = TempPath(QStringLiteral("c.txt"));
    ASSERT_TRUE(form().SaveUnderNewName(c));
    EXPECT_EQ(Tooltips(kRecentFilesMenuMain), (QStringList{c, b, a}));

    // Alt+3 opens the third entry through Open.
    ASSERT_NE(ActivateForTyping(), nullptr);
    QTest::keyClick(&form(), Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(form().Session().State().CurrentFile, a);
    EXPECT_EQ(edit().Text(), QStringLiteral("alpha"));
    EXPECT_EQ(Tooltips(kRecentFilesMenuMain), (QStringList{a, c, b}));
    // Alt+0 is the tenth: none here, nothing happens.
    QTest::keyClick(&form(), Qt::Key_0, Qt::AltModifier);
    EXPECT_EQ(form().Session().State().CurrentFile, a);
}

TEST_F(RecentFilesWindowTest, ChoosingAnEntryGoesThroughOpenAndAMissingFileLeavesTheList)
{
    const auto [a, b] = OpenAThenB();

    // A modified document is asked about first; Cancel keeps it.
    edit().SetText(QStringLiteral("changed"));
    edit().SetModified(true);
    fake.prompts.ExpectSaveChanges(MsgAnswer::Cancel);
    Entries(kRecentFilesMenuContext)[1]->trigger();
    EXPECT_EQ(form().Session().State().CurrentFile, b);
    fake.prompts.ExpectSaveChanges(MsgAnswer::No);
    Entries(kRecentFilesMenuMain)[1]->trigger();
    EXPECT_EQ(form().Session().State().CurrentFile, a);
    EXPECT_EQ(form().windowTitle(), a);

    ASSERT_TRUE(QFile::remove(b));
    Expect(MsgKind::Error, QStringLiteral("File not found!"), MsgButtons::Ok, MsgAnswer::Ok);
    Entries(kRecentFilesMenuMain)[1]->trigger();
    EXPECT_EQ(form().Session().State().CurrentFile, a);
    EXPECT_EQ(Tooltips(kRecentFilesMenuMain), QStringList{a});
    EXPECT_EQ(Tooltips(kRecentFilesMenuContext), QStringList{a});
}

TEST_F(RecentFilesWindowTest, ListKeptAcrossStartsAndClearedForGood)
{
    const auto [a, b] = OpenAThenB();
    CloseAndRestart();
    EXPECT_EQ(Tooltips(kRecentFilesMenuMain), (QStringList{b, a}));
    EXPECT_EQ(form().Recent().Paths(), (QStringList{b, a}));

    Item(QStringLiteral("ClearRecentFiles2"))->trigger();
    EXPECT_TRUE(Entries(kRecentFilesMenuMain).isEmpty());
    EXPECT_TRUE(Entries(kRecentFilesMenuContext).isEmpty());
    EXPECT_FALSE(Item(QStringLiteral("ClearRecentFiles1"))->isEnabled());
    CloseAndRestart();
    EXPECT_TRUE(form().Recent().Paths().isEmpty());
}

TEST_F(RecentFilesWindowTest, BrokenStoredEntriesAreSkippedAndTheStartGoesOn)
{
    const QString a = WriteFile(QStringLiteral("a.txt"), "alpha");
    SettingsStore& store = fake.settingsFile;
    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    store.WriteInteger(QStringLiteral("RecentFile1"), 7);   // of another type
    store.WriteString(QStringLiteral("RecentFile2"), QStringLiteral("not/absolute.txt"));
    store.WriteString(QStringLiteral("RecentFile3"), a);
    store.WriteInteger(QStringLiteral("Zoom"), 100000);
    store.CloseKey();
    CreateAndShow();
    EXPECT_EQ(form().Recent().Paths(), QStringList{a});
    EXPECT_EQ(edit().Zoom(), TRichEdit::kZoomMax) << "read and clamped";
}

}   // namespace
