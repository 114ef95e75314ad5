// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QCoreApplication;
class QMainWindow;

// The folders searched for the program's translations, in order: beside
// the program (in the build tree), and the data folder of an installation
// (found from the program's place, then the configured one).
QStringList TranslationFolders(const QString& programDir);

// Installs the translators for the first of the desktop's languages that
// the program has a translation for: the program's own and Qt's (dialog
// buttons, shortcut names). English, the texts' own language, installs
// nothing, and so does a language preferred after it. Returns the language
// installed ("de"), empty for none. Languages are given as QLocale names
// ("de-DE", "de_DE", "de").
QString InstallTranslators(QCoreApplication& app, const QStringList& languages, const QStringList& folders);

// The same for the desktop's languages (LANGUAGE, then LC_ALL, LC_MESSAGES
// and LANG) and the usual folders.
void InstallTranslators(QCoreApplication& app);

// Test hook: with MIREL_DUMP_MENUS=path set, writes the window's title and
// its menus' captions as shown into that file once the window is up.
void DumpMenusWhenAsked(QMainWindow& window);
