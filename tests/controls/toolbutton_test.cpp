#include "controls/ui/toolbutton.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(width / 2, height / 2, qRgb(0, 0, 255));
    return image;
}

void hover(QWidget& widget, bool inside) {
    if (inside) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&widget, &leave);
    }
}

TEST(ToolButton, SizesItselfToItsPictureAndCaptionLines) {
    ToolButton button;
    const QFontMetrics metrics(button.font());
    const int line = metrics.ascent() + metrics.descent();
    const int saveWidth = metrics.horizontalAdvance(QStringLiteral("Speichern"));
    const struct {
        QImage picture;
        QString topCaption, bottomCaption;
        QSize size;
    } cases[] = {
        {QImage(), QStringLiteral("Spiel"), QStringLiteral("Speichern"), {saveWidth + 12, 2 * line + 10}},
        {picture(20, 16),
         QStringLiteral("Spiel"),
         QStringLiteral("Speichern"),
         {saveWidth + 12, 16 + 2 * line + 10}},
        {picture(90, 20), QStringLiteral("Speichern"), QString(), {102, 20 + line + 10}},
    };
    for (const auto& c : cases) {
        button.setPicture(c.picture);
        button.setTopCaption(c.topCaption);
        button.setBottomCaption(c.bottomCaption);
        EXPECT_EQ(button.size(), c.size) << c.topCaption.toStdString() << c.picture.width();
    }
}

TEST(ToolButton, WhiteLetsTheBackgroundThroughAndTheMouseOverFrameShowsOnlyWhenEnabled) {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(10, 120, 10));
    parent.setPalette(palette);
    parent.resize(100, 100);
    auto* button = new ToolButton(&parent);
    button->setPicture(picture(20, 20));
    button->setTopCaption(QStringLiteral("Neues"));
    button->setBottomCaption(QStringLiteral("Spiel"));
    const QPoint middle(button->width() / 2, button->height() / 2);
    const auto seen = [&](QPoint at) { return parent.grab().toImage().pixel(at); };

    EXPECT_EQ(seen({2, middle.y()}), qRgb(10, 120, 10));
    EXPECT_EQ(seen({button->width() / 2, 17}), qRgb(0, 0, 255)) << "the picture's own pixel, top at 7";
    hover(*button, true);
    EXPECT_TRUE(button->hasHoverFrame());
    EXPECT_EQ(seen({1, middle.y()}), qRgb(0, 0, 0));
    EXPECT_EQ(seen({2, middle.y()}), qRgb(128, 128, 128));
    EXPECT_EQ(seen({3, middle.y()}), qRgb(192, 192, 192));
    EXPECT_EQ(seen({4, middle.y()}), qRgb(10, 120, 10));
    EXPECT_EQ(seen({button->width() / 2 + 2, 19}), qRgb(0, 0, 255)) << "moved by two while framed";
    hover(*button, false);
    EXPECT_FALSE(button->hasHoverFrame());

    QSignalSpy clicked(button, &ToolButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    button->setEnabled(false);
    hover(*button, true);
    EXPECT_FALSE(button->hasHoverFrame());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_NE(seen({button->width() / 2, 17}), qRgb(0, 0, 255)) << "blended when disabled";
}

} // namespace
