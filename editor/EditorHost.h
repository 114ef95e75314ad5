// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QString>
#include <functional>

class QWidget;
class TRichEdit;

// What the editing commands need of the window around the editor. They
// never see the window itself: the window (or a test) implements this.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual TRichEdit& Editor() = 0;
    // Macro recording: the line goes to the recording, if one is on.
    virtual void RecordCommand(const QString& line) = 0;
    // The escapes a search or replace text may hold ("\t", "\n", ...).
    virtual QString DecodeEscapes(const QString& text) const = 0;
    // Runs a dialog's button handler; whatever it throws is shown and the
    // program runs on.
    virtual void Guard(const std::function<void()>& handler) = 0;
    // The window the search dialogs belong to and are placed by.
    virtual QWidget* DialogParent() = 0;
    virtual QRect WindowFrame() const = 0;
};
