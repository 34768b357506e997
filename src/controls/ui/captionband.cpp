#include "captionband.h"

#include "painting/fonts.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMostBands = 64;

// Halves go to the even neighbour, as the classic Round did.
int roundEven(double value) {
    return int(std::nearbyint(value));
}

} // namespace

CaptionBand::CaptionBand(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    resize(17, 17);
    setFont(arialFont(24));
    connect(this, &QObject::objectNameChanged, this, &CaptionBand::fitWidth);
}

void CaptionBand::setCaption(const QString& caption) {
    caption_ = caption;
    fitWidth();
}

void CaptionBand::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void CaptionBand::setBackgroundColour(const QColor& colour) {
    background_ = colour;
    update();
}

void CaptionBand::setTextPosition(TextPosition position) {
    position_ = position;
    update();
}

void CaptionBand::setGradient(bool on) {
    gradient_ = on;
    update();
}

QString CaptionBand::shownCaption() const {
    return caption_.isEmpty() ? objectName() : caption_;
}

QFont CaptionBand::rotatedFont() const {
    const int points = font().pointSize() > 0 ? font().pointSize() : (font().pixelSize() * 72 + 48) / 96;
    QFont rotated = arialFontWithCellHeight(points);
    rotated.setFamily(font().family());
    rotated.setWeight(QFont::ExtraLight);
    return rotated;
}

QSize CaptionBand::sizeHint() const {
    const QFontMetrics metrics(rotatedFont());
    return {metrics.ascent() + metrics.descent(), std::max(height(), 17)};
}

void CaptionBand::fitWidth() {
    if (width() != sizeHint().width())
        resize(sizeHint().width(), height());
    updateGeometry();
    update();
}

// Whoever places the band sets its height; its width always follows the text.
void CaptionBand::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != sizeHint().width())
        resize(sizeHint().width(), height());
}

void CaptionBand::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitWidth();
    QWidget::changeEvent(event);
}

void CaptionBand::paintGradient(QImage& image) const {
    const int h = image.height();
    const int bands = std::min(h / 3, kMostBands);
    QPainter painter(&image);
    for (int i = 0; i < bands; ++i) {
        const auto channel = [&](int start) { return roundEven(i * (0.0 - start) / bands + start); };
        const int top = roundEven(double(i) * h / bands);
        const int bottom = roundEven(double(i + 1) * h / bands);
        painter.fillRect(
            0, top, image.width(), bottom - top,
            QColor(channel(background_.red()), channel(background_.green()), channel(background_.blue())));
    }
}

QImage CaptionBand::render(int screenDepth) const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(background_);
    if (gradient_ && screenDepth > 8)
        paintGradient(image);

    const QString text = shownCaption();
    QPainter painter(&image);
    painter.setFont(rotatedFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text);
    // The text starts at the bottom of its run and goes up from there.
    const int start = position_ == Centre   ? height() / 2 + textWidth / 2
                      : position_ == Bottom ? height()
                                            : textWidth;
    painter.translate(0, start);
    painter.rotate(-90);
    painter.setPen(textColour_);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    return image;
}

void CaptionBand::paintEvent(QPaintEvent*) {
    const QScreen* shown = screen();
    QPainter(this).drawImage(0, 0, render(shown ? shown->depth() : 32));
}
