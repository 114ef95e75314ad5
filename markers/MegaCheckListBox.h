#pragma once
#include <QListWidget>

// The line-marker sidebar.
class TMegaCheckListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TMegaCheckListBox(QWidget* parent = nullptr);
};
