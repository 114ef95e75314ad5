// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentRules.h"
#include "document/DocumentSession.h"
#include "document/FileAttributes.h"
#include "document/Progress.h"
#include "editor/RichEdit.h"
#include "markers/Markers.h"
#include "platform/AppError.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

bool DocumentSession::SaveChangesIfWanted()
{
    TRichEdit& edit = Editor();
    if (!edit.Modified())
        return true;
    const MsgAnswer answer = Ask(MsgKind::Warning, tr("Save changes?"), MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer == MsgAnswer::Yes) {
        if (!doc_.CurrentFile.isEmpty())
            Save();
        else
            SaveAs();
        return !edit.Modified();
    }
    return true;
}

void DocumentSession::Open(const std::optional<QString>& typed)
{
    if (!SaveChangesIfWanted())
        return;
    TRichEdit& edit = Editor();
    if (typed) {
        openDialog_.fileName = *typed;
    } else {
        openDialog_.filter = DocumentFilter();
        if (host_.OptionOn(DocumentOption::RememberDirs) && !doc_.LastOpenDir.isEmpty())
            openDialog_.initialDir = doc_.LastOpenDir;
        if (!platform_.prompts->OpenDialog(openDialog_))
            return;
    }
    // The open document keeps its name until the new one is known to be
    // readable: the change watcher may look at it while a box below is up.
    QString name = openDialog_.fileName;
    if (!QFileInfo::exists(name) && !HasExtension(name))
        name += OpenExtensionForFilter(openDialog_.filterIndex);
    const QFileInfo info(name);
    if (!info.exists()) {
        ShowError(tr("File not found!"));
        return;
    }
    // Only regular files are read: a pipe would wait for a writer, a device
    // never end.
    QFile probe(name);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly)) {
        ShowError(tr("File could not be opened:\n%1").arg(name));
        return;
    }
    if (info.size() > TRichEdit::kMaxFileBytes) {
        //: %1 is the largest size in megabytes, %2 the file
        ShowError(tr("File is too large to open (more than %1 MB):\n%2").arg(TRichEdit::kMaxFileBytes >> 20).arg(name));
        return;
    }
    probe.close();
    // What a cancelled open puts back: the document itself is set aside
    // whole, before its mode or font change for the new one.
    const DocumentState previousDoc = doc_;
    const QString previousOpenDir = openDialog_.initialDir;
    const bool formatBarShown = host_.FormatBarShown();
    edit.SetDocumentAside();
    const QString previousFile = doc_.CurrentFile;
    doc_.CurrentFile = info.absoluteFilePath();

    doc_.LastOpenDir = FolderOf(doc_.CurrentFile);
    openDialog_.initialDir = doc_.LastOpenDir;
    const bool openRecorded = host_.RecordFileCommand(QStringLiteral("OpenFile ") + doc_.CurrentFile);
    doc_.AttrLetters = AttributeLetters(doc_.CurrentFile);

    doc_.IsPlainDocument = !IsRichExtension(doc_.CurrentFile);
    host_.ShowFormatBar(!doc_.IsPlainDocument);
    const FontChoice user = host_.UserFont();
    if (host_.OptionOn(DocumentOption::FixedFont) && IsSourceCodeExtension(doc_.CurrentFile)) {
        QFont fixed = user.font;
        fixed.setFamily(QStringLiteral("Courier New"));
        fixed.setPointSize(10);
        edit.SetControlFont(fixed, user.colour);
    } else {
        edit.SetControlFont(user.font, user.colour);
    }
    host_.ApplyDocumentKind();
    // Taken before the read: a change during it is then a change since.
    const FileStamp read = FileStamp::Of(doc_.CurrentFile);
    try {
        // The progress dialog lets events through: no check of the file
        // may start on a name whose text is not there yet.
        const bool wasChecking = std::exchange(checkingFile_, true);
        struct Checking {
            bool& flag;
            bool was;
            ~Checking() { flag = was; }
        } checking{checkingFile_, wasChecking};
        DelayedProgress progress(platform_.clock, host_.Progress(), OpeningLabel(doc_.CurrentFile), true);
        edit.LoadFromFile(doc_.CurrentFile, [&](int percent) { return progress.Step(percent); });
    } catch (const LoadCancelled&) {
        doc_ = previousDoc;
        openDialog_.initialDir = previousOpenDir;
        host_.ShowFormatBar(formatBarShown);
        // A replay should not open what the user gave up on.
        if (openRecorded)
            host_.TakeBackCommand();
        edit.RestoreSetAside();
        host_.ApplyDocumentKind();
        return;
    } catch (const AppError&) {
        // Nothing new was opened: the old text stays, in the new mode.
        doc_.CurrentFile = previousFile;
        edit.RestoreSetAside();
        host_.ApplyDocumentKind();
        throw;
    }
    edit.DropSetAside();
    edit.SetModified(false);
    doc_.Saw(read);
    host_.NoteRecentFile(doc_.CurrentFile);
    doc_.DropsContent = edit.HasDroppedRtfContent();

    const QString markerFile = MarkerFileName(doc_.CurrentFile);
    host_.ShowMarkers(QFileInfo::exists(markerFile) ? markerFile : QString());

    // The attributes panel shows only when the file has one set.
    //: %1 is the letters R, H, S or a blank each
    host_.ShowOpenedStatus(doc_.AttrLetters.trimmed().isEmpty() ? QString() : tr("Attr.: %1").arg(doc_.AttrLetters));
    host_.ShowDocumentName(doc_.CurrentFile);
    // Told once, with the document in view: what the load kept as it was,
    // and what a save of it cannot keep.
    if (const qint64 stray = edit.KeptStrayBytes(); stray > 0)
        Ask(MsgKind::Information, StrayBytesNotice(doc_.CurrentFile, stray), MsgButtons::Ok);
    if (doc_.DropsContent)
        Ask(MsgKind::Warning, DroppedContentNotice(doc_.CurrentFile), MsgButtons::Ok);
}
