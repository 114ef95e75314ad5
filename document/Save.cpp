// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"
#include "document/DocumentRules.h"
#include "document/FileAttributes.h"
#include "document/Progress.h"
#include "editor/RichEdit.h"
#include "markers/Markers.h"
#include "markers/MegaCheckListBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextBlock>

void TMainForm::Save1Click()
{
    if (!Doc.CurrentFile.isEmpty())
        SaveWithChecks(false);
    else
        SaveAs1Click();
}

void TMainForm::SaveAs1Click()
{
    SaveDialogState.filter = DocumentFilter();
    if (IsChecked(QStringLiteral("RememberDirs1")) && !Doc.LastSaveDir.isEmpty())
        SaveDialogState.initialDir = Doc.LastSaveDir;
    if (!platform().prompts->SaveDialog(SaveDialogState))
        return;
    QString name = SaveDialogState.fileName;
    const QString added = HasExtension(name) ? QString()
                                             : SaveAsExtensionForFilter(SaveDialogState.filterIndex,
                                                                        IsChecked(QStringLiteral("PlainText1")));
    name = QFileInfo(name + added).absoluteFilePath();
    // A macro saved into the macro folder joins the library, once written,
    // whether the extension was typed or came from the filter.
    if (SaveUnderNewName(name))
        AddSavedMacroNode(name);
}

void TMainForm::SaveQuit1Click()
{
    if (Doc.CurrentFile.isEmpty()) {
        const QString firstLine = RichEdit->LineCount() > 0 ? RichEdit->Line(0) : QString();
        SaveUnderNewName(SaveQuitTarget(firstLine, IsChecked(QStringLiteral("PlainText1")),
                                        platform().clock->Now(), QLocale::system(), Startup.DesktopDir,
                                        QDir::currentPath()));
    } else {
        SaveWithChecks(false);
    }
    if (Doc.SaveDone)
        Exit1Click();
}

bool TMainForm::SaveUnderNewName(const QString& name)
{
    const QString previous = Doc.CurrentFile;
    const FileStamp seen = Doc.LastSeen;
    // What was seen of the old name says nothing about another file; the
    // same name is still checked for changes made since.
    if (name != previous)
        Doc.LastSeen = {};
    Doc.CurrentFile = name;
    if (SaveWithChecks(true))
        return true;
    // Otherwise the next Ctrl+S would overwrite a file the user kept.
    Doc.CurrentFile = previous;
    Doc.LastSeen = seen;
    SetWindowTitle(previous.isEmpty() ? kVersionedTitle : previous);
    return false;
}

bool TMainForm::SaveWithChecks(bool askOverwrite)
{
    Doc.SaveDone = false;
    const QFileInfo info(Doc.CurrentFile);
    KeptAttributes = {};
    if (askOverwrite && info.exists() &&
        Ask(MsgKind::Confirmation, tr("File exists! Overwrite it?"), MsgButtons::OkCancel) ==
            MsgAnswer::Cancel)
        return false;
    // Also where nothing "exists": a link to nowhere may have taken its place.
    if (ChangedSince(Doc.LastSeen, Doc.CurrentFile) &&
        Ask(MsgKind::Confirmation, ChangedOnDiskQuestion(Doc.CurrentFile), MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    if (info.exists()) {
        KeptAttributes = KeepAttributes(Doc.CurrentFile);
        if (IsProtected(Doc.CurrentFile)) {
            if (Ask(MsgKind::Confirmation, tr("File is protected!\nSure to overwrite it?"),
                    MsgButtons::OkCancel) == MsgAnswer::Cancel)
                return false;
            if (!ResetAttributes(Doc.CurrentFile)) {
                ShowError(tr("File attributes could not be reset."));
                return false;
            }
        }
        if (!CheckExtensionForMode())
            return false;
    }
    // The file's encoding and content change only when the user agrees.
    if (RichEdit->NeedsWiderEncoding()) {
        if (Ask(MsgKind::Confirmation, WiderEncodingQuestion(Doc.CurrentFile), MsgButtons::YesNo) != MsgAnswer::Yes)
            return false;
        RichEdit->UseUtf8Encoding();
    }
    if (Doc.DropsContent &&
        Ask(MsgKind::Confirmation, DroppedContentQuestion(Doc.CurrentFile), MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    WriteDocument();
    return Doc.SaveDone;
}

bool TMainForm::CheckExtensionForMode()
{
    const QString extension = FileExtension(Doc.CurrentFile).toUpper();
    const bool plain = IsChecked(QStringLiteral("PlainText1"));
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
    const QString renamed = WithExtensionLetters(Doc.CurrentFile, letters);
    // QFile::rename never replaces an existing file of the new name.
    if (!QFile::rename(Doc.CurrentFile, renamed)) {
        ShowError(failure);
        return false;
    }
    Doc.CurrentFile = renamed;
    SetWindowTitle(Doc.CurrentFile);
    return true;
}

void TMainForm::WriteDocument()
{
    bool written = true;
    QString reason;
    try {
        DelayedProgress progress(platform().clock, LongWork, SavingLabel(Doc.CurrentFile), false);
        RichEdit->SaveToFile(Doc.CurrentFile, [&](int percent) { return progress.Step(percent); });
    } catch (const AppError& e) {
        written = false;
        reason = e.message();
    }
    if (KeptAttributes && !RestoreAttributes(Doc.CurrentFile, KeptAttributes))
        ShowError(tr("File attributes could not be set."));
    // After a failed write the file on disk is still the one seen before
    // (or another program's): only the watcher's time follows it.
    if (written)
        Doc.Saw(FileStamp::Of(Doc.CurrentFile));
    else
        Doc.LastWriteTime = LastWriteTime(Doc.CurrentFile);
    if (!written)
        //: %1 is why the write failed
        ShowError(tr("File could not be saved.\n%1").arg(reason));
    Doc.LastSaveDir = FolderOf(Doc.CurrentFile) + QLatin1Char('/');
    if (Doc.LastSaveDir == QLatin1String("//"))
        Doc.LastSaveDir = QStringLiteral("/");
    SaveDialogState.initialDir = Doc.LastSaveDir;
    if (written) {
        Doc.DropsContent = false;
        RichEdit->SetModified(false);
        Doc.SaveDone = true;
        NoteRecentFile(Doc.CurrentFile);
    }
    SetWindowTitle(Doc.CurrentFile);
    RecordCommand(QStringLiteral("SaveFile"));
    if (written && IsChecked(QStringLiteral("SaveLineMarkers1")))
        CheckList->SaveMarkers(MarkerFileName(Doc.CurrentFile));
}
