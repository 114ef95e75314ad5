// SPDX-License-Identifier: GPL-3.0-or-later
// What a file holds beyond the editor's reach is told at open, and a save
// that would change the file's encoding or drop its content asks first.
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QTest>

namespace {

class KeptOnSaveTest : public MainFormTest {};

TEST_F(KeptOnSaveTest, OpenTellsWhatIsKeptAndSaveAsksBeforeChangingTheFile)
{
    const QByteArray table = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard before\\par"
                             "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row\\pard after\\par}";
    const struct {
        const char* name;
        QByteArray bytes;
        MsgKind noticeKind;
        QString notice;   // %1 is the path; empty: no box at open
        QString question;   // asked at the first save; empty: none
        QByteArray savedStart;   // the file after a Yes begins with these bytes
    } cases[] = {
        {"stray.txt", "caf\xC3\xA9 na\xC3\xAFve \xFF\xFE\n", MsgKind::Information,
         QStringLiteral("%1 is not valid UTF-8; 2 bytes that are not are kept as they are."), QString(),
         "\xE4\xB8\xAD"
         "caf\xC3\xA9 na\xC3\xAFve \xFF\xFE\n"},
        {"latin.txt", "caf\xE9\n", MsgKind::Information, QString(),
         QStringLiteral("%1\nholds characters that Windows-1252 cannot store. Save it as UTF-8?"),
         "\xE4\xB8\xAD"
         "caf\xC3\xA9\n"},
        {"table.rtf", table, MsgKind::Warning,
         QStringLiteral("%1 holds tables or pictures that this editor cannot keep; saving it will drop them."),
         QStringLiteral("%1\nholds tables or pictures that this editor cannot keep. Save it without them?"), "{\\rtf1"},
    };
    for (const auto& c : cases) {
        for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
            if (c.question.isEmpty() && answer == MsgAnswer::No)
                continue;
            SCOPED_TRACE(testing::Message() << c.name << ", answer " << MsgAnswerName(answer).toStdString());
            const QString path = WriteFile(QString::fromLatin1(c.name), c.bytes);
            if (!c.notice.isEmpty())
                Expect(c.noticeKind, c.notice.arg(path), MsgButtons::Ok, MsgAnswer::Ok);
            CreateAndShow({path});
            ASSERT_EQ(form().Session().State().CurrentFile, path);
            edit().SetSelStart(0);
            // A key that types a character Windows-1252 lacks.
            QTest::sendKeyEvent(QTest::Click, edit().viewport(), Qt::Key_unknown, QStringLiteral("中"), Qt::NoModifier);
            ASSERT_TRUE(edit().Modified());

            if (!c.question.isEmpty())
                Expect(MsgKind::Confirmation, c.question.arg(path), MsgButtons::YesNo, answer);
            form().Save1Click();
            if (answer == MsgAnswer::No) {
                EXPECT_EQ(ReadFile(path), c.bytes) << "no means no save";
                EXPECT_TRUE(edit().Modified());
            } else {
                const QByteArray saved = ReadFile(path);
                EXPECT_TRUE(saved.startsWith(c.savedStart)) << saved.left(60).toStdString();
                EXPECT_FALSE(saved.contains("\\trowd"));
                EXPECT_FALSE(edit().Modified());
                // Asked once: the next save writes without a word.
                QTest::keyClicks(edit().viewport(), QStringLiteral("x"));
                form().Save1Click();
                EXPECT_FALSE(edit().Modified());
            }
            fake.prompts.VerifyAllShown();
            TearDown();
        }
    }
}

}   // namespace
