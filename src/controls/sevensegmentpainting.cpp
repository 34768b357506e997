#include "sevensegmentpainting.h"

#include "painting/canvas.h"

#include <QPolygon>

#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

enum Segment { a, b, c, d, e, f, g };

// Corners of the segments a..g of the leftmost digit in design units (y downwards).
constexpr int kCorners[7][4][2] = {
    {{51, 20}, {76, 20}, {75, 26}, {50, 26}},   // a, top
    {{81, 22}, {89, 22}, {82, 58}, {74, 58}},   // b, upper right
    {{73, 64}, {81, 64}, {75, 98}, {67, 98}},   // c, lower right
    {{39, 95}, {63, 95}, {62, 101}, {38, 101}}, // d, bottom
    {{31, 64}, {39, 64}, {34, 98}, {26, 98}},   // e, lower left
    {{38, 22}, {46, 22}, {40, 58}, {32, 58}},   // f, upper left
    {{44, 58}, {69, 58}, {68, 64}, {43, 64}},   // g, middle
};

// Segments a..g lit by each digit.
constexpr std::array<const char*, 10> kDigitPatterns = {
    "1111110", "0110000", "1101101", "1111001", "0110011",
    "1011011", "1011111", "1110000", "1111111", "1111011",
};

const QColor kUnlit(70, 70, 70);

// Cuts towards zero; values no int can hold (or NaN) count as 0 rather than overflow.
int truncated(double value) {
    return std::isfinite(value) && std::abs(value) < double(INT_MAX) ? int(value) : 0;
}

class SegmentPainter {
public:
    SegmentPainter(QImage& image, double scale) : canvas_(image), scale_(scale) {}

    void setColour(const QColor& colour) {
        canvas_.setPen(colour);
        canvas_.setBrush(colour);
    }

    void clear(QSize size) {
        setColour(Qt::black);
        canvas_.rectangle(0, 0, size.width(), size.height());
    }

    void segment(int position, int which) {
        const int left = truncated(scale_ * 60 * (position - 1));
        const int top = -truncated(scale_ * 5);
        QPolygon corners;
        for (const auto& corner : kCorners[which])
            corners << QPoint(left + truncated(scale_ * corner[0]), top + truncated(scale_ * corner[1]));
        canvas_.polygon(corners);
    }

    // Lights the segments marked '1' in the seven characters from `from` on.
    void pattern(int position, const QString& marks, qsizetype from) {
        for (int which = a; which <= g; ++which)
            if (from + which < marks.size() && marks[from + which] == QLatin1Char('1'))
                segment(position, which);
    }

private:
    Canvas canvas_;
    double scale_;
};

void lightValue(SegmentPainter& painter, const SevenSegmentLook& look) {
    QString text = QString::number(std::llabs(qint64(look.value)));
    if (text.size() < look.digits)
        text = QString(look.digits - text.size(), QLatin1Char('0')) + text;
    bool significant = false;
    for (int position = 1; position <= look.digits; ++position) {
        const QChar digit = text[position - 1];
        significant = significant || digit != QLatin1Char('0');
        if (significant || !look.skipLeadingZeros || position == look.digits)
            painter.pattern(position, QLatin1String(kDigitPatterns[size_t(digit.digitValue())]), 0);
    }
}

} // namespace

QSize sevenSegmentSize(float scale, int digits) {
    const QSize size(truncated(double(scale) * 60 * (digits + 0.8)), truncated(double(scale) * 116));
    return size.isEmpty() ? QSize() : size;
}

QImage paintSevenSegments(const SevenSegmentLook& look) {
    const QSize size = sevenSegmentSize(look.scale, look.digits);
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    {
        SegmentPainter painter(image, look.scale);
        painter.clear(size);
        painter.setColour(kUnlit);
        for (int position = 1; position <= look.digits; ++position)
            for (int which = a; which <= g; ++which)
                painter.segment(position, which);
        painter.setColour(look.litColour);
        if (!look.demo)
            lightValue(painter, look);
        else
            for (int position = 1; position <= look.digits; ++position)
                painter.pattern(position, look.demoPattern, 7 * (position - 1));
        if (look.value < 0)
            painter.segment(1, g);
    }
    return image;
}

QString sevenSegmentDemoFrame(int frame) {
    // Frames 1..8 run a light round the outside of both digits, 9..16 repeat them, then the
    // digits flash, show their bars and run a light round each digit in turn.
    static const std::array<const char*, 39> kFrames = {
        "10000000000000", "00000001000000", "00000000100000", "00000000010000", "00000000001000",
        "00010000000000", "00001000000000", "00000100000000", "10000000000000", "00000001000000",
        "00000000100000", "00000000010000", "00000000001000", "00010000000000", "00001000000000",
        "00000100000000", "11111111111111", "00000000000000", "11111111111111", "00000000000000",
        "10010011001001", "01101100110110", "00000000000000", "00000000000000", "00000100000000",
        "00001000000000", "00010000000000", "00100000000000", "01000000000000", "00000000000010",
        "00000000000100", "00000000001000", "00000000010000", "00000000100000", "11111111111111",
        "00000000000000", "11111111111111", "00000000000000", "00000000000000",
    };
    return frame >= 1 && frame <= 39 ? QLatin1String(kFrames[size_t(frame - 1)]) : QString();
}
