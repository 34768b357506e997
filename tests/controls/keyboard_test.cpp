#include "controls/ui/lamp.h"
#include "controls/ui/latchingbutton.h"
#include "controls/ui/linklabel.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/toolbutton.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

Lamp* radioLamp(QWidget* parent, int y, bool on) {
    auto* lamp = new Lamp(parent);
    lamp->setBehaviour(Lamp::RadioButton);
    lamp->setGroup(1);
    lamp->setCaption(QStringLiteral("Wahl"));
    lamp->setChecked(on);
    lamp->move(0, y);
    return lamp;
}

// A dialog with one of each own control that takes keys, in the order they were made.
struct Dialog {
    Dialog() {
        tool = new ToolButton(&window);
        tool->setTopCaption(QStringLiteral("Neues"));
        checkLamp = new Lamp(&window);
        checkLamp->setCaption(QStringLiteral("Netzwerk"));
        checkLamp->move(0, 60);
        auto* group = new QWidget(&window);
        group->setGeometry(0, 80, 100, 70);
        first = radioLamp(group, 0, false);
        second = radioLamp(group, 20, true);
        third = radioLamp(group, 40, false);
        latch = new LatchingButton(&window);
        latch->move(0, 160);
        link = new LinkLabel(&window);
        link->setText(QStringLiteral("www"));
        link->move(0, 190);
        okay = new PushButton(&window);
        okay->setCaption(QStringLiteral("Okay"));
        okay->setDefault(true);
        okay->move(0, 210);
        window.resize(200, 240);
        window.show();
        window.activateWindow();
    }
    QDialog window;
    ToolButton* tool;
    Lamp* checkLamp;
    Lamp *first, *second, *third;
    LatchingButton* latch;
    LinkLabel* link;
    PushButton* okay;
};

void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

TEST(OwnControlsKeyboard, TabVisitsEachControlOnceAndOnlyTheLampThatIsOnOfAGroup) {
    Dialog dialog;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog.window));
    dialog.tool->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited;
    for (int i = 0; i < 6; ++i) {
        press(Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    const std::vector<QWidget*> expected = {dialog.checkLamp, dialog.second, dialog.latch,
                                            dialog.link,      dialog.okay,   dialog.tool};
    EXPECT_EQ(visited, expected);

    // Each shows that it has the focus, in its own picture.
    const auto focusChanges = [](auto* control, auto render) {
        control->clearFocus();
        const QImage unfocused = render();
        control->setFocus(Qt::TabFocusReason);
        return render() != unfocused;
    };
    EXPECT_TRUE(focusChanges(dialog.tool, [&] { return dialog.tool->render(); }));
    EXPECT_TRUE(focusChanges(dialog.checkLamp, [&] { return dialog.checkLamp->render(); }));
    EXPECT_TRUE(focusChanges(dialog.latch, [&] { return dialog.latch->render(); }));
    EXPECT_TRUE(focusChanges(dialog.link, [&] { return dialog.link->grab().toImage(); }));
}

TEST(OwnControlsKeyboard, SpaceUsesTheFocusedControlArrowsMoveInALampGroupEnterPressesTheDefault) {
    Dialog dialog;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog.window));
    QSignalSpy tool(dialog.tool, &ToolButton::clicked), latch(dialog.latch, &LatchingButton::clicked),
        okay(dialog.okay, &PushButton::clicked), followed(dialog.link, &LinkLabel::clicked);

    dialog.tool->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(tool.count(), 1);
    dialog.latch->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(latch.count(), 1);
    EXPECT_TRUE(dialog.latch->isDown());
    dialog.link->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(followed.count(), 1);

    dialog.checkLamp->setFocus();
    press(Qt::Key_Space);
    EXPECT_TRUE(dialog.checkLamp->isChecked());
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), dialog.checkLamp) << "a check-box lamp has no group to move in";
    press(Qt::Key_Space);
    EXPECT_FALSE(dialog.checkLamp->isChecked());

    dialog.second->setFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), dialog.third);
    EXPECT_TRUE(dialog.third->isChecked());
    EXPECT_FALSE(dialog.second->isChecked());
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), dialog.third) << "no wrapping round";
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), dialog.first);
    EXPECT_TRUE(dialog.first->isChecked());
    EXPECT_FALSE(dialog.third->isChecked());

    press(Qt::Key_Return);
    EXPECT_TRUE(okay.wait(2000)) << "Enter on a lamp presses the default button";
    dialog.okay->setFocus();
    press(Qt::Key_Space);
    EXPECT_TRUE(okay.wait(2000));
    EXPECT_EQ(okay.count(), 2);
}
