// "Tool&bar" of the HTML menus: shows or closes the HTML toolbar window.
#include "app/Unit1.h"
#include "editor/RichEdit.h"
#include "html/Unit3.h"

void TMainForm::Toolbar2Click()
{
    const bool on = FlipOption(QStringLiteral("Toolbar2"), QStringLiteral("Toolbar3"));
    if (HTMLToolbar) {
        if (on) {
            HTMLToolbar->ShowAtSavedPosition();
        } else {
            HTMLToolbar->RememberPosition();
            HTMLToolbar->hide();
        }
    }
    RichEdit->setFocus();
}
