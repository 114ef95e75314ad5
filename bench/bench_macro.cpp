// SPDX-License-Identifier: GPL-3.0-or-later
// Macro runs against the operations they perform called directly: a
// 100,000-line macro of insert, moveleft, startsel/endsel and find lines
// on a 1 MB document (target ratio <= 1.5), and one replaceall line on a
// 5 MB document against the Replace All command (target <= 1.1).
#include "app/MainForm.h"
#include "bench/BenchCommon.h"
#include "editor/FindReplace.h"
#include "editor/RichEdit.h"
#include "editor/SearchDialogs.h"
#include "macro/Escapes.h"
#include "macro/MacroFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
using bench::Best;
using bench::Document;
using bench::SilentPrompts;

// Groups of five lines: a selection of four characters made with startsel
// and endsel, replaced by an escaped text, a step left and a find; the
// starts stay clear of the end, so that every find succeeds.
struct Group {
    int start;
};
std::vector<Group> Groups(int count, int length)
{
    std::vector<Group> groups;
    for (int i = 0; i < count; ++i)
        groups.push_back({int((qint64(i) * 7919) % (length - 40000))});
    return groups;
}

void MixedLinesBench(int runs)
{
    const QString text = Document(1024 * 1024);
    const std::vector<Group> groups = Groups(20000, int(text.size()));
    QStringList lines;
    for (const Group& g : groups)
        lines << QStringLiteral("startsel %1").arg(g.start) << QStringLiteral("endsel %1").arg(g.start + 4)
              << QStringLiteral("insert x\\sy") << QStringLiteral("moveleft 1") << QStringLiteral("find fox");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mixed.macro"));
    WriteMacroFile(path, lines);

    TRichEdit edit;
    int searchPos = 0;
    const qint64 direct = Best(
        runs, [&] { edit.SetText(text); },
        [&] {
            for (const Group& g : groups) {
                edit.SetSelStart(g.start);
                edit.SetSelLength(g.start + 4 - edit.SelStart());
                edit.ReplaceSelection(DecodeEscapes(QStringLiteral("x\\sy")));
                edit.SetSelStart(edit.SelStart() - 1);
                searchPos = edit.SelStart();
                const int found = edit.FindText(QStringLiteral("fox"), searchPos, edit.TextLength(), false, false);
                edit.SetSelStart(found);
                edit.SetSelLength(3);
            }
        });
    const QString directResult = edit.Text();

    SilentPrompts prompts;
    Platform platform;
    platform.prompts = &prompts;
    TMainForm form(platform, {});
    const qint64 macro = Best(
        runs,
        [&] {
            form.Ui().RichEdit->SetText(text);
            form.Ui().RichEdit->SetSelStart(0);
        },
        [&] {
            form.Macro().MacroFile = path;
            form.Macro().MacroLines.clear();
            form.RunMacro();
        });
    if (form.Ui().RichEdit->Text() != directResult || !prompts.last.isEmpty())
        std::printf("the macro run went wrong (%s)\n", qPrintable(prompts.last));
    std::printf("100,000 mixed macro lines on 1 MB: run %.1f ms, the same operations on the editor %.1f ms: "
                "ratio %.2f (target <= 1.50)\n",
                macro / 1e6, direct / 1e6, double(macro) / double(direct));
}

void ReplaceAllLineBench(int runs)
{
    const QString text = Document(5 * 1024 * 1024);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("replaceall.macro"));
    WriteMacroFile(path, {QStringLiteral("replaceall fox cat")});

    SilentPrompts prompts;
    Platform platform;
    platform.prompts = &prompts;
    TMainForm form(platform, {});
    const auto prepare = [&] {
        form.Ui().RichEdit->SetText(text);
        form.Ui().RichEdit->SetSelStart(0);
    };
    const qint64 command = Best(runs, prepare, [&] {
        TReplaceDialog& dialog = ReplaceDialogOf(form);
        dialog.SetFindText(QStringLiteral("fox"));
        dialog.SetReplaceText(QStringLiteral("cat"));
        ReplaceAllOccurrences(form);
    });
    const QString expected = form.Ui().RichEdit->Text();
    const qint64 macro = Best(runs, prepare, [&] {
        form.Macro().MacroFile = path;
        form.Macro().MacroLines.clear();
        form.RunMacro();
    });
    if (form.Ui().RichEdit->Text() != expected)
        std::printf("the replaceall line went wrong\n");
    std::printf("replaceall line on 5 MB: run %.1f ms, Replace All command %.1f ms: ratio %.2f (target <= 1.10)\n",
                macro / 1e6, command / 1e6, double(macro) / double(command));
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, {MixedLinesBench, ReplaceAllLineBench});
}
