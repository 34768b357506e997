#include "board/cardfaces.h"
#include "cards/cardsheet.h"

#include <QFile>

#include "support/imagecompare.h"

#include <gtest/gtest.h>

namespace {

quint32 littleEndian(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(offset + i));
    return value;
}

QList<QImage> pictures(const QImage& sheet) {
    QList<QImage> cells;
    for (int motif = 1; motif <= kSheetMotifCount; ++motif)
        cells.append(sheet.copy(motifRect(motif)).convertToFormat(QImage::Format_RGB32));
    return cells;
}

TEST(BuiltInSheet, IsAnUncompressed8BitPaletteBitmapOf330Pixels) {
    QFile file(QStringLiteral(":/cards/standardsymbole.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(littleEndian(bytes, 18, 4), 330u);
    EXPECT_EQ(littleEndian(bytes, 22, 4), 330u);
    EXPECT_EQ(littleEndian(bytes, 28, 2), 8u);
    EXPECT_EQ(littleEndian(bytes, 30, 4), 0u); // no compression

    const QImage sheet = builtInSheet();
    EXPECT_EQ(sheet.format(), QImage::Format_Indexed8);
    EXPECT_EQ(sheet.size(), QSize(330, 330));
    EXPECT_EQ(sheet.colorCount(), 256);
}

TEST(BuiltInSheet, GuttersAreBlackAndTheTwoOuterColumnsAndRowsWhite) {
    const QImage sheet = builtInSheet();
    ASSERT_EQ(sheet.size(), QSize(330, 330));
    for (int gutter = 40; gutter <= 327; gutter += kSheetPitch)
        for (int along = 0; along <= 327; ++along) {
            ASSERT_EQ(sheet.pixel(gutter, along), qRgb(0, 0, 0)) << gutter << "," << along;
            ASSERT_EQ(sheet.pixel(along, gutter), qRgb(0, 0, 0)) << along << "," << gutter;
        }
    for (int edge : {328, 329})
        for (int along = 0; along < 330; ++along) {
            ASSERT_EQ(sheet.pixel(edge, along), qRgb(255, 255, 255)) << edge << "," << along;
            ASSERT_EQ(sheet.pixel(along, edge), qRgb(255, 255, 255)) << along << "," << edge;
        }
}

TEST(BuiltInSheet, EveryPictureHasAMotifUnlikeAllOthers) {
    // A picture must differ from the plain card and from every other picture in a good part
    // of its 1600 pixels, not in a stray pixel or two.
    constexpr int kClearlyDifferent = 200;
    const QList<QImage> cells = pictures(builtInSheet());
    QImage plainCard(kSheetPictureSize, kSheetPictureSize, QImage::Format_RGB32);
    plainCard.fill(cells[0].pixel(1, 1));
    for (int i = 0; i < cells.size(); ++i) {
        EXPECT_GE(differingPixels(cells[i], plainCard), kClearlyDifferent) << "motif " << i + 1;
        for (int j = i + 1; j < cells.size(); ++j)
            EXPECT_GE(differingPixels(cells[i], cells[j]), kClearlyDifferent)
                << "motifs " << i + 1 << " and " << j + 1;
    }
}

TEST(BuiltInSheet, PictureFacesShowTheirCellOfThePaletteSheet) {
    const QImage sheet = builtInSheet();
    const QList<QImage> cells = pictures(sheet);
    QImage face = makeCardImage();
    for (int motif = 1; motif <= kSheetMotifCount; ++motif) {
        drawPictureFace(face, motif, sheet);
        ASSERT_EQ(face, cells[motif - 1]) << "motif " << motif;
    }
}

TEST(SheetLayout, PicturesLieAtA41PixelPitchEightToARow) {
    const struct {
        int motif;
        QRect rect;
    } cases[] = {
        {1, {0, 0, 40, 40}},
        {8, {287, 0, 40, 40}},
        {9, {0, 41, 40, 40}},
        {64, {287, 287, 40, 40}},
        {0, {}},
        {65, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(motifRect(c.motif), c.rect) << c.motif;
}

} // namespace
