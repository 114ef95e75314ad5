// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandMap.h"

#include "app/MainForm.h"

#include <QCoreApplication>
#include <iterator>

namespace {
using C = Command;
using F = TMainForm;

enum : unsigned { kDisabled = 1, kCheckable = 2, kChecked = 4 };

// The context menu's caption is the main menu's unless given.
constexpr CommandDef Row(Command command, const char* mainName, const char* contextName, const char* caption,
                         Handler handler, const char* shortcut = "", unsigned flags = 0,
                         const char* contextCaption = nullptr)
{
    return CommandDef{command,
                      {mainName, contextName},
                      {caption, contextCaption ? contextCaption : caption},
                      shortcut,
                      handler,
                      (flags & kDisabled) == 0,
                      (flags & kCheckable) != 0,
                      (flags & kChecked) != 0};
}

// In Command order.
constexpr CommandDef kCommands[] = {
    Row(C::Open, "Open2", "Open1", QT_TRANSLATE_NOOP("CommandMap", "&Open ..."), &F::Open1Click, "Ctrl+O", 0,
        QT_TRANSLATE_NOOP("CommandMap", "&Open File ...")),
    Row(C::Save, "Save2", "Save1", QT_TRANSLATE_NOOP("CommandMap", "&Save"), &F::Save1Click, "Ctrl+S", 0,
        QT_TRANSLATE_NOOP("CommandMap", "&Save File")),
    Row(C::SaveAs, "SaveAs2", "SaveAs1", QT_TRANSLATE_NOOP("CommandMap", "S&ave As ..."), &F::SaveAs1Click, "F2"),
    Row(C::SaveQuit, "SaveQuit2", "SaveQuit1", QT_TRANSLATE_NOOP("CommandMap", "Save && &Quit"), &F::SaveQuit1Click,
        "F8"),
    Row(C::Reload, "Reload1", "Reload2", QT_TRANSLATE_NOOP("CommandMap", "&Reload"), &F::Reload1Click),
    Row(C::Close, "Close1", "Clear1", QT_TRANSLATE_NOOP("CommandMap", "&Close"), &F::Clear1Click, "Ctrl+F4", 0,
        QT_TRANSLATE_NOOP("CommandMap", "Close F&ile")),
    Row(C::DeleteFile, "Delete3", "Delete1", QT_TRANSLATE_NOOP("CommandMap", "&Delete"), &F::Delete1Click, "Ctrl+D", 0,
        QT_TRANSLATE_NOOP("CommandMap", "&Delete File")),
    Row(C::Print, "Print2", "Print1", QT_TRANSLATE_NOOP("CommandMap", "&Print ..."), &F::Print1Click, "Ctrl+P"),
    Row(C::PrinterSetup, "PrinterSetup3", "PrinterSetup1", QT_TRANSLATE_NOOP("CommandMap", "Pr&inter Setup ..."),
        &F::PrinterSetup1Click),
    Row(C::ClearRecentFiles, "ClearRecentFiles2", "ClearRecentFiles1", QT_TRANSLATE_NOOP("CommandMap", "&Clear List"),
        &F::ClearRecentFilesClick, "", kDisabled),
    Row(C::Exit, "Exit1", "Exit2", QT_TRANSLATE_NOOP("CommandMap", "E&xit"), &F::Exit1Click),

    Row(C::Undo, "Undo2", "Undo1", QT_TRANSLATE_NOOP("CommandMap", "&Undo"), &F::Undo1Click, "Ctrl+Z"),
    Row(C::Redo, "Redo2", "Redo1", QT_TRANSLATE_NOOP("CommandMap", "&Redo"), &F::Redo1Click, "Ctrl+Y; Ctrl+Shift+Z",
        kDisabled),
    Row(C::Cut, "Cut2", "Cut1", QT_TRANSLATE_NOOP("CommandMap", "&Cut"), &F::Cut1Click, "Ctrl+X"),
    Row(C::Copy, "Copy2", "Copy1", QT_TRANSLATE_NOOP("CommandMap", "C&opy"), &F::Copy1Click, "Ctrl+C", 0,
        QT_TRANSLATE_NOOP("CommandMap", "Cop&y")),
    Row(C::Paste, "Paste2", "Paste1", QT_TRANSLATE_NOOP("CommandMap", "&Paste"), &F::Paste1Click, "Ctrl+V"),
    Row(C::SelectAll, "SelectAll2", "SelectAll1", QT_TRANSLATE_NOOP("CommandMap", "&Select All"), &F::SelectAll1Click,
        "Ctrl+A"),

    Row(C::Find, "Find2", "Find1", QT_TRANSLATE_NOOP("CommandMap", "&Find ..."), &F::Find1Click, "Ctrl+F"),
    Row(C::FindAgain, "FindAgain1", "FindAgain", QT_TRANSLATE_NOOP("CommandMap", "Find A&gain"), &F::FindAgainClick,
        "F3", 0, QT_TRANSLATE_NOOP("CommandMap", "Find &Again")),
    Row(C::Replace, "Replace2", "Replace1", QT_TRANSLATE_NOOP("CommandMap", "&Replace ..."), &F::Replace1Click,
        "Ctrl+R"),
    Row(C::GotoLine, "GotoLine1", "GotoLine2", QT_TRANSLATE_NOOP("CommandMap", "&Goto Line ..."), &F::GotoLine1Click,
        "Ctrl+G"),
    Row(C::MarkLine, "MarkLine1", "MarkLine2", QT_TRANSLATE_NOOP("CommandMap", "&Toggle Line Marker"),
        &F::MarkLine1Click, "F4", kDisabled),
    Row(C::ShowLineMarkers, "ShowLineMarkers1", "ShowLineMarkers2",
        QT_TRANSLATE_NOOP("CommandMap", "&Show Line Markers"), &F::ShowLineMarkers1Click, "F5"),

    Row(C::Colour, "Color1", "Colour1", QT_TRANSLATE_NOOP("CommandMap", "&Colour ..."), &F::Colour1Click),
    Row(C::ReplaceSpecialCharacters, "ReplaceSpecialCharacters", "Replacespecialcharacters1",
        QT_TRANSLATE_NOOP("CommandMap", "&Replace special characters"), &F::ReplaceSpecialCharactersClick, "",
        kCheckable),
    Row(C::HtmlToolbar, "Toolbar2", "Toolbar3", QT_TRANSLATE_NOOP("CommandMap", "Tool&bar"), &F::Toolbar2Click,
        "Ctrl+H", kCheckable),
    Row(C::TidyDocument, "SyntaxCheck1", "SyntaxCheck", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Document ..."),
        &F::SyntaxCheckClick),
    Row(C::TidyLocation, "TidyLocation1", "TidyLocation2", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Location ..."),
        &F::TidyLocation1Click),
    Row(C::TidyOptions, "TidyOptions1", "TidyOptions2", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Options ..."),
        &F::TidyOptions1Click),
    Row(C::TestDocument, "TestDocument1", "TestDocument2", QT_TRANSLATE_NOOP("CommandMap", "&Test Document ..."),
        &F::TestDocument2Click, "Ctrl+T"),

    Row(C::AlwaysStayOnTop, "AlwaysStayOnTop1", "AlwaysStayOnTop",
        QT_TRANSLATE_NOOP("CommandMap", "A&lways stay on top"), &F::AlwaysStayOnTopClick, "", kCheckable),
    Row(C::AutoTab, "AutoTab1", "AutoTab", QT_TRANSLATE_NOOP("CommandMap", "&AutoTab"), &F::AutoTabClick, "",
        kCheckable),
    Row(C::CenterOnScreen, "CenterOnScreen1", "CenterOnScreen", QT_TRANSLATE_NOOP("CommandMap", "&Center on Screen"),
        &F::CenterOnScreenClick, "", kCheckable),
    Row(C::Trash, "Trash1", "Trash", QT_TRANSLATE_NOOP("CommandMap", "&Delete to Recycle Bin"), &F::TrashClick, "",
        kCheckable | kChecked),
    Row(C::FixedFont, "FixedFont1", "FixedFont", QT_TRANSLATE_NOOP("CommandMap", "Fi&xed Font for Source Code"),
        &F::FixedFontClick, "", kCheckable | kChecked),
    Row(C::MenuVisible, "MenuVisible1", "Menuvisible", QT_TRANSLATE_NOOP("CommandMap", "&Menu visible"),
        &F::MenuvisibleClick, "", kCheckable | kChecked),
    Row(C::RememberDirs, "RememberDirs1", "RememberDirs", QT_TRANSLATE_NOOP("CommandMap", "Remem&ber Directories"),
        &F::RememberDirsClick, "", kCheckable | kChecked),
    Row(C::RememberPos, "RememberPos1", "RememberPos", QT_TRANSLATE_NOOP("CommandMap", "&Remember Position"),
        &F::RememberPosClick, "", kCheckable),
    Row(C::ToolbarVisible, "ToolbarVisible1", "Toolbarvisible", QT_TRANSLATE_NOOP("CommandMap", "Toolbar &visible"),
        &F::ToolbarvisibleClick, "", kCheckable | kChecked),
    Row(C::Font, "Font2", "Font1", QT_TRANSLATE_NOOP("CommandMap", "&Font ..."), &F::Font1Click),
    Row(C::PlainText, "PlainText1", "PlainText", QT_TRANSLATE_NOOP("CommandMap", "Plain &Text"), &F::PlainTextClick, "",
        kCheckable | kChecked),
    Row(C::WordWrap, "Wordwrap1", "WordWrap", QT_TRANSLATE_NOOP("CommandMap", "&Wordwrap"), &F::WordWrapClick, "",
        kCheckable | kChecked),
    Row(C::SaveLineMarkers, "SaveLineMarkers1", "SaveLineMarkers2",
        QT_TRANSLATE_NOOP("CommandMap", "Sav&e Line Markers"), &F::SaveLineMarkers1Click, "", kCheckable | kChecked),
    Row(C::SortMacros, "SortMacros1", "SortMacros", QT_TRANSLATE_NOOP("CommandMap", "&Sort Macros"),
        &F::SortMacrosClick, "", kCheckable | kChecked),
    Row(C::LineNumbers, "LineNumbers1", "LineNumbers", QT_TRANSLATE_NOOP("CommandMap", "Line &Numbers"),
        &F::LineNumbersClick, "", kCheckable),
    Row(C::ZoomIn, "ZoomIn1", "ZoomIn", QT_TRANSLATE_NOOP("CommandMap", "Zoom &In"), &F::ZoomInClick, "Ctrl++; Ctrl+="),
    Row(C::ZoomOut, "ZoomOut1", "ZoomOut", QT_TRANSLATE_NOOP("CommandMap", "Zoom &Out"), &F::ZoomOutClick, "Ctrl+-"),
    Row(C::ResetZoom, "ResetZoom1", "ResetZoom", QT_TRANSLATE_NOOP("CommandMap", "&Reset Zoom"), &F::ResetZoomClick,
        "Ctrl+0"),
    Row(C::SyntaxColouring, "SyntaxColouring1", "SyntaxColouring", QT_TRANSLATE_NOOP("CommandMap", "Syntax &Colouring"),
        &F::SyntaxColouringClick, "", kCheckable | kChecked),

    Row(C::Run, "Run2", "Run1", QT_TRANSLATE_NOOP("CommandMap", "&Run"), &F::RunButtonClick, "Ctrl+M", kDisabled),
    Row(C::Record, "Record2", "Record1", QT_TRANSLATE_NOOP("CommandMap", "R&ecord"), &F::Record1Click),
    Row(C::Stop, "Stop2", "Stop1", QT_TRANSLATE_NOOP("CommandMap", "&Stop"), &F::Stop1Click, "", kDisabled),
    Row(C::MacroBrowser, "Macrobrowser1", "Macrobrowser2", QT_TRANSLATE_NOOP("CommandMap", "&Macrobrowser ..."),
        &F::MakroChooseClick, "Ctrl+B"),
    Row(C::MacroDirectory, "MacroDirectory1", "ChooseMakroDirectory1",
        QT_TRANSLATE_NOOP("CommandMap", "Ma&cro Directory ..."), &F::MacroDirectory1Click),
    Row(C::NewFolder, "NewFolder1", "NewFolder", QT_TRANSLATE_NOOP("CommandMap", "&New Folder"), &F::NewFolderClick,
        "Ctrl+N"),
    Row(C::DeleteMacro, "Delete4", "Delete2", QT_TRANSLATE_NOOP("CommandMap", "&Delete"), &F::Delete2Click, "",
        kDisabled),

    Row(C::Help, "Help1", "Help2", QT_TRANSLATE_NOOP("CommandMap", "&Help"), &F::Help1Click, "F1"),
    Row(C::About, "Info1", "Info2", QT_TRANSLATE_NOOP("CommandMap", "&About"), &F::InfoClick),
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
}   // namespace

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
         {Cmd(C::Run), Cmd(C::Record), Cmd(C::Stop), Cmd(C::MacroBrowser), Cmd(C::MacroDirectory), Cmd(C::NewFolder),
          Cmd(C::DeleteMacro)}},
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
