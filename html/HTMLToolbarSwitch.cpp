// SPDX-License-Identifier: GPL-3.0-or-later
// "Tool&bar" of the HTML menus: shows or closes the HTML toolbar window.
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "html/HtmlToolbar.h"

void TMainForm::Toolbar2Click()
{
    const bool on = FlipOption(QStringLiteral("Toolbar3"), QStringLiteral("Toolbar2"));
    if (HTMLToolbar) {
        if (on)
            HTMLToolbar->ShowAtSavedPosition();
        else
            HTMLToolbar->close();   // its closing work: check marks and place
    }
    RichEdit->setFocus();
}
