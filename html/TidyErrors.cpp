// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/TidyErrors.h"

#include "editor/FindReplace.h"
#include "editor/RichEdit.h"
#include "html/TidyRules.h"
#include "html/TidyRun.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr int kWidth = 426;
constexpr int kHeight = 250;
constexpr int kItemHeight = 14;

// Fontconfig stands in another face where Tahoma is missing.
QFont Tahoma9()
{
    return QFont(QStringLiteral("Tahoma"), 9);
}
}   // namespace

TTidyErrors::TTidyErrors(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TidyErrors"));
    setWindowTitle(tr("Tidy: Errors"));
    // It shows as a check starts, while the user may be typing.
    setAttribute(Qt::WA_ShowWithoutActivating);
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

    // Shown only while Tidy runs.
    runningRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(runningRow_);
    row->setContentsMargins(6, 4, 6, 4);
    RunningLabel = new QLabel(runningRow_);
    RunningLabel->setObjectName(QStringLiteral("Running"));
    StopButton = new QPushButton(tr("&Stop"), runningRow_);
    StopButton->setObjectName(QStringLiteral("Stop"));
    row->addWidget(RunningLabel, 1);
    row->addWidget(StopButton);
    connect(StopButton, &QPushButton::clicked, this, &TTidyErrors::StopClick);
    layout->insertWidget(0, runningRow_);
    runningRow_->hide();

    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);
}

TTidyErrors::~TTidyErrors()
{
    ended_ = nullptr;
    process_.reset();   // ends what is left of Tidy's group
}

void TTidyErrors::ShowRunning(std::unique_ptr<TidyProcess> process, std::function<void(TidyEnd)> ended)
{
    DropRun();
    process_ = std::move(process);
    ended_ = std::move(ended);
    running_ = true;
    connect(process_.get(), &TidyProcess::Ended, this, &TTidyErrors::RunEnded);
    // The last check's messages are about older text.
    ErrorList->clear();
    ShowRunningRow(true);
    show();
    raise();
}

void TTidyErrors::StopClick()
{
    if (!running_ || !process_)
        return;
    RunningLabel->setText(tr("Stopping Tidy ..."));
    StopButton->setEnabled(false);
    process_->Stop();
}

void TTidyErrors::DropRun()
{
    ended_ = nullptr;
    if (process_) {
        disconnect(process_.get(), nullptr, this, nullptr);
        process_->EndNow();
        // It may still be reporting its end further up the stack.
        process_.release()->deleteLater();
    }
    if (running_) {
        running_ = false;
        ShowRunningRow(false);
    }
}

void TTidyErrors::RunEnded(TidyEnd end)
{
    running_ = false;
    ShowRunningRow(false);
    const std::function<void(TidyEnd)> ended = std::exchange(ended_, nullptr);
    if (ended)
        ended(end);
}

void TTidyErrors::ShowRunningRow(bool running)
{
    RunningLabel->setText(tr("Tidy is running ..."));
    StopButton->setEnabled(running);
    runningRow_->setVisible(running);
}

void TTidyErrors::closeEvent(QCloseEvent* event)
{
    // Nothing runs on unseen: closing the window stops Tidy.
    StopClick();
    QWidget::closeEvent(event);
}

void TTidyErrors::ShowMessages(const QStringList& messages)
{
    // Measured as the list draws them: in its own font, inside the margins
    // of an entry, the list's frame and a scroll bar when the entries need one.
    const QFontMetrics metrics = ErrorList->fontMetrics();
    QList<int> widths;
    widths.reserve(messages.size());
    ErrorList->clear();
    for (const QString& message : messages) {
        widths.append(metrics.horizontalAdvance(message));
        auto* item = new QListWidgetItem(message, ErrorList);
        item->setSizeHint(QSize(widths.back() + 2 * EntryTextMargin(), kItemHeight));
    }
    const int frame = 2 * ErrorList->frameWidth();
    const bool scrolls = int(messages.size()) * kItemHeight > ErrorList->height() - frame;
    const int scrollBar =
        scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ErrorList->verticalScrollBar()) : 0;
    const int textRoom = width() - frame - scrollBar - 2 * EntryTextMargin();
    const int wanted = WidenedWindowWidth(width(), textRoom, widths);
    if (wanted != width())
        resize(wanted, height());
    // Wider, it may now reach off the screen.
    if (isVisible())
        PlaceAboveMainWindow();
}

int TTidyErrors::EntryTextMargin() const
{
    return ErrorList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ErrorList) + 1;
}

void TTidyErrors::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    PlaceAboveMainWindow();
}

namespace {
QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}
}   // namespace

void TTidyErrors::PlaceAboveMainWindow()
{
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QScreen* screen = main->screen();
    if (!screen)
        return;
    // Until the window manager has framed this window its frame is unknown;
    // the main window's is the best guess.
    const bool framed = !FrameMargins(*this).isNull();
    const QMargins frame = framed ? FrameMargins(*this) : FrameMargins(*main);
    const QRect mainFrame = main->frameGeometry();
    int barsBottom = main->geometry().top();
    if (const auto* mainWindow = qobject_cast<const QMainWindow*>(main); mainWindow && mainWindow->centralWidget())
        barsBottom = mainWindow->centralWidget()->mapToGlobal(QPoint(0, 0)).y();
    const QRect place = TidyErrorsFrame(size().grownBy(frame), mainFrame, barsBottom, screen->availableGeometry());
    const QSize client = place.size().shrunkBy(frame);
    QWindow* window = windowHandle();
    if (framed || !window) {
        // The client's own place: asked for the frame's corner, a window
        // manager may take it as the client's after Qt took the frame off.
        setGeometry(QRect(place.topLeft() + QPoint(frame.left(), frame.top()), client));
    } else {
        // Not framed yet: the frame's corner; once framed, placed again with
        // the frame it really has.
        resize(client);
        window->setFramePosition(place.topLeft());
        // Framing sends no event of its own; a moment later it has one.
        frameChecks_ = 40;
        QTimer::singleShot(50, this, &TTidyErrors::PlaceOnceFramed);
    }
}

void TTidyErrors::PlaceOnceFramed()
{
    if (!isVisible() || frameChecks_ <= 0)
        return;
    if (FrameMargins(*this).isNull()) {
        --frameChecks_;
        QTimer::singleShot(50, this, &TTidyErrors::PlaceOnceFramed);
        return;
    }
    frameChecks_ = 0;
    PlaceAboveMainWindow();
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
