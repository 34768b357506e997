#pragma once

#include "game/gamestate.h"

#include <QImage>
#include <QString>

// The picture before the first game: the tiled texture, "Sorbello" in red with a black
// shadow and "Version <version>" below it.
void paintTitlePicture(QImage& board, const QImage& tile, const QString& programName, const QString& version);

// Background over the whole board, then the back on every slot 1..cardCount.
void paintFreshBoard(QImage& board, const QImage& tile, const QImage& cardBack, int cardCount);

// Copies a 40 x 40 card picture into the board image at (x, y).
void copyCardAt(QImage& board, const QImage& card, int x, int y);

// The back at every slot of the current board whose card is present and face down.
void paintFaceDownBacks(QImage& board, const QImage& cardBack, const GameState& state);

// The status strip: "Kein Spiel aktiv", or one box per participant with name, points and kind.
void paintStatusStrip(QImage& strip, const GameState& state);

// The board image takes the new size; the common area keeps its content, new area is white.
void resizeKeepingContent(QImage& image, int width, int height);
