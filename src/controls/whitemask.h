#pragma once

#include <QColor>
#include <QImage>

// How a picture with a white background is laid over what lies behind it.
enum class MaskStyle {
    Normal,
    Blended, // the disabled look: every visible pixel half mixed with a tint
};

// The picture as an image with alpha in which pure white pixels are transparent, so the
// texture behind a tool button shows through its background and the white of its picture.
QImage whiteAsTransparent(const QImage& picture, MaskStyle style = MaskStyle::Normal,
                          const QColor& tint = QColor());
