#include "app/AboutBox.h"

#include "app/MainForm.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

// Drawn here rather than stored: the program's icon on a night-blue sheet of
// ruled paper, leaving the lower part calm for the labels.
QPixmap AboutPicture()
{
    QPixmap picture(350, 263);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 263);
    gradient.setColorAt(0.0, QColor(0x1b, 0x3b, 0x5e));
    gradient.setColorAt(0.45, QColor(0x0c, 0x1d, 0x33));
    gradient.setColorAt(1.0, QColor(0x04, 0x0b, 0x16));
    p.fillRect(picture.rect(), gradient);
    // Faint ruled lines and a margin, as on the icon's notepad.
    p.setPen(QPen(QColor(0x3a, 0x6a, 0x9a, 60), 1));
    for (int y = 22; y < 263; y += 18)
        p.drawLine(0, y, 350, y);
    p.setPen(QPen(QColor(0xc0, 0x40, 0x40, 90), 1));
    p.drawLine(96, 0, 96, 263);
    const QPixmap icon = QIcon(QStringLiteral(":/icons/editor.svg")).pixmap(QSize(64, 64));
    p.drawPixmap(20, 14, icon.isNull() ? QPixmap(QStringLiteral(":/icons/app.png")).scaled(64, 64) : icon);
    QFont title(QStringLiteral("Tahoma"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x00, 0x00, 0x00, 120));
    p.drawText(QRect(112, 20, 236, 50), Qt::AlignLeft | Qt::AlignVCenter, kDesignTitle);
    p.setPen(QColor(0xe6, 0xf2, 0xff));
    p.drawText(QRect(110, 18, 236, 50), Qt::AlignLeft | Qt::AlignVCenter, kDesignTitle);
    QFont subtitle(QStringLiteral("Tahoma"));
    subtitle.setPixelSize(11);
    p.setFont(subtitle);
    p.setPen(QColor(0x9f, 0xc4, 0xe8));
    p.drawText(QRect(112, 64, 236, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("text \u00b7 rich text \u00b7 HTML \u00b7 macros"));
    return picture;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry, int pixelSize, bool italic,
                  Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixelSize);
    f.setItalic(italic);
    label->setFont(f);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("color: aqua; background: transparent;"));
    return label;
}

} // namespace

TAbout::TAbout(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("About"));
    setFixedSize(350, 263);
    // Takes the keys itself: any character closes it.
    setFocusPolicy(Qt::StrongFocus);
    Image = new QLabel(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(0, 0, 350, 263);
    Image->setPixmap(AboutPicture());
    Version = MakeLabel(this, "Version", QRect(159, 89, 90, 32), 19, true);
    Datum = MakeLabel(this, "Datum", QRect(0, 123, 350, 22), 12, false, Qt::AlignHCenter);
    Label3 = MakeLabel(this, "Label3", QRect(0, 157, 350, 22), 12, false, Qt::AlignHCenter);
    Label2 = MakeLabel(this, "Label2", QRect(0, 178, 350, 22), 12, false, Qt::AlignHCenter);
    Label4 = MakeLabel(this, "Label4", QRect(76, 207, 82, 14), 12, false);
    Homepage = MakeLabel(this, "Homepage", QRect(0, 229, 350, 20), 12, false, Qt::AlignHCenter);
    QFont link(QStringLiteral("Arial"));
    link.setPixelSize(12);
    link.setUnderline(true);
    Homepage->setFont(link);
    Homepage->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
    Label3->setText(QStringLiteral("please mail any errors, suggestions"));
    Label2->setText(QStringLiteral("and wishes to mirel-edit@example.org"));
    Label4->setText(QStringLiteral("my homepage:"));
    Homepage->setText(QStringLiteral("https://mirel-edit.example.org/"));
    for (QWidget* w : {static_cast<QWidget*>(Image), static_cast<QWidget*>(Version),
                       static_cast<QWidget*>(Datum), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(Homepage)}) {
        w->installEventFilter(this);
        w->setMouseTracking(true);
    }
    FormCreate();
}

void TAbout::FormCreate()
{
    // The version is what follows the product name and the blank.
    Version->setText(QStringLiteral("v. ") + kVersionedTitle.mid(11));
    Datum->setText(QStringLiteral("written by the Mirel-Edit team, 2026"));
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
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
