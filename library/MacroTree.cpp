// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/MacroTree.h"

#include "library/MacroLibrary.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTreeWidget>
#include <algorithm>

namespace {

const QIcon& IconFor(MacroNodeKind kind)
{
    static const QIcon macro(QStringLiteral(":/icons/macro.svg"));
    static const QIcon root(QStringLiteral(":/icons/macrobrowser.svg"));
    static const QIcon folder = [] {
        // A selected folder shows open, as the old tree's selected image did.
        QIcon icon(QStringLiteral(":/icons/folder.svg"));
        icon.addFile(QStringLiteral(":/icons/folder-open.svg"), QSize(), QIcon::Selected);
        return icon;
    }();
    switch (kind) {
    case MacroNodeKind::Root: return root;
    case MacroNodeKind::Folder: return folder;
    case MacroNodeKind::Macro: break;
    }
    return macro;
}

// Sorts with each name's keys made once rather than at every comparison.
void SortByName(QList<QTreeWidgetItem*>& nodes)
{
    struct Keyed {
        MacroNameKeys keys;
        QTreeWidgetItem* node;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(nodes.size());
    for (QTreeWidgetItem* node : nodes)
        keyed.push_back({MacroNameSortKeys(node->text(0)), node});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.keys < b.keys; });
    for (qsizetype i = 0; i < nodes.size(); ++i)
        nodes[i] = keyed[i].node;
}

struct Lister {
    bool sorted;
    QStringList open;   // canonical paths of the folders being listed

    QList<QTreeWidgetItem*> List(const QString& dir, const QString& canonical)
    {
        open << canonical;
        QList<QTreeWidgetItem*> nodes;
        QDirIterator it(dir, {QStringLiteral("*.macro")},
                        QDir::Dirs | QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot |
                            QDir::CaseSensitive);
        while (it.hasNext()) {
            const QFileInfo info = it.nextFileInfo();
            const QString name = info.fileName();
            if (!IsMacroEntryName(name))
                continue;
            const bool folder = info.isDir();
            auto* node =
                new TMacroTreeItem(MacroDisplayName(name), folder ? MacroNodeKind::Folder : MacroNodeKind::Macro);
            nodes << node;
            if (!folder)
                continue;
            const QString real = info.isSymLink() ? info.canonicalFilePath() : canonical + QLatin1Char('/') + name;
            if (!real.isEmpty() && !open.contains(real))
                node->addChildren(List(dir + name + QLatin1Char('/'), real));
        }
        open.removeLast();
        if (sorted)
            SortByName(nodes);
        return nodes;
    }
};

}   // namespace

TMacroTreeItem::TMacroTreeItem(const QString& text, MacroNodeKind nodeKind)
    : QTreeWidgetItem(QStringList{text}), kind(nodeKind), diskName(text)
{
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
    if (kind != MacroNodeKind::Root)
        flags |= Qt::ItemIsEditable;
    if (kind != MacroNodeKind::Macro)
        flags |= Qt::ItemIsDropEnabled;
    setFlags(flags);
}

bool TMacroTreeItem::operator<(const QTreeWidgetItem& other) const
{
    return MacroNameLess(text(0), other.text(0));
}

QVariant TMacroTreeItem::data(int column, int role) const
{
    // Asked for, not stored: a load makes tens of thousands of nodes.
    if (column == 0 && role == Qt::DecorationRole)
        return IconFor(kind);
    return QTreeWidgetItem::data(column, role);
}

MacroNodeKind NodeKind(const QTreeWidgetItem* node)
{
    const auto* item = dynamic_cast<const TMacroTreeItem*>(node);
    return item ? item->kind : MacroNodeKind::Macro;
}

QString DiskName(const QTreeWidgetItem* node)
{
    const auto* item = dynamic_cast<const TMacroTreeItem*>(node);
    return item ? item->diskName : node->text(0);
}

void SetDiskName(QTreeWidgetItem* node, const QString& name)
{
    if (auto* item = dynamic_cast<TMacroTreeItem*>(node))
        item->diskName = name;
}

QStringList NodeTexts(const QTreeWidgetItem* node)
{
    QStringList texts;
    for (; node && node->parent(); node = node->parent())
        texts.prepend(node->text(0));
    return texts;
}

bool IsInSubtree(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor)
{
    for (; node; node = node->parent())
        if (node == ancestor)
            return true;
    return false;
}

QList<QTreeWidgetItem*> ListMacroNodes(const QString& dir, bool sorted)
{
    Lister lister{sorted, {}};
    const QString canonical = QDir(dir).canonicalPath();
    if (canonical.isEmpty())
        return {};
    return lister.List(dir, canonical);
}

void SortNodes(QTreeWidgetItem* parent, bool deep)
{
    if (!deep) {
        parent->sortChildren(0, Qt::AscendingOrder);
        return;
    }
    if (QTreeWidget* tree = parent->treeWidget(); tree && !parent->parent()) {
        tree->sortItems(0, Qt::AscendingOrder);
        return;
    }
    parent->sortChildren(0, Qt::AscendingOrder);
    for (int i = 0; i < parent->childCount(); ++i)
        SortNodes(parent->child(i), true);
}

TreeUpdateGuard::TreeUpdateGuard(QTreeWidget* tree) : tree_(tree), wasEnabled_(tree->updatesEnabled())
{
    tree_->setUpdatesEnabled(false);
}

TreeUpdateGuard::~TreeUpdateGuard()
{
    tree_->setUpdatesEnabled(wasEnabled_);
}

MacroNameIndex::MacroNameIndex(QTreeWidget* tree) : tree_(tree) {}

QTreeWidgetItem* MacroNameIndex::FirstMacro(const QString& name)
{
    if (stale_) {
        first_.clear();
        for (QTreeWidgetItemIterator it(tree_); *it; ++it)
            if (NodeKind(*it) == MacroNodeKind::Macro)
                if (const QString key = MacroNameKey((*it)->text(0)); !first_.contains(key))
                    first_.insert(key, *it);   // tree order: the first one stays
        stale_ = false;
    }
    return first_.value(MacroNameKey(name));
}
