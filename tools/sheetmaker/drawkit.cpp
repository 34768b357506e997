#include "drawkit.h"

#include <QFile>
#include <QFontDatabase>
#include <QtMath>

namespace art {

namespace {
QString glyphFamily;
} // namespace

bool loadGlyphFont() {
    const QString file = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return false;
    glyphFamily = families.first();
    return true;
}

QPainterPath circle(qreal cx, qreal cy, qreal r) {
    return ellipse(cx, cy, r, r);
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal turn) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(turn + 180.0 * i / points);
        const QPointF point = centre + QPointF(r * qCos(angle), r * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath glyph(const QString& text, const QRectF& box) {
    QFont font(glyphFamily);
    font.setPixelSize(200);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF bounds = raw.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(raw);
}

void outlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& line,
              qreal width) {
    painter.fillPath(path, fill);
    stroke(painter, path, line, width);
}

void filled(QPainter& painter, const QPainterPath& path, const QColor& fill) {
    painter.fillPath(path, fill);
}

void stroke(QPainter& painter, const QPainterPath& path, const QColor& line, qreal width) {
    painter.strokePath(path, QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void line(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
}

void dot(QPainter& painter, qreal cx, qreal cy, qreal r, const QColor& colour) {
    painter.fillPath(circle(cx, cy, r), colour);
}

} // namespace art
