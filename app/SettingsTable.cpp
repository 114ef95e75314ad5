// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsTable.h"

#include "app/ColourSlots.h"
#include "platform/AppError.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using S = SettingType;

SettingRow Text(const char* name, const char* fallback, const char* drives)
{
    SettingRow row;
    row.name = QString::fromLatin1(name);
    row.type = S::String;
    row.fixedDefault = QString::fromLatin1(fallback);
    row.drives = QString::fromLatin1(drives);
    return row;
}

SettingRow Number(const char* name, qint32 fallback, const char* drives)
{
    SettingRow row;
    row.name = QString::fromLatin1(name);
    row.type = S::Integer;
    row.fixedDefault = fallback;
    row.drives = QString::fromLatin1(drives);
    return row;
}

SettingRow Flag(const char* name, bool fallback, const char* drives)
{
    SettingRow row;
    row.name = QString::fromLatin1(name);
    row.type = S::Boolean;
    row.fixedDefault = fallback;
    row.drives = QString::fromLatin1(drives);
    return row;
}

SettingRow Option(const char* name, bool fallback, Command option, const char* drives)
{
    SettingRow row = Flag(name, fallback, drives);
    row.option = option;
    return row;
}

SettingRow With(SettingRow row, unsigned rules, WriteWhen when = WriteWhen::Always,
                DefaultFrom from = DefaultFrom::Fixed)
{
    row.rules = rules;
    row.writeWhen = when;
    row.defaultFrom = from;
    return row;
}

std::vector<SettingRow> BuildTable()
{
    std::vector<SettingRow> rows = {
        Text("Font", "MS Sans Serif", "name of UserFont"),
        Number("Size", 8, "size of UserFont in points"),
        With(Text("MakroDir", "", "MacroDir, the root of the macro tree"), NoRule, WriteWhen::Always,
             DefaultFrom::DesktopDir),
        Text("LastOpenDir", "", "remembered open folder"),
        Text("LastSaveDir", "", "remembered save folder"),
        Text("TidyLocation", "", "folder of the Tidy program"),
        Text("TidyOptions", "", "Tidy options"),
        Number("LastOpenIndex", 0, "filter index of the open dialog; 0 takes the first filter"),
        With(Text("LastTextRGB", "FFFFFF", "LastSelectedColour, status panel 4"), ColourText),
        With(Text("LastDialogRGB", "FFFFFF", "LastChosenColour, status panel 3"), ColourText),
    };
    for (int letter = 0; letter < 16; ++letter) {
        SettingRow row = With(Text("", "", "custom colour of the colour dialog"), CustomColour);
        row.name = CustomColourName(letter);
        rows.push_back(row);
    }
    const std::vector<SettingRow> rest = {
        Option("MakroSort", true, Command::SortMacros, "sorting of the macro tree"),
        With(Flag("StyleB", false, "bold in UserFont"), FontStyle | KeepStateWhenMissing),
        With(Flag("StyleI", false, "italic in UserFont"), FontStyle | KeepStateWhenMissing),
        Number("Color", qint32(SystemWindowTextColour), "colour of UserFont (0x00BBGGRR or system colour)"),
        Option("DeleteToRecycleBin", true, Command::Trash, "Delete moves to the trash"),
        Option("SaveLineMarkers", true, Command::SaveLineMarkers, "marker file kept beside the document"),
        With(Option("WordWrap", true, Command::WordWrap, "WrapWanted"), NoRule, WriteWhen::PlainText),
        Option("PlainText", true, Command::PlainText, "IsPlainDocument"),
        Option("MenuVisible", true, Command::MenuVisible, "the menu bar"),
        Option("ReplaceSpecialChars", false, Command::ReplaceSpecialCharacters,
               "typed special characters become HTML entities"),
        Option("HTMLToolbar", false, Command::HtmlToolbar, "HTML toolbar shown at start"),
        Option("Toolbar", true, Command::ToolbarVisible, "the main toolbar"),
        Option("AlwaysStayOnTop", false, Command::AlwaysStayOnTop, "topmost main window"),
        Option("AutoTab", false, Command::AutoTab, "new lines take the indent of the line above"),
        Option("Center", false, Command::CenterOnScreen, "window kept centred on screen"),
        Option("RememberDirs", true, Command::RememberDirs, "initial folders of the dialogs at start"),
        With(Number("LineMarkerWidth", 100, "width of the marker sidebar in pixels"), NoRule,
             WriteWhen::MarkerSidebarVisible),
        Option("FixedFont", true, Command::FixedFont, "plain documents open in a fixed font"),
        With(Option("RememberPos", false, Command::RememberPos, "window placement at start"), PlacementSwitch),
        With(Number("Left", 0, "main window left edge"), PlacementGroup | ClampToDesktop, WriteWhen::RememberPosNormal,
             DefaultFrom::CentredLeft),
        With(Number("Top", 0, "main window top edge"), PlacementGroup | ClampToDesktop, WriteWhen::RememberPosNormal,
             DefaultFrom::CentredTop),
        With(Number("Width", CentredWindowSize.width(), "main window width"), PlacementGroup,
             WriteWhen::RememberPosNormal),
        With(Number("Height", CentredWindowSize.height(), "main window height"), PlacementGroup,
             WriteWhen::RememberPosNormal),
        With(Flag("Maximized", false, "maximized window state"), PlacementGroup | KeepStateWhenMissing,
             WriteWhen::RememberPos),
        With(Number("HTMLLeft", 0, "SavedLeft of the HTML toolbar"), PlacementGroup, WriteWhen::RememberPos),
        With(Number("HTMLTop", 0, "SavedTop of the HTML toolbar"), PlacementGroup, WriteWhen::RememberPos),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    // Line numbers, zoom, the recent files and the colouring: read after all the others,
    // so that a file without them, or with a damaged one, loads as before.
    rows.push_back(With(Option("LineNumbers", false, Command::LineNumbers, "the line-number gutter"),
                        AfterPlacement | SkipBroken));
    rows.push_back(With(Number("Zoom", 100, "zoom of the editor's text in percent"), AfterPlacement | SkipBroken));
    for (int slot = 0; slot < 10; ++slot) {
        SettingRow row =
            With(Text("", "", "a recently opened or saved document"), AfterPlacement | SkipBroken | RecentFile);
        row.name = RecentFileSettingName(slot);
        rows.push_back(row);
    }
    rows.push_back(With(
        Option("SyntaxColouring", true, Command::SyntaxColouring, "HTML, XML and CSS source coloured in plain mode"),
        AfterPlacement | SkipBroken));

    // The shutdown's order, group by group.
    QStringList closing = {
        "LastOpenDir", "LastOpenIndex", "LastSaveDir", "TidyLocation", "TidyOptions", "LastDialogRGB", "LastTextRGB",
        "MakroDir",    "Font",          "Size",        "StyleB",       "StyleI",      "Color",
    };
    for (int letter = 0; letter < 16; ++letter)
        closing << CustomColourName(letter);
    closing << QStringList{
        "PlainText",
        "WordWrap",
        "LineMarkerWidth",
        "RememberDirs",
        "MakroSort",
        "ReplaceSpecialChars",
        "HTMLToolbar",
        "DeleteToRecycleBin",
        "Center",
        "AutoTab",
        "FixedFont",
        "SaveLineMarkers",
        "RememberPos",
        "HTMLTop",
        "HTMLLeft",
        "Left",
        "Top",
        "Width",
        "Height",
        "Maximized",
        "AlwaysStayOnTop",
        "Toolbar",
        "MenuVisible",
        "LineNumbers",
        "Zoom",
        "SyntaxColouring",
    };
    for (int slot = 0; slot < 10; ++slot)
        closing << RecentFileSettingName(slot);
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].loadOrder = int(i + 1);
        rows[i].closeOrder = int(closing.indexOf(rows[i].name) + 1);
    }
    return rows;
}

}   // namespace

QString RecentFileSettingName(int slot)
{
    return QStringLiteral("RecentFile%1").arg(slot + 1);
}

int RecentFileSlot(const SettingRow& row)
{
    return row.Has(RecentFile) ? QStringView(row.name).sliced(10).toInt() - 1 : -1;
}

const std::vector<SettingRow>& SettingsTable()
{
    static const std::vector<SettingRow> table = BuildTable();
    return table;
}

const SettingRow* FindSetting(QStringView name)
{
    for (const SettingRow& row : SettingsTable())
        if (row.name == name)
            return &row;
    return nullptr;
}

std::vector<const SettingRow*> ShutdownOrder()
{
    std::vector<const SettingRow*> rows;
    for (const SettingRow& row : SettingsTable())
        rows.push_back(&row);
    std::sort(rows.begin(), rows.end(),
              [](const SettingRow* a, const SettingRow* b) { return a->closeOrder < b->closeOrder; });
    return rows;
}

bool WrittenAtShutdown(const SettingRow& row, const ShutdownState& state)
{
    switch (row.writeWhen) {
    case WriteWhen::Always: return true;
    case WriteWhen::PlainText: return state.plainText;
    case WriteWhen::MarkerSidebarVisible: return state.markerSidebarVisible;
    case WriteWhen::RememberPos: return state.rememberPos;
    case WriteWhen::RememberPosNormal: return state.rememberPos && !state.maximized;
    }
    return false;
}

std::vector<const SettingRow*> ShutdownWrites(const ShutdownState& state)
{
    std::vector<const SettingRow*> rows = ShutdownOrder();
    std::erase_if(rows, [&](const SettingRow* row) { return !WrittenAtShutdown(*row, state); });
    return rows;
}

int CentredLeft(int screenWidth)
{
    return screenWidth / 2 - CentredWindowSize.width() / 2;
}

int CentredTop(int screenHeight)
{
    return screenHeight / 2 - CentredWindowSize.height() / 2;
}

int PlacedLeft(int left, int desktopWidth, int screenWidth)
{
    return desktopWidth < left ? CentredLeft(screenWidth) : left;
}

int PlacedTop(int top, int desktopHeight, int screenHeight)
{
    return desktopHeight < top ? CentredTop(screenHeight) : top;
}

SettingValue DefaultValue(const SettingRow& row, const DefaultContext& context)
{
    switch (row.defaultFrom) {
    case DefaultFrom::Fixed: return row.fixedDefault;
    case DefaultFrom::DesktopDir: return context.desktopDir;
    case DefaultFrom::CentredLeft: return CentredLeft(context.screenSize.width());
    case DefaultFrom::CentredTop: return CentredTop(context.screenSize.height());
    }
    return row.fixedDefault;
}

bool ReadStringSetting(SettingsStore& store, const QString& name, QString& text)
{
    if (!store.ValueExists(name)) {
        store.WriteString(name, text);
        return false;
    }
    text = store.ReadString(name);
    return true;
}

bool ReadIntegerSetting(SettingsStore& store, const QString& name, qint32& number)
{
    if (!store.ValueExists(name)) {
        store.WriteInteger(name, number);
        return false;
    }
    number = store.ReadInteger(name);
    return true;
}

bool ReadBoolSetting(SettingsStore& store, const QString& name, bool& flag)
{
    if (!store.ValueExists(name)) {
        store.WriteBool(name, flag);
        return false;
    }
    flag = store.ReadBool(name);
    return true;
}

namespace {

template <typename T> T& Holding(const SettingRow& row, SettingValue& value)
{
    if (!std::holds_alternative<T>(value))
        throw AppError(
            QCoreApplication::translate("SettingsTable", "Setting '%1' given a value of the wrong type").arg(row.name));
    return std::get<T>(value);
}

}   // namespace

bool ReadSetting(SettingsStore& store, const SettingRow& row, SettingValue& value)
{
    switch (row.type) {
    case SettingType::String: return ReadStringSetting(store, row.name, Holding<QString>(row, value));
    case SettingType::Integer: return ReadIntegerSetting(store, row.name, Holding<qint32>(row, value));
    case SettingType::Boolean: return ReadBoolSetting(store, row.name, Holding<bool>(row, value));
    }
    return false;
}

void WriteSetting(SettingsStore& store, const SettingRow& row, const SettingValue& value)
{
    SettingValue copy = value;
    switch (row.type) {
    case SettingType::String: store.WriteString(row.name, Holding<QString>(row, copy)); break;
    case SettingType::Integer: store.WriteInteger(row.name, Holding<qint32>(row, copy)); break;
    case SettingType::Boolean: store.WriteBool(row.name, Holding<bool>(row, copy)); break;
    }
}
