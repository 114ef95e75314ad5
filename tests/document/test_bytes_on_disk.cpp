// SPDX-License-Identifier: GPL-3.0-or-later
// What a document takes on disk: the line breaks a new one gets, and the
// size the status bar shows for it.
#include "app/StatusBar.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QFileInfo>
#include <QTest>

namespace {

class BytesOnDiskTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    // Keys as the user types them into the editor.
    void Type(const QString& text)
    {
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(edit().InputWidget(), char(c.unicode()));
            else   // no key code of its own in QTest: the key with its text
                QTest::sendKeyEvent(QTest::Click, edit().InputWidget(), Qt::Key(c.toUpper().unicode()), QString(c),
                                    Qt::NoModifier);
        }
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(edit().InputWidget(), key, modifiers);
    }
    // Ctrl+S on an unnamed document: Save As, answered with that name.
    void SaveAsWithKeys(const QString& path)
    {
        fake.prompts.ExpectSaveDialog([path](FileDialogState& s) {
            s.fileName = path;
            s.filterIndex = 7;
            return true;
        });
        Press(Qt::Key_S, Qt::ControlModifier);
    }
    QString SizePanel() { return form().Ui().StatusBar->Panel(0).text; }
    static QString SizeText(qint64 bytes) { return QStringLiteral("Filesize: %1 bytes").arg(bytes); }
};

}   // namespace

TEST_F(BytesOnDiskTest, NewDocumentsGetLineFeedsAndFilesKeepTheirOwnBreaks)
{
    Type(QStringLiteral("one"));
    Press(Qt::Key_Return);
    Type(QStringLiteral("two"));
    SaveAsWithKeys(TempPath(QStringLiteral("new.txt")));
    EXPECT_EQ(ReadFile(TempPath(QStringLiteral("new.txt"))), QByteArray("one\ntwo"));

    // A file read from disk keeps its breaks; Close (Ctrl+F4) then starts
    // a new document with this platform's.
    const QString dos = WriteFile(QStringLiteral("dos.txt"), "a\r\nb");
    form().OpenNamed(dos);
    Press(Qt::Key_End, Qt::ControlModifier);
    Press(Qt::Key_Return);
    Type(QStringLiteral("c"));
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadFile(dos), QByteArray("a\r\nb\r\nc"));

    Press(Qt::Key_F4, Qt::ControlModifier);
    ASSERT_TRUE(form().Session().State().CurrentFile.isEmpty());
    Type(QStringLiteral("x"));
    Press(Qt::Key_Return);
    Type(QStringLiteral("y"));
    SaveAsWithKeys(TempPath(QStringLiteral("after-close.txt")));
    EXPECT_EQ(ReadFile(TempPath(QStringLiteral("after-close.txt"))), QByteArray("x\ny"));
}

TEST_F(BytesOnDiskTest, FileSizeIsTheFilesBytesInItsEncodingAndBreaks)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"lf.txt", "ab\ncd\n"},
        {"crlf.txt", "ab\r\ncd\r\n"},
        {"cr.txt", "ab\rcd\r"},
        {"utf8.txt", "gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80\n"},
        {"bom.txt", "\xEF\xBB\xBF\xC3\xA4\r\n"},
        {"cp1252.txt", "caf\xE9 \x80\r\n"},
        {"empty.txt", ""},
    };
    for (const auto& f : files) {
        form().OpenNamed(WriteFile(QString::fromLatin1(f.name), f.bytes));
        EXPECT_EQ(SizePanel(), SizeText(f.bytes.size())) << f.name;
    }

    // Typed text counts in the file's encoding: two bytes for each "é" in
    // UTF-8, one for the LF.
    form().OpenNamed(WriteFile(QStringLiteral("typed.txt"), "x\n"));
    Press(Qt::Key_End, Qt::ControlModifier);
    Type(QStringLiteral("\u00e9\u00e9"));
    Press(Qt::Key_Return);
    EXPECT_EQ(SizePanel(), SizeText(7));
    // Delete moves no caret and still counts.
    Press(Qt::Key_Home, Qt::ControlModifier);
    Press(Qt::Key_Delete);
    QTRY_COMPARE(SizePanel(), SizeText(6));
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QFileInfo(form().Session().State().CurrentFile).size(), 6);
}

TEST_F(BytesOnDiskTest, LongDocumentsRecountOnlyOnceTypingPauses)
{
    const QByteArray line = QByteArray(99, 'a') + '\n';
    const QString path = WriteFile(QStringLiteral("long.txt"), line.repeated(2000));
    form().OpenNamed(path);
    ASSERT_EQ(SizePanel(), SizeText(200000));

    Press(Qt::Key_End, Qt::ControlModifier);
    Type(QStringLiteral("\u00e9"));
    EXPECT_EQ(SizePanel(), SizeText(200000)) << "no recount on the keystroke itself";
    Type(QStringLiteral("\u00e9"));
    QTRY_COMPARE(SizePanel(), SizeText(200004));
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QFileInfo(path).size(), 200004);
}
