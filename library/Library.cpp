// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/Library.h"
#include "library/MacroLibrary.h"
#include "library/MacroTree.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTreeWidget>

namespace {

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

QString OverwriteQuestion(const QString& what)
{
    return QCoreApplication::translate("TMainForm", "Overwrite \"%1\"?").arg(what);
}

}   // namespace

MacroLibrary::MacroLibrary(LibraryHost& host, const Platform& platform, QTreeWidget& tree, QTreeWidgetItem& root)
    : host_(host), platform_(platform), tree_(tree), root_(root), index_(std::make_unique<MacroNameIndex>(&tree))
{
    // The selection stays visible while the tree has no focus.
    QPalette palette = tree.palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    tree.setPalette(palette);

    // Selecting a node opens it.
    connect(&tree, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* node) {
        if (node)
            node->setExpanded(true);
    });
    // Connected to this object, so the tree's removal after the library's
    // never reaches the index.
    QAbstractItemModel* model = tree.model();
    const auto stale = [this] { index_->Invalidate(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, stale);
    connect(model, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(model, &QAbstractItemModel::rowsMoved, this, stale);
    connect(model, &QAbstractItemModel::layoutChanged, this, stale);
    connect(model, &QAbstractItemModel::modelReset, this, stale);
    connect(model, &QAbstractItemModel::dataChanged, this, stale);
}

MacroLibrary::~MacroLibrary() = default;

MsgAnswer MacroLibrary::Ask(MsgKind kind, const QString& text, MsgButtons buttons)
{
    return platform_.prompts->MessageBox(kind, text, buttons);
}

void MacroLibrary::ShowError(const QString& text)
{
    Ask(MsgKind::Error, text, MsgButtons::Ok);
}

QString MacroLibrary::NodeFilePath(const QTreeWidgetItem* node) const
{
    return ::NodeFilePath(host_.MacroDir(), NodeTexts(node));
}

QTreeWidgetItem* MacroLibrary::FindMacro(const QString& name) const
{
    return index_->FirstMacro(name);
}

void MacroLibrary::Load(const QString& directory, QTreeWidgetItem* parent)
{
    const bool sorted = host_.SortOn();
    QList<QTreeWidgetItem*> nodes = ListMacroNodes(directory, sorted);
    if (nodes.isEmpty())
        return;
    TreeUpdateGuard bulk(&tree_);
    const bool hadChildren = parent->childCount() > 0;
    parent->addChildren(nodes);
    if (sorted && hadChildren)
        Sort();
}

void MacroLibrary::Reload()
{
    TreeUpdateGuard bulk(&tree_);
    qDeleteAll(root_.takeChildren());
    Load(host_.MacroDir(), &root_);
}

void MacroLibrary::Sort()
{
    TreeUpdateGuard bulk(&tree_);
    SortNodes(&root_, true);
}

QTreeWidgetItem* MacroLibrary::AddMacroNode(QTreeWidgetItem* parent, const QString& name)
{
    auto* node = new TMacroTreeItem(name);
    parent->addChild(node);
    // The rest of a sorted tree is in order already.
    if (host_.SortOn())
        parent->sortChildren(0, Qt::AscendingOrder);
    return node;
}

void MacroLibrary::AddSavedMacro(const QString& path)
{
    const std::optional<QStringList> texts = SavedMacroNodeTexts(host_.MacroDir(), path);
    if (!texts)
        return;
    QTreeWidgetItem* parent = &root_;
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
    TreeUpdateGuard bulk(&tree_);
    AddMacroNode(parent, texts->last());
}

// ------------------------------------------------------------ showing

void MacroLibrary::Choose(bool fromMenu)
{
    // The button flips itself when clicked; a menu item or Ctrl+B flips it here.
    if (fromMenu)
        Toggle();
    else
        Show(host_.LibraryButtonOn());
}

void MacroLibrary::Show(bool show)
{
    if (show) {
        host_.ShowEditorPanel(false);
        host_.EnableCommand(LibraryCommand::MacroDirectory, false);
        // A pick, Escape or a run disabled it; in the library it works again.
        host_.EnableCommand(LibraryCommand::NewFolder, true);
        tree_.show();
        tree_.setFocus();
    } else {
        tree_.hide();
        host_.EnableCommand(LibraryCommand::MacroDirectory, true);
        host_.ShowEditorPanel(true);
        host_.FocusEditor();
    }
}

void MacroLibrary::Toggle()
{
    host_.SetLibraryButtonOn(!host_.LibraryButtonOn());
    Show(host_.LibraryButtonOn());
}

void MacroLibrary::Leave()
{
    host_.SetLibraryButtonOn(false);
    tree_.hide();
    host_.EnableCommand(LibraryCommand::NewFolder, false);
    host_.EnableCommand(LibraryCommand::MacroDirectory, true);
    host_.EnableCommand(LibraryCommand::MacroDirectoryInPopup, true);
    host_.ShowEditorPanel(true);
}

void MacroLibrary::Pick()
{
    QTreeWidgetItem* node = tree_.currentItem();
    if (!node || !node->isSelected() || NodeKind(node) != MacroNodeKind::Macro)
        return;
    Leave();
    host_.SetMacroField(node->text(0));
    host_.FocusEditor();
}

void MacroLibrary::KeyDown(int& key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Pick();
        key = 0;
        break;
    case Qt::Key_Escape:
        Leave();
        host_.FocusEditor();
        key = 0;
        break;
    case Qt::Key_Delete:
        Delete();
        key = 0;
        break;
    default: break;
    }
}

// ------------------------------------------------------------ changes

void MacroLibrary::Edited(QTreeWidgetItem* node)
{
    const QString accepted = DiskName(node);
    if (renaming_ || node->text(0) == accepted)
        return;   // not a new label: an icon, a kind or our own reset
    QScopedValueRollback guard(renaming_, true);
    QString folder = host_.MacroDir();
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

void MacroLibrary::NewFolder()
{
    QTreeWidgetItem* parent = tree_.currentItem();
    if (!parent || !parent->isSelected() || NodeKind(parent) == MacroNodeKind::Macro)
        parent = &root_;
    // mkdir fails on anything already there, so nothing is replaced.
    //: The name of a new folder of macros, also on disk.
    const QString name = tr("Macrofolder");
    if (!QDir().mkdir(NodeFilePath(parent) + QLatin1Char('/') + name + kMacroExtension)) {
        ShowError(tr("Folder could not be created!"));
        return;
    }
    {
        TreeUpdateGuard bulk(&tree_);
        auto* node = new TMacroTreeItem(name, MacroNodeKind::Folder);
        parent->addChild(node);
        tree_.setCurrentItem(node);
        if (host_.SortOn())
            parent->sortChildren(0, Qt::AscendingOrder);
    }
    Toggle();
}

bool MacroLibrary::DragOver(QTreeWidgetItem* target) const
{
    return !target || NodeKind(target) != MacroNodeKind::Macro;
}

void MacroLibrary::Drop(QTreeWidgetItem* target)
{
    QTreeWidgetItem* source = tree_.currentItem();
    if (!target || !source || !source->isSelected() || source == &root_ || IsInSubtree(target, source) ||
        NodeKind(target) == MacroNodeKind::Macro)
        return;
    if (!MoveEntry(NodeFilePath(source), NodeFilePath(target) + QLatin1Char('/') + source->text(0) + kMacroExtension)) {
        ShowError(tr("Macro could not be moved."));
        return;
    }
    TreeUpdateGuard bulk(&tree_);
    source->parent()->removeChild(source);
    target->addChild(source);
    tree_.setCurrentItem(source);
    if (host_.SortOn())
        target->sortChildren(0, Qt::AscendingOrder);
}

void MacroLibrary::Delete()
{
    QTreeWidgetItem* node = tree_.currentItem();
    if (!node || !node->isSelected() || node == &root_)
        return;
    const bool folder = NodeKind(node) == MacroNodeKind::Folder;
    if (Ask(MsgKind::Confirmation,
            folder ? tr("Really delete this folder and all contained macros/folders?")
                   : tr("Really delete this macro?"),
            MsgButtons::OkCancel) != MsgAnswer::Ok)
        return;
    const bool deleted = platform_.shell->RecycleFile(NodeFilePath(node));
    if (!folder && SameMacroName(node->text(0), host_.MacroField()))
        host_.ClearMacroField();
    if (!deleted) {
        const QString why = platform_.shell->RecycleError();
        ShowError(why.isEmpty() ? tr("Macro/Folder could not be deleted.")
                                : tr("Macro/Folder could not be deleted.\n%1").arg(why));
        return;
    }
    TreeUpdateGuard bulk(&tree_);
    QTreeWidgetItem* parent = node->parent();
    delete node;
    parent->setExpanded(true);
}

void MacroLibrary::ChooseDirectory()
{
    const QString folder = platform_.prompts->ChooseFolder();
    if (folder.isEmpty())
        return;
    host_.SetMacroDir(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
    TreeUpdateGuard bulk(&tree_);
    BusyPointer busy;
    Reload();
    root_.setExpanded(true);
}

void MacroLibrary::FlipSort()
{
    if (host_.FlipSort())
        Sort();
    else
        Reload();
}

std::optional<QString> MacroLibrary::RecordingFile(const QString& name, bool named)
{
    QTreeWidgetItem* target = &root_;
    if (named)
        for (QTreeWidgetItemIterator it(&tree_); *it; ++it)
            if (*it != &root_ && SameMacroName((*it)->text(0), name))
                target = *it;   // the last one in tree order

    const auto agreed = [this](const QString& what) {
        return Ask(MsgKind::Confirmation, OverwriteQuestion(what), MsgButtons::OkCancel) == MsgAnswer::Ok;
    };
    switch (target == &root_ ? MacroNodeKind::Root : NodeKind(target)) {
    case MacroNodeKind::Macro: {
        const QString file = NodeFilePath(target);
        if (!agreed(file))
            return std::nullopt;
        return file;
    }
    case MacroNodeKind::Folder: {
        // Recorded inside the folder of the macro's name.
        const QString folder = NodeFilePath(target);
        QString fileName = name;
        bool matched = false;
        for (int i = 0; i < target->childCount(); ++i) {
            QTreeWidgetItem* child = target->child(i);
            if (!SameMacroName(child->text(0), name))
                continue;
            matched = true;
            fileName = child->text(0);   // its own letter case: the file it names is replaced
            if (!agreed(folder + QLatin1Char('/') + fileName + kMacroExtension))
                return std::nullopt;
        }
        if (!matched)
            AddMacroNode(target, name);
        return folder + QLatin1Char('/') + fileName + kMacroExtension;
    }
    case MacroNodeKind::Root: break;
    }
    QTreeWidgetItem* parent = &root_;
    QString file;
    QTreeWidgetItem* selected = tree_.currentItem();
    if (selected && selected->isSelected() && selected != &root_ && NodeKind(selected) == MacroNodeKind::Folder) {
        parent = selected;
        file = NodeFilePath(selected) + QLatin1Char('/') + name + kMacroExtension;
    } else {
        file = host_.MacroDir() + name + kMacroExtension;
    }
    if (QFileInfo::exists(file)) {
        if (!agreed(name + kMacroExtension))
            return std::nullopt;
    } else {
        AddMacroNode(parent, name);
    }
    root_.setExpanded(true);
    return file;
}

std::optional<QString> MacroLibrary::SelectedNodeFile() const
{
    QTreeWidgetItem* node = tree_.currentItem();
    if (!node || !node->isSelected() || node == &root_)
        return std::nullopt;
    return NodeFilePath(node);
}
