#pragma once
#include <QObject>

class QWidget;

// While a macro runs, input meant for anything but a dialog or box that a
// command opened is dropped, so nothing the user does lands between two
// lines; the editor and the status bar are not repainted until the end.
class MacroRunGuard : public QObject {
public:
    MacroRunGuard(bool& running, QWidget* editor, QWidget* statusBar);
    ~MacroRunGuard() override;
    MacroRunGuard(const MacroRunGuard&) = delete;
    MacroRunGuard& operator=(const MacroRunGuard&) = delete;

    // Whether an event of this type to this receiver is user input that a
    // run keeps away.
    static bool Blocks(QObject* receiver, int eventType);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool& running_;
    QWidget* editor_;
    QWidget* statusBar_;
    bool editorUpdates_;
    bool statusUpdates_;
};
