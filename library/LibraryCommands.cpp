// SPDX-License-Identifier: GPL-3.0-or-later
// The macro library: the tree of .macro files and folders. Every change is
// made on disk first; the tree follows only when it succeeded.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "library/MacroLibrary.h"
#include "library/MacroTree.h"
#include "library/MacroTreeView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

inline const QString kSortItem = QStringLiteral("SortMacros1");

// The busy pointer, restored however the work ends.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Rename and move never replace what is there: Linux's rename would.
bool MoveEntry(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return false;
    return QDir().rename(from, to);
}

}   // namespace

void TMainForm::BuildMacroTree(TMacroTreeView* tree)
{
    // The selection stays visible while the tree has no focus.
    QPalette palette = tree->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    tree->setPalette(palette);

    tree->onKeyDown = [this](int& key) { Guard([&] { TreeKeyDown(key); }); };
    tree->onDragOver = [this](QTreeWidgetItem* target) { return TreeDragOver(target); };
    tree->onDrop = [this](QTreeWidgetItem* target) { Guard([&] { TreeDragDrop(target); }); };
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this] { Guard([this] { TreeDblClick(); }); });
    connect(tree, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* node) { Guard([&] { TreeEdited(node); }); });
    // Selecting a node opens it.
    connect(tree, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* node) {
        if (node)
            node->setExpanded(true);
    });
    QAbstractItemModel* model = tree->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { macroIndex_->Invalidate(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { macroIndex_->Invalidate(); });
    connect(model, &QAbstractItemModel::rowsMoved, this, [this] { macroIndex_->Invalidate(); });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] { macroIndex_->Invalidate(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { macroIndex_->Invalidate(); });
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { macroIndex_->Invalidate(); });
}

QString TMainForm::NodeFilePath(const QTreeWidgetItem* node) const
{
    return ::NodeFilePath(Startup.MacroDir, NodeTexts(node));
}

QTreeWidgetItem* TMainForm::FindMacroNode(const QString& name) const
{
    return macroIndex_->FirstMacro(name);
}

void TMainForm::LoadMacroTree(const QString& directory, QTreeWidgetItem* parent)
{
    const bool sorted = IsChecked(kSortItem);
    QList<QTreeWidgetItem*> nodes = ListMacroNodes(directory, sorted);
    if (nodes.isEmpty())
        return;
    TreeUpdateGuard bulk(Tree);
    const bool hadChildren = parent->childCount() > 0;
    parent->addChildren(nodes);
    if (sorted && hadChildren)
        SortMacroTree();
}

void TMainForm::ReloadMacroTree()
{
    TreeUpdateGuard bulk(Tree);
    qDeleteAll(TreeRoot->takeChildren());
    LoadMacroTree(Startup.MacroDir, TreeRoot);
}

void TMainForm::SortMacroTree()
{
    TreeUpdateGuard bulk(Tree);
    SortNodes(TreeRoot, true);
}

QTreeWidgetItem* TMainForm::AddMacroNode(QTreeWidgetItem* parent, const QString& name)
{
    auto* node = new TMacroTreeItem(name);
    parent->addChild(node);
    // The rest of a sorted tree is in order already.
    if (IsChecked(kSortItem))
        parent->sortChildren(0, Qt::AscendingOrder);
    return node;
}

void TMainForm::AddSavedMacroNode(const QString& path)
{
    const std::optional<QStringList> texts = SavedMacroNodeTexts(Startup.MacroDir, path);
    if (!texts)
        return;
    QTreeWidgetItem* parent = TreeRoot;
    for (qsizetype i = 0; i + 1 < texts->size(); ++i) {
        QTreeWidgetItem* next = nullptr;
        for (int c = 0; c < parent->childCount() && !next; ++c)
            if (parent->child(c)->text(0) == texts->at(i) && NodeKind(parent->child(c)) == MacroNodeKind::Folder)
                next = parent->child(c);
        if (!next)
            return;   // a folder the tree does not show yet
        parent = next;
    }
    for (int c = 0; c < parent->childCount(); ++c)
        if (parent->child(c)->text(0) == texts->last())
            return;   // already there
    TreeUpdateGuard bulk(Tree);
    AddMacroNode(parent, texts->last());
}

// ------------------------------------------------------------ showing

void TMainForm::ShowLibrary(bool show)
{
    if (show) {
        Panel2->hide();
        SetEnabled(QStringLiteral("MacroDirectory1"), false);
        // A pick, Escape or a run disabled them; in the library they work again.
        SetEnabled(QStringLiteral("NewFolder"), true);
        SetEnabled(QStringLiteral("NewFolder1"), true);
        Tree->show();
        Tree->setFocus();
    } else {
        Tree->hide();
        SetEnabled(QStringLiteral("MacroDirectory1"), true);
        Panel2->show();
        RichEdit->setFocus();
    }
}

void TMainForm::ToggleLibrary()
{
    MakroButton->setChecked(!MakroButton->isChecked());
    ShowLibrary(MakroButton->isChecked());
}

void TMainForm::MakroChooseClick()
{
    // The button flips itself when clicked; a menu item or Ctrl+B flips it here.
    if (qobject_cast<QAction*>(sender()))
        ToggleLibrary();
    else
        ShowLibrary(MakroButton->isChecked());
}

void TMainForm::LeaveLibrary()
{
    MakroButton->setChecked(false);
    Tree->hide();
    SetEnabled(QStringLiteral("NewFolder"), false);
    SetEnabled(QStringLiteral("NewFolder1"), false);
    SetEnabled(QStringLiteral("MacroDirectory1"), true);
    SetEnabled(QStringLiteral("ChooseMakroDirectory1"), true);
    Panel2->show();
}

void TMainForm::TreeDblClick()
{
    QTreeWidgetItem* node = Tree->currentItem();
    if (!node || !node->isSelected() || NodeKind(node) != MacroNodeKind::Macro)
        return;
    LeaveLibrary();
    MakroFeld->setText(node->text(0));
    RichEdit->setFocus();
}

void TMainForm::TreeKeyDown(int& key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        TreeDblClick();
        key = 0;
        break;
    case Qt::Key_Escape:
        LeaveLibrary();
        RichEdit->setFocus();
        key = 0;
        break;
    case Qt::Key_Delete:
        Delete2Click();
        key = 0;
        break;
    default:
        break;
    }
}

// ------------------------------------------------------------ changes

void TMainForm::TreeEdited(QTreeWidgetItem* node)
{
    const QString accepted = DiskName(node);
    if (renaming_ || node->text(0) == accepted)
        return;   // not a new label: an icon, a kind or our own reset
    QScopedValueRollback guard(renaming_, true);
    QString folder = Startup.MacroDir;
    for (const QString& text : NodeTexts(node->parent()))
        folder += text + kMacroExtension + QLatin1Char('/');
    const QString wanted = CleanMacroName(node->text(0));
    const QString oldPath = folder + (accepted + kMacroExtension).trimmed();
    const QString newPath = folder + wanted + kMacroExtension;
    // A name that would leave only ".macro", or one the disk refuses, keeps
    // the old label; nothing is said, as the tree shows the label unchanged.
    if (!IsUsableMacroName(wanted) || !MoveEntry(oldPath, newPath)) {
        node->setText(0, accepted);
        return;
    }
    SetDiskName(node, wanted);
    node->setText(0, wanted);
    node->parent()->sortChildren(0, Qt::AscendingOrder);
}

void TMainForm::NewFolderClick()
{
    QTreeWidgetItem* parent = Tree->currentItem();
    if (!parent || !parent->isSelected() || NodeKind(parent) == MacroNodeKind::Macro)
        parent = TreeRoot;
    // mkdir fails on anything already there, so nothing is replaced.
    //: The name of a new folder of macros, also on disk.
    const QString name = tr("Macrofolder");
    if (!QDir().mkdir(NodeFilePath(parent) + QLatin1Char('/') + name + kMacroExtension)) {
        ShowError(tr("Folder could not be created!"));
        return;
    }
    {
        TreeUpdateGuard bulk(Tree);
        auto* node = new TMacroTreeItem(name, MacroNodeKind::Folder);
        parent->addChild(node);
        Tree->setCurrentItem(node);
        if (IsChecked(kSortItem))
            parent->sortChildren(0, Qt::AscendingOrder);
    }
    ToggleLibrary();
}

bool TMainForm::TreeDragOver(QTreeWidgetItem* target)
{
    return !target || NodeKind(target) != MacroNodeKind::Macro;
}

void TMainForm::TreeDragDrop(QTreeWidgetItem* target)
{
    QTreeWidgetItem* source = Tree->currentItem();
    if (!target || !source || !source->isSelected() || source == TreeRoot || IsInSubtree(target, source) ||
        NodeKind(target) == MacroNodeKind::Macro)
        return;
    if (!MoveEntry(NodeFilePath(source), NodeFilePath(target) + QLatin1Char('/') + source->text(0) + kMacroExtension)) {
        ShowError(tr("Macro could not be moved."));
        return;
    }
    TreeUpdateGuard bulk(Tree);
    source->parent()->removeChild(source);
    target->addChild(source);
    Tree->setCurrentItem(source);
    if (IsChecked(kSortItem))
        target->sortChildren(0, Qt::AscendingOrder);
}

void TMainForm::Delete2Click()
{
    QTreeWidgetItem* node = Tree->currentItem();
    if (!node || !node->isSelected() || node == TreeRoot)
        return;
    const bool folder = NodeKind(node) == MacroNodeKind::Folder;
    if (Ask(MsgKind::Confirmation,
            folder ? tr("Really delete this folder and all contained macros/folders?")
                   : tr("Really delete this macro?"),
            MsgButtons::OkCancel) != MsgAnswer::Ok)
        return;
    const bool deleted = RecycleFile(NodeFilePath(node));
    if (!folder && SameMacroName(node->text(0), MakroFeld->text()))
        MakroFeld->clear();
    if (!deleted) {
        const QString why = platform().shell->RecycleError();
        ShowError(why.isEmpty() ? tr("Macro/Folder could not be deleted.")
                                : tr("Macro/Folder could not be deleted.\n%1").arg(why));
        return;
    }
    TreeUpdateGuard bulk(Tree);
    QTreeWidgetItem* parent = node->parent();
    delete node;
    parent->setExpanded(true);
}

void TMainForm::MacroDirectory1Click()
{
    const QString folder = ChooseFolder();
    if (folder.isEmpty())
        return;
    Startup.MacroDir = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    TreeUpdateGuard bulk(Tree);
    BusyPointer busy;
    ReloadMacroTree();
    TreeRoot->setExpanded(true);
}

void TMainForm::SortMacrosClick()
{
    const bool on = FlipOption(QStringLiteral("SortMacros"), kSortItem);
    if (on)
        SortMacroTree();
    else
        ReloadMacroTree();
}
