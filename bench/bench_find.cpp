// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Replace All on a 5 MB document against the plain QString
// operations they wrap, and the cost of one caret move (the whole
// selection-change update) in a 25 MB document against a 25 KB one.
// Prints ratios of the best of several runs.
#include "app/MainForm.h"
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
using bench::Best;
using bench::Document;
using bench::SilentPrompts;

void ReplaceAllBench(int runs)
{
    const QString text = Document(5 * 1024 * 1024);
    const int occurrences = int(text.count(QStringLiteral("fox")));
    QString expected = text;
    expected.replace(QStringLiteral("fox"), QStringLiteral("cat"));
    // Where Replace All leaves the caret: after the last replacement.
    const int caret = int(expected.lastIndexOf(QStringLiteral("cat")) + 3);

    // The baseline, as the editor is set up: no wrapping.
    QTextEdit plain;
    plain.setLineWrapMode(QTextEdit::NoWrap);
    QString copy;
    const qint64 qt = Best(
        runs, [&] { copy = text; },
        [&] {
            copy.replace(QStringLiteral("fox"), QStringLiteral("cat"));
            plain.setPlainText(copy);
        });
    // The same, until the caret stands where Replace All leaves it: showing
    // a caret near the end lays out the whole document up to it.
    const qint64 qtCaret = Best(
        runs, [&] { copy = text; },
        [&] {
            copy.replace(QStringLiteral("fox"), QStringLiteral("cat"));
            plain.setPlainText(copy);
            QTextCursor c = plain.textCursor();
            c.setPosition(caret);
            plain.setTextCursor(c);
        });

    TRichEdit edit;
    int replaced = 0;
    const qint64 ours = Best(
        runs, [&] { edit.SetText(text); },
        [&] { replaced = edit.ReplaceAll(QStringLiteral("fox"), QStringLiteral("cat"), true, false); });
    if (edit.SelStart() != caret || replaced != occurrences)
        std::printf("replace all went wrong: %d replaced, caret at %d\n", replaced, edit.SelStart());
    std::printf(
        "replace all, %d occurrences in 5 MB plain text: editor %.1f ms;\n"
        "  against QString::replace + setPlainText + the caret placed alike %.1f ms: ratio %.2f (target <= 3.00)\n"
        "  against QString::replace + setPlainText alone (layout left for later) %.1f ms: ratio %.2f\n",
        replaced, ours / 1e6, qtCaret / 1e6, double(ours) / double(qtCaret), qt / 1e6, double(ours) / double(qt));

    // Rich text keeps the formats around each match, one edit per match.
    TRichEdit rich;
    rich.SetPlainTextMode(false);
    const qint64 richTime = Best(
        1, [&] { rich.SetText(text); },
        [&] { rich.ReplaceAll(QStringLiteral("fox"), QStringLiteral("cat"), true, false); });
    std::printf("replace all in 5 MB rich text: editor %.1f ms, ratio %.2f to the caret-placed baseline\n",
                richTime / 1e6, double(richTime) / double(qtCaret));
}

void FindBench(int runs)
{
    QString text = Document(5 * 1024 * 1024);
    text += QStringLiteral("needle\n");
    TRichEdit edit;
    edit.SetText(text);
    int found = -1;
    edit.FindText(QStringLiteral("needle"), 0, -1, true, false);   // the editor's text copy is made once per change
    const qint64 ours = Best(
        runs * 5, [] {}, [&] { found = edit.FindText(QStringLiteral("needle"), 0, -1, true, false); });
    qsizetype qtFound = -1;
    const qint64 qt = Best(
        runs * 5, [] {}, [&] { qtFound = text.indexOf(QStringLiteral("needle")); });
    std::printf("find at the end of 5 MB (found %d, %lld): editor %.2f ms, QString::indexOf %.2f ms, ratio %.2f\n",
                found, qlonglong(qtFound), ours / 1e6, qt / 1e6, double(ours) / double(qt));
}

struct MoveCost {
    double move = 1e18;   // the whole move: the editor's own work and the update
    double local = 1e18;   // the same for moves within a screenful, as arrows and clicks do
    double update = 1e18;   // the selection-change update alone
};

// Mean cost of one caret move on a document laid out once beforehand (the
// first jump to its end lays it out, as opening and scrolling would).
MoveCost CaretMoveCost(TMainForm& form, qsizetype bytes, int moves)
{
    form.Ui().RichEdit->SetText(Document(bytes));
    const int length = form.Ui().RichEdit->TextLength();
    form.Ui().RichEdit->SetSelStart(length);
    MoveCost cost;
    for (int r = 0; r < 3; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < moves; ++i)
            form.Ui().RichEdit->SetSelStart(int((qint64(i) * 7919) % length));
        cost.move = std::min(cost.move, double(t.nsecsElapsed()) / moves);
        const int screen = length / 2;
        t.restart();
        for (int i = 0; i < moves; ++i)
            form.Ui().RichEdit->SetSelStart(screen + int((qint64(i) * 7919) % 3000));
        cost.local = std::min(cost.local, double(t.nsecsElapsed()) / moves);
        qint64 update = 0;
        for (int i = 0; i < moves; ++i) {
            form.Ui().RichEdit->SetSelStart(int((qint64(i) * 104729) % length));
            t.restart();
            form.RichEditSelectionChange();
            update += t.nsecsElapsed();
        }
        cost.update = std::min(cost.update, double(update) / moves);
    }
    return cost;
}

// Select All and the tooltip built for it on the next mouse move.
double SelectAllHintCost(TMainForm& form)
{
    form.Ui().RichEdit->SetSelStart(0);
    QElapsedTimer t;
    t.start();
    form.Ui().RichEdit->SelectAllText();
    form.RichEditMouseMove(Qt::NoModifier, 1, 1);
    return double(t.nsecsElapsed());
}

void SelectionBench()
{
    SilentPrompts prompts;
    Platform platform;
    platform.prompts = &prompts;
    TMainForm form(platform, {});
    const int moves = 2000;
    const MoveCost small = CaretMoveCost(form, 25 * 1024, moves);
    const double hintSmall = SelectAllHintCost(form);
    const MoveCost large = CaretMoveCost(form, 25 * 1024 * 1024, moves);
    const double hintLarge = SelectAllHintCost(form);
    std::printf(
        "selection-change update alone: 25 KB %.2f us, 25 MB %.2f us, ratio %.2f (target: equal within noise)\n",
        small.update / 1e3, large.update / 1e3, large.update / small.update);
    std::printf("one whole caret move within a screenful: 25 KB %.1f us, 25 MB %.1f us, ratio %.2f\n",
                small.local / 1e3, large.local / 1e3, large.local / small.local);
    std::printf("one whole caret jump anywhere in the document: 25 KB %.1f us, 25 MB %.1f us, ratio %.2f\n"
                "  (a far jump in 25 MB lands on lines not yet laid out and memory not in the cache)\n",
                small.move / 1e3, large.move / 1e3, large.move / small.move);
    std::printf("select all and its tooltip: 25 KB %.1f us, 25 MB %.1f us, ratio %.2f\n", hintSmall / 1e3,
                hintLarge / 1e3, hintLarge / hintSmall);
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, [](int runs) {
        ReplaceAllBench(runs);
        FindBench(runs);
        SelectionBench();
    });
}
