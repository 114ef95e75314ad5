// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QTreeWidgetItem>

class QTreeWidget;

enum class MacroNodeKind { Root, Folder, Macro };

// A node of the macro tree; siblings order by MacroNameLess. Its kind gives
// its icons; it remembers the name its file has on disk, which a label
// being edited no longer shows.
class TMacroTreeItem : public QTreeWidgetItem {
public:
    explicit TMacroTreeItem(const QString& text, MacroNodeKind kind = MacroNodeKind::Macro);
    bool operator<(const QTreeWidgetItem& other) const override;
    QVariant data(int column, int role) const override;

    MacroNodeKind kind;
    QString diskName;
};

MacroNodeKind NodeKind(const QTreeWidgetItem* node);
// The name on disk, and a rename's new one.
QString DiskName(const QTreeWidgetItem* node);
void SetDiskName(QTreeWidgetItem* node, const QString& name);

// The texts naming a node: its ancestors below the root, then itself.
QStringList NodeTexts(const QTreeWidgetItem* node);

// Whether `node` is `ancestor` or lies in its subtree.
bool IsInSubtree(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor);

// The nodes for the library entries of a directory (`dir` ends with "/"),
// with their subtrees, not yet in any tree; sorted on every level when
// `sorted`. A folder that cannot be read gives no nodes, and a folder that
// leads back to one being listed (through a link) is shown but not entered.
QList<QTreeWidgetItem*> ListMacroNodes(const QString& dir, bool sorted);

// Sorts the children of `parent`, or every level below it when `deep`.
void SortNodes(QTreeWidgetItem* parent, bool deep);

// Holds the tree's repaint while several nodes change.
class TreeUpdateGuard {
public:
    explicit TreeUpdateGuard(QTreeWidget* tree);
    ~TreeUpdateGuard();
    TreeUpdateGuard(const TreeUpdateGuard&) = delete;
    TreeUpdateGuard& operator=(const TreeUpdateGuard&) = delete;

private:
    QTreeWidget* tree_;
    bool wasEnabled_;
};

// The first macro node of each name in tree order, found without walking
// the tree on every keystroke; rebuilt after the tree changed.
class MacroNameIndex {
public:
    explicit MacroNameIndex(QTreeWidget* tree);
    QTreeWidgetItem* FirstMacro(const QString& name);
    void Invalidate() { stale_ = true; }

private:
    QTreeWidget* tree_;
    QHash<QString, QTreeWidgetItem*> first_;
    bool stale_ = true;
};
