// The main window: the MDI frame, menus, toolbar, status bar, right-button pop-up and the
// one-second simulation timer.
#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>

#include "platform/services.h"
#include "platform/status.h"
#include "platform/website.h"

class QLabel;
class QMenu;
class QAction;
class QToolBar;
class VTimer;

class BackgroundArea : public QMdiArea {
    Q_OBJECT
public:
    using QMdiArea::QMdiArea;
    void setPicture(const QPixmap& p);
protected:
    void paintEvent(QPaintEvent* e) override;
private:
    QPixmap picture_;
    QPixmap scaled_;  // the picture at the viewport's size, made once per size
};

class frmMainscreen : public QMainWindow {
    Q_OBJECT
public:
    frmMainscreen();
    ~frmMainscreen() override;

    BackgroundArea* mdi() const { return mdi_; }
    QLabel* panel(int n) const;  // status-bar panels 1 and 2
    VTimer* tmrMain() const { return tmrMain_; }
    QAction* action(const QString& name) const;
    // Runs the command of a menu entry found by its captions (without the '&').
    bool runMenu(const QStringList& path, QString* error);
    bool clickToolbar(const QString& key);
    // A key combination pressed in `target` (a window or a control): runs the command it is
    // the shortcut of, as the desktop's shortcut handling would; false when there is none.
    bool pressShortcut(QWidget* target, const QKeySequence& keys);
    // The window's place for the settings store: its outer top-left corner and its inside
    // size, in twips (section "Main_Window", keys Left, Top, Width, Height).
    QList<SettingValue> placementSettings() const;

    // Menu commands.
    void menuFileOpen_Click();
    void menuFileClose_Click();
    void menuFileCloseAll_Click();
    void menuFilePrint_Click();
    void menuFileProperties_Click();
    void menuFileLogin_Click();
    void menuRunStartStopEngine_Click();
    void menuRunIgnition_Click();
    void menuFileExit_Click();
    void menuSystemsControls_Click();
    void menuSystemsEngineManagement_Click();
    void menuSystemCharging_Click();
    void menuSystemsStarting_Click();
    void mnuruninstruments_Click();
    void menuTripcomputer_Click();
    void menuSystemsSetFaults_Click();
    void menuToolsMultiScope_Click();
    void menuToolsScanner_Click();
    void menuToolsPictures_Click();
    void menuToolsTelemetry_Click();
    void menuToolsDiagnostics_Click();
    void menuToolsConnectProbe_Click();
    void menuToolsMemoryMaps_Click();
    void menuToolsFillTank_Click();
    void menuToolsUserDetails_Click();
    void menuToolsOptions_Click();
    void menuToolsChallenges_Click();
    void menuToolsClassDashboard_Click();
    void menuToolsClassSetup_Click();
    void menuHelpHelp_Click();
    void menuHelpTipOfTheDay_Click();
    void menuHelpWebSite_Click();
    void menuHelpAbout_Click();
    void Toolbar1_ButtonClick(const QString& key);
    // Pops up the right-button menu at the pointer.
    void popupMouseMenu(bool enableCloseAfter);

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // The Menu key and Shift+F10 outside the child windows: the pop-up, as the right button gives it.
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    // An entry with its English caption (translated on the menu; script mode names it in English).
    QAction* addCommand(QMenu* menu, const QString& name, const char* caption,
                        void (frmMainscreen::*handler)());
    QMenu* addMenu(const char* caption);
    void buildMenus();
    void buildToolbar();
    void rebuildWindowMenu();

    BackgroundArea* mdi_;
    QLabel* panel1_;
    QLabel* panel2_;
    QToolBar* toolbar_;
    QMenu* menuWindow_ = nullptr;
    QMenu* menuMouse1_ = nullptr;
    VTimer* tmrMain_;
};

frmMainscreen* mainWindow();
void createMainWindow();

// The help guide's first page in the program's folder.
QString helpGuidePath();
// Opens a web address (or a page in the program's folder) through the desktop; where nothing
// can open it, the user is given the address in a message.
void openWebAddress(const QString& target);

// The exit routine: saves the trip figures and the mileage and ends the program.
void ExitProgram();
bool programEnded();
