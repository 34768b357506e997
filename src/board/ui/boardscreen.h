#pragma once

#include "board/cardtransitions.h"
#include "game/turnports.h"

class BoardNarrator;
class FadeEngine;
class ImageView;
class QLabel;
class StatusNarrator;
class SevenSegmentDisplay;
class TickClock;
class Timekeeper;
struct BoardImages;
struct GameState;
struct ProgramOptions;

// The board as the player sees it: keeps the board view and the status view showing the board and
// status images, and plays the card transitions on the screen.
class BoardScreen : public BoardPort, public FramePresenter {
public:
    struct Widgets {
        ImageView* boardView;
        ImageView* statusView;
        QLabel* knownGroupsLabel;
        SevenSegmentDisplay* remainingDisplay;
    };

    BoardScreen(GameState& state, BoardImages& images, const ProgramOptions& options,
                const FadeEngine& engine, Timekeeper& timekeeper, const TickClock& clock, Widgets widgets);

    // Shortest time a fade frame stays on the screen; 0 lets tests run fades at full speed.
    void setFramePacing(int ms) { framePacingMs_ = ms; }

    Task<> showCard(int motif, int x, int y) override;
    Task<> hideFaceUpCards() override;
    Task<> removeFaceUpCards() override;
    void repaintBoard() override;
    void drawFreshBoard() override;
    void drawStatusStrip() override;
    void setBoardEnabled(bool on) override;
    void showKnownGroups(int count) override;
    void showRemainingGroups(int count) override;

    void presentBoard() override;
    void setFramePosition(QPoint position) override { framePosition_ = position; }
    Task<> showFadeFrame(QImage frame, qint32 userValue) override;

    void redrawFaceDownCards() override;
    void repaintStatus();
    // The picture before the first game.
    void drawTitlePicture(const QString& programName, const QString& version);

private:
    // Screen readers hear what changed on the board and in the status strip.
    void announceChanges();

    GameState& state_;
    BoardImages& images_;
    Timekeeper& timekeeper_;
    const TickClock& clock_;
    Widgets widgets_;
    CardTransitions transitions_;
    QPoint framePosition_;
    int framePacingMs_ = 4;
    BoardNarrator* boardNarrator_;   // owned by the board view
    StatusNarrator* statusNarrator_; // owned by the status view
};
