// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "library/MacroTree.h"
#include "tests/support/MainFormFixture.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

// A main window whose macro directory is a fresh folder of the test, with
// the user's ways of working the tree.
class MacroLibraryTest : public MainFormTest {
protected:
    void SetUp() override
    {
        lib = dir.filePath(QStringLiteral("lib")) + QLatin1Char('/');
        QDir().mkpath(lib);
        fake.shell.useRealTrash = true;
    }
    void Make(const QString& relative, bool folder = false)
    {
        if (folder)
            ASSERT_TRUE(QDir().mkpath(lib + relative));
        else
            WriteFile(QStringLiteral("lib/") + relative, QByteArray("Insert x\r\n"));
    }
    void Start()
    {
        StoreSetting(QStringLiteral("MakroDir"), lib);
        CreateAndShow();
    }
    QTreeWidget& tree() { return *form().Ui().Tree; }
    // The tree as "text/kind" lines, indented by depth.
    QStringList Shape()
    {
        QStringList lines;
        for (QTreeWidgetItemIterator it(&tree()); *it; ++it) {
            int depth = 0;
            for (auto* p = (*it)->parent(); p; p = p->parent())
                ++depth;
            const char* kind = NodeKind(*it) == MacroNodeKind::Folder ? "/" : "";
            lines << QString(depth * 2, QLatin1Char(' ')) + (*it)->text(0) + QString::fromUtf8(kind);
        }
        return lines;
    }
    QTreeWidgetItem* Node(const QStringList& texts)
    {
        QTreeWidgetItem* node = form().Ui().TreeRoot;
        for (const QString& t : texts) {
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; i < node->childCount() && !next; ++i)
                if (node->child(i)->text(0) == t)
                    next = node->child(i);
            if (!next)
                return nullptr;
            node = next;
        }
        return node;
    }
    void ShowLibrary()
    {
        QTest::mouseClick(form().Ui().MakroButton, Qt::LeftButton);
        ASSERT_TRUE(tree().isVisible());
    }
    void Select(QTreeWidgetItem* node)
    {
        ASSERT_NE(node, nullptr);
        tree().scrollToItem(node);
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, tree().visualItemRect(node).center());
        ASSERT_EQ(tree().currentItem(), node);
    }
    // Ends the edit with `key`, and waits for the editor to hand over.
    void Rename(QTreeWidgetItem* node, const QString& text, Qt::Key key = Qt::Key_Return)
    {
        // A click on the selected label opens it for editing (F2 is Save As).
        Select(node);
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, tree().visualItemRect(node).center());
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = tree().viewport()->findChild<QLineEdit*>()) != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, key);
        QTRY_VERIFY(tree().viewport()->findChild<QLineEdit*>() == nullptr);
    }
    // A drag of the selected node to `target` as the view receives it:
    // enter, move, and the drop unless `drop` is false. Whether the last
    // event was accepted.
    bool Drag(QTreeWidgetItem* target, bool drop = true)
    {
        QMimeData mime;
        mime.setData(tree().model()->mimeTypes().first(), QByteArray());
        const QPoint at = tree().visualItemRect(target).center();
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(tree().viewport(), &enter);
        QDragMoveEvent move(at, actions, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(tree().viewport(), &move);
        if (!drop) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(tree().viewport(), &leave);
            return move.isAccepted();
        }
        QDropEvent event(at, actions, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(tree().viewport(), &event);
        return event.isAccepted();
    }

    QString lib;
};
