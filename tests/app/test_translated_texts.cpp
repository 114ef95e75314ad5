// SPDX-License-Identifier: GPL-3.0-or-later
// What the user reads passes through the translator, in the context the
// translation files keep it under, while object names, shortcuts, links and
// recorded lines stay as they are; and the German menus keep their access
// keys apart.
#include "app/AboutBox.h"
#include "app/CommandLine.h"
#include "app/CommandMap.h"
#include "app/SettingsLoad.h"
#include "app/StatusBar.h"
#include "tests/support/MainFormFixture.h"
#include "tests/support/MarkingTranslator.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <functional>

namespace {

QString Marked(const char* context, const QString& text)
{
    return MarkingTranslator::Marked(context, text);
}

class TranslatedTextsTest : public MainFormTest {
protected:
    // A menu's items against their layout, in order, submenus included.
    void ExpectItems(const QMenu* menu, const std::vector<MenuEntry>& entries, Twin twin)
    {
        QList<QAction*> actions;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                actions << a;
        qsizetype at = 0;
        for (const MenuEntry& entry : entries) {
            if (entry.kind == MenuEntry::Separator || (entry.kind == MenuEntry::MainOnlyItem && twin != Twin::Main))
                continue;
            ASSERT_LT(at, actions.size()) << menu->objectName().toStdString();
            const QAction* action = actions[at++];
            if (entry.kind == MenuEntry::Submenu) {
                EXPECT_EQ(action->menu()->objectName(), entry.submenu->Name(twin));
                EXPECT_EQ(action->text(), Marked("CommandMap", entry.submenu->caption));
                ExpectItems(action->menu(), entry.submenu->entries, twin);
                continue;
            }
            const CommandDef& def = CommandOf(entry.command);
            const std::string name = def.Name(twin).toStdString();
            EXPECT_EQ(action->objectName(), def.Name(twin));
            EXPECT_EQ(action->text(), Marked("CommandMap", def.Caption(twin))) << name;
            const QString keys = QString::fromUtf8(def.shortcut);
            EXPECT_EQ(action->shortcuts(), keys.isEmpty()
                                               ? QList<QKeySequence>()
                                               : QKeySequence::listFromString(keys, QKeySequence::PortableText))
                << name;
        }
        EXPECT_EQ(at, actions.size()) << menu->objectName().toStdString();
    }

private:
    // Outlives the windows, which go in TearDown.
    const MarkingTranslator marker_{MarkingTranslator::Marks::Context};
};

TEST_F(TranslatedTextsTest, MenuCaptionsAreTranslatedAndNamesAndShortcutsAreNot)
{
    Create();
    const QList<QAction*> bar = form().menuBar()->actions();
    ASSERT_EQ(size_t(bar.size()), MainMenuLayout().size());
    for (size_t i = 0; i < MainMenuLayout().size(); ++i) {
        const MenuLayout& layout = MainMenuLayout()[i];
        const QMenu* menu = bar[qsizetype(i)]->menu();
        EXPECT_EQ(menu->objectName(), layout.Name(Twin::Main));
        EXPECT_EQ(menu->title(), Marked("CommandMap", layout.caption));
        ExpectItems(menu, layout.entries, Twin::Main);
    }

    // The context menu: its own items, then a submenu per main menu.
    ExpectItems(form().PopupMenu(), ContextMenuLayout(), Twin::Context);
}

TEST_F(TranslatedTextsTest, ControlTextsAreTranslatedAndTheLinkIsNot)
{
    Create();
    const auto tip = [this](const char* name) {
        QWidget* w = form().findChild<QWidget*>(QString::fromUtf8(name));
        return w ? w->toolTip() : QStringLiteral("no control %1").arg(QString::fromUtf8(name));
    };
    const auto label = [this](QLabel* TAbout::*member) { return (form().Ui().About->*member)->text(); };
    struct Case {
        QString shown;
        QString expected;
    };
    const Case cases[] = {
        {tip("OpenButton"), Marked("CommandMap", "open")},
        {tip("SaveButton"), Marked("CommandMap", "save")},
        {tip("DeleteButton"), Marked("CommandMap", "delete")},
        {tip("CutButton"), Marked("CommandMap", "cut")},
        {tip("CopyButton"), Marked("CommandMap", "copy")},
        {tip("PasteButton"), Marked("CommandMap", "paste")},
        {tip("UndoButton"), Marked("CommandMap", "undo")},
        {tip("FindButton"), Marked("CommandMap", "find")},
        {tip("MakroFeld"), Marked("CommandMap", "selected macro")},
        {tip("MakroButton"), Marked("CommandMap", "macrobrowser")},
        {tip("RunButton"), Marked("CommandMap", "record")},
        {form().Ui().RunButton->text(), Marked("CommandMap", "Run")},
        {tip("BoldButton"), Marked("CommandMap", "bold")},
        {tip("ItalicButton"), Marked("CommandMap", "italic")},
        {tip("UnderlinedButton"), Marked("CommandMap", "underline")},
        {tip("Schriftarten"), Marked("CommandMap", "font")},
        {tip("Groesse"), Marked("CommandMap", "size")},
        {tip("LeftAlign"), Marked("CommandMap", "align left")},
        {tip("CenterAlign"), Marked("CommandMap", "center")},
        {tip("RightAlign"), Marked("CommandMap", "align right")},
        {form().Ui().TreeRoot->text(0), Marked("TMainForm", "Macros")},
        {label(&TAbout::Version), Marked("TAbout", "v. 1.5.4")},
        {label(&TAbout::Datum), Marked("TAbout", "written by the Mirel-Edit team, 2026")},
        // One sentence over two labels, split where the translation breaks it.
        {label(&TAbout::Label3), QStringLiteral("«TAbout|please mail any errors, suggestions")},
        {label(&TAbout::Label2), QStringLiteral("and wishes to mirel-edit@mirelsoft.example»")},
        {label(&TAbout::Label4), Marked("TAbout", "my homepage:")},
        {label(&TAbout::Licence), Marked("TAbout", "free software under the GNU GPL, version 3 or later")},
        // The address a click opens.
        {label(&TAbout::Homepage), QStringLiteral("https://mirelsoft.example/mirel-edit")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown.toStdString(), c.expected.toStdString());

    Show();
    EXPECT_EQ(form().Ui().StatusBar->Panel(2).text, Marked("TMainForm", "insert"));
}

TEST_F(TranslatedTextsTest, MessagesAreTranslatedWholeAndRecordedLinesStayEnglish)
{
    CreateAndShow();
    form().SetProgramDir(TempPath(QStringLiteral("usr/bin")));
    QDir().mkpath(TempPath(QStringLiteral("home")));
    QDir::setCurrent(TempPath(QStringLiteral("home")));
    Expect(MsgKind::Error, Marked("TMainForm", "Helpfile not found."), MsgButtons::Ok, MsgAnswer::Ok);
    form().Help1Click();
    fake.prompts.VerifyAllShown();

    // The macro language is not translated: a menu pick records its English line.
    form().Macro().IsRecording = true;
    Item(QStringLiteral("AutoTab1"))->trigger();
    form().Macro().IsRecording = false;
    EXPECT_EQ(form().Macro().MacroLines, QStringList{QStringLiteral("AutoTab On")});
}

TEST_F(TranslatedTextsTest, TextsOutsideTheWindowAreTranslatedWhole)
{
    std::vector<StatusPanel> panels;
    for (int width : {150, 100, 60, 27, 27, 50})
        panels.push_back({QStringLiteral("mode"), width});
    const auto never = [](const QString&) { return false; };
    const CommandLine unknown = ParseCommandLine({QStringLiteral("--hepl")}, never);
    const CommandLine lonelyRun = ParseCommandLine({QStringLiteral("--run"), QStringLiteral("m.macro")}, never);
    RegFileSettingsStore::BrokenFile broken{
        QStringLiteral("/s.reg"), QStringLiteral("/s.reg.bad"), {3, QStringLiteral("junk")}};
    const QString brokenText = BrokenSettingsMessage(broken);
    broken.movedTo.clear();
    const QString stuckText = BrokenSettingsMessage(broken);

    const QString seeHelp = Marked("CommandLine", "See \"vellumpad --help\".");
    ExpectMarkedTexts({
        {"file size tip", PanelTooltip(panels, 10).value_or(QString()), Marked("TStatusBar", "filesize")},
        {"position tip", PanelTooltip(panels, 200).value_or(QString()), Marked("TStatusBar", "current position")},
        {"mode tip is the mode shown", PanelTooltip(panels, 280).value_or(QString()), QStringLiteral("mode")},
        {"chosen colour tip", PanelTooltip(panels, 320).value_or(QString()), Marked("TStatusBar", "last chosen color")},
        {"selected colour tip", PanelTooltip(panels, 350).value_or(QString()),
         Marked("TStatusBar", "last selected color")},
        {"attributes tip", PanelTooltip(panels, 380).value_or(QString()), Marked("TStatusBar", "file attributes")},
        {"unknown option", unknown.error, Marked("CommandLine", "unknown option \"--hepl\"")},
        {"nearest option", unknown.hint, Marked("CommandLine", "Did you mean \"--help\"? " + seeHelp)},
        {"run without files", lonelyRun.error, Marked("CommandLine", "\"--run\" needs a macro and at least one file")},
        {"run usage", lonelyRun.hint,
         Marked("CommandLine", "Usage: vellumpad --run MACRO [--dry-run] [--allow-paths] FILE... " + seeHelp)},
        {"settings moved aside", brokenText,
         Marked("SettingsLoad",
                "The settings file /s.reg cannot be read (" + Marked("SettingsLoad", "line 3: junk") + ").") +
             "\n" + Marked("SettingsLoad", "It was moved to /s.reg.bad and the default settings are used.")},
        {"settings left in place", stuckText.section(u'\n', 1),
         Marked("SettingsLoad", "It could not be moved aside, so the default settings are used and will not be "
                                "saved over it.")},
    });

    // The help goes paragraph by paragraph, each one whole.
    const QString help = HelpText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("«CommandLine|Usage: vellumpad [--] [FILE NAME...]\n")));
    EXPECT_EQ(help.count(QStringLiteral("«CommandLine|")), 5);
    EXPECT_TRUE(help.contains(QStringLiteral("\n«CommandLine|Options:\n  --run MACRO FILE...")));
}

// ---------------------------------------------------------------- German

// Context -> source -> finished translation of a .ts file.
using Catalogue = QHash<QString, QHash<QString, QString>>;

Catalogue ReadCatalogue(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            if (finished && !text.isEmpty())
                catalogue[context].insert(source, text);
        }
    }
    return catalogue;
}

// The access keys of a caption: each "&" before a character, "&&" being a
// plain ampersand.
QString AccessKeys(const QString& caption)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            keys += caption[i + 1].toLower();
        ++i;
    }
    return keys;
}

QStringList Captions(const std::vector<MenuEntry>& entries, Twin twin)
{
    QStringList captions;
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Submenu)
            captions << QString::fromUtf8(entry.submenu->caption);
        else if (entry.kind == MenuEntry::Item || (entry.kind == MenuEntry::MainOnlyItem && twin == Twin::Main))
            captions << QString::fromUtf8(CommandOf(entry.command).Caption(twin));
    }
    return captions;
}

TEST(GermanMenus, EveryCaptionHasOneAccessKeyOfItsOwnWithinItsMenu)
{
    const QString path = QStringLiteral(MIREL_HELP_DIR "/../translations/mirel-edit_de.ts");
    const Catalogue catalogue = ReadCatalogue(path);
    ASSERT_FALSE(catalogue.isEmpty()) << path.toStdString();
    const QHash<QString, QString> german = catalogue.value(QStringLiteral("CommandMap"));

    // Every menu as the user sees it at once: the menu bar, each menu, the
    // context menu with its submenus' captions, each submenu.
    QList<std::pair<QString, QStringList>> menus;
    const std::function<void(const QString&, const std::vector<MenuEntry>&, Twin)> addMenu =
        [&](const QString& name, const std::vector<MenuEntry>& entries, Twin twin) {
            menus.append({name, Captions(entries, twin)});
            for (const MenuEntry& entry : entries)
                if (entry.kind == MenuEntry::Submenu)
                    addMenu(entry.submenu->Name(twin), entry.submenu->entries, twin);
        };
    QStringList menuBar;
    for (const MenuLayout& layout : MainMenuLayout()) {
        menuBar << QString::fromUtf8(layout.caption);
        addMenu(layout.Name(Twin::Main), layout.entries, Twin::Main);
    }
    menus.append({QStringLiteral("menu bar"), menuBar});
    addMenu(QStringLiteral("context menu"), ContextMenuLayout(), Twin::Context);

    for (const auto& [menu, captions] : menus) {
        QHash<QChar, QString> taken;
        for (const QString& caption : captions) {
            const QString translated = german.value(caption);
            ASSERT_FALSE(translated.isEmpty()) << "no German for " << caption.toStdString();
            const QString keys = AccessKeys(translated);
            ASSERT_EQ(keys.size(), 1) << translated.toStdString() << " in " << menu.toStdString();
            EXPECT_FALSE(taken.contains(keys[0]))
                << translated.toStdString() << " and " << taken.value(keys[0]).toStdString() << " share "
                << QString(keys[0]).toStdString() << " in " << menu.toStdString();
            taken.insert(keys[0], translated);
        }
    }
}

}   // namespace
