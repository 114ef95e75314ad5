// Commands and events whose behaviour arrives with later work. Each exists
// so that menus, toolbars and shortcuts are wired by name from the start;
// until then it does nothing.
#include "app/Unit1.h"

void TMainForm::Colour1Click() {}
void TMainForm::ReplaceSpecialCharactersClick() {}
void TMainForm::SyntaxCheckClick() {}
void TMainForm::TidyLocation1Click() {}
void TMainForm::TidyOptions1Click() {}
void TMainForm::TestDocument2Click() {}
void TMainForm::SortMacrosClick() {}
void TMainForm::RunButtonClick() {}
void TMainForm::Record1Click() {}
void TMainForm::Stop1Click() {}
void TMainForm::MakroChooseClick() {}
void TMainForm::MacroDirectory1Click() {}
void TMainForm::NewFolderClick() {}
void TMainForm::Delete2Click() {}
void TMainForm::Help1Click() {}
void TMainForm::InfoClick() {}
void TMainForm::MakroFeldChange() {}
void TMainForm::MakroFeldDblClick() {}
void TMainForm::RichEditKeyPress(QChar&) {}
