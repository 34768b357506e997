#pragma once

#include "timing/task.h"

#include <QImage>
#include <QPoint>

#include <functional>
#include <vector>

class FadeEngine;
struct BoardImages;
struct GameState;
struct ProgramOptions;

// Where the frames of a card transition go: the board's screen.
class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    // Shows the whole board image on the screen.
    virtual void presentBoard() = 0;
    // Where the following frames are drawn.
    virtual void setFramePosition(QPoint position) = 0;
    // Draws the 40 x 40 frame at the frame position; done when the next frame may follow.
    virtual Task<> showFadeFrame(QImage frame, qint32 userValue) = 0;
};

// The three card transitions of the board. They fade on the screen and write the final
// picture into the board image only when the fade is done. A transition dropped on its way
// (its turn was) leaves the board image and the list of turned cards as they were.
class CardTransitions {
public:
    CardTransitions(GameState& state, BoardImages& images, const ProgramOptions& options,
                    const FadeEngine& engine, FramePresenter& presenter);

    // Turns one card face up at (x, y), fadeShow steps.
    Task<> showCard(int motif, int x, int y);
    // Turns every card of pendingCards face down again, one after the other; empties the list.
    Task<> hideFaceUpCards();
    // Takes every card of pendingCards off the board, showing the background under it.
    Task<> removeFaceUpCards();
    // Puts the card back on the cards the last hide has turned back while they are still
    // marked face up (the turn passes on only after the hide). For a new back style.
    void redrawTurnedBackCards();
    // A fresh board: no card of the game before is this one's to look after.
    void forgetTurnedBackCards() { turnedBackSlots_.clear(); }

private:
    using Settle = std::function<void(int slot, QPoint at, const QImage& fadedTo)>;
    // Shows every frame of the dissolve, each for as long as the screen wants it.
    Task<> play(QImage source, QImage target, qint32 steps);
    // Fades the pending cards one after the other from face to what `targetAt` gives for
    // their square; `settle` then puts the card's final picture into the board image.
    Task<> fadeEachPendingCard(qint32 steps, std::function<QImage(QPoint)> targetAt, Settle settle);

    GameState& state_;
    BoardImages& images_;
    const ProgramOptions& options_;
    const FadeEngine& engine_;
    FramePresenter& presenter_;
    // The cards the last hide turned back, until the next card is turned up or a fresh board
    // is drawn. Kept when the hide is dropped: the board stays as it stopped.
    std::vector<int> turnedBackSlots_;
};
