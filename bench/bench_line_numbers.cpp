// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the 25 MB plain file of bench_open with the line-number gutter
// on, against the same with it off, in a shown editor whose first screen is
// painted; then typing near the end, each key painted. Prints the ratios; the target
// for opening is at most 1.05.
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"

#include <QAbstractScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

void Run(int runs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    if (!bench::WriteFile(path, bench::MarkupLines(25 * 1024 * 1024)))
        std::exit(1);

    const auto open = [&](bool numbers) {
        TRichEdit edit;
        edit.resize(800, 600);
        edit.SetLineNumbers(numbers);
        edit.show();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        edit.LoadFromFile(path);
        edit.repaint();
        if (numbers)
            edit.Gutter()->repaint();
        QApplication::processEvents();
        return t.nsecsElapsed();
    };
    const auto type = [&](bool numbers) {
        TRichEdit edit;
        edit.resize(800, 600);
        edit.SetLineNumbers(numbers);
        edit.show();
        edit.LoadFromFile(path);
        edit.SetSelStart(edit.TextLength() - 100);
        edit.setFocus();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 100; ++i) {
            QTest::keyClick(edit.InputWidget(), Qt::Key_A);
            QApplication::processEvents();
        }
        return t.nsecsElapsed();
    };
    qint64 off = std::numeric_limits<qint64>::max();
    qint64 on = off;
    qint64 typedOff = off;
    qint64 typedOn = off;
    // Taken in turns, so a slow moment of the machine hits both alike.
    for (int r = 0; r < runs; ++r) {
        off = std::min(off, open(false));
        on = std::min(on, open(true));
        typedOff = std::min(typedOff, type(false));
        typedOn = std::min(typedOn, type(true));
    }
    std::printf("open 25 MB plain text: line numbers on %.1f ms, off %.1f ms, ratio %.3f (target <= 1.05)\n", on / 1e6,
                off / 1e6, double(on) / double(off));
    std::printf("type 100 letters near the end of it: line numbers on %.1f ms, off %.1f ms, ratio %.3f\n",
                typedOn / 1e6, typedOff / 1e6, double(typedOn) / double(typedOff));
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run);
}
