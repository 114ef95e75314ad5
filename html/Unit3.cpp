#include "html/Unit3.h"

THTMLToolbar::THTMLToolbar(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("HTMLToolbar"));
    setWindowTitle(QStringLiteral("HTML"));
    resize(220, 80);
}

void THTMLToolbar::ShowAtSavedPosition()
{
    move(SavedLeft, SavedTop);
    show();
}

void THTMLToolbar::RememberPosition()
{
    SavedLeft = x();
    SavedTop = y();
}
