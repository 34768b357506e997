#include "cards/cardeditorstate.h"
#include "cards/cardsheet.h"
#include "cards/sheetediting.h"
#include "cards/zoomview.h"

#include <QList>
#include <QSet>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels differingPixels(const QImage& before, const QImage& after) {
    Pixels differing;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                differing.insert({x, y});
    return differing;
}

// The centre of picture pixel (x, y) in the zoom view.
QPoint zoomAt(int x, int y) {
    return {8 * x + 4, 8 * y + 4};
}

// A true-colour sheet whose pixels all differ from the editor's starting colours.
QImage gradientSheet() {
    QImage sheet(330, 330, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    return sheet;
}

// Paints in red on the gradient sheet.
CardEditorState redPainter() {
    CardEditorState state;
    state.setSheet(gradientSheet());
    state.selectSlot(3);
    return state;
}

TEST(ZoomView, EveryPicturePixelIsASevenPixelSquareInsideAGreyGrid) {
    QImage picture(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgb(6 * x, 6 * y, 255 - 6 * x));
    QImage zoom = makeZoomView();
    drawZoomView(picture, zoom);

    ASSERT_EQ(zoom.size(), QSize(321, 321));
    const QRgb grey = qRgb(128, 128, 128);
    for (int line = 0; line <= 320; line += 8)
        for (int along = 0; along <= 320; ++along) {
            ASSERT_EQ(zoom.pixel(line, along), grey) << "column " << line << " at " << along;
            ASSERT_EQ(zoom.pixel(along, line), grey) << "row " << line << " at " << along;
        }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            for (int inside : {1, 4, 7}) {
                ASSERT_EQ(zoom.pixel(8 * x + inside, 8 * y + 1), picture.pixel(x, y)) << x << "," << y;
                ASSERT_EQ(zoom.pixel(8 * x + 1, 8 * y + inside), picture.pixel(x, y)) << x << "," << y;
            }
}

TEST(CardEditorState, APressPaintsExactlyOnePixelOfThePreviewAndTheSheet) {
    CardEditorState state = redPainter();
    ASSERT_TRUE(state.selectCard(10));
    const QImage previewBefore = state.preview();
    const QImage sheetBefore = state.sheet();

    state.press(zoomAt(5, 7) + QPoint(3, -3));
    state.release();

    EXPECT_EQ(differingPixels(previewBefore, state.preview()), (Pixels{{5, 7}}));
    EXPECT_EQ(state.preview().pixel(5, 7), state.currentColour().rgb());
    const QPoint onSheet = motifRect(10).topLeft() + QPoint(5, 7);
    EXPECT_EQ(differingPixels(sheetBefore, state.sheet()), (Pixels{{onSheet.x(), onSheet.y()}}));
    EXPECT_EQ(state.zoomView().pixel(8 * 5 + 4, 8 * 7 + 4), state.currentColour().rgb());
}

TEST(CardEditorState, ADragLeavesOutThePixelWhereTheMouseStoppedUntilItMovesOn) {
    CardEditorState state = redPainter();
    const QImage before = state.preview();

    state.press(zoomAt(2, 2));
    state.move(zoomAt(6, 2));
    EXPECT_EQ(differingPixels(before, state.preview()), (Pixels{{2, 2}, {3, 2}, {4, 2}, {5, 2}}));

    state.move(zoomAt(6, 5));
    EXPECT_EQ(differingPixels(before, state.preview()),
              (Pixels{{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {6, 3}, {6, 4}}));

    state.release();
    EXPECT_FALSE(state.move(zoomAt(20, 20)));
    EXPECT_EQ(differingPixels(before, state.preview()).size(), 7u) << "no painting after the release";
}

TEST(CardEditorState, ThePixelColumnBeyondThePictureChangesNothing) {
    CardEditorState state = redPainter();
    const QImage preview = state.preview();
    const QImage sheet = state.sheet();
    for (const QPoint at : {QPoint(320, 100), QPoint(100, 320), QPoint(320, 320)}) {
        state.press(at);
        state.release();
        EXPECT_EQ(state.preview(), preview) << at.x() << "," << at.y();
        EXPECT_EQ(state.sheet(), sheet) << at.x() << "," << at.y();
    }
}

TEST(CardEditorState, ThePipetteFillsOnlyTheCurrentSlot) {
    CardEditorState state;
    state.setSheet(gradientSheet());
    QList<QColor> before;
    for (int slot = 1; slot <= 5; ++slot)
        before.append(state.slotColour(slot));
    const QImage preview = state.preview();
    const QColor picked = QColor::fromRgb(preview.pixel(20, 20));

    state.selectSlot(3);
    state.setTool(EditorTool::Pipette);
    state.press(zoomAt(20, 20));
    state.move(zoomAt(21, 20));

    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(state.slotColour(slot), slot == 3 ? picked : before[slot - 1]) << "slot " << slot;
    EXPECT_EQ(state.currentColour(), picked);
    EXPECT_EQ(state.preview(), preview) << "picking does not paint";
}

TEST(CardEditorState, AReplacedPictureCoversItsSquareWithTheGutterRightAndBelow) {
    CardEditorState state;
    ASSERT_TRUE(state.selectCard(8));
    const QList<QRgb> palette = state.sheet().colorTable();
    const QRgb topLeft = palette[10], topRight = palette[20], bottomLeft = palette[30],
               bottomRight = palette[40];
    ASSERT_EQ(QSet<QRgb>({topLeft, topRight, bottomLeft, bottomRight, state.sheet().pixel(327, 0)}).size(), 5)
        << "the test needs four colours that differ from each other and from the gutter";
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, topLeft);
    picture.setPixel(1, 0, topRight);
    picture.setPixel(0, 1, bottomLeft);
    picture.setPixel(1, 1, bottomRight);
    const QImage sheetBefore = state.sheet();

    ASSERT_TRUE(state.replaceCurrentPicture(picture));

    const QImage& sheet = state.sheet();
    // Where the stretch switches from one source pixel to the next is the scaler's business;
    // the gutters take the picture's right column and bottom row.
    for (int i = 0; i <= 40; ++i) {
        const QRgb column = sheet.pixel(327, i);
        const QRgb row = sheet.pixel(287 + i, 40);
        ASSERT_TRUE(column == topRight || column == bottomRight) << "gutter column at y " << i;
        ASSERT_TRUE(row == bottomLeft || row == bottomRight) << "gutter row at x " << 287 + i;
    }
    EXPECT_EQ(sheet.pixel(327, 0), topRight);
    EXPECT_EQ(sheet.pixel(327, 40), bottomRight);
    EXPECT_EQ(sheet.pixel(287, 40), bottomLeft);
    EXPECT_EQ(sheet.pixel(287, 0), topLeft);
    for (const QPoint outside : {QPoint(286, 0), QPoint(328, 0), QPoint(287, 41), QPoint(328, 41)})
        EXPECT_EQ(sheet.pixel(outside), sheetBefore.pixel(outside)) << outside.x() << "," << outside.y();
    EXPECT_EQ(state.preview(), cutPicture(sheet, 8));
}

TEST(CardEditorState, APaletteSheetStoresTheNearestColourWhileThePreviewKeepsTheExactOne) {
    CardEditorState state;
    const QImage sheetBefore = state.sheet();
    ASSERT_EQ(sheetBefore.format(), QImage::Format_Indexed8);
    QColor unusual(123, 45, 67);
    ASSERT_FALSE(sheetBefore.colorTable().contains(unusual.rgb()))
        << "the test needs a colour off the palette";
    state.setSlotColour(1, unusual);

    state.press(zoomAt(0, 0));
    state.release();

    EXPECT_EQ(state.preview().pixel(0, 0), unusual.rgb());
    EXPECT_EQ(state.sheet().format(), QImage::Format_Indexed8);
    EXPECT_EQ(state.sheet().colorTable(), sheetBefore.colorTable());
    EXPECT_EQ(state.sheet().size(), QSize(330, 330));
    state.selectCard(1);
    EXPECT_EQ(state.preview().pixel(0, 0), state.sheet().pixel(0, 0))
        << "selecting again shows the stored colour";
}

} // namespace
