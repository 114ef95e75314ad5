// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/HtmlToolbar.h"

#include "editor/RichEdit.h"
#include "html/HtmlHost.h"
#include "html/HtmlTemplates.h"
#include "platform/Clock.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QToolButton>
#include <QWindow>

#include <climits>

#ifdef MIREL_QT_GUI_PRIVATE
#include <QtGui/qpa/qplatformwindow_p.h>
#endif

namespace {

constexpr int kButtonHeight = 23;
constexpr int kStripButtons = 6;

// Hints and captions are shown translated, except the names of tags,
// attributes and metas that some captions are.
struct ButtonDef {
    const char* name;
    const char* hint;
    const char* icon;   // under :/icons/
};

struct StripDef {
    const char* name;
    int left;
    int width;
    ButtonDef buttons[kStripButtons];
};

const StripDef kPlainStrips[] = {
    {"ToolBar1",
     0,
     24,
     {{"b", QT_TRANSLATE_NOOP("THTMLToolbar", "bold"), "bold"},
      {"i", QT_TRANSLATE_NOOP("THTMLToolbar", "italic"), "italic"},
      {"u", QT_TRANSLATE_NOOP("THTMLToolbar", "underlined"), "underline"},
      {"border", QT_TRANSLATE_NOOP("THTMLToolbar", "border"), "html/border"},
      {"br", QT_TRANSLATE_NOOP("THTMLToolbar", "line break"), "html/br"},
      {"pre", QT_TRANSLATE_NOOP("THTMLToolbar", "preformatted text"), "html/pre"}}},
    {"ToolBar5",
     24,
     24,
     {{"height", QT_TRANSLATE_NOOP("THTMLToolbar", "height"), "html/height"},
      {"width", QT_TRANSLATE_NOOP("THTMLToolbar", "width"), "html/width"},
      {"hr", QT_TRANSLATE_NOOP("THTMLToolbar", "line"), "html/hr"},
      {"comment", QT_TRANSLATE_NOOP("THTMLToolbar", "comment"), "html/comment"},
      {"ToolButton1", QT_TRANSLATE_NOOP("THTMLToolbar", "link"), "html/link"},
      {"image", QT_TRANSLATE_NOOP("THTMLToolbar", "image"), "html/image"}}},
    {"ToolBar3",
     48,
     24,
     {{"body", QT_TRANSLATE_NOOP("THTMLToolbar", "html body"), "html/body"},
      {"ol", QT_TRANSLATE_NOOP("THTMLToolbar", "ordered list"), "html/ol"},
      {"ul", QT_TRANSLATE_NOOP("THTMLToolbar", "unordered list"), "html/ul"},
      {"JavaScript", QT_TRANSLATE_NOOP("THTMLToolbar", "javascript"), "html/javascript"},
      {"css", QT_TRANSLATE_NOOP("THTMLToolbar", "cascaded style sheet"), "html/css"},
      {"name", QT_TRANSLATE_NOOP("THTMLToolbar", "name"), "html/name"}}},
};

struct DropItemDef {
    const char* name;
    const char* caption;
    const char* icon;   // nullptr: none
    bool htmlName = false;   // the caption is a name the HTML uses: never translated
};

struct DropDownDef {
    ButtonDef button;
    std::vector<DropItemDef> items;
};

const DropDownDef kDropDowns[] = {
    {{"h", QT_TRANSLATE_NOOP("THTMLToolbar", "headings"), "html/heading"},
     {{"h1", "H1", nullptr, true},
      {"h2", "H2", nullptr, true},
      {"h3", "H3", nullptr, true},
      {"h4", "H4", nullptr, true},
      {"h5", "H5", nullptr, true},
      {"h6", "H6", nullptr, true}}},
    {{"frames", QT_TRANSLATE_NOOP("THTMLToolbar", "frames"), "html/frames"},
     {{"frameset", QT_TRANSLATE_NOOP("THTMLToolbar", "Frameset"), nullptr},
      {"frame", QT_TRANSLATE_NOOP("THTMLToolbar", "Frame"), nullptr}}},
    {{"tables", QT_TRANSLATE_NOOP("THTMLToolbar", "tables"), "html/tables"},
     {{"Table1", QT_TRANSLATE_NOOP("THTMLToolbar", "Table"), nullptr},
      {"tr", QT_TRANSLATE_NOOP("THTMLToolbar", "Row"), nullptr},
      {"td", QT_TRANSLATE_NOOP("THTMLToolbar", "Column"), nullptr}}},
    {{"font", QT_TRANSLATE_NOOP("THTMLToolbar", "font"), "html/font"},
     {{"size", "size", nullptr, true}, {"face", "face", nullptr, true}, {"color", "color", nullptr, true}}},
    {{"Paragraph", QT_TRANSLATE_NOOP("THTMLToolbar", "paragraph"), "html/paragraph"},
     {{"aleft", QT_TRANSLATE_NOOP("THTMLToolbar", "Left"), "align-left"},
      {"acenter", QT_TRANSLATE_NOOP("THTMLToolbar", "Center"), "align-center"},
      {"aright", QT_TRANSLATE_NOOP("THTMLToolbar", "Right"), "align-right"},
      {"ajustify", QT_TRANSLATE_NOOP("THTMLToolbar", "Justify"), "html/justify"}}},
    {{"metas", QT_TRANSLATE_NOOP("THTMLToolbar", "metas"), "html/metas"},
     {{"author", "author", nullptr, true},
      {"keywords", "keywords", nullptr, true},
      {"description", "description", nullptr, true},
      {"contentlanguage", "content-language", nullptr, true}}},
};

QIcon Icon(const char* name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

}   // namespace

QPoint HTMLToolbarPlace(int savedLeft, int savedTop, QSize desktop, const QRect& mainFrame)
{
    const int left = savedLeft != 0 && savedLeft < desktop.width() ? savedLeft : mainFrame.x() + mainFrame.width();
    const int top = savedTop != 0 && savedTop < desktop.height() ? savedTop : mainFrame.y();
    return {left, top};
}

THTMLToolbar::THTMLToolbar(HtmlHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowDoesNotAcceptFocus),
      host_(host)
{
    setObjectName(QStringLiteral("HTMLToolbar"));
    setWindowTitle(tr("HTML"));
    // A tool window of the main window: the window manager keeps it above
    // that window and below the dialogs that window opens, which a topmost
    // window would cover. It never takes the keyboard: a window manager
    // that activated it on a click could do so after the click's insertion
    // has handed the keyboard back to the editor, and the next letter typed
    // would be lost.
    setAttribute(Qt::WA_ShowWithoutActivating);

    for (const StripDef& strip : kPlainStrips) {
        QWidget* bar = AddStrip(strip.name, strip.left, strip.width);
        for (int row = 0; row < kStripButtons; ++row) {
            const ButtonDef& b = strip.buttons[row];
            AddButton(bar, row, b.name, b.hint, b.icon);
        }
    }
    ToolBar1 = findChild<QWidget*>(QStringLiteral("ToolBar1"));
    ToolBar5 = findChild<QWidget*>(QStringLiteral("ToolBar5"));
    ToolBar3 = findChild<QWidget*>(QStringLiteral("ToolBar3"));

    ToolBar2 = AddStrip("ToolBar2", 72, 38);
    int row = 0;
    for (const DropDownDef& drop : kDropDowns) {
        QToolButton* button = AddButton(ToolBar2, row++, drop.button.name, drop.button.hint, drop.button.icon);
        QMenu* menu = AddMenu(button);
        for (const DropItemDef& item : drop.items) {
            QAction* action =
                menu->addAction(item.htmlName ? QString::fromUtf8(item.caption)
                                              : QCoreApplication::translate("THTMLToolbar", item.caption));
            action->setObjectName(QString::fromUtf8(item.name));
            if (item.icon)
                action->setIcon(Icon(item.icon));
            const QString name = action->objectName();
            connect(action, &QAction::triggered, this, [this, name] { InsertFor(name); });
        }
    }
    setFixedSize(110, kStripButtons * kButtonHeight);
    MarkAsToolbar();
}

void THTMLToolbar::MarkAsToolbar()
{
#if defined(MIREL_QT_GUI_PRIVATE) && QT_CONFIG(xcb)
    // X11 window managers give a utility window minimize and maximize
    // buttons, which leave the narrow title no room for "HTML"; a toolbar
    // gets a close button only. Elsewhere the window is left to be made
    // when it is first shown.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    winId();
    using XcbWindow = QNativeInterface::Private::QXcbWindow;
    if (auto* xcb = windowHandle() ? windowHandle()->nativeInterface<XcbWindow>() : nullptr)
        xcb->setWindowType(XcbWindow::Toolbar);
#endif
}

THTMLToolbar::~THTMLToolbar()
{
    if (shown_)
        RememberPosition();
}

QWidget* THTMLToolbar::AddStrip(const char* name, int left, int width)
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QString::fromUtf8(name));
    strip->setGeometry(left, 0, width, kStripButtons * kButtonHeight);
    return strip;
}

QToolButton* THTMLToolbar::AddButton(QWidget* strip, int row, const char* name, const char* hint, const char* icon)
{
    auto* button = new QToolButton(strip);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QCoreApplication::translate("THTMLToolbar", hint));
    button->setIcon(Icon(icon));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);   // flat
    button->setGeometry(0, row * kButtonHeight, strip->width(), kButtonHeight);
    const QString control = button->objectName();
    connect(button, &QToolButton::clicked, this, [this, control] { InsertFor(control); });
    return button;
}

QMenu* THTMLToolbar::AddMenu(QToolButton* button)
{
    auto* menu = new QMenu(button);
    menu->setObjectName(button->objectName() + QStringLiteral("Menu"));
    button->setMenu(menu);
    // The face runs its own command, the arrow opens the menu.
    button->setPopupMode(QToolButton::MenuButtonPopup);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        for (QToolButton* b : ToolBar2->findChildren<QToolButton*>())
            b->setDown(false);
    });
    return menu;
}

void THTMLToolbar::ShowAtSavedPosition()
{
    if (const QWidget* main = parentWidget()) {
        const ScreenMetrics* screen = host_.Screen();
        const QSize desktop = screen ? screen->DesktopSize() : QSize(INT_MAX, INT_MAX);
        const QPoint place = HTMLToolbarPlace(SavedLeft, SavedTop, desktop, main->frameGeometry());
        move(place);
        // Before the window is mapped its frame is unknown and move() would
        // place the client area there; the frame's corner is what is saved.
        if (!isVisible()) {
            create();
            if (QWindow* window = windowHandle())
                window->setFramePosition(place);
        }
    }
    show();
    shown_ = true;
    host_.Editor().setFocus();
}

void THTMLToolbar::ShowOrClose(bool show)
{
    if (show)
        ShowAtSavedPosition();
    else
        close();   // its closing work: check marks and place
}

void THTMLToolbar::RememberPosition()
{
    SavedLeft = x();
    SavedTop = y();
}

void THTMLToolbar::closeEvent(QCloseEvent* event)
{
    RememberPosition();
    host_.ToolbarClosed();
    event->accept();
}

void THTMLToolbar::InsertAtCaret(const QString& text)
{
    TRichEdit& edit = host_.Editor();
    // The insertion itself cannot be undone either, as nothing before it.
    edit.EmptyUndoBuffer();
    edit.ReplaceSelection(text);
    edit.EmptyUndoBuffer();
    // Asked for only when needed: a request to activate the window that is
    // active already can still make a window manager shuffle the focus.
    if (QWidget* main = edit.window(); !main->isActiveWindow())
        main->activateWindow();
    edit.setFocus();
}

void THTMLToolbar::InsertFor(const QString& control)
{
    host_.Guard([&] {
        if (const auto text = HtmlInsertion(control, host_.Editor().SelText()))
            InsertAtCaret(*text);
    });
}
