// SPDX-License-Identifier: GPL-3.0-or-later
// Progress of long opens, saves and batch runs, on fake time.
#include "document/Progress.h"
#include "macro/BatchRun.h"
#include "markers/MegaCheckListBox.h"
#include "tests/support/FakeProgress.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QToolBar>

TEST(DelayedProgress, ShowsOnlyAfterHalfASecondAndStopsOnlyWhatMayStop)
{
    struct Case {
        const char* name;
        qint64 msPerStep;
        bool cancellable;
        int cancelAt;
        size_t percentsShown;   // of the steps 10, 20, ... 100
        int firstRefused;   // the step that gave false, -1 when none
    } const cases[] = {
        {"quick work", 40, true, 10, 0, -1},
        {"exactly half a second is not longer", 100, true, -1, 5, -1},
        {"cancelled", 100, true, 70, 2, 7},
        {"cancel on work that cannot stop", 100, false, 70, 5, -1},
        {"slow from the start", 1000, true, -1, 10, -1},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        clock.msPerLook = c.msPerStep;
        FakeProgress view;
        view.cancelAt = c.cancelAt;
        int refused = -1;
        {
            DelayedProgress progress(&clock, &view, QStringLiteral("Opening x ..."), c.cancellable);
            for (int step = 1; step <= 10 && refused < 0; ++step)
                if (!progress.Step(step * 10))
                    refused = step;
        }
        EXPECT_EQ(view.percents.size(), c.percentsShown) << c.name;
        EXPECT_EQ(refused, c.firstRefused) << c.name;
        EXPECT_EQ(view.shown.size(), c.percentsShown > 0 ? 1 : 0) << c.name;
        EXPECT_EQ(view.hides, c.percentsShown > 0 ? 1 : 0) << c.name << ": hidden at the end";
        if (!view.shown.isEmpty())
            EXPECT_EQ(view.cancellable, c.cancellable) << c.name;
    }
    // A window without a clock (a run without a window) shows nothing.
    FakeProgress unseen;
    unseen.cancelAt = 0;
    DelayedProgress noClock(nullptr, &unseen, QStringLiteral("Opening x ..."), true);
    EXPECT_TRUE(noClock.Step(50));
    EXPECT_TRUE(unseen.shown.isEmpty());
}

TEST(BatchProgress, CountsOnlyOnATerminalAndOnlyForSeveralFiles)
{
    EXPECT_TRUE(ShowsBatchProgress(true, 2));
    EXPECT_TRUE(ShowsBatchProgress(true, 500));
    EXPECT_FALSE(ShowsBatchProgress(false, 500)) << "redirected reports stay clean";
    EXPECT_FALSE(ShowsBatchProgress(true, 1));
    EXPECT_EQ(BatchProgressLine(3, 40), QStringLiteral("3/40"));
}

namespace {

class LongWorkTest : public MainFormTest {
protected:
    void SetUp() override
    {
        CreateAndShow();
        form().SetLongWork(&view);
    }
    // About three megabytes: a few steps of reading and a few of the text.
    QString WriteBig(const QString& name)
    {
        QByteArray bytes;
        const QByteArray line = "<p class=\"x\">0123456789 abcdefghij &amp; more text</p>\r\n";
        while (bytes.size() < 3 * 1024 * 1024)
            bytes += line;
        return WriteFile(name, bytes);
    }
    FakeProgress view;
};

}   // namespace

TEST_F(LongWorkTest, LongOpenShowsTheDialogAfterHalfASecondQuickOneNever)
{
    const QString big = WriteBig(QStringLiteral("big.html"));
    form().OpenNamed(big);
    EXPECT_TRUE(view.shown.isEmpty()) << "the clock stood still";
    EXPECT_EQ(form().Session().State().CurrentFile, big);

    fake.clock.msPerLook = 200;
    form().OpenNamed(big);
    EXPECT_EQ(view.shown, QStringList{QStringLiteral("Opening big.html ...")});
    EXPECT_TRUE(view.cancellable);
    ASSERT_FALSE(view.percents.empty());
    EXPECT_EQ(view.percents.back(), 100);
    EXPECT_EQ(view.hides, 1);
    EXPECT_EQ(form().Session().State().CurrentFile, big);
    EXPECT_EQ(edit().LineCount(), edit().Text().count(QStringLiteral("\r\n")) + 1);
    EXPECT_FALSE(edit().Modified());
}

TEST_F(LongWorkTest, CancelledOpenLeavesThePreviousDocumentAsItWas)
{
    struct Case {
        const char* name;
        const char* file;
        QByteArray bytes;
        bool rich;
    } const cases[] = {
        {"plain with markers", "notes.txt", "one\r\ntwo\r\nthree\r\n", false},
        {"rich", "letter.rtf", "{\\rtf1\\ansi {\\b bold} text\\par}", true},
    };
    const QString big = WriteBig(QStringLiteral("big.html"));
    for (const Case& c : cases) {
        fake.clock.msPerLook = 0;
        const QString previous = WriteFile(QString::fromLatin1(c.file), c.bytes);
        WriteFile(QString::fromLatin1(c.file) + QStringLiteral(".lm"), "1, first\r\n");
        form().OpenNamed(previous);
        edit().SetSelStart(0);
        edit().ReplaceSelection(QStringLiteral("typed "));
        edit().SetSelStart(6);
        edit().SetSelLength(3);
        const QString text = edit().Text();
        ASSERT_EQ(edit().SelAttributes().bold, c.rich) << c.name;
        ASSERT_TRUE(edit().Modified()) << c.name;

        fake.clock.msPerLook = 200;
        view = FakeProgress();
        view.cancelAt = 0;   // at once when shown
        fake.prompts.ExpectSaveChanges(MsgAnswer::No);
        form().Macro().IsRecording = true;
        form().Macro().MacroLines = QStringList{QStringLiteral("Bold On")};
        form().OpenNamed(big);
        form().Macro().IsRecording = false;
        EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("Bold On")}) << c.name << ": not recorded";

        EXPECT_EQ(view.shown.size(), 1) << c.name;
        EXPECT_EQ(edit().Text(), text) << c.name;
        EXPECT_TRUE(edit().Modified()) << c.name;
        EXPECT_TRUE(edit().CanUndo()) << c.name;
        EXPECT_EQ(edit().SelStart(), 6) << c.name;
        EXPECT_EQ(edit().SelLength(), 3) << c.name;
        EXPECT_EQ(edit().IsPlainText(), !c.rich) << c.name;
        EXPECT_EQ(edit().SelAttributes().bold, c.rich) << c.name;
        EXPECT_EQ(form().Session().State().CurrentFile, previous) << c.name;
        EXPECT_EQ(form().Session().State().IsPlainDocument, !c.rich) << c.name;
        EXPECT_EQ(form().windowTitle(), previous) << c.name;
        EXPECT_EQ(Item(QStringLiteral("PlainText1"))->isChecked(), !c.rich) << c.name;
        EXPECT_EQ(form().Ui().ToolBar1->isHidden(), !c.rich) << c.name;
        EXPECT_EQ(form().Ui().CheckList->MarkerLabels.size(), 1) << c.name;

        // What was set aside is the document: undo still reaches the load.
        edit().UndoStep();
        EXPECT_FALSE(edit().Text().startsWith(QStringLiteral("typed "))) << c.name;
        edit().SetModified(false);
    }
}

TEST_F(LongWorkTest, LongSaveShowsADialogWithoutCancel)
{
    const QString big = WriteBig(QStringLiteral("big.txt"));
    form().OpenNamed(big);
    edit().SetSelStart(0);
    edit().ReplaceSelection(QStringLiteral("x"));
    fake.clock.msPerLook = 300;
    view.cancelAt = 0;   // pressed, but a save goes on
    form().Save1Click();
    EXPECT_EQ(view.shown, QStringList{QStringLiteral("Saving big.txt ...")});
    EXPECT_FALSE(view.cancellable);
    EXPECT_EQ(view.hides, 1);
    EXPECT_FALSE(edit().Modified());
    EXPECT_EQ(ReadFile(big).left(2), QByteArray("x<"));
}
