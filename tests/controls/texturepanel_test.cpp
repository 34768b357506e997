#include "controls/ui/ownerdrawnpanel.h"
#include "controls/ui/texturepanel.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(TexturePanel, BorderWidthOutsideOneToThirtyIsStoredAsOne) {
    const std::pair<int, int> cases[] = {{0, 1}, {-3, 1}, {31, 1}, {1, 1}, {30, 30}, {7, 7}};
    for (const auto& [given, stored] : cases) {
        TexturePanel panel;
        panel.setBorderWidth(5);
        panel.setBorderWidth(given);
        EXPECT_EQ(panel.borderWidth(), stored) << given;
    }
}

TEST(TexturePanel, TilesOverlapByOnePixelAndTheBorderPenIsCentredOnTheEdge) {
    QImage texture(3, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            texture.setPixel(x, y, qRgb(10 + 40 * x, 10 + 40 * y, 200));
    TexturePanel panel;
    panel.resize(20, 12);
    panel.setTexture(texture);
    const QImage tiled = panel.render();
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(tiled.pixel(x, y), texture.pixel(x % 2, y % 2)) << x << "," << y;

    // Of a 3-pixel pen the outer pixel lies beyond the panel.
    panel.setBorder(true);
    panel.setBorderWidth(3);
    panel.setBorderColour(Qt::red);
    const QImage framed = panel.render();
    const QRgb red = qRgb(255, 0, 0);
    for (const auto& [x, y] : {std::pair{0, 5}, {1, 5}, {19, 5}, {18, 5}, {9, 0}, {9, 1}, {9, 11}, {9, 10}})
        EXPECT_EQ(framed.pixel(x, y), red) << x << "," << y;
    for (const auto& [x, y] : {std::pair{2, 5}, {17, 5}, {9, 2}, {9, 9}})
        EXPECT_EQ(framed.pixel(x, y), texture.pixel(x % 2, y % 2)) << x << "," << y;
    // The screen shows exactly that picture, with a caption too.
    EXPECT_EQ(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), framed);
    panel.setCaption(QStringLiteral("Mitte"));
    EXPECT_EQ(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), panel.render());
    panel.setCaption(QString());

    // A one-pixel tile cannot advance with the overlap and counts as no texture.
    panel.setTexture(QImage(1, 1, QImage::Format_RGB32));
    EXPECT_TRUE(panel.texture().isNull());
    EXPECT_EQ(panel.render().pixel(9, 5), panel.palette().color(QPalette::Window).rgb());
}

TEST(OwnerDrawnPanel, LeavesThePaintingToItsOwnerUnlessItDrawsItself) {
    OwnerDrawnPanel panel;
    panel.resize(30, 20);
    int calls = 0;
    QObject::connect(&panel, &OwnerDrawnPanel::paint, [&](QPainter* painter) {
        ++calls;
        painter->fillRect(panel.rect(), Qt::darkCyan);
    });
    EXPECT_EQ(panel.grab().toImage().pixel(15, 10), QColor(Qt::darkCyan).rgb());
    EXPECT_EQ(calls, 1);
    panel.setDrawsItself(true);
    EXPECT_EQ(panel.grab().toImage().pixel(15, 10), panel.palette().color(QPalette::Window).rgb());
    EXPECT_EQ(calls, 1);
}

} // namespace
