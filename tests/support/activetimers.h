#pragma once

#include <QAbstractEventDispatcher>
#include <QList>
#include <QObject>

// Every timer registered for `root` or an object below it, QTimer or startTimer alike: a
// timer of ours left running wakes the idle program.
inline QList<QAbstractEventDispatcher::TimerInfo> activeTimers(QObject& root) {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(root.thread());
    QList<QObject*> objects = root.findChildren<QObject*>();
    objects.prepend(&root);
    QList<QAbstractEventDispatcher::TimerInfo> timers;
    for (QObject* object : objects)
        timers += dispatcher->registeredTimers(object);
    return timers;
}
