// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring 10,000 markers with 2,000-character labels into a 100 px
// sidebar, and refitting them all after a resize, each against the time to
// read the same marker file from disk; then a million short markers, which
// must restore in time linear in their number. Prints the ratios of the
// best of several runs.
#include "bench/BenchCommon.h"
#include "markers/MegaCheckListBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// Nanoseconds to restore the markers of the file into a 100 px sidebar, -1
// when they are not all there. Refit, when given, gets the time of the
// refit after a resize.
qint64 TimeRestore(const QString& path, int markers, qint64* refit = nullptr)
{
    TMegaCheckListBox list;
    list.resize(100, 400);
    list.show();
    bool restored = false;
    const qint64 ns = bench::Time([&] { restored = list.RestoreMarkers(path, markers) && list.count() == markers; });
    if (!restored)
        return -1;
    if (refit)
        *refit = bench::Time([&] { list.resize(120, 400); });
    return ns;
}

int Run(int runs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt.lm"));
    constexpr int kMarkers = 10000;
    constexpr int kLabelLength = 2000;
    {
        const QByteArray words = "int total = compute(first, second) + other & mask; // note ";
        QByteArray bytes;
        for (int i = 0; i < kMarkers; ++i) {
            QByteArray label = QByteArray::number(i + 1) + ", ";
            while (label.size() < kLabelLength)
                label += words;
            label.truncate(kLabelLength);
            bytes += label + "\r\n";
        }
        if (!bench::WriteFile(path, bytes))
            return 1;
    }

    qint64 bestRead = std::numeric_limits<qint64>::max();
    qint64 bestRestore = std::numeric_limits<qint64>::max();
    qint64 bestRefit = std::numeric_limits<qint64>::max();
    for (int r = 0; r < runs; ++r) {
        bool read = false;
        bestRead = std::min(bestRead, bench::Time([&] {
                                QFile f(path);
                                read = f.open(QIODevice::ReadOnly) && f.readAll().size() >= kMarkers * kLabelLength;
                            }));
        qint64 refit = 0;
        const qint64 restore = TimeRestore(path, kMarkers, &refit);
        if (!read || restore < 0)
            return 1;
        bestRestore = std::min(bestRestore, restore);
        bestRefit = std::min(bestRefit, refit);
    }
    std::printf("restore %d markers of %d characters into 100 px: %.1f ms, read file %.1f ms, ratio %.1f\n", kMarkers,
                kLabelLength, bestRestore / 1e6, bestRead / 1e6, double(bestRestore) / double(bestRead));
    std::printf("FitAllLabels after a resize: %.1f ms, ratio to reading the file %.1f\n", bestRefit / 1e6,
                double(bestRefit) / double(bestRead));

    // A million entries, each twice (the copy is dropped), against a tenth
    // of them: a linear restore takes about ten times as long.
    const auto restoreMany = [&](int markers) {
        const QString many = dir.filePath(QStringLiteral("many%1.txt.lm").arg(markers));
        QByteArray bytes;
        for (int i = 0; i < markers; ++i) {
            const QByteArray line = QByteArray::number(i + 1) + ", x\r\n";
            bytes += line + line;
        }
        return bench::WriteFile(many, bytes) ? TimeRestore(many, markers) : qint64(-1);
    };
    const qint64 tenth = restoreMany(100000);
    const qint64 million = restoreMany(1000000);
    std::printf("restore 1,000,000 short markers (each listed twice): %.0f ms, ratio to 100,000: %.1f "
                "(linear: about 10; target under 1 s)\n",
                million / 1e6, double(million) / double(tenth));
    return 0;
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run);
}
