#pragma once

#include "records/datapaths.h"

#include <QDate>

#include <functional>
#include <optional>

class MessageWait;
class SettingsStore;
class TickClock;

// What the main window takes from outside, so tests can run it with a store in a temporary
// directory and with waits that take no time.
struct AppEnvironment {
    SettingsStore& settings;
    MessageWait& wait;
    const TickClock& clock;
    // Shortest time a fade frame stays on the screen.
    int framePacingMs = 4;
    // Where the data files are kept; the program's real directories when not given.
    std::optional<DataPaths> dataPaths = std::nullopt;
    // Today, as the high-score table dates a result.
    std::function<QDate()> today = &QDate::currentDate;
};
