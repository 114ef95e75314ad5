#include "app/ProgramEntry.h"

#include "app/SettingsLoad.h"
#include "app/MainForm.h"
#include "app/AboutBox.h"
#include "html/HtmlToolbar.h"
#include "html/TidyErrors.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QFile>

#include <csignal>

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() = default;
ProgramWindows::ProgramWindows(ProgramWindows&&) noexcept = default;
ProgramWindows& ProgramWindows::operator=(ProgramWindows&&) noexcept = default;

ProgramWindows CreateProgramWindows(const Platform& platform, const QStringList& arguments)
{
    ProgramWindows windows;
    windows.main = std::make_unique<TMainForm>(platform, arguments);
    windows.creationOrder.push_back(windows.main.get());
    windows.htmlToolbar = new THTMLToolbar(windows.main.get());
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

int RunProgram(int argc, char** argv)
{
    // A file size limit must fail the write, not end the program with the
    // user's work in it.
    std::signal(SIGXFSZ, SIG_IGN);
    // Every argument names the document, even one that looks like one of
    // Qt's own options ("-reverse"): Qt sees the program name alone.
    const QStringList arguments = DocumentArguments(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
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
    return app.exec();
}
