// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>
#include <functional>

class QLabel;

// The about box: a borderless picture with the version, a credit line, the
// licence and a link to the maker's home page. Created once, hidden when
// closed. The labels sit in a column that takes their text's size, so no
// font clips them; the box is 350 x 263 unless the text needs more.
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
    QLabel* Licence = nullptr;

    // Called after the box closed itself (the main window restores its
    // always-on-top state) and for a click on the link.
    std::function<void()> onClosed;
    std::function<void(const QString& address)> onHomepageClick;

    void FormCreate();
    void FormClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
