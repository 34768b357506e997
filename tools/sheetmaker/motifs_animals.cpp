#include "drawkit.h"
#include "motifs.h"

using namespace art;

namespace {
void eye(QPainter& p, qreal x, qreal y, qreal r = 2.2) {
    dot(p, x, y, r, Qt::white);
    dot(p, x + r * 0.25, y, r * 0.55, Qt::black);
}
} // namespace

void drawFish(QPainter& p) {
    const QColor fill(255, 102, 0);
    const QColor edge(153, 51, 0);
    outlined(p, polygon({{26, 20}, {37, 10}, {35, 20}, {37, 30}}), fill, edge);
    outlined(p, polygon({{14, 13}, {19, 6}, {25, 13}}), fill, edge);
    QPainterPath body;
    body.moveTo(3, 20);
    body.cubicTo(8, 8, 24, 8, 29, 20);
    body.cubicTo(24, 32, 8, 32, 3, 20);
    outlined(p, body, fill, edge);
    outlined(p, polygon({{15, 26}, {20, 32}, {21, 25}}), fill, edge);
    QPainterPath gill;
    gill.moveTo(12, 14);
    gill.quadTo(15, 20, 12, 26);
    stroke(p, gill, edge, 1);
    filled(p, ellipse(20, 17, 4, 1.5), QColor(255, 204, 102));
    eye(p, 8, 18, 2.3);
}

void drawBird(QPainter& p) {
    const QColor fill(51, 102, 255);
    const QColor edge(0, 0, 153);
    outlined(p, polygon({{5, 20}, {1, 13}, {3, 22}, {1, 27}, {10, 24}}), fill, edge);
    outlined(p, polygon({{32, 12}, {39, 14}, {32, 17}}), QColor(255, 153, 0), QColor(153, 51, 0));
    QPainterPath body = ellipse(18, 24, 13, 9).united(circle(28, 14, 6.5));
    outlined(p, body.simplified(), fill, edge);
    filled(p, ellipse(20, 28, 8, 4), QColor(153, 204, 255));
    QPainterPath wing;
    wing.moveTo(8, 18);
    wing.cubicTo(14, 14, 22, 16, 24, 22);
    wing.cubicTo(18, 26, 12, 24, 8, 18);
    outlined(p, wing, QColor(0, 51, 204), edge);
    eye(p, 29.5, 12.5, 1.8);
    line(p, {17, 33}, {16, 38}, QColor(204, 102, 0), 1.2);
    line(p, {22, 33}, {23, 38}, QColor(204, 102, 0), 1.2);
}

void drawButterfly(QPainter& p) {
    const QColor wingFill(204, 51, 255);
    const QColor wingEdge(102, 0, 153);
    const QColor spot(255, 255, 0);
    for (const int side : {-1, 1}) {
        p.save();
        p.translate(20, 20);
        p.scale(side, 1);
        QPainterPath upper;
        upper.moveTo(1, -2);
        upper.cubicTo(5, -16, 20, -20, 18, -8);
        upper.cubicTo(17, -2, 9, 0, 1, -2);
        outlined(p, upper, wingFill, wingEdge);
        QPainterPath lower;
        lower.moveTo(1, 0);
        lower.cubicTo(12, 0, 17, 8, 13, 13);
        lower.cubicTo(9, 17, 3, 10, 1, 0);
        outlined(p, lower, QColor(255, 102, 204), wingEdge);
        dot(p, 11, -9, 2.6, spot);
        dot(p, 9, 7, 1.8, spot);
        QPainterPath feeler;
        feeler.moveTo(0.5, -9);
        feeler.quadTo(2, -15, 6, -17);
        stroke(p, feeler, QColor(51, 0, 51), 1);
        p.restore();
    }
    filled(p, roundedRect(18.5, 11, 3, 20, 1.5), QColor(51, 0, 51));
}

void drawLadybird(QPainter& p) {
    line(p, {16, 8}, {12, 3}, Qt::black, 1.2);
    line(p, {24, 8}, {28, 3}, Qt::black, 1.2);
    for (const int side : {-1, 1}) {
        line(p, {20 + side * 10.0, 17}, {20 + side * 17.0, 15}, Qt::black, 1.3);
        line(p, {20 + side * 11.0, 24}, {20 + side * 17.5, 25}, Qt::black, 1.3);
        line(p, {20 + side * 9.0, 31}, {20 + side * 15.0, 35}, Qt::black, 1.3);
    }
    outlined(p, circle(20, 23, 13.5), QColor(255, 0, 0), Qt::black);
    filled(p, ellipse(20, 10.5, 7, 5), Qt::black);
    dot(p, 17, 9, 1.3, Qt::white);
    dot(p, 23, 9, 1.3, Qt::white);
    line(p, {20, 14}, {20, 36.5}, Qt::black, 1.2);
    for (const QPointF spot : {QPointF(13, 19), QPointF(27, 19), QPointF(11, 27), QPointF(29, 27),
                               QPointF(16, 32), QPointF(24, 32)})
        dot(p, spot.x(), spot.y(), 2.6, Qt::black);
}

void drawSnail(QPainter& p) {
    QPainterPath body;
    body.moveTo(3, 34);
    body.lineTo(27, 34);
    body.cubicTo(31, 34, 33, 30, 33, 24);
    body.lineTo(33, 17);
    body.cubicTo(33, 13, 38, 13, 38, 17);
    body.lineTo(38, 31);
    body.cubicTo(38, 36, 34, 37, 28, 37);
    body.lineTo(7, 37);
    body.closeSubpath();
    line(p, {34, 15}, {32, 6}, QColor(153, 102, 51), 1.2);
    line(p, {37, 15}, {38, 6}, QColor(153, 102, 51), 1.2);
    dot(p, 32, 6, 1.5, QColor(102, 51, 0));
    dot(p, 38, 6, 1.5, QColor(102, 51, 0));
    outlined(p, body, QColor(255, 204, 102), QColor(153, 102, 51));
    outlined(p, circle(17, 22, 12), QColor(204, 102, 0), QColor(102, 51, 0));
    QPainterPath spiral;
    spiral.moveTo(17, 22);
    for (int step = 0; step <= 60; ++step) {
        const qreal t = step / 60.0 * 2.6 * 2 * M_PI;
        const qreal radius = 0.5 + 9.5 * step / 60.0;
        spiral.lineTo(17 + radius * std::cos(t), 22 + radius * std::sin(t));
    }
    stroke(p, spiral, QColor(102, 51, 0), 1.3);
    eye(p, 35.5, 19, 1.1);
}

void drawDuck(QPainter& p) {
    const QColor fill(255, 255, 0);
    const QColor edge(204, 153, 0);
    QPainterPath body;
    body.moveTo(4, 20);
    body.cubicTo(6, 24, 10, 22, 14, 21);
    body.lineTo(28, 21);
    body.cubicTo(37, 22, 37, 34, 26, 36);
    body.lineTo(14, 36);
    body.cubicTo(6, 36, 3, 28, 4, 20);
    QPainterPath head = circle(25, 13, 8);
    outlined(p, body.united(head).simplified(), fill, edge);
    QPainterPath beak;
    beak.moveTo(31, 12);
    beak.cubicTo(36, 11, 39, 13, 38, 15);
    beak.cubicTo(36, 18, 33, 17, 31, 16.5);
    outlined(p, beak, QColor(255, 102, 0), QColor(153, 51, 0));
    QPainterPath wing;
    wing.moveTo(12, 26);
    wing.cubicTo(16, 22, 24, 24, 25, 28);
    wing.cubicTo(20, 32, 14, 31, 12, 26);
    outlined(p, wing, QColor(255, 204, 0), edge);
    dot(p, 27, 11, 1.5, Qt::black);
    dot(p, 27.5, 10.5, 0.5, Qt::white);
}

void drawCat(QPainter& p) {
    const QColor fill(51, 51, 51);
    QPainterPath head = ellipse(20, 23, 15, 13);
    head = head.united(polygon({{6, 19}, {6, 3}, {17, 12}}));
    head = head.united(polygon({{34, 19}, {34, 3}, {23, 12}}));
    outlined(p, head.simplified(), fill, Qt::black);
    filled(p, polygon({{8, 15}, {8, 7}, {14, 12}}), QColor(255, 153, 204));
    filled(p, polygon({{32, 15}, {32, 7}, {26, 12}}), QColor(255, 153, 204));
    for (const qreal x : {13.0, 27.0}) {
        filled(p, ellipse(x, 21, 3.8, 3.4), QColor(204, 255, 0));
        filled(p, ellipse(x, 21, 1, 3), Qt::black);
    }
    filled(p, polygon({{18, 27}, {22, 27}, {20, 29.5}}), QColor(255, 153, 204));
    const QColor whisker(204, 204, 204);
    for (const int side : {-1, 1}) {
        line(p, {20 + side * 5.0, 29}, {20 + side * 17.0, 26}, whisker, 0.8);
        line(p, {20 + side * 5.0, 30.5}, {20 + side * 17.0, 31}, whisker, 0.8);
    }
    QPainterPath mouth;
    mouth.moveTo(17, 31);
    mouth.quadTo(20, 33, 20, 29.5);
    mouth.quadTo(20, 33, 23, 31);
    stroke(p, mouth, whisker, 0.8);
}

void drawPig(QPainter& p) {
    const QColor fill(255, 153, 204);
    const QColor edge(204, 51, 102);
    outlined(p, polygon({{6, 16}, {4, 3}, {16, 9}}), fill, edge);
    outlined(p, polygon({{34, 16}, {36, 3}, {24, 9}}), fill, edge);
    outlined(p, ellipse(20, 22, 16, 14), fill, edge);
    outlined(p, ellipse(20, 26, 7, 5), QColor(255, 102, 153), edge);
    filled(p, ellipse(17.5, 26, 1.3, 2), QColor(153, 0, 51));
    filled(p, ellipse(22.5, 26, 1.3, 2), QColor(153, 0, 51));
    dot(p, 13, 18, 1.8, Qt::black);
    dot(p, 27, 18, 1.8, Qt::black);
    dot(p, 8, 26, 2.2, QColor(255, 102, 153));
    dot(p, 32, 26, 2.2, QColor(255, 102, 153));
}

void drawFrog(QPainter& p) {
    const QColor fill(102, 204, 0);
    const QColor edge(0, 102, 0);
    QPainterPath head = ellipse(20, 24, 17, 12);
    head = head.united(circle(11, 12, 6.5)).united(circle(29, 12, 6.5));
    outlined(p, head.simplified(), fill, edge);
    eye(p, 11, 12, 4);
    eye(p, 29, 12, 4);
    QPainterPath mouth;
    mouth.moveTo(8, 25);
    mouth.quadTo(20, 34, 32, 25);
    stroke(p, mouth, edge, 1.5);
    dot(p, 17, 21, 0.8, edge);
    dot(p, 23, 21, 0.8, edge);
    dot(p, 7, 28, 2.3, QColor(255, 153, 153));
    dot(p, 33, 28, 2.3, QColor(255, 153, 153));
}

void drawPenguin(QPainter& p) {
    const QColor orange(255, 153, 0);
    outlined(p, ellipse(14.5, 36.5, 4, 1.8), orange, QColor(153, 51, 0));
    outlined(p, ellipse(25.5, 36.5, 4, 1.8), orange, QColor(153, 51, 0));
    QPainterPath body = ellipse(20, 24, 11, 12.5).united(circle(20, 11, 8));
    body =
        body.united(polygon({{10, 18}, {4, 30}, {10, 28}})).united(polygon({{30, 18}, {36, 30}, {30, 28}}));
    outlined(p, body.simplified(), QColor(26, 26, 51), Qt::black);
    QPainterPath belly =
        ellipse(20, 26, 7.5, 10).united(ellipse(16.5, 12, 3.5, 4)).united(ellipse(23.5, 12, 3.5, 4));
    filled(p, belly.simplified(), Qt::white);
    dot(p, 17, 11, 1.2, Qt::black);
    dot(p, 23, 11, 1.2, Qt::black);
    outlined(p, polygon({{17, 15}, {23, 15}, {20, 19}}), orange, QColor(153, 51, 0));
}

void drawBee(QPainter& p) {
    const QColor wing(204, 255, 255);
    const QColor wingEdge(51, 153, 204);
    outlined(p, ellipse(15, 9, 6, 8), wing, wingEdge);
    outlined(p, ellipse(25, 10, 5, 7), wing, wingEdge);
    outlined(p, polygon({{34, 21}, {39, 23}, {34, 25}}), QColor(51, 51, 51), Qt::black);
    const QPainterPath body = ellipse(21, 23, 14, 10);
    outlined(p, body, QColor(255, 204, 0), QColor(102, 51, 0));
    p.save();
    p.setClipPath(body);
    for (const qreal x : {16.0, 24.0, 32.0})
        filled(p, roundedRect(x - 2, 10, 4, 26, 0), QColor(51, 26, 0));
    p.restore();
    outlined(p, circle(8, 23, 6.5), QColor(51, 26, 0), Qt::black);
    eye(p, 5.5, 21.5, 1.6);
    line(p, {6, 17.5}, {3, 11}, Qt::black, 1);
    line(p, {9, 17}, {9, 10}, Qt::black, 1);
}

void drawWhale(QPainter& p) {
    const QColor spout(51, 204, 255);
    line(p, {14, 13}, {14, 6}, spout, 1.8);
    line(p, {14, 8}, {9, 3}, spout, 1.5);
    line(p, {14, 8}, {19, 3}, spout, 1.5);
    QPainterPath body;
    body.moveTo(3, 26);
    body.cubicTo(1, 12, 24, 10, 29, 23);
    body.cubicTo(31, 20, 31, 15, 35, 12);
    body.cubicTo(39, 12, 39, 16, 36, 17);
    body.cubicTo(34, 20, 33, 25, 31, 28);
    body.cubicTo(24, 36, 5, 37, 3, 26);
    outlined(p, body, QColor(0, 51, 153), QColor(0, 0, 51));
    QPainterPath belly;
    belly.moveTo(5, 28);
    belly.cubicTo(9, 35, 23, 34, 27, 28);
    belly.cubicTo(19, 31, 11, 31, 5, 28);
    filled(p, belly, QColor(153, 204, 255));
    dot(p, 9, 22, 1.3, Qt::white);
    dot(p, 9.3, 22, 0.7, Qt::black);
}

void drawMouse(QPainter& p) {
    const QColor fill(153, 153, 153);
    const QColor edge(51, 51, 51);
    QPainterPath tail;
    tail.moveTo(31, 30);
    tail.cubicTo(40, 28, 38, 38, 27, 37);
    stroke(p, tail, QColor(255, 153, 153), 1.4);
    QPainterPath body;
    body.moveTo(3, 27);
    body.cubicTo(8, 16, 24, 12, 32, 22);
    body.cubicTo(36, 28, 32, 33, 24, 33);
    body.lineTo(10, 33);
    body.cubicTo(6, 33, 3, 30, 3, 27);
    outlined(p, body, fill, edge);
    outlined(p, circle(15, 15, 6), fill, edge);
    filled(p, circle(15, 15, 3.8), QColor(255, 153, 204));
    dot(p, 3, 27, 1.7, QColor(255, 102, 153));
    dot(p, 9.5, 23, 1.3, Qt::black);
    line(p, {5, 27}, {1, 24}, edge, 0.6);
    line(p, {5, 28}, {1, 30}, edge, 0.6);
}

void drawRabbit(QPainter& p) {
    const QColor fill(222, 222, 222);
    const QColor edge(102, 102, 102);
    const QColor inner(255, 153, 204);
    p.save();
    p.translate(14.5, 14);
    p.rotate(-12);
    outlined(p, ellipse(0, -6, 4, 10), fill, edge);
    filled(p, ellipse(0, -6, 2, 7.5), inner);
    p.restore();
    p.save();
    p.translate(25.5, 14);
    p.rotate(12);
    outlined(p, ellipse(0, -6, 4, 10), fill, edge);
    filled(p, ellipse(0, -6, 2, 7.5), inner);
    p.restore();
    outlined(p, ellipse(20, 27, 13, 10.5), fill, edge);
    dot(p, 15, 25, 1.8, Qt::black);
    dot(p, 25, 25, 1.8, Qt::black);
    filled(p, polygon({{18, 29}, {22, 29}, {20, 31}}), QColor(255, 102, 153));
    QPainterPath mouth;
    mouth.moveTo(17, 33);
    mouth.quadTo(20, 34, 20, 31);
    mouth.quadTo(20, 34, 23, 33);
    stroke(p, mouth, edge, 0.8);
    filled(p, roundedRect(18.5, 33.2, 3, 2.6, 0.5), Qt::white);
}

void drawHorse(QPainter& p) {
    outlined(p, glyph(QStringLiteral("\u265E"), QRectF(4, 3, 32, 34)), QColor(153, 102, 51),
             QColor(51, 26, 0));
}
