#include "html/Unit4.h"

#include <QListWidget>
#include <QVBoxLayout>

TTidyErrors::TTidyErrors(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("TidyErrors"));
    setWindowTitle(QStringLiteral("Tidy"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ErrorList = new QListWidget(this);
    ErrorList->setObjectName(QStringLiteral("ErrorList"));
    layout->addWidget(ErrorList);
    resize(480, 200);
}
