// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstddef>
#include <vector>

class TMainForm;

// Every command of the menus, once. Each has two items, its twins: one in
// the main menu and one in the context menu, both running its handler.
enum class Command {
    // File.
    Open,
    Save,
    SaveAs,
    SaveQuit,
    Reload,
    Close,
    DeleteFile,
    Print,
    PrinterSetup,
    ClearRecentFiles,
    Exit,
    // Edit.
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    SelectAll,
    // Find.
    Find,
    FindAgain,
    Replace,
    GotoLine,
    MarkLine,
    ShowLineMarkers,
    // HTML.
    Colour,
    ReplaceSpecialCharacters,
    HtmlToolbar,
    TidyDocument,
    TidyLocation,
    TidyOptions,
    TestDocument,
    // Options.
    AlwaysStayOnTop,
    AutoTab,
    CenterOnScreen,
    Trash,
    FixedFont,
    MenuVisible,
    RememberDirs,
    RememberPos,
    ToolbarVisible,
    Font,
    PlainText,
    WordWrap,
    SaveLineMarkers,
    SortMacros,
    LineNumbers,
    ZoomIn,
    ZoomOut,
    ResetZoom,
    SyntaxColouring,
    // Macro.
    Run,
    Record,
    Stop,
    MacroBrowser,
    MacroDirectory,
    NewFolder,
    DeleteMacro,
    // Help.
    Help,
    About,
};
inline constexpr std::size_t kCommandCount = std::size_t(Command::About) + 1;

// Which of a command's two items.
enum class Twin { Main, Context };

using Handler = void (TMainForm::*)();

// A command's items. A shortcut text may hold several sequences, separated
// by "; ". Captions mark the access key with "&"; the context menu's may
// differ from the main menu's.
struct CommandDef {
    Command command;
    const char* names[2];   // object names, by Twin
    const char* captions[2];   // by Twin
    const char* shortcut;   // portable key sequence text
    Handler handler;
    bool enabled;
    bool checkable;
    bool checked;

    QString Name(Twin twin) const { return QString::fromLatin1(names[int(twin)]); }
    const char* Caption(Twin twin) const { return captions[int(twin)]; }
};

// The row of a command.
const CommandDef& CommandOf(Command command);

// Captions and hints are kept in English, marked for translation in the
// context "CommandMap"; this is what the user reads of one of them.
QString CommandText(const char* text);

// One entry of a menu: a command's item, a separator or a submenu. A
// main-only item is left out of the context menu, which holds it elsewhere.
struct MenuLayout;
struct MenuEntry {
    enum Kind { Item, MainOnlyItem, Separator, Submenu };
    Kind kind;
    Command command;
    const MenuLayout* submenu;
};

// A menu and its twin in the context menu (no context name: it has none).
struct MenuLayout {
    const char* names[2];   // object names, by Twin
    const char* caption;
    std::vector<MenuEntry> entries;

    QString Name(Twin twin) const { return QString::fromLatin1(names[int(twin)]); }
};

// The main menu, top-level menus in order.
const std::vector<MenuLayout>& MainMenuLayout();

// The context menu: the edit items and the marker toggle at the top, then
// submenus repeating the main menu.
const std::vector<MenuEntry>& ContextMenuLayout();

// The "Recent &Files" submenus hold the entries before their separator.
inline constexpr const char* kRecentFilesMenuMain = "RecentFilesMenu2";
inline constexpr const char* kRecentFilesMenuContext = "RecentFilesMenu1";

// A button of the main toolbar that runs a command; a separator when name
// is null.
struct ToolButtonDef {
    const char* name;
    const char* hint;
    const char* icon;
    Command command;
    bool checkable;
};

// The main toolbar's buttons up to the macro field, then the two after it.
const std::vector<ToolButtonDef>& MainToolButtons();
inline constexpr ToolButtonDef kMacroBrowserButton{"MakroButton", QT_TRANSLATE_NOOP("CommandMap", "macrobrowser"),
                                                   "macrobrowser", Command::MacroBrowser, true};
inline constexpr ToolButtonDef kRunButton{"RunButton", QT_TRANSLATE_NOOP("CommandMap", "record"), "record",
                                          Command::Run, true};
