#pragma once

#include <QAccessible>

class QObject;

// Tells assistive technology that what it reads of `object` has changed. Cheap while no
// screen reader listens.
void announceNameChange(QObject* object);
void announceStateChange(QObject* object, QAccessible::State changed);
// Checked or unchecked, down or up.
void announceCheckedChange(QObject* object);
void announce(QAccessibleEvent& event);

// Whether anybody hears announcements: a screen reader, or a listener below.
bool announcementsHeard();

// Qt passes events on only while a screen reader is attached, which never happens on the
// offscreen platform of the tests; they listen here instead. Returns the listener before.
using AnnouncementListener = void (*)(QAccessibleEvent* event);
AnnouncementListener setAnnouncementListener(AnnouncementListener listener);
