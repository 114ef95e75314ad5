// Running a macro file: every line through ExecuteMacroCommand, the first
// failure reported with its line number.
#include "macro/MacroRun.h"

#include "app/StatusBar.h"
#include "app/MainForm.h"
#include "editor/RichEdit.h"
#include "macro/MacroCommands.h"
#include "macro/MacroFile.h"
#include "macro/MacroLanguage.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

MacroRunGuard::MacroRunGuard(bool& running, QWidget* editor, QWidget* statusBar)
    : running_(running), editor_(editor), statusBar_(statusBar),
      editorUpdates_(editor->updatesEnabled()), statusUpdates_(statusBar->updatesEnabled())
{
    running_ = true;
    editor_->setUpdatesEnabled(false);
    statusBar_->setUpdatesEnabled(false);
    qApp->installEventFilter(this);
}

MacroRunGuard::~MacroRunGuard()
{
    qApp->removeEventFilter(this);
    running_ = false;
    editor_->setUpdatesEnabled(editorUpdates_);
    statusBar_->setUpdatesEnabled(statusUpdates_);
}

bool MacroRunGuard::Blocks(QObject* receiver, int eventType)
{
    switch (eventType) {
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
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget)
        return true;   // shortcuts go to actions of the main window
    for (QWidget* open : {QApplication::activeModalWidget(), QApplication::activePopupWidget()})
        if (open && (widget == open || open->isAncestorOf(widget)))
            return false;
    return true;
}

bool MacroRunGuard::eventFilter(QObject* watched, QEvent* event)
{
    return Blocks(watched, event->type());
}

bool TMainForm::ExecuteMacroCommand(const QString& word, const std::optional<QString>& argument)
{
    const MacroCommand* command = FindMacroCommand(word);
    if (!command)
        return false;
    // Whatever a command changed before it failed stays changed.
    try {
        const std::optional<int> number = CheckMacroCall(*command, argument, Doc.IsPlainDocument);
        if (!number)
            return false;
        command->run(*this, MacroCall{argument, *number});
        return true;
    } catch (...) {
        return false;
    }
}

void TMainForm::RunMacro()
{
    // A folder, pipe or device is no macro, and reading it could wait forever.
    QStringList lines;
    bool found = QFileInfo(Macro.MacroFile).isFile();
    if (found) {
        try {
            lines = ReadMacroFile(Macro.MacroFile);
        } catch (const AppError&) {
            found = false;
        }
    }
    if (!found) {
        ShowError(QStringLiteral("Macro not found!"));
        Stop1Click();
        return;
    }
    Macro.MacroLines = lines;
    if (!Macro.MacroLines.isEmpty()) {
        {
            const MacroRunGuard guard(Macro.IsRunning, RichEdit, StatusBar);
            PlaceholderValues values;
            values.selection = [this] { return RichEdit->SelText(); };
            values.selStart = [this] { return qint64(RichEdit->SelStart()); };
            values.selEnd = [this] { return qint64(RichEdit->SelStart()) + RichEdit->SelLength(); };
            for (qsizetype i = 0; i < Macro.MacroLines.size(); ++i) {
                MacroLine line = SplitMacroLine(Macro.MacroLines.at(i));
                if (line.argument) {
                    values.currentFile = Doc.CurrentFile;
                    line.argument = ExpandPlaceholders(*line.argument, values);
                }
                if (!ExecuteMacroCommand(line.word, line.argument)) {
                    ShowError(QStringLiteral("Error in line ") + QString::number(i + 1) + QStringLiteral("."));
                    break;
                }
            }
        }
        // The window catches up with the selection once, now that the run is over.
        RichEditSelectionChange();
    }
    Stop1Click();
}
