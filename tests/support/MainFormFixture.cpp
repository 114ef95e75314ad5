// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/MainFormFixture.h"

#include "platform/PrivateTemp.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

void MainFormTest::Create(const QStringList& arguments)
{
    windows = CreateProgramWindows(fake.platform(), arguments);
}

void MainFormTest::Show()
{
    windows.main->show();
    QApplication::processEvents();
}

void MainFormTest::TearDown()
{
    if (windows.main) {
        // Leave without the save prompt of a modified editor.
        windows.main->Ui().RichEdit->SetModified(false);
        windows.main->hide();
    }
    windows = ProgramWindows();
    fake.prompts.VerifyAllShown();
}

QAction* MainFormTest::Item(QAnyStringView name)
{
    auto* item = form().findChild<QAction*>(name.toString(), Qt::FindDirectChildrenOnly);
    if (!item)
        ADD_FAILURE() << "no menu item " << name.toString().toStdString();
    return item;
}

QString MainFormTest::WriteFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

QByteArray MainFormTest::ReadFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString MainFormTest::MakePreviewFile()
{
    const QString preview = form().Startup().TempDir + QStringLiteral("~mireld.html");
    QFile f(preview);
    if (!EnsurePrivateFolder(form().Startup().TempDir) || !f.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot make " << preview.toStdString();
        return {};
    }
    return preview;
}

void MainFormTest::StoreSetting(const QString& name, const SettingValue& value)
{
    const SettingRow* row = FindSetting(name);
    ASSERT_NE(row, nullptr) << name.toStdString();
    SettingsStore& store = fake.settingsFile;
    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    WriteSetting(store, *row, value);
    store.CloseKey();
}

QWidget* MainFormTest::ActivateForTyping()
{
    form().activateWindow();
    if (!QTest::qWaitForWindowActive(&form()))
        return nullptr;
    edit().setFocus();
    QApplication::processEvents();
    return QApplication::focusWidget();
}

void MainFormTest::ExpectKeyboardIn(QWidget* typingInto, const std::string& where)
{
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::activeWindow() == &form() && QApplication::focusWidget() == typingInto; }, 5000))
        << where;
    // Part of the check: the keyboard must stay, not just arrive and be
    // taken away again by a late activation.
    QTest::qWait(300);
    EXPECT_EQ(QApplication::activeWindow(), &form()) << where;
    EXPECT_EQ(QApplication::focusWidget(), typingInto) << where;
}
