// SPDX-License-Identifier: GPL-3.0-or-later
// Plain or rich, and the wrapping of plain documents.
#include "document/DocumentSession.h"
#include "editor/Formatting.h"
#include "editor/RichEdit.h"

void DocumentSession::ApplyKindToEditor()
{
    TRichEdit& edit = Editor();
    edit.SetPlainTextMode(doc_.IsPlainDocument);
    // Rich text always wraps; the wish waits for the next plain document.
    edit.SetWordWrap(doc_.IsPlainDocument ? doc_.WrapWanted : true);
}

bool DocumentSession::SwitchPlainText(bool wasPlain)
{
    TRichEdit& edit = Editor();
    const bool hasText = edit.TextLength() > 0;
    const int start = edit.SelStart();
    const int length = edit.SelLength();
    if (wasPlain) {
        host_.RecordFileCommand(QStringLiteral("PlainText Off"));
    } else if (!hasText) {
        host_.RecordFileCommand(QStringLiteral("PlainText On"));
    } else {
        if (Ask(MsgKind::Confirmation, tr("Sure to loose all formattings?\nNo undo possible!"), MsgButtons::OkCancel) !=
            MsgAnswer::Ok)
            return false;
        DropFormatting(edit, host_.UserFont());
        host_.RecordFileCommand(QStringLiteral("PlainText On"));
    }
    doc_.IsPlainDocument = !wasPlain;
    host_.ShowFormatBar(wasPlain);
    if (hasText)
        edit.SetModified(true);
    host_.ApplyDocumentKind();
    // Going plain sets the text anew, which would leave the caret at the start.
    edit.SetSelStart(start);
    edit.SetSelLength(length);
    return true;
}

void DocumentSession::SetWordWrap(bool on)
{
    doc_.WrapWanted = on;
    Editor().SetWordWrap(on);
    host_.RecordFileCommand(on ? QStringLiteral("WordWrap On") : QStringLiteral("WordWrap Off"));
}
