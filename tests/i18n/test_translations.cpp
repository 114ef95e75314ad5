// SPDX-License-Identifier: GPL-3.0-or-later
// Which translators a desktop language brings: the program's own and Qt's
// together, nothing for English or a language the program lacks, and a
// broken file passed over.
#include "app/Translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

QString Translate(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

// Takes every translator a test installed off the application again.
void RemoveTranslators()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QCoreApplication::processEvents();   // the language change reaches the layout
}

// A folder of its own under the given one, holding one file.
QString FolderWith(const QTemporaryDir& dir, const QString& name, const QString& file, const QByteArray& bytes)
{
    QDir(dir.path()).mkpath(name);
    QFile out(dir.filePath(name + QLatin1Char('/') + file));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    return dir.filePath(name);
}

// The program's German file as the build makes it (a copy beside this
// test program), found the way the program finds it.
TEST(Translations, PreferredLanguagesPickTheFirstTheProgramHas)
{
    const QStringList folders = TranslationFolders(QCoreApplication::applicationDirPath());
    struct Case {
        const char* name;
        QStringList languages;
        QString installed;
        QString file, yes, ctrl;   // "&File" of the menus, a dialog button, a key name
    };
    const Case cases[] = {
        {"German", {"de-DE", "de"}, "de", "&Datei", "&Ja", "Strg"},
        {"German, underscore form", {"de_AT"}, "de", "&Datei", "&Ja", "Strg"},
        {"one without a file first", {"fr-FR", "fr", "de"}, "de", "&Datei", "&Ja", "Strg"},
        {"English first", {"en-GB", "de-DE"}, "", "&File", "&Yes", "Ctrl"},
        {"the C locale", {"C"}, "", "&File", "&Yes", "Ctrl"},
        // Qt has French, the program does not: no window in two languages.
        {"no file at all", {"fr-FR", "fr"}, "", "&File", "&Yes", "Ctrl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(InstallTranslators(*qApp, c.languages, folders), c.installed);
        EXPECT_EQ(Translate("CommandMap", "&File"), c.file);
        EXPECT_EQ(Translate("QPlatformTheme", "&Yes"), c.yes);
        EXPECT_EQ(Translate("QShortcut", "Ctrl"), c.ctrl);
        RemoveTranslators();
    }
}

TEST(Translations, MissingOrBrokenFilesLeaveEnglish)
{
    QTemporaryDir dir;
    const QString good = TranslationFolders(QCoreApplication::applicationDirPath()).at(0);
    const QString broken = FolderWith(dir, "broken", "mirel-edit_de.qm", "not a translation\n");
    const QString empty = FolderWith(dir, "empty", "mirel-edit_de.qm", QByteArray());
    const QString none = dir.filePath("none");
    const std::pair<QStringList, QString> cases[] = {
        {{broken}, ""}, {{empty}, ""}, {{none}, ""}, {{}, ""}, {{broken, none, good}, "de"},
    };
    for (const auto& [folders, installed] : cases) {
        SCOPED_TRACE(folders.join(' ').toStdString());
        EXPECT_EQ(InstallTranslators(*qApp, {"de"}, folders), installed);
        EXPECT_EQ(Translate("QPlatformTheme", "&Yes"), installed.isEmpty() ? "&Yes" : "&Ja");
        RemoveTranslators();
    }
}

// Installed, the program finds its files in the data folder beside its
// own: /usr/bin/vellumpad reads /usr/share/mirel-edit/translations.
TEST(Translations, InstalledProgramFindsItsDataFolder)
{
    QFile built(TranslationFolders(QCoreApplication::applicationDirPath()).at(0) + QStringLiteral("/mirel-edit_de.qm"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    QTemporaryDir dir;
    FolderWith(dir, "usr/share/mirel-edit/translations", "mirel-edit_de.qm", built.readAll());
    QDir(dir.path()).mkpath(QStringLiteral("usr/bin"));
    EXPECT_EQ(InstallTranslators(*qApp, {"de"}, TranslationFolders(dir.filePath("usr/bin"))), "de");
    EXPECT_EQ(Translate("CommandMap", "&File"), "&Datei");
    RemoveTranslators();
}

// Qt turns the layout round by itself for a right-to-left language, from
// its own file of the language (here standing in for the program's too).
TEST(Translations, RightToLeftLanguageTurnsTheLayout)
{
    QFile arabic(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ar.qm"));
    if (!arabic.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "Qt's Arabic texts are not installed";
    QTemporaryDir dir;
    const QString folder = FolderWith(dir, "ar", "mirel-edit_ar.qm", arabic.readAll());
    ASSERT_EQ(InstallTranslators(*qApp, {"ar-EG"}, {folder}), "ar");
    QCoreApplication::processEvents();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    RemoveTranslators();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

// The desktop's own list, LANGUAGE first. Qt reads the environment once,
// so each case is a run of this program of its own reporting what it shows.
TEST(DesktopLanguage, ReportWhatIsShown)
{
    if (qEnvironmentVariableIsEmpty("MIREL_REPORT_LANGUAGE"))
        GTEST_SKIP() << "only run by DesktopLanguage.ComesFromTheEnvironment";
    InstallTranslators(*qApp);
    std::printf("shown: %s|%s\n", qPrintable(Translate("QPlatformTheme", "&Yes")),
                qPrintable(Translate("CommandMap", "&File")));
}

TEST(DesktopLanguage, ComesFromTheEnvironment)
{
    const char* const cases[][3] = {
        // LANGUAGE, LANG, shown
        {"de", "C.UTF-8", "&Ja|&Datei"},    {"", "de_DE.UTF-8", "&Ja|&Datei"}, {"en", "de_DE.UTF-8", "&Yes|&File"},
        {"fr:de", "C.UTF-8", "&Ja|&Datei"}, {"", "C.UTF-8", "&Yes|&File"},
    };
    for (const auto& [language, locale, shown] : cases) {
        SCOPED_TRACE(std::string("LANGUAGE=") + language + " LANG=" + locale);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        environment.insert(QStringLiteral("MIREL_REPORT_LANGUAGE"), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=DesktopLanguage.ReportWhatIsShown")});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        const qsizetype at = output.indexOf(QLatin1String("shown: "));
        ASSERT_GE(at, 0) << output.toStdString();
        EXPECT_EQ(output.mid(at + 7).section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(shown));
    }
}

}   // namespace
