#include "lamp.h"

#include "accessibleevents.h"
#include "controls/focusframe.h"
#include "painting/canvas.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
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
    setFocusPolicy(Qt::StrongFocus);
    resize(17, 17);
}

void Lamp::setChecked(bool on) {
    if (on == on_)
        return;
    on_ = on;
    update();
    updateTabStops();
    announceCheckedChange(this);
    Q_EMIT toggled();
}

void Lamp::setGroup(int group) {
    group_ = group;
    updateTabStops();
}

void Lamp::setBehaviour(Behaviour behaviour) {
    behaviour_ = behaviour;
    updateTabStops();
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
    // Round the caption, or round the lamp when it has none.
    if (hasFocus())
        drawFocusFrame(image, caption_.isEmpty() ? QRect(0, 0, side, side)
                                                 : QRect(QPoint(side + 1, 0), QPoint(width() - 1, side - 1)));
    return image;
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, render());
}

// Radio lamps answer for their group among their siblings only, so equal group numbers on
// different panels of one window stay apart.
QList<Lamp*> Lamp::radioGroup() const {
    QList<Lamp*> lamps;
    if (behaviour_ != RadioButton || !parentWidget())
        return lamps;
    for (Lamp* other : parentWidget()->findChildren<Lamp*>(Qt::FindDirectChildrenOnly))
        if (other->behaviour_ == RadioButton && other->group_ == group_)
            lamps.append(other);
    std::stable_sort(lamps.begin(), lamps.end(), [](const Lamp* a, const Lamp* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return lamps;
}

void Lamp::switchOffPartners() {
    for (Lamp* other : radioGroup())
        if (other != this)
            other->setChecked(false);
}

// With none of the group on, each lamp of it is a Tab stop, so the group stays reachable.
void Lamp::updateTabStops() {
    const QList<Lamp*> lamps = radioGroup();
    if (lamps.isEmpty()) {
        setFocusPolicy(Qt::StrongFocus);
        return;
    }
    const bool anyOn = std::any_of(lamps.begin(), lamps.end(), [](const Lamp* l) { return l->on_; });
    for (Lamp* l : lamps)
        l->setFocusPolicy(l->on_ || !anyOn ? Qt::StrongFocus : Qt::ClickFocus);
}

void Lamp::click() {
    if (behaviour_ == CheckBox) {
        setChecked(!on_);
        return;
    }
    setChecked(true);
    switchOffPartners();
}

// No wrapping round: the last lamp of a group stays where it is.
void Lamp::moveInGroup(int step) {
    const QList<Lamp*> lamps = radioGroup();
    const qsizetype to = lamps.indexOf(this) + step;
    if (to < 0 || to >= lamps.size())
        return;
    Lamp* next = lamps[to];
    next->setFocus(Qt::OtherFocusReason);
    next->click();
}

void Lamp::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        click();
}

void Lamp::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    const int key = event->key();
    if (plain && key == Qt::Key_Space)
        click();
    else if (plain && behaviour_ == RadioButton && (key == Qt::Key_Up || key == Qt::Key_Left))
        moveInGroup(-1);
    else if (plain && behaviour_ == RadioButton && (key == Qt::Key_Down || key == Qt::Key_Right))
        moveInGroup(1);
    else
        QWidget::keyPressEvent(event);
}
