// Browser preview, colour insertion and the special-character option.
#include "app/Unit1.h"

void TMainForm::Colour1Click() {}
void TMainForm::ReplaceSpecialCharactersClick() {}
void TMainForm::TestDocument2Click() {}
