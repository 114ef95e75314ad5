// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring 10,000 markers with 2,000-character labels into a 100 px
// sidebar, and refitting them all after a resize, each against the time to
// read the same marker file from disk; then a million short markers, which
// must restore in time linear in their number. Prints the ratios of the
// best of several runs.
#include "markers/MegaCheckListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <limits>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    qint64 bestRead = std::numeric_limits<qint64>::max();
    qint64 bestRestore = std::numeric_limits<qint64>::max();
    qint64 bestRefit = std::numeric_limits<qint64>::max();
    for (int r = 0; r < runs; ++r) {
        {
            QElapsedTimer t;
            t.start();
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly) || f.readAll().size() < kMarkers * kLabelLength)
                return 1;
            bestRead = std::min(bestRead, t.nsecsElapsed());
        }
        TMegaCheckListBox list;
        list.resize(100, 400);
        list.show();
        QElapsedTimer t;
        t.start();
        if (!list.RestoreMarkers(path, kMarkers) || list.count() != kMarkers)
            return 1;
        bestRestore = std::min(bestRestore, t.nsecsElapsed());

        t.restart();
        list.resize(120, 400);
        bestRefit = std::min(bestRefit, t.nsecsElapsed());
    }
    std::printf("restore %d markers of %d characters into 100 px: %.1f ms, read file %.1f ms, ratio %.1f\n",
                kMarkers, kLabelLength, bestRestore / 1e6, bestRead / 1e6, double(bestRestore) / double(bestRead));
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
        QFile f(many);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return qint64(-1);
        f.close();
        TMegaCheckListBox list;
        list.resize(100, 400);
        list.show();
        QElapsedTimer t;
        t.start();
        if (!list.RestoreMarkers(many, markers) || list.count() != markers)
            return qint64(-1);
        return t.nsecsElapsed();
    };
    const qint64 tenth = restoreMany(100000);
    const qint64 million = restoreMany(1000000);
    std::printf("restore 1,000,000 short markers (each listed twice): %.0f ms, ratio to 100,000: %.1f "
                "(linear: about 10; target under 1 s)\n",
                million / 1e6, double(million) / double(tenth));
    return 0;
}
