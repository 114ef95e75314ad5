// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandMap.h"

namespace {
constexpr MenuItemDef Sep{};
MenuItemDef Item(const char* name, const char* caption, const char* shortcut, const char* handler)
{
    return MenuItemDef{name, caption, shortcut, handler, true, false, false};
}
MenuItemDef Disabled(const char* name, const char* caption, const char* shortcut, const char* handler)
{
    return MenuItemDef{name, caption, shortcut, handler, false, false, false};
}
MenuItemDef Check(const char* name, const char* caption, const char* handler, bool checked,
                  const char* shortcut = "")
{
    return MenuItemDef{name, caption, shortcut, handler, true, true, checked};
}
MenuItemDef Submenu(const char* name, const char* caption, const std::vector<MenuItemDef>* children)
{
    MenuItemDef def{name, caption, "", nullptr, true, false, false};
    def.children = children;
    return def;
}

// Entries are put in before the separator while documents are listed.
const std::vector<MenuItemDef>* RecentFilesItems(bool main)
{
    static const std::vector<MenuItemDef> mainItems = {
        Sep, Disabled("ClearRecentFiles2", "&Clear List", "", "ClearRecentFilesClick")};
    static const std::vector<MenuItemDef> contextItems = {
        Sep, Disabled("ClearRecentFiles1", "&Clear List", "", "ClearRecentFilesClick")};
    return main ? &mainItems : &contextItems;
}
} // namespace

const std::vector<MenuDef>& MainMenuDefs()
{
    static const std::vector<MenuDef> menus = {
        {"FileMenu", "&File",
         {Item("Open2", "&Open ...", "Ctrl+O", "Open1Click"),
          Item("Save2", "&Save", "Ctrl+S", "Save1Click"),
          Item("SaveAs2", "S&ave As ...", "F2", "SaveAs1Click"),
          Item("SaveQuit2", "Save && &Quit", "F8", "SaveQuit1Click"),
          Item("Reload1", "&Reload", "", "Reload1Click"),
          Item("Close1", "&Close", "Ctrl+F4", "Clear1Click"),
          Item("Delete3", "&Delete", "Ctrl+D", "Delete1Click"),
          Item("Print2", "&Print ...", "Ctrl+P", "Print1Click"),
          Item("PrinterSetup3", "Pr&inter Setup ...", "", "PrinterSetup1Click"),
          Submenu(kRecentFilesMenuMain, "Recent &Files", RecentFilesItems(true)),
          Item("Exit1", "E&xit", "", "Exit1Click")}},
        {"EditMenu", "&Edit",
         {Item("Undo2", "&Undo", "Ctrl+Z", "Undo1Click"),
          Disabled("Redo2", "&Redo", "Ctrl+Y; Ctrl+Shift+Z", "Redo1Click"),
          Item("Cut2", "&Cut", "Ctrl+X", "Cut1Click"),
          Item("Copy2", "C&opy", "Ctrl+C", "Copy1Click"),
          Item("Paste2", "&Paste", "Ctrl+V", "Paste1Click"),
          Item("SelectAll2", "&Select All", "Ctrl+A", "SelectAll1Click")}},
        {"FindMenu", "F&ind",
         {Item("Find2", "&Find ...", "Ctrl+F", "Find1Click"),
          Item("FindAgain1", "Find A&gain", "F3", "FindAgainClick"),
          Item("Replace2", "&Replace ...", "Ctrl+R", "Replace1Click"),
          Item("GotoLine1", "&Goto Line ...", "Ctrl+G", "GotoLine1Click"),
          Disabled("MarkLine1", "&Toggle Line Marker", "F4", "MarkLine1Click"),
          Item("ShowLineMarkers1", "&Show Line Markers", "F5", "ShowLineMarkers1Click")}},
        {"HTMLMenu", "HTM&L",
         {Item("Color1", "&Colour ...", "", "Colour1Click"),
          Check("ReplaceSpecialCharacters", "&Replace special characters",
                "ReplaceSpecialCharactersClick", false),
          Check("Toolbar2", "Tool&bar", "Toolbar2Click", false, "Ctrl+H"),
          Item("SyntaxCheck1", "Tidy &Document ...", "", "SyntaxCheckClick"),
          Item("TidyLocation1", "Tidy &Location ...", "", "TidyLocation1Click"),
          Item("TidyOptions1", "Tidy &Options ...", "", "TidyOptions1Click"),
          Item("TestDocument1", "&Test Document ...", "Ctrl+T", "TestDocument2Click")}},
        {"OptionsMenu", "Op&tions",
         {Check("AlwaysStayOnTop1", "A&lways stay on top", "AlwaysStayOnTopClick", false),
          Check("AutoTab1", "&AutoTab", "AutoTabClick", false),
          Check("CenterOnScreen1", "&Center on Screen", "CenterOnScreenClick", false),
          Check("Trash1", "&Delete to Recycle Bin", "TrashClick", true),
          Check("FixedFont1", "Fi&xed Font for Source Code", "FixedFontClick", true),
          Check("MenuVisible1", "&Menu visible", "MenuvisibleClick", true),
          Check("RememberDirs1", "Remem&ber Directories", "RememberDirsClick", true),
          Check("RememberPos1", "&Remember Position", "RememberPosClick", false),
          Check("ToolbarVisible1", "Toolbar &visible", "ToolbarvisibleClick", true),
          Item("Font2", "&Font ...", "", "Font1Click"),
          Check("PlainText1", "Plain &Text", "PlainTextClick", true),
          Check("Wordwrap1", "&Wordwrap", "WordWrapClick", true),
          Check("SaveLineMarkers1", "Sav&e Line Markers", "SaveLineMarkers1Click", true),
          Check("SortMacros1", "&Sort Macros", "SortMacrosClick", true),
          // Line numbers and zoom.
          Sep,
          Check("LineNumbers1", "Line &Numbers", "LineNumbersClick", false),
          Item("ZoomIn1", "Zoom &In", "Ctrl++; Ctrl+=", "ZoomInClick"),
          Item("ZoomOut1", "Zoom &Out", "Ctrl+-", "ZoomOutClick"),
          Item("ResetZoom1", "&Reset Zoom", "Ctrl+0", "ResetZoomClick"),
          Check("SyntaxColouring1", "Syntax &Colouring", "SyntaxColouringClick", true)}},
        {"MacroMenu", "&Macro",
         {Disabled("Run2", "&Run", "Ctrl+M", "RunButtonClick"),
          Item("Record2", "R&ecord", "", "Record1Click"),
          Disabled("Stop2", "&Stop", "", "Stop1Click"),
          Item("Macrobrowser1", "&Macrobrowser ...", "Ctrl+B", "MakroChooseClick"),
          Item("MacroDirectory1", "Ma&cro Directory ...", "", "MacroDirectory1Click"),
          Item("NewFolder1", "&New Folder", "Ctrl+N", "NewFolderClick"),
          Disabled("Delete4", "&Delete", "", "Delete2Click")}},
        {"HelpMenu", "&?",
         {Item("Help1", "&Help", "F1", "Help1Click"),
          Item("Info1", "&About", "", "InfoClick")}},
    };
    return menus;
}

const std::vector<MenuItemDef>& ContextTopDefs()
{
    static const std::vector<MenuItemDef> items = {
        Item("Undo1", "&Undo", "Ctrl+Z", "Undo1Click"),
        Disabled("Redo1", "&Redo", "Ctrl+Y; Ctrl+Shift+Z", "Redo1Click"),
        Item("Cut1", "&Cut", "Ctrl+X", "Cut1Click"),
        Item("Copy1", "Cop&y", "Ctrl+C", "Copy1Click"),
        Item("Paste1", "&Paste", "Ctrl+V", "Paste1Click"),
        Item("SelectAll1", "&Select All", "Ctrl+A", "SelectAll1Click"),
        Sep,
        Disabled("MarkLine2", "&Toggle Line Marker", "F4", "MarkLine1Click"),
        Sep,
    };
    return items;
}

const std::vector<MenuDef>& ContextSubmenuDefs()
{
    static const std::vector<MenuDef> menus = {
        {"FileMenu1", "&File",
         {Item("Open1", "&Open File ...", "Ctrl+O", "Open1Click"),
          Item("Save1", "&Save File", "Ctrl+S", "Save1Click"),
          Item("SaveAs1", "S&ave As ...", "F2", "SaveAs1Click"),
          Item("SaveQuit1", "Save && &Quit", "F8", "SaveQuit1Click"),
          Item("Reload2", "&Reload", "", "Reload1Click"),
          Item("Clear1", "Close F&ile", "Ctrl+F4", "Clear1Click"),
          Item("Delete1", "&Delete File", "Ctrl+D", "Delete1Click"),
          Item("Print1", "&Print ...", "Ctrl+P", "Print1Click"),
          Item("PrinterSetup1", "Pr&inter Setup ...", "", "PrinterSetup1Click"),
          Submenu(kRecentFilesMenuContext, "Recent &Files", RecentFilesItems(false)),
          Item("Exit2", "E&xit", "", "Exit1Click")}},
        {"FindMenu1", "F&ind",
         {Item("Find1", "&Find ...", "Ctrl+F", "Find1Click"),
          Item("FindAgain", "Find &Again", "F3", "FindAgainClick"),
          Item("Replace1", "&Replace ...", "Ctrl+R", "Replace1Click"),
          Item("GotoLine2", "&Goto Line ...", "Ctrl+G", "GotoLine1Click"),
          Item("ShowLineMarkers2", "&Show Line Markers", "F5", "ShowLineMarkers1Click")}},
        {"HTMLMenu1", "HTM&L",
         {Item("Colour1", "&Colour ...", "", "Colour1Click"),
          Check("Replacespecialcharacters1", "&Replace special characters",
                "ReplaceSpecialCharactersClick", false),
          Check("Toolbar3", "Tool&bar", "Toolbar2Click", false, "Ctrl+H"),
          Item("SyntaxCheck", "Tidy &Document ...", "", "SyntaxCheckClick"),
          Item("TidyLocation2", "Tidy &Location ...", "", "TidyLocation1Click"),
          Item("TidyOptions2", "Tidy &Options ...", "", "TidyOptions1Click"),
          Item("TestDocument2", "&Test Document ...", "Ctrl+T", "TestDocument2Click")}},
        {"OptionsMenu1", "Op&tions",
         {Check("AlwaysStayOnTop", "A&lways stay on top", "AlwaysStayOnTopClick", false),
          Check("AutoTab", "&AutoTab", "AutoTabClick", false),
          Check("CenterOnScreen", "&Center on Screen", "CenterOnScreenClick", false),
          Check("Trash", "&Delete to Recycle Bin", "TrashClick", true),
          Check("FixedFont", "Fi&xed Font for Source Code", "FixedFontClick", true),
          Check("Menuvisible", "&Menu visible", "MenuvisibleClick", true),
          Check("RememberDirs", "Remem&ber Directories", "RememberDirsClick", true),
          Check("RememberPos", "&Remember Position", "RememberPosClick", false),
          Check("Toolbarvisible", "Toolbar &visible", "ToolbarvisibleClick", true),
          Item("Font1", "&Font ...", "", "Font1Click"),
          Check("PlainText", "Plain &Text", "PlainTextClick", true),
          Check("WordWrap", "&Wordwrap", "WordWrapClick", true),
          Check("SaveLineMarkers2", "Sav&e Line Markers", "SaveLineMarkers1Click", true),
          Check("SortMacros", "&Sort Macros", "SortMacrosClick", true),
          // Line numbers and zoom.
          Sep,
          Check("LineNumbers", "Line &Numbers", "LineNumbersClick", false),
          Item("ZoomIn", "Zoom &In", "Ctrl++; Ctrl+=", "ZoomInClick"),
          Item("ZoomOut", "Zoom &Out", "Ctrl+-", "ZoomOutClick"),
          Item("ResetZoom", "&Reset Zoom", "Ctrl+0", "ResetZoomClick"),
          Check("SyntaxColouring", "Syntax &Colouring", "SyntaxColouringClick", true)}},
        {"MacroMenu1", "&Macro",
         {Disabled("Run1", "&Run", "Ctrl+M", "RunButtonClick"),
          Item("Record1", "R&ecord", "", "Record1Click"),
          Disabled("Stop1", "&Stop", "", "Stop1Click"),
          Item("Macrobrowser2", "&Macrobrowser ...", "Ctrl+B", "MakroChooseClick"),
          Item("ChooseMakroDirectory1", "Ma&cro Directory ...", "", "MacroDirectory1Click"),
          Item("NewFolder", "&New Folder", "Ctrl+N", "NewFolderClick"),
          Disabled("Delete2", "&Delete", "", "Delete2Click")}},
        {"HelpMenu1", "&?",
         {Item("Help2", "&Help", "F1", "Help1Click"),
          Item("Info2", "&About", "", "InfoClick")}},
    };
    return menus;
}
