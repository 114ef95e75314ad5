// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTreeWidget>
#include <functional>

// The macro library's tree widget. Moves by drag and drop happen on disk
// first, so the widget never moves nodes itself: it asks the window whether a
// drop target is welcome and hands the drop over.
class TMacroTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TMacroTreeView(QWidget* parent = nullptr);

    std::function<bool(QTreeWidgetItem* target)> onDragOver;   // false refuses the drop there
    std::function<void(QTreeWidgetItem* target)> onDrop;
    std::function<void(int& key)> onKeyDown;   // key set to 0 is consumed

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool FromThisTree(const QDropEvent* event) const;
};
