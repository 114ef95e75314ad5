// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentSession.h"

DocumentSession::DocumentSession(DocumentSessionHost& host, const Platform& platform) : host_(host), platform_(platform)
{}

MsgAnswer DocumentSession::Ask(MsgKind kind, const QString& text, MsgButtons buttons)
{
    return platform_.prompts->MessageBox(kind, text, buttons);
}

void DocumentSession::ShowError(const QString& text)
{
    Ask(MsgKind::Error, text, MsgButtons::Ok);
}
