// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML commands on their own, without a main window: a host that notes
// what it is told, the fake prompts and shell, and an editor.
#include "editor/RichEdit.h"
#include "html/HtmlHost.h"
#include "html/PreviewColour.h"
#include "tests/support/FakePlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class NotingHost : public HtmlHost {
public:
    TRichEdit edit;
    QString tempDir, file, preview;
    bool saveDone = false, modifiedAfterSave = false;
    int saves = 0;
    QStringList recorded;
    QColor kept;

    TRichEdit& Editor() override { return edit; }
    void Guard(const std::function<void()>& command) override { command(); }
    void RecordCommand(const QString& line) override { recorded.append(line); }
    QString TempDir() const override { return tempDir; }
    const ScreenMetrics* Screen() const override { return nullptr; }
    QString CurrentFile() const override { return file; }
    bool SaveDocument() override
    {
        ++saves;
        edit.SetModified(modifiedAfterSave);
        return saveDone;
    }
    void PreviewWritten(const QString& path) override { preview = path; }
    QColor ChosenColour() const override { return Qt::white; }
    CustomColours KeptCustomColours() const override { return {}; }
    void KeepColours(const QColor& chosen, const CustomColours&) override { kept = chosen; }
    void ToolbarClosed() override {}
    QString TidyLocation() const override { return {}; }
    void SetTidyLocation(const QString&) override {}
    QString TidyOptions() const override { return {}; }
    void SetTidyOptions(const QString&) override {}
    TTidyErrors* TidyList() override { return nullptr; }
};

// What the preview shows and the colour command inserts, by the host's answers.
TEST(HtmlHostTest, PreviewAndColourActOnTheHostsAnswers)
{
    enum class Command { Preview, Colour };
    enum class Shown { Nothing, File, Preview };
    struct Case {
        const char* what;
        Command command;
        const char* file;
        bool saveDone, modifiedAfterSave, colourChosen;
        Shown shown;
        int saves;
        const char* text;   // afterwards, "x" selected before
    };
    const Case cases[] = {
        {"empty document", Command::Preview, "", false, false, false, Shown::Nothing, 0, ""},
        {"unnamed document", Command::Preview, "", false, false, false, Shown::Preview, 0, "x"},
        {"named and saved", Command::Preview, "page.html", true, false, false, Shown::File, 1, "x"},
        {"save cancelled", Command::Preview, "page.html", false, true, false, Shown::Nothing, 1, "x"},
        {"saved yet still modified", Command::Preview, "page.html", true, true, false, Shown::Nothing, 1, "x"},
        {"colour chosen", Command::Colour, "", false, false, true, Shown::Nothing, 0, "FF8000"},
        {"colour dialog cancelled", Command::Colour, "", false, false, false, Shown::Nothing, 0, "x"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakePlatform fake;
        NotingHost host;
        host.tempDir = dir.filePath(QStringLiteral("temp/"));
        host.file = *c.file ? dir.filePath(QLatin1String(c.file)) : QString();
        host.saveDone = c.saveDone;
        host.modifiedAfterSave = c.modifiedAfterSave;
        host.edit.SetText(QLatin1String(*c.text ? "x" : ""));
        host.edit.SetSelLength(host.edit.TextLength());
        if (c.command == Command::Preview) {
            ShowPreview(host, fake.platform());
        } else {
            fake.prompts.ExpectColour([&](QColor& colour, CustomColours&) {
                colour = QColor(255, 128, 0);
                return c.colourChosen;
            });
            InsertChosenColour(host, fake.prompts);
        }
        const QString previewFile = host.tempDir + QStringLiteral("~mireld.html");
        const QStringList opened = c.shown == Shown::File      ? QStringList{host.file}
                                   : c.shown == Shown::Preview ? QStringList{previewFile}
                                                               : QStringList();
        EXPECT_EQ(fake.shell.opened, opened);
        EXPECT_EQ(host.preview, c.shown == Shown::Preview ? previewFile : QString());
        EXPECT_EQ(host.saves, c.saves);
        EXPECT_EQ(host.edit.Text(), QLatin1String(c.text));
        EXPECT_EQ(host.recorded, c.colourChosen ? QStringList{"Insert FF8000"} : QStringList());
        EXPECT_EQ(host.kept, c.colourChosen ? QColor(255, 128, 0) : QColor());
    }
}

} // namespace
