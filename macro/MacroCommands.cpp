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

#include <QFileInfo>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <limits>

namespace {

bool IsOn(const MacroCall& call)
{
    return call.argument && *call.argument == QLatin1String("on");
}

void Exit(TMainForm& form, const MacroCall&) { form.Exit1Click(); }

// A macro from elsewhere writes outside its document's folder, or reads a
// private file, only with the user's yes; a no fails the line.
void PermitOrFail(TMainForm& form, PathAccess access, const QString& path)
{
    if (!PermitMacroPath(form, access, path))
        throw AppError(QStringLiteral("not allowed: ") + path);
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

void EndSel(TMainForm& form, const MacroCall& call)
{
    form.RichEdit->SetSelLength(OffsetPosition(call.number, -form.RichEdit->SelStart()));
}

void SelectAll(TMainForm& form, const MacroCall&) { form.SelectAll1Click(); }

void SelLength(TMainForm& form, const MacroCall& call)
{
    form.RichEdit->setFocus();
    form.RichEdit->SetSelLength(call.number);
}

void MoveRight(TMainForm& form, const MacroCall& call)
{
    form.RichEdit->SetSelStart(OffsetPosition(form.RichEdit->SelStart(), call.number));
}

void MoveLeft(TMainForm& form, const MacroCall& call)
{
    // Negating INT_MIN would overflow; moving right by it changes nothing.
    const int back = call.number == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : call.number;
    form.RichEdit->SetSelStart(OffsetPosition(form.RichEdit->SelStart(), -back));
}

void Copy(TMainForm& form, const MacroCall&) { form.Copy1Click(); }
void Cut(TMainForm& form, const MacroCall&) { form.Cut1Click(); }
void Paste(TMainForm& form, const MacroCall&) { form.Paste1Click(); }

void AutoTab(TMainForm& form, const MacroCall& call)
{
    if (form.IsChecked(QStringLiteral("AutoTab")) != IsOn(call))
        form.AutoTabClick();
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
    MacroCommand{"insert", A::Text, M::Any, Insert},
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
        return argument ? ReadMacroInteger(*argument) : std::optional<int>(0);
    case MacroArgument::Pair:
        if (!argument || !SplitReplacePair(*argument))
            return std::nullopt;
        return 0;
    default:
        return 0;
    }
}

std::optional<ReplacePair> SplitReplacePair(const QString& argument)
{
    const qsizetype blank = argument.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return std::nullopt;
    return ReplacePair{argument.left(blank), argument.mid(blank + 1)};
}

int OffsetPosition(int position, int distance)
{
    const qint64 moved = qint64(position) + distance;
    return int(std::clamp<qint64>(moved, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
