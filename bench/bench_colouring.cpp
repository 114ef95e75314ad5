// SPDX-License-Identifier: GPL-3.0-or-later
// Colouring and line numbers cost only what is in view. Opening (load and
// first paint) of a 25 MB text file and of a 25 MB HTML file with both on,
// against the same with both off: target at most 1.05 each.
// Then a keystroke (key and paint) at the end of the 25 MB HTML file with
// the colouring on, against one at the end of a 25 KB HTML file: target
// at most 1.2. Prints the ratios of the best of several runs.
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

QByteArray Document(qsizetype size, bool html)
{
    QByteArray bytes;
    bytes.reserve(size + 200);
    for (int i = 0; bytes.size() < size; ++i)
        bytes += html ? "<li class=\"item\" id=\"n" + QByteArray::number(i) +
                            "\">the quick brown fox &amp; the <b>lazy</b> dog <!-- note --></li>\r\n"
                      : "Line " + QByteArray::number(i) + ": the quick brown fox jumps over the lazy dog\r\n";
    return bytes;
}

// Load and the first paint, as the user waits for them.
qint64 TimeOpen(const QString& path, bool extras)
{
    TRichEdit edit;
    edit.resize(800, 600);
    edit.SetSyntaxColouring(extras);
    edit.SetLineNumbers(extras);
    edit.SetSyntaxFileName(path);
    edit.show();
    QApplication::processEvents();
    return bench::Time([&] {
        edit.LoadFromFile(path);
        edit.viewport()->repaint();
    });
}

// Typing at the end of the document, each key painted before the next.
qint64 TimeKeys(const QString& path, int keys)
{
    TRichEdit edit;
    edit.resize(800, 600);
    edit.show();
    edit.SetSyntaxFileName(path);
    edit.LoadFromFile(path);
    edit.SetSelStart(edit.TextLength());
    edit.setFocus();
    QApplication::processEvents();
    edit.viewport()->repaint();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < keys; ++i) {
        QTest::keyClick(edit.InputWidget(), i % 10 == 9 ? '>' : 'a');
        edit.viewport()->repaint();
    }
    return t.nsecsElapsed() / keys;
}

int Run(int runs)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("big.txt"));
    const QString html = dir.filePath(QStringLiteral("big.html"));
    const QString small = dir.filePath(QStringLiteral("small.html"));
    if (!bench::WriteFile(text, Document(25 * 1024 * 1024, false)) ||
        !bench::WriteFile(html, Document(25 * 1024 * 1024, true)) ||
        !bench::WriteFile(small, Document(25 * 1024, true)))
        return 1;

    for (const QString& path : {text, html}) {
        // Alternated, so that neither side gets the warmer caches.
        qint64 on = std::numeric_limits<qint64>::max(), off = on;
        for (int r = 0; r < runs; ++r) {
            off = std::min(off, TimeOpen(path, false));
            on = std::min(on, TimeOpen(path, true));
        }
        std::printf("open 25 MB %s: colouring and line numbers on %.1f ms, off %.1f ms, ratio %.3f (target <= 1.05)\n",
                    path.endsWith(QLatin1String(".html")) ? "HTML" : "text", on / 1e6, off / 1e6,
                    double(on) / double(off));
    }

    constexpr int kKeys = 200;
    const qint64 bigKey = bench::BestOf(runs, [&] { return TimeKeys(html, kKeys); });
    const qint64 smallKey = bench::BestOf(runs, [&] { return TimeKeys(small, kKeys); });
    std::printf(
        "keystroke at the end, colouring on: 25 MB HTML %.3f ms, 25 KB HTML %.3f ms, ratio %.2f (target <= 1.20)\n",
        bigKey / 1e6, smallKey / 1e6, double(bigKey) / double(smallKey));
    return 0;
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run);
}
