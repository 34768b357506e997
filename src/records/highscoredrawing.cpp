#include "highscoredrawing.h"

#include "highscoretable.h"
#include "painting/canvas.h"
#include "painting/fonts.h"

#include <QCoreApplication>
#include <QDate>

#include <array>

namespace {

// numerator / denominator rounded to the nearest integer, halves to the even neighbour.
int roundHalfEven(qint64 numerator, qint64 denominator) {
    const qint64 quotient = numerator / denominator;
    const qint64 twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        return static_cast<int>(quotient + 1);
    return static_cast<int>(quotient);
}

void drawGradient(Canvas& canvas, int width, int height) {
    for (int i = 0; i <= 255; ++i) {
        const QColor colour(255, 0, i);
        canvas.setPen(colour);
        canvas.setBrush(colour);
        canvas.rectangle(0, roundHalfEven(qint64(height) * i, 256), width,
                         roundHalfEven(qint64(height) * (i + 1), 256));
    }
}

// Where the columns start, from the left edge of each half; the halves are 280 apart.
constexpr std::array<int, 4> kColumnStarts{20, 60, 150, 200};
constexpr int kHalfWidth = 280;
constexpr int kColumnEnd = 280; // the date runs up to the next half
constexpr int kRanksPerHalf = 15;
constexpr int kHeadingTop = 10;
constexpr int kHeadingHeight = 17;
constexpr int kFirstRowTop = 30;
constexpr int kRowHeight = 20;

QPoint cellOrigin(int rank, int column) {
    const int half = (rank - 1) / kRanksPerHalf;
    const int row = (rank - 1) % kRanksPerHalf;
    return {kHalfWidth * half + kColumnStarts[column], kFirstRowTop + kRowHeight * row};
}

int columnWidth(int column) {
    return (column + 1 < 4 ? kColumnStarts[column + 1] : kColumnEnd) - kColumnStarts[column];
}

// A rank nobody has reached yet, as the file keeps it: "Unbelegt", "00.00.0000", 0 points.
bool isUnused(const HighScoreEntry& entry) {
    static const HighScoreEntry unused = HighScoreTable().entry(1);
    return entry == unused;
}

QString shownName(const HighScoreEntry& entry) {
    return isUnused(entry) ? QCoreApplication::translate("HighScoreDrawing", "Unbelegt") : entry.name;
}

// The file keeps dates as "dd.MM.yyyy"; the player reads them in the program's language. A
// date that does not read back exactly as stored is shown as stored.
QString shownDate(const HighScoreEntry& entry) {
    if (isUnused(entry))
        return QCoreApplication::translate("HighScoreDrawing", "00.00.0000", "no date");
    const QString storedFormat = QStringLiteral("dd.MM.yyyy");
    const QDate date = QDate::fromString(entry.date, storedFormat);
    if (!date.isValid() || date.toString(storedFormat) != entry.date)
        return entry.date;
    return date.toString(QCoreApplication::translate("HighScoreDrawing", "dd.MM.yyyy", "date format"));
}

void drawHeadings(Canvas& canvas) {
    canvas.setFont(arialFont(10));
    const QStringList headings = highScoreHeadings();
    for (const int base : {0, kHalfWidth})
        for (int column = 0; column < 4; ++column)
            canvas.textOut(base + kColumnStarts[column], kHeadingTop, headings[column]);
}

void drawRanks(Canvas& canvas, const HighScoreTable& table) {
    canvas.setFont(arialFont(12));
    for (int rank = 1; rank <= HighScoreTable::kShownRanks; ++rank) {
        const QStringList texts = highScoreRowTexts(table, rank);
        for (int column = 0; column < 4; ++column) {
            const QPoint at = cellOrigin(rank, column);
            canvas.textOut(at.x(), at.y(), texts[column]);
        }
    }
}

} // namespace

void drawHighScoreTable(QImage& image, const HighScoreTable& table) {
    const int width = image.width();
    const int height = image.height();
    Canvas canvas(image);
    drawGradient(canvas, width, height);

    canvas.setNoBrush();
    canvas.setPen(Qt::black);
    canvas.moveTo(290, 0);
    canvas.lineTo(290, height);
    canvas.moveTo(0, 27);
    canvas.lineTo(width, 27);

    canvas.setTextColor(Qt::black);
    drawHeadings(canvas);
    drawRanks(canvas, table);
}

QStringList highScoreHeadings() {
    return {QCoreApplication::translate("HighScoreDrawing", "Rang"),
            QCoreApplication::translate("HighScoreDrawing", "Name"),
            QCoreApplication::translate("HighScoreDrawing", "Punkte"),
            QCoreApplication::translate("HighScoreDrawing", "Datum")};
}

QStringList highScoreRowTexts(const HighScoreTable& table, int rank) {
    const HighScoreEntry& entry = table.entry(rank);
    return {QString::number(rank) + QLatin1Char('.'), shownName(entry), QString::number(entry.points),
            shownDate(entry)};
}

QRect highScoreHeadingRect(int column) {
    return {kColumnStarts[column], kHeadingTop, columnWidth(column), kHeadingHeight};
}

QRect highScoreCellRect(int rank, int column) {
    return {cellOrigin(rank, column), QSize(columnWidth(column), kRowHeight)};
}
