#pragma once

#include <functional>

class HighScoreWindow;
class ProtocolWindow;
class EndDialog;
class AboutDialog;
class CardEditor;
class ProgressWindow;
class AddressDialog;
class OptionsDialog;
class NewGameDialog;
class StatisticsDialog;

// Reaches one of the other windows, which is made when it is first asked for. Copies reach
// the same window.
template <typename Window> class WindowSlot {
public:
    WindowSlot() = default;
    // A window that exists already (or none).
    WindowSlot(Window* window) : get_([window] { return window; }) {}
    explicit WindowSlot(std::function<Window*()> get) : get_(std::move(get)) {}

    Window* get() const { return get_ ? get_() : nullptr; }
    operator Window*() const { return get(); }
    Window* operator->() const { return get(); }

private:
    std::function<Window*()> get_;
};

// The windows the main window shows on demand. Each lives, once made, for the rest of the run.
struct SorbelloWindows {
    WindowSlot<NewGameDialog> newGameDialog;
    WindowSlot<AboutDialog> aboutDialog;
    WindowSlot<EndDialog> endDialog;
    WindowSlot<StatisticsDialog> statisticsDialog;
    WindowSlot<CardEditor> cardEditor;
    WindowSlot<OptionsDialog> optionsDialog;
    WindowSlot<ProgressWindow> progressWindow;
    WindowSlot<AddressDialog> addressDialog;
    WindowSlot<ProtocolWindow> protocolWindow;
    WindowSlot<HighScoreWindow> highScoreWindow;
};
