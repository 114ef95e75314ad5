// SPDX-License-Identifier: GPL-3.0-or-later
// Running a macro file: every line through ExecuteMacroCommand, the first
// failure reported with its line number.
#include "macro/MacroRun.h"

#include "document/DocumentSession.h"
#include "editor/RichEdit.h"
#include "macro/MacroCheck.h"
#include "macro/MacroFile.h"
#include "macro/MacroHost.h"
#include "macro/MacroLanguage.h"
#include "macro/MacroState.h"
#include "platform/AppError.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// The widget an event is meant for. Key and mouse events reach the system
// window first, which stands for the top-level widget it shows (a click for
// the child under the pointer); shortcuts and actions for their owner.
QWidget* TargetOf(QObject* receiver, const QEvent* event)
{
    for (QObject* o = receiver; o; o = o->parent()) {
        if (auto* widget = qobject_cast<QWidget*>(o))
            return widget;
        if (auto* window = qobject_cast<QWindow*>(o)) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->windowHandle() != window)
                    continue;
                if (const auto* pointer = dynamic_cast<const QSinglePointEvent*>(event); pointer && o == receiver)
                    if (QWidget* child = top->childAt(pointer->position().toPoint()))
                        return child;
                return top;
            }
            return nullptr;
        }
    }
    return nullptr;
}

bool InsideOpenBox(const QWidget* widget)
{
    for (QWidget* open : {QApplication::activeModalWidget(), QApplication::activePopupWidget()})
        if (open && (widget == open || open->isAncestorOf(widget)))
            return true;
    return false;
}

}   // namespace

MacroRunGuard::MacroRunGuard(MacroState& macro, QWidget* editor, QWidget* statusBar, QWidget* stopButton,
                             QMenuBar* menuBar, QList<QAction*> stopItems)
    : macro_(macro), editor_(editor), statusBar_(statusBar), stopButton_(stopButton), menuBar_(menuBar),
      stopItems_(std::move(stopItems)), editorUpdates_(editor && editor->updatesEnabled()),
      statusUpdates_(statusBar && statusBar->updatesEnabled())
{
    macro_.IsRunning = true;
    macro_.StopRequested = false;
    for (QWidget* quiet : {editor_, statusBar_})
        if (quiet)
            quiet->setUpdatesEnabled(false);
    qApp->installEventFilter(this);
}

MacroRunGuard::~MacroRunGuard()
{
    qApp->removeEventFilter(this);
    macro_.IsRunning = false;
    macro_.StopRequested = false;
    if (editor_)
        editor_->setUpdatesEnabled(editorUpdates_);
    if (statusBar_)
        statusBar_->setUpdatesEnabled(statusUpdates_);
}

bool MacroRunGuard::Blocks(QObject* receiver, const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: break;
    default: return false;
    }
    const QWidget* target = TargetOf(receiver, event);
    return !target || !InsideOpenBox(target);
}

bool MacroRunGuard::AsksToStop(QObject* receiver, const QEvent* event) const
{
    bool esc = false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        esc = key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!esc)
            return false;
        break;
    }
    case QEvent::MouseButtonPress:
        if (!stopButton_ || static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        break;
    default: return false;
    }
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    const QWidget* target = TargetOf(receiver, event);
    if (!target)
        return false;
    if (esc)
        return editor_ && target->window() == editor_->window();
    return target == stopButton_ || stopButton_->isAncestorOf(target);
}

bool MacroRunGuard::ReachesStopItem(QObject* receiver, const QEvent* event) const
{
    if (!menuBar_ || QApplication::activeModalWidget())
        return false;   // a command's box has the input, and its own rules
    const bool pointer = dynamic_cast<const QSinglePointEvent*>(event) != nullptr;
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
                     event->type() == QEvent::ShortcutOverride;
    if (!pointer && !key)
        return false;
    QWidget* target = TargetOf(receiver, event);
    if (!target)
        return false;
    if (target == menuBar_ || menuBar_->isAncestorOf(target))
        return pointer;   // opening a menu with the mouse
    auto* menu = qobject_cast<QMenu*>(target->window());
    if (!menu || menu != QApplication::activePopupWidget())
        return false;
    const auto picks = [this](const QAction* action) {
        return !action || action->menu() || stopItems_.contains(action);
    };
    if (pointer) {
        if (event->type() != QEvent::MouseButtonRelease)
            return true;   // hovering and pressing pick nothing yet
        const auto* click = static_cast<const QMouseEvent*>(event);
        const QPoint at = menu->mapFromGlobal(click->globalPosition().toPoint());
        return picks(menu->actionAt(at));
    }
    // Moving through the menus, and Enter only on a Stop item; a letter
    // could pick any item.
    switch (static_cast<const QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Escape: return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return picks(menu->activeAction());
    default: return false;
    }
}

void MacroRunGuard::LookAtInput()
{
    looking_ = true;
    QCoreApplication::processEvents();
    looking_ = false;
}

bool MacroRunGuard::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager's close box would end the program under the run;
    // a command's own close comes while nobody looks.
    if (looking_ && event->type() == QEvent::Close)
        return true;
    if (AsksToStop(watched, event)) {
        macro_.StopRequested = true;
        return true;
    }
    if (ReachesStopItem(watched, event))
        return false;
    if (menuBar_ && !QApplication::activeModalWidget() && qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        return true;   // the rest of the input to the menu bar's menus
    return Blocks(watched, event);
}

void RunMacro(MacroHost& host)
{
    MacroState& macro = host.Macro();
    macro.FailedLine = 0;
    // A folder, pipe or device is no macro, and reading it could wait forever.
    QStringList lines;
    bool found = QFileInfo(macro.MacroFile).isFile();
    if (found) {
        try {
            lines = ReadMacroFile(macro.MacroFile);
        } catch (const AppError&) {
            found = false;
        }
    }
    if (!found) {
        host.ShowError(QCoreApplication::translate("MacroRun", "Macro not found!"));
        host.Stop();
        return;
    }
    macro.MacroLines = lines;
    if (!macro.MacroLines.isEmpty()) {
        {
            // The Stop items are the menus' way to end a run; the end of the
            // run disables them again.
            const MacroRunWidgets widgets = host.RunWidgets();
            for (QAction* item : widgets.stopItems)
                item->setEnabled(true);
            MacroRunGuard guard(macro, widgets.editor, widgets.statusBar, widgets.stopButton, widgets.menuBar,
                                widgets.stopItems);
            TRichEdit& edit = host.Editor();
            const DocumentState& doc = host.Session().State();
            PlaceholderValues values;
            values.selection = [&edit] { return edit.SelText(); };
            values.selStart = [&edit] { return qint64(edit.SelStart()); };
            values.selEnd = [&edit] { return qint64(edit.SelStart()) + edit.SelLength(); };
            QElapsedTimer sinceLook;
            sinceLook.start();
            for (qsizetype i = 0; i < macro.MacroLines.size(); ++i) {
                macro.RunLine = int(i + 1);
                // Now and then between two lines the window hears whether
                // the user wants the run stopped; all other input is dropped.
                // A window never shown (a batch run) has nobody to hear.
                if (host.ListensDuringRun() && sinceLook.elapsed() >= macro.LookIntervalMs) {
                    guard.LookAtInput();
                    sinceLook.restart();
                }
                if (macro.StopRequested) {
                    macro.FailedLine = macro.RunLine;
                    host.Ask(MsgKind::Information,
                             QCoreApplication::translate("MacroRun", "Macro stopped in line %1.").arg(i + 1),
                             MsgButtons::Ok);
                    break;
                }
                MacroLine line = SplitMacroLine(macro.MacroLines.at(i));
                if (line.argument) {
                    values.currentFile = doc.CurrentFile;
                    line.argument = ExpandPlaceholders(*line.argument, values);
                }
                if (!ExecuteMacroCommand(host, line.word, line.argument)) {
                    macro.FailedLine = macro.RunLine;
                    host.ShowError(
                        //: %1 is the line number, %2 why the line failed.
                        QCoreApplication::translate("MacroRun", "Error in line %1.\n%2")
                            .arg(QString::number(i + 1),
                                 LineFailureReason(macro.MacroLines.at(i), doc.IsPlainDocument)));
                    break;
                }
            }
            macro.RunLine = 0;
        }
        // The window catches up with the selection once, now that the run is over.
        host.RunEnded();
    }
    host.Stop();
}
