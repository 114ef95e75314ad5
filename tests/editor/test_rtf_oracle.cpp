// SPDX-License-Identifier: GPL-3.0-or-later
// Checks against independent RTF implementations: fixtures written by
// LibreOffice (see rtf_fixtures/regenerate.sh) read as LibreOffice reads
// them, and our output read by LibreOffice and unrtf when they are here.

#include "editor/Rtf.h"
#include "test_rtf_documents.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

using namespace rtf_test;

QString FixtureDir()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("rtf_fixtures"));
}

QByteArray Load(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Paragraphs joined by '\n', line breaks as '\n' too: how plain text
// exports show them.
QString PlainText(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        lines << b.text().replace(QChar(0x2028), QLatin1Char('\n'));
    return lines.join('\n');
}

QString ExportedText(const QByteArray& utf8)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}

// The words of a text. LibreOffice's text export lays out list items and
// table cells with blanks and line breaks of its own, so those are compared
// as separators only; a lost or extra break still splits or joins words.
QStringList Words(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[ \\t\\n\\x{2028}]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

std::unique_ptr<QTextDocument> ReadFixture(const QString& name)
{
    auto document = std::make_unique<QTextDocument>();
    ReadRtf(Load(FixtureDir() + '/' + name + ".rtf"), *document);
    return document;
}

QTextBlock BlockStarting(const QTextDocument& document, const QString& start)
{
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        if (b.text().startsWith(start))
            return b;
    return {};
}

QTextCharFormat FormatOf(const QTextBlock& block, const QString& word)
{
    const int at = int(block.text().indexOf(word));
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().position() - block.position() <= at &&
            at < it.fragment().position() - block.position() + it.fragment().length())
            return it.fragment().charFormat();
    ADD_FAILURE() << "no " << word.toStdString();
    return {};
}

TEST(RtfFixtures, ReaderGivesTheTextLibreOfficeExports)
{
    const QStringList fixtures = QDir(FixtureDir()).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    ASSERT_GE(fixtures.size(), 4) << FixtureDir().toStdString();
    for (const QString& file : fixtures) {
        const QString name = QFileInfo(file).completeBaseName();
        SCOPED_TRACE(name.toStdString());
        const QString expected = ExportedText(Load(FixtureDir() + '/' + name + ".txt"));
        ASSERT_FALSE(expected.isEmpty());
        const QString read = PlainText(*ReadFixture(name));
        EXPECT_EQ(Words(read), Words(expected));
        // Where no list or table is involved, paragraphs match exactly.
        if (name != QLatin1String("lists"))
            EXPECT_EQ(read, expected);
    }
}

TEST(RtfFixtures, FormatsWrittenByLibreOffice)
{
    const auto d = ReadFixture(QStringLiteral("formats"));
    const QTextBlock first = BlockStarting(*d, QStringLiteral("Plain"));
    ASSERT_TRUE(first.isValid());
    EXPECT_FALSE(FormatOf(first, "Plain").font().bold());
    const QTextCharFormat all = FormatOf(first, "all three");
    EXPECT_TRUE(all.font().bold() && all.fontItalic() && all.fontUnderline());

    const QTextBlock fonts = BlockStarting(*d, QStringLiteral("Courier"));
    EXPECT_EQ(FormatOf(fonts, "Courier").fontFamilies().toStringList().value(0), "Courier New");
    EXPECT_EQ(FormatOf(fonts, "large").fontPointSize(), 18);   // HTML size 5

    const QTextBlock colours = BlockStarting(*d, QStringLiteral("red"));
    EXPECT_EQ(FormatOf(colours, "green").foreground().color(), QColor(0, 128, 0));
    EXPECT_TRUE(FormatOf(colours, "struck").fontStrikeOut());
    EXPECT_EQ(FormatOf(colours, "2").verticalAlignment(), QTextCharFormat::AlignSuperScript);

    EXPECT_EQ(BlockStarting(*d, "Centered").blockFormat().alignment(), Qt::AlignHCenter);
    const QTextBlockFormat indented = BlockStarting(*d, "Indented").blockFormat();
    EXPECT_EQ(indented.leftMargin() * kRtfTwipsPerUnit, 1440);   // 1 inch
    EXPECT_EQ(indented.textIndent() * kRtfTwipsPerUnit, -720);
    EXPECT_EQ(indented.rightMargin() * kRtfTwipsPerUnit, 720);
}

TEST(RtfFixtures, TabStopsAndIndentsWrittenByLibreOffice)
{
    const auto d = ReadFixture(QStringLiteral("layout"));
    const QTextBlockFormat f = BlockStarting(*d, "Col").blockFormat();
    EXPECT_EQ(f.leftMargin() * kRtfTwipsPerUnit, 720);
    EXPECT_EQ(f.textIndent() * kRtfTwipsPerUnit, 360);
    // The source's stop 1 inch past the indent: LibreOffice wrote it from
    // the page margin, the editor counts from the first line's start.
    const QList<QTextOption::Tab> tabs = f.tabPositions();
    ASSERT_EQ(tabs.size(), 4);
    EXPECT_EQ(tabs[0].position * kRtfTwipsPerUnit, 1440 - 360);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab);
    EXPECT_EQ(tabs[2].type, QTextOption::CenterTab);
    EXPECT_EQ(tabs[3].type, QTextOption::DelimiterTab);
}

bool Have(const char* program)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

// One LibreOffice profile for all conversions of the run: making one is
// the slow part of a start.
QString LibreOfficeProfile()
{
    static const QTemporaryDir profile;
    return profile.path();
}

// LibreOffice converts the files into the folder's "out" folder.
void ConvertWithLibreOffice(const QTemporaryDir& dir, const QStringList& files, const QString& filter)
{
    QProcess lo;
    lo.start(QStringLiteral("soffice"),
             QStringList{QStringLiteral("-env:UserInstallation=file://") + LibreOfficeProfile(),
                         QStringLiteral("--headless"), QStringLiteral("--convert-to"), filter,
                         QStringLiteral("--outdir"), dir.filePath(QStringLiteral("out"))} +
                 files);
    ASSERT_TRUE(lo.waitForFinished(240000)) << "LibreOffice did not finish";
    ASSERT_EQ(lo.exitCode(), 0) << lo.readAllStandardError().toStdString();
}

// A document with every kind of text but the control characters, which
// other readers drop.
void FillForOtherReaders(QTextDocument& document, unsigned seed)
{
    Generator(seed, false).Fill(document);
}

// The document written as RTF to a file of the folder; the file's path.
QString WriteRtfFile(const QTemporaryDir& dir, const QString& name, const QTextDocument& document)
{
    const QString path = dir.filePath(name);
    WriteAll(path, WriteRtf(document));
    return path;
}

TEST(RtfOracle, LibreOfficeReadsOurTextBack)
{
    if (!Have("soffice"))
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr unsigned kDocuments = 25;
    QStringList files;
    std::vector<QString> texts;
    for (unsigned seed = 1; seed <= kDocuments; ++seed) {
        QTextDocument document;
        FillForOtherReaders(document, seed);
        files << WriteRtfFile(dir, QStringLiteral("doc%1.rtf").arg(seed), document);
        texts.push_back(PlainText(document));
    }
    ConvertWithLibreOffice(dir, files, QStringLiteral("txt:Text (encoded):UTF8,LF"));
    if (HasFatalFailure())
        return;
    for (unsigned seed = 1; seed <= kDocuments; ++seed) {
        const QByteArray exported = Load(dir.filePath(QStringLiteral("out/doc%1.txt").arg(seed)));
        ASSERT_FALSE(exported.isEmpty()) << "seed " << seed;
        // LibreOffice puts a six-per-em space before each blank of a run of
        // blanks in RTF that it did not write itself.
        EXPECT_EQ(ExportedText(exported).remove(QChar(0x2006)), texts[seed - 1]) << "seed " << seed;
    }
}

TEST(RtfOracle, UnrtfReadsOurOutputWithoutError)
{
    if (!Have("unrtf"))
        GTEST_SKIP() << "unrtf is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (unsigned seed = 1; seed <= 10; ++seed) {
        QTextDocument document;
        FillForOtherReaders(document, seed);
        // Words unrtf must show, between the generated runs.
        QTextCursor c(&document);
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral(" alpha\nbravo charlie"));
        const QString path = WriteRtfFile(dir, QStringLiteral("doc%1.rtf").arg(seed), document);

        QProcess unrtf;
        unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), path});
        ASSERT_TRUE(unrtf.waitForFinished(60000));
        const QString out = QString::fromLatin1(unrtf.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(unrtf.readAllStandardError());
        EXPECT_EQ(unrtf.exitCode(), 0) << "seed " << seed;
        EXPECT_FALSE(err.contains(QLatin1String("error"), Qt::CaseInsensitive))
            << "seed " << seed << ": " << err.toStdString();
        for (const char* word : {"alpha", "bravo", "charlie"})
            EXPECT_TRUE(out.contains(QLatin1String(word))) << "seed " << seed << ": " << word;
    }
}

// Links and highlights as the editor writes them, for other readers.
QString WriteLinkDocument(const QTemporaryDir& dir)
{
    QTextDocument document;
    QTextCursor c(&document);
    c.insertText(QStringLiteral("see "));
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("http://example.com/a?b=1"));
    link.setForeground(QColor(0, 0, 255));
    link.setFontUnderline(true);
    c.insertText(QStringLiteral("the link"), link);
    c.insertText(QStringLiteral(" and "), QTextCharFormat());
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 255, 0));
    c.insertText(QStringLiteral("marked"), marked);
    c.insertText(QStringLiteral(" text "), QTextCharFormat());
    link.setAnchorHref(QStringLiteral("#part"));
    c.insertText(QStringLiteral("inside"), link);
    return WriteRtfFile(dir, QStringLiteral("links.rtf"), document);
}

TEST(RtfOracle, LibreOfficeReadsOurLinksAndHighlights)
{
    if (!Have("soffice"))
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ConvertWithLibreOffice(dir, {WriteLinkDocument(dir)}, QStringLiteral("fodt"));
    if (HasFatalFailure())
        return;
    const QString xml = QString::fromUtf8(Load(dir.filePath(QStringLiteral("out/links.fodt"))));
    ASSERT_FALSE(xml.isEmpty());
    // Flat OpenDocument: links are text:a around their text; the highlight
    // is the background of the automatic style of the span that holds it.
    const auto linkAround = [&](const QString& href, const QString& text) {
        return QRegularExpression(QStringLiteral("<text:a [^>]*xlink:href=\"%1\"[^>]*>(<[^>]*>)*%2<")
                                      .arg(QRegularExpression::escape(href), text))
            .match(xml)
            .hasMatch();
    };
    EXPECT_TRUE(linkAround("http://example.com/a?b=1", "the link")) << xml.toStdString();
    EXPECT_TRUE(linkAround("#part", "inside"));
    const QRegularExpressionMatch span =
        QRegularExpression(QStringLiteral("<text:span text:style-name=\"(\\w+)\">marked<")).match(xml);
    ASSERT_TRUE(span.hasMatch()) << xml.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("<style:style style:name=\"%1\"[^>]*>\\s*"
                                                  "<style:text-properties [^>]*fo:background-color=\"#ffff00\"")
                                       .arg(span.captured(1)))
                    .match(xml)
                    .hasMatch());
}

TEST(RtfOracle, UnrtfReadsOurLinksAndHighlights)
{
    if (!Have("unrtf"))
        GTEST_SKIP() << "unrtf is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), WriteLinkDocument(dir)});
    ASSERT_TRUE(unrtf.waitForFinished(60000));
    EXPECT_EQ(unrtf.exitCode(), 0);
    const QString html = QString::fromLatin1(unrtf.readAllStandardOutput());
    // unrtf shows a link as the word "hyperlink" and keeps the quotes of
    // the address.
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("<a href=\"\"?http://example.com/a\\?b=1\"?\">")).match(html).hasMatch())
        << html.toStdString();
    EXPECT_TRUE(html.contains(QLatin1String("<span style=\"background:#ffff00\">marked</span>"))) << html.toStdString();
}

}   // namespace
