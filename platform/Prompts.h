// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

// Kind of a message box: gives the icon and the caption.
enum class MsgKind { Warning, Error, Information, Confirmation };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

QString MsgKindCaption(MsgKind kind);   // "Warning", "Error", "Information", "Confirm"
QString MsgAnswerName(MsgAnswer answer);   // "OK", "Cancel", "Yes", "No"
// Fixed names for logs and test expectations, never translated.
QString MsgKindName(MsgKind kind);
QString MsgButtonsName(MsgButtons buttons);

// State of an open or save dialog: what goes in and what comes out.
struct FileDialogState {
    QString title;
    QString filter;   // Qt filter text, entries separated by ";;"
    int filterIndex = 1;   // 1-based, as the dialogs count them
    QString initialDir;
    QString fileName;   // preset in, chosen file out
    QString defaultExt;
};

// The editor font as the font dialog edits it: name, size in points,
// bold, italic, underline and colour.
struct FontChoice {
    QFont font;
    QColor colour;
};

using CustomColours = std::array<QColor, 16>;

// Every question the program asks the user goes through this interface so
// that tests can script the answers.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual MsgAnswer MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) = 0;
    // OK gives the edited text, Cancel gives nothing.
    virtual std::optional<QString> InputBox(const QString& caption, const QString& prompt, const QString& preset) = 0;
    // True when the user chose a file; the state then holds name and filter index.
    virtual bool OpenDialog(FileDialogState& state) = 0;
    virtual bool SaveDialog(FileDialogState& state) = 0;
    // The folder chooser titled "Select a directory": the folder's path, or
    // empty when cancelled.
    virtual QString ChooseFolder() = 0;
    virtual bool FontDialog(FontChoice& choice) = 0;
    virtual bool ColourDialog(QColor& colour, CustomColours& custom) = 0;
    virtual bool PrintDialog(QPrinter& printer) = 0;
    virtual bool PrinterSetupDialog(QPrinter& printer) = 0;
    // The application's standard error box for an unexpected error: error
    // icon, the application's title as caption.
    virtual void ShowException(const QString& caption, const QString& message) = 0;
};

// The real dialogs, owned by the given window.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) override;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt, const QString& preset) override;
    bool OpenDialog(FileDialogState& state) override;
    bool SaveDialog(FileDialogState& state) override;
    QString ChooseFolder() override;
    bool FontDialog(FontChoice& choice) override;
    bool ColourDialog(QColor& colour, CustomColours& custom) override;
    bool PrintDialog(QPrinter& printer) override;
    bool PrinterSetupDialog(QPrinter& printer) override;
    void ShowException(const QString& caption, const QString& message) override;

private:
    // While the owner is shown but not yet on screen (its start-up), a box
    // would be placed before the window manager places the window. Boxes
    // whose only answer is OK wait until the window is there.
    bool OwnerNotPlacedYet() const;
    void Hold(std::function<void()> show);
    void ShowHeldOncePlaced();

    QWidget* owner_;
    std::vector<std::function<void()>> held_;
};
