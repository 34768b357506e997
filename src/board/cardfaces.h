#pragma once

#include "game/gamestate.h"

#include <QImage>

enum class CardBackStyle { ClassicGrey = 1, RedGradient = 2 };

// Redraws the shared 40 x 40 card back in place for the style.
void buildCardBack(QImage& back, CardBackStyle style);

// The face of motif `motif` into the 40 x 40 target: the picture cut from `sheet` when
// `kind` is pictures, else the number face.
void drawCardFace(QImage& target, int motif, MotifKind kind, const QImage& sheet);

// The picture face: the 40 x 40 cell of motif `motif` at a 41-pixel pitch, eight cells to a
// row. Where the sheet has no pixels for the cell the face is white.
void drawPictureFace(QImage& target, int motif, const QImage& sheet);

// The number face: a red square darkening towards its middle with the number in cyan.
void drawNumberFace(QImage& target, int number);

// A new 40 x 40 card bitmap.
QImage makeCardImage();
