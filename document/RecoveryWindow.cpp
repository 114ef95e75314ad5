// SPDX-License-Identifier: GPL-3.0-or-later
// The open document's use of crash recovery, in the window that owns the keeper.
#include "document/DocumentSession.h"
#include "document/Recovery.h"
#include "editor/RichEdit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

RecoveryKeeper* KeeperOf(QObject& owner)
{
    return owner.findChild<RecoveryKeeper*>(QString(), Qt::FindDirectChildrenOnly);
}

RecoveryUpdate UpdateOf(DocumentSession& session)
{
    TRichEdit& edit = session.Editor();
    const DocumentState& doc = session.State();
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
    r.documentPath = doc.CurrentFile;
    if (!r.documentPath.isEmpty() && doc.LastSeen.regular)
        r.seen = doc.LastSeen;
    r.plain = plain;
    r.format = edit.StoredFormat();
    if (!plain)
        r.rtf = edit.RtfBytes();
    return update;
}

void Restore(DocumentSession& session, const RecoveryRecord& r)
{
    DocumentState& doc = session.State();
    TRichEdit& edit = session.Editor();
    // The file itself first, for its name, markers and mode; then its text
    // becomes the recovered one.
    if (!r.documentPath.isEmpty() && QFileInfo(r.documentPath).isFile())
        session.Open(r.documentPath);
    if (doc.CurrentFile != r.documentPath || r.documentPath.isEmpty()) {
        doc.CurrentFile = r.documentPath;
        doc.LastSeen = {};
        session.Host().ShowDocumentName(r.documentPath);
    }
    // The changes were made to the file as the crashed run saw it: a save
    // asks before it overwrites what another program wrote since. The
    // watcher keeps the time just read, as the offer told of the change.
    if (r.seen.known)
        doc.LastSeen = r.seen;
    if (edit.IsPlainText() != r.plain) {
        doc.IsPlainDocument = r.plain;
        session.Host().ApplyDocumentKind();
    }
    if (r.plain) {
        edit.SetText(r.text);
        edit.SetStoredFormat(r.format);
    } else {
        edit.LoadRtfBytes(r.rtf);
    }
    edit.SetModified(true);
    session.Host().SelectionChanged();
}

}   // namespace

QString RecoveryQuestion(const RecoveryRecord& r, const QString& movedAsideNote)
{
    // Lines that only some offers carry, each with its line break.
    QString notes;
    if (!r.documentPath.isEmpty() && ChangedSince(r.seen, r.documentPath))
        notes +=
            QCoreApplication::translate("Recovery", "The file was changed by another program after they were kept.") +
            QLatin1Char('\n');
    if (!movedAsideNote.isEmpty())
        notes += movedAsideNote + QLatin1Char('\n');
    const QString name = r.documentPath.isEmpty() ? QCoreApplication::translate("Recovery", "unnamed") : r.documentPath;
    //: %1 is the document's file, %2 further lines (each ending in a line break) or nothing
    return QCoreApplication::translate("Recovery", "Unsaved changes were recovered:\n%1\n%2Restore them?")
        .arg(name, notes);
}

QString MovedAsideNote(const QStringList& movedAside)
{
    QStringList lines;
    for (const QString& file : movedAside)
        lines.append(QCoreApplication::translate("Recovery", "A damaged recovery file was moved aside: %1").arg(file));
    return lines.join(QLatin1Char('\n'));
}

QString KeepFailedMessage(const QString& folder, const QString& reason)
{
    //: %1 is the folder, %2 why
    return QCoreApplication::translate("Recovery",
                                       "Unsaved changes cannot be kept for recovery after a crash in\n%1\n%2")
        .arg(folder, reason);
}

void StartRecovery(DocumentSession& session, QObject& owner)
{
    TRichEdit& edit = session.Editor();
    edit.TrackChanges(true);
    auto* keeper = new RecoveryKeeper([&session] { return UpdateOf(session); }, &owner);
    // Told in the window's thread; the worker found it.
    QObject::connect(
        keeper, &RecoveryKeeper::WriteFailed, &owner,
        [&session](const QString& folder, const QString& reason) {
            session.Ask(MsgKind::Warning, KeepFailedMessage(folder, reason), MsgButtons::Ok);
        },
        Qt::QueuedConnection);
    QObject::connect(&edit, &TRichEdit::TextChanged, keeper, &RecoveryKeeper::Changed);
    // Saved, closed without saving or replaced by another document.
    QObject::connect(&edit, &TRichEdit::ModifiedChanged, keeper, [keeper](bool modified) {
        if (!modified)
            keeper->Forget();
    });
}

void OfferRecoveredChanges(DocumentSession& session, QObject& owner)
{
    RemoveAbandonedWrites();
    QStringList movedAside;
    const QList<LeftRecovery> offers = LeftRecoveries(&movedAside);
    // Told once: with the first question, or on its own.
    QString note = MovedAsideNote(movedAside);
    for (const LeftRecovery& left : offers) {
        const MsgAnswer answer = session.Ask(MsgKind::Confirmation,
                                             RecoveryQuestion(left.record, std::exchange(note, {})), MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            // The document holds one text: the others wait for a later start.
            Restore(session, left.record);
            QFile::remove(left.file);
            if (RecoveryKeeper* keeper = KeeperOf(owner))
                keeper->WriteNow();
            return;
        }
        QFile::remove(left.file);
    }
    if (!note.isEmpty())
        session.Ask(MsgKind::Information, note, MsgButtons::Ok);
}

void EndRecovery(QObject& owner)
{
    if (RecoveryKeeper* keeper = KeeperOf(owner))
        keeper->Finish();
}

void StopRecovery(DocumentSession& session, QObject& owner)
{
    delete KeeperOf(owner);
    session.Editor().TrackChanges(false);
}
