#include "frmmainscreen.h"

#include "challenges/frmchallengeresults.h"
#include "challenges/frmchallengerun.h"
#include "challenges/frmchallenges.h"
#include "challenges/frmclassdashboard.h"
#include "multiscope/displays.h"
#include "multiscope/instrument.h"
#include "multiscope/multiscope.h"
#include "platform/language.h"
#include "platform/picturebox.h"
#include "app/help/frmhelp.h"
#include "platform/appicon.h"
#include "platform/screenfit.h"
#include "platform/guard.h"

#include "app/main_window/frmabout.h"
#include "sim/simstate.h"
#include "app/tick.h"
#include "diagnostics/frmdiagnostics.h"
#include "diagnostics/frmmaps.h"
#include "electrical/frmcharging.h"
#include "electrical/frminstruments.h"
#include "electrical/frmstarting.h"
#include "faults/frmfaults.h"
#include "electrical/frmtripcomputer.h"
#include "electrical/startstop.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/warmup.h"
#include "telemetry/telemetrystore.h"
#include "waveedit/frmwaveedit.h"
#include "users/frmlogin.h"
#include "users/frmoptions.h"
#include "users/frmtip.h"
#include "users/frmuserdetails.h"
#include "users/users.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <optional>
#include <unistd.h>

namespace {
frmMainscreen* g_main = nullptr;
bool g_ended = false;

QString stripAmp(QString s) { return s.remove('&'); }

// Script mode names a menu entry by its English caption, whatever language the menus show: each
// entry keeps its English caption beside the translated one.
const char* const kEnglishCaption = "englishCaption";

void keepEnglishCaption(QAction* a, const char* caption) { a->setProperty(kEnglishCaption, QString::fromUtf8(caption)); }

// Whether a script's name for an entry (without the '&') names this entry.
bool namesEntry(const QAction* a, const QString& name) {
    if (stripAmp(a->text()).compare(name, Qt::CaseInsensitive) == 0) return true;
    const QVariant english = a->property(kEnglishCaption);
    return english.isValid() && stripAmp(english.toString()).compare(name, Qt::CaseInsensitive) == 0;
}

const QString kPlacementSection = QStringLiteral("Main_Window");

// Toolbar glyphs, drawn here so that nothing but the program's own artwork ships.
QIcon toolbarIcon(const QString& key) {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(30, 60, 110), 2);
    p.setPen(pen);
    if (key == "btnExit") {
        p.drawRect(5, 3, 11, 18);
        p.drawLine(12, 12, 21, 12);
        p.drawLine(18, 9, 21, 12);
        p.drawLine(18, 15, 21, 12);
    } else if (key == "btnOpen") {
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(3, 7, 18, 13);
        p.drawLine(3, 7, 8, 4);
        p.drawLine(8, 4, 12, 7);
    } else if (key == "btnStart") {
        p.setBrush(QColor(200, 200, 210));
        p.drawEllipse(3, 5, 10, 10);
        p.drawLine(12, 10, 22, 10);
        p.drawLine(18, 10, 18, 14);
        p.drawLine(21, 10, 21, 13);
    } else if (key == "btnDiagnostics") {
        p.drawRect(5, 3, 14, 18);
        for (int y = 8; y <= 16; y += 4) p.drawLine(8, y, 16, y);
    } else if (key == "btnScope") {
        p.setBrush(QColor(20, 40, 20));
        p.drawRect(2, 4, 20, 16);
        p.setPen(QPen(QColor(60, 230, 60), 2));
        p.drawPolyline(QPolygon({QPoint(4, 14), QPoint(8, 14), QPoint(10, 7), QPoint(13, 17),
                                 QPoint(15, 11), QPoint(20, 11)}));
    } else if (key == "btnTelemetry") {
        p.drawArc(3, 5, 18, 18, 0, 180 * 16);
        p.drawLine(12, 14, 17, 8);
    }
    return QIcon(pm);
}
}  // namespace

void BackgroundArea::setPicture(const QPixmap& p) {
    picture_ = p;
    scaled_ = QPixmap();
    viewport()->update();
}

void BackgroundArea::paintEvent(QPaintEvent* e) {
    if (picture_.isNull()) {
        QMdiArea::paintEvent(e);
        return;
    }
    QPainter p(viewport());
    const QSize target = viewport()->size();
    // A picture that already covers the area (give or take a tenth) is drawn as it is, cropped
    // about its centre; otherwise a scaled copy is made once for this size.
    const bool covers = picture_.width() >= target.width() && picture_.height() >= target.height();
    const bool near = covers && (picture_.width() * 10 <= target.width() * 11 ||
                                 picture_.height() * 10 <= target.height() * 11);
    const QPixmap* shown = &picture_;
    if (!near) {
        const QSize want = picture_.size().scaled(target, Qt::KeepAspectRatioByExpanding);
        if (scaled_.size() != want) scaled_ = picture_.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        shown = &scaled_;
    }
    p.drawPixmap((target.width() - shown->width()) / 2, (target.height() - shown->height()) / 2, *shown);
}

// The desktop's keys for a standard command; the common key where this desktop has none.
static QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& common) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty()) keys << common;
    return keys;
}

frmMainscreen* mainWindow() { return g_main; }

void createMainWindow() {
    if (g_main) return;
    g_main = new frmMainscreen;
    setStatusPanel(g_main->panel(1));
    setDialogParent(g_main);
}

frmMainscreen::frmMainscreen() {
    setObjectName("frmMainscreen");
    setWindowTitle("Vantorel");  // untranslated: the program's name
    // Every window of the program carries its icon (the child windows' frames and the dialogs
    // take the application's).
    QApplication::setWindowIcon(appIcon());
    setWindowIcon(QApplication::windowIcon());
    mdi_ = new BackgroundArea(this);
    mdi_->setObjectName("MDIArea");
    mdi_->setBackground(QColor(128, 128, 128));
    mdi_->viewport()->installEventFilter(this);
    setCentralWidget(mdi_);
    Forms::setMdiArea(mdi_);
    Forms::setPopupHandler([this](bool enableClose) { popupMouseMenu(enableClose); });

    buildMenus();
    buildToolbar();

    // The status bar is the first part that measures text: the font configuration must be
    // loaded by now.
    finishWarmup();
    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar1");
    panel1_ = new QLabel(tr("Status..."));
    panel1_->setObjectName("StatusBar1(1)");
    panel1_->setMinimumWidth(tw(6000));
    panel2_ = new QLabel(telemetry::statusText());
    panel2_->setObjectName("StatusBar1(2)");
    telemetry::setStatusHook([this] { panel2_->setText(telemetry::statusText()); });
    bar->addWidget(panel1_, 3);
    bar->addWidget(panel2_, 1);
    setStatusBar(bar);

    tmrMain_ = new VTimer("tmrMain", 1000, [] { tmrMain_Timer(); });

    // Form load: top-left corner of the screen, 16000 x 12000 twips, or where the user left
    // it; either brought onto this screen when it is smaller.
    QRect place = twRect(0, 0, 16000, 12000);
    try {
        const int left = GetSetting(kPlacementSection, "Left", "").toInt();
        const int top = GetSetting(kPlacementSection, "Top", "").toInt();
        bool wOk = false, hOk = false;
        const int width = GetSetting(kPlacementSection, "Width", "").toInt(&wOk);
        const int height = GetSetting(kPlacementSection, "Height", "").toInt(&hOk);
        if (wOk && hOk && width >= 1500 && height >= 1500 && width <= 1000000 && height <= 1000000 &&
            std::abs(left) <= 1000000 && std::abs(top) <= 1000000)
            place = twRect(left, top, width, height);
    } catch (const VbError&) {
        // Unreadable settings are reported at start-up; the window opens at its own size.
    }
    placeOnScreen(this, place.topLeft(), place.size());
    // Left filling the screen, it opens so again (over the place above, which it keeps).
    try {
        if (GetSetting(kPlacementSection, "Maximized", "0").trimmed() == QLatin1String("1"))
            setWindowState(windowState() | Qt::WindowMaximized);
    } catch (const VbError&) {
    }
}

QList<SettingValue> frmMainscreen::placementSettings() const {
    const QRect inside = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    const QMargins m = windowFrameMargins(this);
    const QPoint corner = inside.topLeft() - QPoint(m.left(), m.top());
    return {{kPlacementSection, "Left", QString::number(corner.x() * 15)},
            {kPlacementSection, "Top", QString::number(corner.y() * 15)},
            {kPlacementSection, "Width", QString::number(inside.width() * 15)},
            {kPlacementSection, "Height", QString::number(inside.height() * 15)},
            {kPlacementSection, "Maximized", isMaximized() ? "1" : "0"}};
}

void frmMainscreen::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // The window system's frame is known once the window is on the screen: a title bar that
    // does not fit after all moves the window down into view.
    QTimer::singleShot(0, this, guarded([this] { keepOnScreen(this); }));
}

frmMainscreen::~frmMainscreen() {
    telemetry::setStatusHook(nullptr);
    delete tmrMain_;
    if (g_main == this) {
        g_main = nullptr;
        setStatusPanel(nullptr);
        setDialogParent(nullptr);
    }
}

QLabel* frmMainscreen::panel(int n) const { return n == 2 ? panel2_ : panel1_; }

QAction* frmMainscreen::addCommand(QMenu* menu, const QString& name, const char* caption,
                                   void (frmMainscreen::*handler)()) {
    QAction* a = menu->addAction(tr(caption));
    keepEnglishCaption(a, caption);
    a->setObjectName(name);
    a->setShortcutContext(Qt::WindowShortcut);
    if (handler) connect(a, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    return a;
}

QMenu* frmMainscreen::addMenu(const char* caption) {
    QMenu* menu = menuBar()->addMenu(tr(caption));
    keepEnglishCaption(menu->menuAction(), caption);
    return menu;
}

void frmMainscreen::buildMenus() {
    using M = frmMainscreen;

    QMenu* file = addMenu(QT_TR_NOOP("&File"));
    file->setObjectName("menuFile");
    addCommand(file, "menuFileOpen", QT_TR_NOOP("&Open..."), &M::menuFileOpen_Click)->setShortcuts(standardKeys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    addCommand(file, "menuFileClose", QT_TR_NOOP("&Close"), &M::menuFileClose_Click)->setShortcuts(standardKeys(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)));
    addCommand(file, "menuFileCloseAll", QT_TR_NOOP("Close &All"), &M::menuFileCloseAll_Click);
    file->addSeparator();
    addCommand(file, "menuFilePrint", QT_TR_NOOP("&Print..."), &M::menuFilePrint_Click)->setShortcuts(standardKeys(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)));
    file->addSeparator();
    addCommand(file, "menuFileProperties", QT_TR_NOOP("Properties"), &M::menuFileProperties_Click);
    file->addSeparator();
    addCommand(file, "menuFileLogin", QT_TR_NOOP("Login..."), &M::menuFileLogin_Click);
    addCommand(file, "menuRunStartStopEngine", QT_TR_NOOP("&Start / Stop Engine"), &M::menuRunStartStopEngine_Click);
    addCommand(file, "menuRunIgnition", QT_TR_NOOP("&Ignition On / Off"), &M::menuRunIgnition_Click);
    file->addSeparator();
    addCommand(file, "menuFileExit", QT_TR_NOOP("E&xit"), &M::menuFileExit_Click)->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    QMenu* systems = addMenu(QT_TR_NOOP("&Systems"));
    systems->setObjectName("menuSystems");
    addCommand(systems, "menuSystemsControls", QT_TR_NOOP("&Controls"), &M::menuSystemsControls_Click);
    systems->addSeparator();
    addCommand(systems, "menuSystemsEngineManagement", QT_TR_NOOP("&Engine Management"),
               &M::menuSystemsEngineManagement_Click);
    addCommand(systems, "menuSystemCharging", QT_TR_NOOP("Chargin&g"), &M::menuSystemCharging_Click);
    addCommand(systems, "menuSystemsStarting", QT_TR_NOOP("&Starting"), &M::menuSystemsStarting_Click);
    systems->addSeparator();
    addCommand(systems, "mnuruninstruments", QT_TR_NOOP("Instr&uments"), &M::mnuruninstruments_Click);
    addCommand(systems, "menuTripcomputer", QT_TR_NOOP("&Trip Computer"), &M::menuTripcomputer_Click);
    systems->addSeparator();
    addCommand(systems, "menuSystemsSetFaults", QT_TR_NOOP("Set Faults..."), &M::menuSystemsSetFaults_Click);

    QMenu* tools = addMenu(QT_TR_NOOP("&Tools"));
    tools->setObjectName("menuTools");
    addCommand(tools, "menuToolsMultiScope", QT_TR_NOOP("&MultiScope"), &M::menuToolsMultiScope_Click);
    addCommand(tools, "menuToolsScanner", QT_TR_NOOP("S&canner"), &M::menuToolsScanner_Click);
    addCommand(tools, "menuToolsPictures", QT_TR_NOOP("&Pictures"), &M::menuToolsPictures_Click);
    addCommand(tools, "menuToolsTelemetry", QT_TR_NOOP("&Telemetry"), &M::menuToolsTelemetry_Click);
    addCommand(tools, "menuToolsConnectProbe", QT_TR_NOOP("Connect P&robe..."), &M::menuToolsConnectProbe_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    tools->addSeparator();
    addCommand(tools, "menuToolsDiagnostics", QT_TR_NOOP("&Diagnostics"), &M::menuToolsDiagnostics_Click);
    tools->addSeparator();
    addCommand(tools, "menuToolsMemoryMaps", QT_TR_NOOP("Memory M&aps"), &M::menuToolsMemoryMaps_Click);
    tools->addSeparator();
    addCommand(tools, "menuToolsFillTank", QT_TR_NOOP("&Fill Tank"), &M::menuToolsFillTank_Click);
    addCommand(tools, "menuToolsUserDetails", QT_TR_NOOP("&User Details"), &M::menuToolsUserDetails_Click);
    addCommand(tools, "menuToolsOptions", QT_TR_NOOP("&Options"), &M::menuToolsOptions_Click);
    tools->addSeparator();
    addCommand(tools, "menuToolsChallenges", QT_TR_NOOP("C&hallenges..."), &M::menuToolsChallenges_Click);
    addCommand(tools, "menuToolsClassDashboard", QT_TR_NOOP("C&lass Dashboard..."), &M::menuToolsClassDashboard_Click);
    addCommand(tools, "menuToolsClassSetup", QT_TR_NOOP("&Set Up Class..."), &M::menuToolsClassSetup_Click);

    menuWindow_ = addMenu(QT_TR_NOOP("&Window"));
    menuWindow_->setObjectName("menuWindow");
    connect(menuWindow_, &QMenu::aboutToShow, this, guarded([this] { rebuildWindowMenu(); }));
    rebuildWindowMenu();

    QMenu* help = addMenu(QT_TR_NOOP("&Help"));
    help->setObjectName("menuHelp");
    QAction* helpContents = addCommand(help, "menuHelpHelp", QT_TR_NOOP("&Help"), &M::menuHelpHelp_Click);
    helpContents->setShortcuts(standardKeys(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)));
    // F1 works in every window of the program, dialogs too.
    helpContents->setShortcutContext(Qt::ApplicationShortcut);
    addCommand(help, "menuHelpTipOfTheDay", QT_TR_NOOP("&Tip Of The Day"), &M::menuHelpTipOfTheDay_Click);
    addCommand(help, "menuHelpWebSite", QT_TR_NOOP("ZR Web Site"), &M::menuHelpWebSite_Click);
    help->addSeparator();
    addCommand(help, "menuHelpAbout", QT_TR_NOOP("&About"), &M::menuHelpAbout_Click);

    // The hidden "Mouse" menu, used only as the right-button pop-up.
    menuMouse1_ = new QMenu("Mouse", this);  // untranslated: script mode's name of the pop-up, never shown
    menuMouse1_->setObjectName("menuMouse1");
    addCommand(menuMouse1_, "menuMouse1OpenFile", QT_TR_NOOP("Open File"), &M::menuFileOpen_Click);
    addCommand(menuMouse1_, "menuMouseCloseCurrentWindow", QT_TR_NOOP("Close Current Window"), &M::menuFileClose_Click);
    addCommand(menuMouse1_, "menuMouse1CloseAllWindows", QT_TR_NOOP("Close All Windows"), &M::menuFileCloseAll_Click);
    menuMouse1_->addSeparator();
    QAction* a = menuMouse1_->addAction(tr("Start / Stop Engine"));
    keepEnglishCaption(a, "Start / Stop Engine");
    a->setObjectName("menuMouse1StartEngine");
    connect(a, &QAction::triggered, this, guarded([] { StartStopEngine(StartMode::OnTimer); }));
    a = menuMouse1_->addAction(tr("Increase Engine Speed"));
    keepEnglishCaption(a, "Increase Engine Speed");
    a->setObjectName("menuMouse1IncreaseEngineSpeed");
    connect(a, &QAction::triggered, this, guarded([] { menuMouse1IncreaseEngineSpeed_Click(); }));
    a = menuMouse1_->addAction(tr("Throttle on"));
    keepEnglishCaption(a, "Throttle on");
    a->setObjectName("menuMouse1ThrottleOn");
    connect(a, &QAction::triggered, this, guarded([] { menuMouse1ThrottleOn_Click(); }));
    a = menuMouse1_->addAction(tr("Change up a gear"));
    keepEnglishCaption(a, "Change up a gear");
    a->setObjectName("menuMouse1GearUp");
    connect(a, &QAction::triggered, this, guarded([] { menuMouse1GearUp_Click(); }));
    a = menuMouse1_->addAction(tr("Change down a gear"));
    keepEnglishCaption(a, "Change down a gear");
    a->setObjectName("menuMouse1GearDown");
    connect(a, &QAction::triggered, this, guarded([] { menuMouse1GearDown_Click(); }));
    menuMouse1_->addSeparator();
    addCommand(menuMouse1_, "menuMouse1Exit", QT_TR_NOOP("Exit program"), &M::menuFileExit_Click);
}

void frmMainscreen::buildToolbar() {
    toolbar_ = addToolBar("Toolbar1");
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct B {
        const char* caption;
        const char* key;
        const char* tip;
    };
    const B buttons[] = {{QT_TR_NOOP("Exit"), "btnExit", QT_TR_NOOP("Exit")},
                         {QT_TR_NOOP("Open"), "btnOpen", QT_TR_NOOP("Open")},
                         {QT_TR_NOOP("Start"), "btnStart", QT_TR_NOOP("Ignition/Starter")},
                         {QT_TR_NOOP("Diag"), "btnDiagnostics", QT_TR_NOOP("Diagnostics")},
                         {QT_TR_NOOP("Scope"), "btnScope", QT_TR_NOOP("Scope")},
                         {QT_TR_NOOP("Telem"), "btnTelemetry", QT_TR_NOOP("Telemetry")}};
    for (const B& b : buttons) {
        QAction* a = toolbar_->addAction(toolbarIcon(b.key), tr(b.caption));
        a->setObjectName(b.key);
        a->setToolTip(tr(b.tip));
        const QString key = b.key;
        connect(a, &QAction::triggered, this, guarded([this, key] { Toolbar1_ButtonClick(key); }));
        if (QWidget* w = toolbar_->widgetForAction(a)) w->setObjectName(b.key);
    }
}

void frmMainscreen::rebuildWindowMenu() {
    menuWindow_->clear();
    int n = 1;
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (!w->isVisible()) continue;
        QAction* a = menuWindow_->addAction(QString("&%1 %2").arg(n++).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, guarded([this, w] { mdi_->setActiveSubWindow(w); }));
    }
    // An empty menu would open as nothing at all.
    if (menuWindow_->isEmpty()) {
        QAction* none = menuWindow_->addAction(tr("No windows open"));
        none->setObjectName("menuWindowNone");
        none->setEnabled(false);
    }
}

bool frmMainscreen::pressShortcut(QWidget* target, const QKeySequence& keys) {
    // As the desktop's shortcut handling does: the commands of the window the key is pressed
    // in, then the program-wide ones.
    QWidget* window = target ? target->window() : this;
    // The key goes to the window it is pressed in: that window is in front.
    for (QWidget* w = target; w; w = w->parentWidget())
        if (auto* f = qobject_cast<Form*>(w)) {
            f->bringToFront();
            break;
        }
    window->activateWindow();
    QCoreApplication::processEvents();
    // The menu bar's commands (the main window) or the window's own, then the program-wide ones.
    QList<QAction*> menuCommands;
    for (QAction* top : menuBar()->actions())
        if (top->menu()) menuCommands += top->menu()->actions();
    // A control's own keys and those of the windows it stands in (a child window's commands).
    for (QWidget* w = target; w && w != window; w = w->parentWidget())
        for (QAction* a : w->actions()) {
            const Qt::ShortcutContext reach = a->shortcutContext();
            const bool reaches = reach == Qt::WidgetWithChildrenShortcut || (w == target && reach == Qt::WidgetShortcut);
            if (!reaches || !a->shortcuts().contains(keys) || !a->isEnabled()) continue;
            a->trigger();
            return true;
        }
    QList<QAction*> candidates = window == this ? menuCommands : window->actions();
    if (window != this)
        for (QAction* a : menuCommands)
            if (a->shortcutContext() == Qt::ApplicationShortcut) candidates.append(a);
    for (QAction* a : candidates) {
        if (!a->shortcuts().contains(keys) || !a->isEnabled()) continue;
        a->trigger();
        return true;
    }
    return false;
}

QAction* frmMainscreen::action(const QString& name) const { return findChild<QAction*>(name); }

bool frmMainscreen::runMenu(const QStringList& path, QString* error) {
    if (path.size() < 2) {
        *error = "a menu command needs a menu and an entry";
        return false;
    }
    QMenu* menu = nullptr;
    if (path[0].compare("Mouse", Qt::CaseInsensitive) == 0) {
        menu = menuMouse1_;
    } else {
        for (QAction* a : menuBar()->actions())
            if (a->menu() && namesEntry(a, path[0])) menu = a->menu();
    }
    if (!menu) {
        *error = "no menu \"" + path[0] + "\"";
        return false;
    }
    if (menu == menuWindow_) rebuildWindowMenu();
    // Choosing from the menu bar puts the main window in front of any dialog.
    if (menu != menuMouse1_) {
        activateWindow();
        QCoreApplication::processEvents();
    }
    for (int i = 1; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && namesEntry(a, path[i])) found = a;
        if (!found) {
            *error = "no entry \"" + path[i] + "\" in menu \"" + path[i - 1] + "\"";
            return false;
        }
        if (found->menu()) {
            menu = found->menu();
            continue;
        }
        if (!found->isEnabled()) {
            *error = "menu entry \"" + path[i] + "\" is disabled";
            return false;
        }
        found->trigger();
        return true;
    }
    *error = "menu path ends on a submenu";
    return false;
}

bool frmMainscreen::clickToolbar(const QString& key) {
    QAction* a = action(key);
    if (!a || !toolbar_->actions().contains(a)) return false;
    a->trigger();
    return true;
}

void frmMainscreen::Toolbar1_ButtonClick(const QString& key) {
    if (key == "btnExit") menuFileExit_Click();
    else if (key == "btnOpen") menuFileOpen_Click();
    else if (key == "btnStart") menuRunStartStopEngine_Click();
    else if (key == "btnDiagnostics") menuToolsDiagnostics_Click();
    else if (key == "btnScope") menuToolsMultiScope_Click();
    else if (key == "btnTelemetry") menuToolsTelemetry_Click();
}

void frmMainscreen::popupMouseMenu(bool enableCloseAfter) {
    QAction* closeCurrent = action("menuMouseCloseCurrentWindow");
    if (!enableCloseAfter) closeCurrent->setEnabled(false);
    if (!platform().scripted()) menuMouse1_->exec(QCursor::pos());
    closeCurrent->setEnabled(true);
}

void frmMainscreen::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) runGuarded([this] { popupMouseMenu(false); });
    else QMainWindow::mousePressEvent(e);
}

void frmMainscreen::keyPressEvent(QKeyEvent* e) {
    const bool menuKey = e->key() == Qt::Key_Menu && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (menuKey || (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier)) {
        e->accept();
        runGuarded([this] { popupMouseMenu(false); });
        return;
    }
    QMainWindow::keyPressEvent(e);
}

bool frmMainscreen::eventFilter(QObject* obj, QEvent* e) {
    if (obj == mdi_->viewport() && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
        runGuarded([this] { popupMouseMenu(false); });
        return true;
    }
    return QMainWindow::eventFilter(obj, e);
}

void frmMainscreen::closeEvent(QCloseEvent* e) {
    // Closing the frame saves and ends exactly like File > Exit.
    e->accept();
    runGuarded([] { ExitProgram(); });
}

// ---- File menu ----

void frmMainscreen::menuFileOpen_Click() { OpenInstrumentFile(); }

void frmMainscreen::menuFileClose_Click() {
    // Errors (no active window) are ignored.
    if (QMdiSubWindow* w = mdi_->activeSubWindow()) w->hide();
}

void frmMainscreen::menuFileCloseAll_Click() {
    Forms::unloadEach<frmAbout, frmSplash, frmOptions, frmMaps, frmWaveEdit, frmUserDetails, frmTip>();
    Forms::hideLoaded<frmDiagnostics, MultiScope, FRMsimulation, frmInstruments, frmTripComputer, frmFaults,
                      frmStarting, frmCharging, frmControls, frmChallenges, frmChallengeResults, frmChallengeRun,
                      frmClassDashboard>();
    ToolMode = tool::None;
    SetStatus(tr("Ready..."));
    DoEvents();
}

void frmMainscreen::menuFilePrint_Click() {
    // The routine on screen, or else a picture of the active window.
    auto* diag = Forms::find<frmDiagnostics>();
    if (diag && diag->formVisible() &&
        MsgBox(tr("Click OK to print the current diagnostic routine..."), MsgButtons::OKCancel, MsgIcon::Information) ==
            MsgAnswer::OK) {
        PrintJobSheet();
        return;
    }
    QMdiSubWindow* active = mdi_->activeSubWindow();
    auto* form = active && active->isVisible() ? qobject_cast<Form*>(active->widget()) : nullptr;
    if (!form) {
        MsgBox(tr("You must open a window to print..."), MsgButtons::OK, MsgIcon::Information);
        return;
    }
    if (MsgBox(tr("Click OK to print a copy of the window:  %1... ").arg(form->caption()), MsgButtons::OKCancel,
               MsgIcon::Information) != MsgAnswer::OK)
        return;
    if (!platform().printImage(form->grab().toImage(), form->caption()))
        MsgBox(tr("You must open a window to print..."), MsgButtons::OK, MsgIcon::Information);
}

void frmMainscreen::menuFileProperties_Click() {
    // With no active window the caption part is empty.
    QMdiSubWindow* w = mdi_->activeSubWindow();
    const QString caption = w && w->isVisible() ? w->windowTitle() : QString();
    const WebAddress web = webSiteAddress();
    const QString visit = web.target.isEmpty()
                              ? tr("The Vantorel web page cannot be named: %1").arg(web.problem)
                              : tr("Visit the Vantorel web page for updates and information: %1").arg(web.target);
    MsgBox(tr("The active window is '%1'\r\r%2").arg(caption, visit), MsgButtons::OK, MsgIcon::Information);
}

void frmMainscreen::menuFileLogin_Click() {
    frm<frmLogin>()->showForm();
}

void frmMainscreen::menuRunStartStopEngine_Click() { RunStartStopEngine(StartMode::OnTimer); }
void frmMainscreen::menuRunIgnition_Click() { RunIgnitionOnOff(); }

void frmMainscreen::menuFileExit_Click() { ExitProgram(); }

// ---- Systems menu ----

void frmMainscreen::menuSystemsControls_Click() { frm<frmControls>()->showForm(); }

void frmMainscreen::menuSystemsEngineManagement_Click() {
    Form* f = frm<FRMsimulation>();
    f->showForm();
    f->bringToFront();
}

void frmMainscreen::menuSystemCharging_Click() {
    Form* f = frm<frmCharging>();
    f->showForm();
    f->bringToFront();
}

void frmMainscreen::menuSystemsStarting_Click() {
    Form* f = frm<frmStarting>();
    f->showForm();
    f->bringToFront();
}

void frmMainscreen::mnuruninstruments_Click() {
    Form* f = frm<frmInstruments>();
    f->showForm();
    f->bringToFront();
}

void frmMainscreen::menuTripcomputer_Click() {
    Form* f = frm<frmTripComputer>();
    f->showForm();
    f->bringToFront();
}

void frmMainscreen::menuSystemsSetFaults_Click() {
    frm<frmFaults>()->showForm();
}

// ---- Tools menu ----

// The Tools commands bring a device of the instrument to the front.
void frmMainscreen::menuToolsMultiScope_Click() { frm<MultiScope>()->showDevice(tool::Scope); }
void frmMainscreen::menuToolsScanner_Click() { frm<MultiScope>()->showDevice(tool::Scanner); }
void frmMainscreen::menuToolsPictures_Click() { frm<MultiScope>()->showDevice(tool::Pictures); }
void frmMainscreen::menuToolsTelemetry_Click() { frm<MultiScope>()->showDevice(tool::Telemetry); }

void frmMainscreen::menuToolsDiagnostics_Click() {
    Form* f = frm<frmDiagnostics>();
    if (!f->formVisible()) {
        f->showForm();
        f->bringToFront();
        SetStatus(tr("Select system and diagnostic routine..."));
    } else {
        f->hideForm();
        SetStatus(tr("Ready..."));
    }
}

void frmMainscreen::menuToolsConnectProbe_Click() { instrument::showConnectProbe(); }

void frmMainscreen::menuToolsMemoryMaps_Click() { frm<frmMaps>()->showForm(); }

void frmMainscreen::menuToolsFillTank_Click() {
    FuelLevel = 60;
    MsgBox(tr("Fuel tank filled up, thank you for your custom!"), MsgButtons::OK, MsgIcon::Information);
}

void frmMainscreen::menuToolsUserDetails_Click() {
    frm<frmUserDetails>()->showForm();
}

void frmMainscreen::menuToolsOptions_Click() {
    frm<frmOptions>()->showForm();
}

void frmMainscreen::menuToolsChallenges_Click() { OpenChallenges(); }

void frmMainscreen::menuToolsClassDashboard_Click() { OpenClassDashboard(); }

void frmMainscreen::menuToolsClassSetup_Click() { ShowClassSetupWindow(); }

// ---- Help menu ----

QString helpGuidePath() { return QDir(language::localisedDataFile("help")).filePath("index.html"); }

void frmMainscreen::menuHelpHelp_Click() {
    try {
        chdirToAppFolder();
    } catch (const VbError&) {
    }
    // The guide opens in the program's own help window, at the page of the window in front.
    OpenHelp(helpPageForFront());
}

void openWebAddress(const QString& target) {
    if (platform().shellOpen(target)) return;
    // No web browser (or none that would take it): the user can still type the address.
    MsgBox(frmMainscreen::tr("The web page could not be opened here: no web browser is set up to open it.\r\rIts address is: %1")
               .arg(target),
           MsgButtons::OK, MsgIcon::Information);
}

void frmMainscreen::menuHelpTipOfTheDay_Click() {
    frm<frmTip>()->showForm();
}

void frmMainscreen::menuHelpWebSite_Click() {
    const WebAddress web = webSiteAddress();
    if (web.target.isEmpty()) {
        MsgBox(tr("The Vantorel web page cannot be opened: %1").arg(web.problem), MsgButtons::OK, MsgIcon::Information);
        return;
    }
    // A page in the program's folder that is not there is reported; a web address goes to
    // the browser, whose own failure is not.
    if (!web.target.contains(QLatin1String("://")) && !isRegularFile(web.target)) {
        reportError(53, tr("File not found: %1").arg(web.target));
        return;
    }
    openWebAddress(web.target);
}

void frmMainscreen::menuHelpAbout_Click() { frm<frmAbout>()->showForm(); }

// ---- Status line and exit ----

bool programEnded() { return g_ended; }

void ExitProgram() {
    if (g_ended) return;
    // The four figures are written in one go, so a run that is killed keeps all the new
    // figures or all the old ones. A failure is reported, and the program still ends (the user
    // asked to leave).
    std::optional<VbError> failed;
    try {
        QList<SettingValue> values{{"Trip_Computer", "Trip_Distance", TripDistance.toText()},
                                   {"Trip_Computer", "Arrival_Distance", ArrivalDistance.toText()},
                                   {"Trip_Computer", "Elapsed_Time", ElapsedTime.toText()},
                                   {"Instruments", "mileage", Mileage.toText()}};
        // Where the main window stands, for the next start.
        if (g_main) values += g_main->placementSettings();
        // And where the user left each window that is open.
        values += Forms::placesToKeep();
        SaveSettings(values);
    } catch (const VbError& e) {
        failed = e;
    }
    g_ended = true;
    if (auto* diag = Forms::find<frmDiagnostics>()) runGuarded([diag] { diag->saveRoutine(); });
    if (failed) reportError(failed->number, failed->description, QString(), MsgIcon::Information);
    closeDatabase();
    if (platform().scripted()) return;  // the script runner stops after this command
    fflush(stdout);
    _exit(0);
}
