#pragma once

#include <QImage>
#include <QList>

// The sheet's fixed palette: the 6 x 6 x 6 colour cube (components 0, 51, ..., 255, so black,
// white and the pure primaries are exact) and 40 greys between the cube's greys.
QList<QRgb> sheetPalette();

// `image` mapped to the nearest palette colour, pixel by pixel, without dithering (flat
// areas stay flat; only antialiased edges take an in-between colour).
QImage quantised(const QImage& image, const QList<QRgb>& palette);
