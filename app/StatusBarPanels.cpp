// Status panels 3 and 4: the colour swatches.
#include "app/ColourSlots.h"
#include "app/StatusBar.h"
#include "app/MainForm.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

void TMainForm::StatusBarDrawPanel(TStatusBar*, QPainter& painter, int panel, const QRect& rect)
{
    if (panel == 3)
        painter.fillRect(rect, SwatchColour(Startup.LastChosenColour));
    else if (panel == 4)
        painter.fillRect(rect, SwatchColour(Startup.LastSelectedColour));
}

QColor TMainForm::StatusBarPixel(int x, int y) const
{
    // A minimized window shows no pixels, as the system would say.
    if (isMinimized() || !StatusBar->isVisible() || !StatusBar->rect().contains(x, y))
        return QColor();
    const QImage pixel = StatusBar->grab(QRect(x, y, 1, 1)).toImage();
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}
