// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's key handling: keystrokes through the whole handler (key
// event, key down and key press with recording, AutoTab and entities on,
// the editor's own work and the selection tracking) at the end of a 25 MB
// document against a 25 KB one (target ratio about 1), and block indent of
// 100,000 whole lines with Tab against inserting the same text with one
// ReplaceSelection (target <= 2).
#include "app/MainForm.h"
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"
#include "macro/KeyRules.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <cstdio>

namespace {
using bench::Best;
using bench::Document;
using bench::SilentPrompts;

void Press(QWidget* view, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(view, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(view, &release);
}

// Rounds of a, blank, <, <, Enter, Tab, Backspace, Left, Right at the end of
// the document: typing, an entity, AutoTab, recording and the move merge.
qint64 KeystrokeNs(TMainForm& form, const QString& text, int rounds, int runs)
{
    TRichEdit& edit = *form.Ui().RichEdit;
    QWidget* view = edit.InputWidget();
    const qint64 best = Best(
        runs,
        [&] {
            edit.SetText(text);
            edit.SetSelStart(edit.TextLength());
            form.Macro().MacroLines.clear();
            form.Macro().PendingText.clear();
        },
        [&] {
            for (int i = 0; i < rounds; ++i) {
                Press(view, Qt::Key_A, QStringLiteral("a"));
                Press(view, Qt::Key_Space, QStringLiteral(" "));
                Press(view, Qt::Key_Less, QStringLiteral("<"));
                Press(view, Qt::Key_Less, QStringLiteral("<"));
                Press(view, Qt::Key_Return, QStringLiteral("\r"));
                Press(view, Qt::Key_Tab, QStringLiteral("\t"));
                Press(view, Qt::Key_Backspace, QStringLiteral("\b"));
                Press(view, Qt::Key_Left, QString());
                Press(view, Qt::Key_Right, QString());
            }
        });
    return best / (rounds * 9);
}

void KeystrokeBench(TMainForm& form, int runs)
{
    form.SetChecked(Command::AutoTab, true);
    form.SetChecked(Command::ReplaceSpecialCharacters, true);
    form.Macro().IsRecording = true;
    const int rounds = 300;
    const qint64 small = KeystrokeNs(form, Document(25 * 1024), rounds, runs);
    const qint64 large = KeystrokeNs(form, Document(25 * 1024 * 1024), rounds, runs);
    if (!form.Ui().RichEdit->Text().endsWith(QStringLiteral("\r\na &lt;\r\n")))
        std::printf("the keystrokes went wrong\n");
    form.Macro().IsRecording = false;
    std::printf("keystroke at the end of 25 MB: %.1f us, of 25 KB: %.1f us: ratio %.2f (target about 1)\n", large / 1e3,
                small / 1e3, double(large) / double(small));
}

void BlockIndentBench(TMainForm& form, int runs)
{
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("line %1 of the block\n").arg(i);
    const QString indented = IndentBlock(text);
    TRichEdit& edit = *form.Ui().RichEdit;
    const auto prepare = [&] {
        edit.SetText(text);
        edit.SelectAllText();
    };
    const qint64 replace = Best(runs, prepare, [&] { edit.ReplaceSelection(indented); });
    const QString expected = edit.Text();
    const qint64 tab = Best(runs, prepare, [&] { Press(edit.InputWidget(), Qt::Key_Tab, QStringLiteral("\t")); });
    if (edit.Text() != expected || edit.SelLength() != indented.size())
        std::printf("the block indent went wrong\n");
    edit.UndoStep();
    if (edit.Text() != QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")))
        std::printf("the block indent is not one undo step\n");
    std::printf("block indent of 100,000 lines: Tab %.1f ms, one ReplaceSelection %.1f ms: ratio %.2f "
                "(target <= 2.00)\n",
                tab / 1e6, replace / 1e6, double(tab) / double(replace));
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, [](int runs) {
        SilentPrompts prompts;
        Platform platform;
        platform.prompts = &prompts;
        TMainForm form(platform, {});
        KeystrokeBench(form, runs);
        BlockIndentBench(form, runs);
    });
}
