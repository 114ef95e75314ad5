// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"
#include "html/PreviewColour.h"
#include "tests/support/MainFormFixture.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QFile>
#include <QTest>

namespace {

class PreviewTest : public MainFormTest {
protected:
    void Click(const char* item) { Item(QLatin1String(item))->trigger(); }
    void Type(const QString& text) { QTest::keyClicks(edit().viewport(), text); }
    QStringList& Opened() { return fake.shell.opened; }
};

TEST_F(PreviewTest, EmptyEditorDoesNothingUnnamedTextGoesToTheReplacedPreview)
{
    CreateAndShow();
    Click("TestDocument1");
    EXPECT_TRUE(Opened().isEmpty());

    const QString preview = form().Startup().TempDir + QStringLiteral("~mireld.html");
    Type(QStringLiteral("<p>first</p>"));
    Click("TestDocument2");
    // Marked as UTF-8 for the browser; the document itself is not.
    EXPECT_EQ(ReadFile(preview), QByteArray("\xEF\xBB\xBF<p>first</p>"));
    edit().ReplaceSelection(QStringLiteral(" \u00e4gain"));
    Click("TestDocument1");
    EXPECT_EQ(ReadFile(preview), QByteArray("\xEF\xBB\xBF<p>first</p> \xC3\xA4gain"));
    EXPECT_EQ(edit().StoredFormat().encoding, TextEncoding::Utf8);
    EXPECT_EQ(Opened(), QStringList({preview, preview}));
    EXPECT_TRUE(edit().Modified()) << "the document itself is not saved";

    edit().SetModified(false);
    form().close();
    EXPECT_FALSE(QFile::exists(preview)) << "removed at shutdown";
}

TEST_F(PreviewTest, APreviewThatCannotBeWrittenIsNotOpened)
{
    CreateAndShow();
    const QString notAFolder = WriteFile(QStringLiteral("plain"), "x");
    form().Startup().TempDir = notAFolder + QLatin1Char('/');
    Type(QStringLiteral("text"));
    Expect(MsgKind::Error,
           QStringLiteral("The temporary folder %1 cannot be used: it is not a folder.").arg(notAFolder),
           MsgButtons::Ok, MsgAnswer::Ok);
    Click("TestDocument1");
    EXPECT_TRUE(Opened().isEmpty());
}

TEST_F(PreviewTest, NamedDocumentIsSavedFirstAndNotOpenedWhenTheSaveIsCancelled)
{
    const QString page = WriteFile(QStringLiteral("page.html"), "<p>old</p>");
    CreateAndShow({page});
    Type(QStringLiteral("new"));
    QFile::setPermissions(page, QFile::ReadOwner);
    Expect(MsgKind::Confirmation, QStringLiteral("File is protected!\nSure to overwrite it?"), MsgButtons::OkCancel,
           MsgAnswer::Cancel);
    Click("TestDocument1");
    EXPECT_TRUE(Opened().isEmpty());
    EXPECT_EQ(ReadFile(page), QByteArray("<p>old</p>"));

    QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);
    Click("TestDocument1");
    EXPECT_EQ(ReadFile(page), edit().Text().toUtf8());
    EXPECT_NE(ReadFile(page), QByteArray("<p>old</p>"));
    EXPECT_EQ(Opened(), QStringList{page});
}

TEST_F(PreviewTest, ChosenColourIsInsertedRecordedAndShownACancelledOneIsNot)
{
    CreateAndShow();
    Type(QStringLiteral("c=\"X\""));
    edit().SetSelStart(3);
    edit().SetSelLength(1);
    form().Macro().IsRecording = true;
    fake.prompts.ExpectColour([](QColor& colour, CustomColours& custom) {
        colour = QColor(255, 0, 0);
        custom[2] = QColor(0, 255, 0);
        return true;
    });
    Click("Color1");
    EXPECT_EQ(edit().Text(), QStringLiteral("c=\"FF0000\""));
    EXPECT_EQ(edit().SelStart(), 9);
    EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("Insert FF0000")});
    EXPECT_EQ(form().Startup().CustomLines[2], QStringLiteral("ColorC=00FF00"));
    EXPECT_EQ(form().StatusBarPixel(form().Ui().StatusBar->PanelRect(3).left() + 10, 10), QColor(Qt::red));

    fake.prompts.ExpectColour([](QColor& colour, CustomColours&) {
        colour = QColor(0, 0, 255);
        return false;
    });
    Click("Colour1");
    EXPECT_EQ(edit().Text(), QStringLiteral("c=\"FF0000\""));
    EXPECT_EQ(form().Macro().MacroLines.size(), 1);
    EXPECT_EQ(form().Startup().LastChosenColour, (ColourSlots{"FF", "00", "00"}));
    EXPECT_EQ(ColourDigits(QColor(255, 128, 10)), QStringLiteral("FF800A"));
}

TEST_F(PreviewTest, SpecialCharacterOptionMovesBothCheckMarks)
{
    CreateAndShow();
    for (const bool on : {true, false}) {
        Click(on ? "Replacespecialcharacters1" : "ReplaceSpecialCharacters");
        EXPECT_EQ(Item(QStringLiteral("ReplaceSpecialCharacters"))->isChecked(), on);
        EXPECT_EQ(Item(QStringLiteral("Replacespecialcharacters1"))->isChecked(), on);
    }
}

}   // namespace
