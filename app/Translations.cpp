// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

const QString kProgramFilePrefix = QStringLiteral("mirel-edit_");
const QString kQtFilePrefix = QStringLiteral("qtbase_");

// "de-DE" -> "de_DE", the form of the files' names.
QString FileLanguage(const QString& language)
{
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

bool IsSourceLanguage(const QString& language)
{
    const QString base = language.section(QLatin1Char('_'), 0, 0).toLower();
    return base == QLatin1String("en") || base == QLatin1String("c") || base == QLatin1String("posix");
}

// Loads the first readable file for the language ("de_DE" also finds
// "..._de.qm") from the folders; a missing or broken file is passed over.
std::unique_ptr<QTranslator> LoadFrom(const QString& prefix, const QString& language, const QStringList& folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && translator->load(prefix + language, folder))
            return translator;
    }
    return nullptr;
}

}   // namespace

QStringList TranslationFolders(const QString& programDir)
{
    // No folder of the build is compiled in: an installed program must not
    // read files from wherever it happened to be built.
    QStringList folders{programDir + QStringLiteral("/translations")};
    folders.append(QDir::cleanPath(programDir + QStringLiteral("/../share/mirel-edit/translations")));
#ifdef MIREL_INSTALLED_TRANSLATIONS_DIR
    folders.append(QStringLiteral(MIREL_INSTALLED_TRANSLATIONS_DIR));
#endif
    folders.removeDuplicates();
    return folders;
}

QString InstallTranslators(QCoreApplication& app, const QStringList& languages, const QStringList& folders)
{
    for (const QString& preferred : languages) {
        const QString language = FileLanguage(preferred);
        if (language.isEmpty())
            continue;
        if (IsSourceLanguage(language))
            return QString();
        std::unique_ptr<QTranslator> program = LoadFrom(kProgramFilePrefix, language, folders);
        if (!program)
            continue;
        // Qt's own texts in the same language, so that no dialog mixes two.
        const QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
        if (std::unique_ptr<QTranslator> qt = LoadFrom(kQtFilePrefix, language, qtFolders)) {
            qt->setParent(&app);
            app.installTranslator(qt.release());
        }
        // Installed last, so the program's own entries win.
        program->setParent(&app);
        app.installTranslator(program.release());
        return language.section(QLatin1Char('_'), 0, 0);
    }
    return QString();
}

void InstallTranslators(QCoreApplication& app)
{
    // The system locale's list follows LANGUAGE ("fr:de") before the locale.
    InstallTranslators(app, QLocale::system().uiLanguages(),
                       TranslationFolders(QCoreApplication::applicationDirPath()));
}

void DumpMenusWhenAsked(QMainWindow& window)
{
    const QString path = qEnvironmentVariable("MIREL_DUMP_MENUS");
    if (path.isEmpty())
        return;
    QTimer::singleShot(0, &window, [&window, path] {
        QString text = window.windowTitle() + QLatin1Char('\n');
        for (QAction* top : window.menuBar()->actions()) {
            text += top->text() + QLatin1Char('\n');
            if (!top->menu())
                continue;
            for (QAction* item : top->menu()->actions()) {
                if (!item->isSeparator())
                    text += QLatin1Char('\t') + item->text() + QLatin1Char('\t') +
                            item->shortcut().toString(QKeySequence::NativeText) + QLatin1Char('\n');
            }
        }
        QString error;
        if (!WriteFileSafely(path, text.toUtf8(), &error))
            qWarning("menu dump: %s", qPrintable(error));
    });
}
