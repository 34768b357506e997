#pragma once

#include <QImage>
#include <QPoint>

// The card editor's enlarged view of a 40 x 40 picture: every picture pixel is an 8 x 8
// square, and a grey grid one pixel wide runs between them and round the edge.

inline constexpr int kZoomCell = 8;
inline constexpr int kZoomViewSide = 321;

// An empty zoom view of the right size.
QImage makeZoomView();

// Redraws `zoom` from `picture`: square (8x, 8y)-(8x + 9, 8y + 9) with a grey outline and the
// colour of picture pixel (x, y) inside; neighbours share their outlines.
void drawZoomView(const QImage& picture, QImage& zoom);

// The picture pixel under a position in the zoom view. The grid's last line and positions
// beyond it give pixels outside the picture.
QPoint picturePixelAt(QPoint zoomPosition);
