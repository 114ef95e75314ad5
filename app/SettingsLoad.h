// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/SettingsTable.h"
#include "platform/RegFileSettingsStore.h"

#include <QSize>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class Prompts;

// The desktop folder of the shell folders key with one trailing "/"; just
// "/" when it cannot be read.
QString ReadDesktopDir(SettingsStore& store);

// One value as the load left it: what the store held, or the default that
// was seeded. "Left" and "Top" hold the position after the desktop check.
struct LoadedValue {
    SettingValue value;
    bool existed = false;
};

// Where the load leaves the window.
enum class Placement {
    NotReached,   // the load stopped before "RememberPos"
    SystemDefault,   // "RememberPos" was missing: the system's placement stays
    Centred,   // "RememberPos" false: centred at 426 x 350
    Remembered,   // "RememberPos" true: the rows after it place the window
};

struct LoadedSettings {
    // Rows in load order, as far as the load got.
    std::vector<std::pair<const SettingRow*, LoadedValue>> rows;
    Placement placement = Placement::NotReached;

    const LoadedValue* Find(QStringView name) const;
};

struct LoadContext {
    DefaultContext defaults;
    QSize desktopSize;   // the whole virtual desktop
};

// Creates and opens SettingsKey, reads every row in load order by
// read-or-seed (the defaults standing for the current state), then the
// placement group as "RememberPos" says, and closes the key. `loaded` grows
// row by row, so when a value of the wrong type throws, it holds exactly
// the rows before that one. The key is closed on every way out.
void LoadSettingsFrom(SettingsStore& store, const LoadContext& context, LoadedSettings& loaded);

// Opens SettingsKey for writing (creating it), writes the rows that the
// state calls for in the shutdown's order, with their values from
// `valueOf`, and closes the key. A refused write throws; the writes after
// it are not made and the key is closed all the same.
using SettingSource = std::function<SettingValue(const SettingRow&)>;
void WriteSettingsTo(SettingsStore& store, const ShutdownState& state, const SettingSource& valueOf);

// The error box text for a settings file that could not be parsed.
QString BrokenSettingsMessage(const RegFileSettingsStore::BrokenFile& broken);
// A broken-file handler that shows that text as an error box.
RegFileSettingsStore::BrokenFileHandler ReportBrokenSettings(Prompts& prompts);
