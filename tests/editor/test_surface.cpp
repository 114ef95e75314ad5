// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RichEdit.h"
#include "editor/TextCodec.h"
#include "platform/AppError.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>

namespace {

class SurfaceTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    TRichEdit edit;
};

}   // namespace

TEST_F(SurfaceTest, LineBreakIsOnePositionInsideAndCrLfOutside)
{
    edit.SetText(QStringLiteral("ab\r\ncd\nef\rgh"));
    EXPECT_EQ(edit.Text(), QStringLiteral("ab\r\ncd\r\nef\r\ngh"));
    EXPECT_EQ(edit.LineCount(), 4);
    EXPECT_EQ(edit.TextLength(), 11);   // 8 letters + 3 breaks of one position
    EXPECT_EQ(edit.Line(2), QStringLiteral("ef"));
    EXPECT_EQ(edit.LineIndex(1), 3);
    EXPECT_EQ(edit.LineIndex(3), 9);
    EXPECT_EQ(edit.LineIndex(4), -1);
    EXPECT_EQ(edit.LineFromChar(2), 0);   // the break belongs to its line
    EXPECT_EQ(edit.LineFromChar(3), 1);
    EXPECT_EQ(edit.LineFromChar(10), 3);

    edit.SetSelStart(1);
    edit.SetSelLength(4);   // "b", break, "cd"
    EXPECT_EQ(edit.SelStart(), 1);
    EXPECT_EQ(edit.SelLength(), 4);
    EXPECT_EQ(edit.SelText(), QStringLiteral("b\r\ncd"));
}

TEST_F(SurfaceTest, SelectionStartPlacesCaretAndReplaceLeavesCaretAfter)
{
    edit.SetText(QStringLiteral("hello world"));
    edit.SetSelStart(6);
    edit.SetSelLength(5);
    edit.SetSelStart(2);
    EXPECT_EQ(edit.SelLength(), 0) << "setting the start drops the selection";

    edit.SetSelStart(6);
    edit.SetSelLength(5);
    edit.ReplaceSelection(QStringLiteral("there\r\nall"));
    EXPECT_EQ(edit.Text(), QStringLiteral("hello there\r\nall"));
    EXPECT_EQ(edit.SelStart(), 15);
    EXPECT_EQ(edit.SelLength(), 0);

    edit.SetSelStart(1000);
    EXPECT_EQ(edit.SelStart(), edit.TextLength()) << "positions beyond the end are clamped";
}

TEST_F(SurfaceTest, SelectionChangeFiresForProgramMovesOnly_WhenSomethingMoved)
{
    edit.SetText(QStringLiteral("abc"));
    int count = 0;
    QObject::connect(&edit, &TRichEdit::SelectionChange, [&] { ++count; });
    edit.SetSelStart(1);
    EXPECT_EQ(count, 1);
    edit.SetSelStart(1);
    EXPECT_EQ(count, 1) << "no move, no event";
    edit.SetSelLength(2);
    EXPECT_EQ(count, 2);
}

TEST_F(SurfaceTest, ModifiedFlagAndUndoBuffer)
{
    edit.SetText(QStringLiteral("abc"));
    edit.SetModified(false);
    edit.EmptyUndoBuffer();
    EXPECT_FALSE(edit.CanUndo());
    edit.SetSelStart(3);
    edit.ReplaceSelection(QStringLiteral("d"));
    EXPECT_TRUE(edit.Modified());
    EXPECT_TRUE(edit.CanUndo());
    edit.UndoStep();
    EXPECT_EQ(edit.Text(), QStringLiteral("abc"));

    edit.ReplaceSelection(QStringLiteral("x"));
    edit.EmptyUndoBuffer();
    EXPECT_FALSE(edit.CanUndo());
    edit.UndoStep();
    EXPECT_EQ(edit.Text(), QStringLiteral("abcx")) << "after emptying, nothing is undone";
}

TEST_F(SurfaceTest, UndoStepsAndRevisionFollowEditsUndoAndRedo)
{
    edit.SetText(QStringLiteral("abc"));
    edit.EmptyUndoBuffer();
    enum Steps { Same, More, Fewer, None };
    struct Step {
        const char* name;
        std::function<void()> act;
        Steps undoSteps;
        bool newRevision;
    };
    const auto typeAt = [&](int pos, const char* text) {
        edit.SetSelStart(pos);
        edit.ReplaceSelection(QString::fromLatin1(text));
    };
    const Step steps[] = {
        {"nothing", [] {}, None, false},
        {"typed", [&] { typeAt(3, "x"); }, More, true},
        {"typed elsewhere", [&] { typeAt(0, "y"); }, More, true},
        {"caret moved", [&] { edit.SetSelStart(2); }, Same, false},
        {"undone", [&] { edit.UndoStep(); }, Fewer, true},
        {"redone", [&] { edit.RedoStep(); }, More, true},
        {"history emptied", [&] { edit.EmptyUndoBuffer(); }, None, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const int revision = edit.Revision();
        const int undoSteps = edit.UndoSteps();
        step.act();
        switch (step.undoSteps) {
        case Same: EXPECT_EQ(edit.UndoSteps(), undoSteps); break;
        case More: EXPECT_GT(edit.UndoSteps(), undoSteps); break;
        case Fewer: EXPECT_LT(edit.UndoSteps(), undoSteps); break;
        case None: EXPECT_EQ(edit.UndoSteps(), 0); break;
        }
        EXPECT_EQ(edit.Revision() != revision, step.newRevision);
    }
}

TEST_F(SurfaceTest, FindHonoursStartRangeCaseAndWholeWord)
{
    edit.SetText(QStringLiteral("Cat category cat\r\nconcat cat_x CAT"));
    EXPECT_EQ(edit.FindText(QStringLiteral("cat"), 0, -1, false, false), 0);
    EXPECT_EQ(edit.FindText(QStringLiteral("cat"), 0, -1, true, false), 4);
    EXPECT_EQ(edit.FindText(QStringLiteral("cat"), 1, -1, false, true), 13);
    EXPECT_EQ(edit.FindText(QStringLiteral("cat"), 14, -1, false, true), 30)
        << "concat and cat_x are not the whole word";
    EXPECT_EQ(edit.FindText(QStringLiteral("CAT"), 0, -1, true, true), 30);
    EXPECT_EQ(edit.FindText(QStringLiteral("cat"), 14, 10, false, false), 20) << "found inside the range";
    EXPECT_EQ(edit.FindText(QStringLiteral("CAT"), 0, 30, true, false), -1)
        << "a match ending beyond the range does not count";
    EXPECT_EQ(edit.FindText(QStringLiteral("dog"), 0, -1, false, false), -1);
    EXPECT_EQ(edit.FindText(QString(), 0, -1, false, false), -1);
}

TEST_F(SurfaceTest, FindMatchesAcrossLineBreaks)
{
    edit.SetText(QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_EQ(edit.FindText(QStringLiteral("one\r\ntwo"), 0, -1, true, false), 0);
    EXPECT_EQ(edit.FindText(QStringLiteral("o\nth"), 0, -1, true, false), 6);
    // The cached text follows edits.
    edit.SetSelStart(0);
    edit.ReplaceSelection(QStringLiteral("zero "));
    EXPECT_EQ(edit.FindText(QStringLiteral("two"), 0, -1, true, false), 9);
}

TEST_F(SurfaceTest, PlainModeKeepsTextWhenSwitchingModes)
{
    edit.SetText(QStringLiteral("line 1\r\nline 2"));
    edit.SetModified(true);
    edit.SetPlainTextMode(false);
    EXPECT_FALSE(edit.IsPlainText());
    edit.SetSelStart(0);
    edit.SetSelLength(4);
    edit.SetSelBold(true);
    EXPECT_TRUE(edit.SelAttributes().bold);
    edit.SetPlainTextMode(true);
    EXPECT_EQ(edit.Text(), QStringLiteral("line 1\r\nline 2"));
    edit.SetSelStart(0);
    edit.SetSelLength(4);
    EXPECT_FALSE(edit.SelAttributes().bold) << "plain text carries no formats";
    EXPECT_TRUE(edit.Modified()) << "switching modes keeps the modified flag";
}

TEST_F(SurfaceTest, ParagraphAlignmentIndentsAndTabs)
{
    edit.SetPlainTextMode(false);
    edit.SetText(QStringLiteral("a\r\nb"));
    edit.SetSelStart(3);
    edit.SetParaAlignment(AlignCenterCode);
    EXPECT_EQ(edit.ParaAlignment(), AlignCenterCode);
    edit.SetParaAlignment(AlignRightCode);
    EXPECT_EQ(edit.ParaAlignment(), AlignRightCode);
    edit.SetSelStart(0);
    EXPECT_EQ(edit.ParaAlignment(), AlignLeftCode) << "only the caret's paragraph changed";
    edit.SetLeftIndent(20);
    edit.SetFirstIndent(-10);
    edit.SetTabs({36, 72});
    EXPECT_EQ(edit.LeftIndent(), 20);
    EXPECT_EQ(edit.FirstIndent(), -10);
    ASSERT_EQ(edit.TabCount(), 2);
    EXPECT_EQ(edit.Tab(1), 72);
}

// Opening and saving an unchanged plain document gives back its bytes.
TEST_F(SurfaceTest, PlainRoundTripKeepsBytes)
{
    const QList<QByteArray> samples = {
        QByteArray("plain ascii\r\nsecond line\r\n"),
        QByteArray("lf only\nno final break"),
        QByteArray("cr only\rline\r"),
        QByteArray("\xEF\xBB\xBFwith bom \xC3\xA4\xC3\xB6\r\n\r\n"),
        QByteArray("utf-8 \xE2\x82\xAC and \xF0\x9F\x98\x80 emoji\n"),
        QByteArray("windows-1252 \x80 \xE4\xF6\xFC \x81\x8D\x8F\x90\x9D \xFF\r\n"),
        QByteArray(""),
        QByteArray("\n\n\n"),
        QByteArray("tabs\tand  blanks  \r\n\t\r\n"),
    };
    int n = 0;
    for (const QByteArray& bytes : samples) {
        const QString in = Write(QStringLiteral("in%1.txt").arg(n), bytes);
        const QString out = dir.filePath(QStringLiteral("out%1.txt").arg(n));
        ++n;
        edit.LoadFromFile(in);
        EXPECT_FALSE(edit.Modified());
        EXPECT_FALSE(edit.CanUndo());
        edit.SaveToFile(out);
        EXPECT_EQ(Read(out).toHex().toStdString(), bytes.toHex().toStdString()) << "sample " << n - 1;
    }
}

TEST_F(SurfaceTest, EditedDocumentKeepsItsEncodingAndBreaks)
{
    const QString path = Write(QStringLiteral("a.txt"), QByteArray("caf\xE9\nbar\n"));
    edit.LoadFromFile(path);
    EXPECT_EQ(edit.Line(0), QStringLiteral("caf\u00e9"));
    edit.SetSelStart(edit.TextLength());
    edit.ReplaceSelection(QStringLiteral("na\u00efve\r\n"));
    edit.SaveToFile(path);
    EXPECT_EQ(Read(path), QByteArray("caf\xE9\nbar\nna\xEFve\n"));

    EXPECT_FALSE(edit.NeedsWiderEncoding());

    // A character the code page lacks: the save refuses rather than lose it
    // or change the encoding unasked, and leaves the file as it was.
    edit.ReplaceSelection(QStringLiteral("\u4e2d\n"));
    EXPECT_TRUE(edit.NeedsWiderEncoding());
    try {
        edit.SaveToFile(path);
        ADD_FAILURE() << "saved";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), path + QStringLiteral(": It holds characters that Windows-1252 cannot store."));
    }
    EXPECT_EQ(Read(path), QByteArray("caf\xE9\nbar\nna\xEFve\n"));
    EXPECT_EQ(edit.StoredFormat().encoding, TextEncoding::Windows1252);
    // Taken out again, the text fits once more.
    edit.UndoStep();
    EXPECT_FALSE(edit.NeedsWiderEncoding());
    edit.ReplaceSelection(QStringLiteral("\u4e2d\n"));
    EXPECT_TRUE(edit.NeedsWiderEncoding());

    // Asked for, UTF-8 it is; the breaks stay.
    edit.UseUtf8Encoding();
    EXPECT_FALSE(edit.NeedsWiderEncoding());
    edit.SaveToFile(path);
    EXPECT_EQ(Read(path), QByteArray("caf\xC3\xA9\nbar\nna\xC3\xAFve\n\xE4\xB8\xAD\n"));
    EXPECT_EQ(edit.StoredFormat(), (TextFormat{TextEncoding::Utf8, LineBreakStyle::Lf}));

    // A UTF-8 file never needs more; nor does rich text.
    edit.UseUtf8Encoding();
    EXPECT_EQ(edit.StoredFormat().encoding, TextEncoding::Utf8);
    edit.SetStoredFormat({TextEncoding::Windows1252, LineBreakStyle::Lf});
    edit.SetPlainTextMode(false);
    EXPECT_FALSE(edit.NeedsWiderEncoding());
}

TEST_F(SurfaceTest, FailedSaveKeepsOldFileAndThrows)
{
    // A full disk fails the last buffered bytes of a small text and every
    // piece of a large one; either way the old file stays.
    for (const int length : {3, 3 << 20}) {
        FullDisk disk;
        const QString path = disk.Path(QStringLiteral("doc.txt"));
        disk.Put(QStringLiteral("doc.txt"), "old content\r\n");
        disk.Fill();
        edit.SetText(QString(length, QLatin1Char('n')));
        try {
            edit.SaveToFile(path);
            ADD_FAILURE() << "a save onto a full disk reported success, length " << length;
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), path + QStringLiteral(": ") + disk.Reason());
        }
        EXPECT_EQ(Read(path), QByteArray("old content\r\n"));
        EXPECT_EQ(QDir(disk.Path(QString())).entryList(QDir::Files | QDir::Hidden).size(), disk.Mounted() ? 2 : 1)
            << "no stray temporary file";
    }

    // A name too long for a temporary file of the same name beside it.
    const QString path = dir.filePath(QString(250, QLatin1Char('d')) + QStringLiteral(".txt"));
    edit.SetText(QStringLiteral("long name"));
    edit.SaveToFile(path);
    EXPECT_EQ(Read(path), QByteArray("long name"));
}

TEST_F(SurfaceTest, LoadingMissingOrFolderThrows)
{
    edit.SetText(QStringLiteral("keep me"));
    EXPECT_THROW(edit.LoadFromFile(dir.filePath(QStringLiteral("nope.txt"))), AppError);
    EXPECT_THROW(edit.LoadFromFile(dir.path()), AppError);
    EXPECT_EQ(edit.Text(), QStringLiteral("keep me"));
}

TEST_F(SurfaceTest, BadInputLoadsWithoutCrashing)
{
    // NUL bytes and invalid UTF-8: read as 8-bit text, every byte kept.
    QByteArray garbage("a\0b\xC3\x28\xFF\xFE\0\r\nz", 11);
    const QString path = Write(QStringLiteral("garbage.bin"), garbage);
    edit.LoadFromFile(path);
    EXPECT_EQ(edit.StoredFormat().encoding, TextEncoding::Windows1252);
    EXPECT_EQ(edit.LineCount(), 2);
    const QString out = dir.filePath(QStringLiteral("garbage.out"));
    edit.SaveToFile(out);
    EXPECT_EQ(Read(out), garbage);

    // One 10 MB line.
    QByteArray big(10 * 1024 * 1024, 'x');
    const QString bigPath = Write(QStringLiteral("big.txt"), big);
    edit.LoadFromFile(bigPath);
    EXPECT_EQ(edit.TextLength(), big.size());
    EXPECT_EQ(edit.LineCount(), 1);
    EXPECT_EQ(edit.FindText(QStringLiteral("y"), 0, -1, true, false), -1);
}

TEST(TextCodec, Utf8Validation)
{
    EXPECT_TRUE(IsValidUtf8(QByteArray("plain")));
    EXPECT_TRUE(IsValidUtf8(QByteArray("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80")));
    EXPECT_FALSE(IsValidUtf8(QByteArray("\xC3")));   // truncated
    EXPECT_FALSE(IsValidUtf8(QByteArray("\xC0\xAF")));   // overlong
    EXPECT_FALSE(IsValidUtf8(QByteArray("\xED\xA0\x80")));   // surrogate
    EXPECT_FALSE(IsValidUtf8(QByteArray("\xF4\x90\x80\x80")));   // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8(QByteArray("caf\xE9")));
}

TEST(TextCodec, Windows1252CoversEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = DecodeWindows1252(all);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0x81), QChar(0x81));
    const auto back = EncodeWindows1252(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_FALSE(EncodeWindows1252(QStringLiteral("\u0080")).has_value())
        << "U+0080 is not the byte 0x80, which stands for the euro sign";
}
