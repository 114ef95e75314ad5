// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class MacroNameIndex;
class QTreeWidget;
class QTreeWidgetItem;

// The window's commands that the library turns on and off.
enum class LibraryCommand {
    NewFolder,   // in both menus
    MacroDirectory,   // in the main menu
    MacroDirectoryInPopup,   // in the context menu
};

// What the library needs of the window around it. The library never sees
// the window itself: the window (or a test) implements this.
class LibraryHost {
public:
    virtual ~LibraryHost() = default;
    // The folder the tree shows, ending with "/".
    virtual QString MacroDir() const = 0;
    virtual void SetMacroDir(const QString& dir) = 0;
    // Sort Macros' check mark; flipping it (in both menus) gives the new one.
    virtual bool SortOn() const = 0;
    virtual bool FlipSort() = 0;
    virtual void EnableCommand(LibraryCommand command, bool on) = 0;
    // The button that shows the library.
    virtual bool LibraryButtonOn() const = 0;
    virtual void SetLibraryButtonOn(bool on) = 0;
    // The editor's panel, which the tree takes the place of.
    virtual void ShowEditorPanel(bool show) = 0;
    virtual void FocusEditor() = 0;
    // The macro field: the name of the macro to run or record.
    virtual QString MacroField() const = 0;
    virtual void SetMacroField(const QString& name) = 0;
    virtual void ClearMacroField() = 0;
};

// The macro library: the tree of .macro files and folders below the macro
// directory, and the user's commands on it. Every change is made on disk
// first; the tree follows only when it succeeded.
class MacroLibrary : public QObject {
    Q_OBJECT
public:
    // The host, the platform's seams and the tree outlive the library;
    // `root` is the tree's top node, which stands for the macro directory.
    MacroLibrary(LibraryHost& host, const Platform& platform, QTreeWidget& tree, QTreeWidgetItem& root);
    ~MacroLibrary() override;

    QTreeWidget& Tree() { return tree_; }
    QTreeWidgetItem* Root() { return &root_; }

    // The file or folder behind a node.
    QString NodeFilePath(const QTreeWidgetItem* node) const;
    // The first macro node of a name in tree order, or null.
    QTreeWidgetItem* FindMacro(const QString& name) const;
    // Filling the tree from a directory, and the nodes that recordings and
    // saves add.
    void Load(const QString& directory, QTreeWidgetItem* parent);
    void Reload();
    void Sort();
    QTreeWidgetItem* AddMacroNode(QTreeWidgetItem* parent, const QString& name);
    void AddSavedMacro(const QString& path);

    // Showing: the library button or its menu item (which flips the button).
    void Choose(bool fromMenu);
    void Show(bool show);
    void Toggle();
    void Leave();

    // The user's work on the tree.
    void Pick();
    void KeyDown(int& key);   // key set to 0 is consumed
    void Edited(QTreeWidgetItem* node);
    void NewFolder();
    bool DragOver(QTreeWidgetItem* target) const;
    void Drop(QTreeWidgetItem* target);
    void Delete();
    void ChooseDirectory();
    void FlipSort();

    // Where a recording under `name` is written: over the macro of that
    // name, inside the folder of that name, or in the selected folder or
    // the macro directory. A new macro gets its node; replacing a file asks
    // first, and nothing comes back when the user says no. An unnamed
    // recording never looks for a node of its default name.
    std::optional<QString> RecordingFile(const QString& name, bool named);
    // The file (or folder) behind the selected node other than the root:
    // what the Run button runs.
    std::optional<QString> SelectedNodeFile() const;

private:
    MsgAnswer Ask(MsgKind kind, const QString& text, MsgButtons buttons);
    void ShowError(const QString& text);

    LibraryHost& host_;
    const Platform& platform_;
    QTreeWidget& tree_;
    QTreeWidgetItem& root_;
    std::unique_ptr<MacroNameIndex> index_;
    bool renaming_ = false;
};
