// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ColourSlots.h"
#include "app/SettingsLoad.h"
#include "platform/AppError.h"
#include "tests/support/RecordingSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsLoadTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Mirel-Edit.reg"));
    RegFileSettingsStore file{path, QStringLiteral("/home/u/Desktop")};
    RecordingSettingsStore store{file};
    // Screen 1280 x 1024: the centred window stands at 427, 337.
    LoadContext context{{QStringLiteral("/home/u/Desktop/"), QSize(1280, 1024)}, QSize(2560, 1024)};

    template <class F> void Put(F&& write)
    {
        ASSERT_TRUE(file.OpenKey(SettingsKey, true));
        write(file);
        file.CloseKey();
    }
    QByteArray File() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static qint32 Number(const LoadedSettings& loaded, const char* name)
    {
        const LoadedValue* got = loaded.Find(QString::fromLatin1(name));
        return got ? std::get<qint32>(got->value) : -99999;
    }
};

TEST_F(SettingsLoadTest, DesktopFolderEndsWithOneSlashOrIsJustASlash)
{
    EXPECT_EQ(ReadDesktopDir(store), QStringLiteral("/home/u/Desktop/"));
    RegFileSettingsStore noDesktop(path, QString());
    EXPECT_EQ(ReadDesktopDir(noDesktop), QStringLiteral("/"));
}

TEST_F(SettingsLoadTest, MissingRememberPosSeedsEverythingUpToItAndLeavesThePlacement)
{
    LoadedSettings loaded;
    LoadSettingsFrom(store, context, loaded);
    EXPECT_EQ(loaded.placement, Placement::SystemDefault);
    // Up to "RememberPos", then the rows read whatever it says.
    ASSERT_EQ(loaded.rows.size(), 45u + 13u);
    EXPECT_EQ(loaded.rows[44].first->name, QStringLiteral("RememberPos"));
    EXPECT_EQ(loaded.rows.back().first->name, QStringLiteral("SyntaxColouring"));
    for (const auto& [row, got] : loaded.rows)
        EXPECT_FALSE(got.existed) << row->name.toStdString();
    EXPECT_EQ(store.log.mid(0, 2), (QStringList{"create " + SettingsKey, "open " + SettingsKey}));
    EXPECT_EQ(store.log.back(), QStringLiteral("close"));

    // The next start finds what the first one seeded.
    store.log.clear();
    LoadedSettings again;
    LoadSettingsFrom(store, context, again);
    EXPECT_EQ(store.log, (QStringList{"open " + SettingsKey, "close"}));
    ASSERT_EQ(again.rows.size(), 45u + 13u);
    for (size_t i = 0; i < again.rows.size(); ++i) {
        EXPECT_TRUE(again.rows[i].second.existed);
        EXPECT_EQ(again.rows[i].second.value, loaded.rows[i].second.value);
    }
}

TEST_F(SettingsLoadTest, RememberedPlacementChecksOnlyTheUpperBound)
{
    Put([](SettingsStore& s) {
        s.WriteBool(QStringLiteral("RememberPos"), true);
        s.WriteInteger(QStringLiteral("Left"), 2561);   // beyond the 2560 wide desktop
        s.WriteInteger(QStringLiteral("Top"), -50);
    });
    LoadedSettings loaded;
    LoadSettingsFrom(store, context, loaded);
    EXPECT_EQ(loaded.placement, Placement::Remembered);
    ASSERT_EQ(loaded.rows.size(), 65u);
    EXPECT_EQ(Number(loaded, "Left"), 427);
    EXPECT_EQ(Number(loaded, "Top"), -50);
    EXPECT_EQ(Number(loaded, "Width"), 426);
    EXPECT_EQ(Number(loaded, "Height"), 350);
    EXPECT_FALSE(loaded.Find(u"Maximized")->existed);
    EXPECT_FALSE(loaded.Find(u"HTMLTop")->existed);
    // The stored left stays as it was; only what is missing is written.
    const QByteArray written = File();
    EXPECT_TRUE(written.contains("\"Left\"=dword:00000a01\r\n"));
    for (const char* line : {"\"Width\"=dword:000001aa", "\"Height\"=dword:0000015e", "\"Maximized\"=dword:00000000",
                             "\"HTMLLeft\"=dword:00000000", "\"HTMLTop\"=dword:00000000"})
        EXPECT_TRUE(written.contains(line)) << line;

    // Exactly on the edge is not beyond it; the top is checked against the height.
    Put([](SettingsStore& s) {
        s.WriteInteger(QStringLiteral("Left"), 2560);
        s.WriteInteger(QStringLiteral("Top"), 1025);
    });
    LoadedSettings edge;
    LoadSettingsFrom(store, context, edge);
    EXPECT_EQ(Number(edge, "Left"), 2560);
    EXPECT_EQ(Number(edge, "Top"), 337);
    Put([](SettingsStore& s) { s.WriteInteger(QStringLiteral("Left"), -50); });
    LoadedSettings negative;
    LoadSettingsFrom(store, context, negative);
    EXPECT_EQ(Number(negative, "Left"), -50);
}

TEST_F(SettingsLoadTest, WrongTypeStopsAtItsRowAndStillClosesTheKey)
{
    Put([](SettingsStore& s) { s.WriteString(QStringLiteral("Size"), QStringLiteral("8")); });
    LoadedSettings loaded;
    try {
        LoadSettingsFrom(store, context, loaded);
        ADD_FAILURE() << "the load went past a text where a number belongs";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid data type for 'Size'"));
    }
    ASSERT_EQ(loaded.rows.size(), 1u);
    EXPECT_EQ(loaded.rows[0].first->name, QStringLiteral("Font"));
    EXPECT_EQ(store.log.back(), QStringLiteral("close"));
    // What was seeded before the fault is kept, nothing after it is written.
    const QByteArray written = File();
    EXPECT_TRUE(written.contains("\"Font\"=\"MS Sans Serif\""));
    EXPECT_FALSE(written.contains("\"MakroDir\""));
    EXPECT_TRUE(written.contains("\"Size\"=\"8\"")) << "the faulty value is left as it is";
}

TEST_F(SettingsLoadTest, RefusedWriteAtShutdownStopsTheWritesAndClosesTheKey)
{
    store.refuse = QStringLiteral("Size");
    const SettingSource defaults = [&](const SettingRow& row) { return DefaultValue(row, context.defaults); };
    EXPECT_THROW(WriteSettingsTo(store, ShutdownState{}, defaults), AppError);
    EXPECT_EQ(store.Writes().last(), QStringLiteral("Font"));
    EXPECT_EQ(store.log.back(), QStringLiteral("close"));
    EXPECT_TRUE(File().contains("\"Font\"=\"MS Sans Serif\"")) << "what was written before stays, as in the registry";
}

TEST(FontColourSetting, SystemColourIsWrittenBackWhileUnchanged)
{
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    const qint32 system = qint32(SystemWindowTextColour);
    EXPECT_EQ(ColorSettingFor(QColor(1, 2, 3), system, palette), system);
    EXPECT_EQ(ColorSettingFor(QColor(255, 0, 0), system, palette), 0x0000FF);
    EXPECT_EQ(ColorSettingFor(QColor(0, 0, 255), 0x0000FF, palette), 0xFF0000);
}

TEST(CustomColours, LinesAndDialogColoursConvertBothWays)
{
    CustomColourLines lines;
    lines[2] = QStringLiteral("ColorC=00FF00");
    lines[3] = QStringLiteral("ColorD=nonsense");
    const CustomColours colours = CustomColoursFromLines(lines);
    EXPECT_EQ(colours[2], QColor(0, 255, 0));
    EXPECT_FALSE(colours[0].isValid());
    EXPECT_FALSE(colours[3].isValid());
    const CustomColourLines back = LinesFromCustomColours(colours);
    EXPECT_EQ(back[2], QStringLiteral("ColorC=00FF00"));
    EXPECT_EQ(back[0], QStringLiteral("ColorA=FFFFFFFF")) << "the dialog's line for an empty slot";
}

}   // namespace
