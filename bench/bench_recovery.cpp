// SPDX-License-Identifier: GPL-3.0-or-later
// Typing at the end of a 25 MB document with crash recovery on against off:
// bursts of keystrokes, each followed by the pause that writes the recovery
// file. The write runs on a second thread while the next burst is typed, so
// a keystroke should cost the same either way (target ratio about 1). What
// the window thread hands over at each pause is printed on its own: the
// first pause after a load copies the whole text, later ones what changed.
#include "app/MainForm.h"
#include "bench/BenchCommon.h"
#include "document/Recovery.h"
#include "editor/RichEdit.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
using bench::Document;
using bench::SilentPrompts;

struct Result {
    double keystrokeNs = 0;
    double firstPauseNs = 0;
    double pauseNs = 0;   // the later ones
    bool kept = false;   // the file holds the text as typed
};

Result Type(bool recovery, int bursts, int keys)
{
    SilentPrompts prompts;
    Platform platform;
    platform.prompts = &prompts;
    TMainForm form(platform, {});
    RecoveryKeeper* keeper = form.findChild<RecoveryKeeper*>();
    if (recovery) {
        keeper->SetPause(24 * 3600 * 1000);   // the pauses come from the loop below
    } else {
        StopRecovery(form.Session(), form);   // the editor notes no changes either
        keeper = nullptr;
    }
    form.Session().State().IsPlainDocument = true;
    form.ApplyDocumentKind();
    TRichEdit& edit = *form.Ui().RichEdit;
    edit.SetText(Document(25 * 1024 * 1024));
    edit.SetSelStart(edit.TextLength());
    QWidget* view = edit.InputWidget();

    qint64 typing = 0, first = 0, later = 0;
    for (int b = 0; b < bursts; ++b) {
        QElapsedTimer t;
        t.start();
        for (int k = 0; k < keys; ++k) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(view, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(view, &release);
        }
        typing += t.nsecsElapsed();
        if (keeper) {
            t.restart();
            keeper->WriteNow();   // the pause after typing
            (b == 0 ? first : later) += t.nsecsElapsed();
        }
    }
    Result r;
    r.keystrokeNs = double(typing) / (bursts * keys);
    r.firstPauseNs = double(first);
    r.pauseNs = bursts > 1 ? double(later) / (bursts - 1) : 0;
    if (keeper) {
        keeper->WaitForWrites();
        QFile file(keeper->LastFile());
        const auto record = file.open(QIODevice::ReadOnly) ? ParseRecovery(file.readAll()) : std::nullopt;
        r.kept = record && record->text == edit.Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        keeper->Finish();
    }
    edit.SetModified(false);
    return r;
}

}   // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int bursts = argc > 1 ? std::max(1, atoi(argv[1])) : 16;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    const int keys = 50;
    // Alternating runs; the median of each and of the pairs' ratios, as the
    // machine's other work hits one run or the other.
    std::vector<Result> offs, ons;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        offs.push_back(Type(false, bursts, keys));
        ons.push_back(Type(true, bursts, keys));
        ratios.push_back(ons.back().keystrokeNs / offs.back().keystrokeNs);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const auto field = [](const std::vector<Result>& rs, double Result::*f) {
        std::vector<double> v;
        for (const Result& r : rs)
            v.push_back(r.*f);
        return v;
    };
    Result on;
    on.keystrokeNs = median(field(ons, &Result::keystrokeNs));
    on.firstPauseNs = median(field(ons, &Result::firstPauseNs));
    on.pauseNs = median(field(ons, &Result::pauseNs));
    on.kept = std::all_of(ons.begin(), ons.end(), [](const Result& r) { return r.kept; });
    const double offNs = median(field(offs, &Result::keystrokeNs));
    if (!on.kept)
        std::printf("THE RECOVERY FILE DOES NOT HOLD THE TYPED TEXT\n");
    std::printf("keystroke in 25 MB with recovery on: %.1f us, off: %.1f us (medians of %d runs each): "
                "ratio %.2f, median of the pairs' %.2f (target about 1)\n",
                on.keystrokeNs / 1e3, offNs / 1e3, rounds, on.keystrokeNs / offNs, median(ratios));
    std::printf("window thread at the first pause: %.1f ms (the whole text), at later ones: %.3f ms; "
                "the write itself runs on the worker\n",
                on.firstPauseNs / 1e6, on.pauseNs / 1e6);
    return 0;
}
