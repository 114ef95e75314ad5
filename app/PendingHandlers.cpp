// Commands whose behaviour arrives with later work. Each exists so that
// menus, toolbars and shortcuts are wired by name from the start; until
// then it does nothing.
#include "app/MainForm.h"

void TMainForm::Help1Click() {}
void TMainForm::InfoClick() {}
