// What a document takes on disk: the line breaks a new one gets.
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
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
                QTest::keyClick(edit().View(), char(c.unicode()));
            else   // no key code of its own in QTest: the key with its text
                QTest::sendKeyEvent(QTest::Click, edit().View(), Qt::Key(c.toUpper().unicode()), QString(c),
                                    Qt::NoModifier);
        }
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(edit().View(), key, modifiers);
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
};

} // namespace

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
    ASSERT_TRUE(form().Doc.CurrentFile.isEmpty());
    Type(QStringLiteral("x"));
    Press(Qt::Key_Return);
    Type(QStringLiteral("y"));
    SaveAsWithKeys(TempPath(QStringLiteral("after-close.txt")));
    EXPECT_EQ(ReadFile(TempPath(QStringLiteral("after-close.txt"))), QByteArray("x\ny"));
}
