// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Prompts.h"

#include <QColor>
#include <QString>
#include <functional>

class ScreenMetrics;
class TRichEdit;
class TTidyErrors;

// What the HTML tools need of the window around them: the HTML toolbar,
// the Tidy check, the browser preview and the colour command. They never
// see the window itself: the window (or a test) implements this.
class HtmlHost {
public:
    virtual ~HtmlHost() = default;
    virtual TRichEdit& Editor() = 0;
    // Runs a command; what it throws is shown as the window shows an
    // unexpected error, and the program runs on.
    virtual void Guard(const std::function<void()>& command) = 0;
    virtual void RecordCommand(const QString& line) = 0;
    // The private temporary folder of this run, ending with "/".
    virtual QString TempDir() const = 0;
    // Null when the window has no measure of the desktop.
    virtual const ScreenMetrics* Screen() const = 0;

    // The open document's file (empty for an unnamed one) and its save:
    // true when the save was done.
    virtual QString CurrentFile() const = 0;
    virtual bool SaveDocument() = 0;
    // The preview file this run wrote, removed at shutdown.
    virtual void PreviewWritten(const QString& path) = 0;

    // The colour dialog starts from these; after it the window keeps the
    // chosen colour (its swatch shows it) and the custom colours.
    virtual QColor ChosenColour() const = 0;
    virtual CustomColours KeptCustomColours() const = 0;
    virtual void KeepColours(const QColor& chosen, const CustomColours& custom) = 0;

    // The toolbar was closed by itself: the menu items' check marks go.
    virtual void ToolbarClosed() = 0;

    // Tidy's folder (empty: none chosen, ends with "/" otherwise), the
    // user's options, and the window that lists Tidy's messages.
    virtual QString TidyLocation() const = 0;
    virtual void SetTidyLocation(const QString& folder) = 0;
    virtual QString TidyOptions() const = 0;
    virtual void SetTidyOptions(const QString& options) = 0;
    virtual TTidyErrors* TidyList() = 0;
};
