// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPaintDevice>
#include <QWidget>

class TRichEdit;

// A device that stands for the screen with its resolution scaled: a text
// layout that measures for it lays its fonts out larger or smaller while
// the document's fonts stay as they are. Nothing paints on it.
class TZoomDevice : public QPaintDevice {
public:
    void SetPercent(int percent) { percent_ = percent; }
    int Percent() const { return percent_; }
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int percent_ = 100;
};

// The strip left of the plain view's text that shows line numbers. It
// paints what the editor reports for the rows on screen, never more.
class TLineGutter : public QWidget {
public:
    explicit TLineGutter(TRichEdit* edit, QWidget* parent);
    // Width for a document of that many lines, in the gutter's font.
    int WidthFor(int lineCount) const;
    // The font follows the editor's font and zoom.
    void SetTextFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TRichEdit* edit_;
};

// Decimal digits of the largest line number of a document of that many
// lines (at least two, so the gutter does not jump at line 10).
int GutterDigits(int lineCount);
