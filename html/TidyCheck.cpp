// The check of the document with the external Tidy program.
#include "app/Unit1.h"

void TMainForm::SyntaxCheckClick() {}
void TMainForm::TidyLocation1Click() {}
void TMainForm::TidyOptions1Click() {}
