// SPDX-License-Identifier: GPL-3.0-or-later
// Macro commands and a run on a host without any window: a fake that notes
// what it is asked to do, over an editor that is never shown.
#include "document/DocumentSession.h"
#include "editor/RichEdit.h"
#include "macro/MacroHost.h"
#include "macro/MacroState.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/QuietDocumentHost.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class NotingMacroHost : public MacroHost {
public:
    TRichEdit edit;
    MacroState macro;
    FakePlatform fake;
    Platform platform = fake.platform();
    QuietDocumentHost documentHost{edit};
    DocumentSession session{documentHost, platform};
    QSet<MacroOption> on;
    QStringList calls;

    TRichEdit& Editor() override { return edit; }
    MacroState& Macro() override { return macro; }
    DocumentSession& Session() override { return session; }
    void Edit(MacroEdit command) override { calls << QStringLiteral("edit %1").arg(int(command)); }
    void Align(int code) override { calls << QStringLiteral("align %1").arg(code); }
    bool OptionOn(MacroOption option) const override { return on.contains(option); }
    void FlipOption(MacroOption option) override { calls << QStringLiteral("flip %1").arg(int(option)); }
    void PrinterSetup() override { calls << QStringLiteral("printersetup"); }
    void Print() override { calls << QStringLiteral("print"); }
    void Find(const QString& text) override { calls << QStringLiteral("find ") + text; }
    void Replace(const ReplacePair& pair, bool all) override
    {
        calls << QStringLiteral("replace %1|%2|%3").arg(pair.find, pair.replacement, all ? "all" : "once");
    }
    MsgAnswer Ask(MsgKind, const QString& text, MsgButtons) override
    {
        calls << QStringLiteral("ask ") + text;
        return MsgAnswer::Ok;
    }
    void ShowError(const QString& text) override { calls << QStringLiteral("error ") + text; }
    void Exit() override { calls << QStringLiteral("exit"); }
    MacroRunWidgets RunWidgets() override { return {}; }
    bool ListensDuringRun() const override { return false; }
    void RunEnded() override { calls << QStringLiteral("ended"); }
    void Stop() override { calls << QStringLiteral("stop running=%1").arg(macro.IsRunning); }
    QList<QAction*> MenuCommands() const override { return {}; }
    void CloseSearchDialogs() override {}
    void ShowTypingMode(bool) override {}
    void ShiftMarkers(int) override {}
};

TEST(MacroHostCommands, ReachTheHostOperationOfTheirWord)
{
    using O = MacroOption;
    const struct {
        const char* word;
        std::optional<QString> argument;
        bool plain;
        QSet<MacroOption> on;
        bool ok;
        QStringList calls;
    } cases[] = {
        {"autotab", "on", true, {}, true, {"flip 0"}},
        {"autotab", "ON", true, {O::AutoTab}, true, {}},
        {"centeronscreen", "off", true, {O::CenterOnScreen}, true, {"flip 1"}},
        {"rememberpos", std::nullopt, true, {O::RememberPos}, true, {"flip 2"}},
        {"plaintext", std::nullopt, true, {}, true, {"flip 3"}},
        {"alwaysstayontop", std::nullopt, false, {}, true, {"flip 4"}},
        {"wordwrap", std::nullopt, true, {}, true, {"flip 5"}},
        {"wordwrap", std::nullopt, false, {}, false, {}},
        {"selectall", std::nullopt, true, {}, true, {"edit 0"}},
        {"paste", std::nullopt, true, {}, true, {"edit 3"}},
        {"alignright", std::nullopt, false, {}, true, {"align 1"}},
        {"center", std::nullopt, false, {}, true, {"align 2"}},
        {"center", std::nullopt, true, {}, false, {}},
        {"find", "a b", true, {}, true, {"find a b"}},
        {"replace", "a with b c", true, {}, true, {"replace a|b c|once"}},
        {"replaceall", "x y", true, {}, true, {"replace x|y|all"}},
        {"replaceall", "xy", true, {}, false, {}},
        {"print", std::nullopt, true, {}, true, {"print"}},
        {"exit", "now", true, {}, true, {"exit"}},
        {"frobnicate", std::nullopt, true, {}, false, {}},
    };
    for (const auto& c : cases) {
        NotingMacroHost host;
        host.session.State().IsPlainDocument = c.plain;
        host.on = c.on;
        EXPECT_EQ(ExecuteMacroCommand(host, QString::fromLatin1(c.word), c.argument), c.ok) << c.word;
        EXPECT_EQ(host.calls.join(u';').toStdString(), c.calls.join(u';').toStdString()) << c.word;
    }
}

TEST(MacroHostRun, StopsAtTheFailingLineAndEndsWithStop)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("run.macro"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("Insert abc\nMoveLeft 2\nInsert startsel\nBold On\nInsert never\n");
    out.close();

    NotingMacroHost host;
    host.session.State().IsPlainDocument = true;
    host.macro.MacroFile = file;
    RunMacro(host);
    EXPECT_EQ(host.edit.Text(), QStringLiteral("a1bc"));
    EXPECT_EQ(host.macro.FailedLine, 4);
    ASSERT_EQ(host.calls.size(), 3);
    EXPECT_TRUE(host.calls[0].startsWith(QStringLiteral("error "))) << host.calls[0].toStdString();
    EXPECT_EQ(host.calls.mid(1).join(u';').toStdString(), "ended;stop running=0");
}

}   // namespace
