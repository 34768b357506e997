#include "board/boardimages.h"
#include "board/boardpainting.h"
#include "board/cardfaces.h"
#include "board/cardtransitions.h"
#include "board/fadeengine.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"
#include "painting/tiling.h"
#include "records/programoptions.h"
#include "support/fakes.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct ScreenEvent {
    enum Kind { Board, Position, Frame } kind;
    QPoint position;
    QImage frame;
    qint32 userValue = 0;
};

// Each frame takes a wait of 0 ms, as on the screen, so a turn dropped meanwhile stops there.
class RecordingPresenter : public FramePresenter {
public:
    explicit RecordingPresenter(Timekeeper& timekeeper) : timekeeper_(timekeeper) {}
    void presentBoard() override { events.push_back({ScreenEvent::Board, {}, {}}); }
    void setFramePosition(QPoint position) override {
        events.push_back({ScreenEvent::Position, position, {}});
    }
    Task<> showFadeFrame(QImage frame, qint32 userValue) override {
        events.push_back({ScreenEvent::Frame, {}, frame.copy(), userValue});
        ++frameCount;
        if (onFrame)
            onFrame(frameCount);
        co_await timekeeper_.sleep(0);
    }

    std::vector<ScreenEvent> frames() const {
        std::vector<ScreenEvent> result;
        for (const ScreenEvent& event : events)
            if (event.kind == ScreenEvent::Frame)
                result.push_back(event);
        return result;
    }

    std::vector<ScreenEvent> events;
    int frameCount = 0;
    std::function<void(int frameCount)> onFrame;

private:
    Timekeeper& timekeeper_;
};

QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5 % 256, y * 5 % 256, (x + y) * 3 % 256));
    return image;
}

QImage withCardAt(const QImage& board, const QImage& card, QPoint at) {
    QImage result = board.copy();
    QPainter painter(&result);
    painter.drawImage(at, card);
    return result;
}

using Entries = std::vector<std::pair<qint32, qint32>>; // (motif, slot)

Entries entriesOf(const PendingCards& list) {
    Entries entries;
    for (const PendingCard& card : list)
        entries.emplace_back(card.motif, card.slot);
    return entries;
}

class CardTransitionsTest : public ::testing::Test {
protected:
    CardTransitionsTest() {
        images.board = QImage(662, 357, QImage::Format_RGB32);
        images.board.fill(qRgb(0, 90, 0));
        images.cardBack = QImage(kCardSize, kCardSize, QImage::Format_RGB32);
        images.cardBack.fill(qRgb(128, 128, 128));
        images.cardBack.setPixel(20, 20, qRgb(255, 0, 0));
        images.texture = gradient(49, 49);
        // Number faces, so that every motif looks different without a card-picture sheet.
        state.settings.motifKind = MotifKind::Numbers;
        options.fadeShow = 6;
        options.fadeHide = 4;
        options.fadeRemove = 5;
    }

    QImage faceOf(int motif) const {
        QImage face = makeCardImage();
        drawCardFace(face, motif, MotifKind::Numbers, images.sheet);
        return face;
    }
    QPoint slotAt(int slot) const { return {state.cards[slot].left, state.cards[slot].top}; }
    QImage squareAt(QPoint at) const { return images.board.copy(at.x(), at.y(), kCardSize, kCardSize); }

    GameState state;
    BoardImages images;
    ProgramOptions options;
    // Runs a transition as the turn that asked for it would.
    void run(Task<> transition) { turn.run(std::move(transition)); }

    GameRandom random{99};
    FadeEngine engine{random};
    Journal journal;
    FakeClock clock;
    FakeTimekeeper timekeeper{journal, clock};
    RecordingPresenter presenter{timekeeper};
    CardTransitions transitions{state, images, options, engine, presenter};
    TaskQueue turn;
};

TEST_F(CardTransitionsTest, ShowCardFadesTheBackIntoTheFaceAndOnlyThenWritesTheBoard) {
    const QImage boardBefore = images.board.copy();
    const QImage backBefore = images.cardBack.copy();
    const QPoint at(96, 139);
    int framesWithBoardChanged = 0;
    presenter.onFrame = [&](int) { framesWithBoardChanged += images.board != boardBefore; };

    run(transitions.showCard(7, at.x(), at.y()));

    ASSERT_EQ(presenter.events.size(), size_t(2 + options.fadeShow + 2));
    EXPECT_EQ(presenter.events[0].kind, ScreenEvent::Board);
    EXPECT_EQ(presenter.events[1].kind, ScreenEvent::Position);
    EXPECT_EQ(presenter.events[1].position, at);
    const auto frames = presenter.frames();
    ASSERT_EQ(frames.size(), size_t(options.fadeShow + 2));
    EXPECT_EQ(frames.front().frame, backBefore);
    EXPECT_EQ(frames.back().frame, faceOf(7));
    for (const ScreenEvent& frame : frames)
        EXPECT_EQ(frame.userValue, 0);

    EXPECT_EQ(framesWithBoardChanged, 0);
    EXPECT_EQ(images.board, withCardAt(boardBefore, faceOf(7), at));
    EXPECT_EQ(images.cardBack, backBefore);
}

TEST_F(CardTransitionsTest, HideFadesTheCardsOneAfterAnotherInListOrder) {
    const QImage boardBefore = images.board.copy();
    state.pendingCards.append(3, 22);
    state.pendingCards.append(4, 7);

    run(transitions.hideFaceUpCards());

    const int perFade = options.fadeHide + 2;
    ASSERT_EQ(presenter.events.size(), size_t(2 * (1 + perFade)));
    const auto expectFade = [&](int first, QPoint at, int motif) {
        EXPECT_EQ(presenter.events[first].kind, ScreenEvent::Position);
        EXPECT_EQ(presenter.events[first].position, at);
        for (int i = 1; i <= perFade; ++i)
            EXPECT_EQ(presenter.events[first + i].kind, ScreenEvent::Frame) << "event " << first + i;
        EXPECT_EQ(presenter.events[first + 1].frame, faceOf(motif));
        EXPECT_EQ(presenter.events[first + perFade].frame, images.cardBack);
    };
    expectFade(0, slotAt(22), 3);
    expectFade(1 + perFade, slotAt(7), 4);

    EXPECT_EQ(state.pendingCards.count(), 0);
    EXPECT_EQ(images.board,
              withCardAt(withCardAt(boardBefore, images.cardBack, slotAt(22)), images.cardBack, slotAt(7)));
}

TEST_F(CardTransitionsTest, CardsOfAHideCutShortTakeANewBackUntilACardIsTurnedUp) {
    for (int slot : {22, 7})
        state.cards[slot].present = state.cards[slot].faceUp = true;
    state.pendingCards.append(3, 22);
    state.pendingCards.append(4, 7);
    const QImage boardBefore = images.board.copy();
    presenter.onFrame = [&](int frameCount) {
        if (frameCount == options.fadeHide + 4)
            turn.cancel();
    };
    run(transitions.hideFaceUpCards());
    ASSERT_EQ(squareAt(slotAt(22)), images.cardBack);

    images.cardBack.fill(qRgb(200, 0, 0));
    transitions.redrawTurnedBackCards();
    EXPECT_EQ(squareAt(slotAt(22)), images.cardBack) << "turned back, still marked face up";
    EXPECT_EQ(squareAt(slotAt(7)), boardBefore.copy(slotAt(7).x(), slotAt(7).y(), kCardSize, kCardSize));

    presenter.onFrame = nullptr;
    run(transitions.showCard(3, slotAt(22).x(), slotAt(22).y()));
    images.cardBack.fill(qRgb(0, 0, 200));
    transitions.redrawTurnedBackCards();
    EXPECT_EQ(squareAt(slotAt(22)), faceOf(3));
}

TEST_F(CardTransitionsTest, RemoveLeavesExactlyTheTiledBackgroundUnderEachCard) {
    images.board = gradient(662, 357); // any content: the removed squares must not depend on it
    QImage tiled(images.board.size(), QImage::Format_RGB32);
    tileTexture(tiled.width(), tiled.height(), tiled, images.texture);
    // Slots 1 and 2 straddle tile seams; slot 60 is the last of the small board.
    const std::vector<int> slots{1, 2, 60};
    for (int slot : slots)
        state.pendingCards.append(5, slot);

    run(transitions.removeFaceUpCards());

    const auto frames = presenter.frames();
    ASSERT_EQ(frames.size(), slots.size() * (options.fadeRemove + 2));
    for (size_t i = 0; i < slots.size(); ++i) {
        const QPoint at = slotAt(slots[i]);
        const QImage background = tiled.copy(at.x(), at.y(), kCardSize, kCardSize);
        EXPECT_EQ(squareAt(at), background) << "slot " << slots[i];
        EXPECT_EQ(frames[(i + 1) * (options.fadeRemove + 2) - 1].frame, background) << "slot " << slots[i];
    }
    EXPECT_EQ(state.pendingCards.count(), 0);
}

enum class Transition { Show, Hide, Remove };
enum class Interruption { NewGame, Abandon };

class CardTransitionsCutShort : public CardTransitionsTest,
                                public ::testing::WithParamInterface<std::tuple<Transition, Interruption>> {
protected:
    void runTransition(Transition transition) {
        switch (transition) {
        case Transition::Show:
            run(transitions.showCard(9, slotAt(9).x(), slotAt(9).y()));
            break;
        case Transition::Hide:
            run(transitions.hideFaceUpCards());
            break;
        case Transition::Remove:
            run(transitions.removeFaceUpCards());
            break;
        }
    }
};

TEST_P(CardTransitionsCutShort, StopsWithoutTouchingBoardOrTurnList) {
    const auto [transition, interruption] = GetParam();
    state.pendingCards.append(9, 9);
    state.pendingCards.append(8, 30);
    const QImage boardBefore = images.board.copy();
    constexpr int kFramesBeforeInterruption = 2;
    presenter.onFrame = [&](int frameCount) {
        if (frameCount != kFramesBeforeInterruption)
            return;
        // Either way the turn is dropped, as the turn flow drops it.
        turn.cancel();
        if (interruption == Interruption::NewGame) {
            state.pendingCards.clear();
            state.pendingCards.append(1, 44);
        }
    };
    const auto listAtInterruption = [&] {
        if (interruption == Interruption::NewGame)
            return Entries{{1, 44}};
        return Entries{{9, 9}, {8, 30}};
    }();

    runTransition(transition);

    EXPECT_EQ(presenter.frameCount, kFramesBeforeInterruption);
    int positions = 0;
    for (const ScreenEvent& event : presenter.events)
        positions += event.kind == ScreenEvent::Position;
    EXPECT_EQ(positions, 1);
    EXPECT_EQ(images.board, boardBefore);
    EXPECT_EQ(entriesOf(state.pendingCards), listAtInterruption);
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Transition, Interruption>>& info) {
    static const char* const transitionNames[] = {"Show", "Hide", "Remove"};
    const auto [transition, interruption] = info.param;
    return std::string(transitionNames[int(transition)]) +
           (interruption == Interruption::NewGame ? "ByNewGame" : "ByAbandon");
}

INSTANTIATE_TEST_SUITE_P(CardTransitions, CardTransitionsCutShort,
                         ::testing::Combine(::testing::Values(Transition::Show, Transition::Hide,
                                                              Transition::Remove),
                                            ::testing::Values(Interruption::NewGame, Interruption::Abandon)),
                         caseName);

} // namespace
