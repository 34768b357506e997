// Times the card transitions as the player sees them: frames go to a real paint box and are
// paced as in the program. Prints milliseconds per transition for several step counts.
//
//   QT_QPA_PLATFORM=offscreen build/bench/screen_fade_timing

#include "board/boardimages.h"
#include "board/cardfaces.h"
#include "board/fadeengine.h"
#include "board/ui/boardscreen.h"
#include "controls/ui/imageview.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"
#include "records/programoptions.h"
#include "timing/taskqueue.h"
#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include "controls/ui/sevensegmentdisplay.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

Task<> measure(BoardScreen& screen, ProgramOptions& options, const GameState& state) {
    std::printf("%-8s %-12s %s\n", "steps", "pacing ms", "ms per ShowCard (mean of 10)");
    for (const int pacing : {0, 4}) {
        screen.setFramePacing(pacing);
        for (const int steps : {1, 75, 150, 500}) {
            options.fadeShow = steps;
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < 10; ++i)
                co_await screen.showCard(7, state.cards[1].left, state.cards[1].top);
            std::printf("%-8d %-12d %.1f\n", steps, pacing, static_cast<double>(timer.elapsed()) / 10.0);
        }
    }
    QCoreApplication::quit();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    GameState state;
    state.settings.motifKind = MotifKind::Numbers;
    BoardImages images;
    images.board = QImage(662, 183, QImage::Format_RGB32);
    images.board.fill(Qt::darkGreen);
    images.texture = QImage(49, 49, QImage::Format_RGB32);
    images.texture.fill(Qt::green);
    images.cardBack = makeCardImage();
    buildCardBack(images.cardBack, CardBackStyle::ClassicGrey);
    images.status = QImage(377, 33, QImage::Format_RGB32);

    ImageView boardView;
    boardView.resize(662, 183);
    ImageView statusView;
    QLabel knownGroupsLabel;
    SevenSegmentDisplay display;
    boardView.show();

    ProgramOptions options;
    GameRandom random(1);
    FadeEngine engine(random);
    TimerTimekeeper timekeeper;
    SteadyTickClock clock;
    BoardScreen screen(state, images, options, engine, timekeeper, clock,
                       {&boardView, &statusView, &knownGroupsLabel, &display});

    // The transitions run as the game runs them: a task that suspends between frames, in the
    // application's own event loop.
    TaskQueue measuring;
    QTimer::singleShot(0, [&] { measuring.run(measure(screen, options, state)); });
    return app.exec();
}
