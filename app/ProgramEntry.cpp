// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramEntry.h"

#include "app/AboutBox.h"
#include "app/CommandLine.h"
#include "app/MainForm.h"
#include "app/SettingsLoad.h"
#include "app/Translations.h"
#include "html/HtmlToolbar.h"
#include "html/TidyErrors.h"
#include "macro/BatchRun.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <optional>

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() = default;
ProgramWindows::ProgramWindows(ProgramWindows&&) noexcept = default;
ProgramWindows& ProgramWindows::operator=(ProgramWindows&&) noexcept = default;

ProgramWindows CreateProgramWindows(const Platform& platform, const QStringList& arguments)
{
    ProgramWindows windows;
    windows.main = std::make_unique<TMainForm>(platform, arguments);
    windows.creationOrder.push_back(windows.main.get());
    windows.htmlToolbar = new THTMLToolbar(windows.main->Html(), windows.main.get());
    windows.creationOrder.push_back(windows.htmlToolbar);
    windows.tidyErrors = new TTidyErrors(windows.main.get());
    windows.creationOrder.push_back(windows.tidyErrors);
    windows.about = new TAbout(windows.main.get());
    windows.creationOrder.push_back(windows.about);
    windows.main->SetCompanions(windows.htmlToolbar, windows.tidyErrors, windows.about);
    return windows;
}

QStringList DocumentArguments(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--"))
        arguments.removeFirst();
    return arguments;
}

namespace {

void PrintLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Runs without a window need no display, and must not reach the desktop's
// clipboard either: the offscreen platform, unless one was chosen.
void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about fonts and the like would mix with the messages.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            PrintLine(stderr, message);
    });
}

int RunWindow(char** argv, const QStringList& arguments)
{
    // Every argument names the document, even one that looks like one of
    // Qt's own options ("-reverse"): Qt sees the program name alone.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    InstallTranslators(app);
    QApplication::setOverrideCursor(Qt::BusyCursor);   // until the start-up ends
    app.setApplicationName(QStringLiteral("Mirel-Edit"));
    app.setOrganizationName(QStringLiteral("MirelSoft"));
    // No display name: X11 would append it to every window's title, and
    // message boxes must read just "Warning", "Error", ...

    QtPrompts prompts;
    QtShell shell;
    SystemClock clock;
    QtScreenMetrics screen;
    // After the application exists: the file's place comes from the XDG folders.
    RegFileSettingsStore settings;
    settings.SetBrokenFileHandler(ReportBrokenSettings(prompts));
    Platform platform{&prompts, &shell, &clock, &screen, &settings};

    ProgramWindows windows = CreateProgramWindows(platform, arguments);
    prompts.SetOwner(windows.main.get());
    windows.main->show();
    DumpMenusWhenAsked(*windows.main);
    return app.exec();
}

}   // namespace

QStringList ProgramArguments(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    return arguments;
}

int RunProgram(int argc, char** argv)
{
    // A file size limit must fail the write, not end the program with the
    // user's work in it.
    std::signal(SIGXFSZ, SIG_IGN);
    const QStringList arguments = ProgramArguments(argc, argv);
    const auto exists = [](const QString& name) { return QFileInfo::exists(name); };
    CommandLine line = ParseCommandLine(arguments, exists);
    // The command line's own messages come in the desktop's language too;
    // translators need an application, which the runs without a window of
    // their own get here.
    int textArgc = 1;
    std::optional<QCoreApplication> textApp;
    if (line.mode != ProgramMode::Run && line.mode != ProgramMode::Window) {
        textApp.emplace(textArgc, argv);
        InstallTranslators(*textApp);
        line = ParseCommandLine(arguments, exists);
    }
    const BatchOutput output{[](const QString& text) { PrintLine(stdout, text); },
                             [](const QString& text) { PrintLine(stderr, text); }};
    switch (line.mode) {
    case ProgramMode::Help: std::fputs(HelpText().toLocal8Bit().constData(), stdout); return 0;
    case ProgramMode::Version: PrintLine(stdout, VersionText()); return 0;
    case ProgramMode::UsageError:
        PrintLine(stderr, QStringLiteral("vellumpad: ") + line.error);
        PrintLine(stderr, line.hint);
        return 2;
    case ProgramMode::Check: return CheckMacroFiles(line.files, output);
    case ProgramMode::Run: {
        UseOffscreenPlatform();
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        InstallTranslators(app);
        app.setApplicationName(QStringLiteral("Mirel-Edit"));
        app.setOrganizationName(QStringLiteral("MirelSoft"));
        return RunBatch(BatchOptions{line.macro, line.files, line.dryRun, line.allowPaths}, output);
    }
    case ProgramMode::Window: break;
    }
    return RunWindow(argv, line.documentParts);
}
