// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/MainForm.h"
#include "app/ProgramEntry.h"
#include "app/SettingsTable.h"
#include "editor/RichEdit.h"
#include "tests/support/FakePlatform.h"

#include <QAnyStringView>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A main window with its three companions on fake seams, in a fresh
// temporary folder for the test's files.
class MainFormTest : public ::testing::Test {
protected:
    // Creates the windows; Show() runs the start-up.
    void Create(const QStringList& arguments = {});
    void Show();
    void CreateAndShow(const QStringList& arguments = {})
    {
        Create(arguments);
        Show();
    }
    // Starts the program again, the windows dropped without closing them.
    void Restart()
    {
        windows = ProgramWindows();
        CreateAndShow();
    }
    // Closes the window, which must close, and starts the program again.
    void CloseAndRestart()
    {
        EXPECT_TRUE(form().close());
        Restart();
    }
    void TearDown() override;

    TMainForm& form() { return *windows.main; }
    TRichEdit& edit() { return *windows.main->Ui().RichEdit; }
    // A menu item by its object name, as the user's scripts find it; a
    // name the window lacks fails the test.
    QAction* Item(QAnyStringView name);
    QString TempPath(const QString& name) const { return dir.filePath(name); }
    // Writes bytes to a file in the test folder and gives its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const;
    static QByteArray ReadFile(const QString& path);
    // An empty file of the preview's name in the form's private temporary
    // folder, as a preview leaves it; its path, empty when it cannot be made.
    QString MakePreviewFile();
    // The next message box expected, with the answer to give.
    void Expect(MsgKind kind, const QString& text, MsgButtons buttons, MsgAnswer answer)
    {
        fake.prompts.ExpectMessage(kind, text, buttons, answer);
    }
    // Puts a value into the test's settings file, with its table type, for
    // the start-up to read.
    void StoreSetting(const QString& name, const SettingValue& value);
    void StoreSettings(std::initializer_list<std::pair<const char*, SettingValue>> values)
    {
        for (const auto& [name, value] : values)
            StoreSetting(QString::fromLatin1(name), value);
    }
    // On a real window system: the window active and the keyboard in the
    // editor; gives the widget typed into (nullptr when that failed).
    QWidget* ActivateForTyping();
    QWidget* ShowForTyping()
    {
        CreateAndShow();
        return ActivateForTyping();
    }
    // The window active with the keyboard in typingInto, soon and still a
    // moment later (a window manager may take it away again).
    void ExpectKeyboardIn(QWidget* typingInto, const std::string& where);

    FakePlatform fake;
    ProgramWindows windows;
    QTemporaryDir dir;
};
