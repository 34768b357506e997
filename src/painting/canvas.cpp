#include "canvas.h"

#include <QFontMetrics>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using Span = Canvas::Span;

// Row spans of the ellipse inscribed in a width x height box: a pixel belongs to it when its
// centre lies inside or on the ellipse. Exact integer test, so equal boxes always give equal
// shapes and the shape is symmetric in both axes.
std::vector<Span> ellipseSpans(int width, int height) {
    const qint64 w2 = qint64(width) * width;
    const qint64 h2 = qint64(height) * height;
    std::vector<Span> rows(height);
    for (int j = 0; j < height; ++j) {
        const qint64 v = 2 * j + 1 - height;
        int i = 0;
        while (i <= (width - 1) / 2) {
            const qint64 u = 2 * i + 1 - width;
            if (u * u * h2 + v * v * w2 <= w2 * h2)
                break;
            ++i;
        }
        if (i <= (width - 1) / 2)
            rows[j] = {i, width - 1 - i};
    }
    return rows;
}

// The pixels of row y whose centres lie inside the polygon, by the even-odd rule. Sampling
// at centres leaves out the right and bottom edges, as with rectangles.
std::vector<Span> polygonRowSpans(const QPolygon& corners, int y) {
    const double centre = y + 0.5;
    const int n = int(corners.size());
    std::vector<double> crossings;
    for (int k = 0; k < n; ++k) {
        const QPoint a = corners[k];
        const QPoint b = corners[(k + 1) % n];
        if ((a.y() < centre) != (b.y() < centre))
            crossings.push_back(a.x() + (centre - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
    }
    std::sort(crossings.begin(), crossings.end());
    std::vector<Span> spans;
    for (size_t k = 0; k + 1 < crossings.size(); k += 2)
        spans.push_back({int(std::ceil(crossings[k] - 0.5)), int(std::ceil(crossings[k + 1] - 0.5)) - 1});
    return spans;
}

} // namespace

Canvas::Canvas(QImage& image) : painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void Canvas::fillSpan(int left, int right, int y, const QColor& colour) {
    if (left <= right)
        painter_.fillRect(QRect(left, y, right - left + 1, 1), colour);
}

void Canvas::plot(int x, int y, const QColor& colour) {
    painter_.fillRect(QRect(x, y, 1, 1), colour);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (left == right || top == bottom)
        return;
    if (brush_ && right - left > 2 && bottom - top > 2)
        painter_.fillRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2), *brush_);
    if (!pen_)
        return;
    fillSpan(left, right - 1, top, *pen_);
    fillSpan(left, right - 1, bottom - 1, *pen_);
    for (int y = top + 1; y < bottom - 1; ++y) {
        plot(left, y, *pen_);
        plot(right - 1, y, *pen_);
    }
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    fillRows(left, top, ellipseSpans(right - left, bottom - top));
}

void Canvas::roundRectangle(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int width = right - left;
    const int height = bottom - top;
    cornerWidth = std::clamp(cornerWidth, 0, width);
    cornerHeight = std::clamp(cornerHeight, 0, height);
    // The corners are the quarters of a cornerWidth x cornerHeight ellipse; the straight
    // edges between them run at full width.
    const std::vector<Span> corner = ellipseSpans(cornerWidth, cornerHeight);
    std::vector<Span> rows(height, Span{0, width - 1});
    for (int j = 0; j < cornerHeight / 2; ++j) {
        rows[j] = {corner[j].left, width - 1 - corner[j].left};
        rows[height - 1 - j] = rows[j];
    }
    fillRows(left, top, rows);
}

void Canvas::fillRows(int left, int top, const std::vector<Span>& rows) {
    const int height = int(rows.size());
    for (int j = 0; j < height; ++j) {
        const Span& row = rows[j];
        const Span above = j > 0 ? rows[j - 1] : Span{};
        const Span below = j + 1 < height ? rows[j + 1] : Span{};
        // A pixel is outline when one of its four neighbours lies outside the shape.
        const Span inner{std::max({row.left + 1, above.left, below.left}),
                         std::min({row.right - 1, above.right, below.right})};
        const int y = top + j;
        if (brush_)
            fillSpan(left + inner.left, left + inner.right, y, *brush_);
        if (!pen_)
            continue;
        if (inner.left > inner.right) {
            fillSpan(left + row.left, left + row.right, y, *pen_);
        } else {
            fillSpan(left + row.left, left + inner.left - 1, y, *pen_);
            fillSpan(left + inner.right + 1, left + row.right, y, *pen_);
        }
    }
}

void Canvas::drawLine(QPoint from, QPoint to) {
    forEachLinePixel(from, to, [this](int x, int y) { plot(x, y, *pen_); });
}

void Canvas::forEachLinePixel(QPoint from, QPoint to, const std::function<void(int, int)>& visit) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int x = from.x();
    int y = from.y();
    int error = dx - dy;
    // One step along the major axis per pixel; stopping before the last step leaves the
    // end point to whatever is drawn next from there.
    for (int step = std::max(dx, dy); step > 0; --step) {
        visit(x, y);
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x += sx;
        }
        if (twice < dx) {
            error += dx;
            y += sy;
        }
    }
}

void Canvas::lineTo(int x, int y) {
    const QPoint end(x, y);
    if (pen_)
        drawLine(position_, end);
    position_ = end;
}

void Canvas::polygon(const QPolygon& corners) {
    const int n = int(corners.size());
    if (brush_ && n >= 3) {
        if (pen_ && isConvex(corners))
            fillConvex(corners);
        else
            for (int y = corners.boundingRect().top(); y <= corners.boundingRect().bottom(); ++y)
                for (const Span& span : polygonRowSpans(corners, y))
                    fillSpan(span.left, span.right, y, *brush_);
    }
    if (!pen_ || n == 0)
        return;
    for (int k = 0; k < n; ++k)
        drawLine(corners[k], corners[(k + 1) % n]);
    if (n == 1)
        plot(corners[0].x(), corners[0].y(), *pen_);
}

bool Canvas::isConvex(const QPolygon& corners) {
    const int n = int(corners.size());
    int sign = 0;
    for (int k = 0; k < n; ++k) {
        const QPoint a = corners[(k + 1) % n] - corners[k];
        const QPoint b = corners[(k + 2) % n] - corners[(k + 1) % n];
        const qint64 cross = qint64(a.x()) * b.y() - qint64(a.y()) * b.x();
        if (cross == 0)
            continue;
        if (sign == 0)
            sign = cross > 0 ? 1 : -1;
        else if ((cross > 0 ? 1 : -1) != sign)
            return false;
    }
    return true;
}

// An outlined convex polygon is filled on each row from its leftmost to its rightmost pixel,
// counting the pixels of its outline: a thin slanted shape would otherwise keep holes between
// its edges, where neither a pixel centre lies inside nor an edge line passes.
void Canvas::fillConvex(const QPolygon& corners) {
    const QRect bounds = corners.boundingRect();
    std::vector<Span> rows(size_t(bounds.height()), Span{INT_MAX, INT_MIN});
    const auto widen = [&](int x, int y) {
        Span& row = rows[size_t(y - bounds.top())];
        row.left = std::min(row.left, x);
        row.right = std::max(row.right, x);
    };
    for (int y = bounds.top(); y <= bounds.bottom(); ++y)
        for (const Span& span : polygonRowSpans(corners, y)) {
            widen(span.left, y);
            widen(span.right, y);
        }
    for (int k = 0; k < int(corners.size()); ++k)
        forEachLinePixel(corners[k], corners[(k + 1) % corners.size()], widen);
    for (int y = bounds.top(); y <= bounds.bottom(); ++y)
        fillSpan(rows[size_t(y - bounds.top())].left, rows[size_t(y - bounds.top())].right, y, *brush_);
}

void Canvas::setFont(const QFont& font) {
    painter_.setFont(font);
}

QSize Canvas::textExtent(const QString& text) const {
    const QFontMetrics metrics = painter_.fontMetrics();
    return {metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()};
}

void Canvas::textOut(int x, int y, const QString& text) {
    painter_.setPen(textColour_);
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), text);
}
