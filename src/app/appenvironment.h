#pragma once

#include "records/datapaths.h"

#include <QDate>

#include <functional>

class SettingsStore;
class TickClock;
class Timekeeper;

// What the main window takes from outside, so tests can run it with a store in a temporary
// directory and with waits that take no time.
struct AppEnvironment {
    SettingsStore& settings;
    // Where pauses and frames take their time from.
    Timekeeper& timekeeper;
    const TickClock& clock;
    // Where the player names, high scores and statistics live.
    DataPaths dataPaths;
    // The game listens on one port and calls the other computer on the other; both are 1024
    // except for tests running two games on one machine (0 listens on any free port).
    quint16 listenPort = 1024;
    quint16 connectPort = 1024;
    // Shortest time a fade frame stays on the screen.
    int framePacingMs = 4;
    // Today, as the high-score table dates a result.
    std::function<QDate()> today = &QDate::currentDate;
};
