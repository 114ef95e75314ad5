// Commands and events whose behaviour arrives with later work. Each exists
// so that menus, toolbars and shortcuts are wired by name from the start;
// until then it does nothing.
#include "app/Unit1.h"

void TMainForm::Open1Click() {}
void TMainForm::Save1Click() {}
void TMainForm::SaveAs1Click() {}
void TMainForm::SaveQuit1Click() {}
void TMainForm::Reload1Click() {}
void TMainForm::Clear1Click() {}
void TMainForm::Delete1Click() {}
void TMainForm::Print1Click() {}
void TMainForm::PrinterSetup1Click() {}
void TMainForm::Find1Click() {}
void TMainForm::FindAgainClick() {}
void TMainForm::Replace1Click() {}
void TMainForm::GotoLine1Click() {}
void TMainForm::MarkLine1Click() {}
void TMainForm::ShowLineMarkers1Click() {}
void TMainForm::Colour1Click() {}
void TMainForm::ReplaceSpecialCharactersClick() {}
void TMainForm::SyntaxCheckClick() {}
void TMainForm::TidyLocation1Click() {}
void TMainForm::TidyOptions1Click() {}
void TMainForm::TestDocument2Click() {}
void TMainForm::Font1Click() {}
void TMainForm::PlainTextClick() {}
void TMainForm::WordWrapClick() {}
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
void TMainForm::BoldButtonClick() {}
void TMainForm::ItalicButtonClick() {}
void TMainForm::UnderlinedButtonClick() {}
void TMainForm::SchriftartenChange() {}
void TMainForm::GroesseChange() {}
void TMainForm::AlignClick(int) {}
void TMainForm::MakroFeldChange() {}
void TMainForm::MakroFeldDblClick() {}
void TMainForm::RichEditKeyDown(int&, Qt::KeyboardModifiers) {}
void TMainForm::RichEditKeyPress(QChar&) {}
void TMainForm::RichEditMouseMove(Qt::KeyboardModifiers, int, int) {}
void TMainForm::CheckFile() {}
