#include "platform/screenfit.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

QRect fitRect(const QRect& r, const QRect& area) {
    if (area.isEmpty()) return r;
    const int w = std::min(r.width(), area.width());
    const int h = std::min(r.height(), area.height());
    const int x = std::clamp(r.x(), area.x(), area.x() + area.width() - w);
    const int y = std::clamp(r.y(), area.y(), area.y() + area.height() - h);
    return QRect(x, y, w, h);
}

QRect availableScreenArea(const QWidget* w) {
    QScreen* screen = nullptr;
    if (w && w->isVisible()) screen = QGuiApplication::screenAt(w->frameGeometry().center());
    if (!screen && w) screen = w->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins windowFrameMargins(const QWidget* w) {
    if (w->windowFlags() & Qt::FramelessWindowHint) return {};
    if (w->isVisible() && w->windowHandle()) {
        const QMargins m = w->windowHandle()->frameMargins();
        if (!m.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen")) return m;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return {};
    // Not shown yet: room for a window manager's title bar and borders.
    return QMargins(4, 32, 4, 4);
}

void placeOnScreen(QWidget* w, const QPoint& framePos, const QSize& size) {
    const QMargins m = windowFrameMargins(w);
    const QRect area = availableScreenArea(w);
    const QSize frameExtra(m.left() + m.right(), m.top() + m.bottom());
    QSize inside = size;
    if (!area.isEmpty()) inside = inside.boundedTo(area.size() - frameExtra);
    inside = inside.expandedTo(w->minimumSize()).boundedTo(w->maximumSize());
    const QRect outer = fitRect(QRect(framePos, inside + frameExtra), area);
    w->resize(inside);
    w->move(outer.topLeft());
}

namespace {
// The working area a child window lives in, in its parent's coordinates.
QRect childArea(const QWidget* w) {
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(w))
        if (QMdiArea* mdi = sub->mdiArea()) return QRect(QPoint(0, 0), mdi->viewport()->size());
    return w->parentWidget() ? w->parentWidget()->rect() : QRect();
}
}  // namespace

void keepOnScreen(QWidget* w) {
    if (!w->isWindow()) {
        // A working area that is not on the screen has no size to go by yet.
        if (!w->parentWidget() || !w->parentWidget()->isVisible()) return;
        const QRect area = childArea(w);
        const QRect fitted = fitRect(w->geometry(), area);
        if (fitted != w->geometry()) w->setGeometry(fitted);
        return;
    }
    const QRect area = availableScreenArea(w);
    const QRect frame = w->frameGeometry();
    if (area.isEmpty() || area.contains(frame)) return;
    placeOnScreen(w, frame.topLeft(), w->size());
}

void describePlacement(const QWidget* w, QJsonObject& out) {
    auto rect = [](const QRect& r) { return QJsonArray{r.x(), r.y(), r.width(), r.height()}; };
    QRect frame, area;
    if (w->isWindow()) {
        frame = w->frameGeometry();
        area = availableScreenArea(w);
    } else {
        const QWidget* parent = w->parentWidget();
        const QRect local = childArea(w);
        const QPoint origin = parent ? parent->mapToGlobal(QPoint(0, 0)) : QPoint();
        frame = w->geometry().translated(origin);
        area = local.translated(origin);
        // The working area itself has to be on the screen.
        area &= availableScreenArea(w->window());
    }
    out.insert("frame", rect(frame));
    out.insert("area", rect(area));
    out.insert("onscreen", area.contains(frame));
}
