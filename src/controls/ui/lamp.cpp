#include "lamp.h"

#include "board/canvas.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kCaptionGap = 4;

QColor litColour(Lamp::LampColour colour) {
    switch (colour) {
    case Lamp::afGruen:
        return {0, 255, 0};
    case Lamp::afGelb:
        return {255, 255, 0};
    case Lamp::afBlau:
        return {0, 0, 255};
    case Lamp::afRot:
        break;
    }
    return {255, 0, 0};
}

} // namespace

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
    resize(17, 17);
}

void Lamp::setStatus(bool on) {
    if (on == on_)
        return;
    on_ = on;
    update();
    Q_EMIT geaendert();
}

void Lamp::setAktivFarbe(LampColour colour) {
    colour_ = colour;
    update();
}

void Lamp::setLeuchtGroesse(int radius) {
    spot_ = std::clamp(radius, 1, std::max(lampSize() / 4, 1));
    update();
}

void Lamp::setCaption(const QString& caption) {
    caption_ = caption;
    fitSize();
}

void Lamp::setFontColor(const QColor& colour) {
    fontColour_ = colour;
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
    setLeuchtGroesse(spot_);
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
    const QColor spot = on_ ? litColour(colour_) : QColor(128, 128, 128);
    canvas.setPen(spot);
    canvas.setBrush(spot);
    const int centre = side / 2;
    canvas.ellipse(centre - spot_, centre - spot_, centre + spot_, centre + spot_);
    if (!caption_.isEmpty()) {
        canvas.setFont(font());
        canvas.setTextColor(fontColour_);
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
        if (other != this && other->behaviour_ == bfRadio && other->group_ == group_)
            other->setStatus(false);
}

void Lamp::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (behaviour_ == bfNormal) {
        setStatus(!on_);
        return;
    }
    setStatus(true);
    switchOffPartners();
}
