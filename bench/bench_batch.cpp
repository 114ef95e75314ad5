// SPDX-License-Identifier: GPL-3.0-or-later
// A macro run over many files without a window against opening and saving
// the same files with the document code alone: a 10-line macro over 1,000
// files of 10 KB (target ratio <= 2).
#include "app/MainForm.h"
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"
#include "macro/BatchRun.h"
#include "macro/MacroFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

void WriteFiles(const QStringList& files, const QByteArray& bytes)
{
    for (const QString& file : files) {
        if (!bench::WriteFile(file, bytes))
            std::printf("could not write %s\n", qPrintable(file));
    }
}

void Run(int runs)
{
    constexpr int kFiles = 1000;

    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < kFiles; ++i)
        files << dir.filePath(QStringLiteral("page%1.html").arg(i, 4, 10, QLatin1Char('0')));
    const QByteArray bytes = bench::Document(10 * 1024).toUtf8();
    const QString macro = dir.filePath(QStringLiteral("edit.macro"));
    WriteMacroFile(macro, {QStringLiteral("replaceall fox cat"), QStringLiteral("startsel 0"),
                           QStringLiteral("insert <!--\\sheader\\s-->\\n"), QStringLiteral("find dog"),
                           QStringLiteral("insert wolf"), QStringLiteral("moveright 3"), QStringLiteral("endsel 200"),
                           QStringLiteral("copy"), QStringLiteral("selectall"), QStringLiteral("moveleft 1")});

    int failed = 0;
    int changed = 0;
    const BatchOutput output{[&](const QString& line) {
                                 failed += line.contains(QLatin1String(": error"));
                                 changed += line.endsWith(QLatin1String(": changed"));
                             },
                             [](const QString&) {}};
    const auto prepare = [&] { WriteFiles(files, bytes); };
    const qint64 batch = bench::Best(runs, prepare, [&] { RunBatch(BatchOptions{macro, files, false}, output); });
    if (failed || changed != kFiles * runs)
        std::printf("the batch went wrong: %d failed, %d changed\n", failed, changed);

    bench::SilentPrompts prompts;
    Platform platform;
    platform.prompts = &prompts;
    TMainForm form(platform, {});
    const qint64 document = bench::Best(runs, prepare, [&] {
        for (const QString& file : files) {
            form.Ui().RichEdit->SetModified(false);
            form.OpenNamed(file);
            form.Ui().RichEdit->SetModified(true);
            form.SaveWithChecks(false);
        }
    });
    if (!prompts.last.isEmpty())
        std::printf("opening and saving went wrong (%s)\n", qPrintable(prompts.last));
    std::printf("10-line macro over %d files of 10 KB: batch run %.1f ms, open and save alone %.1f ms: "
                "ratio %.2f (target <= 2.00)\n",
                kFiles, batch / 1e6, document / 1e6, double(batch) / double(document));
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run, 2);
}
