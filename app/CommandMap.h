// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <vector>

// One entry of a menu: an item, a submenu when it has children, or a
// separator when name is null. A shortcut text may hold several
// sequences, separated by "; ".
struct MenuItemDef {
    const char* name = nullptr;      // object name of the item
    const char* caption = nullptr;   // "&" marks the access key
    const char* shortcut = "";       // portable key sequence text
    const char* handler = nullptr;   // slot of TMainForm
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    const std::vector<MenuItemDef>* children = nullptr;
};

struct MenuDef {
    const char* name;
    const char* caption;
    std::vector<MenuItemDef> items;
};

// Captions and hints are kept in English, marked for translation in the
// context "CommandMap"; this is what the user reads of one of them.
QString CommandText(const char* text);

// The main menu, top-level menus in order.
const std::vector<MenuDef>& MainMenuDefs();

// The context menu: the edit items and the marker toggle at the top, then
// submenus repeating the main menu.
const std::vector<MenuItemDef>& ContextTopDefs();
const std::vector<MenuDef>& ContextSubmenuDefs();

// The "Recent &Files" submenus hold the entries before their separator.
inline constexpr const char* kRecentFilesMenuMain = "RecentFilesMenu2";
inline constexpr const char* kRecentFilesMenuContext = "RecentFilesMenu1";

// Toolbar buttons of ToolBar and ToolBar1 that call a handler.
struct ToolButtonDef {
    const char* name;
    const char* hint;
    const char* icon;
    const char* handler;
    bool checkable = false;
    int tag = 0;
};
