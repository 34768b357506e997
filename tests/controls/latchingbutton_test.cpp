#include "controls/ui/latchingbutton.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

LatchingButton* button(QWidget* parent, int group, bool down) {
    auto* made = new LatchingButton(parent);
    made->setGroupIndex(group);
    made->setRand(down);
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
    EXPECT_TRUE(pencil->Rand());
    EXPECT_FALSE(pipette->Rand());
    EXPECT_TRUE(otherGroup->Rand());
    EXPECT_TRUE(otherParent->Rand());
    QTest::mouseClick(pencil, Qt::LeftButton);
    EXPECT_TRUE(pencil->Rand());
    EXPECT_EQ(clicked.count(), 2) << "also when it was down already";

    pipette->setRand(true);
    EXPECT_FALSE(pencil->Rand()) << "going down by program releases the group too";
    pipette->setEnabled(false);
    pipette->setRand(false);
    QTest::mouseClick(pipette, Qt::LeftButton);
    EXPECT_FALSE(pipette->Rand());
}

TEST(LatchingButton, SizesToItsPicturePlusFive) {
    LatchingButton tool;
    tool.setBitmap(QImage(24, 22, QImage::Format_RGB32));
    EXPECT_EQ(tool.size(), QSize(29, 27));
}

} // namespace
