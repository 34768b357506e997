#pragma once

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
    // The fade callback: draws the 40 x 40 frame at the frame position.
    virtual void showFadeFrame(const QImage& frame, qint32 userValue) = 0;
};

// The three card transitions of the board. They fade on the screen and write the final
// picture into the board image only when the fade is done.
class CardTransitions {
public:
    CardTransitions(GameState& state, BoardImages& images, const ProgramOptions& options,
                    const FadeEngine& engine, FramePresenter& presenter);

    // Turns one card face up at (x, y), fadeShow steps.
    void showCard(int motif, int x, int y);
    // Turns every card of pendingCards face down again, one after the other; empties the list.
    void hideFaceUpCards();
    // Takes every card of pendingCards off the board, showing the background under it.
    void removeFaceUpCards();
    // Puts the card back on the cards the last hide has turned back while they are still
    // marked face up (the turn passes on only after the hide). For a new back style.
    void redrawTurnedBackCards();

private:
    // True when the game the transition began in was abandoned or replaced meanwhile
    // (the frames process window messages, so a new game can start in the middle of a fade).
    bool cutShort(quint32 generation) const;
    // Fades the pending cards one after the other from face to what `targetAt` gives for
    // their square; `settle` then puts the card's final picture into the board image. False
    // when the game was left meanwhile.
    bool fadeEachPendingCard(qint32 steps, const std::function<QImage(QPoint)>& targetAt,
                             const std::function<void(int slot, QPoint at, const QImage& fadedTo)>& settle);

    GameState& state_;
    BoardImages& images_;
    const ProgramOptions& options_;
    const FadeEngine& engine_;
    FramePresenter& presenter_;
    // The cards of the game `turnedBackGeneration_` that the last hide turned back, until the
    // next card is turned up. Kept when the hide is cut short: the board stays as it stopped.
    std::vector<int> turnedBackSlots_;
    quint32 turnedBackGeneration_ = 0;
};
