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

// The fade itself runs on to its end once the game is gone (a 40 x 40 card costs next to
// nothing); only its frames are dropped, so no window shows a card of a game that ended.
FadeCallback framesUnless(FramePresenter& presenter, std::function<bool()> gone) {
    return [&presenter, gone = std::move(gone)](const QImage& frame, qint32 userValue) {
        if (!gone())
            presenter.showFadeFrame(frame, userValue);
    };
}

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

bool CardTransitions::cutShort(quint32 generation) const {
    return state_.gameGeneration != generation || state_.abortRequested;
}

void CardTransitions::showCard(int motif, int x, int y) {
    // A card turned up means the cards of the last hide are no longer its to look after.
    turnedBackSlots_.clear();
    const quint32 generation = state_.gameGeneration;
    const FadeCallback frames = framesUnless(presenter_, [this, generation] { return cutShort(generation); });

    presenter_.presentBoard();
    QImage face = makeCardImage();
    drawCardFace(face, motif, state_.settings.motifKind, images_.sheet);
    presenter_.setFramePosition({x, y});
    engine_.fade(images_.cardBack, face, options_.fadeShow, frames, 0);
    if (cutShort(generation))
        return;
    copyCardAt(images_.board, face, x, y);
}

void CardTransitions::hideFaceUpCards() {
    turnedBackSlots_.clear();
    turnedBackGeneration_ = state_.gameGeneration;
    const auto settle = [this](int slot, QPoint at, const QImage& fadedTo) {
        // The back is taken once the fade is done: its style may have changed meanwhile
        // (the frames process window messages, so the options dialog can run in between).
        const QImage back = images_.cardBack;
        copyCardAt(images_.board, back, at.x(), at.y());
        turnedBackSlots_.push_back(slot);
        if (back != fadedTo)
            presenter_.presentBoard();
    };
    if (fadeEachPendingCard(
            options_.fadeHide, [this](QPoint) { return images_.cardBack; }, settle))
        turnedBackSlots_.clear();
}

void CardTransitions::removeFaceUpCards() {
    // Tiled over the whole board like the board itself, so the texture runs on seamlessly
    // across the square of a removed card.
    QImage background(images_.board.size(), QImage::Format_RGB32);
    tileTexture(background.width(), background.height(), background, images_.texture);
    fadeEachPendingCard(
        options_.fadeRemove,
        [&background](QPoint at) { return background.copy(at.x(), at.y(), kCardSize, kCardSize); },
        [this](int, QPoint at, const QImage& fadedTo) {
            copyCardAt(images_.board, fadedTo, at.x(), at.y());
        });
}

void CardTransitions::redrawTurnedBackCards() {
    if (turnedBackGeneration_ != state_.gameGeneration)
        return;
    for (int slot : turnedBackSlots_) {
        const Card& card = state_.cards[slot];
        if (card.present)
            copyCardAt(images_.board, images_.cardBack, card.left, card.top);
    }
}

bool CardTransitions::fadeEachPendingCard(
    qint32 steps, const std::function<QImage(QPoint)>& targetAt,
    const std::function<void(int slot, QPoint at, const QImage& fadedTo)>& settle) {
    const quint32 generation = state_.gameGeneration;
    const FadeCallback frames = framesUnless(presenter_, [this, generation] { return cutShort(generation); });
    // A copy: a game started from inside a frame refills the list.
    const PendingCards entries = state_.pendingCards;

    QImage face = makeCardImage();
    for (const PendingCard& entry : entries) {
        if (!validSlot(entry.slot))
            continue;
        drawCardFace(face, entry.motif, state_.settings.motifKind, images_.sheet);
        const QPoint at = slotPosition(state_, entry.slot);
        presenter_.setFramePosition(at);
        const QImage target = targetAt(at);
        engine_.fade(face, target, steps, frames, 0);
        // The list may already belong to the next game, so it is left alone.
        if (cutShort(generation))
            return false;
        settle(entry.slot, at, target);
    }
    state_.pendingCards.clear();
    return true;
}
