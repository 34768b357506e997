#include "cards/cardsheet.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QImage sixteenColourImage(int width, int height) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 16; ++i)
        palette.append(qRgb(16 * i, 255 - 16 * i, (40 * i) % 256));
    image.setColorTable(palette);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x * 3 + y) % 16);
    return image;
}

QImage trueColourImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return image;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray encoded(const QImage& image, const char* format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return buffer.data();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray withU32(QByteArray bytes, int at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

// A 4 x 2 run-length encoded 8-bit bitmap whose codes fill the bottom row with colour 1 and
// end before the top row; `codeBytes` is the compressed size the header states.
QByteArray runLengthBitmap(quint32 codeBytes) {
    const QByteArray palette = QByteArray::fromHex("0000ff00"
                                                   "00ff0000");
    const QByteArray codes = QByteArray::fromHex("0401"
                                                 "0000"
                                                 "0001");
    QByteArray bytes = QByteArray("BM") + QByteArray(12, '\0') + QByteArray(40, '\0') + palette + codes;
    bytes = withU32(bytes, 2, quint32(bytes.size()));
    bytes = withU32(bytes, 10, 14 + 40 + quint32(palette.size()));
    bytes = withU32(bytes, 14, 40);
    bytes = withU32(bytes, 18, 4);
    bytes = withU32(bytes, 22, 2);
    bytes = withU32(bytes, 26, 1 | (8 << 16)); // one plane, 8 bits per pixel
    bytes = withU32(bytes, 30, 1);             // run-length encoded, 8 bits
    bytes = withU32(bytes, 34, codeBytes);
    return withU32(bytes, 46, 2);
}

TEST(SheetFile, ReadsAnyBitmapWhateverItsNameKeepingSizeFormatAndPalette) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QImage image;
    } cases[] = {
        {"Tiere.pbd", trueColourImage(330, 330)},
        {"Tiere.PBD", sixteenColourImage(50, 20)},
        {"urlaub.bmp", builtInSheet()},
        {"ohne Endung", trueColourImage(12, 400)},
        {"sommer.png", sixteenColourImage(41, 41)},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        writeBytes(path, encoded(c.image, "bmp"));
        const std::optional<QImage> sheet = readSheetFile(path);
        ASSERT_TRUE(sheet.has_value()) << c.name;
        EXPECT_EQ(*sheet, c.image) << c.name;
    }
}

TEST(SheetFile, RefusesFilesThatAreNoBitmapWithAReason) {
    QTemporaryDir dir;
    QByteArray hugeHeader = encoded(trueColourImage(4, 4), "bmp");
    hugeHeader.replace(18, 8, QByteArray::fromHex("a0860100a0860100")); // 100000 x 100000
    QByteArray truncated = encoded(trueColourImage(4, 4), "bmp").left(20);
    const struct {
        const char* name;
        std::optional<QByteArray> bytes; // nothing: the file does not exist
    } cases[] = {
        {"fehlt.pbd", std::nullopt},
        {"leer.pbd", QByteArray()},
        {"text.pbd", QByteArray("Kartensymbole\r\n")},
        {"foto.pbd", encoded(trueColourImage(40, 40), "png")},
        {"riesig.pbd", hugeHeader},
        {"riesig, Lauflänge.pbd", withU32(withU32(runLengthBitmap(6), 18, 60000), 22, 60000)},
        {"abgeschnitten.pbd", truncated},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        if (c.bytes)
            writeBytes(path, *c.bytes);
        QString error;
        EXPECT_FALSE(readSheetFile(path, &error).has_value()) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
    EXPECT_FALSE(readSheetFile(QString()).has_value());
}

TEST(SheetFile, AFileWithLessPixelDataThanItsHeaderStatesIsRefused) {
    QTemporaryDir dir;
    const QByteArray sheet = encoded(builtInSheet(), "bmp");
    const QByteArray trueColour = encoded(trueColourImage(40, 40), "bmp");
    const QByteArray sixteen = encoded(sixteenColourImage(41, 41), "bmp");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"erste Hälfte.pbd", sheet.left(sheet.size() / 2)},
        {"Versatz hinter dem Ende.pbd", withU32(sheet, 10, quint32(sheet.size()))},
        {"ein Byte zu kurz.pbd", trueColour.chopped(1)},
        {"letzte Zeile fehlt.pbd", sixteen.chopped(24)},
        {"Lauflänge gekürzt.pbd", runLengthBitmap(8).chopped(2)},
        {"Lauflänge ohne Größe.pbd", runLengthBitmap(0)},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        writeBytes(path, c.bytes);
        QString error;
        EXPECT_FALSE(readSheetFile(path, &error).has_value()) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }

    // Skipped by its codes, the top row of a complete run-length file takes the first colour.
    const QString path = dir.filePath(QStringLiteral("Lauflänge.pbd"));
    writeBytes(path, runLengthBitmap(6));
    const std::optional<QImage> picture = readSheetFile(path);
    ASSERT_TRUE(picture.has_value());
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(picture->pixel(x, 0), qRgb(255, 0, 0)) << x;
        EXPECT_EQ(picture->pixel(x, 1), qRgb(0, 255, 0)) << x;
    }
}

// The last row's padding holds no pixel; some writers leave it out.
TEST(SheetFile, AFileLackingOnlyTheLastRowsPaddingIsReadWhole) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QImage image;
        int padding;
    } cases[] = {
        {"24 Bit.pbd", trueColourImage(331, 329), 3},
        {"16 Farben.pbd", sixteenColourImage(41, 41), 3},
        {"256 Farben.pbd", builtInSheet(), 2},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = encoded(c.image, "bmp");
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        writeBytes(path, bytes.chopped(c.padding));
        const std::optional<QImage> sheet = readSheetFile(path);
        ASSERT_TRUE(sheet.has_value()) << c.name;
        EXPECT_EQ(*sheet, c.image) << c.name << ": the top row is the file's last";

        writeBytes(path, bytes.chopped(c.padding + 1));
        EXPECT_FALSE(readSheetFile(path).has_value()) << c.name << " without a pixel byte";
    }
}

TEST(SheetFile, ColourNumbersBeyondAShortPaletteShowBlackWithoutWarnings) {
    QTemporaryDir dir;
    QImage image(41, 41, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 20; ++i)
        palette.append(qRgb(200, 10 * i, 255 - 10 * i));
    image.setColorTable(palette);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + 2 * y) % 20);
    // The header now speaks of 4 colours; the pixel data stay where the offset says.
    const QByteArray bytes = withU32(encoded(image, "bmp"), 46, 4);
    ASSERT_EQ(bytes.at(28), 8);
    const QString path = dir.filePath(QStringLiteral("kurze Palette.pbd"));
    writeBytes(path, bytes);

    static int warnings = 0;
    warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString&) { warnings += type != QtDebugMsg; });
    const std::optional<QImage> sheet = readSheetFile(path);
    QImage expected = image.convertToFormat(QImage::Format_RGB32);
    if (sheet) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelIndex(x, y) >= 4)
                    expected.setPixel(x, y, qRgb(0, 0, 0));
        EXPECT_EQ(sheet->convertToFormat(QImage::Format_RGB32), expected);
        int differing = 0;
        for (int y = 0; y < sheet->height(); ++y)
            for (int x = 0; x < sheet->width(); ++x)
                differing += sheet->pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differing, 0);
    }
    qInstallMessageHandler(previous);
    ASSERT_TRUE(sheet.has_value());
    EXPECT_EQ(sheet->colorTable().mid(0, 4), palette.mid(0, 4));
    EXPECT_EQ(warnings, 0);
}

TEST(SheetFile, AnEightBitSheetIsWrittenAtEightBitsAndReadsBackIdentical) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eigene.pbd"));
    const QImage sheet = builtInSheet();
    ASSERT_TRUE(writeSheetFile(sheet, path));
    const QByteArray bytes = fileBytes(path);
    ASSERT_GE(bytes.size(), 30);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<int>(bytes.at(28)), 8);
    const std::optional<QImage> back = readSheetFile(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, sheet);
}

TEST(SheetFile, AFailedWriteLeavesTheOldFileAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.pbd"));
    ASSERT_TRUE(writeSheetFile(trueColourImage(30, 30), path));
    const QByteArray before = fileBytes(path);

    QString error;
    EXPECT_FALSE(writeSheetFile(QImage(), path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(writeSheetFile(builtInSheet(), dir.filePath(QStringLiteral("fehlt/neu.pbd")), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
