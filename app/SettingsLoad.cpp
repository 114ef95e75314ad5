// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsLoad.h"

#include "platform/AppError.h"
#include "platform/Prompts.h"

#include <QCoreApplication>

namespace {

void OpenSettingsKey(SettingsStore& store)
{
    if (!store.OpenKey(SettingsKey, true))
        throw AppError(
            QCoreApplication::translate("SettingsLoad", "Cannot open the settings key %1.").arg(SettingsKey));
}

// On the way out after an error: the error that stopped us is the one to
// report, not a failed save behind it.
void CloseAfterError(SettingsStore& store)
{
    try {
        store.CloseKey();
    } catch (const AppError&) {
    }
}

Placement PlacementFor(const LoadedValue& rememberPos)
{
    if (!rememberPos.existed)
        return Placement::SystemDefault;
    return std::get<bool>(rememberPos.value) ? Placement::Remembered : Placement::Centred;
}

// The placement group, read only when "RememberPos" is true.
template <class Read> void ReadPlacement(const LoadContext& context, Read&& read)
{
    const QSize screen = context.defaults.screenSize;
    for (const SettingRow& row : SettingsTable()) {
        if (!row.Has(PlacementGroup))
            continue;
        LoadedValue& got = read(row);
        if (!row.Has(ClampToDesktop))
            continue;
        qint32& edge = std::get<qint32>(got.value);
        edge = row.defaultFrom == DefaultFrom::CentredLeft
                   ? PlacedLeft(edge, context.desktopSize.width(), screen.width())
                   : PlacedTop(edge, context.desktopSize.height(), screen.height());
    }
}

void ReadRows(SettingsStore& store, const LoadContext& context, LoadedSettings& loaded)
{
    const auto read = [&](const SettingRow& row) -> LoadedValue& {
        LoadedValue got{DefaultValue(row, context.defaults), false};
        got.existed = ReadSetting(store, row, got.value);
        loaded.rows.emplace_back(&row, got);
        return loaded.rows.back().second;
    };

    for (const SettingRow& row : SettingsTable()) {
        if (row.Has(PlacementGroup))
            break;
        const LoadedValue& got = read(row);
        if (row.Has(PlacementSwitch))
            loaded.placement = PlacementFor(got);
    }
    if (loaded.placement == Placement::Remembered)
        ReadPlacement(context, read);
    for (const SettingRow& row : SettingsTable()) {
        if (!row.Has(AfterPlacement))
            continue;
        try {
            read(row);
        } catch (const AppError&) {
            // A broken one of these costs only itself.
            if (!row.Has(SkipBroken))
                throw;
        }
    }
}

}   // namespace

QString ReadDesktopDir(SettingsStore& store)
{
    QString desktop;
    if (store.OpenKeyReadOnly(ShellFoldersKey)) {
        try {
            if (store.ValueExists(QStringLiteral("Desktop")))
                desktop = store.ReadString(QStringLiteral("Desktop"));
        } catch (const AppError&) {
            desktop.clear();
        }
        store.CloseKey();
    }
    return desktop.endsWith(u'/') ? desktop : desktop + u'/';
}

const LoadedValue* LoadedSettings::Find(QStringView name) const
{
    for (const auto& [row, got] : rows)
        if (row->name == name)
            return &got;
    return nullptr;
}

void LoadSettingsFrom(SettingsStore& store, const LoadContext& context, LoadedSettings& loaded)
{
    if (!store.KeyExists(SettingsKey))
        store.CreateKey(SettingsKey);
    OpenSettingsKey(store);
    try {
        ReadRows(store, context, loaded);
    } catch (...) {
        CloseAfterError(store);
        throw;
    }
    store.CloseKey();
}

void WriteSettingsTo(SettingsStore& store, const ShutdownState& state, const SettingSource& valueOf)
{
    OpenSettingsKey(store);
    try {
        for (const SettingRow* row : ShutdownWrites(state))
            WriteSetting(store, *row, valueOf(*row));
    } catch (...) {
        CloseAfterError(store);
        throw;
    }
    store.CloseKey();
}

QString BrokenSettingsMessage(const RegFileSettingsStore::BrokenFile& broken)
{
    //: Where in the settings file the fault lies: %1 the line number, %2 what is wrong there.
    const QString where = broken.fault.line > 0 ? QCoreApplication::translate("SettingsLoad", "line %1: %2")
                                                      .arg(broken.fault.line)
                                                      .arg(broken.fault.message)
                                                : broken.fault.message;
    //: %1 the file, %2 where and what the fault is.
    QString text = QCoreApplication::translate("SettingsLoad", "The settings file %1 cannot be read (%2).")
                       .arg(broken.file, where);
    text += u'\n';
    if (broken.movedTo.isEmpty())
        text += QCoreApplication::translate("SettingsLoad", "It could not be moved aside, so the default settings "
                                                            "are used and will not be saved over it.");
    else
        text += QCoreApplication::translate("SettingsLoad", "It was moved to %1 and the default settings are used.")
                    .arg(broken.movedTo);
    return text;
}

RegFileSettingsStore::BrokenFileHandler ReportBrokenSettings(Prompts& prompts)
{
    return [&prompts](const RegFileSettingsStore::BrokenFile& broken) {
        prompts.MessageBox(MsgKind::Error, BrokenSettingsMessage(broken), MsgButtons::Ok);
    };
}
