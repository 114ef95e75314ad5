// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStatusBar>
#include <functional>
#include <optional>
#include <vector>

// One panel of the status bar. A panel of width 0 takes no room.
struct StatusPanel {
    QString text;
    int width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool ownerDrawn = false;
};

// Right edge of panel n: the sum of the widths of panels 0 to n.
int PanelEdge(const std::vector<StatusPanel>& panels, int n);

// The panel strictly inside whose edges x lies, or -1: a pointer on an
// edge, in a panel of width 0 or right of the last panel is in none.
int PanelAt(const std::vector<StatusPanel>& panels, int x);

// The tooltip naming the panel under x; nothing where the old one stays.
std::optional<QString> PanelTooltip(const std::vector<StatusPanel>& panels, int x);

// The colour swatch (3 or 4) a release at x, y lands on, or -1. The
// margins keep the panel's border out.
int SwatchAt(const std::vector<StatusPanel>& panels, int x, int y, int barHeight);

// The main window's status bar: fixed panels side by side, painted by the
// bar itself except the owner-drawn ones.
class TStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit TStatusBar(QWidget* parent = nullptr);

    int PanelCount() const { return int(panels_.size()); }
    const StatusPanel& Panel(int index) const { return panels_.at(size_t(index)); }
    const std::vector<StatusPanel>& Panels() const { return panels_; }
    void AddPanel(const StatusPanel& panel);
    void SetPanelText(int index, const QString& text);
    void SetPanelWidth(int index, int width);
    // The colour swatches (panels 3 and 4) take their room, or none.
    void ShowSwatches(bool shown);
    static constexpr int kSwatchWidth = 27;
    // Pixel width of a text in the bar's font.
    int TextWidth(const QString& text) const;
    // Width a text panel needs to show a text whole: the text and the
    // frame and padding paintEvent puts around it.
    int FittingWidth(const QString& text) const;
    static constexpr int kTextMargins = 8;
    QRect PanelRect(int index) const;

    std::function<void(QPainter& painter, int panel, const QRect& rect)> onDrawPanel;
    std::function<void(Qt::KeyboardModifiers modifiers, int x, int y)> onMouseMove;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)> onMouseUp;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<StatusPanel> panels_;
    mutable QString measuredText_;
    mutable int measuredWidth_ = 0;
};
