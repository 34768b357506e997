#pragma once

#include <memory>

class SettingsStore;
class MainWindow;
class NewGameDialog;

// The new-game dialog for a main window under test: stores a set-up of two human players
// ("Spieler 1", "Spieler 2"), makes the dialog and attaches it with the windows given.
std::unique_ptr<NewGameDialog> makeNewGameDialog(MainWindow& window, SettingsStore& settings);

// "Neues Spiel", then "Spiel beginnen!" in the dialog as it shows.
void startGameThroughDialog(MainWindow& window);
