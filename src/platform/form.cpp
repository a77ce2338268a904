#include "form.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/screenfit.h"
#include "platform/services.h"
#include "platform/vbtypes.h"
#include "platform/windowplace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QHash>
#include <QMdiArea>
#include <QMimeData>
#include <QMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QContextMenuEvent>
#include <QPushButton>

namespace {
struct Registry {
    QHash<QString, Forms::Factory> factories;
    QHash<QString, QPointer<Form>> loaded;
    QStringList order;  // load order, for unloadAll
    QPointer<QMdiArea> mdi;
    std::function<void(bool)> popup;
};
Registry& reg() {
    static Registry r;
    return r;
}
const char* kDragMime = "application/x-vantorel-label";
}  // namespace

QRect twRect(int left, int top, int width, int height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

QColor colorFromValue(long value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

long valueFromColor(const QColor& c) { return c.red() | (c.green() << 8) | (long(c.blue()) << 16); }

QColor qbColor(int index) {
    static const QColor table[16] = {
        QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),     QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0),   QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0),   QColor(255, 255, 255)};
    return table[qBound(0, index, 15)];
}

void setForeColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

void setBackColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QColor foreColor(const QWidget* w) {
    const bool text = w->inherits("QLineEdit") || w->inherits("QTextEdit") || w->inherits("QPlainTextEdit");
    return w->palette().color(text ? QPalette::Text : QPalette::WindowText);
}

QColor backColor(const QWidget* w) {
    const bool text = w->inherits("QLineEdit") || w->inherits("QTextEdit") || w->inherits("QPlainTextEdit");
    return w->palette().color(text ? QPalette::Base : QPalette::Window);
}

QString arrayName(const QString& name, int index) { return name + "(" + QString::number(index) + ")"; }

Form::Form(Kind kind) : kind_(kind) {
    if (kind_ == Kind::Dialog) setWindowFlags(Qt::Dialog);
}

Form::~Form() = default;

QWidget* Form::frame() {
    if (host_) return host_;
    return this;
}

// Tells a window when the user moves or sizes it: what the program does itself is not the
// user's place.
class PlaceWatcher : public QObject {
public:
    explicit PlaceWatcher(Form* form) : QObject(form), form_(form) {}
protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        const QEvent::Type type = e->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Hide) return false;
        // A frame being destroyed is no longer of its own type (and has no place of the user's):
        // it is left alone before anything takes it for a whole window.
        if (!qobject_cast<QMdiSubWindow*>(watched) && !qobject_cast<Form*>(watched)) return false;
        if (watched != form_->frame()) return false;
        if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && !form_->placing_ && !form_->unloading_ &&
            form_->frame()->isVisible())
            form_->placeMoved_ = true;
        // However it goes (its close box, Close, Close All, unloaded), a window hidden keeps
        // where the user left it.
        if (e->type() == QEvent::Hide && form_->placeMoved_) runGuarded([this] { form_->keepPlace(); });
        return false;
    }
private:
    Form* form_;
};

namespace {
// While it lives, the program is placing the window.
struct Placing {
    explicit Placing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Placing() { flag_ = was_; }
    bool& flag_;
    bool was_;
};
}  // namespace

void Form::restorePlace() {
    placeRestored_ = true;
    if (!keepsPlace_) return;
    // A kept text that is not a place is left alone: the window opens where it always has.
    const std::optional<QRect> kept =
        windowplace::parse(GetSetting(windowplace::kSection, windowplace::key(formName()), QString()));
    if (!kept) return;
    const QRect now = twipsGeometry();
    // A window of fixed size takes back its place only.
    if (fixedSize_) setTwips(kept->x(), kept->y(), now.width(), now.height());
    else setTwips(kept->x(), kept->y(), kept->width(), kept->height());
}

std::optional<SettingValue> Form::placeToKeep() const {
    if (!keepsPlace_ || !placeMoved_) return std::nullopt;
    const QWidget* f = host_ ? static_cast<const QWidget*>(host_.data()) : this;
    // Maximised or minimised, the window's own place stays as it was kept.
    if (f->isMaximized() || f->isMinimized()) return std::nullopt;
    // A child window's frame in the working area; a dialog's frame corner on the screen with
    // its inside's size, as setTwips takes them.
    QRect place = twipsGeometry();
    if (!host_) {
        const QPoint corner = frameGeometry().topLeft() * 15;
        place = QRect(corner, size() * 15);
    }
    return SettingValue{windowplace::kSection, windowplace::key(formName()), windowplace::text(place)};
}

void Form::keepPlace() {
    const std::optional<SettingValue> place = placeToKeep();
    if (!place) return;
    placeMoved_ = false;
    try {
        SaveSetting(place->section, place->key, place->value);
    } catch (const VbError& e) {
        // Said once a run: the windows go on as they are.
        static bool told = false;
        if (told) return;
        told = true;
        reportError(e.number, e.description);
    }
}

void Form::showForm() {
    const Placing placing(placing_);
    if (!placeRestored_) restorePlace();
    if (kind_ == Kind::MdiChild && host_) {
        const bool wasVisible = host_->isVisible();
        QWidget::show();
        host_->show();
        host_->raise();
        QMdiArea* mdi = Forms::mdiArea();
        QMdiSubWindow* before = mdi ? mdi->activeSubWindow() : nullptr;
        if (mdi) mdi->setActiveSubWindow(host_);
        keepOnScreen(host_);
        // Activation normally comes from the area; make sure a newly shown window gets it.
        if (!wasVisible && (!mdi || before == host_ || mdi->activeSubWindow() != host_)) onActivate();
    } else {
        const bool wasVisible = isVisible();
        show();
        keepOnScreen(this);
        raise();
        activateWindow();
        if (!wasVisible) onActivate();
    }
}

void Form::hideForm() {
    if (host_) host_->hide();
    else hide();
}

bool Form::formVisible() const { return host_ ? host_->isVisible() : isVisible(); }

void Form::bringToFront() {
    if (host_) {
        host_->raise();
        if (QMdiArea* mdi = Forms::mdiArea()) mdi->setActiveSubWindow(host_);
    } else {
        raise();
        activateWindow();
    }
}

void Form::unloadForm() { Forms::unload(formName()); }

void Form::setTwips(int left, int top, int width, int height) {
    const Placing placing(placing_);
    const QRect r = twRect(left, top, width, height);
    twips_ = QRect(left, top, width, height);
    if (host_) {
        host_->setGeometry(r);
        if (host_->isVisible()) keepOnScreen(host_);
    } else {
        resize(r.size());
        move(r.topLeft());
        if (isVisible()) keepOnScreen(this);
    }
}

QRect Form::twipsGeometry() const {
    const QRect r = host_ ? host_->geometry() : geometry();
    // Report the twips last set while the window still stands where they put it.
    if (twips_.isValid() && r == twRect(twips_.x(), twips_.y(), twips_.width(), twips_.height())) return twips_;
    return QRect(r.x() * 15, r.y() * 15, r.width() * 15, r.height() * 15);
}

void Form::setCaption(const QString& caption) {
    setWindowTitle(caption);
    if (host_) host_->setWindowTitle(caption);
}

QWidget* Form::control(const QString& name) const { return findChild<QWidget*>(name); }

void Form::dropLabel(QWidget* target, QWidget* source) {
    runGuarded([&] { onDragDrop(target, source); });
}

void Form::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        runGuarded([] { Forms::popupMouseMenu(true); });
        return;
    }
    QWidget::mousePressEvent(e);
}

void Form::closeEvent(QCloseEvent* e) {
    // MDI children close through their frame; a dialog closes here.
    if (host_ || unloading_) {
        QWidget::closeEvent(e);
        return;
    }
    bool keep = false;
    runGuarded([&] {
        keep = !onQueryUnload();
        if (!keep) Forms::unload(formName());
    });
    if (keep) e->ignore();
    else e->accept();
}

void Form::keyPressEvent(QKeyEvent* e) {
    const bool menuKey = e->key() == Qt::Key_Menu && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool shiftF10 = e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier;
    if (menuKey || shiftF10) {
        // The menu of the control with the focus, as its right button gives it: the control's
        // own where it has one (a text box's edit menu), else it comes on to this window.
        QWidget* at = focusWidget();
        if (!at || !isAncestorOf(at)) at = this;
        const QPoint local = at->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, local, at->mapToGlobal(local), e->modifiers());
        QApplication::sendEvent(at, &menu);
        e->accept();
        return;
    }
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (kind_ == Kind::Dialog && !host_ && enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        for (QPushButton* b : findChildren<QPushButton*>()) {
            if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                b->click();
                return;
            }
        }
    }
    // Escape closes a dialog as its close box does (a window that only hides itself hides).
    if (kind_ == Kind::Dialog && !host_ && e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Form::contextMenuEvent(QContextMenuEvent* e) {
    // The right button opens the pop-up as it is pressed (mousePressEvent); this is the menu
    // asked for from the keyboard.
    if (e->reason() == QContextMenuEvent::Mouse) {
        e->ignore();
        return;
    }
    e->accept();
    runGuarded([] { Forms::popupMouseMenu(true); });
}

FormHost::FormHost(Form* form) : form_(form) {
    setWidget(form);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(form->windowTitle());
    setObjectName(form->objectName() + "_frame");
    // While one window of the area is maximised, the area gives the window activated next the
    // maximised place, as in any multiple-document window. A fixed-size window does not take
    // it: it stands at its own size above the maximised window, which stays as it is. The area
    // decides when it hears that a window is about to be activated; this connection is made
    // before the area's own (the frame joins the area after it is built), so it is told first.
    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] {
        if (QMdiArea* area = mdiArea())
            area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, form_->fixedSizeWindow());
    });
}

void FormHost::closeEvent(QCloseEvent* e) {
    bool keep = false;
    runGuarded([&] {
        keep = !form_->onQueryUnload();
        if (!keep) Forms::unload(form_->formName());
    });
    if (keep) e->ignore();
    else e->accept();
}

bool Forms::registerForm(const QString& name, Factory factory) {
    reg().factories.insert(name, std::move(factory));
    return true;
}

void Forms::hideIfLoaded(Form* f) {
    if (f) f->hideForm();
}

bool Forms::exists(const QString& name) { return reg().factories.contains(name); }

QStringList Forms::names() {
    QStringList all = reg().factories.keys();
    all.sort();
    return all;
}

Form* Forms::find(const QString& name) {
    auto it = reg().loaded.find(name);
    if (it == reg().loaded.end() || it->isNull()) return nullptr;
    return it->data();
}

Form* Forms::get(const QString& name) {
    if (Form* f = find(name)) return f;
    auto it = reg().factories.find(name);
    if (it == reg().factories.end()) return nullptr;
    Form* f = (*it)();
    f->setObjectName(name);
    reg().loaded.insert(name, f);
    reg().order.removeAll(name);
    reg().order.append(name);
    if (f->kind() == Form::Kind::MdiChild && reg().mdi) {
        auto* host = new FormHost(f);
        f->host_ = host;
        reg().mdi->addSubWindow(host);
        // A fixed-size window's frame: a title with its menu and close box, no maximise or
        // minimise button, no border to drag.
        if (f->fixedSizeWindow())
            host->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        host->hide();
    }
    f->frame()->installEventFilter(new PlaceWatcher(f));
    f->onLoad();
    return f;
}

void Forms::unload(const QString& name) {
    Form* f = find(name);
    if (!f || f->unloading_) return;
    f->unloading_ = true;
    f->onUnload();
    reg().loaded.remove(name);
    reg().order.removeAll(name);
    if (f->host_) {
        QMdiSubWindow* host = f->host_;
        host->hide();
        if (reg().mdi) reg().mdi->removeSubWindow(host);
        host->deleteLater();
    } else {
        f->hide();
        f->deleteLater();
    }
}

QList<SettingValue> Forms::placesToKeep() {
    QList<SettingValue> out;
    for (const QString& name : reg().order)
        if (Form* f = find(name))
            if (const std::optional<SettingValue> place = f->placeToKeep()) out << *place;
    return out;
}

void Forms::unloadAll() {
    const QStringList names = reg().order;
    for (auto it = names.rbegin(); it != names.rend(); ++it) unload(*it);
}

void Forms::setMdiArea(QMdiArea* area) {
    reg().mdi = area;
    QObject::connect(area, &QMdiArea::subWindowActivated, guarded([](QMdiSubWindow* w) {
        if (auto* host = qobject_cast<FormHost*>(w))
            if (auto* f = qobject_cast<Form*>(host->widget())) f->onActivate();
    }));
}

QMdiArea* Forms::mdiArea() { return reg().mdi; }

void Forms::setPopupHandler(std::function<void(bool)> handler) { reg().popup = std::move(handler); }

void Forms::popupMouseMenu(bool enableClose) {
    if (reg().popup) reg().popup(enableClose);
}

static Form* formOf(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* f = qobject_cast<Form*>(p)) return f;
    return nullptr;
}

namespace {
DragLabel::ConnectHandler& connectHandler() {
    static DragLabel::ConnectHandler handler;
    return handler;
}
}  // namespace

DragLabel::DragLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(
        tr("Connection point: Enter connects the instrument's terminal (channel A), 1 to 4 channels A to D."));
}

void DragLabel::setConnectHandler(ConnectHandler handler) { connectHandler() = std::move(handler); }

int DragLabel::channelForKey(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad's keys count as the main ones; any other modifier makes another key of it.
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return -1;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_1: return 0;
    case Qt::Key_2: return 1;
    case Qt::Key_3: return 2;
    case Qt::Key_4: return 3;
    default: return -1;
    }
}

void DragLabel::keyPressEvent(QKeyEvent* e) {
    const int channel = channelForKey(e->key(), e->modifiers());
    if (channel < 0 || !connectHandler()) {
        QLabel::keyPressEvent(e);
        return;
    }
    e->accept();
    // The handler may put a message on the screen; the label stays while it waits.
    QPointer<DragLabel> self(this);
    const ConnectHandler handler = connectHandler();
    runGuarded([&] { handler(self, channel); });
}

void DragLabel::paintEvent(QPaintEvent* e) {
    if (!hasFocus()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    paintFocusRing(p);
}

void DragLabel::paintFocusRing(QPainter& p) const {
    // The caption in black on yellow inside a black ring: it shows on any back colour, and the
    // small captions stay readable (a ring drawn over them would hide their letters).
    p.fillRect(rect(), QColor(255, 220, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(font());
    p.drawText(contentsRect().adjusted(1, 0, -1, 0), int(alignment()), text());
}

void DragLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(e);
        return;
    }
    Form* f = formOf(this);
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(kDragMime, ((f ? f->formName() : QString()) + "." + objectName()).toUtf8());
    mime->setText(text());
    drag->setMimeData(mime);
    drag->setPixmap(grab());
    drag->exec(Qt::CopyAction);
}

namespace {
class DropFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* ev) override {
        auto* w = static_cast<QWidget*>(obj);
        if (ev->type() == QEvent::DragEnter) {
            auto* de = static_cast<QDragEnterEvent*>(ev);
            if (de->mimeData()->hasFormat(kDragMime)) {
                de->acceptProposedAction();
                return true;
            }
        } else if (ev->type() == QEvent::Drop) {
            auto* de = static_cast<QDropEvent*>(ev);
            const QString ref = QString::fromUtf8(de->mimeData()->data(kDragMime));
            const int dot = ref.indexOf('.');
            Form* src = Forms::find(ref.left(dot));
            QWidget* source = src ? src->control(ref.mid(dot + 1)) : nullptr;
            Form* target = formOf(w);
            if (source && target) {
                de->acceptProposedAction();
                target->dropLabel(w, source);
            }
            return true;
        }
        return false;
    }
};
}  // namespace

void makeDropTarget(QWidget* target) {
    target->setAcceptDrops(true);
    target->installEventFilter(new DropFilter(target));
}

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <utility>

namespace {
template <class W> W* place(W* w, const QString& name, const QRect& twips) {
    w->setObjectName(name);
    w->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return w;
}
}  // namespace

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    return place(new QLabel(caption, parent), name, twips);
}

DragLabel* makeDragLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* l = place(new DragLabel(parent), name, twips);
    l->setText(caption);
    l->setCursor(Qt::OpenHandCursor);
    return l;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, const QRect& twips) {
    auto* e = place(new QLineEdit(parent), name, twips);
    e->setText(text);
    return e;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    return place(new QPushButton(caption, parent), name, twips);
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    return place(new QCheckBox(caption, parent), name, twips);
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    return place(new QRadioButton(caption, parent), name, twips);
}

namespace {
// Keyboard use of a scroll bar, as on the classic desktop: Left and Up take a small step down,
// Right and Down a small step up, Page Up and Page Down a large step, Home and End the ends.
// (Qt's scroll bars invert the arrow keys, which suits scroll areas, not value controls.) A
// vertical bar whose larger value is at its top runs the other way round.
class ScrollKeys : public QObject {
public:
    ScrollKeys(QObject* parent, bool largerAtTop) : QObject(parent), largerAtTop_(largerAtTop) {}
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (ev->type() != QEvent::KeyPress) return false;
        auto* bar = static_cast<QScrollBar*>(obj);
        QAbstractSlider::SliderAction down, up, pageDown, pageUp, first, last;
        down = QAbstractSlider::SliderSingleStepSub;
        up = QAbstractSlider::SliderSingleStepAdd;
        pageDown = QAbstractSlider::SliderPageStepSub;
        pageUp = QAbstractSlider::SliderPageStepAdd;
        first = QAbstractSlider::SliderToMinimum;
        last = QAbstractSlider::SliderToMaximum;
        if (largerAtTop_) {
            std::swap(down, up);
            std::swap(pageDown, pageUp);
            std::swap(first, last);
        }
        QAbstractSlider::SliderAction action;
        switch (static_cast<QKeyEvent*>(ev)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: action = down; break;
        case Qt::Key_Right:
        case Qt::Key_Down: action = up; break;
        case Qt::Key_PageUp: action = pageDown; break;
        case Qt::Key_PageDown: action = pageUp; break;
        case Qt::Key_Home: action = first; break;
        case Qt::Key_End: action = last; break;
        default: return false;
        }
        runGuarded([&] { bar->triggerAction(action); });
        return true;
    }

private:
    bool largerAtTop_;
};
}  // namespace

void installScrollKeys(QScrollBar* bar, bool largerAtTop) {
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->installEventFilter(new ScrollKeys(bar, largerAtTop));
}

QScrollBar* makeHScroll(QWidget* parent, const QString& name, int min, int max, int value, const QRect& twips) {
    auto* s = place(new QScrollBar(Qt::Horizontal, parent), name, twips);
    s->setRange(min, max);
    s->setValue(value);
    // Like the other controls, a scroll bar takes the focus by Tab or a click and then answers
    // the keyboard.
    installScrollKeys(s, false);
    return s;
}

QProgressBar* makeProgress(QWidget* parent, const QString& name, int max, const QRect& twips) {
    auto* b = place(new QProgressBar(parent), name, twips);
    b->setRange(0, max);
    b->setValue(0);
    b->setTextVisible(false);
    return b;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    return place(new QGroupBox(caption, parent), name, twips);
}
