// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"

#include "app/MainForm.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const QColor kNight(0x0c, 0x1d, 0x33);
// Light enough to read on the darkest and the lightest part of the sheet
// (contrast above 7:1), and still a link's blue.
const QColor kLinkColour(0x9c, 0xd8, 0xff);
const QColor kTextColour(0x00, 0xff, 0xff);

// Drawn here rather than stored, at the box's size: the program's icon on a
// night-blue sheet of ruled paper, leaving the lower part calm for the labels.
QPixmap AboutPicture(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, h);
    gradient.setColorAt(0.0, QColor(0x1b, 0x3b, 0x5e));
    gradient.setColorAt(0.45, kNight);
    gradient.setColorAt(1.0, QColor(0x04, 0x0b, 0x16));
    p.fillRect(picture.rect(), gradient);
    // Faint ruled lines and a margin, as on the icon's sheet.
    p.setPen(QPen(QColor(0x3a, 0x6a, 0x9a, 60), 1));
    for (int y = 22; y < h; y += 18)
        p.drawLine(0, y, w, y);
    p.setPen(QPen(QColor(0xc0, 0x40, 0x40, 90), 1));
    p.drawLine(96, 0, 96, h);
    const QPixmap icon = QIcon(QStringLiteral(":/icons/editor.svg")).pixmap(QSize(64, 64));
    p.drawPixmap(20, 14, icon.isNull() ? QPixmap(QStringLiteral(":/icons/app.png")).scaled(64, 64) : icon);
    QFont title(QStringLiteral("Tahoma"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    const QRect titleBox(110, 18, w - 112, 50);
    p.setPen(QColor(0x00, 0x00, 0x00, 120));
    p.drawText(titleBox.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, kDesignTitle);
    p.setPen(QColor(0xe6, 0xf2, 0xff));
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, kDesignTitle);
    QFont subtitle(QStringLiteral("Tahoma"));
    subtitle.setPixelSize(11);
    p.setFont(subtitle);
    p.setPen(QColor(0x9f, 0xc4, 0xe8));
    p.drawText(QRect(112, 64, w - 114, 16), Qt::AlignLeft | Qt::AlignVCenter,
               //: What the program edits and runs, under its name in the about box.
               QCoreApplication::translate("TAbout", "text \u00b7 rich text \u00b7 HTML \u00b7 macros"));
    return picture;
}

// A label over the picture: transparent, coloured through its palette, and
// as large as its text (the column gives it at least its size hint).
QLabel* MakeLabel(QWidget* parent, const char* name, int pixelSize, bool italic,
                  const QString& family = QStringLiteral("Tahoma"), const QColor& colour = kTextColour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setItalic(italic);
    label->setFont(f);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}   // namespace

TAbout::TAbout(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("About"));
    // Takes the keys itself: any character closes it.
    setFocusPolicy(Qt::StrongFocus);
    // Made first, so that it lies below the labels; it follows the box's size.
    Image = new QLabel(this);
    Image->setObjectName(QStringLiteral("Image"));
    Version = MakeLabel(this, "Version", 19, true);
    Datum = MakeLabel(this, "Datum", 12, false);
    Label3 = MakeLabel(this, "Label3", 12, false);
    Label2 = MakeLabel(this, "Label2", 12, false);
    Label4 = MakeLabel(this, "Label4", 12, false);
    Homepage = MakeLabel(this, "Homepage", 12, false, QStringLiteral("Arial"), kLinkColour);
    Licence = MakeLabel(this, "Licence", 11, false);
    QFont link = Homepage->font();
    link.setUnderline(true);
    Homepage->setFont(link);
    // One sentence on two labels, broken where the translation breaks it.
    //: Shown on two lines, split at the line break; %1 is the mail address.
    const QString request =
        tr("please mail any errors, suggestions\nand wishes to %1").arg(QStringLiteral("mirel-edit@mirelsoft.example"));
    Label3->setText(request.section(u'\n', 0, 0));
    Label2->setText(request.section(u'\n', 1));
    Label4->setText(tr("my homepage:"));
    Homepage->setText(QStringLiteral("https://mirelsoft.example/mirel-edit"));
    Licence->setText(tr("free software under the GNU GPL, version 3 or later"));

    // Below the picture's title: the version, the credit, the request for
    // mail, the link and the licence, each group a little apart.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 84, 12, 8);
    column->setSpacing(0);
    column->addWidget(Version);
    column->addWidget(Datum);
    column->addStretch(2);
    column->addWidget(Label3);
    column->addWidget(Label2);
    column->addStretch(1);
    column->addWidget(Label4);
    column->addWidget(Homepage);
    column->addStretch(1);
    column->addWidget(Licence);

    for (QWidget* w : {static_cast<QWidget*>(Image), static_cast<QWidget*>(Version), static_cast<QWidget*>(Datum),
                       static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(Homepage), static_cast<QWidget*>(Licence)}) {
        w->installEventFilter(this);
        w->setMouseTracking(true);
    }
    FormCreate();
    // The designed size, or more where the fonts of this system need it.
    setFixedSize(column->totalMinimumSize().expandedTo(QSize(350, 263)));
}

void TAbout::FormCreate()
{
    // The version is what follows the product name and the blank.
    //: %1 is the version number, "1.5.4".
    Version->setText(tr("v. %1").arg(kVersionedTitle.mid(11)));
    Datum->setText(tr("written by the Mirel-Edit team, 2026"));
}

void TAbout::resizeEvent(QResizeEvent* event)
{
    Image->setGeometry(rect());
    Image->setPixmap(AboutPicture(size()));
    QWidget::resizeEvent(event);
}

void TAbout::FormClick()
{
    hide();
    if (onClosed)
        onClosed();
}

void TAbout::keyPressEvent(QKeyEvent* event)
{
    if (!event->text().isEmpty()) {
        FormClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TAbout::eventFilter(QObject* watched, QEvent* event)
{
    const bool onLink = watched == Homepage;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
        // The hand stays application-wide until the pointer passes over
        // another part of the box.
        if (onLink) {
            if (QApplication::overrideCursor())
                QApplication::changeOverrideCursor(Qt::PointingHandCursor);
            else
                QApplication::setOverrideCursor(Qt::PointingHandCursor);
        } else {
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (onLink) {
            if (onHomepageClick)
                onHomepageClick(Homepage->text());
        } else {
            FormClick();
        }
        return true;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}
