// Windows of the program. Every window is a single instance created on first access (loaded
// hidden), shown and hidden by the program, and found by its name. Child controls carry
// their names as object names, control-array items as "name(index)".
#pragma once

#include <QColor>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/services.h"

class QMdiArea;
class QJsonObject;

// Geometry is kept in twips, 15 to a pixel.
constexpr int tw(int twips) { return (twips + 7) / 15; }
QRect twRect(int left, int top, int width, int height);

// Colour values are BGR numbers as the colour constants give them (255 is red).
QColor colorFromValue(long value);
long valueFromColor(const QColor& c);
QColor qbColor(int index);  // the 16-colour palette

void setForeColor(QWidget* w, const QColor& c);
void setBackColor(QWidget* w, const QColor& c);
QColor foreColor(const QWidget* w);
QColor backColor(const QWidget* w);

// Name of a control-array item: arrayName("chkFault", 1) == "chkFault(1)".
QString arrayName(const QString& name, int index);

class Form : public QWidget {
    Q_OBJECT
public:
    enum class Kind { MdiChild, Dialog };
    explicit Form(Kind kind = Kind::MdiChild);
    ~Form() override;

    Kind kind() const { return kind_; }
    QString formName() const { return objectName(); }
    // A window whose controls stand at fixed places is fixed-size: its frame has no maximise
    // button and cannot be dragged to another size, and it opens at its own size and with its
    // frame even while another window of the area is maximised (it never follows that window
    // into the maximised state). Set in the constructor; windows are sizable otherwise.
    void setFixedSizeWindow(bool fixed) { fixedSize_ = fixed; }
    bool fixedSizeWindow() const { return fixedSize_; }
    // Where the user left the window (moved or sized by them) is kept in the settings when it is
    // hidden or unloaded ("Windows", "<name>_geometry"), and the window opens there the next time
    // it is first shown, brought onto the screen. A window that keeps its own place turns this
    // off in its constructor.
    void setKeepsPlace(bool keeps) { keepsPlace_ = keeps; }
    // The place just given is the user's own, as a drag of the frame's title bar or border is
    // (script mode's move and resize stand for those drags).
    void placedByUser() { placeMoved_ = true; }

    // Hooks for the window's own handlers.
    virtual void onLoad() {}
    virtual void onActivate() {}
    // Asked when the window is closed by its close box; false keeps it (a window that
    // hides itself instead of closing hides and returns false).
    virtual bool onQueryUnload() { return true; }
    virtual void onUnload() {}
    // A connection point or other label dropped on one of this window's controls.
    virtual void onDragDrop(QWidget* /*target*/, QWidget* /*source*/) {}
    // A label dropped on the target: runs onDragDrop as a handler of its own.
    void dropLabel(QWidget* target, QWidget* source);
    // Script access to controls the generic inspection does not cover; return true when
    // handled. `index` is the text inside the parentheses (for grids "row,col").
    virtual bool scriptShow(const QString& /*control*/, const QString& /*index*/, QJsonObject& /*out*/) {
        return false;
    }
    virtual bool scriptSet(const QString& /*control*/, const QString& /*index*/, const QString& /*value*/,
                           QString* /*error*/) {
        return false;
    }

    void showForm();
    void hideForm();
    bool formVisible() const;
    void bringToFront();
    void unloadForm();
    // Outer geometry of the window in twips (left, top, width, height).
    void setTwips(int left, int top, int width, int height);
    QRect twipsGeometry() const;
    QWidget* frame();
    void setCaption(const QString& caption);
    QString caption() const { return windowTitle(); }

    QWidget* control(const QString& name) const;
    template <class T> T* ctl(const QString& name) const { return findChild<T*>(name); }
    template <class T> T* ctl(const QString& name, int index) const {
        return findChild<T*>(arrayName(name, index));
    }

protected:
    // Right button on the background: the main window's pop-up menu.
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Return or Enter in a dialog presses its default button, as in any dialog box. The Menu
    // key and Shift+F10 open the right-button menu of the control with the focus (the
    // window's own, the main window's pop-up, where the control has none).
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    friend class FormHost;
    friend class Forms;
    friend class PlaceWatcher;
    Kind kind_;
    bool fixedSize_ = false;
    bool keepsPlace_ = true;
    bool placeRestored_ = false;  // the kept place was looked at (on the first show)
    bool placing_ = false;        // the program is placing the window
    bool placeMoved_ = false;     // the user moved or sized it since it was last kept
    void restorePlace();
    void keepPlace();
    // The setting of where the user left the window, when there is one to keep.
    std::optional<SettingValue> placeToKeep() const;
    QPointer<QMdiSubWindow> host_;
    bool unloading_ = false;
    QRect twips_;
};

// The MDI frame around a child window; routes its close box through the window's hooks.
class FormHost : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit FormHost(Form* form);
protected:
    void closeEvent(QCloseEvent* e) override;
private:
    Form* form_;
};

class Forms {
public:
    using Factory = std::function<Form*()>;
    static bool registerForm(const QString& name, Factory factory);
    static bool exists(const QString& name);
    // The loaded window, loading it (hidden) on first access; nullptr for an unknown name.
    static Form* get(const QString& name);
    static Form* find(const QString& name);
    static void unload(const QString& name);
    static void unloadAll();
    // The places of the windows the user moved or sized, to keep as the program ends.
    static QList<SettingValue> placesToKeep();
    // Every window the program can load, by name.
    static QStringList names();
    static void setMdiArea(QMdiArea* area);
    static QMdiArea* mdiArea();
    // The main window's right-button pop-up, installed by the main window.
    static void setPopupHandler(std::function<void(bool enableClose)> handler);
    static void popupMouseMenu(bool enableClose);

    template <class T> static T* get() { return static_cast<T*>(get(T::staticMetaObject.className())); }
    template <class T> static T* find() { return static_cast<T*>(find(T::staticMetaObject.className())); }
    template <class T> static void unload() { unload(T::staticMetaObject.className()); }
    // Hides each window of the kinds given that is loaded; unloads each that is.
    template <class... T> static void hideLoaded() {
        (hideIfLoaded(find<T>()), ...);
    }
    template <class... T> static void unloadEach() { (unload<T>(), ...); }

private:
    static void hideIfLoaded(Form* f);
};

template <class T> T* frm() { return Forms::get<T>(); }

#define REGISTER_FORM(Class) \
    static const bool Class##_registered = Forms::registerForm(#Class, [] { return new Class; });

// A label that can be dragged onto a drop target: a connection point. It takes the focus
// (Tab reaches it, a ring shows it) and is connected by a key as well as by a drop: Enter or
// Space puts the instrument's terminal (channel A) on it, 1 to 4 channels A to D.
class DragLabel : public QLabel {
    Q_OBJECT
public:
    explicit DragLabel(QWidget* parent = nullptr);
    // What the keys do: the label and the channel (0 for A .. 3 for D). Installed by the program
    // once the instrument is there; without it the keys go on to the window.
    using ConnectHandler = std::function<void(QWidget* label, int channel)>;
    static void setConnectHandler(ConnectHandler handler);
    // The channel a key connects to (0..3), or -1 for a key that connects nothing.
    static int channelForKey(int key, Qt::KeyboardModifiers modifiers);
protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // How the label looks while it has the focus: its caption on yellow in a black ring.
    void paintFocusRing(QPainter& p) const;
};

// Accepts labels dropped on it and passes them to its window's onDragDrop.
void makeDropTarget(QWidget* target);

// Control factories: each control is created with its name, caption and twips geometry.
class QLineEdit;
class QPushButton;
class QCheckBox;
class QRadioButton;
class QScrollBar;
class QProgressBar;
class QGroupBox;
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
DragLabel* makeDragLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, const QRect& twips);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
// The keys of a value control on a scroll bar (arrows, Page Up/Down, Home, End); a vertical bar
// whose larger value is at its top answers them the other way round.
void installScrollKeys(QScrollBar* bar, bool largerAtTop);
QScrollBar* makeHScroll(QWidget* parent, const QString& name, int min, int max, int value, const QRect& twips);
QProgressBar* makeProgress(QWidget* parent, const QString& name, int max, const QRect& twips);
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
// Twips rectangle for the factories (left, top, width, height).
inline QRect T(int l, int t, int w, int h) { return QRect(l, t, w, h); }
