#include "lamp.h"

#include "accessibleevents.h"
#include "board/canvas.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kCaptionGap = 4;

QColor shownColour(Lamp::Colour colour) {
    switch (colour) {
    case Lamp::Green:
        return {0, 255, 0};
    case Lamp::Yellow:
        return {255, 255, 0};
    case Lamp::Blue:
        return {0, 0, 255};
    case Lamp::Red:
        break;
    }
    return {255, 0, 0};
}

} // namespace

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
    resize(17, 17);
}

void Lamp::setChecked(bool on) {
    if (on == on_)
        return;
    on_ = on;
    update();
    announceCheckedChange(this);
    Q_EMIT toggled();
}

void Lamp::setLitColour(Colour colour) {
    colour_ = colour;
    update();
}

void Lamp::setSpotRadius(int radius) {
    spot_ = std::clamp(radius, 1, std::max(lampSize() / 4, 1));
    update();
}

void Lamp::setCaption(const QString& caption) {
    caption_ = caption;
    fitSize();
}

void Lamp::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

int Lamp::lampSize() const {
    return caption_.isEmpty() ? std::max(width(), height()) : height();
}

QSize Lamp::sizeHint() const {
    const int side = lampSize();
    if (caption_.isEmpty())
        return {side, side};
    return {side + kCaptionGap + QFontMetrics(font()).horizontalAdvance(caption_), side};
}

void Lamp::fitSize() {
    if (size() != sizeHint())
        resize(sizeHint());
    updateGeometry();
    update();
}

void Lamp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitSize();
    setSpotRadius(spot_);
}

void Lamp::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitSize();
    QWidget::changeEvent(event);
}

QImage Lamp::render() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int side = lampSize();
    Canvas canvas(image);
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::black);
    canvas.ellipse(0, 0, side, side);
    const QColor spot = on_ ? shownColour(colour_) : QColor(128, 128, 128);
    canvas.setPen(spot);
    canvas.setBrush(spot);
    const int centre = side / 2;
    canvas.ellipse(centre - spot_, centre - spot_, centre + spot_, centre + spot_);
    if (!caption_.isEmpty()) {
        canvas.setFont(font());
        canvas.setTextColor(textColour_);
        canvas.textOut(side + kCaptionGap, (side - canvas.textExtent(caption_).height()) / 2, caption_);
    }
    return image;
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, render());
}

// Radio lamps answer for their group among their siblings only, so equal group numbers on
// different panels of one window stay apart.
void Lamp::switchOffPartners() {
    if (!parentWidget())
        return;
    for (Lamp* other : parentWidget()->findChildren<Lamp*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->behaviour_ == RadioButton && other->group_ == group_)
            other->setChecked(false);
}

void Lamp::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (behaviour_ == CheckBox) {
        setChecked(!on_);
        return;
    }
    setChecked(true);
    switchOffPartners();
}
