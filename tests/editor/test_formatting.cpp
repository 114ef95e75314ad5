// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting, the Plain Text switch, selection tracking, undo and printing.
#include "app/StatusBar.h"
#include "editor/Formatting.h"
#include "editor/SelectionTracking.h"
#include "tests/support/MainFormFixture.h"

#include <QComboBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>

namespace {

class FormattingTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().Macro().IsRecording = true;
    }
    void GoRich()
    {
        ASSERT_EQ(edit().TextLength(), 0);
        form().RunHandler(&TMainForm::PlainTextClick);
        ASSERT_FALSE(edit().IsPlainText());
    }
    void Select(int start, int length)
    {
        edit().SetSelStart(start);
        edit().SetSelLength(length);
    }
    QStringList& Lines() { return form().Macro().MacroLines; }
    const StatusPanel& Panel(int index) { return form().Ui().StatusBar->Panel(index); }
};

ColourSlots Slots(const char* r, const char* g, const char* b)
{
    return ColourSlots{QString::fromUtf8(r), QString::fromUtf8(g), QString::fromUtf8(b)};
}

// The text of a PDF that Qt wrote: the glyph codes it shows, mapped back
// through the font's ToUnicode ranges (one font is enough here).
QString PdfText(const QByteArray& pdf)
{
    static const QRegularExpression streamRe(QStringLiteral("stream\n(.*?)endstream"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression rangeRe(QStringLiteral("<([0-9A-F]+)> <[0-9A-F]+> \\[([^\\]]*)\\]"));
    static const QRegularExpression hexRe(QStringLiteral("<([0-9A-F]{4})>"));
    static const QRegularExpression showRe(QStringLiteral("<([0-9A-F]+)> Tj"));
    QString streams;
    for (const auto& m : streamRe.globalMatch(QString::fromLatin1(pdf))) {
        const QByteArray raw = m.captured(1).toLatin1();
        const QByteArray inflated = qUncompress(QByteArray("\x01\0\0\0", 4) + raw);
        streams += QString::fromLatin1(inflated.isEmpty() ? raw : inflated);
    }
    QHash<uint, QChar> unicode;
    for (const auto& range : rangeRe.globalMatch(streams)) {
        uint code = range.captured(1).toUInt(nullptr, 16);
        for (const auto& target : hexRe.globalMatch(range.captured(2)))
            unicode.insert(code++, QChar(target.captured(1).toUShort(nullptr, 16)));
    }
    QString text;
    for (const auto& show : showRe.globalMatch(streams))
        for (qsizetype i = 0; i + 4 <= show.captured(1).size(); i += 4)
            text += unicode.value(show.captured(1).mid(i, 4).toUInt(nullptr, 16), QLatin1Char('?'));
    return text;
}

}   // namespace

TEST(FormattingRules, SizeListAndSelectionTexts)
{
    const QStringList sizes = {"7", "12", "14", "48", "72"};
    EXPECT_EQ(PlaceSize(sizes, QStringLiteral("50")).index, 4);
    EXPECT_EQ(PlaceSize(sizes, QStringLiteral("100")).index, 5);
    EXPECT_TRUE(PlaceSize(sizes, QStringLiteral("14")).found);
    EXPECT_FALSE(PlaceSize(sizes, QStringLiteral("07")).found) << "compared as text";
    for (const char* bad : {"", "0", "00", "1a", "-5", "12.5", "99999999999"})
        EXPECT_FALSE(IsSizeText(QString::fromUtf8(bad))) << bad;

    EXPECT_EQ(ColourFromText(QStringLiteral("a0b1C2")), (ColourDigits{"a0", "b1", "C2"})) << "kept as typed";
    for (const char* bad : {"FF80G0", "12345", "1234567", "12 456"})
        EXPECT_EQ(ColourFromText(QString::fromUtf8(bad)), std::nullopt) << bad;
    // A final break ends the last line and is the one CR LF not counted.
    EXPECT_EQ(SelectionHintText(8, 2, true), QStringLiteral("2 Line(s), 8 Character(s) in current selection."));
    EXPECT_EQ(SelectionHintText(1, 1, true), QStringLiteral("1 Line(s), 0 Character(s) in current selection."));
}

TEST_F(FormattingTest, ToolbarFormatsTheSelectionAndRecords)
{
    GoRich();
    edit().SetText(QStringLiteral("abc def"));
    Select(0, 3);
    form().RunHandler(&TMainForm::BoldButtonClick);
    EXPECT_TRUE(edit().SelAttributes().bold);
    form().RunHandler(&TMainForm::BoldButtonClick);
    EXPECT_FALSE(edit().SelAttributes().bold);
    EXPECT_FALSE(form().Ui().BoldButton->isChecked());
    form().Ui().Groesse->setCurrentIndex(form().Ui().Groesse->findText(QStringLiteral("14")));
    form().RunHandler(&TMainForm::GroesseChange);
    EXPECT_EQ(edit().SelAttributes().size, 14);
    form().Ui().Groesse->setCurrentIndex(-1);   // a number half typed: no size, no line
    form().RunHandler(&TMainForm::GroesseChange);
    form().Ui().RightAlign->click();
    form().Ui().RightAlign->click();
    EXPECT_EQ(edit().ParaAlignment(), int(AlignRightCode));
    EXPECT_TRUE(form().Ui().RightAlign->isChecked()) << "a pressed alignment stays pressed";
    EXPECT_EQ(Lines(), (QStringList{"PlainText Off", "Bold On", "Bold Off", "Size 14", "AlignRight", "AlignRight"}));
}

TEST_F(FormattingTest, SizeBoxGrowsOnEnterAndWithTheSizeAtTheCaret)
{
    GoRich();
    QComboBox& box = *form().Ui().Groesse;
    for (const char* typed : {"50", "100", "0", "1a"}) {
        box.setEditText(QString::fromUtf8(typed));
        QTest::keyClick(&box, Qt::Key_Return);
    }
    EXPECT_EQ(box.itemText(16), QStringLiteral("50"));
    EXPECT_EQ(box.itemText(18), QStringLiteral("100"));
    EXPECT_EQ(box.count(), 19);

    edit().SetSelSize(13);
    edit().ReplaceSelection(QStringLiteral("big"));
    edit().SetSelStart(1);
    EXPECT_EQ(box.itemText(6), QStringLiteral("13"));
    EXPECT_EQ(box.itemText(7), QStringLiteral("14"));
    EXPECT_EQ(box.currentIndex(), 6);
    EXPECT_EQ(Lines(), QStringList{QStringLiteral("PlainText Off")}) << "Enter applies and records nothing";
}

TEST_F(FormattingTest, PlainTextSwitchInItsThreeCases)
{
    GoRich();   // empty: no question, not modified
    EXPECT_FALSE(edit().Modified());
    EXPECT_TRUE(form().Ui().ToolBar1->isVisible());
    EXPECT_EQ(Panel(3).width, 0);
    EXPECT_EQ(Panel(0).width, 0);
    edit().SetText(QStringLiteral("first\nsecond"));
    Select(0, 5);
    edit().SetSelBold(true);
    edit().SetLeftIndent(40);
    edit().SetNumberingOn();
    ASSERT_TRUE(edit().ParaNumbered());
    Select(7, 3);
    edit().SetModified(false);
    const QString question = QStringLiteral("Sure to loose all formattings?\nNo undo possible!");
    fake.prompts.ExpectMessage(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Cancel);
    form().RunHandler(&TMainForm::PlainTextClick);
    EXPECT_FALSE(edit().IsPlainText());
    EXPECT_FALSE(edit().Modified());

    fake.prompts.ExpectMessage(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Ok);
    form().RunHandler(&TMainForm::PlainTextClick);
    EXPECT_TRUE(edit().IsPlainText());
    EXPECT_TRUE(edit().Modified());
    EXPECT_FALSE(edit().CanUndo());
    EXPECT_EQ(edit().SelStart(), 7) << "the selection is kept";
    EXPECT_EQ(edit().SelLength(), 3);
    EXPECT_EQ(Panel(3).width, 27);
    EXPECT_EQ(Panel(4).width, 27);

    form().RunHandler(&TMainForm::PlainTextClick);
    edit().SetSelStart(2);
    EXPECT_EQ(edit().LeftIndent(), 0);
    EXPECT_FALSE(edit().ParaNumbered());
    EXPECT_FALSE(edit().SelAttributes().bold);
    EXPECT_EQ(Lines(), (QStringList{"PlainText Off", "PlainText On", "PlainText Off"}));
}

TEST_F(FormattingTest, SelectionTrackingInPlainText)
{
    edit().SetText(QStringLiteral("abc\ndef\nFF8000 FF80G0"));
    EXPECT_EQ(Panel(1).text, QStringLiteral("Line: 1  Col: 1"));
    edit().SetSelStart(10);
    EXPECT_EQ(Panel(1).text, QStringLiteral("Line: 3  Col: 3"));
    EXPECT_EQ(Panel(1).width, form().Ui().StatusBar->TextWidth(Panel(1).text) + 25);
    EXPECT_EQ(Panel(0).text, QStringLiteral("Filesize: 21 bytes")) << "a new document's LF is one byte";
    EXPECT_EQ(form().Search().Pos(), 10);

    Select(7, 8);   // the break, the digits, the blank: trimmed away
    EXPECT_EQ(form().Startup().LastSelectedColour, Slots("FF", "80", "00"));
    Select(15, 6);
    EXPECT_EQ(form().Startup().LastSelectedColour, Slots("FF", "80", "00"));

    Select(0, 7);
    form().RichEditMouseMove(Qt::NoModifier, 5, 5);
    EXPECT_EQ(edit().toolTip(), QStringLiteral("2 Line(s), 8 Character(s) in current selection."));
    edit().setToolTip(QString());
    form().RichEditMouseMove(Qt::NoModifier, 6, 6);
    EXPECT_EQ(edit().toolTip(), QString()) << "built once per selection";
}

TEST_F(FormattingTest, UndoWhileRecordingAndPrinting)
{
    form().RecordCommand(QStringLiteral("Copy"));
    form().Macro().PendingText = QStringLiteral("abc");
    form().RunHandler(&TMainForm::Undo1Click);
    EXPECT_EQ(form().Macro().PendingText, QString());
    EXPECT_EQ(Lines(), QStringList{QStringLiteral("Copy")});
    form().RunHandler(&TMainForm::Undo1Click);
    EXPECT_TRUE(Lines().isEmpty());

    fake.prompts.ExpectMessage(MsgKind::Information, QStringLiteral("There is nothing to print!"), MsgButtons::Ok,
                               MsgAnswer::Ok);
    form().RunHandler(&TMainForm::Print1Click);
    fake.prompts.VerifyAllShown();

    edit().SetText(QStringLiteral("Hello printed world\nsecond line"));
    form().Session().State().CurrentFile = TempPath(QStringLiteral("letter.txt"));
    const QString pdf = TempPath(QStringLiteral("out.pdf"));
    fake.prompts.ExpectPrint([&](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return true;
    });
    form().RunHandler(&TMainForm::Print1Click);
    const QString text = PdfText(ReadFile(pdf)).remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_TRUE(text.contains(QStringLiteral("Helloprintedworldsecondline"))) << text.toStdString();
    EXPECT_EQ(form().Editing().Printer->docName(), form().Session().State().CurrentFile);
    EXPECT_EQ(Lines(), (QStringList{"Print", "Print"}));
}
