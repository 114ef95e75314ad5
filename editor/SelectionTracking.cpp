#include "app/StatusBar.h"
#include "app/Unit1.h"
#include "editor/RichEdit.h"

void TMainForm::ShowCaretPosition()
{
    const int pos = RichEdit->textCursor().position();
    const int line = RichEdit->LineFromChar(pos);
    const int column = pos - RichEdit->LineIndex(line);
    const QString text = QStringLiteral("Line: %1  Col: %2").arg(line + 1).arg(column + 1);
    StatusBar->SetPanelText(1, text);
    StatusBar->SetPanelWidth(1, StatusBar->TextWidth(text) + 25);
}

void TMainForm::RichEditSelectionChange()
{
    SearchPos = RichEdit->SelStart() + RichEdit->SelLength();
    ShowCaretPosition();
}
