// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

class HtmlHost;
class QMenu;
class QToolButton;

// Where the toolbar appears: the remembered place when it is set (not 0)
// and lies on the desktop, else just right of the main window, level with
// its top. Each edge is decided on its own.
QPoint HTMLToolbarPlace(int savedLeft, int savedTop, QSize desktop, const QRect& mainFrame);

// The floating HTML tag toolbar. Created once at start, shown and hidden.
// Its buttons and menu items insert the templates of HtmlTemplates.h into
// the host's editor. Its parent is the main window, beside which it shows.
class THTMLToolbar : public QWidget {
    Q_OBJECT
public:
    THTMLToolbar(HtmlHost& host, QWidget* parent);
    ~THTMLToolbar() override;

    int SavedLeft = 0;
    int SavedTop = 0;

    // Shows the toolbar at its remembered place (or beside the main window),
    // above the main window, and gives the keyboard back to the editor.
    void ShowAtSavedPosition();
    // The menu items' switch: shows it, or closes it as its close box does.
    void ShowOrClose(bool show);
    // Remembers the current place, e.g. at shutdown.
    void RememberPosition();
    // Replaces the editor's selection with `text`; nothing can be undone after.
    void InsertAtCaret(const QString& text);
    // Runs the command of a button or menu item by its name.
    void InsertFor(const QString& control);

    QWidget* ToolBar1 = nullptr;
    QWidget* ToolBar5 = nullptr;
    QWidget* ToolBar3 = nullptr;
    QWidget* ToolBar2 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* AddStrip(const char* name, int left, int width);
    QToolButton* AddButton(QWidget* strip, int row, const char* name, const char* hint, const char* icon);
    QMenu* AddMenu(QToolButton* button);
    void MarkAsToolbar();

    HtmlHost& host_;
    bool shown_ = false;
};
