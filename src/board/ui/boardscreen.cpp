#include "boardscreen.h"

#include "board/boardimages.h"
#include "board/boardpainting.h"
#include "boardnarrators.h"
#include "controls/ui/imageview.h"
#include "controls/ui/sevensegmentdisplay.h"
#include "game/gamestate.h"
#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include <QLabel>

#include <algorithm>

BoardScreen::BoardScreen(GameState& state, BoardImages& images, const ProgramOptions& options,
                         const FadeEngine& engine, Timekeeper& timekeeper, const TickClock& clock,
                         Widgets widgets)
    : state_(state), images_(images), timekeeper_(timekeeper), clock_(clock), widgets_(widgets),
      transitions_(state, images, options, engine, *this),
      boardNarrator_(new BoardNarrator(state, images.sheet, widgets.boardView)),
      statusNarrator_(new StatusNarrator(state, images.sheet, widgets.statusView)) {}

Task<> BoardScreen::showCard(int motif, int x, int y) {
    co_await transitions_.showCard(motif, x, y);
    announceChanges();
}

Task<> BoardScreen::hideFaceUpCards() {
    co_await transitions_.hideFaceUpCards();
    announceChanges();
}

Task<> BoardScreen::removeFaceUpCards() {
    co_await transitions_.removeFaceUpCards();
    announceChanges();
}

void BoardScreen::repaintBoard() {
    ImageView* box = widgets_.boardView;
    resizeKeepingContent(images_.board, box->width(), box->height());
    box->showImage(images_.board);
    announceChanges();
}

void BoardScreen::drawFreshBoard() {
    transitions_.forgetTurnedBackCards();
    paintFreshBoard(images_.board, images_.texture, images_.cardBack, state_.cardCount());
    repaintBoard();
}

void BoardScreen::redrawFaceDownCards() {
    paintFaceDownBacks(images_.board, images_.cardBack, state_);
    transitions_.redrawTurnedBackCards();
}

void BoardScreen::drawStatusStrip() {
    paintStatusStrip(images_.status, state_);
    repaintStatus();
    announceChanges();
}

void BoardScreen::announceChanges() {
    boardNarrator_->announceChanges();
    statusNarrator_->announceChanges();
}

void BoardScreen::repaintStatus() {
    widgets_.statusView->showImage(images_.status);
}

void BoardScreen::setBoardEnabled(bool on) {
    widgets_.boardView->setEnabled(on);
}

void BoardScreen::showKnownGroups(int count) {
    widgets_.knownGroupsLabel->setText(QString::number(count));
}

void BoardScreen::showRemainingGroups(int count) {
    widgets_.remainingDisplay->setValue(count);
}

void BoardScreen::presentBoard() {
    widgets_.boardView->showImage(images_.board);
}

Task<> BoardScreen::showFadeFrame(QImage frame, qint32 /*userValue*/) {
    const quint32 shownAt = clock_.ticks();
    widgets_.boardView->showPiece(frame, framePosition_);
    // Each frame stays on the screen for a moment, or a dissolve would flash by unseen; one
    // that drawing kept there long enough still lets the events waiting meanwhile through.
    const int rest = framePacingMs_ - static_cast<int>(clock_.ticks() - shownAt);
    co_await timekeeper_.sleep(std::max(rest, 0));
}

void BoardScreen::drawTitlePicture(const QString& programName, const QString& version) {
    ImageView* box = widgets_.boardView;
    // The title covers the whole board, so the board image is painted over where it can be.
    if (images_.board.size() != box->size())
        images_.board = QImage(box->size(), QImage::Format_RGB32);
    paintTitlePicture(images_.board, images_.texture, programName, version);
    box->showImage(images_.board);
}
