#include "controls/ui/latchingbutton.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

LatchingButton* button(QWidget* parent, int group, bool down) {
    auto* made = new LatchingButton(parent);
    made->setGroup(group);
    made->setDown(down);
    return made;
}

TEST(LatchingButton, ClickPutsItDownAndReleasesOnlyItsGroupOnTheSameParent) {
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* otherPanel = new QWidget(&window);
    LatchingButton* pencil = button(panel, 1, false);
    LatchingButton* pipette = button(panel, 1, true);
    LatchingButton* otherGroup = button(panel, 2, true);
    LatchingButton* otherParent = button(otherPanel, 1, true);
    QSignalSpy clicked(pencil, &LatchingButton::clicked);

    QTest::mouseClick(pencil, Qt::LeftButton);
    EXPECT_TRUE(pencil->isDown());
    EXPECT_FALSE(pipette->isDown());
    EXPECT_TRUE(otherGroup->isDown());
    EXPECT_TRUE(otherParent->isDown());
    QTest::mouseClick(pencil, Qt::LeftButton);
    EXPECT_TRUE(pencil->isDown());
    EXPECT_EQ(clicked.count(), 2) << "also when it was down already";

    pipette->setDown(true);
    EXPECT_FALSE(pencil->isDown()) << "going down by program releases the group too";
    pipette->setEnabled(false);
    pipette->setDown(false);
    QTest::mouseClick(pipette, Qt::LeftButton);
    EXPECT_FALSE(pipette->isDown());
}

TEST(LatchingButton, SizesToItsPicturePlusFive) {
    LatchingButton tool;
    tool.setPicture(QImage(24, 22, QImage::Format_RGB32));
    EXPECT_EQ(tool.size(), QSize(29, 27));
}

} // namespace
