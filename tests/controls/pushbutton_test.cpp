#include "controls/ui/pushbutton.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

// One letter per pixel: k black, w white, F the face colour, s silver, ? anything else.
std::string pixels(const QImage& image, QPoint from, QPoint step, int count, QColor face) {
    std::string text;
    for (QPoint p = from; count-- > 0; p += step) {
        const QRgb c = image.pixel(p);
        text += c == qRgb(0, 0, 0)         ? 'k'
                : c == qRgb(255, 255, 255) ? 'w'
                : c == face.rgb()          ? 'F'
                : c == qRgb(192, 192, 192) ? 's'
                                           : '?';
    }
    return text;
}

// A dialog whose line edit has the focus, with an "Okay" (default) and an "Abbruch" (cancel) button.
struct Dialog {
    Dialog() {
        edit = new QLineEdit(&window);
        okay = new PushButton(&window);
        okay->setCaption(QStringLiteral("Okay"));
        okay->setDefault(true);
        okay->move(0, 30);
        cancel = new PushButton(&window);
        cancel->setCaption(QStringLiteral("Abbruch"));
        cancel->setCancel(true);
        cancel->move(0, 60);
        window.show();
        window.activateWindow();
        edit->setFocus();
    }
    QDialog window;
    QLineEdit* edit;
    PushButton* okay;
    PushButton* cancel;
};

TEST(PushButton, EnterAndEscapePressTheWindowsButtonsOnlyWithoutShiftCtrlOrAlt) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int okay, cancel;
    } cases[] = {
        {Qt::Key_Escape, Qt::NoModifier, 0, 1},      {Qt::Key_Return, Qt::NoModifier, 1, 0},
        {Qt::Key_Enter, Qt::KeypadModifier, 1, 0},   {Qt::Key_Escape, Qt::ShiftModifier, 0, 0},
        {Qt::Key_Escape, Qt::ControlModifier, 0, 0}, {Qt::Key_Return, Qt::AltModifier, 0, 0},
    };
    for (const auto& c : cases) {
        Dialog dialog;
        QSignalSpy okay(dialog.okay, &PushButton::clicked), cancel(dialog.cancel, &PushButton::clicked);
        PushButton* pressed = c.okay ? dialog.okay : c.cancel ? dialog.cancel : nullptr;
        QTest::keyClick(dialog.edit, c.key, c.modifiers);
        if (pressed) {
            EXPECT_EQ(pixels(pressed->render(), {2, 2}, {1, 1}, 1, pressed->faceColour()), "F")
                << "shown down";
            EXPECT_TRUE((c.okay ? okay : cancel).wait(2000));
            EXPECT_EQ(pixels(pressed->render(), {2, 2}, {1, 1}, 1, pressed->faceColour()), "w") << "up again";
        } else {
            QTest::qWait(60);
        }
        EXPECT_EQ(okay.count(), c.okay) << c.key << " " << c.modifiers;
        EXPECT_EQ(cancel.count(), c.cancel) << c.key << " " << c.modifiers;
    }
}

TEST(PushButton, BevelsAndFaceFollowThePressAndADisabledButtonIsSilverAndDoesNotClick) {
    PushButton button;
    button.setCaption(QString());
    button.setFaceColour(QColor(0, 255, 0));
    const QColor face = button.faceColour();
    // Down the diagonal from the top-left corner and up it from the bottom-right one.
    const auto look = [&] {
        const QImage image = button.render();
        return pixels(image, {0, 0}, {1, 1}, 5, face) + "|" + pixels(image, {119, 21}, {-1, -1}, 6, face);
    };
    EXPECT_EQ(look(), "kwwFF|kkkkFF");
    QTest::mousePress(&button, Qt::LeftButton, {}, {60, 11});
    EXPECT_EQ(look(), "kkFFF|kkkFFF");
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {60, 11});
    EXPECT_EQ(look(), "kwwFF|kkkkFF");
    button.setEnabled(false);
    EXPECT_EQ(look(), "kwwss|kkkkss");
    QSignalSpy clicked(&button, &PushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    button.click();
    EXPECT_EQ(clicked.count(), 0);
    button.setEnabled(true);
    button.click();
    EXPECT_EQ(clicked.count(), 1);
}

TEST(PushButton, PlaceholderCaptionTurnsIntoTheObjectNameAndTheAcceleratorClicks) {
    Dialog dialog;
    auto* named = new PushButton(&dialog.window);
    named->setObjectName(QStringLiteral("namedButton"));
    EXPECT_EQ(named->caption(), QStringLiteral("/*-/"));
    named->grab();
    EXPECT_EQ(named->caption(), QStringLiteral("namedButton"));

    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog.window));
    dialog.okay->setCaption(QStringLiteral("O&kay"));
    QSignalSpy clicked(dialog.okay, &PushButton::clicked);
    QTest::keyClick(dialog.edit, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
