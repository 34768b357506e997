#pragma once

#include <QImage>
#include <QPoint>

// Pixel work on a card-picture sheet in whatever format it came in: palette sheets stay
// palette sheets, so a colour that is not in the palette is stored as its nearest entry.

// The 40 x 40 picture `card` (1..64) in true colour. Where the sheet is too small to hold
// the square the picture is black; a number outside 1..64 gives a null image.
QImage cutPicture(const QImage& sheet, int card);

// Copies `picture` onto `sheet` with its top-left corner at `at`, as far as the sheet
// reaches.
void putPicture(QImage& sheet, const QImage& picture, QPoint at);

// Stretches `picture` over the square of card `card` together with the gutter column to its
// right and the gutter row below it (41 x 41 pixels), as the screen's fast stretch does:
// every target pixel takes the nearest source pixel, the aspect ratio is not kept.
// False, and the sheet unchanged, for a null picture or a number outside 1..64.
bool stretchOntoCard(QImage& sheet, const QImage& picture, int card);
