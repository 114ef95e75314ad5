// SPDX-License-Identifier: GPL-3.0-or-later
// The settings load at start-up (the desktop folder, then every row of the
// settings key) from a settings file that holds many values besides the
// program's own: 5,000 to 40,000 of them in the settings key. Prints each
// time and the ratio of 40,000 to 5,000; the target is at most 8.
#include "BenchCommon.h"

#include "app/SettingsLoad.h"
#include "platform/RegFileSettingsStore.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

QByteArray SettingsFile(int values)
{
    QByteArray out = "Windows Registry Editor Version 5.00\r\n\r\n"
                     "[HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit]\r\n"
                     "\"RememberPos\"=dword:00000001\r\n"
                     "\"Left\"=dword:00000064\r\n";
    for (int i = 0; i < values; ++i)
        out += "\"Value" + QByteArray::number(i) + "\"=\"some text " + QByteArray::number(i) + "\"\r\n";
    return out + "\r\n";
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, [](int runs) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mirel-Edit.reg"));
        const LoadContext context{{QStringLiteral("/home/u/Desktop/"), QSize(1280, 1024)}, QSize(1280, 1024)};
        const int sizes[] = {5000, 10000, 20000, 40000};
        qint64 ns[4];
        for (int i = 0; i < 4; ++i) {
            const QByteArray bytes = SettingsFile(sizes[i]);
            if (!bench::WriteFile(path, bytes))
                return;
            // The store lives on after the load, as in the program: its
            // teardown is not timed.
            std::optional<RegFileSettingsStore> store;
            std::optional<LoadedSettings> loaded;
            // Milliseconds each: a small file gets as many more runs as it
            // is smaller, so that every size is timed for about as long and
            // a short hiccup of the machine cannot decide the best.
            const int sizeRuns = std::max(runs, 10) * (sizes[3] / sizes[i]);
            ns[i] = bench::Best(
                sizeRuns,
                [&] {
                    loaded.reset();
                    store.reset();
                },
                [&] {
                    store.emplace(path, QStringLiteral("/home/u/Desktop"));
                    ReadDesktopDir(*store);
                    LoadSettingsFrom(*store, context, loaded.emplace());
                });
            if (loaded->placement != Placement::Remembered)
                std::printf("the load did not read the file\n");
            const qint64 parse = bench::Best(sizeRuns, [&] { ParseRegFile(bytes); });
            std::printf("settings load, %d values: %.1f ms (parsing the file once %.1f ms)\n", sizes[i], ns[i] / 1e6,
                        parse / 1e6);
            std::fflush(stdout);
        }
        std::printf("settings load: 40000 values against 5000: ratio %.2f (target <= 8)\n",
                    double(ns[3]) / double(ns[0]));
    });
}
