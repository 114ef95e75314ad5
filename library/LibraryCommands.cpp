// The macro library: the tree of .macro files and folders.
#include "app/Unit1.h"

void TMainForm::SortMacrosClick() {}
void TMainForm::MakroChooseClick() {}
void TMainForm::MacroDirectory1Click() {}
void TMainForm::NewFolderClick() {}
void TMainForm::Delete2Click() {}
