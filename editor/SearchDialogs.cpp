// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SearchDialogs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* AddButton(QVBoxLayout* column, QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    column->addWidget(b);
    return b;
}
}   // namespace

TFindDialog::TFindDialog(QWidget* parent) : TFindDialog(parent, false)
{
    connect(findNext_, &QPushButton::clicked, this, [this] {
        if (onFindNext)
            onFindNext();
    });
}

TFindDialog::TFindDialog(QWidget* parent, bool withReplace) : QDialog(parent)
{
    setObjectName(withReplace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(withReplace ? tr("Replace") : tr("Find"));
    setModal(false);

    auto* fields = new QFormLayout;
    findEdit_ = new QLineEdit(this);
    findEdit_->setObjectName(QStringLiteral("FindText"));
    fields->addRow(tr("Fi&nd what:"), findEdit_);
    if (withReplace) {
        replaceEdit_ = new QLineEdit(this);
        replaceEdit_->setObjectName(QStringLiteral("ReplaceText"));
        fields->addRow(tr("Re&place with:"), replaceEdit_);
    }
    wholeWord_ = new QCheckBox(tr("Match &whole word only"), this);
    wholeWord_->setObjectName(QStringLiteral("WholeWord"));
    matchCase_ = new QCheckBox(tr("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("MatchCase"));
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(wholeWord_);
    left->addWidget(matchCase_);
    left->addStretch(1);

    auto* buttons = new QVBoxLayout;
    findNext_ = AddButton(buttons, this, QStringLiteral("FindNext"), tr("&Find Next"));
    findNext_->setDefault(true);
    if (withReplace) {
        replace_ = AddButton(buttons, this, QStringLiteral("Replace"), tr("&Replace"));
        replaceAll_ = AddButton(buttons, this, QStringLiteral("ReplaceAll"), tr("Replace &All"));
    }
    QPushButton* cancel = AddButton(buttons, this, QStringLiteral("Cancel"), tr("Cancel"));
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(findEdit_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    UpdateButtons();
}

void TFindDialog::UpdateButtons()
{
    // As in the platform's dialogs, nothing can be searched for without a text.
    const bool any = !findEdit_->text().isEmpty();
    for (QPushButton* b : {findNext_, replace_, replaceAll_})
        if (b)
            b->setEnabled(any);
}

QString TFindDialog::FindText() const
{
    return findEdit_->text();
}
void TFindDialog::SetFindText(const QString& text)
{
    findEdit_->setText(text);
}

SearchOptions TFindDialog::Options() const
{
    return SearchOptions{matchCase_->isChecked(), wholeWord_->isChecked()};
}

void TFindDialog::SetOptions(const SearchOptions& options)
{
    matchCase_->setChecked(options.matchCase);
    wholeWord_->setChecked(options.wholeWord);
}

TReplaceDialog::TReplaceDialog(QWidget* parent) : TFindDialog(parent, true)
{
    connect(findNext_, &QPushButton::clicked, this, [this] {
        replaceAllOption_ = false;
        if (onFindNext)
            onFindNext();
    });
    connect(replace_, &QPushButton::clicked, this, [this] {
        replaceAllOption_ = false;
        if (onReplace)
            onReplace();
    });
    connect(replaceAll_, &QPushButton::clicked, this, [this] {
        replaceAllOption_ = true;
        if (onReplaceAll)
            onReplaceAll();
    });
}

QString TReplaceDialog::ReplaceText() const
{
    return replaceEdit_->text();
}
void TReplaceDialog::SetReplaceText(const QString& text)
{
    replaceEdit_->setText(text);
}
