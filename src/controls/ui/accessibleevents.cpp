#include "accessibleevents.h"

namespace {

AnnouncementListener listener_ = nullptr;

} // namespace

void announceNameChange(QObject* object) {
    QAccessibleEvent event(object, QAccessible::NameChanged);
    announce(event);
}

void announceStateChange(QObject* object, QAccessible::State changed) {
    QAccessibleStateChangeEvent event(object, changed);
    announce(event);
}

void announceCheckedChange(QObject* object) {
    QAccessible::State changed;
    changed.checked = true;
    announceStateChange(object, changed);
}

void announce(QAccessibleEvent& event) {
    if (listener_)
        listener_(&event);
    QAccessible::updateAccessibility(&event);
}

bool announcementsHeard() {
    return listener_ || QAccessible::isActive();
}

AnnouncementListener setAnnouncementListener(AnnouncementListener listener) {
    const AnnouncementListener before = listener_;
    listener_ = listener;
    return before;
}
