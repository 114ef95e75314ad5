// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

int PanelEdge(const std::vector<StatusPanel>& panels, int n)
{
    int edge = 0;
    for (int i = 0; i <= n && i < int(panels.size()); ++i)
        edge += panels[size_t(i)].width;
    return edge;
}

int PanelAt(const std::vector<StatusPanel>& panels, int x)
{
    int left = 0;
    for (int i = 0; i < int(panels.size()); ++i) {
        const int right = left + panels[size_t(i)].width;
        if (left < x && x < right)
            return i;
        left = right;
    }
    return -1;
}

std::optional<QString> PanelTooltip(const std::vector<StatusPanel>& panels, int x)
{
    switch (PanelAt(panels, x)) {
    case 0: return QCoreApplication::translate("TStatusBar", "filesize");
    //: Of the caret: line and column.
    case 1: return QCoreApplication::translate("TStatusBar", "current position");
    case 2: return panels[2].text;
    //: The colour last chosen in the colour dialog.
    case 3: return QCoreApplication::translate("TStatusBar", "last chosen color");
    //: The colour whose six hexadecimal digits were last selected in the text.
    case 4: return QCoreApplication::translate("TStatusBar", "last selected color");
    case 5: return QCoreApplication::translate("TStatusBar", "file attributes");
    default: return std::nullopt;
    }
}

int SwatchAt(const std::vector<StatusPanel>& panels, int x, int y, int barHeight)
{
    if (!(3 < y && y < barHeight - 1))
        return -1;
    for (int panel : {3, 4}) {
        if (PanelEdge(panels, panel - 1) + 3 < x && x < PanelEdge(panels, panel) - 2)
            return panel;
    }
    return -1;
}

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(12);
    // Panel texts are short labels and numbers, measured on every caret
    // move: kerning them would cost most of that move.
    f.setStyleStrategy(QFont::PreferNoShaping);
    setFont(f);
    setSizeGripEnabled(true);
    setMouseTracking(true);
}

void TStatusBar::AddPanel(const StatusPanel& panel)
{
    panels_.push_back(panel);
    update();
}

void TStatusBar::SetPanelText(int index, const QString& text)
{
    if (index < 0 || index >= PanelCount())
        return;
    StatusPanel& panel = panels_[size_t(index)];
    panel.text = text;
    if (panel.width > 0)
        panel.width = std::max(panel.width, FittingWidth(text));
    update();
}

void TStatusBar::SetPanelWidth(int index, int width)
{
    if (index < 0 || index >= PanelCount())
        return;
    StatusPanel& panel = panels_[size_t(index)];
    // Widths were chosen for another system's fonts: a visible panel never
    // cuts its text.
    panel.width = width <= 0 ? 0 : std::max(width, FittingWidth(panel.text));
    update();
}

void TStatusBar::ShowSwatches(bool shown)
{
    for (int swatch : {3, 4})
        SetPanelWidth(swatch, shown ? kSwatchWidth : 0);
}

int TStatusBar::FittingWidth(const QString& text) const
{
    return text.isEmpty() ? 0 : TextWidth(text) + kTextMargins;
}

int TStatusBar::TextWidth(const QString& text) const
{
    // A panel's text is measured for its width and again for its fit.
    if (text != measuredText_) {
        measuredText_ = text;
        measuredWidth_ = QFontMetrics(font()).horizontalAdvance(text);
    }
    return measuredWidth_;
}

QRect TStatusBar::PanelRect(int index) const
{
    const int left = index == 0 ? 0 : PanelEdge(panels_, index - 1);
    return QRect(left, 0, panels_.at(size_t(index)).width, height());
}

QSize TStatusBar::sizeHint() const
{
    return QSize(QStatusBar::sizeHint().width(), QFontMetrics(font()).height() + 7);
}

void TStatusBar::paintEvent(QPaintEvent* event)
{
    QStatusBar::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    for (int i = 0; i < PanelCount(); ++i) {
        const StatusPanel& panel = panels_[size_t(i)];
        if (panel.width <= 0)
            continue;
        const QRect rect = PanelRect(i).adjusted(0, 2, -2, -1);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect;
        frame.state |= QStyle::State_Sunken;
        frame.lineWidth = 1;
        style()->drawPrimitive(QStyle::PE_FrameStatusBarItem, &frame, &painter, this);
        painter.setPen(QPen(palette().color(QPalette::Mid)));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        const QRect inner = rect.adjusted(2, 1, -2, -1);
        if (panel.ownerDrawn) {
            if (onDrawPanel) {
                painter.save();
                painter.setClipRect(inner);
                onDrawPanel(painter, i, inner);
                painter.restore();
            }
            continue;
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(inner, int(panel.alignment | Qt::AlignVCenter) | Qt::TextSingleLine, panel.text);
    }
}

void TStatusBar::mouseMoveEvent(QMouseEvent* event)
{
    QStatusBar::mouseMoveEvent(event);
    if (onMouseMove) {
        const QPoint p = event->position().toPoint();
        onMouseMove(event->modifiers(), p.x(), p.y());
    }
}

void TStatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    QStatusBar::mouseReleaseEvent(event);
    if (onMouseUp) {
        const QPoint p = event->position().toPoint();
        onMouseUp(event->button(), event->modifiers(), p.x(), p.y());
    }
}
