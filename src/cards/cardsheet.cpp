#include "cardsheet.h"

#include "bmplayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>

namespace {

const char kBmpFormat[] = "bmp";

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

// Run-length codes may skip pixels, and the reader leaves skipped pixels unwritten: it decodes
// into a blank picture of the right size instead, so they keep the palette's first colour.
std::optional<QImage> decodeBitmap(QImageReader& reader, const BmpLayout& layout, QString* error) {
    QImage image;
    const uchar* blank = nullptr;
    if (layout.runLengthEncoded) {
        // Made before the reader could check the size against its memory limit, so checked here.
        const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
        if (limit > 0 && qint64(layout.size.width()) * layout.size.height() > limit) {
            setError(error, QCoreApplication::translate("CardSheet", "Das Bild ist zu groß."));
            return std::nullopt;
        }
        image = QImage(layout.size, QImage::Format_Indexed8);
        if (image.isNull()) {
            setError(error,
                     QCoreApplication::translate("CardSheet", "Für das Bild ist nicht genug Speicher frei."));
            return std::nullopt;
        }
        image.fill(0);
        blank = image.constBits();
    }
    if (!reader.read(&image) || image.isNull()) {
        setError(error, reader.errorString());
        return std::nullopt;
    }
    // Only a reader that filled the blank picture is known to have left no pixel undefined.
    if (blank && image.constBits() != blank) {
        setError(error, QCoreApplication::translate("CardSheet",
                                                    "Die lauflängenkodierten Bilddaten sind nicht lesbar."));
        return std::nullopt;
    }
    return image;
}

int highestColourIndex(const QImage& image) {
    if (image.format() != QImage::Format_Indexed8) {
        // A one-bit picture: only colour 1 can be missing.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelIndex(x, y) != 0)
                    return 1;
        return 0;
    }
    int highest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        highest = std::max<int>(highest, *std::max_element(row, row + image.width()));
    }
    return highest;
}

// A palette shorter than the colour numbers the pixels use would leave those pixels without a
// colour; they show black, as Qt's own conversions show them.
void completePalette(QImage& image) {
    const int known = image.colorCount();
    if (known == 0 || known >= (1 << image.depth()))
        return;
    const int needed = highestColourIndex(image) + 1;
    if (needed <= known)
        return;
    image.setColorCount(needed);
    for (int index = known; index < needed; ++index)
        image.setColor(index, qRgb(0, 0, 0));
}

// Qt's reader leaves out a row it cannot read whole. A file that ends within the last row's
// padding (only a few bytes short) is read from a copy in `padded` that has it.
void supplyLastRowPadding(QImageReader& reader, QFile& file, const BmpLayout& layout, QBuffer& padded) {
    if (layout.pixelDataEnd() <= file.size())
        return;
    file.seek(0);
    padded.setData(file.readAll().leftJustified(layout.pixelDataEnd(), '\0'));
    padded.open(QIODevice::ReadOnly);
    reader.setDevice(&padded);
}

} // namespace

QString builtInSheetMarker() {
    return QStringLiteral("*** Standardsymbole ***");
}

QString shownBuiltInSheetMarker() {
    return QCoreApplication::translate("CardSheet", "*** Standardsymbole ***");
}

bool isBuiltInSheetMarker(const QString& source) {
    return source == builtInSheetMarker() || source == shownBuiltInSheetMarker();
}

QImage builtInSheet() {
    QImageReader reader(QStringLiteral(":/cards/standardsymbole.bmp"), kBmpFormat);
    return reader.read();
}

QRect motifRect(int motif) {
    if (motif < 1 || motif > kSheetMotifCount)
        return {};
    const int cell = motif - 1;
    return {kSheetPitch * (cell % kSheetColumns), kSheetPitch * (cell / kSheetColumns), kSheetPictureSize,
            kSheetPictureSize};
}

std::optional<QImage> readSheetFile(const QString& fileName, QString* error) {
    // Checked first: Qt's reader only complains about a missing file on the console.
    if (!QFileInfo(fileName).isFile()) {
        setError(error, QCoreApplication::translate("CardSheet", "Die Datei gibt es nicht."));
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    // The format is fixed so that any name works (".pbd" has no reader, ".png" another one)
    // and a picture of another kind under a sheet's name is refused.
    QImageReader reader(&file, kBmpFormat);
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        setError(error, reader.errorString());
        return std::nullopt;
    }
    const std::optional<BmpLayout> layout = bmpLayout(file.peek(kBmpHeadSize));
    if (!layout) {
        setError(error,
                 QCoreApplication::translate(
                     "CardSheet", "Der Kopf der Bilddatei ist beschädigt oder wird nicht unterstützt."));
        return std::nullopt;
    }
    if (layout->pixelsEnd() > file.size()) {
        setError(error, QCoreApplication::translate(
                            "CardSheet", "Die Datei enthält weniger Bilddaten, als ihr Kopf angibt."));
        return std::nullopt;
    }
    QBuffer padded;
    supplyLastRowPadding(reader, file, *layout, padded);
    std::optional<QImage> sheet = decodeBitmap(reader, *layout, error);
    if (!sheet)
        return std::nullopt;
    completePalette(*sheet);
    return sheet;
}

bool writeSheetFile(const QImage& sheet, const QString& fileName, QString* error) {
    if (sheet.isNull()) {
        setError(error, QCoreApplication::translate("CardSheet", "Es gibt kein Bild zum Speichern."));
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    QImageWriter writer(&file, kBmpFormat);
    if (!writer.write(sheet)) {
        setError(error, writer.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
