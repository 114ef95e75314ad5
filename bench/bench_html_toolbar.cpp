// SPDX-License-Identifier: GPL-3.0-or-later
// A toolbar tag around a 1 MB selection of a 20 MB plain document, against
// Qt's own replacement of the same selection in a plain text widget; and
// the browser preview of that document (written safely: to a new file,
// synced, then renamed), against writing its bytes with QFile. Prints the
// ratios of the best of several runs.
#include "app/MainForm.h"
#include "app/ProgramEntry.h"
#include "bench/BenchCommon.h"
#include "editor/RichEdit.h"
#include "html/HtmlToolbar.h"
#include "platform/Shell.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>

namespace {
class NoShell : public Shell {
public:
    void ShellOpen(const QString&) override { ++opened; }
    bool RecycleFile(const QString&) override { return false; }
    int opened = 0;
};

int Run(int runs)
{
    QTemporaryDir dir;
    const QString text = bench::Document(20 << 20);
    const int from = int(text.size() / 2);
    const int length = 1 << 20;

    bench::SilentPrompts prompts;
    NoShell shell;
    ProgramWindows windows = CreateProgramWindows(Platform{&prompts, &shell, nullptr, nullptr, nullptr}, {});
    TMainForm& form = *windows.main;
    TRichEdit& edit = *form.Ui().RichEdit;
    const auto select = [&] {
        edit.SetSelStart(from);
        edit.SetSelLength(length);
    };
    edit.SetText(text);
    const qint64 toolbar = bench::Best(runs, select, [&] { windows.htmlToolbar->InsertFor(QStringLiteral("b")); });
    if (edit.CanUndo() || !edit.TextRange(from, 3).startsWith(QLatin1String("<b>")))
        return 1;

    QPlainTextEdit plain;
    plain.setPlainText(text);
    const qint64 qt = bench::Best(
        runs,
        [&] {
            QTextCursor c = plain.textCursor();
            c.setPosition(from);
            c.setPosition(from + length, QTextCursor::KeepAnchor);
            plain.setTextCursor(c);
        },
        [&] {
            QTextCursor c = plain.textCursor();
            c.insertText(QStringLiteral("<b>") + c.selectedText() + QStringLiteral("</b>"));
        });
    std::printf("toolbar tag around 1 MB of 20 MB: %.1f ms, QPlainTextEdit replacing it %.1f ms, ratio %.2f\n",
                toolbar / 1e6, qt / 1e6, double(toolbar) / double(qt));

    form.Startup().TempDir = dir.path() + QLatin1Char('/');
    const qint64 preview = bench::Best(runs, [&] { form.TestDocument2Click(); });
    const QByteArray bytes = text.toUtf8();
    const qint64 write = bench::Best(runs, [&] {
        if (!bench::WriteFile(dir.filePath(QStringLiteral("plain.html")), bytes))
            std::exit(1);
    });
    if (shell.opened != runs || !prompts.last.isEmpty())
        return 1;
    std::printf("preview of 20 MB: %.1f ms, QFile writing it %.1f ms, ratio %.2f\n", preview / 1e6, write / 1e6,
                double(preview) / double(write));
    edit.SetModified(false);
    return 0;
}

}   // namespace

int main(int argc, char** argv)
{
    return bench::Main(argc, argv, Run);
}
