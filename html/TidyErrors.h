#pragma once
#include <QStringList>
#include <QWidget>

class QListWidget;
class TRichEdit;

// The window that lists Tidy's messages ("Tidy: Errors"). Created once at
// start, hidden; each check shows it above the main window. A click on a
// message that names a line takes the editor there.
class TTidyErrors : public QWidget {
    Q_OBJECT
public:
    explicit TTidyErrors(QWidget* parent = nullptr);

    // Fills the list, one entry per message, and widens the window to the
    // longest one, measured in Tahoma 9 point when the system offers it.
    void ShowMessages(const QStringList& messages, bool tahomaOffered);

    void ErrorsMouseUp(const QPoint& pos);
    void ErrorsMouseMove(const QPoint& pos);

    QListWidget* ErrorList = nullptr;   // "Errors"
    TRichEdit* Editor = nullptr;        // the main window's editor

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceAboveMainWindow();
};
