#include "html/TidyErrors.h"

#include "app/MainForm.h"
#include "editor/FindReplace.h"
#include "editor/RichEdit.h"
#include "html/TidyRules.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 426;
constexpr int kHeight = 250;
constexpr int kItemHeight = 14;

QFont Tahoma9()
{
    return QFont(QStringLiteral("Tahoma"), 9);
}
} // namespace

TTidyErrors::TTidyErrors(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TidyErrors"));
    setWindowTitle(QStringLiteral("Tidy: Errors"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ErrorList = new QListWidget(this);
    ErrorList->setObjectName(QStringLiteral("Errors"));
    ErrorList->setFont(Tahoma9());
    ErrorList->setUniformItemSizes(true);
    QPalette palette = ErrorList->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    ErrorList->setPalette(palette);
    ErrorList->viewport()->setMouseTracking(true);
    ErrorList->viewport()->installEventFilter(this);
    layout->addWidget(ErrorList);
    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);
    if (auto* main = qobject_cast<TMainForm*>(parent))
        Editor = main->RichEdit;
}

void TTidyErrors::ShowMessages(const QStringList& messages, bool tahomaOffered)
{
    const QFontMetrics metrics(tahomaOffered ? Tahoma9() : ErrorList->font());
    QList<int> widths;
    widths.reserve(messages.size());
    ErrorList->clear();
    for (const QString& message : messages) {
        widths.append(metrics.horizontalAdvance(message));
        auto* item = new QListWidgetItem(message, ErrorList);
        item->setSizeHint(QSize(widths.back(), kItemHeight));
    }
    int width = WidenedWindowWidth(this->width(), ErrorList->viewport()->width(), widths);
    // A window wider than the screen would hide its own close button.
    if (const QScreen* s = screen())
        width = std::min(width, std::max(kWidth, s->availableGeometry().width()));
    if (width != this->width())
        resize(width, height());
}

void TTidyErrors::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    PlaceAboveMainWindow();
}

void TTidyErrors::PlaceAboveMainWindow()
{
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QRect mainFrame = main->frameGeometry();
    int top = mainFrame.top() - frameGeometry().height();
    // Above a window at the screen's top it would be out of reach.
    if (const QScreen* s = main->screen())
        top = std::max(top, s->availableGeometry().top());
    move(mainFrame.left(), top);
}

bool TTidyErrors::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ErrorList->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease)
            ErrorsMouseUp(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseMove)
            ErrorsMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void TTidyErrors::ErrorsMouseUp(const QPoint& pos)
{
    const QListWidgetItem* item = ErrorList->itemAt(pos);
    const std::optional<int> n = item ? TidyMessageLine(item->text()) : std::nullopt;
    if (!n || !Editor)
        return;
    // The document may have lost lines since the check: the last one then.
    const int lines = Editor->LineCount();
    Editor->LineScroll(std::min(*n - 1, lines));
    const int caretLine = Editor->LineFromChar(Editor->CaretPosition());
    Editor->SetSelStart(Editor->LineIndex(GotoLineTarget(*n, caretLine, lines)));
    Editor->window()->activateWindow();
    Editor->setFocus();
}

void TTidyErrors::ErrorsMouseMove(const QPoint& pos)
{
    const QListWidgetItem* item = ErrorList->itemAt(pos);
    const bool names = item && NamesTidyLine(item->text());
    ErrorList->viewport()->setCursor(names ? Qt::PointingHandCursor : Qt::ArrowCursor);
}
