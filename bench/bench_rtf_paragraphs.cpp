// SPDX-License-Identifier: GPL-3.0-or-later
// RTF of many empty paragraphs ("{\rtf1 " and "\par" lines): reading it into
// a document, and opening it in the editor's rich mode with the view's
// whole layout made, at 100,000 to 700,000 paragraphs. Prints the time per paragraph of each size and the
// ratio of the largest to seven times the smallest; linear reading keeps
// it near 1.
#include "BenchCommon.h"

#include "editor/RichEdit.h"
#include "editor/Rtf.h"

#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QByteArray EmptyParagraphs(int n)
{
    return "{\\rtf1 " + QByteArray("\\par\n").repeated(n) + "}";
}

void Report(const char* what, const int (&sizes)[4], const qint64 (&ns)[4])
{
    std::printf("%s: %d paragraphs against %d x %d: ratio %.2f (linear: about 1)\n", what, sizes[3],
                sizes[3] / sizes[0], sizes[0], double(ns[3]) / (double(ns[0]) * sizes[3] / sizes[0]));
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, [](int runs) {
        // A second argument divides the sizes, for a quick look.
        const int scale = qMax(1, QCoreApplication::arguments().value(2).toInt());
        const int sizes[4] = {100000 / scale, 200000 / scale, 400000 / scale, 700000 / scale};
        qint64 read[4];
        qint64 open[4];
        QTemporaryDir dir;
        for (int i = 0; i < 4; ++i) {
            const QByteArray rtf = EmptyParagraphs(sizes[i]);
            read[i] = bench::Best(runs, [&] {
                QTextDocument document;
                ReadRtf(rtf, document);
                if (document.blockCount() != sizes[i])
                    std::printf("read %d paragraphs of %d\n", document.blockCount(), sizes[i]);
            });
            const QString path = dir.filePath(QStringLiteral("empty%1.rtf").arg(i));
            if (!bench::WriteFile(path, rtf))
                return;
            std::printf("ReadRtf into a document, %d paragraphs: %.0f ms, %.2f us a paragraph\n", sizes[i],
                        read[i] / 1e6, read[i] / 1e3 / sizes[i]);
            std::fflush(stdout);
            open[i] = bench::Best(runs, [&] {
                TRichEdit edit;
                edit.SetPlainTextMode(false);
                edit.resize(800, 600);
                edit.show();
                edit.LoadFromFile(path);
                // The view's whole layout, which it would otherwise make in steps.
                benchmark::DoNotOptimize(edit.LayoutSize());
                if (edit.LineCount() != sizes[i])
                    std::printf("opened %d lines of %d\n", edit.LineCount(), sizes[i]);
            });
            std::printf("open in the rich editor, %d paragraphs: %.0f ms, %.2f us a paragraph\n", sizes[i],
                        open[i] / 1e6, open[i] / 1e3 / sizes[i]);
            std::fflush(stdout);
        }
        Report("ReadRtf into a document", sizes, read);
        Report("open in the rich editor", sizes, open);
    });
}
