// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks share: prompts that answer nothing, documents of
// numbered lines with one "fox" each, the best time of several runs and the
// start of a benchmark program.
#include "platform/Prompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <limits>
#include <type_traits>

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

// Replaces the file with the bytes; false when that fails.
inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Nanoseconds of one run of the work.
inline qint64 Time(const std::function<void()>& work)
{
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed();
}

// The best of several runs of work that times itself: for work whose
// set-up and timed part are interleaved.
inline qint64 BestOf(int runs, const std::function<qint64()>& timed)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int r = 0; r < runs; ++r)
        best = std::min(best, timed());
    return best;
}

// The bytes of a file of numbered CRLF lines with a little markup.
inline QByteArray MarkupLines(qsizetype size)
{
    QByteArray bytes;
    bytes.reserve(size + 200);
    for (int i = 0; bytes.size() < size; ++i)
        bytes +=
            "Line " + QByteArray::number(i) + ": the quick brown fox jumps over the lazy dog, <p>&amp; more</p>\r\n";
    return bytes;
}

inline qint64 Best(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    return BestOf(runs, [&] {
        prepare();
        return Time(work);
    });
}

inline qint64 Best(int runs, const std::function<void()>& work)
{
    return Best(
        runs, [] {}, work);
}

// A benchmark's start: the offscreen platform unless one is chosen, the
// application, and the benchmarks run with the number given as the first
// argument (the number of runs, 3 by default). Benchmarks that return an
// int give the program's exit status.
template <class Benchmarks> int Main(int argc, char** argv, Benchmarks&& benchmarks, int byDefault = 3)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int number = argc > 1 ? std::max(1, atoi(argv[1])) : byDefault;
    if constexpr (std::is_void_v<std::invoke_result_t<Benchmarks, int>>) {
        benchmarks(number);
        return 0;
    } else {
        return benchmarks(number);
    }
}

// Several benchmarks in turn, each with the number of runs.
inline int Main(int argc, char** argv, std::initializer_list<void (*)(int runs)> benchmarks)
{
    return Main(argc, argv, [&](int runs) {
        for (const auto benchmark : benchmarks)
            benchmark(runs);
    });
}

}   // namespace bench
