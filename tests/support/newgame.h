#pragma once

class SettingsStore;
class MainWindow;

// Stores the set-up the new-game dialog then offers: two human players, "Spieler 1" and
// "Spieler 2".
void storeTwoHumanPlayers(SettingsStore& settings);

// "Neues Spiel", then "Spiel beginnen!" in the dialog as it shows.
void startGameThroughDialog(MainWindow& window);
