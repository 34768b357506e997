#pragma once

// Listens as a screen reader would: every accessibility event the program raises while an
// instance lives is recorded.

#include "controls/ui/accessibleevents.h"

#include <vector>

class AccessibilityEvents {
public:
    struct Event {
        QObject* object;
        QAccessible::Event type;
        int child;
        QAccessible::State changed; // for state changes
    };

    AccessibilityEvents() {
        recorded().clear();
        previous_ = setAnnouncementListener(&record);
    }
    ~AccessibilityEvents() { setAnnouncementListener(previous_); }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    const std::vector<Event>& events() const { return recorded(); }
    void clear() { recorded().clear(); }
    // Events of this type about `object`, or about its child `child` when that is not -1.
    int count(const QObject* object, QAccessible::Event type, int child = -1) const {
        int n = 0;
        for (const Event& e : recorded())
            n += e.object == object && e.type == type && (child == -1 || e.child == child);
        return n;
    }

private:
    static std::vector<Event>& recorded() {
        static std::vector<Event> events;
        return events;
    }
    static void record(QAccessibleEvent* event) {
        QAccessible::State changed;
        if (event->type() == QAccessible::StateChanged)
            changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        recorded().push_back({event->object(), event->type(), event->child(), changed});
    }

    AnnouncementListener previous_ = nullptr;
};
