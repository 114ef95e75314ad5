// SPDX-License-Identifier: GPL-3.0-or-later
// The macro texts under a translator that brackets every text it is asked
// for: each message must reach it as one whole sentence, and nothing that
// the program decides by may depend on what the user is shown.
#include "app/StatusBar.h"
#include "macro/BatchRun.h"
#include "macro/MacroCheck.h"
#include "macro/MacroPaths.h"
#include "platform/BatchPrompts.h"
#include "tests/support/MainFormFixture.h"
#include "tests/support/MarkingTranslator.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>

namespace {

// Installed for one test, removed again whatever happens.
struct Bracketed : MarkingTranslator {
    Bracketed() : MarkingTranslator(Marks::Brackets) {}
};

}   // namespace

TEST(TranslatedMacroTexts, EachMessageIsOneTranslatedSentence)
{
    const Bracketed bracketed;
    ExpectMarkedTexts({
        {"a changed file", SummaryLine({QStringLiteral("a.txt"), FileOutcome::Changed}),
         QStringLiteral("[a.txt: changed]")},
        {"a failed line", SummaryLine({QStringLiteral("a.txt"), FileOutcome::Failed, 3, QStringLiteral("r")}),
         QStringLiteral("[a.txt: error in line 3: r]")},
        {"a check warning", FindingText(QStringLiteral("m.macro"), {2, FindingKind::Warning, QStringLiteral("w")}),
         QStringLiteral("[m.macro:2: warning: w]")},
        {"a word before its reason", LineFailureReason(QStringLiteral("size x"), false),
         QStringLiteral("[\"size\" needs a whole number, not \"x\"]")},
        {"an unknown word with a likely one", LineFailureReason(QStringLiteral("Inser x"), false),
         QStringLiteral("[unknown command \"Inser\"; did you mean \"insert\"?]")},
        {"a dialog a batch cannot show", CheckMacroLines({QStringLiteral("print")}).at(0).message,
         QStringLiteral("[\"print\" [needs the print dialog, which a run without a window cannot show]]")},
        {"a line refused early", FindRefusedLine({QStringLiteral("exit")})->reason,
         QStringLiteral("[[\"exit\" is not run without a window]; the file was skipped]")},
        {"a question before a write", PathQuestion(PathAccess::Write, QStringLiteral("/x/y"), QString()).value(),
         QStringLiteral("[The macro wants to write %1.\nAllow it?]").arg(ResolvedPath(QStringLiteral("/x/y")))},
    });
}

// A run without a window reports a failed line once, as its summary, also
// when the run's own error box is shown in another language.
TEST(TranslatedMacroTexts, ABatchRunStillTellsItsOwnErrorBoxFromOtherMessages)
{
    const Bracketed bracketed;
    QTemporaryDir dir;
    const auto put = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    const QString macro = put("m.macro", "insert y\r\nsize x\r\n");
    const QString text = put("a.txt", "x\n");
    QStringList out, err;
    const BatchOutput output{[&](const QString& line) { out << line; }, [&](const QString& line) { err << line; }};
    const int code = RunBatch({macro, {text}}, output);
    EXPECT_EQ(code, 1);
    const QString summary = QStringLiteral("[%1: error in line 2: [\"size\" needs a whole number, not \"x\"]]");
    EXPECT_EQ(out, QStringList{summary.arg(text)});
    EXPECT_EQ(err, QStringList());
}

class TranslatedTypingMode : public MainFormTest {
protected:
    void SetUp() override { CreateAndShow(); }
};

// The Insert key flips the editor's mode; the panel only names it, in
// whatever words the user's language has for it.
TEST_F(TranslatedTypingMode, InsertKeyFlipsTheModeWhateverThePanelSays)
{
    const Bracketed bracketed;
    form().Ui().StatusBar->SetPanelText(2, QStringLiteral("[insert]"));
    const struct {
        bool overwrite;
        const char* panel;
    } presses[] = {{true, "[overwrite]"}, {false, "[insert]"}, {true, "[overwrite]"}};
    for (const auto& press : presses) {
        QTest::keyClick(edit().InputWidget(), Qt::Key_Insert);
        EXPECT_EQ(edit().OverwriteMode(), press.overwrite) << press.panel;
        EXPECT_EQ(form().Ui().StatusBar->Panel(2).text, QString::fromLatin1(press.panel));
    }
}
