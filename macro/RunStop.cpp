// The macro field, the Run button and the Record and Stop commands.
#include "app/Unit1.h"

void TMainForm::RunButtonClick() {}
void TMainForm::Record1Click() {}
void TMainForm::Stop1Click() {}
void TMainForm::MakroFeldChange() {}
void TMainForm::MakroFeldDblClick() {}
