#include "controls/ui/captionband.h"
#include "controls/ui/lamp.h"
#include "controls/ui/latchingbutton.h"
#include "controls/ui/linklabel.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/sevensegmentdisplay.h"
#include "controls/ui/toolbutton.h"
#include "support/accessibilityevents.h"
#include "support/qtprinters.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessible(QObject* control) {
    return QAccessible::queryAccessibleInterface(control);
}

QString nameOf(QObject* control) {
    return accessible(control)->text(QAccessible::Name);
}

ToolButton* toolButton(QWidget* parent, const QString& top, const QString& bottom) {
    auto* button = new ToolButton(parent);
    button->setTopCaption(top);
    button->setBottomCaption(bottom);
    return button;
}

} // namespace

TEST(AccessibleControls, EachOwnControlTellsTheRoleAndNameOfItsStandardCounterpart) {
    QWidget window;
    auto* okay = new PushButton(&window);
    okay->setCaption(QStringLiteral("&Okay"));
    EXPECT_EQ(accessible(okay)->role(), QAccessible::Button);
    EXPECT_EQ(nameOf(okay), "Okay");
    EXPECT_EQ(accessible(okay)->text(QAccessible::Accelerator),
              QKeySequence(Qt::ALT | Qt::Key_O).toString(QKeySequence::NativeText));

    ToolButton* twoWords = toolButton(&window, QStringLiteral("Neues"), QStringLiteral("Spiel"));
    ToolButton* brokenWord = toolButton(&window, QStringLiteral("Karten-"), QStringLiteral("editor"));
    ToolButton* slash = toolButton(&window, QStringLiteral("Hilfe/"), QStringLiteral("Anleitung"));
    ToolButton* oneLine = toolButton(&window, QStringLiteral("Laden"), QString());
    EXPECT_EQ(accessible(twoWords)->role(), QAccessible::Button);
    EXPECT_EQ(nameOf(twoWords), "Neues Spiel");
    EXPECT_EQ(nameOf(brokenWord), "Karteneditor");
    EXPECT_EQ(nameOf(slash), "Hilfe/Anleitung");
    EXPECT_EQ(nameOf(oneLine), "Laden");

    auto* pencil = new LatchingButton(&window);
    pencil->setToolTip(QStringLiteral("Malmodus"));
    EXPECT_EQ(accessible(pencil)->role(), QAccessible::Button);
    EXPECT_EQ(nameOf(pencil), "Malmodus");

    auto* sound = new Lamp(&window);
    sound->setCaption(QStringLiteral("Sounds abspielen"));
    auto* choice = new Lamp(&window);
    choice->setBehaviour(Lamp::RadioButton);
    choice->setCaption(QStringLiteral("Groß"));
    EXPECT_EQ(accessible(sound)->role(), QAccessible::CheckBox);
    EXPECT_EQ(nameOf(sound), "Sounds abspielen");
    EXPECT_EQ(accessible(choice)->role(), QAccessible::RadioButton);
    EXPECT_EQ(nameOf(choice), "Groß");

    auto* band = new CaptionBand(&window);
    band->setCaption(QStringLiteral(" Highscore"));
    EXPECT_EQ(accessible(band)->role(), QAccessible::Heading);
    EXPECT_EQ(nameOf(band), "Highscore");

    auto* link = new LinkLabel(&window);
    link->setText(QStringLiteral("Vuko-Homepage"));
    link->setUrl(QStringLiteral("http://www.example.org/"));
    EXPECT_EQ(accessible(link)->role(), QAccessible::Link);
    EXPECT_EQ(nameOf(link), "Vuko-Homepage");
    EXPECT_TRUE(accessible(link)->state().linked);

    auto* display = new SevenSegmentDisplay(&window);
    display->setValue(30);
    EXPECT_EQ(accessible(display)->role(), QAccessible::StaticText);
    EXPECT_EQ(nameOf(display), "30");
    display->setAccessibleName(QStringLiteral("Restpunkte"));
    EXPECT_EQ(nameOf(display), "Restpunkte: 30");
}

TEST(AccessibleControls, CheckedDownAndDefaultStatesFollowTheControlsAndChangesAreAnnounced) {
    AccessibilityEvents heard;
    QWidget window;
    auto* box = new Lamp(&window);
    EXPECT_TRUE(accessible(box)->state().checkable);
    EXPECT_FALSE(accessible(box)->state().checked);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(accessible(box)->state().checked);
    ASSERT_EQ(heard.count(box, QAccessible::StateChanged), 1);
    EXPECT_TRUE(heard.events().back().changed.checked);

    auto* small = new Lamp(&window);
    auto* large = new Lamp(&window);
    for (Lamp* lamp : {small, large})
        lamp->setBehaviour(Lamp::RadioButton);
    small->setChecked(true);
    QTest::mouseClick(large, Qt::LeftButton);
    EXPECT_FALSE(accessible(small)->state().checked);
    EXPECT_TRUE(accessible(large)->state().checked);
    EXPECT_EQ(heard.count(small, QAccessible::StateChanged), 2) << "switched on, then off by its partner";

    auto* pencil = new LatchingButton(&window);
    auto* pipette = new LatchingButton(&window);
    pencil->setDown(true);
    QTest::mouseClick(pipette, Qt::LeftButton);
    EXPECT_FALSE(accessible(pencil)->state().pressed);
    EXPECT_TRUE(accessible(pipette)->state().pressed);
    EXPECT_TRUE(accessible(pipette)->state().checked);
    EXPECT_EQ(heard.count(pencil, QAccessible::StateChanged), 2);
    heard.clear();
    pipette->setDown(true);
    EXPECT_EQ(heard.count(pipette, QAccessible::StateChanged), 0) << "nothing changed";

    auto* okay = new PushButton(&window);
    okay->setCaption(QStringLiteral("Okay"));
    EXPECT_FALSE(accessible(okay)->state().defaultButton);
    okay->setDefault(true);
    EXPECT_TRUE(accessible(okay)->state().defaultButton);
    QSignalSpy clicked(okay, &PushButton::clicked);
    accessible(okay)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);
    // The lamps and the latching buttons do by their action what a click does.
    accessible(box)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(box->isChecked());
    accessible(small)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(small->isChecked());
    EXPECT_FALSE(large->isChecked());
    accessible(pencil)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(pencil->isDown());
    EXPECT_FALSE(pipette->isDown());

    auto* display = new SevenSegmentDisplay(&window);
    display->setAccessibleName(QStringLiteral("Restpunkte"));
    display->setValue(30);
    display->setValue(29);
    EXPECT_EQ(heard.count(display, QAccessible::NameChanged), 2);
    EXPECT_EQ(nameOf(display), "Restpunkte: 29");
}
