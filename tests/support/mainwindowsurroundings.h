#pragma once

// What a main window under test lives in: settings and data files in a temporary directory,
// waits that take no time, and ports left to the system so nothing listens on 1024.

#include "app/appenvironment.h"
#include "fakes.h"
#include "records/datapaths.h"
#include "records/settingsstore.h"

#include <QTemporaryDir>

class MainWindowSurroundings {
protected:
    AppEnvironment appEnvironment() {
        return AppEnvironment{settings, wait, clock, dataPathsFor(dir.path(), dir.path()), 0, 0, 0};
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
    FakeWait wait{journal, clock};
};
