// SPDX-License-Identifier: GPL-3.0-or-later
// Which translators a desktop language brings: the program's own and Qt's
// together, English or nothing for a language the program lacks, and a
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
    QCoreApplication::processEvents();
}

class TranslationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveTranslators();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override { RemoveTranslators(); }
    // A folder of the test's own holding the given files (name -> bytes).
    QString Folder(const QString& name, const QList<std::pair<QString, QByteArray>>& files)
    {
        const QString path = dir_.filePath(name);
        QDir().mkpath(path);
        for (const auto& [file, bytes] : files) {
            QFile out(path + QLatin1Char('/') + file);
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        return path;
    }
    static QByteArray QtFile(const char* name)
    {
        QFile file(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
};

// The program's German file as the build makes it (a copy beside this
// test program), found the way the program finds it.
TEST_F(TranslationsTest, PreferredLanguagesPickTheFirstTheProgramHas)
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
        {"none", {}, "", "&File", "&Yes", "Ctrl"},
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

TEST_F(TranslationsTest, MissingOrBrokenFilesLeaveEnglish)
{
    const QString good = TranslationFolders(QCoreApplication::applicationDirPath()).at(0);
    const QString broken = Folder("broken", {{"mirel-edit_de.qm", QByteArray("not a translation\n", 18)}});
    const QString empty = Folder("empty", {{"mirel-edit_de.qm", QByteArray()}});
    const QString none = dir_.filePath("none");
    struct Case {
        const char* name;
        QStringList folders;
        QString installed;
    };
    const Case cases[] = {
        {"broken file", {broken}, ""},
        {"empty file", {empty}, ""},
        {"no folder", {none}, ""},
        {"no folders", {}, ""},
        {"broken file before a good one", {broken, none, good}, "de"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(InstallTranslators(*qApp, {"de"}, c.folders), c.installed);
        EXPECT_EQ(Translate("QPlatformTheme", "&Yes"), c.installed.isEmpty() ? "&Yes" : "&Ja");
        RemoveTranslators();
    }
}

// A right-to-left language turns the layout round; Qt does that itself
// from its own file of the language.
TEST_F(TranslationsTest, RightToLeftLanguageTurnsTheLayout)
{
    const QByteArray arabic = QtFile("qtbase_ar.qm");
    if (arabic.isEmpty())
        GTEST_SKIP() << "Qt's Arabic texts are not installed";
    const QString folder = Folder("ar", {{"mirel-edit_ar.qm", arabic}});
    ASSERT_EQ(InstallTranslators(*qApp, {"ar-EG"}, {folder}), "ar");
    QCoreApplication::processEvents();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    RemoveTranslators();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

// The desktop's own list as the program reads it, LANGUAGE first. Qt reads
// the environment once, so each language is a run of this program of its
// own that reports what it shows.
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
    struct Case {
        const char* language;   // LANGUAGE
        const char* locale;     // LANG
        const char* shown;
    };
    const Case cases[] = {
        {"de", "C.UTF-8", "&Ja|&Datei"},
        {"", "de_DE.UTF-8", "&Ja|&Datei"},
        {"en", "de_DE.UTF-8", "&Yes|&File"},
        {"fr:de", "C.UTF-8", "&Ja|&Datei"},
        {"", "C.UTF-8", "&Yes|&File"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("LANGUAGE=") + c.language + " LANG=" + c.locale);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(c.language));
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(c.locale));
        environment.insert(QStringLiteral("MIREL_REPORT_LANGUAGE"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=DesktopLanguage.ReportWhatIsShown")});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        const qsizetype at = output.indexOf(QLatin1String("shown: "));
        ASSERT_GE(at, 0) << output.toStdString();
        EXPECT_EQ(output.mid(at + 7).section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(c.shown));
    }
}

} // namespace
