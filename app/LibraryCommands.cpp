// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the macro library: its commands and the tree's
// events hand over to the library, which reaches the window through the
// host below.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "library/Library.h"
#include "library/MacroTreeView.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

namespace {

class MainFormLibraryHost : public LibraryHost {
public:
    explicit MainFormLibraryHost(TMainForm& form) : form_(form) {}

    QString MacroDir() const override { return form_.Startup().MacroDir; }
    void SetMacroDir(const QString& dir) override { form_.Startup().MacroDir = dir; }
    bool SortOn() const override { return form_.IsChecked(Command::SortMacros); }
    bool FlipSort() override { return form_.FlipOption(Command::SortMacros); }

    void EnableCommand(LibraryCommand command, bool on) override
    {
        switch (command) {
        case LibraryCommand::NewFolder: form_.SetEnabled(Command::NewFolder, on); break;
        case LibraryCommand::MacroDirectory: form_.SetEnabled(Command::MacroDirectory, Twin::Main, on); break;
        case LibraryCommand::MacroDirectoryInPopup: form_.SetEnabled(Command::MacroDirectory, Twin::Context, on); break;
        }
    }

    bool LibraryButtonOn() const override { return form_.Ui().MakroButton->isChecked(); }
    void SetLibraryButtonOn(bool on) override { form_.Ui().MakroButton->setChecked(on); }
    void ShowEditorPanel(bool show) override { form_.Ui().Panel2->setVisible(show); }
    void FocusEditor() override { form_.Ui().RichEdit->setFocus(); }
    QString MacroField() const override { return form_.Ui().MakroFeld->text(); }
    void SetMacroField(const QString& name) override { form_.Ui().MakroFeld->setText(name); }
    void ClearMacroField() override { form_.Ui().MakroFeld->clear(); }

private:
    TMainForm& form_;
};

}   // namespace

void TMainForm::BuildMacroTree(TMacroTreeView* tree)
{
    libraryHost_ = std::make_unique<MainFormLibraryHost>(*this);
    library_ = std::make_unique<MacroLibrary>(*libraryHost_, platform_, *tree, *ui_.TreeRoot);
    tree->onKeyDown = [this](int& key) { Guard([&] { TreeKeyDown(key); }); };
    tree->onDragOver = [this](QTreeWidgetItem* target) { return TreeDragOver(target); };
    tree->onDrop = [this](QTreeWidgetItem* target) { Guard([&] { TreeDragDrop(target); }); };
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this] { Guard([this] { TreeDblClick(); }); });
    connect(tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node) { Guard([&] { TreeEdited(node); }); });
}

QString TMainForm::NodeFilePath(const QTreeWidgetItem* node) const
{
    return library_->NodeFilePath(node);
}
QTreeWidgetItem* TMainForm::FindMacroNode(const QString& name) const
{
    return library_->FindMacro(name);
}
void TMainForm::ReloadMacroTree()
{
    library_->Reload();
}
QTreeWidgetItem* TMainForm::AddMacroNode(QTreeWidgetItem* parent, const QString& name)
{
    return library_->AddMacroNode(parent, name);
}
void TMainForm::AddSavedMacroNode(const QString& path)
{
    library_->AddSavedMacro(path);
}

void TMainForm::MakroChooseClick()
{
    library_->Choose(qobject_cast<QAction*>(sender()) != nullptr);
}
void TMainForm::TreeDblClick()
{
    library_->Pick();
}
void TMainForm::TreeKeyDown(int& key)
{
    library_->KeyDown(key);
}
void TMainForm::TreeEdited(QTreeWidgetItem* node)
{
    library_->Edited(node);
}
void TMainForm::NewFolderClick()
{
    library_->NewFolder();
}
bool TMainForm::TreeDragOver(QTreeWidgetItem* target)
{
    return library_->DragOver(target);
}
void TMainForm::TreeDragDrop(QTreeWidgetItem* target)
{
    library_->Drop(target);
}
void TMainForm::Delete2Click()
{
    library_->Delete();
}
void TMainForm::MacroDirectory1Click()
{
    library_->ChooseDirectory();
}
void TMainForm::SortMacrosClick()
{
    library_->FlipSort();
}
