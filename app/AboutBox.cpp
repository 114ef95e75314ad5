#include "app/AboutBox.h"

#include "app/MainForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap AboutPicture()
{
    QPixmap picture(350, 263);
    QPainter p(&picture);
    QLinearGradient gradient(0, 0, 0, 263);
    gradient.setColorAt(0.0, QColor(0x10, 0x2a, 0x43));
    gradient.setColorAt(1.0, QColor(0x04, 0x0c, 0x18));
    p.fillRect(picture.rect(), gradient);
    p.drawPixmap(20, 20, QPixmap(QStringLiteral(":/icons/app.png")).scaled(64, 64));
    QFont title(QStringLiteral("Tahoma"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xe0, 0xf0, 0xff));
    p.drawText(QRect(100, 30, 240, 50), Qt::AlignLeft | Qt::AlignVCenter, kDesignTitle);
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
    Label2->setText(QStringLiteral("and wishes to mirel-edit@mirelsoft.example"));
    Label4->setText(QStringLiteral("my homepage:"));
    Homepage->setText(QStringLiteral("https://mirelsoft.example/mirel-edit"));
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
