#include "cardfaces.h"

#include "cards/cardsheet.h"
#include "painting/canvas.h"
#include "painting/fonts.h"

#include <QPainter>

namespace {

constexpr int kNumberCellHeight = 30;

void buildClassicGrey(Canvas& canvas) {
    canvas.setBrush(QColor(192, 192, 192));
    canvas.setPen(Qt::black);
    canvas.rectangle(0, 0, 40, 40);
    canvas.setPen(Qt::white);
    canvas.moveTo(1, 38);
    canvas.lineTo(1, 1);
    canvas.lineTo(38, 1);
    canvas.setPen(QColor(128, 128, 128));
    canvas.moveTo(1, 38);
    canvas.lineTo(38, 38);
    canvas.lineTo(38, 1);
}

void buildRedGradient(Canvas& canvas) {
    // Largest circle first, so each smaller and lighter one covers the middle of the last.
    for (int r = 37; r >= 0; --r) {
        const QColor colour(255 - 2 * r, 150 - 3 * r, 120 + 3 * r);
        canvas.setBrush(colour);
        canvas.setPen(colour);
        canvas.ellipse(30 - r, 15 - r, 30 + r, 15 + r);
    }
    canvas.setNoBrush();
    canvas.setPen(Qt::black);
    canvas.rectangle(0, 0, 40, 40);
    canvas.moveTo(38, 1);
    canvas.lineTo(38, 38);
    canvas.lineTo(1, 38);
}

} // namespace

void buildCardBack(QImage& back, CardBackStyle style) {
    Canvas canvas(back);
    if (style == CardBackStyle::RedGradient)
        buildRedGradient(canvas);
    else
        buildClassicGrey(canvas);
}

void drawCardFace(QImage& target, int motif, MotifKind kind, const QImage& sheet) {
    if (kind == MotifKind::Pictures)
        drawPictureFace(target, motif, sheet);
    else
        drawNumberFace(target, motif);
}

void drawPictureFace(QImage& target, int motif, const QImage& sheet) {
    const QRect cell = motifRect(motif);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(0, 0, kCardSize, kCardSize), Qt::white);
    // Only the part of the cell the sheet really has; a short or empty sheet leaves white.
    const QRect source = cell.intersected(sheet.rect());
    if (!source.isEmpty())
        painter.drawImage(source.topLeft() - cell.topLeft(), sheet, source);
}

void drawNumberFace(QImage& target, int number) {
    static const QFont font = arialFontWithCellHeight(kNumberCellHeight);
    Canvas canvas(target);
    canvas.setBrush(QColor(255, 0, 0));
    canvas.setPen(Qt::black);
    canvas.rectangle(0, 0, 40, 40);
    canvas.setBrush(QColor(200, 0, 0));
    canvas.setPen(QColor(200, 0, 0));
    canvas.rectangle(2, 2, 38, 38);
    canvas.setBrush(QColor(150, 0, 0));
    canvas.setPen(QColor(150, 0, 0));
    canvas.rectangle(4, 4, 36, 36);
    canvas.setFont(font);
    canvas.setTextColor(QColor(0, 255, 255));
    const QString text = QString::number(number);
    const QSize extent = canvas.textExtent(text);
    canvas.textOut(20 - extent.width() / 2, 20 - extent.height() / 2, text);
}

QImage makeCardImage() {
    QImage card(kCardSize, kCardSize, QImage::Format_RGB32);
    card.fill(Qt::white);
    return card;
}
