#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Draws on a QImage with the raster rules the game's pictures were designed for:
// - a rectangle or ellipse with bounds (left, top)-(right, bottom) covers left..right-1 and
//   top..bottom-1; its one-pixel outline in the pen colour lies just inside those bounds and
//   its interior is in the brush colour;
// - a line covers its start point but not its end point; lineTo continues from the last end;
// - a polygon is filled where pixel centres lie inside (even-odd) and outlined by lines
//   through all its corners, so the corners themselves are covered; an outlined convex
//   polygon has no holes between its outline and its fill, however thin it is;
// - text is placed by the top-left corner of its cell and drawn without a background.
// Shapes are never antialiased. Without a pen the outline pixels are left alone, without a
// brush the interior is. The canvas paints on the image for its whole lifetime, so it should
// be gone before the image is painted or shown elsewhere.
class Canvas {
public:
    // The pixels left..right of one row of a shape, relative to its bounds.
    struct Span {
        int left = 0;
        int right = -1; // inclusive; right < left means empty
    };

    explicit Canvas(QImage& image);

    void setPen(const QColor& colour) { pen_ = colour; }
    void setNoPen() { pen_.reset(); }
    void setBrush(const QColor& colour) { brush_ = colour; }
    void setNoBrush() { brush_.reset(); }

    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    // A rectangle whose corners are quarters of a cornerWidth x cornerHeight ellipse.
    void roundRectangle(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void moveTo(int x, int y) { position_ = {x, y}; }
    void lineTo(int x, int y);
    void polygon(const QPolygon& corners);

    void setFont(const QFont& font);
    void setTextColor(const QColor& colour) { textColour_ = colour; }
    // Advance width and cell height (ascent + descent) of the text in the current font.
    QSize textExtent(const QString& text) const;
    void textOut(int x, int y, const QString& text);

private:
    void fillSpan(int left, int right, int y, const QColor& colour);
    void plot(int x, int y, const QColor& colour);
    void fillRows(int left, int top, const std::vector<Span>& rows);
    void drawLine(QPoint from, QPoint to);
    void fillConvex(const QPolygon& corners);
    static bool isConvex(const QPolygon& corners);
    static void forEachLinePixel(QPoint from, QPoint to, const std::function<void(int, int)>& visit);

    QPainter painter_;
    std::optional<QColor> pen_ = QColor(Qt::black);
    std::optional<QColor> brush_ = QColor(Qt::white);
    QPoint position_;
    QColor textColour_ = Qt::black;
};
