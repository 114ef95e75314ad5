// SPDX-License-Identifier: GPL-3.0-or-later
// Large documents move through the editor in pieces: decoding, the text
// read in place, encoding and the threaded write. Each piece boundary is a
// place where a character or a line break could be cut or lost.
#include "editor/DocumentText.h"
#include "editor/PipelinedWriter.h"
#include "editor/RichEdit.h"
#include "editor/TextCodec.h"
#include "platform/AppError.h"
#include "tests/support/TestFiles.h"

#include <QAbstractScrollArea>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <csignal>
#include <malloc.h>
#include <sys/resource.h>

namespace {

// Bytes made of characters of every UTF-8 length and line breaks of every
// style, or of CR LF alone (a file with mixed breaks is saved in the style
// of its first one).
QByteArray RandomUtf8(QRandomGenerator& rng, int tokens, bool mixedBreaks = true)
{
    // A byte-order mark or a line separator inside a file is text.
    static const char* const kTokens[] = {
        "a",   "Zq ", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xEF\xBB\xBF", "\xE2\x80\xA8", "\r\n", "\t",
        "<p>", "\r",  "\n"};
    const int count = int(std::size(kTokens)) - (mixedBreaks ? 0 : 2);
    QByteArray out;
    for (int i = 0; i < tokens; ++i)
        out += kTokens[rng.bounded(count)];
    return out;
}

QString Normalized(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Accepts a fixed number of bytes, then fails every write.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (written.size() + size > room_)
            return -1;
        written.append(data, size);
        return size;
    }

private:
    qint64 room_;
};

}   // namespace

TEST(ChunkedText, DecodingInPiecesEqualsDecodingTheWholeAndGivesBackEveryByte)
{
    // Stray bytes, a character of the kept-byte range, separators Qt
    // breaks lines at, NUL and a character cut short.
    const QByteArray odd[] = {"\xFF", "\xE9", "\xEF\x9C\x8D", "\xE2\x80\xA9", "\xEF\xB7\x91", QByteArray(1, '\0'),
                              "\xC3"};
    QRandomGenerator rng(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = RandomUtf8(rng, 1 + rng.bounded(60));
        for (int k = round % 4; k > 0; --k)
            bytes.insert(rng.bounded(bytes.size() + 1), odd[rng.bounded(int(std::size(odd)))]);
        const TextFormat format = DetectFormat(bytes);
        const QString whole = DecodeDocument(bytes).text;
        for (qsizetype chunk : {1, 2, 3, 5, 8, 13, 64}) {
            QString joined;
            DecodeInChunks(bytes, format, chunk, [&](QString&& piece) {
                EXPECT_FALSE(piece.isEmpty());
                joined += piece;
            });
            ASSERT_EQ(joined, whole) << "round " << round << ", pieces of " << chunk
                                     << " bytes: " << bytes.toHex().toStdString();
        }
        ASSERT_EQ(EncodeDocument(whole, format).toHex().toStdString(), bytes.toHex().toStdString())
            << "round " << round;
        if (round % 4 == 0 && !bytes.contains('\r') && !bytes.startsWith("\xEF\xBB\xBF"))
            EXPECT_EQ(whole, QString::fromUtf8(bytes).replace(QChar(0x2028), QChar(0xF728)));
    }
}

TEST(ChunkedText, MarksAndLineSeparatorsInsideTheTextStay)
{
    // A piece that opens with a byte-order mark: the mark is a character of
    // the text, not the file's mark. A line separator is kept as the
    // character that stands for it, which Qt does not break lines at.
    const QByteArray bytes("abcd\xEF\xBB\xBFx\xE2\x80\xA8y\r\n");
    QString joined;
    DecodeInChunks(bytes, DetectFormat(bytes), 4, [&](QString&& piece) { joined += piece; });
    EXPECT_EQ(joined, QStringLiteral("abcd\ufeffx\uf728y\n"));
    EXPECT_EQ(EncodeDocument(joined, DetectFormat(bytes)), bytes);
}

TEST(ChunkedText, FormatComesFromTheMostUsedBreakAndTheMark)
{
    // A tie goes to the style that comes first.
    EXPECT_EQ(DetectFormat("a\nb\r\n").breaks, LineBreakStyle::Lf);
    EXPECT_EQ(DetectFormat("a\r\nb\n").breaks, LineBreakStyle::CrLf);
    EXPECT_EQ(DetectFormat("a\rb\n").breaks, LineBreakStyle::Cr);
    EXPECT_EQ(DetectFormat("a\nb\r\nc\r\n").breaks, LineBreakStyle::CrLf);
    EXPECT_EQ(DetectFormat("a\rb\r\nc\nd\r\ne\n").breaks, LineBreakStyle::CrLf);
    EXPECT_EQ(DetectFormat("a\r\r\nb\r\n").breaks, LineBreakStyle::CrLf);
    EXPECT_EQ(DetectFormat("ends in cr\r").breaks, LineBreakStyle::Cr);
    EXPECT_EQ(DetectFormat("no break").breaks, LineBreakStyle::Lf) << "no style of its own: the new document's";
    EXPECT_EQ(DetectFormat("\xEF\xBB\xBFx").encoding, TextEncoding::Utf8Bom);

    // UTF-8 but for a few stray bytes stays UTF-8; the mark counts as a
    // UTF-8 character.
    const struct {
        QByteArray bytes;
        TextEncoding encoding;
        qsizetype stray;
    } encodings[] = {
        {"caf\xE9", TextEncoding::Windows1252, 0},
        {"\xC3\xA9t\xE9", TextEncoding::Utf8, 1},
        {"\xE9\xE9\xC3\xA9", TextEncoding::Windows1252, 0},
        {"\xEF\xBB\xBF\xFF", TextEncoding::Utf8Bom, 1},
        {"\xEF\x9C\x8D", TextEncoding::Utf8, 0},
        {"\xC3", TextEncoding::Windows1252, 0},
    };
    for (const auto& e : encodings) {
        const TextSurvey survey = SurveyText(e.bytes);
        EXPECT_EQ(survey.format.encoding, e.encoding) << e.bytes.toHex().toStdString();
        EXPECT_EQ(survey.strayBytes, e.stray) << e.bytes.toHex().toStdString();
    }

    // The mark is not text; in an 8-bit file its bytes are. The program's
    // own files are read without kept bytes.
    QString text;
    DecodeInChunks("\xEF\xBB\xBFok", DetectFormat("\xEF\xBB\xBFok"), 2, [&](QString&& p) { text += p; });
    EXPECT_EQ(text, QStringLiteral("ok"));
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF\xFF").text.size(), 4);
    EXPECT_EQ(DecodeText("a\rb\r\nc\n\xE2\x80\xA8").text, QStringLiteral("a\nb\nc\n\u2028"));
}

TEST(ChunkedText, EncodingInPiecesEqualsEncodingTheWhole)
{
    // Pieces may cut a surrogate pair in two; the pair must still come out
    // as one four-byte character.
    const QString tokens[] = {QStringLiteral("ab"),     QStringLiteral("\u00e9"),
                              QStringLiteral("\u20ac"), QStringLiteral("\U0001F600"),
                              QStringLiteral("\u2029"), QStringLiteral("\n"),
                              QStringLiteral("\u2028"), QStringLiteral("0123456789abcdefXYZ")};
    QRandomGenerator rng(11);
    for (int round = 0; round < 200; ++round) {
        QString text;
        for (int i = rng.bounded(40); i > 0; --i)
            text += tokens[rng.bounded(int(std::size(tokens)))];
        for (const auto style : {LineBreakStyle::CrLf, LineBreakStyle::Lf, LineBreakStyle::Cr}) {
            const TextFormat format{round % 2 ? TextEncoding::Utf8Bom : TextEncoding::Utf8, style};
            QString withBreaks = text;
            const QString brk = style == LineBreakStyle::CrLf ? QStringLiteral("\r\n")
                                : style == LineBreakStyle::Lf ? QStringLiteral("\n")
                                                              : QStringLiteral("\r");
            withBreaks.replace(QChar(0x2029), QLatin1Char('\n')).replace(QLatin1Char('\n'), brk);
            const QByteArray expected = (round % 2 ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + withBreaks.toUtf8();

            TextEncoder encoder(format);
            QByteArray out(TextEncoder::MaxBytes(text.size()) + 3, Qt::Uninitialized);
            qsizetype n = encoder.Start(out.data());
            for (qsizetype at = 0; at < text.size();) {
                const qsizetype size = std::min<qsizetype>(text.size() - at, 1 + rng.bounded(9));
                n += encoder.Encode(QStringView(text).mid(at, size), out.data() + n);
                at += size;
            }
            n += encoder.Finish(out.data() + n);
            out.truncate(n);
            ASSERT_EQ(out.toHex().toStdString(), expected.toHex().toStdString()) << "round " << round;
        }
    }
}

TEST(ChunkedText, LoneSurrogatesAndTheCodePageLimit)
{
    TextFormat utf8;
    EXPECT_EQ(EncodeText(QString(QChar(0xD83D)), utf8), QByteArray("\xEF\xBF\xBD"));
    EXPECT_EQ(EncodeText(QString(QChar(0xDE00)) + QLatin1Char('x'), utf8), QByteArray("\xEF\xBF\xBDx"));

    EXPECT_TRUE(FitsWindows1252(QStringLiteral("caf\u00e9 \u20ac \u2029 \u0081")));
    EXPECT_FALSE(FitsWindows1252(QStringLiteral("\u4e2d")));
    EXPECT_FALSE(FitsWindows1252(QString(QChar(0xD83D))));
    // A kept byte is the byte; the characters Qt breaks lines at are not bytes.
    EXPECT_TRUE(FitsWindows1252(QStringLiteral("\uf7e9\uf70d\uf70a")));
    EXPECT_FALSE(FitsWindows1252(QStringLiteral("\uf728")));
    EXPECT_FALSE(FitsWindows1252(QStringLiteral("\uf7e9"), KeptBytes::AsCharacters));
    TextFormat cp1252{TextEncoding::Windows1252, LineBreakStyle::Lf};
    EXPECT_EQ(EncodeText(QStringLiteral("\u20ac\n"), cp1252), QByteArray("\x80\n"));
    EXPECT_EQ(EncodeText(QStringLiteral("\u4e2d"), cp1252), QByteArray("\xE4\xB8\xAD"));
    EXPECT_EQ(cp1252.encoding, TextEncoding::Utf8) << "the file turns UTF-8 rather than lose a character";
}

TEST(DocumentPieces, AreTheRawTextAfterAnyEdits)
{
    QTextDocument doc;
    QRandomGenerator rng(5);
    for (int step = 0; step < 300; ++step) {
        QTextCursor c(&doc);
        const int length = doc.characterCount() - 1;
        c.setPosition(rng.bounded(length + 1));
        if (rng.bounded(3) == 0 && length > 0) {
            c.setPosition(std::min(length, c.position() + 1 + int(rng.bounded(6))), QTextCursor::KeepAnchor);
            c.removeSelectedText();
        } else {
            c.insertText(rng.bounded(4) == 0 ? QStringLiteral("x\ny") : QStringLiteral("word "));
        }
        QString joined;
        ForEachTextPiece(doc, [&](QStringView piece) { joined += piece; });
        ASSERT_EQ(joined, doc.toRawText()) << "step " << step;
    }
    QTextDocument empty;
    int calls = 0;
    ForEachTextPiece(empty, [&](QStringView piece) { calls += piece.isEmpty() ? 0 : 1; });
    EXPECT_EQ(calls, 0) << "the final separator is not text";
}

TEST(PipelinedWriterTest, WritesInOrderAndReportsAFailedWrite)
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QByteArray expected;
    {
        PipelinedWriter writer(sink, 16);
        for (int i = 0; i < 50; ++i) {
            const QByteArray part = QByteArray::number(i) + ';';
            std::memcpy(writer.Buffer(), part.constData(), part.size());
            expected += part;
            ASSERT_TRUE(writer.Submit(part.size()));
        }
        EXPECT_TRUE(writer.Finish());
    }
    EXPECT_EQ(sink.data(), expected);

    FillingDevice full(20);
    PipelinedWriter writer(full, 16);
    bool stillOk = true;
    for (int i = 0; i < 10 && stillOk; ++i) {
        std::memset(writer.Buffer(), 'x', 8);
        stillOk = writer.Submit(8);
    }
    EXPECT_FALSE(writer.Finish());
    EXPECT_LE(full.written.size(), 20);
}

namespace {
class LargeDocumentTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TRichEdit edit;
};
}   // namespace

TEST_F(LargeDocumentTest, MegabytesSurviveTheRoundTripByteForByte)
{
    // Several load and save pieces long, with characters and CR LF pairs
    // falling on every kind of piece boundary.
    QRandomGenerator rng(3);
    QByteArray utf8;
    while (utf8.size() < 3 * 1024 * 1024)
        utf8 += RandomUtf8(rng, 1000, false);
    QByteArray eightBit = utf8;
    eightBit.replace("\xF0\x9F\x98\x80", "\x80\x81");   // the euro sign and an undefined byte
    eightBit.replace("\xE2\x82\xAC", "\xE4");
    eightBit.replace("\xEF\xBB\xBF", "\x8D");
    eightBit.replace("\xE2\x80\xA8", "\xA0");
    eightBit.replace("\xC3\xA9", "\xE9");
    int n = 0;
    for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8, eightBit}) {
        const QString in = dir.filePath(QStringLiteral("in%1.txt").arg(n));
        const QString out = dir.filePath(QStringLiteral("out%1.txt").arg(n++));
        WriteAll(in, bytes);
        edit.LoadFromFile(in);
        edit.SaveToFile(out);
        const QByteArray back = ReadAll(out);
        ASSERT_EQ(back.size(), bytes.size()) << "sample " << n - 1;
        EXPECT_TRUE(back == bytes) << "sample " << n - 1;
    }
    EXPECT_EQ(edit.StoredFormat().encoding, TextEncoding::Windows1252);
    EXPECT_EQ(edit.TextLength(), Normalized(DecodeWindows1252(eightBit)).size());
}

TEST_F(LargeDocumentTest, WriteThatFailsHalfwayKeepsTheOldFile)
{
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    WriteAll(path, "old content\r\n");
    edit.SetText(QString(3 * 1024 * 1024, QLatin1Char('x')));

    // The file size limit stops the write after one megabyte.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 1024 * 1024 + 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    bool threw = false;
    try {
        edit.SaveToFile(path);
    } catch (const AppError&) {
        threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw) << "a failed write is never reported as saved";
    EXPECT_EQ(ReadAll(path), QByteArray("old content\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.txt")})
        << "no stray temporary file";
}

TEST_F(LargeDocumentTest, ModeSwitchesKeepUndoCaretAndModifiedFlag)
{
    edit.SetText(QStringLiteral("first\nsecond"));
    edit.SetSelStart(5);
    edit.ReplaceSelection(QStringLiteral(" line"));
    edit.SetSelStart(3);
    edit.SetSelLength(4);
    edit.SetPlainTextMode(false);
    EXPECT_EQ(edit.SelStart(), 3);
    EXPECT_EQ(edit.SelLength(), 4);
    EXPECT_TRUE(edit.Modified());
    ASSERT_TRUE(edit.CanUndo()) << "going rich keeps the history";
    edit.UndoStep();
    EXPECT_EQ(edit.Text(), QStringLiteral("first\r\nsecond"));

    // Back to plain: the text stays, the view is the plain one again and
    // typing still works there.
    edit.SetPlainTextMode(true);
    EXPECT_EQ(edit.Text(), QStringLiteral("first\r\nsecond"));
    edit.SetSelStart(0);
    QTest::keyClicks(&edit, QStringLiteral("A"));
    EXPECT_EQ(edit.Line(0), QStringLiteral("Afirst"));
}

TEST_F(LargeDocumentTest, WidthChangesLeaveUnseenLinesAlone)
{
    // Giving every line of the document a layout on each resize is what
    // made large files slow and heavy to show: about 300 bytes a line.
    QStringList lines;
    for (int i = 0; i < 50000; ++i)
        lines << QStringLiteral("line %1 with some text").arg(i);
    edit.resize(400, 300);
    edit.show();
    edit.SetText(lines.join(QLatin1Char('\n')));
    QApplication::processEvents();
    const size_t before = mallinfo2().uordblks;
    for (int width : {500, 650, 320}) {
        edit.resize(width, 300);
        QApplication::processEvents();
    }
    const size_t grown = mallinfo2().uordblks - std::min(before, size_t(mallinfo2().uordblks));
    EXPECT_LT(grown, size_t(2 * 1024 * 1024));
    EXPECT_GT(edit.BlockLayoutLines(0), 0) << "the visible lines are laid out";

    // Wrapped lines do depend on the width; the caret's line stays shown.
    edit.SetWordWrap(true);
    edit.SetSelStart(edit.LineIndex(49999));
    edit.resize(100, 300);
    QApplication::processEvents();
    EXPECT_GT(edit.BlockLayoutLines(edit.BlockCount() - 1), 1);
}

TEST_F(LargeDocumentTest, KeysSentToTheEditorOrItsViewArriveOnce)
{
    int keyDowns = 0;
    edit.onKeyDown = [&](int&, Qt::KeyboardModifiers) { ++keyDowns; };
    edit.show();
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Escape);   // a key the view leaves alone
    EXPECT_EQ(keyDowns, 1);
    QTest::keyClick(edit.InputWidget(), Qt::Key_Escape);
    EXPECT_EQ(keyDowns, 2);
    QTest::keyClick(&edit, Qt::Key_B);
    QTest::keyClick(edit.InputWidget(), Qt::Key_C);
    EXPECT_EQ(edit.Text(), QStringLiteral("bc"));
    EXPECT_EQ(keyDowns, 4);
}
