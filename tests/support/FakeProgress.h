// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "document/Progress.h"

#include <QStringList>
#include <vector>

// A progress view that notes what it was asked to show, and presses
// Cancel once it is asked to show `cancelAt` percent or more.
class FakeProgress : public ProgressView {
public:
    void Show(const QString& label, bool canCancel) override
    {
        shown << label;
        cancellable = canCancel;
    }
    void SetPercent(int percent) override
    {
        percents.push_back(percent);
        if (cancelAt >= 0 && percent >= cancelAt)
            cancelled = true;
    }
    bool Cancelled() const override { return cancelled; }
    void Hide() override { ++hides; }

    int cancelAt = -1;
    QStringList shown;
    std::vector<int> percents;
    bool cancellable = false;
    bool cancelled = false;
    int hides = 0;
};
