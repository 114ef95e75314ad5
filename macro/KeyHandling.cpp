// The editor's key handling. The recording of keys and the typing aids
// (AutoTab, block indent, entities, marker shifting) join it with the macro
// recorder; Esc already closes the search dialogs.
#include "app/Unit1.h"
#include "editor/FindReplace.h"

void TMainForm::RichEditKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Escape)
        CloseSearchDialogs(*this);
}

void TMainForm::RichEditKeyPress(QChar&) {}
