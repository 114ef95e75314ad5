// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandMap.h"

#include "app/MainForm.h"

#include <QCoreApplication>
#include <iterator>

namespace {
using F = TMainForm;

constexpr CommandDef Row(Command command, const char* mainName, const char* contextName, const char* caption,
                         const char* shortcut, Handler handler)
{
    return CommandDef{command, {mainName, contextName}, {caption, caption}, shortcut, handler, true, false, false};
}
constexpr CommandDef Disabled(CommandDef def)
{
    def.enabled = false;
    return def;
}
constexpr CommandDef Checkable(CommandDef def, bool checked)
{
    def.checkable = true;
    def.checked = checked;
    return def;
}
constexpr CommandDef ContextCaption(CommandDef def, const char* caption)
{
    def.captions[int(Twin::Context)] = caption;
    return def;
}

// In Command order.
constexpr CommandDef kCommands[] = {
    ContextCaption(Row(Command::Open, "Open2", "Open1", QT_TRANSLATE_NOOP("CommandMap", "&Open ..."), "Ctrl+O",
                       &F::Open1Click),
                   QT_TRANSLATE_NOOP("CommandMap", "&Open File ...")),
    ContextCaption(Row(Command::Save, "Save2", "Save1", QT_TRANSLATE_NOOP("CommandMap", "&Save"), "Ctrl+S",
                       &F::Save1Click),
                   QT_TRANSLATE_NOOP("CommandMap", "&Save File")),
    Row(Command::SaveAs, "SaveAs2", "SaveAs1", QT_TRANSLATE_NOOP("CommandMap", "S&ave As ..."), "F2", &F::SaveAs1Click),
    Row(Command::SaveQuit, "SaveQuit2", "SaveQuit1", QT_TRANSLATE_NOOP("CommandMap", "Save && &Quit"), "F8",
        &F::SaveQuit1Click),
    Row(Command::Reload, "Reload1", "Reload2", QT_TRANSLATE_NOOP("CommandMap", "&Reload"), "", &F::Reload1Click),
    ContextCaption(Row(Command::Close, "Close1", "Clear1", QT_TRANSLATE_NOOP("CommandMap", "&Close"), "Ctrl+F4",
                       &F::Clear1Click),
                   QT_TRANSLATE_NOOP("CommandMap", "Close F&ile")),
    ContextCaption(Row(Command::DeleteFile, "Delete3", "Delete1", QT_TRANSLATE_NOOP("CommandMap", "&Delete"),
                       "Ctrl+D", &F::Delete1Click),
                   QT_TRANSLATE_NOOP("CommandMap", "&Delete File")),
    Row(Command::Print, "Print2", "Print1", QT_TRANSLATE_NOOP("CommandMap", "&Print ..."), "Ctrl+P", &F::Print1Click),
    Row(Command::PrinterSetup, "PrinterSetup3", "PrinterSetup1", QT_TRANSLATE_NOOP("CommandMap", "Pr&inter Setup ..."),
        "", &F::PrinterSetup1Click),
    Disabled(Row(Command::ClearRecentFiles, "ClearRecentFiles2", "ClearRecentFiles1",
                 QT_TRANSLATE_NOOP("CommandMap", "&Clear List"), "", &F::ClearRecentFilesClick)),
    Row(Command::Exit, "Exit1", "Exit2", QT_TRANSLATE_NOOP("CommandMap", "E&xit"), "", &F::Exit1Click),

    Row(Command::Undo, "Undo2", "Undo1", QT_TRANSLATE_NOOP("CommandMap", "&Undo"), "Ctrl+Z", &F::Undo1Click),
    Disabled(Row(Command::Redo, "Redo2", "Redo1", QT_TRANSLATE_NOOP("CommandMap", "&Redo"), "Ctrl+Y; Ctrl+Shift+Z",
                 &F::Redo1Click)),
    Row(Command::Cut, "Cut2", "Cut1", QT_TRANSLATE_NOOP("CommandMap", "&Cut"), "Ctrl+X", &F::Cut1Click),
    ContextCaption(Row(Command::Copy, "Copy2", "Copy1", QT_TRANSLATE_NOOP("CommandMap", "C&opy"), "Ctrl+C",
                       &F::Copy1Click),
                   QT_TRANSLATE_NOOP("CommandMap", "Cop&y")),
    Row(Command::Paste, "Paste2", "Paste1", QT_TRANSLATE_NOOP("CommandMap", "&Paste"), "Ctrl+V", &F::Paste1Click),
    Row(Command::SelectAll, "SelectAll2", "SelectAll1", QT_TRANSLATE_NOOP("CommandMap", "&Select All"), "Ctrl+A",
        &F::SelectAll1Click),

    Row(Command::Find, "Find2", "Find1", QT_TRANSLATE_NOOP("CommandMap", "&Find ..."), "Ctrl+F", &F::Find1Click),
    ContextCaption(Row(Command::FindAgain, "FindAgain1", "FindAgain", QT_TRANSLATE_NOOP("CommandMap", "Find A&gain"),
                       "F3", &F::FindAgainClick),
                   QT_TRANSLATE_NOOP("CommandMap", "Find &Again")),
    Row(Command::Replace, "Replace2", "Replace1", QT_TRANSLATE_NOOP("CommandMap", "&Replace ..."), "Ctrl+R",
        &F::Replace1Click),
    Row(Command::GotoLine, "GotoLine1", "GotoLine2", QT_TRANSLATE_NOOP("CommandMap", "&Goto Line ..."), "Ctrl+G",
        &F::GotoLine1Click),
    Disabled(Row(Command::MarkLine, "MarkLine1", "MarkLine2", QT_TRANSLATE_NOOP("CommandMap", "&Toggle Line Marker"),
                 "F4", &F::MarkLine1Click)),
    Row(Command::ShowLineMarkers, "ShowLineMarkers1", "ShowLineMarkers2",
        QT_TRANSLATE_NOOP("CommandMap", "&Show Line Markers"), "F5", &F::ShowLineMarkers1Click),

    Row(Command::Colour, "Color1", "Colour1", QT_TRANSLATE_NOOP("CommandMap", "&Colour ..."), "", &F::Colour1Click),
    Checkable(Row(Command::ReplaceSpecialCharacters, "ReplaceSpecialCharacters", "Replacespecialcharacters1",
                  QT_TRANSLATE_NOOP("CommandMap", "&Replace special characters"), "",
                  &F::ReplaceSpecialCharactersClick),
              false),
    Checkable(Row(Command::HtmlToolbar, "Toolbar2", "Toolbar3", QT_TRANSLATE_NOOP("CommandMap", "Tool&bar"), "Ctrl+H",
                  &F::Toolbar2Click),
              false),
    Row(Command::TidyDocument, "SyntaxCheck1", "SyntaxCheck", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Document ..."), "",
        &F::SyntaxCheckClick),
    Row(Command::TidyLocation, "TidyLocation1", "TidyLocation2", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Location ..."),
        "", &F::TidyLocation1Click),
    Row(Command::TidyOptions, "TidyOptions1", "TidyOptions2", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Options ..."), "",
        &F::TidyOptions1Click),
    Row(Command::TestDocument, "TestDocument1", "TestDocument2", QT_TRANSLATE_NOOP("CommandMap", "&Test Document ..."),
        "Ctrl+T", &F::TestDocument2Click),

    Checkable(Row(Command::AlwaysStayOnTop, "AlwaysStayOnTop1", "AlwaysStayOnTop",
                  QT_TRANSLATE_NOOP("CommandMap", "A&lways stay on top"), "", &F::AlwaysStayOnTopClick),
              false),
    Checkable(Row(Command::AutoTab, "AutoTab1", "AutoTab", QT_TRANSLATE_NOOP("CommandMap", "&AutoTab"), "",
                  &F::AutoTabClick),
              false),
    Checkable(Row(Command::CenterOnScreen, "CenterOnScreen1", "CenterOnScreen",
                  QT_TRANSLATE_NOOP("CommandMap", "&Center on Screen"), "", &F::CenterOnScreenClick),
              false),
    Checkable(Row(Command::Trash, "Trash1", "Trash", QT_TRANSLATE_NOOP("CommandMap", "&Delete to Recycle Bin"), "",
                  &F::TrashClick),
              true),
    Checkable(Row(Command::FixedFont, "FixedFont1", "FixedFont",
                  QT_TRANSLATE_NOOP("CommandMap", "Fi&xed Font for Source Code"), "", &F::FixedFontClick),
              true),
    Checkable(Row(Command::MenuVisible, "MenuVisible1", "Menuvisible", QT_TRANSLATE_NOOP("CommandMap", "&Menu visible"),
                  "", &F::MenuvisibleClick),
              true),
    Checkable(Row(Command::RememberDirs, "RememberDirs1", "RememberDirs",
                  QT_TRANSLATE_NOOP("CommandMap", "Remem&ber Directories"), "", &F::RememberDirsClick),
              true),
    Checkable(Row(Command::RememberPos, "RememberPos1", "RememberPos",
                  QT_TRANSLATE_NOOP("CommandMap", "&Remember Position"), "", &F::RememberPosClick),
              false),
    Checkable(Row(Command::ToolbarVisible, "ToolbarVisible1", "Toolbarvisible",
                  QT_TRANSLATE_NOOP("CommandMap", "Toolbar &visible"), "", &F::ToolbarvisibleClick),
              true),
    Row(Command::Font, "Font2", "Font1", QT_TRANSLATE_NOOP("CommandMap", "&Font ..."), "", &F::Font1Click),
    Checkable(Row(Command::PlainText, "PlainText1", "PlainText", QT_TRANSLATE_NOOP("CommandMap", "Plain &Text"), "",
                  &F::PlainTextClick),
              true),
    Checkable(Row(Command::WordWrap, "Wordwrap1", "WordWrap", QT_TRANSLATE_NOOP("CommandMap", "&Wordwrap"), "",
                  &F::WordWrapClick),
              true),
    Checkable(Row(Command::SaveLineMarkers, "SaveLineMarkers1", "SaveLineMarkers2",
                  QT_TRANSLATE_NOOP("CommandMap", "Sav&e Line Markers"), "", &F::SaveLineMarkers1Click),
              true),
    Checkable(Row(Command::SortMacros, "SortMacros1", "SortMacros", QT_TRANSLATE_NOOP("CommandMap", "&Sort Macros"), "",
                  &F::SortMacrosClick),
              true),
    Checkable(Row(Command::LineNumbers, "LineNumbers1", "LineNumbers", QT_TRANSLATE_NOOP("CommandMap", "Line &Numbers"),
                  "", &F::LineNumbersClick),
              false),
    Row(Command::ZoomIn, "ZoomIn1", "ZoomIn", QT_TRANSLATE_NOOP("CommandMap", "Zoom &In"), "Ctrl++; Ctrl+=",
        &F::ZoomInClick),
    Row(Command::ZoomOut, "ZoomOut1", "ZoomOut", QT_TRANSLATE_NOOP("CommandMap", "Zoom &Out"), "Ctrl+-",
        &F::ZoomOutClick),
    Row(Command::ResetZoom, "ResetZoom1", "ResetZoom", QT_TRANSLATE_NOOP("CommandMap", "&Reset Zoom"), "Ctrl+0",
        &F::ResetZoomClick),
    Checkable(Row(Command::SyntaxColouring, "SyntaxColouring1", "SyntaxColouring",
                  QT_TRANSLATE_NOOP("CommandMap", "Syntax &Colouring"), "", &F::SyntaxColouringClick),
              true),

    Disabled(Row(Command::Run, "Run2", "Run1", QT_TRANSLATE_NOOP("CommandMap", "&Run"), "Ctrl+M", &F::RunButtonClick)),
    Row(Command::Record, "Record2", "Record1", QT_TRANSLATE_NOOP("CommandMap", "R&ecord"), "", &F::Record1Click),
    Disabled(Row(Command::Stop, "Stop2", "Stop1", QT_TRANSLATE_NOOP("CommandMap", "&Stop"), "", &F::Stop1Click)),
    Row(Command::MacroBrowser, "Macrobrowser1", "Macrobrowser2", QT_TRANSLATE_NOOP("CommandMap", "&Macrobrowser ..."),
        "Ctrl+B", &F::MakroChooseClick),
    Row(Command::MacroDirectory, "MacroDirectory1", "ChooseMakroDirectory1",
        QT_TRANSLATE_NOOP("CommandMap", "Ma&cro Directory ..."), "", &F::MacroDirectory1Click),
    Row(Command::NewFolder, "NewFolder1", "NewFolder", QT_TRANSLATE_NOOP("CommandMap", "&New Folder"), "Ctrl+N",
        &F::NewFolderClick),
    Disabled(Row(Command::DeleteMacro, "Delete4", "Delete2", QT_TRANSLATE_NOOP("CommandMap", "&Delete"), "",
                 &F::Delete2Click)),

    Row(Command::Help, "Help1", "Help2", QT_TRANSLATE_NOOP("CommandMap", "&Help"), "F1", &F::Help1Click),
    Row(Command::About, "Info1", "Info2", QT_TRANSLATE_NOOP("CommandMap", "&About"), "", &F::InfoClick),
};

constexpr bool InCommandOrder()
{
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        if (kCommands[i].command != Command(i))
            return false;
    return true;
}
static_assert(std::size(kCommands) == kCommandCount && InCommandOrder(), "one row per command, in Command order");

constexpr MenuEntry kSeparator{MenuEntry::Separator, Command::Open, nullptr};
constexpr MenuEntry Cmd(Command command)
{
    return MenuEntry{MenuEntry::Item, command, nullptr};
}
constexpr MenuEntry MainOnly(Command command)
{
    return MenuEntry{MenuEntry::MainOnlyItem, command, nullptr};
}
constexpr MenuEntry Sub(const MenuLayout& menu)
{
    return MenuEntry{MenuEntry::Submenu, Command::Open, &menu};
}

constexpr ToolButtonDef kToolSeparator{nullptr, nullptr, nullptr, Command::Open, false};
constexpr ToolButtonDef Button(const char* name, const char* hint, const char* icon, Command command,
                               bool checkable = false)
{
    return ToolButtonDef{name, hint, icon, command, checkable};
}
} // namespace

const CommandDef& CommandOf(Command command)
{
    return kCommands[std::size_t(command)];
}

QString CommandText(const char* text)
{
    return QCoreApplication::translate("CommandMap", text);
}

const std::vector<MenuLayout>& MainMenuLayout()
{
    using C = Command;
    // Entries are put in before the separator while documents are listed.
    static const MenuLayout recentFiles{{kRecentFilesMenuMain, kRecentFilesMenuContext},
                                        QT_TRANSLATE_NOOP("CommandMap", "Recent &Files"),
                                        {kSeparator, Cmd(C::ClearRecentFiles)}};
    static const std::vector<MenuLayout> menus = {
        {{"FileMenu", "FileMenu1"},
         QT_TRANSLATE_NOOP("CommandMap", "&File"),
         {Cmd(C::Open), Cmd(C::Save), Cmd(C::SaveAs), Cmd(C::SaveQuit), Cmd(C::Reload), Cmd(C::Close),
          Cmd(C::DeleteFile), Cmd(C::Print), Cmd(C::PrinterSetup), Sub(recentFiles), Cmd(C::Exit)}},
        // No twin: the context menu has these items at its top.
        {{"EditMenu", nullptr},
         QT_TRANSLATE_NOOP("CommandMap", "&Edit"),
         {Cmd(C::Undo), Cmd(C::Redo), Cmd(C::Cut), Cmd(C::Copy), Cmd(C::Paste), Cmd(C::SelectAll)}},
        {{"FindMenu", "FindMenu1"},
         QT_TRANSLATE_NOOP("CommandMap", "F&ind"),
         {Cmd(C::Find), Cmd(C::FindAgain), Cmd(C::Replace), Cmd(C::GotoLine), MainOnly(C::MarkLine),
          Cmd(C::ShowLineMarkers)}},
        {{"HTMLMenu", "HTMLMenu1"},
         QT_TRANSLATE_NOOP("CommandMap", "HTM&L"),
         {Cmd(C::Colour), Cmd(C::ReplaceSpecialCharacters), Cmd(C::HtmlToolbar), Cmd(C::TidyDocument),
          Cmd(C::TidyLocation), Cmd(C::TidyOptions), Cmd(C::TestDocument)}},
        {{"OptionsMenu", "OptionsMenu1"},
         QT_TRANSLATE_NOOP("CommandMap", "Op&tions"),
         {Cmd(C::AlwaysStayOnTop), Cmd(C::AutoTab), Cmd(C::CenterOnScreen), Cmd(C::Trash), Cmd(C::FixedFont),
          Cmd(C::MenuVisible), Cmd(C::RememberDirs), Cmd(C::RememberPos), Cmd(C::ToolbarVisible), Cmd(C::Font),
          Cmd(C::PlainText), Cmd(C::WordWrap), Cmd(C::SaveLineMarkers), Cmd(C::SortMacros),
          // Line numbers and zoom.
          kSeparator, Cmd(C::LineNumbers), Cmd(C::ZoomIn), Cmd(C::ZoomOut), Cmd(C::ResetZoom),
          Cmd(C::SyntaxColouring)}},
        {{"MacroMenu", "MacroMenu1"},
         QT_TRANSLATE_NOOP("CommandMap", "&Macro"),
         {Cmd(C::Run), Cmd(C::Record), Cmd(C::Stop), Cmd(C::MacroBrowser), Cmd(C::MacroDirectory),
          Cmd(C::NewFolder), Cmd(C::DeleteMacro)}},
        {{"HelpMenu", "HelpMenu1"}, QT_TRANSLATE_NOOP("CommandMap", "&?"), {Cmd(C::Help), Cmd(C::About)}},
    };
    return menus;
}

const std::vector<MenuEntry>& ContextMenuLayout()
{
    static const std::vector<MenuEntry> entries = [] {
        std::vector<MenuEntry> top;
        for (const MenuLayout& menu : MainMenuLayout())
            if (!menu.names[int(Twin::Context)])
                top.insert(top.end(), menu.entries.begin(), menu.entries.end());
        top.insert(top.end(), {kSeparator, Cmd(Command::MarkLine), kSeparator});
        for (const MenuLayout& menu : MainMenuLayout())
            if (menu.names[int(Twin::Context)])
                top.push_back(Sub(menu));
        return top;
    }();
    return entries;
}

const std::vector<ToolButtonDef>& MainToolButtons()
{
    static const std::vector<ToolButtonDef> buttons = {
        Button("OpenButton", QT_TRANSLATE_NOOP("CommandMap", "open"), "open", Command::Open),
        Button("SaveButton", QT_TRANSLATE_NOOP("CommandMap", "save"), "save", Command::Save),
        Button("DeleteButton", QT_TRANSLATE_NOOP("CommandMap", "delete"), "delete", Command::DeleteFile),
        kToolSeparator,
        Button("CutButton", QT_TRANSLATE_NOOP("CommandMap", "cut"), "cut", Command::Cut),
        Button("CopyButton", QT_TRANSLATE_NOOP("CommandMap", "copy"), "copy", Command::Copy),
        Button("PasteButton", QT_TRANSLATE_NOOP("CommandMap", "paste"), "paste", Command::Paste),
        kToolSeparator,
        Button("UndoButton", QT_TRANSLATE_NOOP("CommandMap", "undo"), "undo", Command::Undo),
        kToolSeparator,
        Button("FindButton", QT_TRANSLATE_NOOP("CommandMap", "find"), "find", Command::Find),
        kToolSeparator,
    };
    return buttons;
}
