// Write then read: random documents keep their text and formats.

#include "editor/Rtf.h"
#include "test_rtf_documents.h"

namespace {

using namespace rtf_test;

TEST(RtfRoundTrip, RandomDocumentsKeepTextAndFormats)
{
    for (unsigned seed = 1; seed <= 400; ++seed) {
        QTextDocument original;
        Generator(seed).Fill(original);
        const QByteArray rtf = WriteRtf(original);
        ASSERT_TRUE(LooksLikeRtf(rtf));

        QTextDocument read;
        read.setDefaultFont(QFont("Nimbus Mono", 31));   // must not leak into what is read
        ReadRtf(rtf, read);
        ExpectSameDocument(original, read, seed);
        if (HasFailure())
            return;

        // Writing is deterministic, and what was read writes the same bytes.
        EXPECT_EQ(WriteRtf(original), rtf) << "seed " << seed;
        EXPECT_EQ(WriteRtf(read), rtf) << "seed " << seed;
    }
}

TEST(RtfRoundTrip, OutputIsSevenBitAscii)
{
    for (unsigned seed = 1; seed <= 50; ++seed) {
        QTextDocument document;
        Generator(seed).Fill(document);
        const QByteArray rtf = WriteRtf(document);
        for (char c : rtf)
            ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F))
                << "seed " << seed << " byte " << int(static_cast<unsigned char>(c));
    }
}

TEST(RtfRoundTrip, EmptyAndBlankDocuments)
{
    for (const QString& text : {QString(), QString("\n"), QString("\n\n\n"), QString("x\n")}) {
        QTextDocument original;
        original.setPlainText(text);
        QTextDocument read;
        ReadRtf(WriteRtf(original), read);
        EXPECT_EQ(read.blockCount(), original.blockCount()) << text.size();
        EXPECT_EQ(read.toRawText(), original.toRawText());
    }
}

} // namespace

namespace {

TEST(RtfRoundTrip, TablesAndImagesPastedFromHtmlKeepTheirText)
{
    QTextDocument original;
    original.setHtml("<p>before</p><table><tr><td>a1</td><td>b1</td></tr><tr><td>a2</td>"
                     "<td>b2</td></tr></table><p>x<img src=\"missing.png\">y</p>");
    QTextDocument read;
    ReadRtf(WriteRtf(original), read);
    // Cells become paragraphs; the image is left out.
    const auto paragraphs = [](const QTextDocument& d) {
        QStringList texts;
        for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
            texts << b.text().remove(QChar::ObjectReplacementCharacter);
        return texts;
    };
    EXPECT_EQ(paragraphs(read), paragraphs(original));
    EXPECT_TRUE(paragraphs(read).contains("b2"));
    EXPECT_TRUE(paragraphs(read).contains("xy"));
}

} // namespace
