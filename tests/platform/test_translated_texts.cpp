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
    const struct {
        const char* what;
        std::function<QString()> text;
        QString expected;
    } cases[] = {
        {"a box's caption", [] { return MsgKindCaption(MsgKind::Confirmation); }, QStringLiteral("[Confirm]")},
        {"a dialog refused", [] { return DialogRefusal(WindowDialog::Folder); },
         QStringLiteral("[needs the folder chooser, which a run without a window cannot show]")},
        {"a folder that is a file",
         [&] {
             QString error;
             EnsurePrivateFolder(file, &error);
             return error;
         },
         QStringLiteral("[The temporary folder %1 cannot be used: [it is not a folder.]]").arg(file)},
        {"nothing to trash",
         [&] {
             QString error;
             MoveToTrash(missing, &error);
             return error;
         },
         QStringLiteral("[%1: no such file or folder]").arg(missing)},
        {"a save onto a folder",
         [&] {
             QString error;
             WriteFileSafely(dir.path(), "x", &error);
             return error;
         },
         QStringLiteral("[Not a regular file]")},
        {"a settings file without its header",
         [] {
             RegParseError error;
             ParseRegFile("[HKEY_CURRENT_USER\\x]\r\n", &error);
             return error.message;
         },
         QStringLiteral("[missing header line]")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text(), c.expected) << c.what;
}

