// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Clock.h"

#include <QDateTime>
#include <QString>

class QProgressDialog;
class QWidget;

// What a long open or save shows while it runs: the window's progress
// dialog, or a test's fake.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void Show(const QString& label, bool cancellable) = 0;
    // How far, 0 to 100. Lets the dialog paint and take a click on Cancel.
    virtual void SetPercent(int percent) = 0;
    virtual bool Cancelled() const = 0;
    virtual void Hide() = 0;
};

// Keeps quick work from flashing a dialog: the view shows only once the
// work has run longer than kDelayMs by the clock, and hides at the end.
class DelayedProgress {
public:
    static constexpr qint64 kDelayMs = 500;

    // Without a clock or a view nothing is shown.
    DelayedProgress(const Clock* clock, ProgressView* view, QString label, bool cancellable);
    ~DelayedProgress();
    DelayedProgress(const DelayedProgress&) = delete;
    DelayedProgress& operator=(const DelayedProgress&) = delete;

    // A ProgressStep of the editor: false once the user cancelled.
    bool Step(int percent);
    bool Shown() const { return shown_; }

private:
    const Clock* clock_;
    ProgressView* view_;
    QString label_;
    bool cancellable_;
    QDateTime start_;
    bool shown_ = false;
};

// The window's: a modal progress dialog, made when first shown.
class DialogProgress : public ProgressView {
public:
    explicit DialogProgress(QWidget* window) : window_(window) {}
    void Show(const QString& label, bool cancellable) override;
    void SetPercent(int percent) override;
    bool Cancelled() const override;
    void Hide() override;
    QProgressDialog* Dialog() const { return dialog_; }

private:
    QWidget* window_;
    QProgressDialog* dialog_ = nullptr;   // a child of the window
};

// The dialog's label for a file.
QString OpeningLabel(const QString& file);
QString SavingLabel(const QString& file);
