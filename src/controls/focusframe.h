#pragma once

#include <QImage>
#include <QRect>

// The dotted focus frame of the own controls, drawn into the control's picture: every other
// pixel of the outline of `frame` (both corners included) is inverted, or made black where the
// picture is see-through, so it shows on any face colour and on any texture.
void drawFocusFrame(QImage& image, const QRect& frame);
