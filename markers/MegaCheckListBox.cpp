#include "markers/MegaCheckListBox.h"

TMegaCheckListBox::TMegaCheckListBox(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("CheckList"));
}
