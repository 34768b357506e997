#include "drawkit.h"
#include "motifs.h"

using namespace art;

namespace {
const QColor kStem(102, 51, 0);
const QColor kLeaf(0, 153, 0);
const QColor kLeafLine(0, 102, 0);

QPainterPath leaf(QPointF base, qreal angle, qreal length, qreal width) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(length / 2, -width, length, 0);
    path.quadTo(length / 2, width, 0, 0);
    QTransform turn;
    turn.translate(base.x(), base.y());
    turn.rotate(angle);
    return turn.map(path);
}
} // namespace

void drawApple(QPainter& p) {
    QPainterPath body;
    body.moveTo(20, 12);
    body.cubicTo(26, 7, 35, 10, 35, 21);
    body.cubicTo(35, 31, 27, 37, 20, 34);
    body.cubicTo(13, 37, 5, 31, 5, 21);
    body.cubicTo(5, 10, 14, 7, 20, 12);
    outlined(p, body, QColor(204, 0, 0), QColor(102, 0, 0));
    filled(p, ellipse(12, 19, 2, 4), QColor(255, 153, 153));
    line(p, {20, 12}, {22, 4}, kStem, 2);
    outlined(p, leaf({22, 8}, -30, 12, 4), kLeaf, kLeafLine);
}

void drawPear(QPainter& p) {
    QPainterPath body;
    body.moveTo(20, 9);
    body.cubicTo(25, 9, 25, 15, 27, 18);
    body.cubicTo(35, 24, 33, 36, 20, 36);
    body.cubicTo(7, 36, 5, 24, 13, 18);
    body.cubicTo(15, 15, 15, 9, 20, 9);
    outlined(p, body, QColor(204, 204, 51), QColor(102, 102, 0));
    filled(p, ellipse(14, 27, 2, 4), QColor(255, 255, 153));
    line(p, {20, 9}, {19, 3}, kStem, 2);
    outlined(p, leaf({20, 6}, -20, 10, 3.5), kLeaf, kLeafLine);
}

void drawCherries(QPainter& p) {
    const QColor stem(0, 102, 0);
    QPainterPath stems;
    stems.moveTo(11, 25);
    stems.cubicTo(13, 16, 18, 9, 24, 5);
    stems.moveTo(28, 28);
    stems.cubicTo(28, 18, 26, 10, 24, 5);
    stroke(p, stems, stem, 1.6);
    outlined(p, leaf({24, 5}, 10, 11, 3.5), kLeaf, kLeafLine);
    for (const QPointF centre : {QPointF(11, 29), QPointF(28, 31)}) {
        outlined(p, circle(centre.x(), centre.y(), 6.5), QColor(153, 0, 51), QColor(51, 0, 0));
        filled(p, ellipse(centre.x() - 2.5, centre.y() - 2, 1.5, 2), QColor(255, 102, 153));
    }
}

void drawBanana(QPainter& p) {
    QPainterPath body;
    body.moveTo(10, 7);
    body.cubicTo(3, 21, 15, 37, 35, 30);
    body.cubicTo(21, 25, 14, 18, 15, 7);
    body.closeSubpath();
    outlined(p, body, QColor(255, 204, 0), QColor(153, 102, 0));
    QPainterPath ridge;
    ridge.moveTo(13, 9);
    ridge.cubicTo(11, 20, 18, 28, 30, 29.5);
    stroke(p, ridge, QColor(204, 153, 0), 1);
    line(p, {11, 8}, {12, 4}, QColor(102, 51, 0), 2.5);
    dot(p, 34.5, 30, 1.2, QColor(102, 51, 0));
}

void drawStrawberry(QPainter& p) {
    QPainterPath body;
    body.moveTo(20, 37);
    body.cubicTo(10, 32, 4, 21, 7, 15);
    body.cubicTo(10, 10, 30, 10, 33, 15);
    body.cubicTo(36, 21, 30, 32, 20, 37);
    outlined(p, body, QColor(255, 0, 51), QColor(153, 0, 0));
    const QPointF seeds[] = {{13, 18}, {20, 17}, {27, 18}, {11, 24}, {17, 23}, {23, 23},
                             {29, 24}, {15, 29}, {21, 29}, {26, 29}, {20, 34}};
    for (const QPointF seed : seeds)
        filled(p, ellipse(seed.x(), seed.y(), 0.8, 1.2), QColor(255, 255, 102));
    const QPainterPath top = polygon({{20, 15},
                                      {13, 16},
                                      {15, 12},
                                      {8, 10},
                                      {16, 9},
                                      {17, 5},
                                      {20, 9},
                                      {23, 5},
                                      {24, 9},
                                      {32, 10},
                                      {25, 12},
                                      {27, 16}});
    outlined(p, top, QColor(0, 153, 0), QColor(0, 102, 0));
    line(p, {20, 8}, {21, 3}, QColor(0, 102, 0), 1.5);
}

void drawGrapes(QPainter& p) {
    const QColor fill(153, 51, 204);
    const QColor edge(51, 0, 102);
    const QPointF berries[] = {{8, 14},  {16, 13}, {24, 13}, {32, 14}, {12, 21},
                               {20, 20}, {28, 21}, {16, 28}, {24, 28}, {20, 35}};
    for (const QPointF berry : berries) {
        outlined(p, circle(berry.x(), berry.y(), 4.3), fill, edge);
        dot(p, berry.x() - 1.5, berry.y() - 1.5, 1, QColor(204, 153, 255));
    }
    line(p, {20, 9}, {19, 3}, kStem, 2);
    outlined(p, leaf({21, 7}, -15, 12, 4), kLeaf, kLeafLine);
}

void drawCarrot(QPainter& p) {
    const QColor green(0, 153, 0);
    line(p, {27, 12}, {31, 2}, green, 2.5);
    line(p, {28, 13}, {38, 6}, green, 2.5);
    line(p, {28, 12}, {36, 2}, green, 2.5);
    QPainterPath body;
    body.moveTo(21, 9);
    body.cubicTo(25, 6, 33, 14, 31, 18);
    body.lineTo(8, 36);
    body.cubicTo(5, 38, 3, 36, 5, 33);
    body.closeSubpath();
    outlined(p, body, QColor(255, 102, 0), QColor(153, 51, 0));
    const QColor groove(204, 51, 0);
    line(p, {18, 17}, {22, 20}, groove, 1);
    line(p, {14, 24}, {17, 26}, groove, 1);
    line(p, {20, 26}, {23, 24}, groove, 1);
    line(p, {10, 31}, {13, 32}, groove, 1);
}

void drawWatermelon(QPainter& p) {
    const QRectF outer(2, -6, 36, 36);
    QPainterPath rind;
    rind.moveTo(2, 12);
    rind.arcTo(outer, 180, 180);
    rind.closeSubpath();
    outlined(p, rind, QColor(0, 153, 0), QColor(0, 102, 0));
    QPainterPath pith;
    pith.moveTo(5, 12);
    pith.arcTo(QRectF(5, -3, 30, 30), 180, 180);
    pith.closeSubpath();
    filled(p, pith, QColor(204, 255, 153));
    QPainterPath flesh;
    flesh.moveTo(6.5, 12);
    flesh.arcTo(QRectF(6.5, -1.5, 27, 27), 180, 180);
    flesh.closeSubpath();
    filled(p, flesh, QColor(255, 51, 51));
    const QPointF seeds[] = {{12, 15}, {20, 16}, {28, 15}, {16, 20}, {24, 20}, {20, 23}};
    for (const QPointF seed : seeds)
        filled(p, ellipse(seed.x(), seed.y(), 0.9, 1.5), QColor(51, 0, 0));
}

void drawIceCream(QPainter& p) {
    const QPainterPath cone = polygon({{11, 19}, {29, 19}, {20, 38}});
    outlined(p, cone, QColor(204, 153, 51), QColor(102, 51, 0));
    p.save();
    p.setClipPath(cone);
    for (int i = -3; i < 6; ++i) {
        line(p, {8.0 + 5 * i, 18}, {28.0 + 5 * i, 40}, QColor(153, 102, 0), 0.8);
        line(p, {32.0 - 5 * i, 18}, {12.0 - 5 * i, 40}, QColor(153, 102, 0), 0.8);
    }
    p.restore();
    QPainterPath scoop = circle(20, 14, 9.5);
    scoop.addEllipse(QPointF(20, 19), 11, 3);
    scoop = scoop.simplified();
    outlined(p, scoop, QColor(255, 153, 204), QColor(204, 51, 102));
    filled(p, ellipse(16, 10, 2, 2.5), QColor(255, 204, 229));
    outlined(p, circle(22, 4.5, 3), QColor(204, 0, 0), QColor(102, 0, 0));
}

void drawCup(QPainter& p) {
    const QColor steam(153, 153, 153);
    for (const qreal x : {14.0, 20.0, 26.0}) {
        QPainterPath wisp;
        wisp.moveTo(x, 13);
        wisp.cubicTo(x - 3, 10, x + 3, 8, x, 4);
        stroke(p, wisp, steam, 1.3);
    }
    QPainterPath handle;
    handle.addEllipse(QPointF(29, 23), 6, 5);
    handle.addEllipse(QPointF(29, 23), 3, 2.5);
    outlined(p, handle, QColor(204, 51, 0), QColor(102, 0, 0));
    QPainterPath mug;
    mug.moveTo(6, 16);
    mug.lineTo(30, 16);
    mug.lineTo(28, 31);
    mug.cubicTo(27, 33, 9, 33, 8, 31);
    mug.closeSubpath();
    outlined(p, mug, QColor(204, 51, 0), QColor(102, 0, 0));
    filled(p, ellipse(18, 16.5, 11.5, 1.6), QColor(102, 51, 0));
    outlined(p, ellipse(18, 34, 15, 2.5), QColor(255, 255, 255), QColor(102, 102, 102));
    filled(p, ellipse(11, 22, 1.2, 4), QColor(255, 153, 102));
}
