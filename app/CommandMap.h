#pragma once
#include <vector>

// One entry of a menu: an item, or a separator when name is null.
struct MenuItemDef {
    const char* name = nullptr;      // object name of the item
    const char* caption = nullptr;   // "&" marks the access key
    const char* shortcut = "";       // portable key sequence text
    const char* handler = nullptr;   // slot of TMainForm
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

struct MenuDef {
    const char* name;
    const char* caption;
    std::vector<MenuItemDef> items;
};

// The main menu, top-level menus in order.
const std::vector<MenuDef>& MainMenuDefs();

// The context menu: the edit items and the marker toggle at the top, then
// submenus repeating the main menu.
const std::vector<MenuItemDef>& ContextTopDefs();
const std::vector<MenuDef>& ContextSubmenuDefs();

// Toolbar buttons of ToolBar and ToolBar1 that call a handler.
struct ToolButtonDef {
    const char* name;
    const char* hint;
    const char* icon;
    const char* handler;
    bool checkable = false;
    int tag = 0;
};
