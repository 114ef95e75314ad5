// SPDX-License-Identifier: GPL-3.0-or-later
// Long lines are held in pieces (editor/LinePieces.h). Nothing outside the
// editor may see a seam: positions, lines, text, undo and the keys at a
// seam behave as if the line were one block.
#include "editor/LinePieces.h"
#include "editor/RichEdit.h"
#include "editor/TextCodec.h"
#include "editor/TextReplica.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

namespace {

QString CrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

class LongLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.SetPieceLength(8);
        edit.resize(300, 200);
        edit.show();
        edit.setFocus();
    }
    QWidget* view() { return edit.InputWidget(); }

    // Every operation that counts positions and lines, against the text the
    // editor should hold; and no block longer than a piece may grow.
    void ExpectSurface(const QString& model, const char* where, int longestBlock = 32)
    {
        SCOPED_TRACE(where);
        ASSERT_EQ(edit.Text().toStdString(), CrLf(model).toStdString());
        ASSERT_EQ(edit.TextLength(), model.size());
        const QStringList lines = model.split(QLatin1Char('\n'));
        ASSERT_EQ(edit.LineCount(), lines.size());
        int start = 0;
        for (int i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(edit.Line(i), lines[i]) << "line " << i;
            ASSERT_EQ(edit.LineIndex(i), start) << "line " << i;
            for (int p = start; p <= start + lines[i].size(); p += 3)
                ASSERT_EQ(edit.LineFromChar(p), i) << "position " << p;
            start += lines[i].size() + 1;
        }
        for (int b = 0; b < edit.BlockCount(); ++b)
            ASSERT_LE(edit.BlockLength(b), longestBlock) << "block " << b << " too long";
    }
    int Blocks() const { return edit.BlockCount(); }

    TRichEdit edit;
};

}   // namespace

TEST(LinePieceCuts, PreferABlankAndNeverSplitACharacter)
{
    const struct {
        const char16_t* run;
        qsizetype room;
        qsizetype cut;
    } cases[] = {
        {u"abcdefgh", 4, 4},
        {u"ab cdefgh", 4, 3},   // after the blank
        {u"abc\U0001F600xyz", 4, 3},   // the pair stays whole
        {u"abce\u0301fg", 4, 3},   // the accent stays with its letter
        {u"\U0001F600xyz", 1, 2},   // at least one whole character
        {u"abc", 10, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PieceCut(QStringView(c.run), c.room), c.cut) << QString::fromUtf16(c.run).toStdString();
}

TEST_F(LongLineTest, PositionsLinesAndTextCountPastSeams)
{
    const QString model = QStringLiteral("short\nabcdefghijklmnopqrstuvwxyz 0123456789 ABCDEFGHIJKLMNOP\n\nend");
    edit.SetText(model);
    ExpectSurface(model, "set");
    EXPECT_GT(Blocks(), edit.LineCount()) << "the long line is in pieces";

    // Each selection of a table, set and read back through the surface.
    for (const auto& [start, length] : {std::pair{8, 20}, {6, 0}, {20, 1}, {0, 70}, {50, 30}}) {
        edit.SetSelStart(start);
        edit.SetSelLength(length);
        EXPECT_EQ(edit.SelStart(), start);
        EXPECT_EQ(edit.SelLength(), std::min<int>(length, model.size() - start));
        EXPECT_EQ(edit.SelText(), CrLf(model.mid(start, length)));
        EXPECT_EQ(edit.TextRange(start, length), edit.SelText());
    }
    EXPECT_EQ(edit.CharAt(14), model.at(14));
    EXPECT_EQ(edit.FindText(QStringLiteral("ijklmnopqrstuvw"), 0, -1, true, false), model.indexOf(u"ijklmnopqrstuvw"));
    EXPECT_EQ(edit.FindText(QStringLiteral("OP\r\n\r\nend"), 0, -1, true, false), model.indexOf(u"OP\n\nend"));

    // Copying a selection across seams gives the text without them.
    edit.SetSelStart(10);
    edit.SetSelLength(30);
    edit.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), model.mid(10, 30));
}

TEST_F(LongLineTest, BlockOperationsSeeThePiecesAsTheyAre)
{
    const QString first = QStringLiteral("first");
    const QString line = QStringLiteral("0123456789abcdefghijklmnopqrstuv");
    edit.SetText(first + QLatin1Char('\n') + line + QStringLiteral("\nlast"));
    const int blocks = edit.BlockCount();
    ASSERT_GE(blocks, 5) << "the long line is held in pieces";
    // Blocks follow one another with one position between them, and hold
    // every character once.
    int characters = 0;
    for (int b = 0; b < blocks; ++b) {
        ASSERT_GE(edit.BlockLength(b), 0) << b;
        if (b > 0)
            EXPECT_EQ(edit.BlockStart(b), edit.BlockStart(b - 1) + edit.BlockLength(b - 1) + 1) << b;
        characters += edit.BlockLength(b);
    }
    EXPECT_EQ(edit.BlockStart(0), 0);
    EXPECT_EQ(edit.BlockLength(0), first.size());
    EXPECT_EQ(characters, edit.TextLength() - 2);
    for (const int none : {-1, blocks})
        EXPECT_TRUE(edit.BlockStart(none) == -1 && edit.BlockLength(none) == -1) << none;

    // Both sides of a seam are the same text position; a selection beyond
    // the blocks is clamped to them.
    struct Case {
        const char* name;
        int anchor;
        int position;
        int selStart;
        int selLength;
    };
    const int seam = edit.BlockStart(2) - 1;   // after the line's first piece
    const int seamText = first.size() + 1 + edit.BlockLength(1);
    const Case cases[] = {
        {"before the seam", seam, seam, seamText, 0},
        {"after the seam", seam + 1, seam + 1, seamText, 0},
        {"across the seam, backwards", seam + 2, seam - 1, seamText - 1, 2},
        {"beyond both ends", -5, 1 << 20, 0, edit.TextLength()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit.SetBlockSelection(c.anchor, c.position);
        EXPECT_EQ(edit.SelStart(), c.selStart);
        EXPECT_EQ(edit.SelLength(), c.selLength);
    }
}

TEST_F(LongLineTest, KeysAtASeamWorkOnTheCharacterBeyondIt)
{
    // Pieces of 8 characters here, cut at blanks where there are some: the
    // line is "0123456789abcdefghijklmnopqrstuv" without any.
    const QString line = QStringLiteral("0123456789abcdefghijklmnopqrstuv");
    const auto seamAfterFirstPiece = [&] { return edit.BlockLength(0); };
    struct Case {
        const char* name;
        bool atPieceStart;   // else at the end of the piece before
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int caretMove;   // from the seam
        int removed;   // -1 the one before the seam, 1 the one after, 0 none
    };
    const Case cases[] = {
        {"backspace", true, Qt::Key_Backspace, Qt::NoModifier, -1, -1},
        {"delete", false, Qt::Key_Delete, Qt::NoModifier, 0, 1},
        {"right", false, Qt::Key_Right, Qt::NoModifier, 1, 0},
        {"left", true, Qt::Key_Left, Qt::NoModifier, -1, 0},
        {"shift+right", false, Qt::Key_Right, Qt::ShiftModifier, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit.SetText(line);
        const int seam = seamAfterFirstPiece();
        ASSERT_LT(seam, line.size());
        const int at = seam + (c.atPieceStart ? 1 : 0);
        edit.SetBlockSelection(at, at);
        ASSERT_EQ(edit.CaretPosition(), seam);
        QTest::keyClick(view(), c.key, c.modifiers);
        QString expected = line;
        if (c.removed != 0)
            expected.remove(c.removed < 0 ? seam - 1 : seam, 1);
        EXPECT_EQ(edit.Text(), expected);
        EXPECT_EQ(edit.CaretPosition(), seam + c.caretMove);
        EXPECT_EQ(edit.SelLength(), c.modifiers & Qt::ShiftModifier ? 1 : 0);
    }

    // Enter inside a piece makes a real line whose pieces stay pieces, and
    // its undo leaves no break behind.
    edit.SetText(line);
    edit.SetSelStart(12);
    QTest::keyClick(view(), Qt::Key_Return);
    ExpectSurface(line.left(12) + QLatin1Char('\n') + line.mid(12), "enter");
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    ExpectSurface(line, "undone");

    // A removal from the start of a block that empties it: Qt drops that
    // block and the one after takes its place, with its own mark.
    const QString text = QStringLiteral("first\n") + line + QStringLiteral("\nlast");
    for (const auto& [block, extra, key] :
         {std::tuple{1, 2, Qt::Key_Backspace}, {2, 5, Qt::Key_X}, {3, 3, Qt::Key_Delete}}) {
        edit.SetText(text);
        const int from = edit.BlockStart(block);
        edit.SetBlockSelection(from, from + edit.BlockLength(block) + 1 + extra);
        const int start = edit.SelStart();
        const int length = edit.SelLength();
        QTest::keyClick(view(), key, key == Qt::Key_X ? Qt::ControlModifier : Qt::NoModifier);
        ExpectSurface(QString(text).remove(start, length), "removed from a block start");
        QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
        ExpectSurface(text, "removal undone");
    }
}

TEST_F(LongLineTest, RandomEditsUndoAndRedoKeepTheText)
{
    QRandomGenerator rng(17);
    QString model = QStringLiteral("first line\nab cd efghijklmnopqrstuvwxyz0123456789 long line\nx");
    edit.SetText(model);
    edit.SetModified(false);
    const QString initial = model;
    int caret = 0;
    edit.SetSelStart(0);
    // A copy kept from the changes alone (crash recovery's) follows along.
    edit.TrackChanges(true);
    TextReplica copy;
    int wholeTakes = 0;
    const auto expectCopy = [&](const QString& text, int step) {
        TextChanges changes = edit.TakeChanges();
        wholeTakes += changes.whole;
        copy.Apply(std::move(changes));
        ASSERT_EQ(CrLf(copy.Text().replace(QChar::ParagraphSeparator, QLatin1Char('\n'))).toStdString(),
                  CrLf(text).toStdString())
            << "step " << step;
    };
    for (int step = 0; step < 1000; ++step) {
        const int op = rng.bounded(9);
        const int length = int(model.size());
        if (op <= 1) {   // typing
            const char16_t c = u"ab xy"[rng.bounded(5)];
            QTest::keyClick(view(), char(c));
            model.insert(caret++, QChar(c));
        } else if (op == 2) {
            QTest::keyClick(view(), Qt::Key_Backspace);
            if (caret > 0)
                model.remove(--caret, 1);
        } else if (op == 3) {
            QTest::keyClick(view(), Qt::Key_Delete);
            model.remove(caret, 1);
        } else if (op == 4) {
            QTest::keyClick(view(), Qt::Key_Return);
            model.insert(caret++, QLatin1Char('\n'));
        } else if (op == 5) {
            const bool right = rng.bounded(2) == 1;
            QTest::keyClick(view(), right ? Qt::Key_Right : Qt::Key_Left);
            caret = std::clamp(caret + (right ? 1 : -1), 0, length);
        } else if (op == 6 && length > 0) {
            // A selection typed over, deleted or cut, often from the start of
            // a block: Qt drops a block that a removal empties.
            if (rng.bounded(2) == 1) {
                const int from = edit.BlockStart(rng.bounded(Blocks()));
                edit.SetBlockSelection(from, from);
            } else {
                edit.SetSelStart(rng.bounded(length));
            }
            if (edit.SelStart() == length)
                edit.SetSelStart(length - 1);
            const int start = edit.SelStart();
            const int n = 1 + rng.bounded(std::min(30, length - start));
            edit.SetSelLength(n);
            const int kind = rng.bounded(3);
            if (kind == 2)
                QTest::keyClick(view(), Qt::Key_X, Qt::ControlModifier);
            else
                QTest::keyClick(view(), kind == 0 ? Qt::Key_Q : Qt::Key_Backspace);
            model.replace(start, n, kind == 0 ? QStringLiteral("q") : QString());
            caret = start + (kind == 0 ? 1 : 0);
        } else if (op == 7) {   // pasted text with breaks and long runs
            const QString text = rng.bounded(2) ? QStringLiteral("PASTED0123456789PASTED0123456789")
                                                : QStringLiteral("p\nq r s t u v w x y z 0123\n");
            caret = rng.bounded(length + 1);
            edit.SetSelStart(caret);
            edit.ReplaceSelection(text);
            model.insert(caret, text);
            caret += text.size();
        } else if (op == 8) {
            // Joined lines and grown matches are held in pieces again.
            const bool join = rng.bounded(2) == 1;
            const QString from = join ? QStringLiteral("\n") : QStringLiteral("y");
            const QString to = join ? QString() : QStringLiteral("YYYYYYYYYYYYYYYYYYYY");
            edit.ReplaceAll(from, to, true, false);
            model.replace(from, to);
            caret = edit.CaretPosition();
        }
        // Typing may grow a piece; a replacement must not grow it further.
        ASSERT_NO_FATAL_FAILURE(ExpectSurface(model, "after an edit", 120)) << "step " << step << ", op " << op;
        ASSERT_EQ(edit.CaretPosition(), caret) << "step " << step << ", op " << op;
        if (rng.bounded(7) == 0)
            ASSERT_NO_FATAL_FAILURE(expectCopy(model, step));
    }
    EXPECT_GT(Blocks(), edit.LineCount()) << "the lines are in pieces";

    const QString final = model;
    int undone = 0;
    while (edit.CanUndo()) {
        edit.UndoStep();
        ++undone;
    }
    ExpectSurface(initial, "all undone", 120);
    expectCopy(initial, -1);
    for (int i = 0; i < undone; ++i)
        QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    ExpectSurface(final, "all redone", 120);
    expectCopy(final, -2);
    EXPECT_EQ(wholeTakes, 1) << "only the first copy is of the whole text";
}

TEST_F(LongLineTest, RichTextJoinsThePieces)
{
    const QString model = QStringLiteral("one two three four five six seven eight nine\nten");
    edit.SetText(model);
    edit.SetSelStart(20);
    edit.SetSelLength(10);
    edit.SetModified(true);
    ASSERT_GT(Blocks(), edit.LineCount());
    edit.SetPlainTextMode(false);
    EXPECT_EQ(Blocks(), 2);
    ExpectSurface(model, "rich", 100);
    EXPECT_EQ(edit.SelStart(), 20);
    EXPECT_EQ(edit.SelLength(), 10);
    EXPECT_TRUE(edit.Modified());
    EXPECT_FALSE(edit.CanUndo()) << "the history could bring seams back into rich text";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.rtf"));
    edit.SaveToFile(path);
    TRichEdit reader;
    reader.SetPlainTextMode(false);
    reader.LoadFromFile(path);
    EXPECT_EQ(reader.Text(), CrLf(model)) << "the RTF holds no seam";

    edit.SetPlainTextMode(true);
    EXPECT_GT(Blocks(), edit.LineCount()) << "plain again, in pieces again";
    ExpectSurface(model, "plain again");
}

TEST(LongLineFile, MegabytesOnOneLineRoundTripInPieces)
{
    // A long line of every kind of character, cut wherever the pieces fall,
    // comes back byte for byte in both encodings.
    QRandomGenerator rng(23);
    static const char* const kTokens[] = {"a", "b", " ", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "e\xCC\x81"};
    QByteArray utf8;
    while (utf8.size() < 3 * 1024 * 1024)
        utf8 += kTokens[rng.bounded(int(std::size(kTokens)))];
    utf8 += "\r\nsecond line\r\n";
    QByteArray eightBit = utf8;
    eightBit.replace("\xF0\x9F\x98\x80", "\x80\x81").replace("\xE2\x82\xAC", "\xE4").replace("\xC3\xA9", "\xE9");
    eightBit.replace("e\xCC\x81", "\xFF");
    QTemporaryDir dir;
    TRichEdit edit;
    for (const QByteArray& bytes : {utf8, eightBit}) {
        const QString in = dir.filePath(QStringLiteral("in.txt"));
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        QFile f(in);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
        f.close();
        edit.LoadFromFile(in);
        EXPECT_EQ(edit.LineCount(), 3);
        EXPECT_GT(edit.BlockCount(), 300);
        for (int b = 0; b < edit.BlockCount(); ++b)
            ASSERT_LE(edit.BlockLength(b), 2 * TRichEdit::kPieceLength);
        edit.SaveToFile(out);
        QFile back(out);
        ASSERT_TRUE(back.open(QIODevice::ReadOnly));
        EXPECT_TRUE(back.readAll() == bytes);
    }
}

TEST(LongLineDecode, FindsEachPieceWithoutReadingTheFileBeforeIt)
{
    // A file without line breaks whose bytes already decoded can no longer
    // be read: a search back to the start of the file would crash.
    EXPECT_EXIT(
        {
            const qsizetype page = sysconf(_SC_PAGESIZE);
            const qsizetype size = 64 * page;
            auto* memory =
                static_cast<char*>(mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
            std::memset(memory, 'x', size);
            const QByteArray bytes = QByteArray::fromRawData(memory, size);
            const TextFormat format = DetectFormat(bytes);
            qsizetype decoded = 0;
            DecodeInChunks(bytes, format, 4 * page, [&](QString&& piece) {
                decoded += piece.size();
                const qsizetype done = decoded / page * page;
                mprotect(memory, done, PROT_NONE);
            });
            std::exit(decoded == size ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(LongLineFile, ZerosWithoutBreaksOpenAsOneLineInPieces)
{
    // What a file made with truncate holds: it used to hang the editor.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zeros.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(8 * 1024 * 1024));
    f.close();
    TRichEdit edit;
    edit.SetWordWrap(true);
    edit.resize(400, 300);
    edit.show();
    edit.LoadFromFile(path);
    QApplication::processEvents();
    QTest::keyClick(edit.InputWidget(), Qt::Key_A);
    EXPECT_EQ(edit.LineCount(), 1);
    EXPECT_EQ(edit.TextLength(), 8 * 1024 * 1024 + 1);
    EXPECT_EQ(edit.Line(0).left(2), QStringLiteral("a") + QChar(0));
    for (int b = 0; b < edit.BlockCount(); ++b)
        ASSERT_LE(edit.BlockLength(b), 2 * TRichEdit::kPieceLength);
}

TEST(LongLineFile, TextBeyondTheLimitsIsRefusedBeforeAnythingChanges)
{
    QTemporaryDir dir;
    TRichEdit edit;
    edit.SetMaxLength(1000);
    edit.SetMaxLines(100);
    const struct {
        const char* name;
        QByteArray bytes;
        int length;   // -1: refused
        const char* message = "longer than 1000 characters";
    } cases[] = {
        {"at the limit", QByteArray(1000, 'x'), 1000},
        {"one more", QByteArray(1001, 'x'), -1},
        {"two bytes a character", QByteArray("\xC3\xA9").repeated(1000), 1000},
        {"CR LF is one position", QByteArray("a\r\n").repeated(99), 198},
        {"a pair counts two", QByteArray("\xF0\x9F\x98\x80").repeated(501), -1},
        {"eight-bit", QByteArray("\xE9").repeated(1001), -1},
        {"as many lines as allowed", QByteArray("\n").repeated(99), 99},
        {"one line more", QByteArray("\n").repeated(100), -1, "more than 100 lines"},
        {"lone CRs", QByteArray("\r").repeated(100), -1, "more than 100 lines"},
        {"paragraph separators are characters", QByteArray("\xE2\x80\xA9").repeated(100), 100},
        {"CRs in an LF file are characters", QByteArray("a\n\r").repeated(99), 297},
    };
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        edit.SetText(QStringLiteral("before"));
        if (c.length >= 0) {
            edit.LoadFromFile(path);
            EXPECT_EQ(edit.TextLength(), c.length);
            continue;
        }
        try {
            edit.LoadFromFile(path);
            ADD_FAILURE() << "opened";
        } catch (const std::exception& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QLatin1String(c.message))) << e.what();
        }
        EXPECT_EQ(edit.Text(), QStringLiteral("before"));
    }

    // Rich text: RTF paragraphs count as lines; escaped backslashes and
    // other words that begin alike do not.
    edit.SetPlainTextMode(false);
    const struct {
        const char* name;
        QByteArray body;
        bool opens;
    } rtf[] = {
        {"as many paragraphs as allowed", QByteArray("x\\par ").repeated(99), true},
        {"one paragraph more", QByteArray("x\\par ").repeated(100), false},
        {"rows, pages and sections", QByteArray("a\\row b\\page c\\sect\\par ").repeated(34), false},
        {"breaks as characters", QByteArray("\\'0a\\'0D\\u8233?\\u13 \\u-65526?").repeated(20), false},
        {"a backslash ending a line", QByteArray("x\\\n").repeated(100), false},
        {"not paragraphs",
         QByteArray("\\pard\\\\par \\partightenfactor0 \\{par\\line \\'e9\\u233?\\u-10?").repeated(60), true},
    };
    for (const auto& c : rtf) {
        SCOPED_TRACE(c.name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{\\rtf1\\ansi " + c.body + "}");
        f.close();
        edit.SetText(QStringLiteral("before"));
        try {
            edit.LoadFromFile(path);
            EXPECT_TRUE(c.opens) << "opened, " << edit.LineCount() << " lines";
        } catch (const std::exception& e) {
            EXPECT_FALSE(c.opens) << e.what();
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QLatin1String("more than 100 lines"))) << e.what();
            EXPECT_EQ(edit.Text(), QStringLiteral("before"));
        }
    }
    edit.SetPlainTextMode(true);

    // The length and the breaks counted without decoding are the decoded ones.
    QRandomGenerator rng(29);
    static const char* const kTokens[] = {"a",
                                          "\r\n",
                                          "\r",
                                          "\n",
                                          "\xC3\xA9",
                                          "\xE2\x82\xAC",
                                          "\xF0\x9F\x98\x80",
                                          "\xEF\xBB\xBF",
                                          "\xE2\x80\xA9",
                                          "\xEF\xB7\x90"};
    for (int round = 0; round < 100; ++round) {
        QByteArray bytes;
        for (int i = rng.bounded(30); i > 0; --i)
            bytes += kTokens[rng.bounded(int(std::size(kTokens)))];
        if (round % 4 == 0)
            bytes += '\xFF';   // read as Windows-1252
        const QString text = DecodeDocument(bytes).text;
        const qsizetype breaks = text.count(QLatin1Char('\n'));
        EXPECT_EQ(DecodedLength(bytes, DetectFormat(bytes)), text.size()) << bytes.toHex().toStdString();
        EXPECT_EQ(CountLineBreaks(bytes, DetectFormat(bytes)), breaks) << bytes.toHex().toStdString();
    }
}
