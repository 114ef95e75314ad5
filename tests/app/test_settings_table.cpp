// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColourSlots.h"
#include "app/SettingsTable.h"
#include "platform/AppError.h"
#include "platform/RegFileSettingsStore.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Names(const std::vector<const SettingRow*>& rows)
{
    QStringList names;
    for (const SettingRow* row : rows)
        names << row->name;
    return names;
}

const SettingRow& Row(const char* name)
{
    const SettingRow* row = FindSetting(QString::fromLatin1(name));
    if (!row)
        throw AppError(QStringLiteral("no row ") + QString::fromLatin1(name));
    return *row;
}

TEST(SettingsTable, RowsFollowTheLoadOrder)
{
    const auto& table = SettingsTable();
    ASSERT_EQ(table.size(), 65u);
    QSet<QString> names;
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].loadOrder, int(i + 1));
        names.insert(table[i].name.toLower());
    }
    EXPECT_EQ(names.size(), 65);

    EXPECT_EQ(table[0].name, QStringLiteral("Font"));
    EXPECT_EQ(table[2].name, QStringLiteral("MakroDir"));
    EXPECT_EQ(table[8].name, QStringLiteral("LastTextRGB"));
    EXPECT_EQ(table[9].name, QStringLiteral("LastDialogRGB"));
    EXPECT_EQ(table[10].name, QStringLiteral("ColorA"));
    EXPECT_EQ(table[25].name, QStringLiteral("ColorP"));
    EXPECT_EQ(table[26].name, QStringLiteral("MakroSort"));
    EXPECT_EQ(table[42].name, QStringLiteral("LineMarkerWidth"));
    EXPECT_EQ(table[44].name, QStringLiteral("RememberPos"));
    EXPECT_EQ(table[51].name, QStringLiteral("HTMLTop"));
    EXPECT_EQ(table[52].name, QStringLiteral("LineNumbers"));
    EXPECT_EQ(table[53].name, QStringLiteral("Zoom"));
    EXPECT_EQ(table[54].name, QStringLiteral("RecentFile1"));
    EXPECT_EQ(table[63].name, QStringLiteral("RecentFile10"));
    EXPECT_EQ(table[64].name, QStringLiteral("SyntaxColouring"));

    // Only rows 46 to 52 wait for "RememberPos"; the rows after them are
    // read whatever it says, and a broken one is passed over.
    for (const SettingRow& row : table) {
        EXPECT_EQ(row.Has(PlacementGroup), row.loadOrder >= 46 && row.loadOrder <= 52) << row.name.toStdString();
        EXPECT_EQ(row.Has(AfterPlacement), row.loadOrder > 52) << row.name.toStdString();
        EXPECT_EQ(row.Has(SkipBroken), row.loadOrder > 52) << row.name.toStdString();
        EXPECT_EQ(RecentFileSlot(row), row.loadOrder > 54 && row.loadOrder <= 64 ? row.loadOrder - 55 : -1)
            << row.name.toStdString();
    }
}

TEST(SettingsTable, TypesDefaultsAndItemsMatchTheText)
{
    EXPECT_EQ(Row("Font").fixedDefault, SettingValue(QStringLiteral("MS Sans Serif")));
    EXPECT_EQ(Row("Size").type, SettingType::Integer);
    EXPECT_EQ(Row("Size").fixedDefault, SettingValue(qint32(8)));
    EXPECT_EQ(Row("LastDialogRGB").fixedDefault, SettingValue(QStringLiteral("FFFFFF")));
    EXPECT_EQ(Row("Color").fixedDefault, SettingValue(qint32(0x80000008u)));
    EXPECT_EQ(Row("LineMarkerWidth").fixedDefault, SettingValue(qint32(100)));
    EXPECT_EQ(Row("ReplaceSpecialChars").fixedDefault, SettingValue(false));
    EXPECT_EQ(Row("RememberPos").fixedDefault, SettingValue(false));

    EXPECT_EQ(Row("MakroSort").option, Command::SortMacros);
    EXPECT_EQ(Row("ReplaceSpecialChars").option, Command::ReplaceSpecialCharacters);
    EXPECT_FALSE(Row("Maximized").option);

    const DefaultContext machine{QStringLiteral("/home/u/Desktop/"), QSize(1025, 769)};
    EXPECT_EQ(DefaultValue(Row("MakroDir"), machine), SettingValue(QStringLiteral("/home/u/Desktop/")));
    EXPECT_EQ(DefaultValue(Row("Left"), machine), SettingValue(qint32(512 - 213)));
    EXPECT_EQ(DefaultValue(Row("Top"), machine), SettingValue(qint32(384 - 175)));
    EXPECT_EQ(DefaultValue(Row("Height"), machine), SettingValue(qint32(350)));

    EXPECT_TRUE(Row("StyleB").Has(FontStyle) && Row("StyleB").Has(KeepStateWhenMissing));
    EXPECT_TRUE(Row("Maximized").Has(KeepStateWhenMissing));
    EXPECT_FALSE(Row("HTMLLeft").Has(KeepStateWhenMissing));
    EXPECT_TRUE(Row("Top").Has(ClampToDesktop));
    EXPECT_TRUE(Row("ColorP").Has(CustomColour));
    EXPECT_TRUE(Row("LastTextRGB").Has(ColourText));
}

TEST(SettingsTable, ShutdownWritesInItsOwnOrder)
{
    const QStringList all = Names(ShutdownOrder());
    ASSERT_EQ(all.size(), 65);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), 65);
    EXPECT_EQ(all.mid(0, 7), (QStringList{"LastOpenDir", "LastOpenIndex", "LastSaveDir", "TidyLocation", "TidyOptions",
                                          "LastDialogRGB", "LastTextRGB"}));
    EXPECT_EQ(all.mid(13, 3), (QStringList{"ColorA", "ColorB", "ColorC"}));
    EXPECT_EQ(all.mid(29, 4), (QStringList{"PlainText", "WordWrap", "LineMarkerWidth", "RememberDirs"}));
    EXPECT_EQ(all.mid(49, 6),
              (QStringList{"AlwaysStayOnTop", "Toolbar", "MenuVisible", "LineNumbers", "Zoom", "SyntaxColouring"}));
    EXPECT_EQ(all.mid(55, 2), (QStringList{"RecentFile1", "RecentFile2"}));
    EXPECT_EQ(all.back(), QStringLiteral("RecentFile10"));

    ShutdownState state;   // plain text, sidebar hidden, position not remembered
    QStringList written = Names(ShutdownWrites(state));
    EXPECT_TRUE(written.contains("WordWrap"));
    EXPECT_FALSE(written.contains("LineMarkerWidth"));
    for (const char* name : {"Left", "Top", "Width", "Height", "Maximized", "HTMLLeft", "HTMLTop"})
        EXPECT_FALSE(written.contains(name)) << name;
    EXPECT_EQ(written.size(), 65 - 8);

    state.plainText = false;
    state.markerSidebarVisible = true;
    written = Names(ShutdownWrites(state));
    EXPECT_FALSE(written.contains("WordWrap"));
    EXPECT_TRUE(written.contains("LineMarkerWidth"));

    state.rememberPos = true;
    written = Names(ShutdownWrites(state));
    const qsizetype at = written.indexOf("RememberPos");
    EXPECT_EQ(written.mid(at, 9), (QStringList{"RememberPos", "HTMLTop", "HTMLLeft", "Left", "Top", "Width", "Height",
                                               "Maximized", "AlwaysStayOnTop"}));
    state.maximized = true;   // the last normal bounds stay stored
    written = Names(ShutdownWrites(state));
    EXPECT_EQ(written.mid(written.indexOf("RememberPos"), 5),
              (QStringList{"RememberPos", "HTMLTop", "HTMLLeft", "Maximized", "AlwaysStayOnTop"}));
}

TEST(SettingsTable, PlacementKeepsOnlyTheUpperBound)
{
    EXPECT_EQ(CentredLeft(1920), 747);
    EXPECT_EQ(CentredTop(1080), 365);
    EXPECT_EQ(PlacedLeft(4000, 3840, 1920), 747);
    EXPECT_EQ(PlacedLeft(3840, 3840, 1920), 3840);
    EXPECT_EQ(PlacedLeft(-50, 3840, 1920), -50);
    EXPECT_EQ(PlacedTop(1081, 1080, 1080), 365);
    EXPECT_EQ(PlacedTop(-20, 1080, 1080), -20);
}

class ReadOrSeedTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/Mirel-Edit.reg");
    RegFileSettingsStore store{path, QStringLiteral("/home/u/Desktop")};

    QByteArray File()
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ReadOrSeedTest, FirstStartSeedsEveryRowBeforeThePlacement)
{
    const DefaultContext machine{QStringLiteral("/home/u/Desktop/"), QSize(1920, 1080)};
    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    for (const SettingRow& row : SettingsTable()) {
        if (row.Has(PlacementGroup))
            break;
        SettingValue value = DefaultValue(row, machine);
        EXPECT_FALSE(ReadSetting(store, row, value)) << row.name.toStdString();
        EXPECT_EQ(value, DefaultValue(row, machine));
    }
    store.CloseKey();

    const QByteArray file = File();
    for (const char* line :
         {"\"Font\"=\"MS Sans Serif\"", "\"Size\"=dword:00000008", "\"MakroDir\"=\"/home/u/Desktop/\"",
          "\"LastTextRGB\"=\"FFFFFF\"", "\"LastDialogRGB\"=\"FFFFFF\"", "\"ColorA\"=\"\"", "\"ColorP\"=\"\"",
          "\"StyleB\"=dword:00000000", "\"Color\"=dword:80000008", "\"LineMarkerWidth\"=dword:00000064",
          "\"RememberPos\"=dword:00000000", "\"MakroSort\"=dword:00000001", "\"AlwaysStayOnTop\"=dword:00000000"})
        EXPECT_TRUE(file.contains(QByteArray(line) + "\r\n")) << line;
    for (const char* name : {"Left", "Top", "Width", "Height", "Maximized", "HTMLLeft", "HTMLTop"})
        EXPECT_FALSE(file.contains(QByteArray("\"") + name + "\"")) << name;
}

TEST_F(ReadOrSeedTest, StoredValuesWinAndWrongTypesThrow)
{
    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    store.WriteString(QStringLiteral("Font"), QStringLiteral("Courier New"));
    store.WriteInteger(QStringLiteral("Size"), 3);
    store.WriteInteger(QStringLiteral("Center"), 7);
    store.WriteString(QStringLiteral("LineMarkerWidth"), QStringLiteral("100"));
    store.CloseKey();
    const QByteArray before = File();

    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    QString font = QStringLiteral("MS Sans Serif");
    EXPECT_TRUE(ReadStringSetting(store, QStringLiteral("Font"), font));
    EXPECT_EQ(font, QStringLiteral("Courier New"));
    SettingValue size = qint32(8);
    EXPECT_TRUE(ReadSetting(store, Row("Size"), size));
    EXPECT_EQ(size, SettingValue(qint32(3)));
    bool centre = false;
    EXPECT_TRUE(ReadBoolSetting(store, QStringLiteral("Center"), centre));
    EXPECT_TRUE(centre);

    qint32 width = 100;
    EXPECT_THROW(ReadIntegerSetting(store, QStringLiteral("LineMarkerWidth"), width), AppError);
    EXPECT_EQ(width, 100);
    SettingValue wrongKind = QStringLiteral("8");
    EXPECT_THROW(ReadSetting(store, Row("Size"), wrongKind), AppError);
    EXPECT_THROW(WriteSetting(store, Row("PlainText"), SettingValue(qint32(1))), AppError);
    store.CloseKey();
    EXPECT_EQ(File(), before);

    ASSERT_TRUE(store.OpenKey(SettingsKey, true));
    WriteSetting(store, Row("PlainText"), SettingValue(false));
    store.CloseKey();
    EXPECT_TRUE(File().contains("\"PlainText\"=dword:00000000\r\n"));
}

TEST(ColourSlots, SettingTextsSplitBlueGreenRed)
{
    EXPECT_EQ(ColourSlotsFromSetting(QStringLiteral("0000FF")),
              (ColourSlots{QStringLiteral("FF"), QStringLiteral("00"), QStringLiteral("00")}));
    EXPECT_EQ(SwatchColour(ColourSlotsFromSetting(QStringLiteral("0000FF"))), QColor(255, 0, 0));
    EXPECT_EQ(SwatchColour(ColourSlotsFromSetting(QStringLiteral("FF0000"))), QColor(0, 0, 255));
    EXPECT_EQ(SwatchColour(ColourSlotsFromSetting(QStringLiteral("a0b1c2"))), QColor(0xc2, 0xb1, 0xa0));

    // Short texts are taken as they stand and read as a shorter number.
    const ColourSlots shortSlots = ColourSlotsFromSetting(QStringLiteral("FFF"));
    EXPECT_EQ(shortSlots, (ColourSlots{QString(), QStringLiteral("F"), QStringLiteral("FF")}));
    EXPECT_EQ(ColourNumber(shortSlots), std::optional<quint32>(0xFFFu));
    EXPECT_EQ(SwatchColour(ColourSlotsFromSetting(QString())), QColor(0, 0, 0));

    // The invalid-colour value written for an unreadable pixel reads back white.
    EXPECT_EQ(SwatchColour(ColourSlotsFromSetting(QStringLiteral("FFFFFFFF"))), QColor(Qt::white));
    for (const char* junk : {"zz0000", "12 456", "-12345", "0x1234"}) {
        EXPECT_FALSE(ColourNumber(ColourSlotsFromSetting(QString::fromLatin1(junk)))) << junk;
        EXPECT_EQ(SwatchColour(ColourSlotsFromSetting(QString::fromLatin1(junk))), QColor(Qt::white)) << junk;
    }
    EXPECT_EQ(SwatchColour(ColourSlots{QStringLiteral("1"), QStringLiteral("FFFFFF"), QString()}),
              QColor(Qt::white));   // 0x1FFFFFF is no plain colour
}

TEST(ColourSlots, PixelsBecomeSettingAndHtmlTexts)
{
    EXPECT_EQ(ColourSettingText(QColor(0x12, 0x34, 0x56)), QStringLiteral("563412"));
    EXPECT_EQ(ColourSettingText(QColor(0, 0, 0)), QStringLiteral("000000"));
    EXPECT_EQ(ColourSettingText(QColor()), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(HtmlColourText(QColor(0x12, 0x34, 0xab)), QStringLiteral("1234AB"));
    EXPECT_EQ(HtmlColourText(QColor(0, 0, 255)), QStringLiteral("0000FF"));

    const QColor back = SwatchColour(ColourSlotsFromSetting(ColourSettingText(QColor(7, 8, 9))));
    EXPECT_EQ(back, QColor(7, 8, 9));
}

TEST(ColourSlots, CustomColourLinesKeepTheirLetter)
{
    EXPECT_EQ(CustomColourName(0), QStringLiteral("ColorA"));
    EXPECT_EQ(CustomColourName(15), QStringLiteral("ColorP"));
    EXPECT_EQ(CustomColourLine(2, QColor(0, 255, 0)), QStringLiteral("ColorC=00FF00"));
    EXPECT_EQ(CustomColourLine(3, QColor()), QStringLiteral("ColorD=FFFFFFFF"));

    EXPECT_EQ(CustomColourFromLine(2, QStringLiteral("ColorC=00FF00")), QColor(0, 255, 0));
    EXPECT_EQ(CustomColourFromLine(2, QStringLiteral("colorc=ff")), QColor(255, 0, 0));
    EXPECT_EQ(CustomColourFromLine(4, CustomColourLine(4, QColor(1, 2, 3))), QColor(1, 2, 3));
    for (const char* bad : {"", "ColorA=00FF00", "ColorC=", "ColorC=FFFFFFFF", "ColorC=12G456", "ColorC"})
        EXPECT_FALSE(CustomColourFromLine(2, QString::fromLatin1(bad)).isValid()) << bad;
}

TEST(ColourSlots, FontColourSettingNamesPlainOrSystemColours)
{
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    EXPECT_EQ(ColourFromColorSetting(qint32(SystemWindowTextColour), palette), QColor(1, 2, 3));
    EXPECT_EQ(ColourFromColorSetting(qint32(0x80000005u), palette), QColor(4, 5, 6));
    EXPECT_EQ(ColourFromColorSetting(0x000000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromColorSetting(0x00FF0000, palette), QColor(0, 0, 255));
}

}   // namespace
