#include "app/ProgramEntry.h"

#include "app/SettingsLoad.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "html/Unit3.h"
#include "html/Unit4.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <QApplication>

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

int RunProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::BusyCursor);   // until the start-up ends
    app.setApplicationName(QStringLiteral("Mirel-Edit"));
    app.setOrganizationName(QStringLiteral("MirelSoft"));
    QGuiApplication::setApplicationDisplayName(kDesignTitle);

    QtPrompts prompts;
    QtShell shell;
    SystemClock clock;
    QtScreenMetrics screen;
    // After the application exists: the file's place comes from the XDG folders.
    RegFileSettingsStore settings;
    settings.SetBrokenFileHandler(ReportBrokenSettings(prompts));
    Platform platform{&prompts, &shell, &clock, &screen, &settings};

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    ProgramWindows windows = CreateProgramWindows(platform, arguments);
    prompts.SetOwner(windows.main.get());
    windows.main->show();
    return app.exec();
}
