#pragma once

// What a main window under test lives in: settings and data files in a temporary directory,
// waits that take no time, and ports left to the system so nothing listens on 1024.

#include "app/appenvironment.h"
#include "fakes.h"
#include "records/datapaths.h"
#include "records/settingsstore.h"

#include <QApplication>
#include <QObject>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

// A control or command of the main window, found by its object name.
template <typename T> T* part(QObject& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        ADD_FAILURE() << "the main window has no " << name;
    return found;
}

// The window of this kind among the top-level windows, once the program has made it.
template <typename T> T* madeWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<T*>(window))
            return found;
    return nullptr;
}

class MainWindowSurroundings {
protected:
    AppEnvironment appEnvironment() {
        return AppEnvironment{settings, timekeeper, clock, dataPathsFor(dir.path(), dir.path()), 0, 0, 0};
    }
    SettingsStore reopenedSettings() const {
        return SettingsStore(
            std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat));
    }

    QTemporaryDir dir;
    SettingsStore settings{
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat)};
    Journal journal;
    FakeClock clock;
    FakeTimekeeper timekeeper{journal, clock};
};
