// SPDX-License-Identifier: GPL-3.0-or-later
// RTF on a 10 MB document that our writer makes from varied formatted text:
// reading it into an editor's document against `unrtf --text` on the same
// file (target: at most half of unrtf's time), and writing against reading.
// Ratios are printed after the runs.
#include "editor/Rtf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

constexpr qsizetype kTargetBytes = 10 * 1024 * 1024;

// Paragraphs of words in a handful of fonts, sizes, styles and colours, with
// accents, other scripts, tabs and line breaks among them, and some runs
// highlighted or links.
void AddParagraphs(QTextDocument& document, int paragraphs, std::mt19937& rng)
{
    static const char* const words[] = {"lorem",      "ipsum", "dolor", "sit", "amet",    "consectetur",
                                        "adipiscing", "elit",  "sed",   "do",  "eiusmod", "tempor"};
    static const QString others[] = {"caf\u00e9",          "na\u00efve",   "\u20ac10", "\u03a9mega",
                                     "\u0416\u0443\u043a", "\u4e2d\u6587", "{x}",      "a\\b"};
    static const char* const fonts[] = {"Arial", "Times New Roman", "Courier New", "DejaVu Sans"};
    static const QColor colours[] = {Qt::red, Qt::darkGreen, Qt::blue, QColor(128, 64, 0)};
    static const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };

    QTextCursor c(&document);
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    for (int p = 0; p < paragraphs; ++p) {
        if (!document.isEmpty())
            c.insertBlock();
        QTextBlockFormat block;
        block.setAlignment(aligns[pick(4)]);
        block.setLeftMargin(pick(4) * 24);
        block.setTextIndent(pick(3) * 12 - 12);
        if (pick(4) == 0)
            block.setTabPositions(
                {QTextOption::Tab(96, QTextOption::LeftTab), QTextOption::Tab(240, QTextOption::RightTab)});
        c.setBlockFormat(block);
        for (int r = 0, runs = 3 + pick(8); r < runs; ++r) {
            QTextCharFormat f;
            f.setFontFamilies({QString::fromLatin1(fonts[pick(4)])});
            f.setFontPointSize(8 + 2 * pick(6));
            f.setFontWeight(pick(4) == 0 ? QFont::Bold : QFont::Normal);
            f.setFontItalic(pick(5) == 0);
            f.setFontUnderline(pick(8) == 0);
            if (pick(3) == 0)
                f.setForeground(colours[pick(4)]);
            if (pick(10) == 0)
                f.setBackground(colours[pick(4)]);
            if (pick(12) == 0) {
                f.setAnchor(true);
                f.setAnchorHref(QStringLiteral("http://example.com/page%1").arg(pick(5000)));
            }
            QString text;
            for (int w = 0, n = 2 + pick(10); w < n; ++w) {
                text += pick(6) == 0 ? others[pick(8)] : QString::fromLatin1(words[pick(12)]);
                text += pick(20) == 0   ? QStringLiteral("\t")
                        : pick(40) == 0 ? QString(QChar(0x2028))
                                        : QStringLiteral(" ");
            }
            c.insertText(text, f);
        }
    }
    c.endEditBlock();
}

struct Fixture {
    QTemporaryDir dir;
    QString path;
    QByteArray rtf;
    QTextDocument document;

    Fixture()
    {
        // Grow the text until the written RTF reaches the target size.
        std::mt19937 rng(42);
        while (rtf.size() < kTargetBytes) {
            AddParagraphs(document, 2500, rng);
            rtf = WriteRtf(document);
        }
        path = dir.filePath(QStringLiteral("big.rtf"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(rtf);
    }
};

Fixture& Data()
{
    static Fixture fixture;
    return fixture;
}

void BM_ReadRtfIntoEditor(benchmark::State& state)
{
    const QByteArray& rtf = Data().rtf;
    for (auto _ : state) {
        QTextEdit edit;
        ReadRtf(rtf, *edit.document());
        benchmark::DoNotOptimize(edit.document()->characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadRtfIntoEditor)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WriteRtf(benchmark::State& state)
{
    const QTextDocument& document = Data().document;
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray rtf = WriteRtf(document);
        size = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UnrtfText(benchmark::State& state)
{
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty()) {
        state.SkipWithError("unrtf is not installed");
        return;
    }
    const QString path = Data().path;
    for (auto _ : state) {
        QProcess p;
        p.start(unrtf, {QStringLiteral("--text"), path});
        p.waitForFinished(-1);
        benchmark::DoNotOptimize(p.readAllStandardOutput().size());
    }
    state.SetBytesProcessed(state.iterations() * Data().rtf.size());
}
BENCHMARK(BM_UnrtfText)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each benchmark's mean wall time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0)
                seconds_[run.run_name.function_name] = run.real_accumulated_time / double(run.iterations);
    }

    void PrintRatios() const
    {
        const auto time = [this](const char* name) {
            const auto it = seconds_.find(name);
            return it == seconds_.end() ? 0.0 : it->second;
        };
        const double read = time("BM_ReadRtfIntoEditor");
        const double write = time("BM_WriteRtf");
        const double unrtf = time("BM_UnrtfText");
        std::printf("RTF of %.1f MB: read %.0f ms, write %.0f ms", Data().rtf.size() / 1048576.0, read * 1e3,
                    write * 1e3);
        if (unrtf > 0)
            std::printf(", unrtf --text %.0f ms; read/unrtf %.2f (target <= 0.50)", unrtf * 1e3, read / unrtf);
        if (read > 0)
            std::printf("; write/read %.2f", write / read);
        std::printf("\n");
    }

private:
    std::map<std::string, double> seconds_;
};

}   // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Data();   // made before the clocks start
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
