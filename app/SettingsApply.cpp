// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the settings: what each loaded value sets, and
// where each written value comes from.
#include "app/MainForm.h"
#include "app/SettingsLoad.h"
#include "app/StatusBar.h"
#include "editor/RichEdit.h"
#include "html/HtmlToolbar.h"
#include "markers/MegaCheckListBox.h"

#include <QCoreApplication>
#include <QSplitter>
#include <QWindow>

namespace {

QSize ScreenSizeOf(const Platform& platform)
{
    return platform.screen ? platform.screen->ScreenSize() : QSize();
}

int CustomColourIndex(const SettingRow& row)
{
    return row.name.back().unicode() - u'A';
}

void SetMarkerSidebarWidth(TMainForm& form, int width)
{
    // The splitter keeps the size of a hidden sidebar for when it shows.
    const int total = form.Ui().EditorSplitter->width();
    form.Ui().EditorSplitter->setSizes({std::max(0, total - width), width});
    form.Ui().CheckList->resize(width, form.Ui().CheckList->height());
}

void ApplySetting(TMainForm& form, const SettingRow& row, const LoadedValue& got)
{
    const SettingValue& v = got.value;
    if (row.option) {
        form.SetChecked(*row.option, std::get<bool>(v));
        return;
    }
    if (row.Has(CustomColour)) {
        form.Startup().CustomLines[size_t(CustomColourIndex(row))] = std::get<QString>(v);
        return;
    }
    if (row.Has(RecentFile)) {
        // Read in slot order, so appending keeps the newest first.
        form.Recent().Restore(std::get<QString>(v));
        return;
    }
    const QString& name = row.name;
    StartupState& s = form.Startup();
    if (name == u"Font") {
        s.UserFont.font.setFamily(std::get<QString>(v));
    } else if (name == u"Size") {
        // QFont takes no size below 1; such a value leaves the font's size.
        if (std::get<qint32>(v) > 0)
            s.UserFont.font.setPointSize(std::get<qint32>(v));
    } else if (name == u"MakroDir") {
        s.MacroDir = std::get<QString>(v);
    } else if (name == u"LastOpenDir") {
        form.Session().State().LastOpenDir = std::get<QString>(v);
    } else if (name == u"LastSaveDir") {
        form.Session().State().LastSaveDir = std::get<QString>(v);
    } else if (name == u"TidyLocation") {
        s.TidyLocation = std::get<QString>(v);
    } else if (name == u"TidyOptions") {
        s.TidyOptions = std::get<QString>(v);
    } else if (name == u"LastOpenIndex") {
        form.Session().OpenDialog().filterIndex = std::get<qint32>(v);
    } else if (name == u"LastTextRGB") {
        s.LastSelectedColour = ColourSlotsFromSetting(std::get<QString>(v));
    } else if (name == u"LastDialogRGB") {
        s.LastChosenColour = ColourSlotsFromSetting(std::get<QString>(v));
    } else if (name == u"StyleB") {
        if (got.existed && std::get<bool>(v))
            s.UserFont.font.setBold(true);
    } else if (name == u"StyleI") {
        if (got.existed && std::get<bool>(v))
            s.UserFont.font.setItalic(true);
    } else if (name == u"Color") {
        s.UserFontColorValue = std::get<qint32>(v);
        s.UserFont.colour = ColourFromColorSetting(s.UserFontColorValue, form.palette());
    } else if (name == u"LineMarkerWidth") {
        SetMarkerSidebarWidth(form, std::get<qint32>(v));
    } else if (name == u"Left") {
        form.move(std::get<qint32>(v), form.y());
    } else if (name == u"Top") {
        form.move(form.x(), std::get<qint32>(v));
    } else if (name == u"Width") {
        form.resize(std::get<qint32>(v), form.height());
    } else if (name == u"Height") {
        form.resize(form.width(), std::get<qint32>(v));
    } else if (name == u"Maximized") {
        if (got.existed)
            form.setWindowState(std::get<bool>(v) ? form.windowState() | Qt::WindowMaximized
                                                  : form.windowState() & ~Qt::WindowMaximized);
    } else if (name == u"HTMLLeft") {
        if (form.Ui().HTMLToolbar)
            form.Ui().HTMLToolbar->SavedLeft = std::get<qint32>(v);
    } else if (name == u"HTMLTop") {
        if (form.Ui().HTMLToolbar)
            form.Ui().HTMLToolbar->SavedTop = std::get<qint32>(v);
    } else if (name == u"Zoom") {
        form.Ui().RichEdit->SetZoom(std::get<qint32>(v));
    }
}

void ApplyLoaded(TMainForm& form, const LoadedSettings& loaded)
{
    for (const auto& [row, got] : loaded.rows)
        ApplySetting(form, *row, got);
    form.Ui().RichEdit->SetSyntaxColouring(form.IsChecked(Command::SyntaxColouring));
    if (loaded.placement == Placement::Centred) {
        const QSize screen = ScreenSizeOf(form.platform());
        form.resize(CentredWindowSize);
        form.move(CentredLeft(screen.width()), CentredTop(screen.height()));
    }
    // The window exists but is not mapped yet, so its frame is unknown and
    // move() would put the client area at Left/Top; the frame's corner is
    // what is saved, so it is what is placed, or each start would creep.
    if (loaded.placement != Placement::SystemDefault) {
        if (QWindow* window = form.windowHandle())
            window->setFramePosition(form.pos());
    }
}

// The colour a swatch shows, read back from the bar: the pixel 10 to the
// right of the panel's left edge and 10 below the bar's top.
QString SwatchSettingText(const TMainForm& form, int panel)
{
    const QRect rect = form.Ui().StatusBar->PanelRect(panel);
    const ColourSlots& held = panel == 3 ? form.Startup().LastChosenColour : form.Startup().LastSelectedColour;
    // A swatch that is not painted (rich-text mode, a minimized window) has
    // no pixel to read: its neighbour's colour must not be taken for it.
    const QColor painted = rect.width() > 10 ? form.StatusBarPixel(rect.left() + 10, 10) : QColor();
    return ColourSettingText(painted.isValid() ? painted : SwatchColour(held));
}

SettingValue ShutdownValue(TMainForm& form, const SettingRow& row)
{
    if (row.option)
        return form.IsChecked(*row.option);
    if (row.Has(CustomColour))
        return form.Startup().CustomLines[size_t(CustomColourIndex(row))];
    if (row.Has(RecentFile))
        return form.Recent().At(RecentFileSlot(row));
    if (row.name == u"Zoom")
        return qint32(form.Ui().RichEdit->Zoom());
    const QString& name = row.name;
    const StartupState& s = form.Startup();
    if (name == u"Font")
        return s.UserFont.font.family();
    if (name == u"Size")
        return qint32(s.UserFont.font.pointSize());
    if (name == u"MakroDir")
        return s.MacroDir;
    if (name == u"LastOpenDir")
        return form.Session().State().LastOpenDir;
    if (name == u"LastSaveDir")
        return form.Session().State().LastSaveDir;
    if (name == u"TidyLocation")
        return s.TidyLocation;
    if (name == u"TidyOptions")
        return s.TidyOptions;
    if (name == u"LastOpenIndex")
        return qint32(form.Session().OpenDialog().filterIndex);
    if (name == u"LastDialogRGB")
        return SwatchSettingText(form, 3);
    if (name == u"LastTextRGB")
        return SwatchSettingText(form, 4);
    if (name == u"StyleB")
        return s.UserFont.font.bold();
    if (name == u"StyleI")
        return s.UserFont.font.italic();
    if (name == u"Color")
        return ColorSettingFor(s.UserFont.colour, s.UserFontColorValue, form.palette());
    if (name == u"LineMarkerWidth")
        return qint32(form.Ui().CheckList->width());
    if (name == u"Left")
        return qint32(form.x());
    if (name == u"Top")
        return qint32(form.y());
    if (name == u"Width")
        return qint32(form.width());
    if (name == u"Height")
        return qint32(form.height());
    if (name == u"Maximized")
        return form.isMaximized();
    if (name == u"HTMLLeft")
        return qint32(form.Ui().HTMLToolbar ? form.Ui().HTMLToolbar->SavedLeft : 0);
    if (name == u"HTMLTop")
        return qint32(form.Ui().HTMLToolbar ? form.Ui().HTMLToolbar->SavedTop : 0);
    throw AppError(QCoreApplication::translate("TMainForm", "No value for the setting '%1'").arg(name));
}

}   // namespace

void TMainForm::LoadSettings()
{
    SettingsStore* store = platform().settings;
    startup_.DesktopDir = store ? ReadDesktopDir(*store) : QStringLiteral("/");
    startup_.MacroDir = startup_.DesktopDir;
    if (!store)
        return;
    const LoadContext context{{startup_.DesktopDir, ScreenSizeOf(platform())},
                              platform().screen ? platform().screen->DesktopSize() : QSize()};
    LoadedSettings loaded;
    try {
        LoadSettingsFrom(*store, context, loaded);
    } catch (...) {
        // What was read before the faulty value counts; the rest keeps its design state.
        ApplyLoaded(*this, loaded);
        throw;
    }
    ApplyLoaded(*this, loaded);
}

void TMainForm::ApplyRememberedFolders()
{
    if (!IsChecked(Command::RememberDirs))
        return;
    session_->OpenDialog().initialDir = doc_.LastOpenDir;
    session_->SaveDialog().initialDir = doc_.LastSaveDir;
}

void TMainForm::SaveSettings()
{
    SettingsStore* store = platform().settings;
    if (!store)
        return;
    ShutdownState state;
    state.plainText = IsChecked(Command::PlainText);
    state.markerSidebarVisible = ui_.CheckList->isVisibleTo(this);
    state.rememberPos = IsChecked(Command::RememberPos);
    state.maximized = isMaximized();
    WriteSettingsTo(*store, state, [this](const SettingRow& row) { return ShutdownValue(*this, row); });
}
