// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "html/TidyRules.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QString>

class HtmlHost;

// The check of the document with the external Tidy program: finds Tidy
// (asking for its folder), runs it on the document's file while the window
// goes on working, and lists its messages in the host's Tidy window.
class TidyCheck {
    Q_DECLARE_TR_FUNCTIONS(TidyCheck)
public:
    // The host and the platform's seams outlive the check.
    TidyCheck(HtmlHost& host, const Platform& platform);

    // A new check replaces one still running.
    void Run();
    // Asks for Tidy's folder; a cancelled choice keeps the one before.
    void ChooseLocation();
    void EditOptions();

private:
    struct Running;
    QString FindTidy();
    void OutputFailed(Running& check);
    void ShowResult(Running& check, TidyEnd end);
    MsgAnswer Ask(MsgKind kind, const QString& text, MsgButtons buttons);
    void ShowError(const QString& text);

    HtmlHost& host_;
    const Platform& platform_;
};
