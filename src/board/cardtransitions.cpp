#include "cardtransitions.h"

#include "boardimages.h"
#include "boardpainting.h"
#include "cardfaces.h"
#include "fadeengine.h"
#include "game/gamestate.h"
#include "painting/tiling.h"
#include "records/programoptions.h"

#include <functional>
#include <utility>

namespace {

QPoint slotPosition(const GameState& state, int slot) {
    return {state.cards[slot].left, state.cards[slot].top};
}

bool validSlot(int slot) {
    return slot >= 1 && slot <= kSlotCount;
}

} // namespace

CardTransitions::CardTransitions(GameState& state, BoardImages& images, const ProgramOptions& options,
                                 const FadeEngine& engine, FramePresenter& presenter)
    : state_(state), images_(images), options_(options), engine_(engine), presenter_(presenter) {}

Task<> CardTransitions::play(QImage source, QImage target, qint32 steps) {
    Dissolve frames = engine_.dissolve(source, target, steps);
    while (const QImage* frame = frames.nextFrame())
        co_await presenter_.showFadeFrame(*frame, 0);
}

Task<> CardTransitions::showCard(int motif, int x, int y) {
    // A card turned up means the cards of the last hide are no longer its to look after.
    turnedBackSlots_.clear();
    presenter_.presentBoard();
    QImage face = makeCardImage();
    drawCardFace(face, motif, state_.settings.motifKind, images_.sheet);
    presenter_.setFramePosition({x, y});
    co_await play(images_.cardBack, face, options_.fadeShow);
    copyCardAt(images_.board, face, x, y);
}

Task<> CardTransitions::hideFaceUpCards() {
    turnedBackSlots_.clear();
    const Settle settle = [this](int slot, QPoint at, const QImage& fadedTo) {
        // The back is taken once the fade is done: its style may have changed meanwhile
        // (the options dialog can run while the cards fade).
        const QImage back = images_.cardBack;
        copyCardAt(images_.board, back, at.x(), at.y());
        turnedBackSlots_.push_back(slot);
        if (back != fadedTo)
            presenter_.presentBoard();
    };
    // Named, never written inside the co_await: GCC 12 destroys a lambda there twice.
    const std::function<QImage(QPoint)> backs = [this](QPoint) { return images_.cardBack; };
    co_await fadeEachPendingCard(options_.fadeHide, backs, settle);
    turnedBackSlots_.clear();
}

Task<> CardTransitions::removeFaceUpCards() {
    // Tiled over the whole board like the board itself, so the texture runs on seamlessly
    // across the square of a removed card.
    QImage background(images_.board.size(), QImage::Format_RGB32);
    tileTexture(background.width(), background.height(), background, images_.texture);
    const std::function<QImage(QPoint)> squares = [background](QPoint at) {
        return background.copy(at.x(), at.y(), kCardSize, kCardSize);
    };
    const Settle settle = [this](int, QPoint at, const QImage& fadedTo) {
        copyCardAt(images_.board, fadedTo, at.x(), at.y());
    };
    co_await fadeEachPendingCard(options_.fadeRemove, squares, settle);
}

void CardTransitions::redrawTurnedBackCards() {
    for (int slot : turnedBackSlots_) {
        const Card& card = state_.cards[slot];
        if (card.present)
            copyCardAt(images_.board, images_.cardBack, card.left, card.top);
    }
}

Task<> CardTransitions::fadeEachPendingCard(qint32 steps, std::function<QImage(QPoint)> targetAt,
                                            Settle settle) {
    // A copy: the list is emptied only once every card has faded.
    const PendingCards entries = state_.pendingCards;
    QImage face = makeCardImage();
    for (const PendingCard& entry : entries) {
        if (!validSlot(entry.slot))
            continue;
        drawCardFace(face, entry.motif, state_.settings.motifKind, images_.sheet);
        const QPoint at = slotPosition(state_, entry.slot);
        presenter_.setFramePosition(at);
        const QImage target = targetAt(at);
        co_await play(face, target, steps);
        settle(entry.slot, at, target);
    }
    state_.pendingCards.clear();
}
