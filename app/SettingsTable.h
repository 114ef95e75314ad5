// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/CommandMap.h"
#include "platform/SettingsStore.h"

#include <QSize>
#include <QString>
#include <QStringView>
#include <optional>
#include <variant>
#include <vector>

// Every value kept in SettingsKey, one row each, in the order the start-up
// reads them. The load and the shutdown write both walk this table.

enum class SettingType { String, Integer, Boolean };
using SettingValue = std::variant<QString, qint32, bool>;

// Defaults that depend on the machine rather than being constants.
enum class DefaultFrom {
    Fixed,   // SettingRow::fixedDefault
    DesktopDir,   // "MakroDir": the desktop folder with its trailing "/"
    CentredLeft,   // "Left": half the screen width - 213
    CentredTop,   // "Top": half the screen height - 175
};

// When the shutdown writes the value.
enum class WriteWhen {
    Always,
    PlainText,   // "WordWrap": only while "Plain Text" is checked
    MarkerSidebarVisible,   // "LineMarkerWidth": the sidebar's width
    RememberPos,   // "HTMLLeft", "HTMLTop", "Maximized" (true when maximized)
    RememberPosNormal,   // "Left" to "Height": remembered and not maximized
};

// Rules of the load beyond plain read-or-seed; a row may have several.
enum SettingRule : unsigned {
    NoRule = 0,
    // Missing: seeded and the current state is left alone; present: applied.
    // "StyleB"/"StyleI" only add their style when true, "Maximized" sets
    // maximized or normal.
    KeepStateWhenMissing = 1u << 0,
    FontStyle = 1u << 1,   // "StyleB", "StyleI"
    // "RememberPos": missing seeds false and skips the placement group;
    // false centres the window at 426 x 350; true checks both items and
    // reads the group.
    PlacementSwitch = 1u << 2,
    PlacementGroup = 1u << 3,   // read only when "RememberPos" exists and is true
    ClampToDesktop = 1u << 4,   // "Left"/"Top": beyond the desktop size gives the centred default
    ColourText = 1u << 5,   // "LastTextRGB", "LastDialogRGB": ColourSlots in, painted pixel out
    CustomColour = 1u << 6,   // "ColorA" to "ColorP": lines of the colour dialog
    // Read after the placement group, whatever "RememberPos" says.
    AfterPlacement = 1u << 7,
    // A value of another type is passed over: the default stays and the
    // load goes on.
    SkipBroken = 1u << 8,
    RecentFile = 1u << 9,   // "RecentFile1" to "RecentFile10", newest first
};

struct SettingRow {
    int loadOrder = 0;   // 1-based position in the table (the start-up's order)
    int closeOrder = 0;   // 1-based position in the shutdown's write order
    QString name;
    SettingType type = SettingType::String;
    SettingValue fixedDefault;
    DefaultFrom defaultFrom = DefaultFrom::Fixed;
    unsigned rules = NoRule;
    WriteWhen writeWhen = WriteWhen::Always;
    // The option's menu command, whose two items show it; none for values
    // that are not options.
    std::optional<Command> option;
    QString drives;   // what the value drives, for readers of the table

    bool Has(SettingRule rule) const { return (rules & rule) != 0; }
};

// All rows in load order.
const std::vector<SettingRow>& SettingsTable();
const SettingRow* FindSetting(QStringView name);
// "RecentFile1" for slot 0, and back; -1 for other rows.
QString RecentFileSettingName(int slot);
int RecentFileSlot(const SettingRow& row);

// All rows in the order the shutdown writes them, whether or not a given
// shutdown writes them; ShutdownWrites picks those it does.
std::vector<const SettingRow*> ShutdownOrder();

struct ShutdownState {
    bool plainText = true;
    bool markerSidebarVisible = false;
    bool rememberPos = false;
    bool maximized = false;
};
bool WrittenAtShutdown(const SettingRow& row, const ShutdownState& state);
std::vector<const SettingRow*> ShutdownWrites(const ShutdownState& state);

// The main window's minimum size, which the centred placement uses.
inline constexpr QSize CentredWindowSize(426, 350);
int CentredLeft(int screenWidth);
int CentredTop(int screenHeight);
// A stored left (top) beyond the desktop's width (height) is replaced by
// the centred default; a negative one is kept.
int PlacedLeft(int left, int desktopWidth, int screenWidth);
int PlacedTop(int top, int desktopHeight, int screenHeight);

struct DefaultContext {
    QString desktopDir;   // with trailing "/"
    QSize screenSize;   // primary screen in pixels
};
SettingValue DefaultValue(const SettingRow& row, const DefaultContext& context);

// Read-or-seed on the open key: a value that exists is read into the
// variable, a missing one is written with the variable's value (the
// default). True when the value existed. A value of another type throws.
bool ReadStringSetting(SettingsStore& store, const QString& name, QString& text);
bool ReadIntegerSetting(SettingsStore& store, const QString& name, qint32& number);
bool ReadBoolSetting(SettingsStore& store, const QString& name, bool& flag);
// The same with the helper of the row's type; `value` must hold that type.
bool ReadSetting(SettingsStore& store, const SettingRow& row, SettingValue& value);
void WriteSetting(SettingsStore& store, const SettingRow& row, const SettingValue& value);
