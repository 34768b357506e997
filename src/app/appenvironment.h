#pragma once

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
};
