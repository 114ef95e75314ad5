// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/MacroLibraryFixture.h"

#include <QAction>

namespace {

// One row of the controls' states around recordings.
struct Controls {
    bool runDown;
    const char* runHint;
    bool browserEnabled, recordItems, runItems, stopItems, deleteItems;
};

}   // namespace

class RunStopTest : public MacroLibraryTest {
protected:
    void Type(const QString& text) { QTest::keyClicks(form().Ui().MakroFeld, text); }
    void ClearField()
    {
        form().Ui().MakroFeld->selectAll();
        QTest::keyClick(form().Ui().MakroFeld, Qt::Key_Backspace);
    }
    void ClickRun() { QTest::mouseClick(form().Ui().RunButton, Qt::LeftButton); }
    void Check(const Controls& c, int line)
    {
        SCOPED_TRACE(line);
        EXPECT_EQ(form().Ui().RunButton->isChecked(), c.runDown);
        EXPECT_EQ(form().Ui().RunButton->toolTip(), QString::fromUtf8(c.runHint));
        EXPECT_EQ(form().Ui().MakroButton->isEnabled(), c.browserEnabled);
        for (const char* name : {"Macrobrowser1", "Macrobrowser2"})
            EXPECT_EQ(Item(QString::fromUtf8(name))->isEnabled(), c.browserEnabled) << name;
        const std::pair<const char*, bool> items[] = {{"Record1", c.recordItems}, {"Record2", c.recordItems},
                                                      {"Run1", c.runItems},       {"Run2", c.runItems},
                                                      {"Stop1", c.stopItems},     {"Stop2", c.stopItems},
                                                      {"Delete2", c.deleteItems}, {"Delete4", c.deleteItems}};
        for (const auto& [name, on] : items)
            EXPECT_EQ(Item(QString::fromUtf8(name))->isEnabled(), on) << name;
    }
};

TEST_F(RunStopTest, FieldPicksTheFirstMacroOfItsNameInTreeOrder)
{
    Make(QStringLiteral("Web.macro"), true);
    Make(QStringLiteral("Zed.macro"), true);
    Make(QStringLiteral("Greet.macro"), true);
    WriteFile(QStringLiteral("lib/Web.macro/Hello.macro"), "Insert first\r\n");
    WriteFile(QStringLiteral("lib/Zed.macro/hello.macro"), "Insert second\r\n");
    Start();
    Check({false, "record", true, true, false, false, false}, __LINE__);

    Type(QStringLiteral("hELLO"));
    EXPECT_EQ(form().Ui().MakroFeld->toolTip(), QStringLiteral("hELLO"));
    EXPECT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("run"));
    EXPECT_EQ(tree().currentItem(), Node({QStringLiteral("Web"), QStringLiteral("Hello")}));
    EXPECT_TRUE(Item(QStringLiteral("Run1"))->isEnabled());
    Type(QStringLiteral("x"));
    EXPECT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("record"));
    EXPECT_FALSE(Item(QStringLiteral("Run2"))->isEnabled());
    ClearField();
    Type(QStringLiteral("greet"));
    EXPECT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("record")) << "a folder is no macro";

    ClearField();
    Type(QStringLiteral("hello"));
    ClickRun();
    EXPECT_EQ(edit().Text(), QStringLiteral("first"));
    Check({false, "run", true, true, true, false, true}, __LINE__);
}

TEST_F(RunStopTest, WithOnlyTheRootTheFieldChangesOnlyItsHint)
{
    Start();
    Type(QStringLiteral("abc"));
    EXPECT_EQ(form().Ui().MakroFeld->toolTip(), QStringLiteral("abc"));
    Check({false, "record", true, true, false, false, false}, __LINE__);
    QTest::mouseDClick(form().Ui().MakroFeld, Qt::LeftButton);
    EXPECT_EQ(form().Ui().MakroFeld->selectedText(), QStringLiteral("abc"));
}

TEST_F(RunStopTest, ButtonRecordsThenStopsWritesAndTurnsToRun)
{
    Start();
    Type(QStringLiteral("Greeting"));
    ClickRun();
    Check({true, "record", false, false, false, true, false}, __LINE__);
    EXPECT_TRUE(form().Macro().IsRecording);
    EXPECT_NE(Node({QStringLiteral("Greeting")}), nullptr) << "the node comes with the start";
    EXPECT_FALSE(QFile::exists(lib + QStringLiteral("Greeting.macro"))) << "the file with the stop";
    Item(QStringLiteral("SelectAll2"))->trigger();
    ClickRun();
    EXPECT_FALSE(form().Macro().IsRecording);
    EXPECT_EQ(ReadFile(lib + QStringLiteral("Greeting.macro")), QByteArray("SelectAll\r\n"));
    Check({false, "run", true, true, true, false, true}, __LINE__);
    EXPECT_TRUE(edit().hasFocus() || edit().InputWidget()->hasFocus());
}

TEST_F(RunStopTest, OverwriteQuestionsAndWhereARecordingGoes)
{
    Make(QStringLiteral("Greet.macro"), true);
    WriteFile(QStringLiteral("lib/Old.macro"), "Insert old\r\n");
    Start();
    Type(QStringLiteral("old"));
    const QString question = QStringLiteral("Overwrite \"") + lib + QStringLiteral("Old.macro\"?");
    Expect(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Cancel);
    Item(QStringLiteral("Record2"))->trigger();
    EXPECT_FALSE(form().Macro().IsRecording);
    EXPECT_FALSE(form().Ui().RunButton->isChecked());
    EXPECT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("run"));

    Expect(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Ok);
    Item(QStringLiteral("Record2"))->trigger();
    EXPECT_EQ(form().Macro().MacroFile, lib + QStringLiteral("Old.macro"));
    Item(QStringLiteral("Stop2"))->trigger();
    EXPECT_EQ(ReadFile(lib + QStringLiteral("Old.macro")), QByteArray());

    // A folder of the name takes the recording inside, under the same name.
    ClearField();
    Type(QStringLiteral("Greet"));
    ClickRun();
    EXPECT_EQ(form().Macro().MacroFile, lib + QStringLiteral("Greet.macro/Greet.macro"));
    EXPECT_NE(Node({QStringLiteral("Greet"), QStringLiteral("Greet")}), nullptr);
    ClickRun();

    // An empty field records "Unnamed Macro"; a name cannot leave the folder.
    ClearField();
    Item(QStringLiteral("Record1"))->trigger();
    EXPECT_EQ(form().Ui().MakroFeld->text(), QStringLiteral("Unnamed Macro"));
    EXPECT_EQ(form().Macro().MacroFile, lib + QStringLiteral("Unnamed Macro.macro"));
    Item(QStringLiteral("Stop1"))->trigger();
    ClearField();
    Type(QStringLiteral("../evil"));
    ClickRun();
    EXPECT_EQ(form().Macro().MacroFile, lib + QStringLiteral("..evil.macro"));
    ClickRun();
    EXPECT_TRUE(QFile::exists(lib + QStringLiteral("..evil.macro")));
}

TEST_F(RunStopTest, FailedWriteKeepsRecordingUntilAStopSucceeds)
{
    Make(QStringLiteral("Web.macro"), true);
    Start();
    ShowLibrary();
    Select(Node({QStringLiteral("Web")}));
    Type(QStringLiteral("Later"));
    ClickRun();
    EXPECT_EQ(form().Macro().MacroFile, lib + QStringLiteral("Web.macro/Later.macro"));
    Item(QStringLiteral("SelectAll2"))->trigger();
    const QString file = lib + QStringLiteral("Web.macro/Later.macro");
    ASSERT_TRUE(QDir(lib + QStringLiteral("Web.macro")).removeRecursively());
    const QString error = QStringLiteral("Cannot write file \"%1\". %2").arg(file, qt_error_string(ENOENT));
    Expect(MsgKind::Error, error, MsgButtons::Ok, MsgAnswer::Ok);
    ClickRun();
    EXPECT_TRUE(form().Macro().IsRecording);
    Check({true, "record", false, false, false, true, false}, __LINE__);
    Item(QStringLiteral("Copy2"))->trigger();

    // Closing tries once more; No keeps the window and the recording.
    Expect(MsgKind::Error, error + QStringLiteral("\n\nClose anyway? The recording will be lost."), MsgButtons::YesNo,
           MsgAnswer::No);
    EXPECT_FALSE(form().close());
    ASSERT_TRUE(QDir().mkpath(lib + QStringLiteral("Web.macro")));
    EXPECT_TRUE(form().close());
    EXPECT_EQ(ReadFile(file), QByteArray("SelectAll\r\nCopy\r\nExit\r\n")) << "nothing lost, Exit once";
    EXPECT_FALSE(form().Macro().IsRecording);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(ReadFile(file), QByteArray("SelectAll\r\nCopy\r\nExit\r\n")) << "written once";
}

TEST_F(RunStopTest, RecordedTypingReplaysOntoAnotherDocument)
{
    const QString other = WriteFile(QStringLiteral("other.txt"), "end\n");
    Start();
    Type(QStringLiteral("Greeting"));
    ClickRun();
    for (const QString& text :
         {QStringLiteral("ab"), QStringLiteral("\t"), QStringLiteral("\r"), QStringLiteral("C:\\x")})
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit().InputWidget(),
                                c == QLatin1Char('\t')   ? Qt::Key_Tab
                                : c == QLatin1Char('\r') ? Qt::Key_Return
                                                         : Qt::Key(c.toUpper().unicode()),
                                QString(c), {});
    ClickRun();
    EXPECT_EQ(ReadFile(lib + QStringLiteral("Greeting.macro")), QByteArray("Insert ab\\t\\nC:\\\\x\r\n"));
    EXPECT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("run"));

    edit().SetModified(false);
    fake.prompts.ExpectOpenDialog([&](FileDialogState& s) {
        s.fileName = other;
        return true;
    });
    Item(QStringLiteral("Open2"))->trigger();
    // Ctrl+M twice: two whole runs, one after the other.
    Item(QStringLiteral("Run2"))->trigger();
    Item(QStringLiteral("Run2"))->trigger();
    EXPECT_EQ(edit().Text(), QStringLiteral("ab\t\r\nC:\\xab\t\r\nC:\\xend\r\n"));
    Item(QStringLiteral("Save2"))->trigger();
    EXPECT_EQ(ReadFile(other), QByteArray("ab\t\nC:\\xab\t\nC:\\xend\n"));
}

TEST_F(RunStopTest, RunItemsInRecordModeRecordAndARunIsNeverEnteredTwice)
{
    Start();
    // A file the tree does not show: its recording adds no node, so after
    // Stop the tree still holds only the root and Run is enabled in record mode.
    WriteFile(QStringLiteral("lib/Unnamed Macro.macro"), "Insert a\r\nbogus\r\n");
    const QString question = QStringLiteral("Overwrite \"Unnamed Macro.macro\"?");
    Expect(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Cancel);
    Item(QStringLiteral("Record2"))->trigger();
    Check({false, "record", true, true, true, false, true}, __LINE__);
    Expect(MsgKind::Confirmation, question, MsgButtons::OkCancel, MsgAnswer::Cancel);
    Item(QStringLiteral("Run2"))->trigger();   // Ctrl+M: records, as the button would

    // While a box of the run is up, Ctrl+M starts nothing.
    form().Startup().MacroDir = lib;
    form().Ui().TreeRoot->addChild(new TMacroTreeItem(QStringLiteral("Unnamed Macro")));
    ClearField();
    Type(QStringLiteral("unnamed macro"));
    ASSERT_EQ(form().Ui().RunButton->toolTip(), QStringLiteral("run"));
    Expect(MsgKind::Error, QStringLiteral("Error in line 2.\nunknown command \"bogus\""), MsgButtons::Ok,
           MsgAnswer::Ok);
    fake.prompts.WhileShown([this] { Item(QStringLiteral("Run2"))->trigger(); });
    Item(QStringLiteral("Run2"))->trigger();
    EXPECT_EQ(edit().Text(), QStringLiteral("a"));
}
