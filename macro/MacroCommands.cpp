// SPDX-License-Identifier: GPL-3.0-or-later
// The macro commands. Each calls what the menu item or toolbar button of
// the same command calls, so both behave alike, dialogs included.
#include "macro/MacroCommands.h"

#include "app/MainForm.h"
#include "editor/FindReplace.h"
#include "editor/RichEdit.h"
#include "editor/SearchDialogs.h"
#include "macro/Escapes.h"
#include "macro/MacroLanguage.h"
#include "macro/MacroPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QToolButton>
#include <algorithm>
#include <array>

namespace {

bool IsOn(const MacroCall& call)
{
    return call.argument && IsOnArgument(*call.argument);
}

// The caret and selection commands reach far beyond the text with numbers
// near the int limits: positions are worked out in 64 bits and kept within
// the text before the editor sees them.
int WithinText(TMainForm& form, qint64 position)
{
    return ClampPosition(position, form.RichEdit->TextLength());
}

// Selects from the selection start to the position.
void SelectTo(TMainForm& form, qint64 end)
{
    TRichEdit& edit = *form.RichEdit;
    const int start = edit.SelStart();
    edit.SetSelLength(WithinText(form, end) - start);
}

void Exit(TMainForm& form, const MacroCall&) { form.Exit1Click(); }

// A macro from elsewhere writes outside its document's folder, or reads a
// private file, only with the user's yes; a no fails the line.
void PermitOrFail(TMainForm& form, PathAccess access, const QString& path)
{
    if (!PermitMacroPath(form, access, path))
        throw AppError(QCoreApplication::translate("MacroCommands", "not allowed: %1").arg(path));
}

void SaveFile(TMainForm& form, const MacroCall& call)
{
    PermitOrFail(form, PathAccess::Write, call.argument.value_or(form.Doc.CurrentFile));
    if (call.argument) {
        // Another file: what was seen of the open one does not apply to it.
        if (QFileInfo(*call.argument).absoluteFilePath() != QFileInfo(form.Doc.CurrentFile).absoluteFilePath())
            form.Doc.LastSeen = {};
        form.Doc.CurrentFile = *call.argument;
    } else {
        form.RichEdit->SetModified(true);
    }
    form.Save1Click();
}

void OpenFile(TMainForm& form, const MacroCall& call)
{
    if (call.argument) {
        PermitOrFail(form, PathAccess::Read, *call.argument);
        form.OpenNamed(*call.argument);
    } else {
        form.Open1Click();
    }
}

void ClearFile(TMainForm& form, const MacroCall&) { form.Clear1Click(); }
void DeleteFile(TMainForm& form, const MacroCall&) { form.Delete1Click(); }
void Font(TMainForm& form, const MacroCall& call) { form.RichEdit->SetSelFontName(call.Text()); }
void Size(TMainForm& form, const MacroCall& call) { form.RichEdit->SetSelSize(call.number); }
void AlignLeft(TMainForm& form, const MacroCall&) { form.AlignClick(AlignLeftCode); }
void AlignRight(TMainForm& form, const MacroCall&) { form.AlignClick(AlignRightCode); }
void Center(TMainForm& form, const MacroCall&) { form.AlignClick(AlignCenterCode); }
void StartSel(TMainForm& form, const MacroCall& call) { form.RichEdit->SetSelStart(call.number); }

void EndSel(TMainForm& form, const MacroCall& call) { SelectTo(form, call.number); }

void SelectAll(TMainForm& form, const MacroCall&) { form.SelectAll1Click(); }

void SelLength(TMainForm& form, const MacroCall& call)
{
    form.RichEdit->setFocus();
    SelectTo(form, qint64(form.RichEdit->SelStart()) + call.number);
}

void MoveRight(TMainForm& form, const MacroCall& call)
{
    form.RichEdit->SetSelStart(WithinText(form, qint64(form.RichEdit->SelStart()) + call.number));
}

void MoveLeft(TMainForm& form, const MacroCall& call)
{
    form.RichEdit->SetSelStart(WithinText(form, qint64(form.RichEdit->SelStart()) - call.number));
}

// The Delete key: the selection, or else the character after the caret
// (a line break is one).
void Delete(TMainForm& form, const MacroCall&)
{
    TRichEdit& edit = *form.RichEdit;
    if (edit.SelLength() == 0) {
        if (edit.SelStart() >= edit.TextLength())
            return;
        edit.SetSelLength(1);
    }
    edit.ReplaceSelection(QString());
}

void Copy(TMainForm& form, const MacroCall&) { form.Copy1Click(); }
void Cut(TMainForm& form, const MacroCall&) { form.Cut1Click(); }
void Paste(TMainForm& form, const MacroCall&) { form.Paste1Click(); }

// The options a recording writes with On or Off are set, not flipped.
void AutoTab(TMainForm& form, const MacroCall& call)
{
    if (form.IsChecked(QStringLiteral("AutoTab")) != IsOn(call))
        form.AutoTabClick();
}

void CenterOnScreen(TMainForm& form, const MacroCall& call)
{
    if (form.IsChecked(QStringLiteral("CenterOnScreen")) != IsOn(call))
        form.CenterOnScreenClick();
}

void RememberPos(TMainForm& form, const MacroCall& call)
{
    if (form.IsChecked(QStringLiteral("RememberPos")) != IsOn(call))
        form.RememberPosClick();
}

void PlainText(TMainForm& form, const MacroCall&) { form.PlainTextClick(); }
void AlwaysStayOnTop(TMainForm& form, const MacroCall&) { form.AlwaysStayOnTopClick(); }
void WordWrap(TMainForm& form, const MacroCall&) { form.WordWrapClick(); }
void PrinterSetup(TMainForm& form, const MacroCall&) { form.PrinterSetup1Click(); }
void Print(TMainForm& form, const MacroCall&) { form.Print1Click(); }

void Find(TMainForm& form, const MacroCall& call)
{
    FindDialogOf(form).SetFindText(call.Text());
    SearchNext(form, SearchOrigin::FindDialog);
}

void SetReplaceTexts(TMainForm& form, const MacroCall& call)
{
    const ReplacePair pair = *SplitReplacePair(call.Text());   // checked before the call
    TReplaceDialog& dialog = ReplaceDialogOf(form);
    dialog.SetFindText(pair.find);
    dialog.SetReplaceText(pair.replacement);
}

void Replace(TMainForm& form, const MacroCall& call)
{
    SetReplaceTexts(form, call);
    SearchNext(form, SearchOrigin::ReplaceDialog);
    ReplaceDialogOf(form).SetReplaceAllOption(false);
    ReplaceOnce(form);
}

void ReplaceAll(TMainForm& form, const MacroCall& call)
{
    form.SearchPos = 0;
    SetReplaceTexts(form, call);
    SearchNext(form, SearchOrigin::ReplaceDialog);
    ReplaceDialogOf(form).SetReplaceAllOption(true);
    ReplaceAllOccurrences(form);
}

// The style buttons follow when the run ends and the selection is looked at again.
void Bold(TMainForm& form, const MacroCall& call) { form.RichEdit->SetSelBold(IsOn(call)); }
void Italic(TMainForm& form, const MacroCall& call) { form.RichEdit->SetSelItalic(IsOn(call)); }
void Underlined(TMainForm& form, const MacroCall& call) { form.RichEdit->SetSelUnderline(IsOn(call)); }

void Insert(TMainForm& form, const MacroCall& call)
{
    form.RichEdit->ReplaceSelection(DecodeEscapes(call.Text()));
}

using A = MacroArgument;
using M = MacroMode;
constexpr std::array kCommands{
    MacroCommand{"exit", A::Ignored, M::Any, Exit},
    MacroCommand{"savefile", A::Text, M::Any, SaveFile},
    MacroCommand{"openfile", A::Text, M::Any, OpenFile},
    MacroCommand{"clearfile", A::Ignored, M::Any, ClearFile},
    MacroCommand{"closefile", A::Ignored, M::Any, ClearFile},
    MacroCommand{"deletefile", A::Ignored, M::Any, DeleteFile},
    MacroCommand{"font", A::Text, M::Any, Font},
    MacroCommand{"size", A::Integer, M::Any, Size},
    MacroCommand{"alignleft", A::Ignored, M::RichOnly, AlignLeft},
    MacroCommand{"alignright", A::Ignored, M::RichOnly, AlignRight},
    MacroCommand{"center", A::Ignored, M::RichOnly, Center},
    MacroCommand{"startsel", A::Integer, M::Any, StartSel},
    MacroCommand{"endsel", A::Integer, M::Any, EndSel},
    MacroCommand{"selectall", A::Ignored, M::Any, SelectAll},
    MacroCommand{"sellength", A::Integer, M::Any, SelLength},
    MacroCommand{"moveright", A::OptionalInteger, M::Any, MoveRight},
    MacroCommand{"moveleft", A::OptionalInteger, M::Any, MoveLeft},
    MacroCommand{"copy", A::Ignored, M::Any, Copy},
    MacroCommand{"cut", A::Ignored, M::Any, Cut},
    MacroCommand{"paste", A::Ignored, M::Any, Paste},
    MacroCommand{"autotab", A::OnOff, M::Any, AutoTab},
    MacroCommand{"centeronscreen", A::OnOff, M::Any, CenterOnScreen},
    MacroCommand{"rememberpos", A::OnOff, M::Any, RememberPos},
    MacroCommand{"plaintext", A::Ignored, M::Any, PlainText},
    MacroCommand{"alwaysstayontop", A::Ignored, M::Any, AlwaysStayOnTop},
    MacroCommand{"wordwrap", A::Ignored, M::PlainOnly, WordWrap},
    MacroCommand{"printersetup", A::Ignored, M::Any, PrinterSetup},
    MacroCommand{"print", A::Ignored, M::Any, Print},
    MacroCommand{"find", A::Text, M::Any, Find},
    MacroCommand{"replace", A::Pair, M::Any, Replace},
    MacroCommand{"replaceall", A::Pair, M::Any, ReplaceAll},
    MacroCommand{"bold", A::OnOff, M::RichOnly, Bold},
    MacroCommand{"italic", A::OnOff, M::RichOnly, Italic},
    MacroCommand{"underlined", A::OnOff, M::RichOnly, Underlined},
    MacroCommand{"underline", A::OnOff, M::RichOnly, Underlined},
    MacroCommand{"insert", A::Text, M::Any, Insert},
    MacroCommand{"delete", A::Ignored, M::Any, Delete},
};

} // namespace

std::span<const MacroCommand> MacroCommands()
{
    return kCommands;
}

const MacroCommand* FindMacroCommand(const QString& word)
{
    for (const MacroCommand& command : kCommands)
        if (word == QLatin1StringView(command.word))
            return &command;
    return nullptr;
}

std::optional<int> CheckMacroCall(const MacroCommand& command, const std::optional<QString>& argument,
                                  bool plainText)
{
    if ((command.mode == MacroMode::RichOnly && plainText) || (command.mode == MacroMode::PlainOnly && !plainText))
        return std::nullopt;
    switch (command.argument) {
    case MacroArgument::Integer:
        return argument ? ReadMacroInteger(*argument) : std::nullopt;
    case MacroArgument::OptionalInteger:
        return argument ? ReadMacroInteger(*argument) : std::optional<int>(1);
    case MacroArgument::Pair:
        if (!argument || !SplitReplacePair(*argument))
            return std::nullopt;
        return 0;
    default:
        return 0;
    }
}

bool IsOnArgument(const QString& argument)
{
    return LowerAscii(argument) == QLatin1String("on");
}

std::optional<ReplacePair> SplitReplacePair(const QString& argument)
{
    const QLatin1StringView with(" with ");
    if (const qsizetype at = argument.indexOf(with); at >= 0)
        return ReplacePair{argument.left(at), argument.mid(at + with.size())};
    return SplitReplacePairAtBlank(argument);
}

std::optional<ReplacePair> SplitReplacePairAtBlank(const QString& argument)
{
    const qsizetype blank = argument.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return std::nullopt;
    return ReplacePair{argument.left(blank), argument.mid(blank + 1)};
}

int ClampPosition(qint64 position, int textLength)
{
    return int(std::clamp<qint64>(position, 0, std::max(textLength, 0)));
}
