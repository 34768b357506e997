#pragma once

// The narrow interfaces through which the turn flow reaches the screen and the dialogs, which
// it needs to go on. What it only tells (sounds, results, reports to the other computer) it
// tells by its signals.

#include "timing/task.h"

#include <QString>

class BoardPort {
public:
    virtual ~BoardPort() = default;
    // Card transitions, done when their last frame is shown: back to face at one slot; face
    // to back, or face to background, for every card of pendingCards (which they empty).
    virtual Task<> showCard(int motif, int x, int y) = 0;
    virtual Task<> hideFaceUpCards() = 0;
    virtual Task<> removeFaceUpCards() = 0;
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
    // Shows EndDialog modally with these texts; done when it is closed.
    virtual Task<> showEndDialog(EndDialogText text) = 0;
};
