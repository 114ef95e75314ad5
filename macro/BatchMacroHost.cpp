// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/BatchMacroHost.h"

#include "editor/EditCommands.h"
#include "macro/Escapes.h"
#include "platform/AppError.h"

#include <QPrinter>

BatchMacroHost::BatchMacroHost(Prompts& prompts)
    : platform_{&prompts, &shell_, &clock_, &screen_, nullptr}, session_(*this, platform_), search_(*this, platform_)
{
    markers_.LineText = [this](int line) { return edit_.Line(line); };
    markers_.SetPrompts(&prompts);
    QObject::connect(&edit_, &TRichEdit::SelectionChange, &edit_, [this] { FollowCaret(); });
    // The modes the window's check marks start with: a plain document, wrapped.
    ApplyDocumentKind();
}

BatchMacroHost::~BatchMacroHost()
{
    // What the editor reports on its way out must not reach the search,
    // which is gone by then.
    QObject::disconnect(&edit_, &TRichEdit::SelectionChange, &edit_, nullptr);
}

void BatchMacroHost::Edit(MacroEdit command)
{
    switch (command) {
    case MacroEdit::SelectAll: RunEditCommand(*this, EditCommand::SelectAll); break;
    case MacroEdit::Copy: RunEditCommand(*this, EditCommand::Copy); break;
    case MacroEdit::Cut: RunEditCommand(*this, EditCommand::Cut); break;
    case MacroEdit::Paste: RunEditCommand(*this, EditCommand::Paste); break;
    }
}

void BatchMacroHost::Align(int code)
{
    AlignParagraphs(*this, code);
}

bool BatchMacroHost::OptionOn(MacroOption option) const
{
    switch (option) {
    case MacroOption::PlainText: return edit_.IsPlainText();
    case MacroOption::WordWrap: return edit_.WordWrap();
    default: return on_.contains(option);
    }
}

void BatchMacroHost::FlipOption(MacroOption option)
{
    switch (option) {
    case MacroOption::PlainText:
        if (session_.SwitchPlainText(edit_.IsPlainText()))
            FollowCaret();
        break;
    case MacroOption::WordWrap: session_.SetWordWrap(!edit_.WordWrap()); break;
    default:
        if (!on_.remove(option))
            on_.insert(option);
        break;
    }
}

// Nobody is there to answer a print dialog: the prompts refuse it.
void BatchMacroHost::PrinterSetup()
{
    QPrinter printer;
    platform_.prompts->PrinterSetupDialog(printer);
}

void BatchMacroHost::Print()
{
    QPrinter printer;
    if (platform_.prompts->PrintDialog(printer))
        edit_.PrintDocument(session_.State().CurrentFile, printer);
}

void BatchMacroHost::Replace(const ReplacePair& pair, bool all)
{
    search_.Replace(pair.find, pair.replacement, all);
}

MsgAnswer BatchMacroHost::Ask(MsgKind kind, const QString& text, MsgButtons buttons)
{
    return session_.Ask(kind, text, buttons);
}

bool BatchMacroHost::OptionOn(DocumentOption option) const
{
    switch (option) {
    case DocumentOption::PlainText: return edit_.IsPlainText();
    case DocumentOption::RememberDirs:
    case DocumentOption::FixedFont:
    case DocumentOption::Trash:
    case DocumentOption::SaveLineMarkers: return true;
    }
    return false;
}

void BatchMacroHost::ShowMarkers(const QString& markerFile)
{
    if (markerFile.isEmpty())
        markers_.Clear();
    else
        markers_.Restore(markerFile, edit_.LineCount());
}

QString BatchMacroHost::DecodeEscapes(const QString& text) const
{
    return ::DecodeEscapes(text);
}

void BatchMacroHost::Guard(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const AppError& e) {
        ShowError(e.message());
    }
}
