// SPDX-License-Identifier: GPL-3.0-or-later
// Status panels 3 and 4: the colour swatches.
#include "app/ColourSlots.h"
#include "app/MainForm.h"
#include "app/StatusBar.h"
#include "editor/RichEdit.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

void TMainForm::StatusBarDrawPanel(TStatusBar*, QPainter& painter, int panel, const QRect& rect)
{
    if (panel == 3)
        painter.fillRect(rect, SwatchColour(startup_.LastChosenColour));
    else if (panel == 4)
        painter.fillRect(rect, SwatchColour(startup_.LastSelectedColour));
}

QColor TMainForm::StatusBarPixel(int x, int y) const
{
    // A minimized window shows no pixels, as the system would say.
    if (isMinimized() || !ui_.StatusBar->isVisible() || !ui_.StatusBar->rect().contains(x, y))
        return QColor();
    const QImage pixel = ui_.StatusBar->grab(QRect(x, y, 1, 1)).toImage();
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}

void TMainForm::StatusBarMouseMove(Qt::KeyboardModifiers, int x, int)
{
    if (const std::optional<QString> tip = PanelTooltip(ui_.StatusBar->Panels(), x))
        ui_.StatusBar->setToolTip(*tip);
}

void TMainForm::StatusBarMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    const int swatch = SwatchAt(ui_.StatusBar->Panels(), x, y, ui_.StatusBar->height());
    if (swatch < 0)
        return;
    // The swatch's own colour is what every pixel of its inside shows; taking
    // it rather than a pixel keeps the frame (and, for texts that are not
    // hexadecimal, anything but white) out of the document.
    const ColourSlots& held = swatch == 3 ? startup_.LastChosenColour : startup_.LastSelectedColour;
    const QString digits = HtmlColourText(SwatchColour(held));
    ui_.RichEdit->ReplaceSelection(digits);
    RecordCommand(QStringLiteral("Insert ") + digits);
}
