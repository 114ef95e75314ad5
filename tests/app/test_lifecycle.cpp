// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"
#include "app/StatusBar.h"
#include "html/HtmlToolbar.h"
#include "html/TidyErrors.h"
#include "macro/MacroFile.h"
#include "platform/PrivateTemp.h"
#include "tests/support/MainFormFixture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>

namespace {
class LifecycleTest : public MainFormTest {};
}   // namespace

TEST_F(LifecycleTest, FourWindowsInOrderOnlyTheMainOneShown)
{
    Create();
    ASSERT_EQ(windows.creationOrder.size(), 4u);
    EXPECT_EQ(windows.creationOrder[0], windows.main.get());
    EXPECT_EQ(windows.creationOrder[1], windows.htmlToolbar);
    EXPECT_EQ(windows.creationOrder[2], windows.tidyErrors);
    EXPECT_EQ(windows.creationOrder[3], windows.about);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Mirel-Edit"));
    EXPECT_FALSE(form().StartupRan());
    Show();
    EXPECT_TRUE(form().StartupRan());
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(windows.htmlToolbar->isVisible());
    EXPECT_FALSE(windows.tidyErrors->isVisible());
    EXPECT_FALSE(windows.about->isVisible());
    EXPECT_EQ(windows.about->Version->text(), QStringLiteral("v. 1.5.4"));
}

TEST_F(LifecycleTest, StartupSetsTitlesFoldersFontAndRestoresCursor)
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    CreateAndShow();
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Mirel-Edit 1.5.4"));
    EXPECT_EQ(form().ApplicationTitle(), QStringLiteral("Mirel-Edit 1.5.4"));
    EXPECT_TRUE(form().Startup().TempDir.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(form().Startup().DesktopDir.endsWith(QLatin1String("Desktop/")));
    EXPECT_EQ(form().Startup().MacroDir, form().Startup().DesktopDir);
    EXPECT_EQ(form().Ui().RichEdit->MaxLength(), 2147483645);
    EXPECT_EQ(form().Ui().RichEdit->ControlFont().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form().Ui().RichEdit->ControlFont().pointSize(), 8);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "start-up restores the default cursor";
    EXPECT_GT(form().Ui().Schriftarten->count(), 0);
    EXPECT_EQ(form().Ui().Schriftarten->findText(QStringLiteral("Default")), -1);
    EXPECT_EQ(form().Ui().StatusBar->Panel(1).text, QStringLiteral("Line: 1  Col: 1"));
}

TEST_F(LifecycleTest, DefaultModeIsPlainWithToolbarsByTheirOptions)
{
    CreateAndShow();
    EXPECT_TRUE(form().Ui().RichEdit->IsPlainText());
    EXPECT_TRUE(form().Session().State().IsPlainDocument);
    EXPECT_TRUE(form().Session().State().WrapWanted);
    EXPECT_TRUE(form().Ui().RichEdit->WordWrap());
    EXPECT_FALSE(form().Ui().ToolBar1->isVisible()) << "format toolbar only for rich text";
    EXPECT_TRUE(form().Ui().ToolBar->isVisible()) << "Toolbar visible is checked by design";
}

TEST_F(LifecycleTest, RichModeAtStartWhenPlainTextIsOff)
{
    StoreSettings({{"PlainText", false}, {"WordWrap", false}});
    CreateAndShow();
    EXPECT_FALSE(form().Ui().RichEdit->IsPlainText());
    EXPECT_TRUE(form().Ui().RichEdit->WordWrap()) << "rich text always wraps";
    EXPECT_TRUE(form().Ui().ToolBar1->isVisible());
    EXPECT_FALSE(Item(QStringLiteral("Wordwrap1"))->isEnabled());
    EXPECT_TRUE(Item(QStringLiteral("WordWrap"))->isChecked());
}

TEST_F(LifecycleTest, MenuHiddenWhenMenuVisibleIsOff)
{
    StoreSetting(QStringLiteral("MenuVisible"), false);
    CreateAndShow();
    for (QAction* top : form().menuBar()->actions())
        EXPECT_FALSE(top->isVisible()) << top->text().toStdString();
}

TEST_F(LifecycleTest, CommandLineArgumentsAreJoinedWithBlanks)
{
    const QString path = WriteFile(QStringLiteral("My Document.txt"), "hello\r\n");
    Create({path.section(QLatin1Char(' '), 0, 0), path.section(QLatin1Char(' '), 1)});
    Show();
    EXPECT_EQ(form().Session().State().CurrentFile, path);
    EXPECT_EQ(form().windowTitle(), path);
    EXPECT_EQ(form().Ui().RichEdit->Text(), QStringLiteral("hello\r\n"));
}

TEST_F(LifecycleTest, MissingCommandLineFileLeavesTheEditorEmpty)
{
    fake.prompts.ExpectMessage(MsgKind::Error, QStringLiteral("File not found!"), MsgButtons::Ok, MsgAnswer::Ok);
    CreateAndShow({TempPath(QStringLiteral("gone.txt"))});
    EXPECT_TRUE(form().Session().State().CurrentFile.isEmpty());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Mirel-Edit 1.5.4"));
    EXPECT_TRUE(form().Ui().RichEdit->Text().isEmpty());
}

TEST_F(LifecycleTest, CloseUnmodifiedAsksNothing)
{
    CreateAndShow();
    EXPECT_TRUE(form().close());
}

TEST_F(LifecycleTest, CloseModifiedNoClosesWithoutSavingAndCancelKeepsWindowOpen)
{
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Cancel}) {
        const bool closes = answer == MsgAnswer::No;
        CreateAndShow();
        form().Ui().RichEdit->ReplaceSelection(QStringLiteral("typed"));
        fake.prompts.ExpectSaveChanges(answer);
        EXPECT_EQ(form().close(), closes) << MsgAnswerName(answer).toStdString();
        EXPECT_EQ(form().isVisible(), !closes);
        if (!closes)
            EXPECT_EQ(form().Ui().RichEdit->Text(), QStringLiteral("typed"));
        fake.prompts.VerifyAllShown();
    }
}

TEST_F(LifecycleTest, CloseModifiedYesClosesOnlyWhenTheSaveCleared)
{
    CreateAndShow();
    form().Ui().RichEdit->ReplaceSelection(QStringLiteral("typed"));
    // Unnamed: Yes opens Save As; cancelling it keeps the window open.
    fake.prompts.ExpectSaveChanges(MsgAnswer::Yes);
    fake.prompts.ExpectSaveDialog([](FileDialogState&) { return false; });
    EXPECT_FALSE(form().close());
    EXPECT_TRUE(form().isVisible());
    fake.prompts.VerifyAllShown();

    // Saved under a name: the window closes.
    fake.prompts.ExpectSaveChanges(MsgAnswer::Yes);
    const QString target = TempPath(QStringLiteral("kept"));
    fake.prompts.ExpectSaveDialog([target](FileDialogState& state) {
        state.fileName = target;
        state.filterIndex = 1;
        return true;
    });
    EXPECT_TRUE(form().close());
    EXPECT_EQ(ReadFile(target + QStringLiteral(".txt")), QByteArray("typed"));
}

TEST_F(LifecycleTest, ClosingWhileRecordingWritesExitLast)
{
    CreateAndShow();
    form().Macro().IsRecording = true;
    form().Macro().MacroFile = TempPath(QStringLiteral("rec.macro"));
    form().Macro().MacroLines = {QStringLiteral("Bold On")};
    form().Macro().PendingText = QStringLiteral("ab\\s");
    EXPECT_TRUE(form().close());
    EXPECT_EQ(ReadFile(TempPath(QStringLiteral("rec.macro"))), QByteArray("Bold On\r\nInsert ab\\s\r\nExit\r\n"));
    EXPECT_TRUE(form().Macro().MacroLines.isEmpty());
}

TEST_F(LifecycleTest, ClosingRemovesOnlyThePreviewFileThisRunMade)
{
    // A file of the preview's name that this run never wrote belongs to
    // someone else.
    CreateAndShow();
    const QString preview = MakePreviewFile();
    ASSERT_FALSE(preview.isEmpty());
    EXPECT_TRUE(form().close());
    EXPECT_TRUE(QFile::exists(preview));

    CreateAndShow();
    form().Startup().PreviewFile = preview;   // as the preview command does when it writes it
    EXPECT_TRUE(form().close());
    EXPECT_FALSE(QFile::exists(preview));
}

TEST_F(LifecycleTest, ExitAsksTheWindowToClose)
{
    CreateAndShow();
    form().Ui().RichEdit->ReplaceSelection(QStringLiteral("x"));
    fake.prompts.ExpectSaveChanges(MsgAnswer::Cancel);
    form().RunHandler(&TMainForm::Exit1Click);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(LifecycleTest, HandlerExceptionsShowTheStandardErrorBoxAndRunOn)
{
    CreateAndShow();
    fake.prompts.ExpectException(QStringLiteral("Mirel-Edit 1.5.4"), QStringLiteral("disk on fire"));
    form().Guard([] { throw AppError(QStringLiteral("disk on fire")); });
    fake.prompts.ExpectException(QStringLiteral("Mirel-Edit 1.5.4"), QStringLiteral("bad_alloc-ish"));
    form().Guard([] { throw std::runtime_error("bad_alloc-ish"); });
    EXPECT_TRUE(form().isVisible());
}

TEST_F(LifecycleTest, SetWindowTitleSetsCaptionAndApplicationTitle)
{
    CreateAndShow();
    form().SetWindowTitle(QStringLiteral("/home/u/page.html"));
    EXPECT_EQ(form().windowTitle(), QStringLiteral("/home/u/page.html"));
    EXPECT_EQ(form().ApplicationTitle(), QStringLiteral("/home/u/page.html"));
    // Qt's display name would reach every dialog's title on X11.
    EXPECT_FALSE(QGuiApplication::applicationDisplayName().contains(QLatin1String("page.html")));
}

TEST_F(LifecycleTest, StatusPanelEdgesAddUpWidths)
{
    std::vector<StatusPanel> panels{{{}, 150}, {{}, 100}, {{}, 0}, {{}, 27}};
    EXPECT_EQ(PanelEdge(panels, 0), 150);
    EXPECT_EQ(PanelEdge(panels, 1), 250);
    EXPECT_EQ(PanelEdge(panels, 2), 250) << "a panel of width 0 takes no room";
    EXPECT_EQ(PanelEdge(panels, 3), 277);
}

TEST_F(LifecycleTest, EditCommandsRecordTheirLines)
{
    CreateAndShow();
    form().Ui().RichEdit->SetText(QStringLiteral("hello"));
    form().Macro().IsRecording = true;
    form().Macro().PendingText = QStringLiteral("x");
    form().RunHandler(&TMainForm::SelectAll1Click);
    form().RunHandler(&TMainForm::Copy1Click);
    EXPECT_EQ(form().Ui().RichEdit->SelLength(), 5);
    EXPECT_EQ(form().Macro().MacroLines, (QStringList{"Insert x", "SelectAll", "Copy"}));
    form().RunHandler(&TMainForm::Undo1Click);
    EXPECT_EQ(form().Macro().MacroLines, (QStringList{"Insert x", "SelectAll"}));
    form().Macro().IsRecording = false;
}

TEST(ProgramArguments, EveryArgumentIsPartOfTheDocumentName)
{
    // Qt's own options are names like any other; a leading "--" is dropped.
    const struct {
        std::vector<const char*> argv;
        QStringList expected;
    } cases[] = {
        {{"vellumpad"}, {}},
        {{"vellumpad", "-reverse"}, {QStringLiteral("-reverse")}},
        {{"vellumpad", "--", "-style", "x"}, {QStringLiteral("-style"), QStringLiteral("x")}},
        {{"vellumpad", "My", "Notes.txt"}, {QStringLiteral("My"), QStringLiteral("Notes.txt")}},
        {{"vellumpad", "a", "--"}, {QStringLiteral("a"), QStringLiteral("--")}},
        {{"vellumpad", "caf\xC3\xA9.txt"}, {QStringLiteral("caf\u00e9.txt")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DocumentArguments(int(c.argv.size()), c.argv.data()), c.expected) << c.argv.size();
}

TEST_F(LifecycleTest, WordwrapCheckMarkAndWrappingAgreeAfterAFailedOpenAtStart)
{
    for (const bool wrap : {true, false}) {
        StoreSetting(QStringLiteral("WordWrap"), wrap);
        Create({TempPath(QStringLiteral("missing.txt"))});
        Expect(MsgKind::Error, QStringLiteral("File not found!"), MsgButtons::Ok, MsgAnswer::Ok);
        Show();
        EXPECT_EQ(Item(QStringLiteral("Wordwrap1"))->isChecked(), wrap);
        EXPECT_EQ(edit().WordWrap(), wrap);
        fake.prompts.VerifyAllShown();
    }
}
