#pragma once
#include <QWidget>

class QListWidget;

// The window that lists Tidy's messages. Created once at start.
class TTidyErrors : public QWidget {
    Q_OBJECT
public:
    explicit TTidyErrors(QWidget* parent = nullptr);

    QListWidget* ErrorList = nullptr;
};
