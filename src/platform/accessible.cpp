#include "platform/accessible.h"

#include <QAccessible>
#include <QLineEdit>
#include <QWidget>

namespace {
AnnouncementObserver observer_ = nullptr;
}  // namespace

AnnouncementObserver installAnnouncementObserver(AnnouncementObserver observer) {
    AnnouncementObserver was = observer_;
    observer_ = observer;
    return was;
}

void announceValue(QWidget* w, const QString& value) {
    if (!w) return;
    if (observer_) observer_(w, value);
    // Cheap while no screen reader listens: Qt drops the event.
    QAccessibleValueChangeEvent event(w, value);
    QAccessible::updateAccessibility(&event);
}

void setReadout(QLineEdit* box, const QString& text) {
    if (!box || box->text() == text) return;
    box->setText(text);
    announceValue(box, text);
}

void setAccessibleDescriptionOf(QWidget* w, const QString& text) {
    if (!w || w->accessibleDescription() == text) return;
    w->setAccessibleDescription(text);
    QAccessibleEvent event(w, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
