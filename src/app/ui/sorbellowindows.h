#pragma once

class TFormHighScore;
class TProtokoll;
class Tgewinnform;
class Tinfopar;
class Tkarted;
class TformAblauf;
class TformNetzAdresseEingeben;
class TformOption;
class Tparneu;
class Tstatisti;

// The windows the main window shows on demand. Every one of them is created once at start,
// after the main window, in this order, and lives for the whole run.
struct SorbelloWindows {
    Tparneu* parneu = nullptr;
    Tinfopar* infopar = nullptr;
    Tgewinnform* gewinnform = nullptr;
    Tstatisti* statisti = nullptr;
    Tkarted* karted = nullptr;
    TformOption* formOption = nullptr;
    TformAblauf* formAblauf = nullptr;
    TformNetzAdresseEingeben* formNetzAdresseEingeben = nullptr;
    TProtokoll* protokoll = nullptr;
    TFormHighScore* formHighScore = nullptr;
};
