#include "drawkit.h"
#include "motifs.h"

#include <QtMath>

using namespace art;

namespace {
void wheel(QPainter& p, qreal x, qreal y, qreal r) {
    outlined(p, circle(x, y, r), QColor(51, 51, 51), Qt::black);
    outlined(p, circle(x, y, r * 0.45), QColor(204, 204, 204), QColor(102, 102, 102));
}
} // namespace

void drawCar(QPainter& p) {
    const QColor fill(0, 102, 255);
    const QColor edge(0, 0, 153);
    QPainterPath body;
    body.moveTo(2, 29);
    body.lineTo(2, 22);
    body.cubicTo(2, 19, 5, 18, 9, 18);
    body.lineTo(12, 11);
    body.cubicTo(13, 9, 14, 9, 16, 9);
    body.lineTo(27, 9);
    body.cubicTo(29, 9, 30, 10, 31, 12);
    body.lineTo(34, 18);
    body.cubicTo(37, 18, 38, 20, 38, 23);
    body.lineTo(38, 29);
    body.closeSubpath();
    outlined(p, body, fill, edge);
    filled(p, polygon({{13.5, 17}, {16, 11.5}, {20, 11.5}, {20, 17}}), QColor(204, 255, 255));
    filled(p, polygon({{22, 17}, {22, 11.5}, {27, 11.5}, {30.5, 17}}), QColor(204, 255, 255));
    filled(p, roundedRect(35, 20, 3, 3, 1), QColor(255, 255, 102));
    filled(p, roundedRect(2, 21, 2.5, 3, 1), QColor(255, 51, 0));
    wheel(p, 10, 29, 5);
    wheel(p, 30, 29, 5);
}

void drawSailboat(QPainter& p) {
    const QColor sail(255, 255, 255);
    const QColor sailEdge(102, 102, 102);
    line(p, {19, 3}, {19, 28}, QColor(102, 51, 0), 1.5);
    outlined(p, polygon({{21, 4}, {34, 25}, {21, 25}}), sail, sailEdge);
    outlined(p, polygon({{17, 8}, {17, 25}, {7, 25}}), QColor(255, 0, 0), QColor(153, 0, 0));
    outlined(p, polygon({{3, 27}, {37, 27}, {31, 34}, {9, 34}}), QColor(153, 51, 0), QColor(51, 0, 0));
    QPainterPath waves;
    waves.moveTo(1, 36);
    for (int i = 0; i < 5; ++i)
        waves.quadTo(4 + 8 * i, 33, 9 + 8 * i, 36);
    waves.lineTo(39, 39);
    waves.lineTo(1, 39);
    waves.closeSubpath();
    filled(p, waves, QColor(0, 153, 255));
}

void drawAirplane(QPainter& p) {
    p.save();
    p.translate(20, 20);
    p.rotate(-45);
    p.translate(-20, -20);
    outlined(p, glyph(QStringLiteral("\u2708"), QRectF(3, 5, 34, 30)), QColor(0, 153, 204),
             QColor(0, 51, 102));
    p.restore();
}

void drawRocket(QPainter& p) {
    p.save();
    p.translate(20, 20);
    p.rotate(30);
    p.translate(-20, -20);
    outlined(p, polygon({{17, 29}, {20, 38}, {23, 29}}), QColor(255, 153, 0), QColor(255, 51, 0));
    outlined(p, polygon({{14, 20}, {9, 30}, {15, 29}}), QColor(255, 0, 0), QColor(153, 0, 0));
    outlined(p, polygon({{26, 20}, {31, 30}, {25, 29}}), QColor(255, 0, 0), QColor(153, 0, 0));
    QPainterPath body;
    body.moveTo(20, 1);
    body.cubicTo(28, 8, 27, 20, 25, 30);
    body.lineTo(15, 30);
    body.cubicTo(13, 20, 12, 8, 20, 1);
    outlined(p, body, QColor(230, 230, 230), QColor(102, 102, 102));
    QPainterPath nose;
    nose.moveTo(20, 1);
    nose.cubicTo(23, 3.5, 24.5, 6, 25.3, 9);
    nose.lineTo(14.7, 9);
    nose.cubicTo(15.5, 6, 17, 3.5, 20, 1);
    outlined(p, nose, QColor(255, 0, 0), QColor(153, 0, 0));
    outlined(p, circle(20, 16, 3.5), QColor(51, 153, 255), QColor(0, 51, 153), 1.3);
    line(p, {20, 22}, {20, 30}, QColor(153, 0, 0), 2);
    p.restore();
}

void drawBalloon(QPainter& p) {
    const QColor rope(102, 51, 0);
    line(p, {12, 24}, {16, 32}, rope, 0.9);
    line(p, {28, 24}, {24, 32}, rope, 0.9);
    outlined(p, roundedRect(15, 31, 10, 7, 1.5), QColor(204, 153, 51), QColor(102, 51, 0));
    QPainterPath envelope;
    envelope.moveTo(20, 28);
    envelope.cubicTo(12, 24, 4, 18, 4, 12);
    envelope.cubicTo(4, 4, 12, 1, 20, 1);
    envelope.cubicTo(28, 1, 36, 4, 36, 12);
    envelope.cubicTo(36, 18, 28, 24, 20, 28);
    filled(p, envelope, QColor(255, 0, 0));
    p.save();
    p.setClipPath(envelope);
    filled(p, ellipse(20, 12, 10, 20), QColor(255, 255, 0));
    filled(p, ellipse(20, 12, 4, 20), QColor(255, 0, 0));
    p.restore();
    stroke(p, envelope, QColor(153, 0, 0), 1);
}

void drawBicycle(QPainter& p) {
    const QColor tyre(51, 51, 51);
    const QColor frame(0, 153, 153);
    for (const qreal x : {9.0, 31.0}) {
        stroke(p, circle(x, 27, 7.5), tyre, 2);
        dot(p, x, 27, 1.2, tyre);
    }
    QPainterPath tubes;
    tubes.moveTo(9, 27);
    tubes.lineTo(15, 16);
    tubes.lineTo(28, 16);
    tubes.lineTo(20, 27);
    tubes.lineTo(9, 27);
    tubes.moveTo(20, 27);
    tubes.lineTo(14, 12);
    tubes.moveTo(31, 27);
    tubes.lineTo(27, 11);
    stroke(p, tubes, frame, 2);
    line(p, {11, 11}, {17, 11}, Qt::black, 2.5);
    line(p, {24, 11}, {27, 11}, tyre, 1.8);
    line(p, {27, 11}, {30, 8}, tyre, 1.8);
    dot(p, 20, 27, 2, tyre);
}

void drawHouse(QPainter& p) {
    outlined(p, polygon({{27, 4}, {31, 4}, {31, 13}, {27, 10}}), QColor(153, 51, 0), QColor(102, 0, 0));
    outlined(p, polygon({{7, 19}, {33, 19}, {33, 37}, {7, 37}}), QColor(255, 204, 102), QColor(153, 102, 0));
    outlined(p, polygon({{20, 3}, {38, 20}, {2, 20}}), QColor(204, 51, 0), QColor(102, 0, 0));
    outlined(p, roundedRect(11, 25, 8, 12, 1), QColor(153, 51, 0), QColor(102, 0, 0));
    dot(p, 17, 31, 0.8, QColor(255, 204, 0));
    outlined(p, polygon({{23, 24}, {30, 24}, {30, 31}, {23, 31}}), QColor(102, 204, 255), QColor(0, 51, 153));
    line(p, {26.5, 24}, {26.5, 31}, QColor(0, 51, 153), 0.8);
    line(p, {23, 27.5}, {30, 27.5}, QColor(0, 51, 153), 0.8);
}

void drawHeart(QPainter& p) {
    QPainterPath heart;
    heart.moveTo(20, 36);
    heart.cubicTo(13, 30, 3, 23, 3, 14);
    heart.cubicTo(3, 3, 17, 2, 20, 11);
    heart.cubicTo(23, 2, 37, 3, 37, 14);
    heart.cubicTo(37, 23, 27, 30, 20, 36);
    outlined(p, heart, QColor(255, 0, 51), QColor(153, 0, 0));
    filled(p, ellipse(10, 12, 2.5, 3.5), QColor(255, 153, 153));
}

void drawStar(QPainter& p) {
    outlined(p, star({20, 21.5}, 18.5, 7.5, 5), QColor(255, 204, 0), QColor(204, 102, 0), 1.2);
    filled(p, star({20, 21.5}, 8, 3.2, 5), QColor(255, 255, 102));
}

void drawSpade(QPainter& p) {
    outlined(p, glyph(QStringLiteral("\u2660"), QRectF(5, 3, 30, 34)), QColor(26, 26, 26), Qt::black);
}

void drawClub(QPainter& p) {
    outlined(p, glyph(QStringLiteral("\u2663"), QRectF(4, 3, 32, 34)), QColor(0, 102, 0), QColor(0, 51, 0));
}

void drawDiamond(QPainter& p) {
    outlined(p, polygon({{20, 2}, {34, 20}, {20, 38}, {6, 20}}), QColor(255, 51, 0), QColor(153, 0, 0));
    filled(p, polygon({{20, 7}, {24, 14}, {20, 20}, {16, 14}}), QColor(255, 153, 102));
}

void drawNotes(QPainter& p) {
    outlined(p, glyph(QStringLiteral("\u266B"), QRectF(4, 3, 32, 34)), QColor(102, 0, 204),
             QColor(51, 0, 102));
}

void drawKey(QPainter& p) {
    const QColor fill(153, 153, 153);
    const QColor edge(51, 51, 51);
    p.save();
    p.translate(20, 20);
    p.rotate(-45);
    p.translate(-20, -20);
    QPainterPath key = circle(9, 20, 7.5);
    key = key.united(roundedRect(14, 18, 24, 4.5, 1));
    key = key.united(polygon({{29, 22}, {29, 28}, {32, 28}, {32, 22}}));
    key = key.united(polygon({{34, 22}, {34, 26}, {37, 26}, {37, 22}}));
    key = key.subtracted(circle(8, 20, 3));
    outlined(p, key.simplified(), fill, edge);
    line(p, {17, 20}, {36, 20}, QColor(255, 255, 255), 0.8);
    p.restore();
}

void drawBell(QPainter& p) {
    const QColor fill(255, 204, 0);
    const QColor edge(153, 102, 0);
    outlined(p, circle(20, 34, 3.5), QColor(204, 153, 0), edge);
    QPainterPath bell;
    bell.moveTo(20, 5);
    bell.cubicTo(29, 5, 30, 13, 30, 20);
    bell.cubicTo(30, 26, 35, 29, 36, 32);
    bell.lineTo(4, 32);
    bell.cubicTo(5, 29, 10, 26, 10, 20);
    bell.cubicTo(10, 13, 11, 5, 20, 5);
    outlined(p, bell, fill, edge);
    stroke(p, circle(20, 4, 2.5), edge, 1.5);
    filled(p, roundedRect(13.5, 10, 3, 14, 1.5), QColor(255, 255, 153));
    line(p, {6, 29}, {34, 29}, edge, 0.8);
}

void drawCrown(QPainter& p) {
    const QPainterPath crown = polygon({{4, 33}, {3, 11}, {12, 21}, {20, 7}, {28, 21}, {37, 11}, {36, 33}});
    outlined(p, crown, QColor(255, 153, 0), QColor(153, 51, 0), 1.2);
    filled(p, roundedRect(4, 27, 32, 6, 0.5), QColor(204, 102, 0));
    for (const QPointF tip : {QPointF(3, 10), QPointF(20, 6), QPointF(37, 10)})
        outlined(p, circle(tip.x(), tip.y(), 2.3), QColor(255, 255, 102), QColor(153, 51, 0));
    outlined(p, circle(20, 30, 2.3), QColor(255, 0, 0), QColor(102, 0, 0));
    outlined(p, circle(11, 30, 1.8), QColor(0, 102, 255), QColor(0, 0, 102));
    outlined(p, circle(29, 30, 1.8), QColor(0, 204, 0), QColor(0, 102, 0));
}

void drawAnchor(QPainter& p) {
    outlined(p, glyph(QStringLiteral("\u2693"), QRectF(4, 2, 32, 36)), QColor(0, 51, 102), QColor(0, 0, 51));
}

void drawEnvelope(QPainter& p) {
    const QColor paper(255, 255, 204);
    const QColor edge(153, 102, 51);
    outlined(p, polygon({{3, 9}, {37, 9}, {37, 32}, {3, 32}}), paper, edge);
    QPainterPath folds;
    folds.moveTo(3, 32);
    folds.lineTo(16, 20);
    folds.moveTo(37, 32);
    folds.lineTo(24, 20);
    stroke(p, folds, edge, 1);
    outlined(p, polygon({{3, 9}, {37, 9}, {20, 23}}), QColor(255, 229, 153), edge);
    outlined(p, circle(20, 22, 3.2), QColor(204, 0, 0), QColor(102, 0, 0));
}

void drawScissors(QPainter& p) {
    const QColor blade(204, 204, 204);
    const QColor bladeEdge(51, 51, 51);
    const QColor handle(255, 0, 102);
    const QColor handleEdge(153, 0, 51);
    outlined(p, polygon({{12, 25}, {34, 5}, {36, 6}, {16, 27}}), blade, bladeEdge);
    outlined(p, polygon({{28, 25}, {6, 5}, {4, 6}, {24, 27}}), blade, bladeEdge);
    for (const qreal x : {11.0, 29.0}) {
        QPainterPath ring = circle(x, 31, 6).subtracted(circle(x, 31, 3.2));
        outlined(p, ring, handle, handleEdge);
    }
    dot(p, 20, 17.5, 1.5, bladeEdge);
}

void drawTelephone(QPainter& p) {
    outlined(p, glyph(QStringLiteral("\u260E"), QRectF(3, 5, 34, 30)), QColor(0, 153, 102),
             QColor(0, 51, 51));
}

void drawDie(QPainter& p) {
    outlined(p, roundedRect(4.5, 4.5, 31, 31, 5), Qt::white, QColor(51, 51, 51), 1.5);
    for (const QPointF pip :
         {QPointF(12, 12), QPointF(28, 12), QPointF(20, 20), QPointF(12, 28), QPointF(28, 28)})
        dot(p, pip.x(), pip.y(), 3, QColor(204, 0, 0));
}

void drawBall(QPainter& p) {
    const QPainterPath ball = circle(20, 20, 16.5);
    filled(p, ball, Qt::white);
    p.save();
    p.setClipPath(ball);
    const QColor segments[] = {{255, 0, 0}, {255, 204, 0}, {0, 102, 255}};
    for (int i = 0; i < 3; ++i) {
        QPainterPath slice;
        slice.moveTo(20, 20);
        slice.arcTo(QRectF(0, 0, 40, 40), 90 + 120 * i, 60);
        slice.closeSubpath();
        filled(p, slice, segments[i]);
    }
    p.restore();
    dot(p, 20, 20, 3, QColor(255, 255, 255));
    stroke(p, ball, QColor(51, 51, 51), 1.2);
}

void drawHourglass(QPainter& p) {
    const QColor wood(153, 51, 0);
    const QColor woodEdge(51, 0, 0);
    QPainterPath glass;
    glass.moveTo(10, 7);
    glass.lineTo(30, 7);
    glass.cubicTo(30, 15, 22, 17, 22, 20);
    glass.cubicTo(22, 23, 30, 25, 30, 33);
    glass.lineTo(10, 33);
    glass.cubicTo(10, 25, 18, 23, 18, 20);
    glass.cubicTo(18, 17, 10, 15, 10, 7);
    filled(p, glass, QColor(204, 255, 255));
    p.save();
    p.setClipPath(glass);
    filled(p, polygon({{8, 12}, {32, 12}, {20, 21}}), QColor(255, 204, 51));
    filled(p, polygon({{20, 25}, {33, 34}, {7, 34}}), QColor(255, 204, 51));
    p.restore();
    line(p, {20, 19}, {20, 30}, QColor(255, 204, 51), 1);
    stroke(p, glass, QColor(0, 102, 153), 1);
    outlined(p, roundedRect(6, 3, 28, 4, 1), wood, woodEdge);
    outlined(p, roundedRect(6, 33, 28, 4, 1), wood, woodEdge);
}

void drawLightBulb(QPainter& p) {
    const QColor glow(255, 153, 0);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(-180.0 + 45 * i);
        line(p, {20 + 14 * qCos(angle), 15 + 14 * qSin(angle)},
             {20 + 17 * qCos(angle), 15 + 17 * qSin(angle)}, glow, 1.6);
    }
    QPainterPath bulb;
    bulb.moveTo(15, 27);
    bulb.cubicTo(15, 22, 9, 20, 9, 14);
    bulb.cubicTo(9, 7, 15, 3, 20, 3);
    bulb.cubicTo(25, 3, 31, 7, 31, 14);
    bulb.cubicTo(31, 20, 25, 22, 25, 27);
    bulb.closeSubpath();
    outlined(p, bulb, QColor(255, 255, 102), QColor(204, 153, 0));
    filled(p, ellipse(15, 11, 2, 3.5), Qt::white);
    QPainterPath filament;
    filament.moveTo(17, 26);
    filament.lineTo(17, 18);
    filament.lineTo(19, 16);
    filament.lineTo(21, 18);
    filament.lineTo(23, 16);
    filament.lineTo(23, 26);
    stroke(p, filament, QColor(204, 102, 0), 0.8);
    outlined(p, roundedRect(15, 27, 10, 7, 1), QColor(153, 153, 153), QColor(51, 51, 51));
    line(p, {15, 29.5}, {25, 29.5}, QColor(51, 51, 51), 0.8);
    line(p, {15, 32}, {25, 32}, QColor(51, 51, 51), 0.8);
    outlined(p, roundedRect(17.5, 34, 5, 3, 1.5), QColor(51, 51, 51), Qt::black);
}
