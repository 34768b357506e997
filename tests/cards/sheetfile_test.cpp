#include "cards/cardsheet.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

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
