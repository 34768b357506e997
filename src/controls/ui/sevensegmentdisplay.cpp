#include "sevensegmentdisplay.h"

#include "accessibleevents.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace {

QColor colourOf(SevenSegmentDisplay::Colour colour) {
    switch (colour) {
    case SevenSegmentDisplay::Red:
        return {255, 0, 0};
    case SevenSegmentDisplay::Yellow:
        return {255, 255, 0};
    case SevenSegmentDisplay::Blue:
        return {0, 0, 255};
    case SevenSegmentDisplay::Green:
        break;
    }
    return {0, 255, 0};
}

} // namespace

SevenSegmentDisplay::SevenSegmentDisplay(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 60);
    timer_->setInterval(kDemoInterval);
    connect(timer_, &QTimer::timeout, this, &SevenSegmentDisplay::advanceDemo);
}

void SevenSegmentDisplay::setValue(int value) {
    if (value > kMaxValue)
        value = 0;
    if (value == value_)
        return;
    value_ = value;
    redraw();
    announceNameChange(this);
}

void SevenSegmentDisplay::setDigits(int count) {
    if (count < 1 || count > 10)
        return;
    digits_ = count;
    redraw();
}

void SevenSegmentDisplay::setScale(float scale) {
    scale_ = scale;
    redraw();
}

void SevenSegmentDisplay::setSkipLeadingZeros(bool skip) {
    skipLeadingZeros_ = skip;
    redraw();
}

void SevenSegmentDisplay::setDigitColour(Colour colour) {
    digitColour_ = colour;
    redraw();
}

void SevenSegmentDisplay::setMode(Mode mode) {
    if (mode == mode_)
        return;
    if (mode == Demo)
        timer_->start();
    else
        timer_->stop();
    frame_ = 1;
    mode_ = mode;
    if (mode == Normal)
        redraw();
}

void SevenSegmentDisplay::advanceDemo() {
    frame_ = frame_ % 39 + 1;
    const QString pattern = sevenSegmentDemoFrame(frame_);
    if (pattern == demoPattern_)
        return;
    demoPattern_ = pattern;
    redraw();
}

// Painting happens only while the display can be seen, as does taking its drawn size.
void SevenSegmentDisplay::redraw() {
    if (!isVisible())
        return;
    image_ = paintSevenSegments(
        {value_, digits_, scale_, skipLeadingZeros_, colourOf(digitColour_), mode_ == Demo, demoPattern_});
    resize(image_.size());
    update();
}

void SevenSegmentDisplay::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    redraw();
}

void SevenSegmentDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}
