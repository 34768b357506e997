#pragma once

#include <memory>

class SettingsStore;
class Tparmain;
class Tparneu;

// The new-game dialog for a main window under test: stores a set-up of two human players
// ("Spieler 1", "Spieler 2"), makes the dialog and attaches it with the windows given.
std::unique_ptr<Tparneu> makeNewGameDialog(Tparmain& window, SettingsStore& settings);

// "Neues Spiel", then "Spiel beginnen!" in the dialog as it shows.
void startGameThroughDialog(Tparmain& window);
