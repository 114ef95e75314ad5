// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandMap.h"

#include <QCoreApplication>

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
        Sep, Disabled("ClearRecentFiles2", QT_TRANSLATE_NOOP("CommandMap", "&Clear List"),
                      "", "ClearRecentFilesClick")};
    static const std::vector<MenuItemDef> contextItems = {
        Sep, Disabled("ClearRecentFiles1", QT_TRANSLATE_NOOP("CommandMap", "&Clear List"),
                      "", "ClearRecentFilesClick")};
    return main ? &mainItems : &contextItems;
}
} // namespace

const std::vector<MenuDef>& MainMenuDefs()
{
    static const std::vector<MenuDef> menus = {
        {"FileMenu", QT_TRANSLATE_NOOP("CommandMap", "&File"),
         {Item("Open2", QT_TRANSLATE_NOOP("CommandMap", "&Open ..."), "Ctrl+O", "Open1Click"),
          Item("Save2", QT_TRANSLATE_NOOP("CommandMap", "&Save"), "Ctrl+S", "Save1Click"),
          Item("SaveAs2", QT_TRANSLATE_NOOP("CommandMap", "S&ave As ..."), "F2", "SaveAs1Click"),
          Item("SaveQuit2", QT_TRANSLATE_NOOP("CommandMap", "Save && &Quit"), "F8", "SaveQuit1Click"),
          Item("Reload1", QT_TRANSLATE_NOOP("CommandMap", "&Reload"), "", "Reload1Click"),
          Item("Close1", QT_TRANSLATE_NOOP("CommandMap", "&Close"), "Ctrl+F4", "Clear1Click"),
          Item("Delete3", QT_TRANSLATE_NOOP("CommandMap", "&Delete"), "Ctrl+D", "Delete1Click"),
          Item("Print2", QT_TRANSLATE_NOOP("CommandMap", "&Print ..."), "Ctrl+P", "Print1Click"),
          Item("PrinterSetup3", QT_TRANSLATE_NOOP("CommandMap", "Pr&inter Setup ..."), "", "PrinterSetup1Click"),
          Submenu(kRecentFilesMenuMain, QT_TRANSLATE_NOOP("CommandMap", "Recent &Files"), RecentFilesItems(true)),
          Item("Exit1", QT_TRANSLATE_NOOP("CommandMap", "E&xit"), "", "Exit1Click")}},
        {"EditMenu", QT_TRANSLATE_NOOP("CommandMap", "&Edit"),
         {Item("Undo2", QT_TRANSLATE_NOOP("CommandMap", "&Undo"), "Ctrl+Z", "Undo1Click"),
          Disabled("Redo2", QT_TRANSLATE_NOOP("CommandMap", "&Redo"), "Ctrl+Y; Ctrl+Shift+Z", "Redo1Click"),
          Item("Cut2", QT_TRANSLATE_NOOP("CommandMap", "&Cut"), "Ctrl+X", "Cut1Click"),
          Item("Copy2", QT_TRANSLATE_NOOP("CommandMap", "C&opy"), "Ctrl+C", "Copy1Click"),
          Item("Paste2", QT_TRANSLATE_NOOP("CommandMap", "&Paste"), "Ctrl+V", "Paste1Click"),
          Item("SelectAll2", QT_TRANSLATE_NOOP("CommandMap", "&Select All"), "Ctrl+A", "SelectAll1Click")}},
        {"FindMenu", QT_TRANSLATE_NOOP("CommandMap", "F&ind"),
         {Item("Find2", QT_TRANSLATE_NOOP("CommandMap", "&Find ..."), "Ctrl+F", "Find1Click"),
          Item("FindAgain1", QT_TRANSLATE_NOOP("CommandMap", "Find A&gain"), "F3", "FindAgainClick"),
          Item("Replace2", QT_TRANSLATE_NOOP("CommandMap", "&Replace ..."), "Ctrl+R", "Replace1Click"),
          Item("GotoLine1", QT_TRANSLATE_NOOP("CommandMap", "&Goto Line ..."), "Ctrl+G", "GotoLine1Click"),
          Disabled("MarkLine1", QT_TRANSLATE_NOOP("CommandMap", "&Toggle Line Marker"), "F4", "MarkLine1Click"),
          Item("ShowLineMarkers1", QT_TRANSLATE_NOOP("CommandMap", "&Show Line Markers"),
               "F5", "ShowLineMarkers1Click")}},
        {"HTMLMenu", QT_TRANSLATE_NOOP("CommandMap", "HTM&L"),
         {Item("Color1", QT_TRANSLATE_NOOP("CommandMap", "&Colour ..."), "", "Colour1Click"),
          Check("ReplaceSpecialCharacters", QT_TRANSLATE_NOOP("CommandMap", "&Replace special characters"),
                "ReplaceSpecialCharactersClick", false),
          Check("Toolbar2", QT_TRANSLATE_NOOP("CommandMap", "Tool&bar"), "Toolbar2Click", false, "Ctrl+H"),
          Item("SyntaxCheck1", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Document ..."), "", "SyntaxCheckClick"),
          Item("TidyLocation1", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Location ..."), "", "TidyLocation1Click"),
          Item("TidyOptions1", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Options ..."), "", "TidyOptions1Click"),
          Item("TestDocument1", QT_TRANSLATE_NOOP("CommandMap", "&Test Document ..."),
               "Ctrl+T", "TestDocument2Click")}},
        {"OptionsMenu", QT_TRANSLATE_NOOP("CommandMap", "Op&tions"),
         {Check("AlwaysStayOnTop1", QT_TRANSLATE_NOOP("CommandMap", "A&lways stay on top"),
                "AlwaysStayOnTopClick", false),
          Check("AutoTab1", QT_TRANSLATE_NOOP("CommandMap", "&AutoTab"), "AutoTabClick", false),
          Check("CenterOnScreen1", QT_TRANSLATE_NOOP("CommandMap", "&Center on Screen"),
                "CenterOnScreenClick", false),
          Check("Trash1", QT_TRANSLATE_NOOP("CommandMap", "&Delete to Recycle Bin"), "TrashClick", true),
          Check("FixedFont1", QT_TRANSLATE_NOOP("CommandMap", "Fi&xed Font for Source Code"), "FixedFontClick", true),
          Check("MenuVisible1", QT_TRANSLATE_NOOP("CommandMap", "&Menu visible"), "MenuvisibleClick", true),
          Check("RememberDirs1", QT_TRANSLATE_NOOP("CommandMap", "Remem&ber Directories"), "RememberDirsClick", true),
          Check("RememberPos1", QT_TRANSLATE_NOOP("CommandMap", "&Remember Position"), "RememberPosClick", false),
          Check("ToolbarVisible1", QT_TRANSLATE_NOOP("CommandMap", "Toolbar &visible"), "ToolbarvisibleClick", true),
          Item("Font2", QT_TRANSLATE_NOOP("CommandMap", "&Font ..."), "", "Font1Click"),
          Check("PlainText1", QT_TRANSLATE_NOOP("CommandMap", "Plain &Text"), "PlainTextClick", true),
          Check("Wordwrap1", QT_TRANSLATE_NOOP("CommandMap", "&Wordwrap"), "WordWrapClick", true),
          Check("SaveLineMarkers1", QT_TRANSLATE_NOOP("CommandMap", "Sav&e Line Markers"),
                "SaveLineMarkers1Click", true),
          Check("SortMacros1", QT_TRANSLATE_NOOP("CommandMap", "&Sort Macros"), "SortMacrosClick", true),
          // Line numbers and zoom.
          Sep,
          Check("LineNumbers1", QT_TRANSLATE_NOOP("CommandMap", "Line &Numbers"), "LineNumbersClick", false),
          Item("ZoomIn1", QT_TRANSLATE_NOOP("CommandMap", "Zoom &In"), "Ctrl++; Ctrl+=", "ZoomInClick"),
          Item("ZoomOut1", QT_TRANSLATE_NOOP("CommandMap", "Zoom &Out"), "Ctrl+-", "ZoomOutClick"),
          Item("ResetZoom1", QT_TRANSLATE_NOOP("CommandMap", "&Reset Zoom"), "Ctrl+0", "ResetZoomClick"),
          Check("SyntaxColouring1", QT_TRANSLATE_NOOP("CommandMap", "Syntax &Colouring"),
                "SyntaxColouringClick", true)}},
        {"MacroMenu", QT_TRANSLATE_NOOP("CommandMap", "&Macro"),
         {Disabled("Run2", QT_TRANSLATE_NOOP("CommandMap", "&Run"), "Ctrl+M", "RunButtonClick"),
          Item("Record2", QT_TRANSLATE_NOOP("CommandMap", "R&ecord"), "", "Record1Click"),
          Disabled("Stop2", QT_TRANSLATE_NOOP("CommandMap", "&Stop"), "", "Stop1Click"),
          Item("Macrobrowser1", QT_TRANSLATE_NOOP("CommandMap", "&Macrobrowser ..."), "Ctrl+B", "MakroChooseClick"),
          Item("MacroDirectory1", QT_TRANSLATE_NOOP("CommandMap", "Ma&cro Directory ..."),
               "", "MacroDirectory1Click"),
          Item("NewFolder1", QT_TRANSLATE_NOOP("CommandMap", "&New Folder"), "Ctrl+N", "NewFolderClick"),
          Disabled("Delete4", QT_TRANSLATE_NOOP("CommandMap", "&Delete"), "", "Delete2Click")}},
        {"HelpMenu", QT_TRANSLATE_NOOP("CommandMap", "&?"),
         {Item("Help1", QT_TRANSLATE_NOOP("CommandMap", "&Help"), "F1", "Help1Click"),
          Item("Info1", QT_TRANSLATE_NOOP("CommandMap", "&About"), "", "InfoClick")}},
    };
    return menus;
}

const std::vector<MenuItemDef>& ContextTopDefs()
{
    static const std::vector<MenuItemDef> items = {
        Item("Undo1", QT_TRANSLATE_NOOP("CommandMap", "&Undo"), "Ctrl+Z", "Undo1Click"),
        Disabled("Redo1", QT_TRANSLATE_NOOP("CommandMap", "&Redo"), "Ctrl+Y; Ctrl+Shift+Z", "Redo1Click"),
        Item("Cut1", QT_TRANSLATE_NOOP("CommandMap", "&Cut"), "Ctrl+X", "Cut1Click"),
        Item("Copy1", QT_TRANSLATE_NOOP("CommandMap", "Cop&y"), "Ctrl+C", "Copy1Click"),
        Item("Paste1", QT_TRANSLATE_NOOP("CommandMap", "&Paste"), "Ctrl+V", "Paste1Click"),
        Item("SelectAll1", QT_TRANSLATE_NOOP("CommandMap", "&Select All"), "Ctrl+A", "SelectAll1Click"),
        Sep,
        Disabled("MarkLine2", QT_TRANSLATE_NOOP("CommandMap", "&Toggle Line Marker"), "F4", "MarkLine1Click"),
        Sep,
    };
    return items;
}

const std::vector<MenuDef>& ContextSubmenuDefs()
{
    static const std::vector<MenuDef> menus = {
        {"FileMenu1", QT_TRANSLATE_NOOP("CommandMap", "&File"),
         {Item("Open1", QT_TRANSLATE_NOOP("CommandMap", "&Open File ..."), "Ctrl+O", "Open1Click"),
          Item("Save1", QT_TRANSLATE_NOOP("CommandMap", "&Save File"), "Ctrl+S", "Save1Click"),
          Item("SaveAs1", QT_TRANSLATE_NOOP("CommandMap", "S&ave As ..."), "F2", "SaveAs1Click"),
          Item("SaveQuit1", QT_TRANSLATE_NOOP("CommandMap", "Save && &Quit"), "F8", "SaveQuit1Click"),
          Item("Reload2", QT_TRANSLATE_NOOP("CommandMap", "&Reload"), "", "Reload1Click"),
          Item("Clear1", QT_TRANSLATE_NOOP("CommandMap", "Close F&ile"), "Ctrl+F4", "Clear1Click"),
          Item("Delete1", QT_TRANSLATE_NOOP("CommandMap", "&Delete File"), "Ctrl+D", "Delete1Click"),
          Item("Print1", QT_TRANSLATE_NOOP("CommandMap", "&Print ..."), "Ctrl+P", "Print1Click"),
          Item("PrinterSetup1", QT_TRANSLATE_NOOP("CommandMap", "Pr&inter Setup ..."), "", "PrinterSetup1Click"),
          Submenu(kRecentFilesMenuContext, QT_TRANSLATE_NOOP("CommandMap", "Recent &Files"), RecentFilesItems(false)),
          Item("Exit2", QT_TRANSLATE_NOOP("CommandMap", "E&xit"), "", "Exit1Click")}},
        {"FindMenu1", QT_TRANSLATE_NOOP("CommandMap", "F&ind"),
         {Item("Find1", QT_TRANSLATE_NOOP("CommandMap", "&Find ..."), "Ctrl+F", "Find1Click"),
          Item("FindAgain", QT_TRANSLATE_NOOP("CommandMap", "Find &Again"), "F3", "FindAgainClick"),
          Item("Replace1", QT_TRANSLATE_NOOP("CommandMap", "&Replace ..."), "Ctrl+R", "Replace1Click"),
          Item("GotoLine2", QT_TRANSLATE_NOOP("CommandMap", "&Goto Line ..."), "Ctrl+G", "GotoLine1Click"),
          Item("ShowLineMarkers2", QT_TRANSLATE_NOOP("CommandMap", "&Show Line Markers"),
               "F5", "ShowLineMarkers1Click")}},
        {"HTMLMenu1", QT_TRANSLATE_NOOP("CommandMap", "HTM&L"),
         {Item("Colour1", QT_TRANSLATE_NOOP("CommandMap", "&Colour ..."), "", "Colour1Click"),
          Check("Replacespecialcharacters1", QT_TRANSLATE_NOOP("CommandMap", "&Replace special characters"),
                "ReplaceSpecialCharactersClick", false),
          Check("Toolbar3", QT_TRANSLATE_NOOP("CommandMap", "Tool&bar"), "Toolbar2Click", false, "Ctrl+H"),
          Item("SyntaxCheck", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Document ..."), "", "SyntaxCheckClick"),
          Item("TidyLocation2", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Location ..."), "", "TidyLocation1Click"),
          Item("TidyOptions2", QT_TRANSLATE_NOOP("CommandMap", "Tidy &Options ..."), "", "TidyOptions1Click"),
          Item("TestDocument2", QT_TRANSLATE_NOOP("CommandMap", "&Test Document ..."),
               "Ctrl+T", "TestDocument2Click")}},
        {"OptionsMenu1", QT_TRANSLATE_NOOP("CommandMap", "Op&tions"),
         {Check("AlwaysStayOnTop", QT_TRANSLATE_NOOP("CommandMap", "A&lways stay on top"),
                "AlwaysStayOnTopClick", false),
          Check("AutoTab", QT_TRANSLATE_NOOP("CommandMap", "&AutoTab"), "AutoTabClick", false),
          Check("CenterOnScreen", QT_TRANSLATE_NOOP("CommandMap", "&Center on Screen"), "CenterOnScreenClick", false),
          Check("Trash", QT_TRANSLATE_NOOP("CommandMap", "&Delete to Recycle Bin"), "TrashClick", true),
          Check("FixedFont", QT_TRANSLATE_NOOP("CommandMap", "Fi&xed Font for Source Code"), "FixedFontClick", true),
          Check("Menuvisible", QT_TRANSLATE_NOOP("CommandMap", "&Menu visible"), "MenuvisibleClick", true),
          Check("RememberDirs", QT_TRANSLATE_NOOP("CommandMap", "Remem&ber Directories"), "RememberDirsClick", true),
          Check("RememberPos", QT_TRANSLATE_NOOP("CommandMap", "&Remember Position"), "RememberPosClick", false),
          Check("Toolbarvisible", QT_TRANSLATE_NOOP("CommandMap", "Toolbar &visible"), "ToolbarvisibleClick", true),
          Item("Font1", QT_TRANSLATE_NOOP("CommandMap", "&Font ..."), "", "Font1Click"),
          Check("PlainText", QT_TRANSLATE_NOOP("CommandMap", "Plain &Text"), "PlainTextClick", true),
          Check("WordWrap", QT_TRANSLATE_NOOP("CommandMap", "&Wordwrap"), "WordWrapClick", true),
          Check("SaveLineMarkers2", QT_TRANSLATE_NOOP("CommandMap", "Sav&e Line Markers"),
                "SaveLineMarkers1Click", true),
          Check("SortMacros", QT_TRANSLATE_NOOP("CommandMap", "&Sort Macros"), "SortMacrosClick", true),
          // Line numbers and zoom.
          Sep,
          Check("LineNumbers", QT_TRANSLATE_NOOP("CommandMap", "Line &Numbers"), "LineNumbersClick", false),
          Item("ZoomIn", QT_TRANSLATE_NOOP("CommandMap", "Zoom &In"), "Ctrl++; Ctrl+=", "ZoomInClick"),
          Item("ZoomOut", QT_TRANSLATE_NOOP("CommandMap", "Zoom &Out"), "Ctrl+-", "ZoomOutClick"),
          Item("ResetZoom", QT_TRANSLATE_NOOP("CommandMap", "&Reset Zoom"), "Ctrl+0", "ResetZoomClick"),
          Check("SyntaxColouring", QT_TRANSLATE_NOOP("CommandMap", "Syntax &Colouring"),
                "SyntaxColouringClick", true)}},
        {"MacroMenu1", QT_TRANSLATE_NOOP("CommandMap", "&Macro"),
         {Disabled("Run1", QT_TRANSLATE_NOOP("CommandMap", "&Run"), "Ctrl+M", "RunButtonClick"),
          Item("Record1", QT_TRANSLATE_NOOP("CommandMap", "R&ecord"), "", "Record1Click"),
          Disabled("Stop1", QT_TRANSLATE_NOOP("CommandMap", "&Stop"), "", "Stop1Click"),
          Item("Macrobrowser2", QT_TRANSLATE_NOOP("CommandMap", "&Macrobrowser ..."), "Ctrl+B", "MakroChooseClick"),
          Item("ChooseMakroDirectory1", QT_TRANSLATE_NOOP("CommandMap", "Ma&cro Directory ..."),
               "", "MacroDirectory1Click"),
          Item("NewFolder", QT_TRANSLATE_NOOP("CommandMap", "&New Folder"), "Ctrl+N", "NewFolderClick"),
          Disabled("Delete2", QT_TRANSLATE_NOOP("CommandMap", "&Delete"), "", "Delete2Click")}},
        {"HelpMenu1", QT_TRANSLATE_NOOP("CommandMap", "&?"),
         {Item("Help2", QT_TRANSLATE_NOOP("CommandMap", "&Help"), "F1", "Help1Click"),
          Item("Info2", QT_TRANSLATE_NOOP("CommandMap", "&About"), "", "InfoClick")}},
    };
    return menus;
}

QString CommandText(const char* text)
{
    return QCoreApplication::translate("CommandMap", text);
}
