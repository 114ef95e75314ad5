// The main window's use of crash recovery.
#include "app/MainForm.h"
#include "document/Recovery.h"
#include "editor/RichEdit.h"

#include <QFile>
#include <QFileInfo>

namespace {

RecoveryKeeper* KeeperOf(TMainForm& form)
{
    return form.findChild<RecoveryKeeper*>(QString(), Qt::FindDirectChildrenOnly);
}

RecoveryUpdate UpdateOf(TMainForm& form)
{
    TRichEdit& edit = *form.RichEdit;
    RecoveryUpdate update;
    // Rich text is kept as RTF, so the worker's copy of the text waits. A
    // copy that only a whole new one can bring up to date is let go, and
    // the new one is taken only when something is to be kept.
    const bool plain = edit.IsPlainText();
    if (edit.ChangesAreWhole() && !(plain && edit.Modified()))
        update.changes.whole = true;
    else if (plain)
        update.changes = edit.TakeChanges();
    if (!edit.Modified())
        return update;
    RecoveryRecord& r = update.keep.emplace();
    r.writer = ThisProcess();
    r.documentPath = form.Doc.CurrentFile;
    r.plain = plain;
    r.format = edit.StoredFormat();
    if (!plain)
        r.rtf = edit.RtfBytes();
    return update;
}

void Restore(TMainForm& form, const RecoveryRecord& r)
{
    // The file itself first, for its name, markers and mode; then its text
    // becomes the recovered one.
    if (!r.documentPath.isEmpty() && QFileInfo(r.documentPath).isFile())
        form.OpenNamed(r.documentPath);
    if (form.Doc.CurrentFile != r.documentPath || r.documentPath.isEmpty()) {
        form.Doc.CurrentFile = r.documentPath;
        form.SetWindowTitle(r.documentPath.isEmpty() ? kVersionedTitle : r.documentPath);
    }
    if (form.RichEdit->IsPlainText() != r.plain) {
        form.Doc.IsPlainDocument = r.plain;
        form.ApplyDocumentKind();
    }
    if (r.plain) {
        form.RichEdit->SetText(r.text);
        form.RichEdit->SetStoredFormat(r.format);
    } else {
        form.RichEdit->LoadRtfBytes(r.rtf);
    }
    form.RichEdit->SetModified(true);
    form.RichEditSelectionChange();
}

} // namespace

void StartRecovery(TMainForm& form)
{
    form.RichEdit->TrackChanges(true);
    auto* keeper = new RecoveryKeeper([&form] { return UpdateOf(form); }, &form);
    QObject::connect(form.RichEdit, &TRichEdit::TextChanged, keeper, &RecoveryKeeper::Changed);
    // Saved, closed without saving or replaced by another document.
    QObject::connect(form.RichEdit, &TRichEdit::ModifiedChanged, keeper, [keeper](bool modified) {
        if (!modified)
            keeper->Forget();
    });
}

void OfferRecoveredChanges(TMainForm& form)
{
    RemoveAbandonedWrites();
    for (const LeftRecovery& left : LeftRecoveries()) {
        const QString name = left.record.documentPath.isEmpty() ? QStringLiteral("unnamed")
                                                                 : left.record.documentPath;
        const MsgAnswer answer =
            form.Ask(MsgKind::Confirmation,
                     QStringLiteral("Unsaved changes were recovered:\n%1\nRestore them?").arg(name),
                     MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            // The document holds one text: the others wait for a later start.
            Restore(form, left.record);
            QFile::remove(left.file);
            if (RecoveryKeeper* keeper = KeeperOf(form))
                keeper->WriteNow();
            return;
        }
        QFile::remove(left.file);
    }
}

void EndRecovery(TMainForm& form)
{
    if (RecoveryKeeper* keeper = KeeperOf(form))
        keeper->Finish();
}

void StopRecovery(TMainForm& form)
{
    delete KeeperOf(form);
    form.RichEdit->TrackChanges(false);
}
