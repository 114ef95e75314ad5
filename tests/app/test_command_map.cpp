// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menus, context menu and toolbars against the command map
// as the program's documentation lists it.
#include "app/StatusBar.h"
#include "tests/support/MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// name | caption | shortcut | handler | flags (d = disabled, c = checked, k = checkable)
const char* const kMainMenu[] = {
    "&File",
    "Open2|&Open ...|Ctrl+O|Open1Click|",
    "Save2|&Save|Ctrl+S|Save1Click|",
    "SaveAs2|S&ave As ...|F2|SaveAs1Click|",
    "SaveQuit2|Save && &Quit|F8|SaveQuit1Click|",
    "Reload1|&Reload||Reload1Click|",
    "Close1|&Close|Ctrl+F4|Clear1Click|",
    "Delete3|&Delete|Ctrl+D|Delete1Click|",
    "Print2|&Print ...|Ctrl+P|Print1Click|",
    "PrinterSetup3|Pr&inter Setup ...||PrinterSetup1Click|",
    "Recent &Files",
    "-",
    "ClearRecentFiles2|&Clear List||ClearRecentFilesClick|d",
    "Exit1|E&xit||Exit1Click|",
    "&Edit",
    "Undo2|&Undo|Ctrl+Z|Undo1Click|",
    "Redo2|&Redo|Ctrl+Y; Ctrl+Shift+Z|Redo1Click|d",
    "Cut2|&Cut|Ctrl+X|Cut1Click|",
    "Copy2|C&opy|Ctrl+C|Copy1Click|",
    "Paste2|&Paste|Ctrl+V|Paste1Click|",
    "SelectAll2|&Select All|Ctrl+A|SelectAll1Click|",
    "F&ind",
    "Find2|&Find ...|Ctrl+F|Find1Click|",
    "FindAgain1|Find A&gain|F3|FindAgainClick|",
    "Replace2|&Replace ...|Ctrl+R|Replace1Click|",
    "GotoLine1|&Goto Line ...|Ctrl+G|GotoLine1Click|",
    "MarkLine1|&Toggle Line Marker|F4|MarkLine1Click|d",
    "ShowLineMarkers1|&Show Line Markers|F5|ShowLineMarkers1Click|",
    "HTM&L",
    "Color1|&Colour ...||Colour1Click|",
    "ReplaceSpecialCharacters|&Replace special characters||ReplaceSpecialCharactersClick|k",
    "Toolbar2|Tool&bar|Ctrl+H|Toolbar2Click|k",
    "SyntaxCheck1|Tidy &Document ...||SyntaxCheckClick|",
    "TidyLocation1|Tidy &Location ...||TidyLocation1Click|",
    "TidyOptions1|Tidy &Options ...||TidyOptions1Click|",
    "TestDocument1|&Test Document ...|Ctrl+T|TestDocument2Click|",
    "Op&tions",
    "AlwaysStayOnTop1|A&lways stay on top||AlwaysStayOnTopClick|k",
    "AutoTab1|&AutoTab||AutoTabClick|k",
    "CenterOnScreen1|&Center on Screen||CenterOnScreenClick|k",
    "Trash1|&Delete to Recycle Bin||TrashClick|kc",
    "FixedFont1|Fi&xed Font for Source Code||FixedFontClick|kc",
    "MenuVisible1|&Menu visible||MenuvisibleClick|kc",
    "RememberDirs1|Remem&ber Directories||RememberDirsClick|kc",
    "RememberPos1|&Remember Position||RememberPosClick|k",
    "ToolbarVisible1|Toolbar &visible||ToolbarvisibleClick|kc",
    "Font2|&Font ...||Font1Click|",
    "PlainText1|Plain &Text||PlainTextClick|kc",
    "Wordwrap1|&Wordwrap||WordWrapClick|kc",
    "SaveLineMarkers1|Sav&e Line Markers||SaveLineMarkers1Click|kc",
    "SortMacros1|&Sort Macros||SortMacrosClick|kc",
    "-",
    "LineNumbers1|Line &Numbers||LineNumbersClick|k",
    "ZoomIn1|Zoom &In|Ctrl++; Ctrl+=|ZoomInClick|",
    "ZoomOut1|Zoom &Out|Ctrl+-|ZoomOutClick|",
    "ResetZoom1|&Reset Zoom|Ctrl+0|ResetZoomClick|",
    "SyntaxColouring1|Syntax &Colouring||SyntaxColouringClick|kc",
    "&Macro",
    "Run2|&Run|Ctrl+M|RunButtonClick|d",
    "Record2|R&ecord||Record1Click|",
    "Stop2|&Stop||Stop1Click|d",
    "Macrobrowser1|&Macrobrowser ...|Ctrl+B|MakroChooseClick|",
    "MacroDirectory1|Ma&cro Directory ...||MacroDirectory1Click|",
    "NewFolder1|&New Folder|Ctrl+N|NewFolderClick|",
    "Delete4|&Delete||Delete2Click|d",
    "&?",
    "Help1|&Help|F1|Help1Click|",
    "Info1|&About||InfoClick|",
};

const char* const kContextTop[] = {
    "Undo1|&Undo|Ctrl+Z|Undo1Click|",
    "Redo1|&Redo|Ctrl+Y; Ctrl+Shift+Z|Redo1Click|d",
    "Cut1|&Cut|Ctrl+X|Cut1Click|",
    "Copy1|Cop&y|Ctrl+C|Copy1Click|",
    "Paste1|&Paste|Ctrl+V|Paste1Click|",
    "SelectAll1|&Select All|Ctrl+A|SelectAll1Click|",
    "-",
    "MarkLine2|&Toggle Line Marker|F4|MarkLine1Click|d",
    "-",
};

const char* const kContextSubmenus[] = {
    "&File",
    "Open1|&Open File ...|Ctrl+O|Open1Click|",
    "Save1|&Save File|Ctrl+S|Save1Click|",
    "SaveAs1|S&ave As ...|F2|SaveAs1Click|",
    "SaveQuit1|Save && &Quit|F8|SaveQuit1Click|",
    "Reload2|&Reload||Reload1Click|",
    "Clear1|Close F&ile|Ctrl+F4|Clear1Click|",
    "Delete1|&Delete File|Ctrl+D|Delete1Click|",
    "Print1|&Print ...|Ctrl+P|Print1Click|",
    "PrinterSetup1|Pr&inter Setup ...||PrinterSetup1Click|",
    "Recent &Files",
    "-",
    "ClearRecentFiles1|&Clear List||ClearRecentFilesClick|d",
    "Exit2|E&xit||Exit1Click|",
    "F&ind",
    "Find1|&Find ...|Ctrl+F|Find1Click|",
    "FindAgain|Find &Again|F3|FindAgainClick|",
    "Replace1|&Replace ...|Ctrl+R|Replace1Click|",
    "GotoLine2|&Goto Line ...|Ctrl+G|GotoLine1Click|",
    "ShowLineMarkers2|&Show Line Markers|F5|ShowLineMarkers1Click|",
    "HTM&L",
    "Colour1|&Colour ...||Colour1Click|",
    "Replacespecialcharacters1|&Replace special characters||ReplaceSpecialCharactersClick|k",
    "Toolbar3|Tool&bar|Ctrl+H|Toolbar2Click|k",
    "SyntaxCheck|Tidy &Document ...||SyntaxCheckClick|",
    "TidyLocation2|Tidy &Location ...||TidyLocation1Click|",
    "TidyOptions2|Tidy &Options ...||TidyOptions1Click|",
    "TestDocument2|&Test Document ...|Ctrl+T|TestDocument2Click|",
    "Op&tions",
    "AlwaysStayOnTop|A&lways stay on top||AlwaysStayOnTopClick|k",
    "AutoTab|&AutoTab||AutoTabClick|k",
    "CenterOnScreen|&Center on Screen||CenterOnScreenClick|k",
    "Trash|&Delete to Recycle Bin||TrashClick|kc",
    "FixedFont|Fi&xed Font for Source Code||FixedFontClick|kc",
    "Menuvisible|&Menu visible||MenuvisibleClick|kc",
    "RememberDirs|Remem&ber Directories||RememberDirsClick|kc",
    "RememberPos|&Remember Position||RememberPosClick|k",
    "Toolbarvisible|Toolbar &visible||ToolbarvisibleClick|kc",
    "Font1|&Font ...||Font1Click|",
    "PlainText|Plain &Text||PlainTextClick|kc",
    "WordWrap|&Wordwrap||WordWrapClick|kc",
    "SaveLineMarkers2|Sav&e Line Markers||SaveLineMarkers1Click|kc",
    "SortMacros|&Sort Macros||SortMacrosClick|kc",
    "-",
    "LineNumbers|Line &Numbers||LineNumbersClick|k",
    "ZoomIn|Zoom &In|Ctrl++; Ctrl+=|ZoomInClick|",
    "ZoomOut|Zoom &Out|Ctrl+-|ZoomOutClick|",
    "ResetZoom|&Reset Zoom|Ctrl+0|ResetZoomClick|",
    "SyntaxColouring|Syntax &Colouring||SyntaxColouringClick|kc",
    "&Macro",
    "Run1|&Run|Ctrl+M|RunButtonClick|d",
    "Record1|R&ecord||Record1Click|",
    "Stop1|&Stop||Stop1Click|d",
    "Macrobrowser2|&Macrobrowser ...|Ctrl+B|MakroChooseClick|",
    "ChooseMakroDirectory1|Ma&cro Directory ...||MacroDirectory1Click|",
    "NewFolder|&New Folder|Ctrl+N|NewFolderClick|",
    "Delete2|&Delete||Delete2Click|d",
    "&?",
    "Help2|&Help|F1|Help1Click|",
    "Info2|&About||InfoClick|",
};

// The handlers' names, for the tables' notation.
#define NAMED(handler)                                                                                                 \
    {                                                                                                                  \
        &TMainForm::handler, #handler                                                                                  \
    }
const std::pair<Handler, const char*> kHandlerNames[] = {
    NAMED(Open1Click),
    NAMED(Save1Click),
    NAMED(SaveAs1Click),
    NAMED(SaveQuit1Click),
    NAMED(Reload1Click),
    NAMED(Clear1Click),
    NAMED(Delete1Click),
    NAMED(Print1Click),
    NAMED(PrinterSetup1Click),
    NAMED(ClearRecentFilesClick),
    NAMED(Exit1Click),
    NAMED(Undo1Click),
    NAMED(Redo1Click),
    NAMED(Cut1Click),
    NAMED(Copy1Click),
    NAMED(Paste1Click),
    NAMED(SelectAll1Click),
    NAMED(Find1Click),
    NAMED(FindAgainClick),
    NAMED(Replace1Click),
    NAMED(GotoLine1Click),
    NAMED(MarkLine1Click),
    NAMED(ShowLineMarkers1Click),
    NAMED(Colour1Click),
    NAMED(ReplaceSpecialCharactersClick),
    NAMED(Toolbar2Click),
    NAMED(SyntaxCheckClick),
    NAMED(TidyLocation1Click),
    NAMED(TidyOptions1Click),
    NAMED(TestDocument2Click),
    NAMED(AlwaysStayOnTopClick),
    NAMED(AutoTabClick),
    NAMED(CenterOnScreenClick),
    NAMED(TrashClick),
    NAMED(FixedFontClick),
    NAMED(MenuvisibleClick),
    NAMED(RememberDirsClick),
    NAMED(RememberPosClick),
    NAMED(ToolbarvisibleClick),
    NAMED(Font1Click),
    NAMED(PlainTextClick),
    NAMED(WordWrapClick),
    NAMED(SaveLineMarkers1Click),
    NAMED(SortMacrosClick),
    NAMED(LineNumbersClick),
    NAMED(ZoomInClick),
    NAMED(ZoomOutClick),
    NAMED(ResetZoomClick),
    NAMED(SyntaxColouringClick),
    NAMED(RunButtonClick),
    NAMED(Record1Click),
    NAMED(Stop1Click),
    NAMED(MakroChooseClick),
    NAMED(MacroDirectory1Click),
    NAMED(NewFolderClick),
    NAMED(Delete2Click),
    NAMED(Help1Click),
    NAMED(InfoClick),
    NAMED(BoldButtonClick),
    NAMED(ItalicButtonClick),
    NAMED(UnderlinedButtonClick),
};
#undef NAMED

// The name of the handler an item or button runs; empty for none.
QString HandlerName(const QObject* control)
{
    const QVariant property = control->property("handler");
    if (property.value<void (TMainForm::*)(int)>() == &TMainForm::AlignClick)
        return QStringLiteral("AlignClick");
    const Handler handler = property.value<Handler>();
    for (const auto& [known, name] : kHandlerNames)
        if (handler == known)
            return QString::fromLatin1(name);
    return handler ? QStringLiteral("(unnamed handler)") : QString();
}

// Flattens a menu into the table's notation.
void Describe(const QMenu* menu, QStringList& out, bool withSubmenus)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out << QStringLiteral("-");
            continue;
        }
        if (a->menu()) {
            if (withSubmenus) {
                out << a->text();
                Describe(a->menu(), out, true);
            }
            continue;
        }
        QString flags;
        if (!a->isEnabled())
            flags += QLatin1Char('d');
        if (a->isCheckable())
            flags += QLatin1Char('k');
        if (a->isChecked())
            flags += QLatin1Char('c');
        out << QStringList{a->objectName(), a->text(),
                           QKeySequence::listToString(a->shortcuts(), QKeySequence::PortableText), HandlerName(a),
                           flags}
                   .join(QLatin1Char('|'));
    }
}

template <size_t N> QStringList Table(const char* const (&rows)[N])
{
    QStringList out;
    for (const char* row : rows)
        out << QString::fromUtf8(row);
    return out;
}

class CommandMapTest : public MainFormTest {};

}   // namespace

TEST_F(CommandMapTest, MainMenuMatchesTheCommandMap)
{
    Create();
    QStringList actual;
    for (QAction* top : form().menuBar()->actions()) {
        actual << top->text();
        Describe(top->menu(), actual, true);
    }
    EXPECT_EQ(actual.join(QLatin1Char('\n')).toStdString(), Table(kMainMenu).join(QLatin1Char('\n')).toStdString());
}

TEST_F(CommandMapTest, ContextMenuMatchesTheCommandMap)
{
    Create();
    QStringList actualTop;
    Describe(form().PopupMenu(), actualTop, false);
    EXPECT_EQ(actualTop, Table(kContextTop));
    QStringList actualSub;
    for (QAction* a : form().PopupMenu()->actions())
        if (a->menu()) {
            actualSub << a->text();
            Describe(a->menu(), actualSub, true);
        }
    EXPECT_EQ(actualSub.join(QLatin1Char('\n')).toStdString(),
              Table(kContextSubmenus).join(QLatin1Char('\n')).toStdString());
}

TEST_F(CommandMapTest, ToolbarsHoldTheirButtonsInOrder)
{
    Create();
    const char* const expectedMain[] = {"OpenButton|open|Open1Click",       "SaveButton|save|Save1Click",
                                        "DeleteButton|delete|Delete1Click", "-",
                                        "CutButton|cut|Cut1Click",          "CopyButton|copy|Copy1Click",
                                        "PasteButton|paste|Paste1Click",    "-",
                                        "UndoButton|undo|Undo1Click",       "-",
                                        "FindButton|find|Find1Click",       "-",
                                        "MakroFeld|selected macro|",        "MakroButton|macrobrowser|MakroChooseClick",
                                        "RunButton|record|RunButtonClick"};
    const char* const expectedFormat[] = {"BoldButton|bold|BoldButtonClick",
                                          "ItalicButton|italic|ItalicButtonClick",
                                          "UnderlinedButton|underline|UnderlinedButtonClick",
                                          "-",
                                          "Schriftarten|font|",
                                          "Groesse|size|",
                                          "-",
                                          "LeftAlign|align left|AlignClick",
                                          "CenterAlign|center|AlignClick",
                                          "RightAlign|align right|AlignClick"};
    auto describe = [](QToolBar* bar) {
        QStringList out;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator()) {
                out << QStringLiteral("-");
                continue;
            }
            QWidget* w = bar->widgetForAction(a);
            out << QStringList{w->objectName(), w->toolTip(), HandlerName(w)}.join(QLatin1Char('|'));
        }
        return out;
    };
    EXPECT_EQ(describe(form().Ui().ToolBar), Table(expectedMain));
    EXPECT_EQ(describe(form().Ui().ToolBar1), Table(expectedFormat));
    EXPECT_TRUE(form().Ui().MakroButton->isCheckable());
    EXPECT_TRUE(form().Ui().RunButton->isCheckable());
    EXPECT_EQ(form().Ui().RunButton->text(), QStringLiteral("Run"));
    EXPECT_TRUE(form().Ui().BoldButton->isCheckable());
    EXPECT_EQ(form().Ui().LeftAlign->property("Tag").toInt(), 0);
    EXPECT_EQ(form().Ui().CenterAlign->property("Tag").toInt(), 2);
    EXPECT_EQ(form().Ui().RightAlign->property("Tag").toInt(), 1);
    // Narrower than the design's 146 so that the main toolbar fits the
    // smallest window with this platform's fonts.
    EXPECT_EQ(form().Ui().MakroFeld->width(), 120);
    QStringList sizes;
    for (int i = 0; i < form().Ui().Groesse->count(); ++i)
        sizes << form().Ui().Groesse->itemText(i);
    EXPECT_EQ(sizes.join(QLatin1Char(',')), QStringLiteral("7,8,9,10,11,12,14,16,18,20,22,24,26,28,36,48,72"));
    EXPECT_TRUE(form().Ui().Groesse->isEditable());
    EXPECT_FALSE(form().Ui().Schriftarten->isEditable());
}

TEST_F(CommandMapTest, ControlsCarryTheirNamesAndInitialState)
{
    CreateAndShow();
    for (const char* name :
         {"ToolBar", "ToolBar1", "Tree", "Panel2", "RichEdit", "Splitter1", "CheckList", "StatusBar", "MakroFeld"})
        EXPECT_NE(form().findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_FALSE(form().Ui().Tree->isVisible());
    EXPECT_TRUE(form().Ui().Panel2->isVisible());
    EXPECT_TRUE(form().Ui().RichEdit->isVisible());
    EXPECT_FALSE(form().Ui().Splitter1->isVisible());
    EXPECT_FALSE(form().findChild<QWidget*>(QStringLiteral("CheckList"))->isVisible());
    EXPECT_EQ(form().Ui().Tree->indentation(), 19);
    EXPECT_EQ(form().minimumSize(), QSize(426, 350));
    auto* bar = form().Ui().StatusBar;
    ASSERT_EQ(bar->PanelCount(), 6);
    // The start-up's selection update sizes panel 0 to its text (plain mode).
    EXPECT_EQ(bar->Panel(0).text, QStringLiteral("Filesize: 0 bytes"));
    EXPECT_EQ(bar->Panel(0).width, bar->TextWidth(bar->Panel(0).text) + 25);
    EXPECT_EQ(bar->Panel(1).alignment, Qt::AlignHCenter);
    EXPECT_TRUE(bar->Panel(3).ownerDrawn);
    EXPECT_TRUE(bar->Panel(4).ownerDrawn);
    EXPECT_EQ(bar->Panel(3).width, 27);
    EXPECT_EQ(bar->Panel(5).width, 50);
    EXPECT_EQ(bar->Panel(2).text, QStringLiteral("insert"));
    EXPECT_EQ(bar->Panel(2).width, bar->TextWidth(QStringLiteral("insert")) + 15);
    EXPECT_EQ(bar->font().pixelSize(), 12);
}

// Every twin's handler and check mark: the table walk below.
TEST_F(CommandMapTest, ShortcutsReachTheirCommandsWithTheMenuBarHidden)
{
    CreateAndShow();
    form().Ui().RichEdit->SetText(QStringLiteral("abc"));
    form().menuBar()->hide();
    QAction* selectAll = Item(QStringLiteral("SelectAll2"));
    EXPECT_TRUE(form().actions().contains(selectAll));
}

// Counts the items of a menu tree.
void CountItems(const QMenu* menu, QHash<const QAction*, int>& counts)
{
    for (const QAction* a : menu->actions()) {
        if (a->menu())
            CountItems(a->menu(), counts);
        else if (!a->isSeparator())
            ++counts[a];
    }
}

TEST_F(CommandMapTest, EveryCommandHasOneItemInEachMenuRunningItsHandlerWithTwinsInStep)
{
    CreateAndShow();
    QHash<const QAction*, int> inMenu[2];
    for (QAction* top : form().menuBar()->actions())
        CountItems(top->menu(), inMenu[int(Twin::Main)]);
    CountItems(form().PopupMenu(), inMenu[int(Twin::Context)]);
    constexpr Twin kTwins[] = {Twin::Main, Twin::Context};
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const CommandDef& def = CommandOf(Command(i));
        const std::string row = def.Name(Twin::Main).toStdString();
        for (const Twin twin : kTwins) {
            const QAction* item = form().Action(def.command, twin);
            ASSERT_NE(item, nullptr) << row;
            EXPECT_EQ(item->objectName(), def.Name(twin)) << row;
            EXPECT_EQ(inMenu[int(twin)].value(item), 1) << row << " in menu " << int(twin);
            EXPECT_EQ(item->property("handler").value<Handler>(), def.handler) << row;
        }
        if (!def.checkable)
            continue;
        // A click on either twin runs the handler, which alone moves both marks.
        for (const Twin clicked : kTwins) {
            const bool before = form().IsChecked(def.command);
            form().Action(def.command, clicked)->trigger();
            EXPECT_NE(form().Action(def.command, Twin::Main)->isChecked(), before) << row;
            EXPECT_EQ(form().Action(def.command, Twin::Context)->isChecked(), !before) << row;
        }
    }
    for (const auto& counts : inMenu)
        EXPECT_EQ(std::size_t(counts.size()), kCommandCount) << "no item beside the commands";

    QStringList names;
    for (const QObject* o : form().findChildren<QObject*>())
        if ((qobject_cast<const QAction*>(o) || qobject_cast<const QMenu*>(o)) && !o->objectName().isEmpty())
            names << o->objectName();
    EXPECT_EQ(names.size(), QSet<QString>(names.begin(), names.end()).size()) << names.join(u' ').toStdString();
}

TEST_F(CommandMapTest, PopupMenuEnablesFontExactlyInPlainMode)
{
    CreateAndShow();
    form().SetChecked(Command::PlainText, false);
    form().PopupMenuPopup();
    EXPECT_FALSE(Item(QStringLiteral("Font1"))->isEnabled());
    form().SetChecked(Command::PlainText, true);
    form().PopupMenuPopup();
    EXPECT_TRUE(Item(QStringLiteral("Font1"))->isEnabled());
}

TEST_F(CommandMapTest, RightClickInTheEditorOpensTheWindowsMenuInBothModes)
{
    CreateAndShow();
    for (bool plain : {true, false}) {
        edit().SetPlainTextMode(plain);
        QWidget* viewport = edit().viewport();
        const QPoint at(20, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        QMenu* menu = form().PopupMenu();
        ASSERT_TRUE(menu->isVisible()) << (plain ? "plain" : "rich");
        EXPECT_EQ(menu->pos(), viewport->mapToGlobal(at)) << "opens where the click was";
        menu->hide();
    }
}
