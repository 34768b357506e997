#include "highscoredrawing.h"

#include "board/canvas.h"
#include "board/fonts.h"
#include "highscoretable.h"

#include <QCoreApplication>
#include <QDate>

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
    for (const int base : {0, 280}) {
        canvas.textOut(base + 20, 10, QCoreApplication::translate("HighScoreDrawing", "Rang"));
        canvas.textOut(base + 60, 10, QCoreApplication::translate("HighScoreDrawing", "Name"));
        canvas.textOut(base + 150, 10, QCoreApplication::translate("HighScoreDrawing", "Punkte"));
        canvas.textOut(base + 200, 10, QCoreApplication::translate("HighScoreDrawing", "Datum"));
    }
}

void drawRanks(Canvas& canvas, const HighScoreTable& table) {
    canvas.setFont(arialFont(12));
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 15; ++row) {
            const int rank = 15 * column + row + 1;
            const int base = 280 * column;
            const int y = 30 + 20 * row;
            const HighScoreEntry& entry = table.entry(rank);
            canvas.textOut(base + 20, y, QString::number(rank) + QLatin1Char('.'));
            canvas.textOut(base + 60, y, shownName(entry));
            canvas.textOut(base + 150, y, QString::number(entry.points));
            canvas.textOut(base + 200, y, shownDate(entry));
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
