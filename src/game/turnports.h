#pragma once

// The narrow interfaces through which the turn flow reaches the screen, the sounds, the
// records, the other computer and the dialogs. The turn flow knows nothing else of them.

#include "records/statentry.h"

#include <QString>

class BoardPort {
public:
    virtual ~BoardPort() = default;
    // Card transitions: back to face at one slot; face to back, or face to background, for
    // every card of pendingCards (which they empty).
    virtual void showCard(int motif, int x, int y) = 0;
    virtual void hideFaceUpCards() = 0;
    virtual void removeFaceUpCards() = 0;
    // Copies the board image to the screen.
    virtual void repaintBoard() = 0;
    // Backs on every slot of the current board size over the background, then repaint.
    virtual void drawFreshBoard() = 0;
    // Backs on every present face-down card of the board image.
    virtual void redrawFaceDownCards() = 0;
    virtual void drawStatusStrip() = 0;
    // The board input switch: whether the board view takes clicks.
    virtual void setBoardEnabled(bool on) = 0;
    // The label knownGroupsLabel and the display beside "Restpunkte".
    virtual void showKnownGroups(int count) = 0;
    virtual void showRemainingGroups(int count) = 0;
};

// The program's sounds, by the resource names they are stored under.
inline const QString kTurnSound = QStringLiteral("ppp1");
inline const QString kMismatchSound = QStringLiteral("ppp2");
inline const QString kMatchSound = QStringLiteral("ppp3");
inline const QString kWinSound = QStringLiteral("ppp4");
inline const QString kDrawSound = QStringLiteral("ppp5");

class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void playResource(const QString& name) = 0;
};

class RecordsPort {
public:
    virtual ~RecordsPort() = default;
    virtual void enterHighScore(const QString& name, quint32 points) = 0;
    // At every game's end, after its results were entered: what the game changed reaches the
    // files at once, so that no later end of the program can lose it.
    virtual void recordGameEnd(const GameTallies& tallies, int playerCount) = 0;
};

// Messages to the other computer in a network game.
class PeerPort {
public:
    virtual ~PeerPort() = default;
    // Reports a turned card; the turn flow has already waited for the peer to be ready.
    virtual void sendCard(int participant, int slot) = 0;
    virtual void reportReady() = 0;
    virtual void reportAllCardsReceived() = 0;
};

// The texts of the end dialog EndDialog.
struct EndDialogText {
    QString headline;
    QString highlight;
    QString closing;
};

class DialogPort {
public:
    virtual ~DialogPort() = default;
    // "Wollen Sie wirklich das laufende Spiel abbrechen?"; true for Yes.
    virtual bool confirmAbandonGame() = 0;
    // Shows the new-game dialog modally; starting a game there deals the board.
    virtual void runNewGameDialog() = 0;
    // Shows EndDialog modally with these texts and returns when it is closed.
    virtual void showEndDialog(const EndDialogText& text) = 0;
};

class ProtocolSink {
public:
    virtual ~ProtocolSink() = default;
    virtual void addProtocolLine(const QString& text) = 0;
};
