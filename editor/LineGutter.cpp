// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LineGutter.h"

#include "editor/RichEdit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextCursor>

// The resolution Qt lays text out for when no device is given.
Q_GUI_EXPORT int qt_defaultDpiX();
Q_GUI_EXPORT int qt_defaultDpiY();

int TZoomDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmDpiX:
    case PdmPhysicalDpiX: return qt_defaultDpiX() * percent_ / 100;
    case PdmDpiY:
    case PdmPhysicalDpiY: return qt_defaultDpiY() * percent_ / 100;
    case PdmWidth:
    case PdmHeight: return 1 << 20;
    case PdmWidthMM:
    case PdmHeightMM: return (1 << 20) * 254 / (10 * qt_defaultDpiX());
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return QPaintDevice::metric(metric);
    }
}

int GutterDigits(int lineCount)
{
    int digits = 1;
    for (int n = std::max(lineCount, 1); n >= 10; n /= 10)
        ++digits;
    return std::max(digits, 2);
}

TLineGutter::TLineGutter(TRichEdit* edit, QWidget* parent) : QWidget(parent), edit_(edit)
{
    setObjectName(QStringLiteral("LineNumberGutter"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
}

void TLineGutter::SetTextFont(const QFont& font)
{
    setFont(font);
}

int TLineGutter::WidthFor(int lineCount) const
{
    // Room for the mark on the left and a gap before the text.
    const QFontMetrics metrics(font());
    return metrics.horizontalAdvance(QLatin1Char('9')) * (GutterDigits(lineCount) + 1) + 10;
}

void TLineGutter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(event->rect(), pal.color(QPalette::Window));
    const int caretLine = edit_->LineFromChar(edit_->CaretPosition());
    const QFontMetrics metrics(font());
    const int markSize = std::max(4, metrics.ascent() / 2);
    for (const TRichEdit::GutterRow& row : edit_->VisibleLineRows()) {
        if (row.top > event->rect().bottom() || row.top + row.height < event->rect().top())
            continue;
        const QRect line(0, row.top, width(), metrics.height());
        if (row.line == caretLine) {
            painter.fillRect(line, pal.color(QPalette::Highlight));
            painter.setPen(pal.color(QPalette::HighlightedText));
        } else {
            painter.setPen(pal.color(QPalette::PlaceholderText));
        }
        if (edit_->isMarkedLine && edit_->isMarkedLine(row.line)) {
            const QRect mark(3, row.top + (metrics.height() - markSize) / 2, markSize, markSize);
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xC0, 0x30, 0x30));
            painter.drawEllipse(mark);
            painter.restore();
        }
        painter.drawText(line.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, QString::number(row.line + 1));
    }
}
