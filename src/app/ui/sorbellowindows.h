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
    NewGameDialog* parneu = nullptr;
    AboutDialog* infopar = nullptr;
    EndDialog* gewinnform = nullptr;
    StatisticsDialog* statisti = nullptr;
    CardEditor* karted = nullptr;
    OptionsDialog* formOption = nullptr;
    ProgressWindow* formAblauf = nullptr;
    AddressDialog* formNetzAdresseEingeben = nullptr;
    ProtocolWindow* protokoll = nullptr;
    HighScoreWindow* formHighScore = nullptr;
};
