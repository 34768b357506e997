#include "boardpainting.h"

#include "painting/canvas.h"
#include "painting/fonts.h"
#include "painting/tiling.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

void copyImage(QImage& target, const QImage& source, int x, int y) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, source);
}

// Text centred on the image's middle column the way the title does it: both halves rounded down.
int titleTextLeft(Canvas& canvas, int imageWidth, const QString& text) {
    return imageWidth / 2 - canvas.textExtent(text).width() / 2;
}

// R(v) of the strip: nearest integer, halves to the even neighbour.
int roundHalfEven(double value) {
    return int(std::nearbyint(value));
}

QString participantKind(const Player& player) {
    if (player.isComputer && player.isNetwork)
        return QCoreApplication::translate("BoardPainting", "Computer Netzwerk");
    if (player.isComputer)
        return QCoreApplication::translate("BoardPainting", "Computer");
    if (player.isNetwork)
        return QCoreApplication::translate("BoardPainting", "Netzwerk");
    return {};
}

void paintParticipantBox(Canvas& canvas, const QSize& strip, const GameState& state, int seat, int count) {
    const double columnWidth = double(strip.width()) / count;
    const int columnLeft = roundHalfEven(columnWidth * seat);
    const int column = roundHalfEven(columnWidth);
    const bool current = seat + 1 == state.currentPlayer;
    const Player& player = state.players[seat + 1];

    canvas.setBrush(current ? QColor(0, 255, 0) : QColor(128, 128, 128));
    canvas.setPen(Qt::black);
    canvas.rectangle(columnLeft + 2, 2, roundHalfEven(columnWidth * (seat + 1)) - 2, strip.height() - 2);

    canvas.setFont(arialFont(9));
    canvas.setTextColor(current ? Qt::black : Qt::white);
    const QString score = player.name + QStringLiteral(": ") + QString::number(player.score);
    canvas.textOut(columnLeft + 2 + (column - canvas.textExtent(score).width()) / 2, 5, score);

    const QString kind = participantKind(player);
    if (kind.isEmpty())
        return;
    canvas.setFont(arialFont(8));
    canvas.setTextColor(QColor(255, 0, 0));
    const QSize extent = canvas.textExtent(kind);
    canvas.textOut(columnLeft + 2 + (column - extent.width()) / 2, strip.height() - extent.height() - 2,
                   kind);
}

} // namespace

void paintTitlePicture(QImage& board, const QImage& tile, const QString& programName,
                       const QString& version) {
    tileTexture(board.width(), board.height(), board, tile);
    Canvas canvas(board);
    canvas.setFont(arialFont(44));
    const int nameLeft = titleTextLeft(canvas, board.width(), programName);
    canvas.setTextColor(Qt::black);
    canvas.textOut(nameLeft + 2, 22, programName);
    canvas.setTextColor(QColor(255, 0, 0));
    canvas.textOut(nameLeft, 20, programName);

    const QString versionText = QCoreApplication::translate("BoardPainting", "Version ") + version;
    canvas.setFont(arialFont(20));
    canvas.setTextColor(Qt::black);
    canvas.textOut(titleTextLeft(canvas, board.width(), versionText), 90, versionText);
}

void paintFreshBoard(QImage& board, const QImage& tile, const QImage& cardBack, int cardCount) {
    tileTexture(board.width(), board.height(), board, tile);
    QPainter painter(&board);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int slot = 1; slot <= std::min(cardCount, kSlotCount); ++slot)
        painter.drawImage(slotLeft(slot), slotTop(slot), cardBack);
}

void copyCardAt(QImage& board, const QImage& card, int x, int y) {
    copyImage(board, card, x, y);
}

void paintFaceDownBacks(QImage& board, const QImage& cardBack, const GameState& state) {
    QPainter painter(&board);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int slot = 1; slot <= state.cardCount(); ++slot) {
        const Card& card = state.cards[slot];
        if (card.present && !card.faceUp)
            painter.drawImage(card.left, card.top, cardBack);
    }
}

void paintStatusStrip(QImage& strip, const GameState& state) {
    Canvas canvas(strip);
    canvas.setBrush(QColor(192, 192, 192));
    canvas.setPen(Qt::black);
    canvas.rectangle(0, 0, strip.width(), strip.height());
    if (!state.gameRunning) {
        const QString text = QCoreApplication::translate("BoardPainting", "Kein Spiel aktiv");
        canvas.setFont(arialFont(16));
        canvas.setTextColor(QColor(128, 128, 128));
        const QSize extent = canvas.textExtent(text);
        canvas.textOut((strip.width() - extent.width()) / 2, (strip.height() - extent.height()) / 2, text);
        return;
    }
    const int count = std::clamp(state.playerCount, 0, kMaxPlayers);
    for (int seat = 0; seat < count; ++seat)
        paintParticipantBox(canvas, strip.size(), state, seat, count);
}

void resizeKeepingContent(QImage& image, int width, int height) {
    if (image.width() == width && image.height() == height)
        return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!image.isNull())
        copyImage(resized, image, 0, 0);
    image = std::move(resized);
}
