// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DroppedFiles.h"
#include "markers/MegaCheckListBox.h"
#include "tests/support/MainFormFixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {

class WatchTest : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }
    void Rewrite(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        ASSERT_TRUE(f.flush());
        // A modification time surely unlike the one read, however fast
        // the write followed the read.
        ASSERT_TRUE(f.setFileTime(f.fileTime(QFileDevice::FileModificationTime).addSecs(60),
                                  QFileDevice::FileModificationTime));
    }
    static QMimeData* Files(const QStringList& paths)
    {
        auto* mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        mime->setUrls(urls);
        return mime;
    }
};

}   // namespace

TEST_F(WatchTest, DeletedFileIsReportedOnceAndRecreatedFileAsked)
{
    const QString path = WriteFile(QStringLiteral("w.txt"), "one");
    form().OpenNamed(path);
    form().CheckFile();   // unchanged: silent
    QFile::remove(path);
    Expect(MsgKind::Warning, QStringLiteral("File was deleted!"), MsgButtons::Ok, MsgAnswer::Ok);
    form().CheckFile();
    form().CheckFile();   // only once
    fake.prompts.VerifyAllShown();

    Rewrite(path, "two");
    Expect(MsgKind::Warning, QStringLiteral("File was altered! Reload it?"), MsgButtons::YesNo, MsgAnswer::No);
    form().CheckFile();
    Expect(MsgKind::Warning, QStringLiteral("File was altered! Reload it?"), MsgButtons::YesNo, MsgAnswer::Yes);
    form().CheckFile();
    EXPECT_EQ(edit().Text(), QStringLiteral("two"));
    form().CheckFile();   // up to date again
}

TEST_F(WatchTest, ActivationRunsTheWatcher)
{
    const QString path = WriteFile(QStringLiteral("a.txt"), "one");
    form().OpenNamed(path);
    Rewrite(path, "changed");
    Expect(MsgKind::Warning, QStringLiteral("File was altered! Reload it?"), MsgButtons::YesNo, MsgAnswer::No);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    fake.prompts.VerifyAllShown();
}

TEST_F(WatchTest, ReloadAsksOnlyForModifiedDocumentsAndRestoresMarkers)
{
    const QString path = WriteFile(QStringLiteral("re.txt"), "a\r\nb\r\n");
    form().OpenNamed(path);
    form().Reload1Click();   // unmodified: nothing at all

    edit().ReplaceSelection(QStringLiteral("lost "));
    WriteFile(QStringLiteral("re.txt.lm"), "2, b\r\n");
    Expect(MsgKind::Warning, QStringLiteral("Reload file? All Changes will be lost!"), MsgButtons::YesNo,
           MsgAnswer::No);
    form().Reload1Click();
    EXPECT_TRUE(edit().Modified());
    Expect(MsgKind::Warning, QStringLiteral("Reload file? All Changes will be lost!"), MsgButtons::YesNo,
           MsgAnswer::Yes);
    form().Reload1Click();
    EXPECT_EQ(edit().Text(), QStringLiteral("a\r\nb\r\n"));
    EXPECT_FALSE(edit().Modified());
    EXPECT_EQ(form().Ui().CheckList->MarkerLabels.size(), 1);
    EXPECT_TRUE(form().Ui().CheckList->isVisible());
}

TEST_F(WatchTest, ReloadAfterSaveAsReadsTheSavedFile)
{
    const QString first = WriteFile(QStringLiteral("first.txt"), "first");
    form().OpenNamed(first);
    const QString second = TempPath(QStringLiteral("second.txt"));
    fake.prompts.ExpectSaveDialog([second](FileDialogState& s) {
        s.fileName = second;
        return true;
    });
    form().SaveAs1Click();
    Rewrite(second, "second on disk");
    edit().ReplaceSelection(QStringLiteral("x"));
    Expect(MsgKind::Warning, QStringLiteral("Reload file? All Changes will be lost!"), MsgButtons::YesNo,
           MsgAnswer::Yes);
    form().Reload1Click();
    EXPECT_EQ(form().Session().State().CurrentFile, second);
    EXPECT_EQ(edit().Text(), QStringLiteral("second on disk"));
}

TEST(DroppedFiles, TagsAndActions)
{
    EXPECT_EQ(DropActionFor(QStringLiteral("/web/img/logo.gif")), DropAction::ImageTag);
    EXPECT_EQ(DropActionFor(QStringLiteral("a.JPG")), DropAction::ImageTag);
    EXPECT_EQ(DropActionFor(QStringLiteral("photo.jpeg")), DropAction::Open);
    EXPECT_EQ(DropActionFor(QStringLiteral("picture.png")), DropAction::Open);
    EXPECT_EQ(DropActionFor(QStringLiteral("page.htm")), DropAction::LinkOrOpen);
    EXPECT_EQ(DropActionFor(QStringLiteral("README")), DropAction::Open);
    EXPECT_EQ(ImageTagFor(QStringLiteral("/web/img/logo.gif")), QStringLiteral("<img src=\"logo.gif\" alt=\"\" />"));
    EXPECT_EQ(LinkFor(QStringLiteral("/w/page.htm"), QStringLiteral("Home")),
              QStringLiteral("<a href=\"page.htm\">Home</a>"));
    // Names that Linux allows but that would break the tag.
    EXPECT_EQ(ImageTagFor(QStringLiteral("/w/a\"b<c>&d.gif")),
              QStringLiteral("<img src=\"a&quot;b&lt;c&gt;&amp;d.gif\" alt=\"\" />"));
    const QString longName = QString(300, QLatin1Char('n')) + QStringLiteral(".gif");
    EXPECT_TRUE(ImageTagFor(QStringLiteral("/deep/") + longName).contains(longName)) << "no 260-character cut";
}

TEST_F(WatchTest, DropsInsertTagsLinksOrOpen)
{
    const QString logo = WriteFile(QStringLiteral("logo.gif"), "GIF89a");
    form().Macro().IsRecording = true;
    form().FilesDropped({logo});
    form().Macro().IsRecording = false;
    EXPECT_EQ(edit().Text(), QStringLiteral("<img src=\"logo.gif\" alt=\"\" />"));
    EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("Insert <img src=\"logo.gif\" alt=\"\" />")});

    edit().SetText(QStringLiteral("Home"));
    edit().SelectAllText();
    const QString page = WriteFile(QStringLiteral("page.htm"), "<html></html>");
    Expect(MsgKind::Confirmation, QStringLiteral("Insert a link to this document?\n\"No\" opens the document."),
           MsgButtons::YesNoCancel, MsgAnswer::Yes);
    form().FilesDropped({page});
    EXPECT_EQ(edit().Text(), QStringLiteral("<a href=\"page.htm\">Home</a>"));

    edit().SetModified(false);
    Expect(MsgKind::Confirmation, QStringLiteral("Insert a link to this document?\n\"No\" opens the document."),
           MsgButtons::YesNoCancel, MsgAnswer::No);
    form().FilesDropped({page});
    EXPECT_EQ(form().Session().State().CurrentFile, page);

    const QString photo = WriteFile(QStringLiteral("photo.jpeg"), "jpeg bytes");
    const QString other = WriteFile(QStringLiteral("other.txt"), "other");
    form().FilesDropped({photo, other, logo});
    EXPECT_EQ(form().Session().State().CurrentFile, photo) << "only the first file counts";
}

TEST_F(WatchTest, DropOnModifiedDocumentCanBeCancelled)
{
    edit().ReplaceSelection(QStringLiteral("unsaved"));
    const QString text = WriteFile(QStringLiteral("t.txt"), "t");
    fake.prompts.ExpectSaveChanges(MsgAnswer::Cancel);
    form().FilesDropped({text});
    EXPECT_EQ(edit().Text(), QStringLiteral("unsaved"));
    EXPECT_TRUE(form().Session().State().CurrentFile.isEmpty());
}

TEST_F(WatchTest, RealDropEventsOnWindowAndEditorOpenTheFile)
{
    const QString path = WriteFile(QStringLiteral("dropped.txt"), "dropped text");
    std::unique_ptr<QMimeData> mime(Files({path}));
    const QPoint centre = edit().viewport()->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit().viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(centre), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit().viewport(), &drop);
    EXPECT_EQ(form().Session().State().CurrentFile, path);
    EXPECT_EQ(edit().Text(), QStringLiteral("dropped text")) << "not the file's address as text";

    const QString second = WriteFile(QStringLiteral("second.txt"), "second");
    std::unique_ptr<QMimeData> mime2(Files({second}));
    QDragEnterEvent enterWindow(QPoint(5, 5), Qt::CopyAction, mime2.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form(), &enterWindow);
    EXPECT_TRUE(enterWindow.isAccepted());
    QDropEvent onWindow(QPointF(5, 5), Qt::CopyAction, mime2.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form(), &onWindow);
    EXPECT_EQ(form().Session().State().CurrentFile, second);
}
