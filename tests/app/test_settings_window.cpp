// SPDX-License-Identifier: GPL-3.0-or-later
// The settings as the window loads and writes them, checked on the file.
#include "app/ColourSlots.h"
#include "app/SettingsLoad.h"
#include "app/StatusBar.h"
#include "html/HtmlToolbar.h"
#include "markers/MegaCheckListBox.h"
#include "platform/PrivateTemp.h"
#include "tests/support/MainFormFixture.h"
#include "tests/support/RecordingSettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QToolBar>

namespace {

class SettingsWindowTest : public MainFormTest {
protected:
    QString SettingsPath() const { return fake.settingsFile.FilePath(); }

    // The settings key as the file holds it now.
    RegKey Stored()
    {
        const auto hive = ParseRegFile(ReadFile(SettingsPath()));
        if (!hive) {
            ADD_FAILURE() << "the settings file does not parse";
            return {};
        }
        const RegKey* key = hive->Find(QStringLiteral("HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit"));
        return key ? *key : RegKey{};
    }
    static QStringList Names(const RegKey& key)
    {
        QStringList names;
        for (const RegValue& v : key.values)
            names << v.name;
        return names;
    }
    static QString Text(const RegKey& key, const char* name)
    {
        const RegValue* v = key.Find(QString::fromLatin1(name));
        return v && v->kind == RegValue::Kind::String ? v->text : QStringLiteral("<no text>");
    }
    static qint64 Dword(const RegKey& key, const char* name)
    {
        const RegValue* v = key.Find(QString::fromLatin1(name));
        return v && v->kind == RegValue::Kind::Dword ? qint64(v->number) : -1;
    }
    QColor SwatchPixel(int panel)
    {
        return form().StatusBarPixel(form().Ui().StatusBar->PanelRect(panel).left() + 10, 10);
    }
    void StoreRaw(const std::function<void(SettingsStore&)>& write)
    {
        ASSERT_TRUE(fake.settingsFile.OpenKey(SettingsKey, true));
        write(fake.settingsFile);
        fake.settingsFile.CloseKey();
    }
};

TEST_F(SettingsWindowTest, FirstStartSeedsWhatItReadsAndExitWritesItBack)
{
    CreateAndShow();
    RegKey key = Stored();
    QStringList expected;
    for (const SettingRow& row : SettingsTable()) {
        if (row.Has(PlacementGroup))
            continue;
        expected << row.name;
        const RegValue* value = key.Find(row.name);
        ASSERT_NE(value, nullptr) << row.name.toStdString();
        EXPECT_EQ(value->kind == RegValue::Kind::String, row.type == SettingType::String) << row.name.toStdString();
        if (row.option)
            EXPECT_EQ(value->number, std::get<bool>(row.fixedDefault) ? 1u : 0u) << row.name.toStdString();
    }
    EXPECT_EQ(Names(key), expected) << "nothing of the placement group";
    EXPECT_EQ(Text(key, "Font"), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(Dword(key, "Size"), 8);
    EXPECT_EQ(Text(key, "MakroDir"), form().Startup().DesktopDir);
    EXPECT_TRUE(form().Startup().DesktopDir.endsWith(QStringLiteral("/Desktop/")));
    EXPECT_EQ(Text(key, "LastTextRGB"), QStringLiteral("FFFFFF"));
    EXPECT_EQ(Text(key, "LastDialogRGB"), QStringLiteral("FFFFFF"));
    EXPECT_EQ(Text(key, "ColorA"), QString());
    EXPECT_EQ(Text(key, "ColorP"), QString());
    EXPECT_EQ(Dword(key, "StyleB"), 0);
    EXPECT_EQ(Dword(key, "StyleI"), 0);
    EXPECT_EQ(Dword(key, "Color"), 0x80000008);
    EXPECT_EQ(Dword(key, "LineMarkerWidth"), 100);
    EXPECT_EQ(Dword(key, "RememberPos"), 0);

    EXPECT_TRUE(form().close());
    key = Stored();
    EXPECT_EQ(Names(key), expected) << "the shutdown writes no value the start did not read";
    EXPECT_EQ(Text(key, "LastDialogRGB"), QStringLiteral("FFFFFF")) << "from the painted swatch";
    EXPECT_EQ(Dword(key, "Color"), 0x80000008) << "still the system colour";
    EXPECT_EQ(Text(key, "Font"), QStringLiteral("MS Sans Serif"));
}

TEST_F(SettingsWindowTest, ShutdownWritesInItsOrderFromTheWindowsState)
{
    StoreSettings({{"PlainText", false}, {"WordWrap", false}, {"LineMarkerWidth", qint32(140)}});
    RecordingSettingsStore recorder(fake.settingsFile);
    fake.settings = &recorder;
    CreateAndShow();
    form().Ui().CheckList->show();
    QApplication::processEvents();
    EXPECT_EQ(form().Ui().CheckList->width(), 140);
    recorder.log.clear();
    EXPECT_TRUE(form().close());

    ShutdownState state;
    state.plainText = false;
    state.markerSidebarVisible = true;
    QStringList expected;
    for (const SettingRow* row : ShutdownWrites(state))
        expected << row->name;
    EXPECT_EQ(recorder.Writes(), expected);
    EXPECT_EQ(recorder.log.front(), QStringLiteral("open ") + SettingsKey);
    EXPECT_EQ(recorder.log.back(), QStringLiteral("close"));
    EXPECT_FALSE(expected.contains(QStringLiteral("WordWrap"))) << "ended in rich mode";
    const RegKey key = Stored();
    EXPECT_EQ(Dword(key, "WordWrap"), 0) << "the last plain run's choice survives";
    EXPECT_EQ(Dword(key, "LineMarkerWidth"), 140);
    EXPECT_EQ(Dword(key, "PlainText"), 0);
}

TEST_F(SettingsWindowTest, RememberPosOffCentresTheSmallestWindow)
{
    StoreSettings({{"RememberPos", false}, {"Left", qint32(5)}, {"Width", qint32(900)}});
    CreateAndShow();
    EXPECT_EQ(form().pos(), QPoint(640 - 213, 512 - 175));
    EXPECT_EQ(form().size(), QSize(426, 350));
    EXPECT_FALSE(Item(QStringLiteral("RememberPos1"))->isChecked());
}

TEST_F(SettingsWindowTest, RememberedBoundsAreCheckedAgainstTheDesktop)
{
    // Left: just beyond the fake desktop, which is 2560 wide.
    StoreSettings({{"RememberPos", true},
                   {"Left", qint32(2561)},
                   {"Top", qint32(60)},
                   {"Width", qint32(500)},
                   {"Height", qint32(400)},
                   {"HTMLLeft", qint32(33)}});
    CreateAndShow();
    EXPECT_EQ(form().pos(), QPoint(427, 60));
    EXPECT_EQ(form().size(), QSize(500, 400));
    EXPECT_TRUE(Item(QStringLiteral("RememberPos"))->isChecked());
    EXPECT_TRUE(Item(QStringLiteral("RememberPos1"))->isChecked());
    EXPECT_EQ(windows.htmlToolbar->SavedLeft, 33);
    EXPECT_EQ(windows.htmlToolbar->SavedTop, 0);
    EXPECT_EQ(Dword(Stored(), "HTMLTop"), 0) << "seeded";

    windows.htmlToolbar->SavedTop = 77;
    form().move(60, 70);
    EXPECT_TRUE(form().close());
    const RegKey key = Stored();
    EXPECT_EQ(Dword(key, "Left"), 60);
    EXPECT_EQ(Dword(key, "Top"), 70);
    EXPECT_EQ(Dword(key, "HTMLTop"), 77);
    EXPECT_EQ(Dword(key, "Maximized"), 0);
}

TEST_F(SettingsWindowTest, MaximizedWindowKeepsItsNormalBoundsForTheNextStart)
{
    StoreSettings({{"RememberPos", true},
                   {"Left", qint32(100)},
                   {"Top", qint32(80)},
                   {"Width", qint32(500)},
                   {"Height", qint32(400)}});
    CreateAndShow();
    form().showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(form().close());
    RegKey key = Stored();
    EXPECT_EQ(Dword(key, "Maximized"), 1);
    EXPECT_EQ(Dword(key, "Left"), 100);
    EXPECT_EQ(Dword(key, "Width"), 500);

    Restart();
    EXPECT_TRUE(form().isMaximized());
    EXPECT_EQ(form().normalGeometry().size(), QSize(500, 400));
}

TEST_F(SettingsWindowTest, HtmlToolbarOpenAtExitComesBackInItsPlace)
{
    StoreSetting(QStringLiteral("RememberPos"), true);
    CreateAndShow();
    form().RunHandler(&TMainForm::Toolbar2Click);
    windows.htmlToolbar->move(300, 200);
    EXPECT_TRUE(form().close());
    const RegKey key = Stored();
    EXPECT_EQ(Dword(key, "HTMLToolbar"), 1) << "the main window's closing leaves the check marks";
    EXPECT_EQ(Dword(key, "HTMLLeft"), 300);
    EXPECT_EQ(Dword(key, "HTMLTop"), 200);

    Restart();
    EXPECT_TRUE(windows.htmlToolbar->isVisible());
    EXPECT_EQ(windows.htmlToolbar->pos(), QPoint(300, 200));
}

TEST_F(SettingsWindowTest, SwatchesPaintTheColourTextsAndExitReadsThemBack)
{
    StoreSettings({{"LastDialogRGB", QStringLiteral("0000FF")},
                   {"LastTextRGB", QStringLiteral("GGHHII")},
                   {"ColorC", QStringLiteral("ColorC=00FF00")}});
    CreateAndShow();
    EXPECT_EQ(form().Startup().LastChosenColour, (ColourSlots{"FF", "00", "00"}));
    EXPECT_EQ(SwatchPixel(3), QColor(Qt::red));
    EXPECT_EQ(SwatchPixel(4), QColor(Qt::white)) << "texts that are not hexadecimal paint white";
    EXPECT_EQ(CustomColoursFromLines(form().Startup().CustomLines)[2], QColor(0, 255, 0));

    // What the bar shows at exit is what is written.
    form().Startup().LastSelectedColour = ColourSlots{"12", "34", "56"};
    EXPECT_TRUE(form().close());
    const RegKey key = Stored();
    EXPECT_EQ(Text(key, "LastDialogRGB"), QStringLiteral("0000FF"));
    EXPECT_EQ(Text(key, "LastTextRGB"), QStringLiteral("563412"));
    EXPECT_EQ(Text(key, "ColorC"), QStringLiteral("ColorC=00FF00"));
    EXPECT_EQ(Text(key, "ColorB"), QString());
}

TEST_F(SettingsWindowTest, UnpaintedSwatchesKeepTheirColours)
{
    // Minimized there is no pixel to read; in rich-text mode the swatches
    // have no width. Either way the colours held must be written, not a
    // neighbour's pixel or an invalid value.
    StoreSettings({{"LastDialogRGB", QStringLiteral("0000FF")}, {"LastTextRGB", QStringLiteral("00FF00")}});
    CreateAndShow();
    form().showMinimized();
    EXPECT_TRUE(form().close());
    EXPECT_EQ(Text(Stored(), "LastDialogRGB"), QStringLiteral("0000FF"));

    Restart();
    form().Ui().StatusBar->SetPanelWidth(3, 0);
    form().Ui().StatusBar->SetPanelWidth(4, 0);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(Text(Stored(), "LastDialogRGB"), QStringLiteral("0000FF"));
    EXPECT_EQ(Text(Stored(), "LastTextRGB"), QStringLiteral("00FF00"));
}

TEST_F(SettingsWindowTest, FontValuesBuildTheUserFont)
{
    StoreSettings(
        {{"Font", QStringLiteral("Courier New")}, {"Size", qint32(12)}, {"StyleB", true}, {"Color", qint32(0x0000FF)}});
    CreateAndShow();
    const QFont font = form().Startup().UserFont.font;
    EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(form().Startup().UserFont.colour, QColor(Qt::red));
    EXPECT_EQ(form().Ui().RichEdit->ControlFont().family(), QStringLiteral("Courier New"));

    form().Startup().UserFont.font.setItalic(true);
    EXPECT_TRUE(form().close());
    const RegKey key = Stored();
    EXPECT_EQ(Dword(key, "StyleB"), 1);
    EXPECT_EQ(Dword(key, "StyleI"), 1);
    EXPECT_EQ(Dword(key, "Color"), 0x0000FF);
}

TEST_F(SettingsWindowTest, RememberedFoldersAndFieldsForLaterUse)
{
    StoreSettings({{"LastOpenDir", QStringLiteral("/data/in/")},
                   {"LastSaveDir", QStringLiteral("/data/out/")},
                   {"LastOpenIndex", qint32(4)},
                   {"MakroDir", QStringLiteral("/data/macros/")},
                   {"TidyOptions", QStringLiteral("-i \"x\"")}});
    CreateAndShow();
    EXPECT_EQ(form().Session().OpenDialog().initialDir, QStringLiteral("/data/in/"));
    EXPECT_EQ(form().Session().SaveDialog().initialDir, QStringLiteral("/data/out/"));
    EXPECT_EQ(form().Session().OpenDialog().filterIndex, 4);
    EXPECT_EQ(form().Startup().MacroDir, QStringLiteral("/data/macros/"));
    EXPECT_EQ(form().Startup().TidyOptions, QStringLiteral("-i \"x\""));
    EXPECT_TRUE(form().close());
    EXPECT_EQ(Text(Stored(), "TidyOptions"), QStringLiteral("-i \"x\""));

    // Without "Remember Directories" the dialogs start where they like,
    // but the folders are still kept.
    StoreSetting(QStringLiteral("RememberDirs"), false);
    Restart();
    EXPECT_TRUE(form().Session().OpenDialog().initialDir.isEmpty());
    EXPECT_EQ(form().Session().State().LastOpenDir, QStringLiteral("/data/in/"));
}

TEST_F(SettingsWindowTest, WrongTypeStopsTheStartupButTheClosingStepsRun)
{
    StoreSetting(QStringLiteral("Font"), QStringLiteral("Courier New"));
    StoreRaw([](SettingsStore& s) { s.WriteString(QStringLiteral("Size"), QStringLiteral("10")); });
    StoreSettings({{"MakroSort", false}, {"Toolbar", false}});
    fake.prompts.ExpectException(QStringLiteral("Mirel-Edit 1.5.4"), QStringLiteral("Invalid data type for 'Size'"));
    QApplication::setOverrideCursor(Qt::BusyCursor);
    CreateAndShow();
    EXPECT_EQ(form().Startup().UserFont.font.family(), QStringLiteral("Courier New")) << "read before the fault";
    EXPECT_TRUE(Item(QStringLiteral("SortMacros"))->isChecked()) << "after the fault: design state";
    EXPECT_TRUE(form().Ui().ToolBar->isVisible()) << "closing step 27 from the design's check mark";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Text(Stored(), "MakroDir"), QStringLiteral("<no text>")) << "nothing seeded after the fault";
}

TEST_F(SettingsWindowTest, BrokenFileIsMovedAsideReportedAndDefaultsUsed)
{
    const QByteArray garbage = "[HKEY_CURRENT_USER\\Software\\MirelSoft\\Mirel-Edit]\r\n\"Toolbar\"=dword:0\r\n";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(SettingsPath()).absolutePath()));
    QFile f(SettingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(garbage);
    f.close();
    fake.prompts.ExpectMessage(MsgKind::Error,
                               QStringLiteral("The settings file %1 cannot be read (line 1: missing header line).\n"
                                              "It was moved to %1.broken and the default settings are used.")
                                   .arg(SettingsPath()),
                               MsgButtons::Ok, MsgAnswer::Ok);
    CreateAndShow();
    EXPECT_EQ(ReadFile(SettingsPath() + QStringLiteral(".broken")), garbage);
    EXPECT_TRUE(form().Ui().ToolBar->isVisible()) << "default, not the broken file's value";
    EXPECT_EQ(Dword(Stored(), "Toolbar"), 1);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(ReadFile(SettingsPath() + QStringLiteral(".broken")), garbage);
}

TEST_F(SettingsWindowTest, RefusedWriteAtExitIsShownAndTheProgramStillEnds)
{
    RecordingSettingsStore recorder(fake.settingsFile);
    fake.settings = &recorder;
    CreateAndShow();
    const QString preview = MakePreviewFile();
    ASSERT_FALSE(preview.isEmpty());
    form().Startup().PreviewFile = preview;
    form().RunHandler(&TMainForm::ToolbarvisibleClick);
    recorder.refuse = QStringLiteral("Font");
    fake.prompts.ExpectException(QStringLiteral("Mirel-Edit 1.5.4"), QStringLiteral("Failed to set data for 'Font'"));
    EXPECT_TRUE(form().close());
    EXPECT_FALSE(QFile::exists(preview)) << "the steps after the settings still run";
    EXPECT_EQ(Dword(Stored(), "Toolbar"), 1) << "nothing after the refused write";
}

TEST_F(SettingsWindowTest, OfTwoInstancesTheOneClosedLastWins)
{
    CreateAndShow();
    Platform secondPlatform = fake.platform();
    RegFileSettingsStore secondStore(SettingsPath());
    secondPlatform.settings = &secondStore;
    ProgramWindows second = CreateProgramWindows(secondPlatform, {});
    second.main->show();
    QApplication::processEvents();

    form().RunHandler(&TMainForm::ToolbarvisibleClick);
    second.main->RunHandler(&TMainForm::AutoTabClick);
    EXPECT_TRUE(second.main->close());
    EXPECT_EQ(Dword(Stored(), "AutoTab"), 1);
    EXPECT_TRUE(form().close());
    const RegKey key = Stored();
    EXPECT_EQ(Dword(key, "AutoTab"), 0);
    EXPECT_EQ(Dword(key, "Toolbar"), 0);
}

}   // namespace
