// SPDX-License-Identifier: GPL-3.0-or-later
// The text read through Qt's public API, as a build without Qt's private
// header reads it, against the reading the program is built with.
#include "editor/DocumentText.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// The same source a second time, its private path off, in a namespace of
// its own so that both readings live side by side.
#undef MIREL_QT_GUI_PRIVATE
namespace publicapi {
#include "editor/DocumentText.cpp"
}

namespace {

struct Document {
    const char* name;
    std::function<void(QTextDocument&)> fill;
};

void PrintTo(const Document& document, std::ostream* out)
{
    *out << document.name;
}

QString Repeated(const QString& part, int times)
{
    QString out;
    for (int i = 0; i < times; ++i)
        out += part;
    return out;
}

const Document kDocuments[] = {
    {"empty", [](QTextDocument&) {}},
    {"one line", [](QTextDocument& d) { d.setPlainText(QStringLiteral("hello")); }},
    {"empty lines", [](QTextDocument& d) { d.setPlainText(QStringLiteral("\n\na\n\n")); }},
    {"a line break inside a paragraph",
     [](QTextDocument& d) {
         d.setPlainText(QStringLiteral("one") + QChar::LineSeparator + QStringLiteral("two\nthree"));
     }},
    {"characters beyond the BMP",
     [](QTextDocument& d) { d.setPlainText(QStringLiteral("a\U0001F600b\n\U00010348\n\U0001F600")); }},
    {"pieces edited into several fragments",
     [](QTextDocument& d) {
         // Seams between blocks of one line, and text inserted in the
         // middle, leave the text in fragments apart in Qt's buffer.
         d.setPlainText(QStringLiteral("0123456789\nabcdefghij"));
         QTextCursor c(&d);
         c.setPosition(5);
         c.insertBlock();
         c.insertText(QStringLiteral("XY"));
         c.setPosition(2);
         c.insertText(QStringLiteral("\U0001F600"));
         c.movePosition(QTextCursor::End);
         c.insertText(QStringLiteral("tail"));
         c.setPosition(1);
         c.setPosition(3, QTextCursor::KeepAnchor);
         c.removeSelectedText();
     }},
    {"a table (frame marks)",
     [](QTextDocument& d) {
         d.setPlainText(QStringLiteral("before"));
         QTextCursor c(&d);
         c.movePosition(QTextCursor::End);
         QTextTable* table = c.insertTable(2, 2);
         table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("cell"));
         c.movePosition(QTextCursor::End);
         c.insertText(QStringLiteral("after"));
     }},
    {"a large text",
     [](QTextDocument& d) {
         d.setPlainText(Repeated(QStringLiteral("line of some length \u00e9\U0001F600\n"), 20000));
     }},
};

QString Joined(const std::function<void(const std::function<void(QStringView)>&)>& forEach)
{
    QString out;
    forEach([&](QStringView piece) { out += piece; });
    return out;
}

class TextReadTest : public ::testing::TestWithParam<Document> {};

TEST_P(TextReadTest, BothReadingsGiveTheRawTextWholeAndInRanges)
{
    QTextDocument doc;
    doc.setDocumentLayout(new QPlainTextDocumentLayout(&doc));
    GetParam().fill(doc);
    const QString raw = doc.toRawText();
    ASSERT_EQ(raw.size(), doc.characterCount() - 1);

    const QString built = Joined([&](const auto& f) { ForEachTextPiece(doc, f); });
    const QString publicOnly = Joined([&](const auto& f) { publicapi::ForEachTextPiece(doc, f); });
    EXPECT_TRUE(built == raw) << built.size() << " of " << raw.size();
    EXPECT_TRUE(publicOnly == raw) << publicOnly.size() << " of " << raw.size();

    // Ranges at every kind of edge, and ones that reach beyond the text.
    const int n = int(raw.size());
    const std::pair<int, int> ranges[] = {{0, n},     {0, 1}, {1, 3},  {n / 2, 7}, {n - 1, 1}, {n - 2, 10},
                                          {0, n + 5}, {n, 1}, {-1, 3}, {3, 0},     {3, -2}};
    for (const auto& [from, length] : ranges) {
        SCOPED_TRACE(testing::Message() << "range " << from << " " << length);
        const QString expected = from < 0 ? QString() : raw.mid(from, std::max(length, 0));
        EXPECT_TRUE(DocumentTextRange(doc, from, length) == expected);
        EXPECT_TRUE(publicapi::DocumentTextRange(doc, from, length) == expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, TextReadTest, ::testing::ValuesIn(kDocuments), [](const auto& param) {
    std::string name;
    for (const char* c = param.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

}   // namespace
