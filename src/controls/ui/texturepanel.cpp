#include "texturepanel.h"

#include "painting/canvas.h"
#include "painting/tiling.h"

#include <QPainter>

TexturePanel::TexturePanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TexturePanel::setTexture(const QImage& texture) {
    texture_ = texture.width() >= 2 && texture.height() >= 2 ? texture : QImage();
    update();
}

void TexturePanel::setBorder(bool on) {
    border_ = on;
    update();
}

void TexturePanel::setBorderWidth(int width) {
    borderWidth_ = width >= 1 && width <= 30 ? width : 1;
    update();
}

void TexturePanel::setBorderColour(const QColor& colour) {
    borderColour_ = colour;
    update();
}

void TexturePanel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TexturePanel::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

QImage TexturePanel::render() const {
    QImage image(size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintPanel(painter);
    }
    if (!caption_.isEmpty()) {
        Canvas canvas(image);
        canvas.setFont(font());
        canvas.setTextColor(textColour_);
        const QSize text = canvas.textExtent(caption_);
        canvas.textOut(width() / 2 - text.width() / 2, height() / 2 - text.height() / 2, caption_);
    }
    return image;
}

// The background, the tiles and the border.
void TexturePanel::paintPanel(QPainter& painter) const {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!texture_.isNull())
        tileTexture(painter, width(), height(), texture_);
    if (border_)
        paintBorder(painter);
}

// The pen runs centred on the one-pixel outline of the panel, so of a wide border the outer
// half lies beyond the edge and only the inner half shows.
void TexturePanel::paintBorder(QPainter& painter) const {
    const int outside = borderWidth_ / 2;
    const QRect outline = rect().adjusted(-outside, -outside, outside, outside);
    const auto band = [&](int x, int y, int w, int h) { painter.fillRect(x, y, w, h, borderColour_); };
    band(outline.left(), outline.top(), outline.width(), borderWidth_);
    band(outline.left(), outline.bottom() + 1 - borderWidth_, outline.width(), borderWidth_);
    band(outline.left(), outline.top(), borderWidth_, outline.height());
    band(outline.right() + 1 - borderWidth_, outline.top(), borderWidth_, outline.height());
}

// Painted straight onto the window, without a picture of the whole panel first; only a
// caption is set on such a picture.
void TexturePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (caption_.isEmpty())
        paintPanel(painter);
    else
        painter.drawImage(0, 0, render());
}
