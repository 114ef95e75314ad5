// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks share: prompts that answer nothing, a document of
// numbered lines with one "fox" each, and the best time of several runs.
#include "platform/Prompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>

namespace bench {

// Answers OK and nothing else; the timed work shows no dialogs. Keeps the
// last message's text, so a benchmark can tell that something went wrong.
class SilentPrompts : public Prompts {
public:
    MsgAnswer MessageBox(MsgKind, const QString& text, MsgButtons) override
    {
        last = text;
        return MsgAnswer::Ok;
    }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override { return {}; }
    bool OpenDialog(FileDialogState&) override { return false; }
    bool SaveDialog(FileDialogState&) override { return false; }
    QString ChooseFolder() override { return {}; }
    bool FontDialog(FontChoice&) override { return false; }
    bool ColourDialog(QColor&, CustomColours&) override { return false; }
    bool PrintDialog(QPrinter&) override { return false; }
    bool PrinterSetupDialog(QPrinter&) override { return false; }
    void ShowException(const QString&, const QString&) override {}
    QString last;
};

inline QString Document(qsizetype bytes)
{
    QString text;
    text.reserve(bytes + 100);
    for (int i = 0; text.size() < bytes; ++i)
        text += QStringLiteral("Line %1: the quick brown fox jumps over a dog\n").arg(i, 6, 10, QLatin1Char('0'));
    return text;
}

inline qint64 Best(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int r = 0; r < runs; ++r) {
        prepare();
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed());
    }
    return best;
}

inline qint64 Best(int runs, const std::function<void()>& work)
{
    return Best(runs, [] {}, work);
}

// A benchmark's start: the offscreen platform unless one is chosen, the
// application, and the benchmarks run with the number of runs given as the
// first argument (3 by default).
inline int Main(int argc, char** argv, const std::function<void(int runs)>& benchmarks)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmarks(argc > 1 ? std::max(1, atoi(argv[1])) : 3);
    return 0;
}

} // namespace bench
