#pragma once
#include <QWidget>
#include <functional>

class QLabel;

// The about box: a borderless picture with the version, a credit line and a
// link to the maker's home page. Created once, hidden when closed.
class TAbout : public QWidget {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);

    QLabel* Image = nullptr;
    QLabel* Version = nullptr;
    QLabel* Datum = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Homepage = nullptr;

    // Called after the box closed itself (the main window restores its
    // always-on-top state) and for a click on the link.
    std::function<void()> onClosed;
    std::function<void(const QString& address)> onHomepageClick;

    void FormCreate();
    void FormClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
