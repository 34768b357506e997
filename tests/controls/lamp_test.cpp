#include "controls/ui/lamp.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

Lamp* lamp(QWidget* parent, Lamp::Behaviour behaviour, int group, bool on) {
    auto* made = new Lamp(parent);
    made->setBehaviour(behaviour);
    made->setGroup(group);
    made->setChecked(on);
    return made;
}

TEST(Lamp, CheckBoxLampTogglesAndReportsEveryActualChangeOnce) {
    Lamp box;
    QSignalSpy changed(&box, &Lamp::toggled);
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_TRUE(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_FALSE(box.isChecked());
    box.setChecked(false);
    EXPECT_EQ(changed.count(), 2);
    box.setChecked(true);
    EXPECT_EQ(changed.count(), 3);
}

TEST(Lamp, RadioLampSwitchesOffOnlyRadioLampsOfItsGroupOnTheSameParent) {
    QWidget window;
    auto* box = new QWidget(&window);
    auto* otherBox = new QWidget(&window);
    Lamp* small = lamp(box, Lamp::RadioButton, 2, false);
    Lamp* large = lamp(box, Lamp::RadioButton, 2, true);
    Lamp* otherGroup = lamp(box, Lamp::RadioButton, 3, true);
    Lamp* checkBox = lamp(box, Lamp::CheckBox, 2, true);
    Lamp* otherParent = lamp(otherBox, Lamp::RadioButton, 2, true);
    QSignalSpy smallToggled(small, &Lamp::toggled), largeToggled(large, &Lamp::toggled);

    QTest::mouseClick(small, Qt::LeftButton);
    EXPECT_TRUE(small->isChecked());
    EXPECT_FALSE(large->isChecked());
    EXPECT_TRUE(otherGroup->isChecked());
    EXPECT_TRUE(checkBox->isChecked());
    EXPECT_TRUE(otherParent->isChecked());

    QTest::mouseClick(small, Qt::LeftButton);
    EXPECT_TRUE(small->isChecked()) << "a lamp that is on stays on";
    EXPECT_FALSE(large->isChecked());
    EXPECT_EQ(smallToggled.count(), 1);
    EXPECT_EQ(largeToggled.count(), 1);
}

TEST(Lamp, PaintsARoundLampWithASpotInItsColourWhenOn) {
    const std::pair<Lamp::Colour, QRgb> cases[] = {{Lamp::Red, qRgb(255, 0, 0)},
                                                   {Lamp::Green, qRgb(0, 255, 0)},
                                                   {Lamp::Yellow, qRgb(255, 255, 0)},
                                                   {Lamp::Blue, qRgb(0, 0, 255)}};
    for (const auto& [colour, rgb] : cases) {
        Lamp light;
        light.show();
        light.resize(20, 12);
        ASSERT_EQ(light.size(), QSize(20, 20)) << "the smaller side grows to the larger";
        light.setSpotRadius(9);
        EXPECT_EQ(light.spotRadius(), 5) << "at most a quarter of the lamp";
        light.setLitColour(colour);
        const QImage off = light.render();
        light.setChecked(true);
        const QImage on = light.render();
        // Spot: columns 5..14 around the centre at 10; the rest of the lamp is black.
        EXPECT_EQ(off.pixel(10, 10), qRgb(128, 128, 128));
        for (const int x : {5, 10, 14})
            EXPECT_EQ(on.pixel(x, 10), rgb) << x;
        for (const int x : {0, 4, 15, 19})
            EXPECT_EQ(on.pixel(x, 10), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(qAlpha(on.pixel(0, 0)), 0) << "the corners stay clear";
    }
    Lamp tiny;
    tiny.setSpotRadius(0);
    EXPECT_EQ(tiny.spotRadius(), 1);
}

TEST(Lamp, CaptionStandsRightOfTheLampAndClickingItSwitchesTheLamp) {
    Lamp network;
    network.show();
    const int lampOnly = network.width();
    network.setCaption(QStringLiteral("Netzwerk"));
    EXPECT_GT(network.width(), lampOnly + 30);
    EXPECT_EQ(network.lampSize(), network.height());
    QTest::mouseClick(&network, Qt::LeftButton, {}, {network.width() - 3, network.height() / 2});
    EXPECT_TRUE(network.isChecked());
}

} // namespace
