// SPDX-License-Identifier: GPL-3.0-or-later
// The macro library at size: loading a directory of 20,000 macros in 2,000
// nested folders against listing the same tree with QDirIterator (target
// ratio <= 3), and one keystroke in the macro field with 20,000 macros in
// the tree against a tree of 10 (target <= 2).
#include "app/MainForm.h"
#include "bench/BenchCommon.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

namespace {
using bench::Best;
using bench::SilentPrompts;

void Touch(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        std::printf("cannot write %s\n", qPrintable(path));
}

// 100 folders holding 19 folders each, ten macros in every folder.
QString MakeLibrary(const QTemporaryDir& dir, int tops, int subs, int macros)
{
    const QString root = dir.filePath(QStringLiteral("lib")) + QLatin1Char('/');
    for (int t = 0; t < tops; ++t) {
        const QString top = root + QStringLiteral("Folder %1.macro/").arg(t);
        for (int s = 0; s <= subs; ++s) {
            const QString folder = s == 0 ? top : top + QStringLiteral("Sub %1.macro/").arg(s);
            QDir().mkpath(folder);
            for (int m = 0; m < macros; ++m)
                Touch(folder + QStringLiteral("Macro %1-%2-%3.macro").arg(t).arg(s).arg(m));
        }
    }
    return root;
}

struct Window {
    SilentPrompts prompts;
    Platform platform;
    std::unique_ptr<TMainForm> form;
    explicit Window(const QString& library)
    {
        platform.prompts = &prompts;
        form = std::make_unique<TMainForm>(platform, QStringList{});
        form->Startup().MacroDir = library;
        form->ReloadMacroTree();
    }
};

void LoadBench(int runs)
{
    QTemporaryDir dir;
    const QString library = MakeLibrary(dir, 100, 19, 10);
    Window window(library);
    int listed = 0;
    const qint64 listing = Best(runs, [&] {
        listed = 0;
        QDirIterator it(library, {QStringLiteral("*.macro")}, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++listed;
        }
    });
    const qint64 load = Best(
        runs, [&] { qDeleteAll(window.form->Ui().TreeRoot->takeChildren()); }, [&] { window.form->ReloadMacroTree(); });
    int nodes = 0;
    for (QTreeWidgetItemIterator it(window.form->Ui().Tree); *it; ++it)
        ++nodes;
    if (nodes != listed + 1)
        std::printf("the tree holds %d nodes for %d entries\n", nodes - 1, listed);
    std::printf("macro directory of %d entries: load %.1f ms, QDirIterator listing %.1f ms: ratio %.2f "
                "(target <= 3.00)\n",
                listed, load / 1e6, listing / 1e6, double(load) / double(listing));
}

// Per keystroke: the field alternates between a name in the tree and one
// that is not, so both ends of the lookup are timed.
qint64 FieldChange(const QString& library, const QString& existing, int keystrokes, int runs)
{
    Window window(library);
    QLineEdit* field = window.form->Ui().MakroFeld;
    field->setText(existing);   // the index is built once, after the load
    const qint64 total = Best(runs, [&] {
        for (int i = 0; i < keystrokes; ++i)
            field->setText(i % 2 ? existing : existing + QLatin1Char('x'));
    });
    if (!window.form->RunButtonRunsMacro())
        std::printf("the field did not find %s\n", qPrintable(existing));
    return total / keystrokes;
}

void FieldBench(int runs)
{
    QTemporaryDir big, small;
    const QString many = MakeLibrary(big, 100, 19, 10);
    const QString few = MakeLibrary(small, 1, 0, 10);
    const int keystrokes = 2000;
    const qint64 large = FieldChange(many, QStringLiteral("macro 99-19-9"), keystrokes, runs);
    const qint64 tiny = FieldChange(few, QStringLiteral("macro 0-0-9"), keystrokes, runs);
    std::printf("macro field keystroke: %.1f us with 20,000 macros, %.1f us with 10: ratio %.2f (target <= 2.00)\n",
                large / 1e3, tiny / 1e3, double(large) / double(tiny));
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, {LoadBench, FieldBench});
}
