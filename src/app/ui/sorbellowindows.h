#pragma once

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

// The windows the main window shows on demand. Every one of them is created once at start,
// after the main window, in this order, and lives for the whole run.
struct SorbelloWindows {
    NewGameDialog* newGameDialog = nullptr;
    AboutDialog* aboutDialog = nullptr;
    EndDialog* endDialog = nullptr;
    StatisticsDialog* statisticsDialog = nullptr;
    CardEditor* cardEditor = nullptr;
    OptionsDialog* optionsDialog = nullptr;
    ProgressWindow* progressWindow = nullptr;
    AddressDialog* addressDialog = nullptr;
    ProtocolWindow* protocolWindow = nullptr;
    HighScoreWindow* highScoreWindow = nullptr;
};
