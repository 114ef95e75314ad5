// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/SettingsLoad.h"
#include "platform/Platform.h"
#include "platform/RegFileSettingsStore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

// A scripted stand-in for every prompt. A test lists the prompts it expects,
// in order, with their exact text, kind and buttons, and the answer to give;
// an unexpected prompt, a mismatch, or an expected prompt never shown fails
// the test (checked by VerifyAllShown or the destructor).
class FakePrompts : public Prompts {
public:
    struct Expected {
        QString what;   // "message", "input", "open", "save", "folder", ...
        MsgKind kind = MsgKind::Information;
        QString text;
        MsgButtons buttons = MsgButtons::Ok;
        MsgAnswer answer = MsgAnswer::Ok;
        std::optional<QString> inputAnswer;   // input box: nullopt = Cancel
        std::function<bool(FileDialogState&)> fileAnswer;
        QString folderAnswer;
        std::function<bool(FontChoice&)> fontAnswer;
        std::function<bool(QColor&, CustomColours&)> colourAnswer;
        bool accept = true;   // print dialogs
        std::function<bool(QPrinter&)> printAnswer;   // print dialog: may set up the printer
        // Runs while the box is up, as the events a real box's loop delivers.
        std::function<void()> whileShown;
    };

    ~FakePrompts() override;

    FakePrompts& ExpectMessage(MsgKind kind, const QString& text, MsgButtons buttons, MsgAnswer answer);
    // The warning "Save changes?" with Yes, No and Cancel.
    FakePrompts& ExpectSaveChanges(MsgAnswer answer);
    FakePrompts& ExpectInput(const QString& caption, const QString& prompt, std::optional<QString> answer);
    FakePrompts& ExpectOpenDialog(std::function<bool(FileDialogState&)> answer);
    FakePrompts& ExpectSaveDialog(std::function<bool(FileDialogState&)> answer);
    FakePrompts& ExpectFolder(const QString& answer);
    FakePrompts& ExpectFont(std::function<bool(FontChoice&)> answer);
    FakePrompts& ExpectColour(std::function<bool(QColor&, CustomColours&)> answer);
    FakePrompts& ExpectPrint(bool accept);
    FakePrompts& ExpectPrint(std::function<bool(QPrinter&)> answer);
    FakePrompts& ExpectPrinterSetup(bool accept);
    FakePrompts& ExpectException(const QString& caption, const QString& message);
    // What happens while the last expected message box is up.
    FakePrompts& WhileShown(std::function<void()> action);

    // Fails the test when an expected prompt was not shown, then forgets them.
    void VerifyAllShown();
    int Remaining() const { return int(expected_.size()); }
    // Every prompt shown, as "kind|caption: text" lines, for diagnostics.
    QStringList shown;

    MsgAnswer MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) override;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt, const QString& preset) override;
    bool OpenDialog(FileDialogState& state) override;
    bool SaveDialog(FileDialogState& state) override;
    QString ChooseFolder() override;
    bool FontDialog(FontChoice& choice) override;
    bool ColourDialog(QColor& colour, CustomColours& custom) override;
    bool PrintDialog(QPrinter& printer) override;
    bool PrinterSetupDialog(QPrinter& printer) override;
    void ShowException(const QString& caption, const QString& message) override;

    QString lastInputPreset;

private:
    Expected& Add(const QString& what);
    std::optional<Expected> Next(const QString& what, const QString& detail);
    std::deque<Expected> expected_;
};

class FakeShell : public Shell {
public:
    void ShellOpen(const QString& target) override { opened.append(target); }
    bool RecycleFile(const QString& path) override;
    QString RecycleError() const override { return recycleError; }
    QString FindProgram(const QString& name) override { return onPath.value(name); }
    bool HasOpenerFor(const QString& path) override { return !unopened.contains(QFileInfo(path).suffix()); }
    QMap<QString, QString> onPath;   // program name -> path; none by default
    QStringList unopened;   // file name suffixes no application opens
    QStringList opened;
    QStringList recycled;
    bool recycleSucceeds = true;
    bool useRealTrash = false;   // move to the (test's own) freedesktop trash
    QString recycleError;   // the real trash's reason for a failure
};

class FakeClock : public Clock {
public:
    mutable QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(9, 30, 15));
    // Time that passes with each look at the clock, as during long work.
    qint64 msPerLook = 0;
    QDateTime Now() const override { return std::exchange(now, now.addMSecs(msPerLook)); }
};

// Time that moves only when a test says: Advance runs the pending call
// when it falls due, at its own moment.
class FakeTimers : public TimerSource {
public:
    qint64 now = 0;
    qint64 NowMs() const override { return now; }
    void CallAfter(qint64 ms, std::function<void()> due) override
    {
        at_ = now + std::max<qint64>(0, ms);
        due_ = std::move(due);
    }
    void Cancel() override { due_ = nullptr; }
    void Advance(qint64 ms)
    {
        const qint64 end = now + ms;
        while (due_ && at_ <= end) {
            now = at_;
            std::exchange(due_, nullptr)();
        }
        now = end;
    }

private:
    qint64 at_ = 0;
    std::function<void()> due_;
};

class FakeScreen : public ScreenMetrics {
public:
    QSize screen{1280, 1024};
    QSize desktop{2560, 1024};
    QSize ScreenSize() const override { return screen; }
    QSize DesktopSize() const override { return desktop; }
};

// All fakes together, ready to hand to a window.
struct FakePlatform {
    FakePlatform() { settingsFile.SetBrokenFileHandler(ReportBrokenSettings(prompts)); }
    FakePrompts prompts;
    FakeShell shell;
    FakeClock clock;
    FakeScreen screen;
    // Each test's own settings file, so that no test sees another's settings.
    QTemporaryDir settingsDir;
    RegFileSettingsStore settingsFile{settingsDir.filePath(QStringLiteral("MirelSoft/Mirel-Edit.reg"))};
    // What the window uses; a test may put a wrapper around settingsFile here.
    SettingsStore* settings = &settingsFile;
    Platform platform() { return Platform{&prompts, &shell, &clock, &screen, settings}; }
};
