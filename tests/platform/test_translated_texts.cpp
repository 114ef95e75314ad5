// SPDX-License-Identifier: GPL-3.0-or-later
// The seams' texts under a translator that brackets every text it is asked
// for: each reaches it whole, with the names filled in afterwards.
#include "platform/BatchPrompts.h"
#include "platform/PrivateTemp.h"
#include "platform/Prompts.h"
#include "platform/RegFileSettingsStore.h"
#include "platform/SafeFile.h"
#include "platform/Trash.h"
#include "tests/support/MarkingTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

TEST(TranslatedPlatformTexts, EachMessageIsOneTranslatedSentence)
{
    const MarkingTranslator translator(MarkingTranslator::Marks::Brackets);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    QFile plain(file);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString missing = dir.filePath(QStringLiteral("missing"));
    // The error text a call leaves.
    const auto errorOf = [](const std::function<void(QString*)>& call) {
        QString error;
        call(&error);
        return error;
    };
    RegParseError parseError;
    ParseRegFile("[HKEY_CURRENT_USER\\x]\r\n", &parseError);
    ExpectMarkedTexts({
        {"a box's caption", MsgKindCaption(MsgKind::Confirmation), QStringLiteral("[Confirm]")},
        {"a dialog refused", DialogRefusal(WindowDialog::Folder),
         QStringLiteral("[needs the folder chooser, which a run without a window cannot show]")},
        {"a folder that is a file", errorOf([&](QString* error) { EnsurePrivateFolder(file, error); }),
         QStringLiteral("[The temporary folder %1 cannot be used: [it is not a folder.]]").arg(file)},
        {"nothing to trash", errorOf([&](QString* error) { MoveToTrash(missing, error); }),
         QStringLiteral("[%1: no such file or folder]").arg(missing)},
        {"a save onto a folder", errorOf([&](QString* error) { WriteFileSafely(dir.path(), "x", error); }),
         QStringLiteral("[Not a regular file]")},
        {"a settings file without its header", parseError.message, QStringLiteral("[missing header line]")},
    });
}

// Each dialog has a whole sentence of its own, naming it.
TEST(TranslatedPlatformTexts, EachRefusedDialogIsNamedInItsOwnSentence)
{
    const MarkingTranslator translator(MarkingTranslator::Marks::Brackets);
    const std::pair<WindowDialog, const char*> dialogs[] = {
        {WindowDialog::Open, "the open dialog"},
        {WindowDialog::Save, "the save dialog"},
        {WindowDialog::Folder, "the folder chooser"},
        {WindowDialog::Font, "the font dialog"},
        {WindowDialog::Colour, "the colour dialog"},
        {WindowDialog::Print, "the print dialog"},
        {WindowDialog::PrinterSetup, "the printer setup dialog"},
    };
    for (const auto& [dialog, name] : dialogs)
        EXPECT_EQ(DialogRefusal(dialog),
                  QStringLiteral("[needs %1, which a run without a window cannot show]").arg(QLatin1String(name)));
}
