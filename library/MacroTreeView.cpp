// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/MacroTreeView.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

TMacroTreeView::TMacroTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // A copy as far as the drag knows: the view must not remove the source
    // rows when the drag ends; the window moves the node after the disk.
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
    // F2 belongs to Save As; a click on the selected label renames.
    setEditTriggers(QAbstractItemView::SelectedClicked);
}

bool TMacroTreeView::FromThisTree(const QDropEvent* event) const
{
    if (event->source() && event->source() != this)
        return false;
    for (const QString& type : model()->mimeTypes())
        if (event->mimeData()->hasFormat(type))
            return true;
    return false;
}

void TMacroTreeView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!FromThisTree(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TMacroTreeView::dragMoveEvent(QDragMoveEvent* event)
{
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (!FromThisTree(event) || (onDragOver && !onDragOver(target))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TMacroTreeView::dropEvent(QDropEvent* event)
{
    if (!FromThisTree(event)) {
        event->ignore();
        return;
    }
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onDrop)
        onDrop(target);
}

void TMacroTreeView::keyPressEvent(QKeyEvent* event)
{
    // A key the label editor let through (Enter ends the edit) belongs to
    // the edit, not to the tree's own keys.
    if (state() == QAbstractItemView::EditingState) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    int key = event->key();
    if (onKeyDown)
        onKeyDown(key);
    if (key == 0) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
