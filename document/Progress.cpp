// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Progress.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <algorithm>

DelayedProgress::DelayedProgress(const Clock* clock, ProgressView* view, QString label, bool cancellable)
    : clock_(clock), view_(clock ? view : nullptr), label_(std::move(label)), cancellable_(cancellable)
{
    if (clock_)
        start_ = clock_->Now();
}

DelayedProgress::~DelayedProgress()
{
    if (shown_)
        view_->Hide();
}

bool DelayedProgress::Step(int percent)
{
    if (!view_)
        return true;
    if (!shown_) {
        if (start_.msecsTo(clock_->Now()) <= kDelayMs)
            return true;
        view_->Show(label_, cancellable_);
        shown_ = true;
    }
    view_->SetPercent(std::clamp(percent, 0, 100));
    return !(cancellable_ && view_->Cancelled());
}

void DialogProgress::Show(const QString& label, bool cancellable)
{
    if (!dialog_) {
        dialog_ = new QProgressDialog(window_);
        dialog_->setObjectName(QStringLiteral("ProgressDialog"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        dialog_->setRange(0, 100);
    }
    dialog_->setWindowTitle(window_->windowTitle());
    dialog_->setLabelText(label);
    if (cancellable) {
        dialog_->setCancelButtonText(QProgressDialog::tr("Cancel"));
    } else {
        dialog_->setCancelButton(nullptr);
    }
    dialog_->reset();
    dialog_->setMinimumDuration(0);
    dialog_->setValue(0);
    dialog_->show();
}

void DialogProgress::SetPercent(int percent)
{
    // A modal dialog's setValue also handles the events waiting, the
    // click on Cancel among them.
    if (dialog_)
        dialog_->setValue(percent);
}

bool DialogProgress::Cancelled() const
{
    return dialog_ && dialog_->wasCanceled();
}

void DialogProgress::Hide()
{
    if (dialog_) {
        dialog_->reset();
        dialog_->hide();
    }
}

QString OpeningLabel(const QString& file)
{
    return QCoreApplication::translate("DelayedProgress", "Opening %1 ...").arg(QFileInfo(file).fileName());
}

QString SavingLabel(const QString& file)
{
    return QCoreApplication::translate("DelayedProgress", "Saving %1 ...").arg(QFileInfo(file).fileName());
}
