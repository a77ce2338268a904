// What a screen reader is told beyond a control's own name: read-outs that announce their new
// values, and descriptions that follow what a drawn surface shows.
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Shows `text` in a read-out and, when it changed, tells assistive technology of the new value.
void setReadout(QLineEdit* box, const QString& text);
// Announces a control's new value (its text is what a screen reader reads).
void announceValue(QWidget* w, const QString& value);
// Sets a control's accessible description, announcing it when it changed.
void setAccessibleDescriptionOf(QWidget* w, const QString& text);

// Qt passes these events on only while a screen reader is listening; an observer installed here
// hears every announcement all the same (a test listens so). Returns the one it replaces.
using AnnouncementObserver = void (*)(QWidget* control, const QString& value);
AnnouncementObserver installAnnouncementObserver(AnnouncementObserver observer);
