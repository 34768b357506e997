#include "board/boardimages.h"
#include "board/fadeengine.h"
#include "board/ui/boardscreen.h"
#include "controls/ui/imageview.h"
#include "game/gamerandom.h"
#include "records/programoptions.h"
#include "support/fakes.h"

#include "controls/ui/sevensegmentdisplay.h"
#include <QLabel>

#include <gtest/gtest.h>

namespace {

// Every reading finds the clock `step` ms further on, as if drawing took that long.
class DrawingClock : public TickClock {
public:
    quint32 ticks() const override { return now += step; }
    mutable quint32 now = 1000;
    quint32 step = 0;
};

class BoardScreenTest : public ::testing::Test {
protected:
    BoardScreenTest() {
        boardView.resize(662, 183);
        images.board = QImage(662, 183, QImage::Format_RGB32);
        images.board.fill(Qt::darkGreen);
    }

    GameState state;
    BoardImages images;
    ProgramOptions options;
    GameRandom random{3};
    FadeEngine engine{random};
    Journal journal;
    FakeClock clock;
    FakeTimekeeper timekeeper{journal, clock};
    DrawingClock frameClock;
    ImageView boardView;
    ImageView statusView;
    QLabel knownGroupsLabel;
    SevenSegmentDisplay remainingDisplay;
    BoardScreen screen{state,
                       images,
                       options,
                       engine,
                       timekeeper,
                       frameClock,
                       {&boardView, &statusView, &knownGroupsLabel, &remainingDisplay}};
};

TEST_F(BoardScreenTest, EveryFrameReachesTheScreenAndStaysThereForItsPacing) {
    screen.setFramePacing(4);
    screen.presentBoard();
    QImage frame(40, 40, QImage::Format_RGB32);
    frame.fill(Qt::red);
    screen.setFramePosition({53, 96});
    TaskRun{screen.showFadeFrame(frame, 0)};
    EXPECT_EQ(boardView.shownImage().copy(53, 96, 40, 40), frame);
    EXPECT_EQ(boardView.shownImage().pixel(52, 96), QColor(Qt::darkGreen).rgb())
        << "only the frame's square changes";
    EXPECT_EQ(images.board.pixel(60, 100), QColor(Qt::darkGreen).rgb())
        << "frames never touch the board image";
    ASSERT_EQ(journal.entries.size(), 1);
    const int rest = journal.entries[0].section(QLatin1Char(' '), 1).toInt();
    EXPECT_GT(rest, 0);
    EXPECT_LE(rest, 4);

    journal.entries.clear();
    screen.setFramePacing(0);
    TaskRun{screen.showFadeFrame(frame, 0)};
    EXPECT_TRUE(journal.entries.isEmpty()) << "unpaced frames do not wait";
}

TEST_F(BoardScreenTest, AFrameWaitsOnlyForWhatDrawingItLeftOfItsPacing) {
    QImage frame(40, 40, QImage::Format_RGB32);
    frame.fill(Qt::red);
    screen.setFramePacing(4);
    const struct {
        quint32 drawingMs;
        QStringList waits;
    } cases[] = {{0, {"pause 4"}}, {3, {"pause 1"}}, {4, {}}, {9, {}}};
    for (const auto& c : cases) {
        journal.entries.clear();
        frameClock.step = c.drawingMs;
        TaskRun{screen.showFadeFrame(frame, 0)};
        EXPECT_EQ(journal.entries, c.waits) << c.drawingMs << " ms drawing";
    }
}

TEST_F(BoardScreenTest, RepaintingFollowsTheSizeOfTheBoardAndKeepsItsPicture) {
    boardView.resize(662, 357);
    screen.repaintBoard();
    EXPECT_EQ(images.board.size(), QSize(662, 357));
    EXPECT_EQ(images.board.pixel(661, 182), QColor(Qt::darkGreen).rgb());
    EXPECT_EQ(boardView.shownImage(), images.board);
}

} // namespace
