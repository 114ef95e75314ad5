// SPDX-License-Identifier: GPL-3.0-or-later
// The macro commands. Each calls what the menu item or toolbar button of
// the same command calls, so both behave alike, dialogs included.
#include "macro/MacroCommands.h"

#include "document/DocumentSession.h"
#include "editor/RichEdit.h"
#include "macro/Escapes.h"
#include "macro/MacroHost.h"
#include "macro/MacroLanguage.h"
#include "macro/MacroPaths.h"
#include "platform/AppError.h"

#include <QCoreApplication>
#include <QFileInfo>
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
int WithinText(MacroHost& host, qint64 position)
{
    return ClampPosition(position, host.Editor().TextLength());
}

// Selects from the selection start to the position.
void SelectTo(MacroHost& host, qint64 end)
{
    TRichEdit& edit = host.Editor();
    const int start = edit.SelStart();
    edit.SetSelLength(WithinText(host, end) - start);
}

void Exit(MacroHost& host, const MacroCall&)
{
    host.Exit();
}

// A macro from elsewhere writes outside its document's folder, or reads a
// private file, only with the user's yes; a no fails the line.
void PermitOrFail(MacroHost& host, PathAccess access, const QString& path)
{
    if (!PermitMacroPath(host, access, path))
        throw AppError(QCoreApplication::translate("MacroCommands", "not allowed: %1").arg(path));
}

void SaveFile(MacroHost& host, const MacroCall& call)
{
    DocumentState& doc = host.Session().State();
    PermitOrFail(host, PathAccess::Write, call.argument.value_or(doc.CurrentFile));
    if (call.argument) {
        // Another file: what was seen of the open one does not apply to it.
        if (QFileInfo(*call.argument).absoluteFilePath() != QFileInfo(doc.CurrentFile).absoluteFilePath())
            doc.LastSeen = {};
        doc.CurrentFile = *call.argument;
    } else {
        host.Editor().SetModified(true);
    }
    host.Session().Save();
}

void OpenFile(MacroHost& host, const MacroCall& call)
{
    if (call.argument) {
        PermitOrFail(host, PathAccess::Read, *call.argument);
        host.Session().Open(*call.argument);
    } else {
        host.Session().Open();
    }
}

void ClearFile(MacroHost& host, const MacroCall&)
{
    host.Session().Close();
}
void DeleteFile(MacroHost& host, const MacroCall&)
{
    host.Session().Delete();
}
void Font(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelFontName(call.Text());
}
void Size(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelSize(call.number);
}
void AlignLeft(MacroHost& host, const MacroCall&)
{
    host.Align(AlignLeftCode);
}
void AlignRight(MacroHost& host, const MacroCall&)
{
    host.Align(AlignRightCode);
}
void Center(MacroHost& host, const MacroCall&)
{
    host.Align(AlignCenterCode);
}
void StartSel(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelStart(call.number);
}

void EndSel(MacroHost& host, const MacroCall& call)
{
    SelectTo(host, call.number);
}

void SelectAll(MacroHost& host, const MacroCall&)
{
    host.Edit(MacroEdit::SelectAll);
}

void SelLength(MacroHost& host, const MacroCall& call)
{
    host.Editor().setFocus();
    SelectTo(host, qint64(host.Editor().SelStart()) + call.number);
}

void MoveRight(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelStart(WithinText(host, qint64(host.Editor().SelStart()) + call.number));
}

void MoveLeft(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelStart(WithinText(host, qint64(host.Editor().SelStart()) - call.number));
}

// The Delete key: the selection, or else the character after the caret
// (a line break is one).
void Delete(MacroHost& host, const MacroCall&)
{
    TRichEdit& edit = host.Editor();
    if (edit.SelLength() == 0) {
        if (edit.SelStart() >= edit.TextLength())
            return;
        edit.SetSelLength(1);
    }
    edit.ReplaceSelection(QString());
}

void Copy(MacroHost& host, const MacroCall&)
{
    host.Edit(MacroEdit::Copy);
}
void Cut(MacroHost& host, const MacroCall&)
{
    host.Edit(MacroEdit::Cut);
}
void Paste(MacroHost& host, const MacroCall&)
{
    host.Edit(MacroEdit::Paste);
}

// The options a recording writes with On or Off are set, not flipped.
void SetOption(MacroHost& host, MacroOption option, const MacroCall& call)
{
    if (host.OptionOn(option) != IsOn(call))
        host.FlipOption(option);
}

void AutoTab(MacroHost& host, const MacroCall& call)
{
    SetOption(host, MacroOption::AutoTab, call);
}
void CenterOnScreen(MacroHost& host, const MacroCall& call)
{
    SetOption(host, MacroOption::CenterOnScreen, call);
}
void RememberPos(MacroHost& host, const MacroCall& call)
{
    SetOption(host, MacroOption::RememberPos, call);
}

void PlainText(MacroHost& host, const MacroCall&)
{
    host.FlipOption(MacroOption::PlainText);
}
void AlwaysStayOnTop(MacroHost& host, const MacroCall&)
{
    host.FlipOption(MacroOption::AlwaysStayOnTop);
}
void WordWrap(MacroHost& host, const MacroCall&)
{
    host.FlipOption(MacroOption::WordWrap);
}
void PrinterSetup(MacroHost& host, const MacroCall&)
{
    host.PrinterSetup();
}
void Print(MacroHost& host, const MacroCall&)
{
    host.Print();
}

void Find(MacroHost& host, const MacroCall& call)
{
    host.Find(call.Text());
}

// The pair was checked before the call.
void Replace(MacroHost& host, const MacroCall& call)
{
    host.Replace(*SplitReplacePair(call.Text()), false);
}
void ReplaceAll(MacroHost& host, const MacroCall& call)
{
    host.Replace(*SplitReplacePair(call.Text()), true);
}

// The style buttons follow when the run ends and the selection is looked at again.
void Bold(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelBold(IsOn(call));
}
void Italic(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelItalic(IsOn(call));
}
void Underlined(MacroHost& host, const MacroCall& call)
{
    host.Editor().SetSelUnderline(IsOn(call));
}

void Insert(MacroHost& host, const MacroCall& call)
{
    host.Editor().ReplaceSelection(DecodeEscapes(call.Text()));
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

}   // namespace

std::span<const MacroCommand> MacroCommands()
{
    return kCommands;
}

bool ExecuteMacroCommand(MacroHost& host, const QString& word, const std::optional<QString>& argument)
{
    const MacroCommand* command = FindMacroCommand(word);
    if (!command)
        return false;
    // Whatever a command changed before it failed stays changed.
    try {
        const std::optional<int> number = CheckMacroCall(*command, argument, host.Session().State().IsPlainDocument);
        if (!number)
            return false;
        command->run(host, MacroCall{argument, *number});
        return true;
    } catch (...) {
        return false;
    }
}

const MacroCommand* FindMacroCommand(const QString& word)
{
    for (const MacroCommand& command : kCommands)
        if (word == QLatin1StringView(command.word))
            return &command;
    return nullptr;
}

std::optional<int> CheckMacroCall(const MacroCommand& command, const std::optional<QString>& argument, bool plainText)
{
    if ((command.mode == MacroMode::RichOnly && plainText) || (command.mode == MacroMode::PlainOnly && !plainText))
        return std::nullopt;
    switch (command.argument) {
    case MacroArgument::Integer: return argument ? ReadMacroInteger(*argument) : std::nullopt;
    case MacroArgument::OptionalInteger: return argument ? ReadMacroInteger(*argument) : std::optional<int>(1);
    case MacroArgument::Pair:
        if (!argument || !SplitReplacePair(*argument))
            return std::nullopt;
        return 0;
    default: return 0;
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
