// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"

#include "app/AboutBox.h"
#include "app/CommandMap.h"
#include "app/StatusBar.h"
#include "document/DroppedFiles.h"
#include "document/Progress.h"
#include "document/Recovery.h"
#include "editor/RichEdit.h"
#include "html/HtmlToolbar.h"
#include "html/TidyErrors.h"
#include "library/Library.h"
#include "library/MacroTree.h"
#include "library/MacroTreeView.h"
#include "macro/MacroFile.h"
#include "markers/MegaCheckListBox.h"
#include "platform/PrivateTemp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

// Resources live in the static library; the linker would drop them unless
// something refers to them.
static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

// The main toolbar at the smallest window width shows every button only
// with icons and a macro field this small.
constexpr int kMainToolBarIcon = 16;
constexpr int kMacroFieldWidth = 120;

const QStringList kSizes = {"7",  "8",  "9",  "10", "11", "12", "14", "16", "18",
                            "20", "22", "24", "26", "28", "36", "48", "72"};

}   // namespace

TMainForm::TMainForm(const Platform& platform, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), arguments_(arguments), platform_(platform)
{
    InitResources();
    installEventFilter(this);
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(kDesignTitle);
    // Every window and dialog shows the program's icon, and the desktop
    // matches the windows to the installed entry "mirel-edit.desktop".
    QIcon icon(QStringLiteral(":/icons/editor.svg"));
    icon.addFile(QStringLiteral(":/icons/app.png"));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("mirel-edit"));
    setWindowIcon(icon);
    setMinimumSize(426, 350);
    resize(418, 304 + 46);
    BuildControls();
    progressDialog_ = std::make_unique<DialogProgress>(this);
    longWork_ = progressDialog_.get();
    BuildMenus();
    BuildToolBars();
    BuildStatusBar();
}

TMainForm::~TMainForm()
{
    // The marker list and the editor outlive this object's own part; what
    // they report on their way out must not reach it.
    ui_.CheckList->model()->disconnect(ui_.RichEdit);
    ui_.RichEdit->disconnect(this);
}

void TMainForm::SetCompanions(THTMLToolbar* htmlToolbar, TTidyErrors* tidyErrors, TAbout* about)
{
    ui_.HTMLToolbar = htmlToolbar;
    ui_.TidyErrors = tidyErrors;
    ui_.About = about;
}

void TMainForm::BuildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* tree = new TMacroTreeView(client);
    ui_.Tree = tree;
    ui_.Tree->setObjectName(QStringLiteral("Tree"));
    ui_.Tree->setHeaderHidden(true);
    ui_.Tree->setIndentation(19);
    ui_.Tree->setRootIsDecorated(false);
    ui_.Tree->setContentsMargins(5, 5, 5, 5);
    ui_.Tree->setStyleSheet(QStringLiteral("QTreeWidget#Tree { border: 5px solid palette(window); }"));
    //: The top node of the macro tree.
    ui_.TreeRoot = new TMacroTreeItem(tr("Macros"), MacroNodeKind::Root);
    ui_.Tree->addTopLevelItem(ui_.TreeRoot);
    ui_.Tree->hide();
    BuildMacroTree(tree);
    layout->addWidget(ui_.Tree);

    ui_.Panel2 = new QWidget(client);
    ui_.Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* panelLayout = new QHBoxLayout(ui_.Panel2);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    ui_.EditorSplitter = new QSplitter(Qt::Horizontal, ui_.Panel2);
    ui_.EditorSplitter->setObjectName(QStringLiteral("EditorSplitter"));
    ui_.EditorSplitter->setHandleWidth(2);
    ui_.EditorSplitter->setChildrenCollapsible(false);
    ui_.RichEdit = new TRichEdit(ui_.EditorSplitter);
    ui_.CheckList = new TMegaCheckListBox(ui_.EditorSplitter);
    ui_.EditorSplitter->addWidget(ui_.RichEdit);
    ui_.EditorSplitter->addWidget(ui_.CheckList);
    ui_.EditorSplitter->setStretchFactor(0, 1);
    ui_.EditorSplitter->setStretchFactor(1, 0);
    ui_.Splitter1 = ui_.EditorSplitter->handle(1);
    ui_.Splitter1->setObjectName(QStringLiteral("Splitter1"));
    ui_.CheckList->hide();   // hides the splitter handle as well
    panelLayout->addWidget(ui_.EditorSplitter);
    layout->addWidget(ui_.Panel2, 1);
    setCentralWidget(client);

    ui_.RichEdit->onKeyDown = [this](int& key, Qt::KeyboardModifiers shift) {
        Guard([&] { RichEditKeyDown(key, shift); });
    };
    ui_.RichEdit->onKeyPress = [this](QChar& c) { Guard([&] { RichEditKeyPress(c); }); };
    ui_.RichEdit->onMouseMove = [this](Qt::KeyboardModifiers shift, int x, int y) {
        Guard([&] { RichEditMouseMove(shift, x, y); });
    };
    ui_.CheckList->LineText = [this](int line) { return ui_.RichEdit->Line(line); };
    // The gutter marks the marked lines; it is painted again when the
    // list gains or loses entries (a shift comes with an edit, which paints).
    ui_.RichEdit->isMarkedLine = [this](int line) { return ui_.CheckList->FindMarker(line) >= 0; };
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(ui_.CheckList->model(), signal, ui_.RichEdit, [this] { ui_.RichEdit->UpdateGutter(); });
    connect(ui_.CheckList->model(), &QAbstractItemModel::modelReset, ui_.RichEdit,
            [this] { ui_.RichEdit->UpdateGutter(); });
    connect(ui_.RichEdit, &TRichEdit::RedoAvailable, this, [this] { ShowRedoAvailable(macro_.IsRecording); });
    ui_.RichEdit->SetRedoKeysToWindow(true);
    ui_.CheckList->SetPrompts(platform_.prompts);
    connect(ui_.CheckList, &TMegaCheckListBox::Click, this, [this] { Guard([this] { CheckListClick(); }); });
    connect(ui_.CheckList, &TMegaCheckListBox::ClickCheck, this,
            [this](int) { Guard([this] { CheckListClickCheck(); }); });
    ui_.RichEdit->onAcceptsDrop = [](const QMimeData* mime) { return !DroppedPaths(mime).isEmpty(); };
    ui_.RichEdit->onDrop = [this](const QMimeData* mime) {
        const QStringList paths = DroppedPaths(mime);
        Guard([&] { FilesDropped(paths); });
    };
    connect(ui_.RichEdit, &TRichEdit::SelectionChange, this, [this] { Guard([this] { RichEditSelectionChange(); }); });
    fileSizeTimer_ = new QTimer(this);
    fileSizeTimer_->setSingleShot(true);
    fileSizeTimer_->setInterval(300);
    connect(fileSizeTimer_, &QTimer::timeout, this, [this] { Guard([this] { ShowFileSize(); }); });
    connect(ui_.RichEdit, &TRichEdit::TextChanged, this, &TMainForm::FileSizeStale);
    StartRecovery(*this);

    // The context menu opens on the editor and on the other main controls.
    for (QWidget* w :
         {static_cast<QWidget*>(ui_.RichEdit), static_cast<QWidget*>(ui_.Tree), static_cast<QWidget*>(ui_.CheckList)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { ShowContextMenu(w, pos); });
    }
    ui_.RichEdit->setFocus();
}

QAction* TMainForm::MakeItem(Command command, Twin twin)
{
    const CommandDef& def = CommandOf(command);
    auto* action = new QAction(CommandText(def.Caption(twin)), this);
    action->setObjectName(def.Name(twin));
    action->setProperty("handler", QVariant::fromValue(def.handler));
    if (*def.shortcut)
        action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(def.shortcut), QKeySequence::PortableText));
    action->setEnabled(def.enabled);
    action->setCheckable(def.checkable);
    action->setChecked(def.checked);
    connect(action, &QAction::triggered, this, [this, action, handler = def.handler](bool checked) {
        // The handlers flip their own check marks, as both twins must agree.
        if (action->isCheckable())
            action->setChecked(!checked);
        RunHandler(handler);
    });
    actions_[size_t(command)][size_t(twin)] = action;
    return action;
}

// The entry's item or submenu in one of the two menus; null for a
// separator and for what that menu leaves out.
QAction* TMainForm::AddEntry(QMenu* menu, const MenuEntry& entry, Twin twin)
{
    switch (entry.kind) {
    case MenuEntry::Separator: menu->addSeparator(); return nullptr;
    case MenuEntry::MainOnlyItem:
        if (twin != Twin::Main)
            return nullptr;
        [[fallthrough]];
    case MenuEntry::Item: {
        QAction* action = MakeItem(entry.command, twin);
        menu->addAction(action);
        return action;
    }
    case MenuEntry::Submenu: {
        QMenu* submenu = menu->addMenu(CommandText(entry.submenu->caption));
        submenu->setObjectName(entry.submenu->Name(twin));
        // The recent files show their full paths; the context menu's
        // copies of the main menus show no tooltips.
        submenu->setToolTipsVisible(menu != popupMenu_);
        for (const MenuEntry& child : entry.submenu->entries)
            AddEntry(submenu, child, twin);
        return submenu->menuAction();
    }
    }
    return nullptr;
}

void TMainForm::BuildMenus()
{
    for (const MenuLayout& layout : MainMenuLayout()) {
        QMenu* menu = menuBar()->addMenu(CommandText(layout.caption));
        menu->setObjectName(layout.Name(Twin::Main));
        for (const MenuEntry& entry : layout.entries)
            if (QAction* action = AddEntry(menu, entry, Twin::Main))
                addAction(action);   // shortcuts keep working while the menu bar is hidden
    }

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu"));
    for (const MenuEntry& entry : ContextMenuLayout())
        AddEntry(popupMenu_, entry, Twin::Context);
    connect(popupMenu_, &QMenu::aboutToShow, this, [this] { Guard([this] { PopupMenuPopup(); }); });
}

namespace {
QToolButton* AddButton(QToolBar* bar, const char* name, const char* hint, const char* icon, bool checkable = false)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(CommandText(hint));
    // Scalable, so that the icons stay sharp at every scale factor.
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(icon))));
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    // Not a Tab stop, as on other editors' toolbars: Tab reaches the fields.
    button->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(button);
    return button;
}

// A button that runs a handler as the menu items do.
QToolButton* AddButton(TMainForm& form, QToolBar* bar, const char* name, const char* hint, const char* icon,
                       Handler handler, bool checkable)
{
    QToolButton* button = AddButton(bar, name, hint, icon, checkable);
    button->setProperty("handler", QVariant::fromValue(handler));
    QObject::connect(button, &QToolButton::clicked, &form, [&form, handler] { form.RunHandler(handler); });
    return button;
}

QToolButton* AddButton(TMainForm& form, QToolBar* bar, const ToolButtonDef& def)
{
    if (!def.name) {
        bar->addSeparator();
        return nullptr;
    }
    return AddButton(form, bar, def.name, def.hint, def.icon, CommandOf(def.command).handler, def.checkable);
}
}   // namespace

void TMainForm::BuildToolBars()
{
    ui_.ToolBar = new QToolBar(this);
    ui_.ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ui_.ToolBar->setMovable(false);
    // Small enough that every button fits the smallest window.
    ui_.ToolBar->setIconSize(QSize(kMainToolBarIcon, kMainToolBarIcon));
    addToolBar(Qt::TopToolBarArea, ui_.ToolBar);

    for (const ToolButtonDef& def : MainToolButtons())
        AddButton(*this, ui_.ToolBar, def);
    ui_.MakroFeld = new QLineEdit(ui_.ToolBar);
    ui_.MakroFeld->setObjectName(QStringLiteral("MakroFeld"));
    ui_.MakroFeld->setToolTip(CommandText(QT_TRANSLATE_NOOP("CommandMap", "selected macro")));
    ui_.MakroFeld->setFixedWidth(kMacroFieldWidth);
    ui_.MakroFeld->installEventFilter(this);
    ui_.ToolBar->addWidget(ui_.MakroFeld);
    connect(ui_.MakroFeld, &QLineEdit::textChanged, this, [this] { Guard([this] { MakroFeldChange(); }); });

    ui_.MakroButton = AddButton(*this, ui_.ToolBar, kMacroBrowserButton);
    ui_.RunButton = AddButton(*this, ui_.ToolBar, kRunButton);
    ui_.RunButton->setText(CommandText(QT_TRANSLATE_NOOP("CommandMap", "Run")));
    ui_.ToolBar->hide();

    addToolBarBreak(Qt::TopToolBarArea);
    ui_.ToolBar1 = new QToolBar(this);
    ui_.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ui_.ToolBar1->setMovable(false);
    ui_.ToolBar1->setIconSize(QSize(18, 18));
    addToolBar(Qt::TopToolBarArea, ui_.ToolBar1);
    ui_.BoldButton = AddButton(*this, ui_.ToolBar1, "BoldButton", QT_TRANSLATE_NOOP("CommandMap", "bold"), "bold",
                               &TMainForm::BoldButtonClick, true);
    ui_.ItalicButton = AddButton(*this, ui_.ToolBar1, "ItalicButton", QT_TRANSLATE_NOOP("CommandMap", "italic"),
                                 "italic", &TMainForm::ItalicButtonClick, true);
    ui_.UnderlinedButton =
        AddButton(*this, ui_.ToolBar1, "UnderlinedButton", QT_TRANSLATE_NOOP("CommandMap", "underline"), "underline",
                  &TMainForm::UnderlinedButtonClick, true);
    ui_.ToolBar1->addSeparator();

    ui_.Schriftarten = new QComboBox(ui_.ToolBar1);
    ui_.Schriftarten->setObjectName(QStringLiteral("Schriftarten"));
    ui_.Schriftarten->setToolTip(CommandText(QT_TRANSLATE_NOOP("CommandMap", "font")));
    ui_.Schriftarten->setEditable(false);
    ui_.Schriftarten->setMinimumContentsLength(14);
    ui_.Schriftarten->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui_.ToolBar1->addWidget(ui_.Schriftarten);
    connect(ui_.Schriftarten, &QComboBox::activated, this, [this] { RunHandler(&TMainForm::SchriftartenChange); });

    ui_.Groesse = new QComboBox(ui_.ToolBar1);
    ui_.Groesse->setObjectName(QStringLiteral("Groesse"));
    //: The font size box.
    ui_.Groesse->setToolTip(CommandText(QT_TRANSLATE_NOOP("CommandMap", "size")));
    ui_.Groesse->setEditable(true);
    ui_.Groesse->setInsertPolicy(QComboBox::NoInsert);
    ui_.Groesse->addItems(kSizes);
    ui_.Groesse->setMinimumContentsLength(3);
    ui_.Groesse->installEventFilter(this);
    ui_.ToolBar1->addWidget(ui_.Groesse);
    connect(ui_.Groesse, &QComboBox::activated, this, [this] { RunHandler(&TMainForm::GroesseChange); });
    ui_.ToolBar1->addSeparator();

    ui_.LeftAlign = AddButton(ui_.ToolBar1, "LeftAlign", QT_TRANSLATE_NOOP("CommandMap", "align left"), "align-left");
    //: Centred paragraph alignment.
    ui_.CenterAlign = AddButton(ui_.ToolBar1, "CenterAlign", QT_TRANSLATE_NOOP("CommandMap", "center"), "align-center");
    ui_.RightAlign =
        AddButton(ui_.ToolBar1, "RightAlign", QT_TRANSLATE_NOOP("CommandMap", "align right"), "align-right");
    ui_.LeftAlign->setProperty("Tag", 0);
    ui_.CenterAlign->setProperty("Tag", 2);
    ui_.RightAlign->setProperty("Tag", 1);
    for (QToolButton* b : {ui_.LeftAlign, ui_.CenterAlign, ui_.RightAlign}) {
        b->setProperty("handler", QVariant::fromValue(&TMainForm::AlignClick));
        connect(b, &QToolButton::clicked, this, [this, b] {
            const int tag = b->property("Tag").toInt();
            Guard([this, tag] { AlignClick(tag); });
        });
    }
    ui_.ToolBar1->hide();
}

void TMainForm::BuildStatusBar()
{
    ui_.StatusBar = new TStatusBar(this);
    setStatusBar(ui_.StatusBar);
    ui_.StatusBar->AddPanel({QString(), 150, Qt::AlignHCenter, false});
    ui_.StatusBar->AddPanel({QString(), 100, Qt::AlignHCenter, false});
    ui_.StatusBar->AddPanel({QString(), 10, Qt::AlignHCenter, false});
    ui_.StatusBar->AddPanel({QString(), 27, Qt::AlignLeft, true});
    ui_.StatusBar->AddPanel({QString(), 27, Qt::AlignLeft, true});
    ui_.StatusBar->AddPanel({QString(), 50, Qt::AlignLeft, false});
    ui_.StatusBar->onDrawPanel = [this](QPainter& painter, int panel, const QRect& rect) {
        StatusBarDrawPanel(ui_.StatusBar, painter, panel, rect);
    };
    ui_.StatusBar->onMouseMove = [this](Qt::KeyboardModifiers shift, int x, int y) {
        Guard([&] { StatusBarMouseMove(shift, x, y); });
    };
    ui_.StatusBar->onMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        Guard([&] { StatusBarMouseUp(button, shift, x, y); });
    };
}

QAction* TMainForm::Action(Command command, Twin twin) const
{
    return actions_[size_t(command)][size_t(twin)];
}

bool TMainForm::IsChecked(Command command) const
{
    return Action(command, Twin::Context)->isChecked();
}

void TMainForm::SetChecked(Command command, bool on)
{
    SetChecked(command, Twin::Main, on);
    SetChecked(command, Twin::Context, on);
}

void TMainForm::SetEnabled(Command command, bool on)
{
    SetEnabled(command, Twin::Main, on);
    SetEnabled(command, Twin::Context, on);
}

void TMainForm::SetChecked(Command command, Twin twin, bool on)
{
    Action(command, twin)->setChecked(on);
}

void TMainForm::SetEnabled(Command command, Twin twin, bool on)
{
    Action(command, twin)->setEnabled(on);
}

void TMainForm::RunHandler(Handler handler)
{
    Guard([this, handler] { (this->*handler)(); });
}

void TMainForm::ShowException(const QString& message)
{
    platform_.prompts->ShowException(applicationTitle_, message);
}

MsgAnswer TMainForm::Ask(MsgKind kind, const QString& text, MsgButtons buttons)
{
    return platform_.prompts->MessageBox(kind, text, buttons);
}

void TMainForm::ShowError(const QString& text)
{
    Ask(MsgKind::Error, text, MsgButtons::Ok);
}

void TMainForm::SetWindowTitle(const QString& text)
{
    // Not Qt's display name: X11 would add it to every dialog's title.
    applicationTitle_ = text;
    setWindowTitle(text);
    // The caption follows every change of the document's name, and so
    // does the colouring, which goes by its extension.
    ui_.RichEdit->SetSyntaxFileName(doc_.CurrentFile);
}

void TMainForm::ShellOpen(const QString& target)
{
    platform_.shell->ShellOpen(target);
}

bool TMainForm::RecycleFile(const QString& path)
{
    return platform_.shell->RecycleFile(path);
}

QString TMainForm::ChooseFolder()
{
    return platform_.prompts->ChooseFolder();
}

void TMainForm::ShowContextMenu(QWidget* source, const QPoint& pos)
{
    popupMenu_->popup(source->mapToGlobal(pos));
}

void TMainForm::PopupMenuPopup()
{
    SetEnabled(Command::Font, Twin::Context, IsChecked(Command::PlainText));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && HandleDragEvent(event))
        return true;
    if (watched == ui_.MakroFeld && event->type() == QEvent::MouseButtonDblClick) {
        Guard([this] { MakroFeldDblClick(); });
        return true;   // the field itself would select one word only
    }
    if (watched == ui_.Groesse && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        int key = keyEvent->key();
        Guard([&] { GroesseKeyDown(key, keyEvent->modifiers()); });
        if (key == 0)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- start-up

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!startupRan_) {
        startupRan_ = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    QString failure;
    try {
        StartupSequence();
    } catch (const AppError& e) {
        failure = e.message();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    StartupClosingSteps();
    if (!failure.isEmpty())
        ShowException(failure);
}

void TMainForm::FillFontList()
{
    QStringList families = QFontDatabase::families();
    families.removeAll(QStringLiteral("Default"));
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();
    ui_.Schriftarten->clear();
    ui_.Schriftarten->addItems(families);
}

void TMainForm::StartupSequence()
{
    SetWindowTitle(kVersionedTitle);
    startup_.TempDir.clear();
    startup_.TidyLocation.clear();
    startup_.TidyOptions.clear();
    // Created on first use; only this user may reach it.
    startup_.TempDir = PrivateTempPath();
    ui_.RichEdit->SetMaxLength(0x7FFFFFFD);
    macro_.PreviousChar = QChar();

    QFont userFont(QStringLiteral("MS Sans Serif"));
    userFont.setPointSize(8);
    startup_.UserFont.font = userFont;
    startup_.UserFont.colour = palette().color(QPalette::WindowText);

    LoadSettings();

    if (IsChecked(Command::AlwaysStayOnTop))
        SetTopmost(true);
    ui_.RichEdit->SetLineNumbers(IsChecked(Command::LineNumbers));
    ShowRecentFiles();
    ui_.RichEdit->SetControlFont(startup_.UserFont.font, startup_.UserFont.colour);
    ApplyRememberedFolders();
    if (!IsChecked(Command::MenuVisible))
        ShowMenuBar(false);
    //: Typing mode in the status bar; the other one is "overwrite".
    const QString typingMode = tr("insert");
    ui_.StatusBar->SetPanelText(2, typingMode);
    ui_.StatusBar->SetPanelWidth(2, ui_.StatusBar->TextWidth(typingMode) + 15);
    macro_.SwallowNextTab = false;
    selectionHintDone_ = false;
    FillFontList();
    ReloadMacroTree();
    setAcceptDrops(true);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            Guard([this] { CheckFile(); });
    });
    doc_.IsPlainDocument = IsChecked(Command::PlainText);
    doc_.WrapWanted = IsChecked(Command::WordWrap);

    // All arguments joined with blanks, so an unquoted path with blanks arrives whole.
    const QString name = arguments_.join(QLatin1Char(' '));
    if (!name.isEmpty()) {
        OpenNamed(name);
        // Nothing opened: the empty editor still takes the settings' mode,
        // or the Wordwrap check mark and the wrapping disagree.
        if (doc_.CurrentFile.isEmpty())
            ApplyDocumentKind();
    } else {
        ApplyDocumentKind();
    }
    OfferRecoveredChanges(*this);
    RichEditSelectionChange();
}

void TMainForm::StartupClosingSteps()
{
    ui_.ToolBar1->setVisible(!ui_.RichEdit->IsPlainText());
    ui_.ToolBar->setVisible(IsChecked(Command::ToolbarVisible));
    if (IsChecked(Command::HtmlToolbar) && ui_.HTMLToolbar)
        ui_.HTMLToolbar->ShowAtSavedPosition();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- shutdown

void TMainForm::closeEvent(QCloseEvent* event)
{
    bool close = false;
    Guard([&] { close = FormClose(); });
    if (!close) {
        event->ignore();
        return;
    }
    // A Tidy still running would go on writing after the program has gone.
    if (ui_.TidyErrors)
        ui_.TidyErrors->DropRun();
    event->accept();
}

bool TMainForm::FormClose()
{
    if (!SaveChangesIfWanted())
        return false;
    ui_.CheckList->SettleMarkerFile(doc_.CurrentFile);
    // The toolbar's place, as its own closing would keep it; the check marks stay.
    if (ui_.HTMLToolbar && ui_.HTMLToolbar->isVisible())
        ui_.HTMLToolbar->RememberPosition();
    if (macro_.IsRecording) {
        RecordCommand(QStringLiteral("Exit"));
        if (QString error; !macro_.EndRecording(&error)) {
            // Taken back, so that a later close records it once.
            macro_.MacroLines.removeLast();
            //: %1 says why the recording could not be written.
            if (Ask(MsgKind::Error, tr("%1\n\nClose anyway? The recording will be lost.").arg(error),
                    MsgButtons::YesNo) != MsgAnswer::Yes)
                return false;
        }
    }
    // A failed settings write is shown, and the program still ends.
    Guard([this] { SaveSettings(); });
    if (!startup_.PreviewFile.isEmpty())
        QFile::remove(startup_.PreviewFile);
    EndRecovery(*this);
    return true;
}

void TMainForm::Exit1Click()
{
    close();
}

// ---------------------------------------------------------------- additions

void TMainForm::NoteRecentFile(const QString& path)
{
    recent_.Add(path);
    ShowRecentFiles();
}

void TMainForm::OpenRecentFile(int slot)
{
    const QString path = recent_.At(slot);
    if (path.isEmpty())
        return;
    // The same road as a typed name: save question, checks and messages.
    OpenNamed(path);
    if (!QFileInfo::exists(path) && recent_.Remove(path))
        ShowRecentFiles();
}

void TMainForm::ShowRecentFiles()
{
    // An entry may be the one being chosen: it goes once its signal is done.
    for (QAction* entry : recentEntries_) {
        for (QObject* holder : entry->associatedObjects())
            if (auto* widget = qobject_cast<QWidget*>(holder))
                widget->removeAction(entry);
        entry->deleteLater();
    }
    recentEntries_.clear();
    const QString home = QDir::homePath();
    for (const char* name : {kRecentFilesMenuMain, kRecentFilesMenuContext}) {
        auto* menu = findChild<QMenu*>(QString::fromLatin1(name));
        if (!menu)
            continue;
        const bool main = name == kRecentFilesMenuMain;
        QAction* before = menu->actions().value(0);
        for (int slot = 0; slot < recent_.Count(); ++slot) {
            const QString path = recent_.At(slot);
            QString caption = RecentFiles::Shortened(path, home);
            auto* entry = new QAction(caption.replace(QLatin1Char('&'), QLatin1String("&&")), this);
            entry->setObjectName(QStringLiteral("RecentFile%1_%2").arg(main ? 2 : 1).arg(slot + 1));
            entry->setToolTip(path);
            // Alt+1 to Alt+9, then Alt+0 for the tenth.
            entry->setShortcut(QKeySequence(Qt::AltModifier | Qt::Key(Qt::Key_0 + (slot + 1) % 10)));
            connect(entry, &QAction::triggered, this, [this, slot] { Guard([this, slot] { OpenRecentFile(slot); }); });
            menu->insertAction(before, entry);
            if (main)
                addAction(entry);   // its key works with the menu bar hidden
            else
                entry->setShortcutContext(Qt::WidgetShortcut);   // shown only; the main entry takes the key
            recentEntries_.push_back(entry);
        }
    }
    SetEnabled(Command::ClearRecentFiles, recent_.Count() > 0);
}

void TMainForm::ClearRecentFilesClick()
{
    recent_.Clear();
    ShowRecentFiles();
    ui_.RichEdit->setFocus();
}

void TMainForm::ShowRedoAvailable(bool recording)
{
    const bool on = ui_.RichEdit->CanRedo() && !recording;
    SetEnabled(Command::Redo, on);
}

void TMainForm::LineNumbersClick()
{
    ui_.RichEdit->SetLineNumbers(FlipOption(Command::LineNumbers));
    ui_.RichEdit->setFocus();
}

void TMainForm::ZoomInClick()
{
    ui_.RichEdit->ZoomIn();
    ui_.RichEdit->setFocus();
}

void TMainForm::ZoomOutClick()
{
    ui_.RichEdit->ZoomOut();
    ui_.RichEdit->setFocus();
}

void TMainForm::ResetZoomClick()
{
    ui_.RichEdit->SetZoom(TRichEdit::kZoomNormal);
    ui_.RichEdit->setFocus();
}
