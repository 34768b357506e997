#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <initializer_list>

// Small helpers the motifs are drawn with. Every motif draws into a 40 x 40 cell whose
// top-left corner is the painter's origin, antialiased, on a white card.
namespace art {

// Loads the font the glyph motifs are cut from; false when it is not installed.
bool loadGlyphFont();

QPainterPath circle(qreal cx, qreal cy, qreal r);
QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal radius);
QPainterPath polygon(std::initializer_list<QPointF> points);

// A star of `points` points between the radii `outer` and `inner`; the first point lies
// `turn` degrees clockwise from east (-90: straight up).
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal turn = -90);

// The glyph's outline scaled to fit `box` (aspect kept) and centred in it.
QPainterPath glyph(const QString& text, const QRectF& box);

// Fills `path` and draws its outline one pixel wide (or `width`), the sticker look that
// keeps small shapes readable on a white card.
void outlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& line,
              qreal width = 1.0);
void filled(QPainter& painter, const QPainterPath& path, const QColor& fill);
void stroke(QPainter& painter, const QPainterPath& path, const QColor& line, qreal width);
void line(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width);
void dot(QPainter& painter, qreal cx, qreal cy, qreal r, const QColor& colour);

} // namespace art
