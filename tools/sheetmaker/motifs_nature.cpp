#include "drawkit.h"
#include "motifs.h"

#include <QtMath>

using namespace art;

namespace {
QPainterPath cloudShape(qreal x, qreal y, qreal scale) {
    QPainterPath cloud = circle(x + 7 * scale, y + 4 * scale, 6 * scale);
    cloud = cloud.united(circle(x + 14 * scale, y, 7.5 * scale));
    cloud = cloud.united(circle(x + 21 * scale, y + 4 * scale, 6 * scale));
    cloud = cloud.united(roundedRect(x + 1 * scale, y + 2 * scale, 26 * scale, 8 * scale, 4 * scale));
    return cloud.simplified();
}

} // namespace

void drawSun(QPainter& p) {
    for (int i = 0; i < 12; ++i) {
        const qreal angle = qDegreesToRadians(30.0 * i);
        const qreal side = qDegreesToRadians(7.0);
        const QPointF tip(20 + 18 * qCos(angle), 20 + 18 * qSin(angle));
        const QPointF left(20 + 10 * qCos(angle - side * 2), 20 + 10 * qSin(angle - side * 2));
        const QPointF right(20 + 10 * qCos(angle + side * 2), 20 + 10 * qSin(angle + side * 2));
        outlined(p, polygon({left, tip, right}), QColor(255, 153, 0), QColor(204, 102, 0));
    }
    outlined(p, circle(20, 20, 10), QColor(255, 255, 0), QColor(204, 102, 0));
    dot(p, 16.5, 18, 1.2, QColor(102, 51, 0));
    dot(p, 23.5, 18, 1.2, QColor(102, 51, 0));
    QPainterPath smile;
    smile.moveTo(15.5, 22);
    smile.quadTo(20, 27, 24.5, 22);
    stroke(p, smile, QColor(102, 51, 0), 1.2);
}

void drawRainCloud(QPainter& p) {
    const QColor drop(0, 102, 255);
    for (const QPointF at :
         {QPointF(11, 28), QPointF(20, 32), QPointF(29, 28), QPointF(15, 35), QPointF(25, 35)}) {
        QPainterPath tear;
        tear.moveTo(at.x(), at.y() - 4);
        tear.cubicTo(at.x() + 3, at.y(), at.x() + 2, at.y() + 2, at.x(), at.y() + 2);
        tear.cubicTo(at.x() - 2, at.y() + 2, at.x() - 3, at.y(), at.x(), at.y() - 4);
        filled(p, tear, drop);
    }
    outlined(p, cloudShape(6, 10, 1.0), QColor(204, 204, 204), QColor(102, 102, 102));
}

void drawNightMoon(QPainter& p) {
    filled(p, roundedRect(2, 2, 36, 36, 4), QColor(0, 0, 102));
    const QPainterPath crescent = circle(18, 20, 13).subtracted(circle(24, 15, 11));
    outlined(p, crescent, QColor(255, 255, 102), QColor(204, 153, 0));
    filled(p, star({31, 31}, 3.5, 1.4, 5), QColor(255, 255, 255));
    filled(p, star({29, 9}, 2.5, 1, 4, 0), QColor(255, 255, 204));
    dot(p, 33, 16, 0.8, QColor(255, 255, 255));
}

void drawLightning(QPainter& p) {
    const QPainterPath bolt = polygon({{24, 2}, {9, 22}, {18, 22}, {13, 38}, {32, 15}, {22, 15}, {29, 2}});
    outlined(p, bolt, QColor(255, 204, 0), QColor(153, 51, 0), 1.2);
}

void drawSnowflake(QPainter& p) {
    const QColor ice(0, 153, 255);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(20, 20);
        p.rotate(60.0 * i);
        line(p, {0, 0}, {0, -16}, ice, 2.2);
        line(p, {0, -9}, {-4.5, -13}, ice, 1.6);
        line(p, {0, -9}, {4.5, -13}, ice, 1.6);
        line(p, {0, -4}, {-3, -7}, ice, 1.4);
        line(p, {0, -4}, {3, -7}, ice, 1.4);
        p.restore();
    }
    dot(p, 20, 20, 2.5, QColor(0, 102, 204));
}

void drawRainbow(QPainter& p) {
    const QColor bands[] = {{255, 0, 0}, {255, 153, 0}, {255, 255, 0},
                            {0, 204, 0}, {0, 102, 255}, {153, 0, 204}};
    qreal radius = 17;
    for (const QColor& band : bands) {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(20 - radius, 29 - radius, 2 * radius, 2 * radius), 180);
        arc.arcTo(QRectF(20 - radius, 29 - radius, 2 * radius, 2 * radius), 180, -180);
        stroke(p, arc, band, 2.3);
        radius -= 2.1;
    }
    outlined(p, cloudShape(-1, 28, 0.5), Qt::white, QColor(102, 102, 102));
    outlined(p, cloudShape(27, 28, 0.5), Qt::white, QColor(102, 102, 102));
}

void drawUmbrella(QPainter& p) {
    QPainterPath handle;
    handle.moveTo(20, 16);
    handle.lineTo(20, 32);
    handle.arcTo(QRectF(14, 29, 6, 6), 0, -180);
    stroke(p, handle, QColor(51, 51, 51), 2);
    QPainterPath canopy;
    canopy.moveTo(3, 21);
    canopy.arcTo(QRectF(3, 4, 34, 34), 180, -180);
    for (int i = 0; i < 4; ++i) {
        const qreal right = 37 - 8.5 * i;
        canopy.arcTo(QRectF(right - 8.5, 18, 8.5, 6), 0, 180);
    }
    canopy.closeSubpath();
    outlined(p, canopy, QColor(204, 0, 204), QColor(102, 0, 102));
    QPainterPath ribs;
    ribs.moveTo(20, 4.5);
    ribs.quadTo(14, 10, 11.5, 21);
    ribs.moveTo(20, 4.5);
    ribs.quadTo(26, 10, 28.5, 21);
    stroke(p, ribs, QColor(102, 0, 102), 0.9);
    dot(p, 20, 3.5, 1.5, QColor(51, 51, 51));
}

void drawSnowman(QPainter& p) {
    const QColor edge(102, 102, 102);
    outlined(p, circle(20, 29, 9), Qt::white, edge);
    outlined(p, circle(20, 16, 6.5), Qt::white, edge);
    filled(p, roundedRect(14, 20.5, 12, 3, 1.5), QColor(255, 0, 0));
    filled(p, roundedRect(22, 21, 3, 7, 1.5), QColor(255, 0, 0));
    filled(p, roundedRect(15, 2, 10, 9, 1), Qt::black);
    filled(p, roundedRect(12, 9.5, 16, 2.5, 1), Qt::black);
    dot(p, 17.5, 15, 1, Qt::black);
    dot(p, 22.5, 15, 1, Qt::black);
    filled(p, polygon({{20, 16.5}, {26, 18.5}, {20, 19}}), QColor(255, 102, 0));
    dot(p, 20, 27, 1.1, Qt::black);
    dot(p, 20, 31, 1.1, Qt::black);
    dot(p, 20, 35, 1.1, Qt::black);
}

void drawTree(QPainter& p) {
    outlined(p, polygon({{17, 37}, {18, 24}, {22, 24}, {23, 37}}), QColor(153, 102, 51), QColor(102, 51, 0));
    QPainterPath crown = circle(20, 12, 9);
    crown = crown.united(circle(12, 19, 7.5));
    crown = crown.united(circle(28, 19, 7.5));
    crown = crown.united(circle(20, 23, 7));
    outlined(p, crown.simplified(), QColor(51, 153, 0), QColor(0, 102, 0));
    filled(p, ellipse(16, 10, 3, 2), QColor(102, 204, 51));
    filled(p, ellipse(10, 18, 2, 1.5), QColor(102, 204, 51));
}

void drawFirTree(QPainter& p) {
    outlined(p, polygon({{18, 31}, {22, 31}, {22, 38}, {18, 38}}), QColor(153, 102, 51), QColor(102, 51, 0));
    const QColor fill(0, 102, 51);
    const QColor edge(0, 51, 0);
    outlined(p, polygon({{20, 14}, {34, 32}, {6, 32}}), fill, edge);
    outlined(p, polygon({{20, 8}, {31, 23}, {9, 23}}), fill, edge);
    outlined(p, polygon({{20, 2}, {28, 15}, {12, 15}}), fill, edge);
}

void drawFlower(QPainter& p) {
    line(p, {20, 20}, {20, 38}, QColor(0, 153, 0), 2);
    QPainterPath leafPath;
    leafPath.moveTo(20, 33);
    leafPath.quadTo(24, 25, 31, 27);
    leafPath.quadTo(27, 34, 20, 33);
    outlined(p, leafPath, QColor(0, 153, 0), QColor(0, 102, 0));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(20, 15);
        p.rotate(60.0 * i);
        outlined(p, ellipse(0, -7, 4.2, 6), QColor(204, 102, 255), QColor(102, 0, 153));
        p.restore();
    }
    outlined(p, circle(20, 15, 4.5), QColor(255, 204, 0), QColor(204, 102, 0));
}

void drawTulip(QPainter& p) {
    QPainterPath stem;
    stem.moveTo(20, 22);
    stem.lineTo(20, 38);
    stroke(p, stem, QColor(0, 153, 0), 2);
    QPainterPath leafPath;
    leafPath.moveTo(20, 37);
    leafPath.cubicTo(12, 33, 9, 27, 10, 21);
    leafPath.cubicTo(15, 25, 19, 30, 20, 37);
    outlined(p, leafPath, QColor(51, 153, 0), QColor(0, 102, 0));
    QPainterPath cup;
    cup.moveTo(11, 6);
    cup.lineTo(15.5, 11);
    cup.lineTo(20, 4);
    cup.lineTo(24.5, 11);
    cup.lineTo(29, 6);
    cup.cubicTo(31, 15, 29, 23, 20, 24);
    cup.cubicTo(11, 23, 9, 15, 11, 6);
    outlined(p, cup, QColor(255, 0, 51), QColor(153, 0, 0));
    QPainterPath fold;
    fold.moveTo(20, 6);
    fold.quadTo(23, 15, 20, 23);
    stroke(p, fold, QColor(204, 0, 51), 1);
}

void drawCactus(QPainter& p) {
    const QColor fill(0, 153, 51);
    const QColor edge(0, 102, 0);
    QPainterPath plant = roundedRect(16, 4, 8, 27, 4);
    plant = plant.united(roundedRect(7, 12, 5, 11, 2.5));
    plant = plant.united(roundedRect(7, 19, 10, 4.5, 2.2));
    plant = plant.united(roundedRect(28, 8, 5, 11, 2.5));
    plant = plant.united(roundedRect(23, 15, 10, 4.5, 2.2));
    outlined(p, plant.simplified(), fill, edge);
    line(p, {20, 8}, {20, 29}, QColor(0, 102, 0), 0.8);
    outlined(p, polygon({{10, 29}, {30, 29}, {27, 38}, {13, 38}}), QColor(204, 102, 51), QColor(102, 51, 0));
    filled(p, roundedRect(9, 28, 22, 3.5, 1), QColor(153, 51, 0));
    dot(p, 20, 4, 2, QColor(255, 102, 153));
}

void drawMushroom(QPainter& p) {
    QPainterPath stemPath;
    stemPath.moveTo(15, 20);
    stemPath.cubicTo(14, 28, 13, 35, 16, 36);
    stemPath.lineTo(24, 36);
    stemPath.cubicTo(27, 35, 26, 28, 25, 20);
    stemPath.closeSubpath();
    outlined(p, stemPath, QColor(255, 255, 204), QColor(153, 102, 51));
    QPainterPath cap;
    cap.moveTo(3, 22);
    cap.cubicTo(3, 5, 37, 5, 37, 22);
    cap.cubicTo(30, 24, 10, 24, 3, 22);
    outlined(p, cap, QColor(204, 0, 0), QColor(102, 0, 0));
    for (const QPointF spot : {QPointF(12, 15), QPointF(20, 10), QPointF(28, 15), QPointF(21, 18),
                               QPointF(7, 20), QPointF(33, 20)})
        filled(p, circle(spot.x(), spot.y(), spot.y() > 19 ? 1.3 : 2.2), Qt::white);
}

void drawMapleLeaf(QPainter& p) {
    line(p, {20, 28}, {20, 38}, QColor(153, 51, 0), 1.8);
    const QPainterPath leafPath =
        polygon({{20, 2},  {23, 8},  {26, 7},  {25, 15}, {30, 10}, {31, 13}, {37, 12}, {35, 18},
                 {37, 20}, {29, 26}, {30, 29}, {21, 28}, {19, 28}, {10, 29}, {11, 26}, {3, 20},
                 {5, 18},  {3, 12},  {9, 13},  {10, 10}, {15, 15}, {14, 7},  {17, 8}});
    outlined(p, leafPath, QColor(255, 102, 0), QColor(153, 51, 0));
    const QColor vein(204, 51, 0);
    line(p, {20, 28}, {20, 7}, vein, 0.9);
    line(p, {20, 24}, {31, 15}, vein, 0.9);
    line(p, {20, 24}, {9, 15}, vein, 0.9);
}
