// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"
#include "app/StatusBar.h"
#include "editor/RichEdit.h"

#include <QAction>

void TMainForm::ApplyDocumentKind()
{
    if (Doc.IsPlainDocument) {
        RichEdit->SetPlainTextMode(true);
        RichEdit->SetWordWrap(Doc.WrapWanted);
        SetChecked(QStringLiteral("PlainText1"), true);
        SetChecked(QStringLiteral("PlainText"), true);
        SetChecked(QStringLiteral("WordWrap"), Doc.WrapWanted);
        SetEnabled(QStringLiteral("Wordwrap1"), true);
        SetEnabled(QStringLiteral("WordWrap"), true);
        // A rich document before may have hidden them.
        StatusBar->ShowSwatches(true);
    } else {
        RichEdit->SetPlainTextMode(false);
        SetChecked(QStringLiteral("PlainText1"), false);
        SetChecked(QStringLiteral("PlainText"), false);
        SetEnabled(QStringLiteral("Wordwrap1"), false);
        SetEnabled(QStringLiteral("WordWrap"), false);
        SetChecked(QStringLiteral("WordWrap"), true);
        RichEdit->SetWordWrap(true);
    }
}
