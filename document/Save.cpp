// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentRules.h"
#include "document/DocumentSession.h"
#include "document/FileAttributes.h"
#include "document/Progress.h"
#include "editor/RichEdit.h"
#include "markers/Markers.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

void DocumentSession::Save()
{
    if (!doc_.CurrentFile.isEmpty())
        SaveWithChecks(false);
    else
        SaveAs();
}

void DocumentSession::SaveAs()
{
    saveDialog_.filter = DocumentFilter();
    if (host_.OptionOn(DocumentOption::RememberDirs) && !doc_.LastSaveDir.isEmpty())
        saveDialog_.initialDir = doc_.LastSaveDir;
    if (!platform_.prompts->SaveDialog(saveDialog_))
        return;
    QString name = saveDialog_.fileName;
    const QString added = HasExtension(name) ? QString()
                                             : SaveAsExtensionForFilter(saveDialog_.filterIndex,
                                                                        host_.OptionOn(DocumentOption::PlainText));
    name = QFileInfo(name + added).absoluteFilePath();
    // A macro saved into the macro folder joins the library, once written,
    // whether the extension was typed or came from the filter.
    if (SaveUnderNewName(name))
        host_.AddSavedMacro(name);
}

void DocumentSession::SaveQuit()
{
    bool saved = false;
    if (doc_.CurrentFile.isEmpty()) {
        TRichEdit& edit = Editor();
        const QString firstLine = edit.LineCount() > 0 ? edit.Line(0) : QString();
        saved = SaveUnderNewName(SaveQuitTarget(firstLine, host_.OptionOn(DocumentOption::PlainText),
                                                platform_.clock->Now(), QLocale::system(), host_.DesktopDir(),
                                                QDir::currentPath()));
    } else {
        saved = SaveWithChecks(false);
    }
    if (saved)
        host_.Quit();
}

bool DocumentSession::SaveUnderNewName(const QString& name)
{
    const QString previous = doc_.CurrentFile;
    const FileStamp seen = doc_.LastSeen;
    // What was seen of the old name says nothing about another file; the
    // same name is still checked for changes made since.
    if (name != previous)
        doc_.LastSeen = {};
    doc_.CurrentFile = name;
    if (SaveWithChecks(true))
        return true;
    // Otherwise the next Ctrl+S would overwrite a file the user kept.
    doc_.CurrentFile = previous;
    doc_.LastSeen = seen;
    host_.ShowDocumentName(previous);
    return false;
}

bool DocumentSession::SaveWithChecks(bool askOverwrite)
{
    doc_.SaveDone = false;
    const QFileInfo info(doc_.CurrentFile);
    QFileDevice::Permissions kept;
    if (askOverwrite && info.exists() &&
        Ask(MsgKind::Confirmation, tr("File exists! Overwrite it?"), MsgButtons::OkCancel) == MsgAnswer::Cancel)
        return false;
    // Also where nothing "exists": a link to nowhere may have taken its place.
    if (ChangedSince(doc_.LastSeen, doc_.CurrentFile) &&
        Ask(MsgKind::Confirmation, ChangedOnDiskQuestion(doc_.CurrentFile), MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    if (info.exists()) {
        kept = KeepAttributes(doc_.CurrentFile);
        if (IsProtected(doc_.CurrentFile)) {
            if (Ask(MsgKind::Confirmation, tr("File is protected!\nSure to overwrite it?"), MsgButtons::OkCancel) ==
                MsgAnswer::Cancel)
                return false;
            if (!ResetAttributes(doc_.CurrentFile)) {
                ShowError(tr("File attributes could not be reset."));
                return false;
            }
        }
        if (!CheckExtensionForMode())
            return false;
    }
    // The file's encoding and content change only when the user agrees.
    TRichEdit& edit = Editor();
    if (edit.NeedsWiderEncoding()) {
        if (Ask(MsgKind::Confirmation, WiderEncodingQuestion(doc_.CurrentFile), MsgButtons::YesNo) != MsgAnswer::Yes)
            return false;
        edit.UseUtf8Encoding();
    }
    if (doc_.DropsContent &&
        Ask(MsgKind::Confirmation, DroppedContentQuestion(doc_.CurrentFile), MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    WriteDocument(kept);
    return doc_.SaveDone;
}

bool DocumentSession::CheckExtensionForMode()
{
    const QString extension = FileExtension(doc_.CurrentFile).toUpper();
    const bool plain = host_.OptionOn(DocumentOption::PlainText);
    QString question, letters, failure;
    if (extension == QLatin1String(".RTF") && plain) {
        question = tr("File is plain text.\nFile extension will be changed!");
        letters = QStringLiteral("txt");
        failure = tr("File could not be saved as TXT");
    } else if (extension == QLatin1String(".TXT") && !plain) {
        question = tr("File is in rich text format.\nFile extension will be changed!");
        letters = QStringLiteral("rtf");
        failure = tr("File could not be saved as RTF");
    } else {
        return true;
    }
    if (Ask(MsgKind::Confirmation, question, MsgButtons::OkCancel) == MsgAnswer::Cancel)
        return true;
    const QString renamed = WithExtensionLetters(doc_.CurrentFile, letters);
    // QFile::rename never replaces an existing file of the new name.
    if (!QFile::rename(doc_.CurrentFile, renamed)) {
        ShowError(failure);
        return false;
    }
    doc_.CurrentFile = renamed;
    host_.ShowDocumentName(doc_.CurrentFile);
    return true;
}

void DocumentSession::WriteDocument(QFileDevice::Permissions kept)
{
    TRichEdit& edit = Editor();
    bool written = true;
    QString reason;
    try {
        DelayedProgress progress(platform_.clock, host_.Progress(), SavingLabel(doc_.CurrentFile), false);
        edit.SaveToFile(doc_.CurrentFile, [&](int percent) { return progress.Step(percent); });
    } catch (const AppError& e) {
        written = false;
        reason = e.message();
    }
    if (kept && !RestoreAttributes(doc_.CurrentFile, kept))
        ShowError(tr("File attributes could not be set."));
    // After a failed write the file on disk is still the one seen before
    // (or another program's): only the watcher's time follows it.
    if (written)
        doc_.Saw(FileStamp::Of(doc_.CurrentFile));
    else
        doc_.LastWriteTime = LastWriteTime(doc_.CurrentFile);
    if (!written)
        //: %1 is why the write failed
        ShowError(tr("File could not be saved.\n%1").arg(reason));
    doc_.LastSaveDir = FolderOf(doc_.CurrentFile) + QLatin1Char('/');
    if (doc_.LastSaveDir == QLatin1String("//"))
        doc_.LastSaveDir = QStringLiteral("/");
    saveDialog_.initialDir = doc_.LastSaveDir;
    if (written) {
        doc_.DropsContent = false;
        edit.SetModified(false);
        doc_.SaveDone = true;
        host_.NoteRecentFile(doc_.CurrentFile);
    }
    host_.ShowDocumentName(doc_.CurrentFile);
    host_.RecordFileCommand(QStringLiteral("SaveFile"));
    if (written && host_.OptionOn(DocumentOption::SaveLineMarkers))
        host_.SaveMarkers(MarkerFileName(doc_.CurrentFile));
}
