// SPDX-License-Identifier: GPL-3.0-or-later
// The preview on its own, without a main window: a host that notes what it
// is told, the fake prompts and shell, and an editor.
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

    TRichEdit& Editor() override { return edit; }
    void Guard(const std::function<void()>& command) override { command(); }
    void RecordCommand(const QString&) override {}
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
    QColor ChosenColour() const override { return {}; }
    CustomColours KeptCustomColours() const override { return {}; }
    void KeepColours(const QColor&, const CustomColours&) override {}
    void ToolbarClosed() override {}
    QString TidyLocation() const override { return {}; }
    void SetTidyLocation(const QString&) override {}
    QString TidyOptions() const override { return {}; }
    void SetTidyOptions(const QString&) override {}
    TTidyErrors* TidyList() override { return nullptr; }
};

// What the preview saves and shows, by the host's answers.
TEST(HtmlHostTest, PreviewShowsOnlyWhatTheUserSees)
{
    enum class Shown { Nothing, File, Preview };
    struct Case {
        const char* what;
        const char* text;
        const char* file;
        bool saveDone, modifiedAfterSave;
        Shown shown;
        int saves;
    };
    const Case cases[] = {
        {"empty document", "", "", false, false, Shown::Nothing, 0},
        {"unnamed document", "x", "", false, false, Shown::Preview, 0},
        {"named and saved", "x", "page.html", true, false, Shown::File, 1},
        {"save cancelled", "x", "page.html", false, true, Shown::Nothing, 1},
        {"saved yet still modified", "x", "page.html", true, true, Shown::Nothing, 1},
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
        host.edit.SetText(QLatin1String(c.text));
        host.edit.SetModified(true);
        ShowPreview(host, fake.platform());
        const QString previewFile = host.tempDir + QStringLiteral("~mireld.html");
        const QStringList opened = c.shown == Shown::File      ? QStringList{host.file}
                                   : c.shown == Shown::Preview ? QStringList{previewFile}
                                                               : QStringList();
        EXPECT_EQ(fake.shell.opened, opened);
        EXPECT_EQ(host.preview, c.shown == Shown::Preview ? previewFile : QString());
        EXPECT_EQ(host.saves, c.saves);
        EXPECT_EQ(host.edit.Text(), QLatin1String(c.text));
        EXPECT_EQ(host.edit.Modified(), c.saves == 0 || c.modifiedAfterSave) << "only a save clears it";
    }
}

}   // namespace
