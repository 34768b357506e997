#include "app/ui/mainwindow.h"
#include "board/cardfaces.h"
#include "controls/ui/imageview.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/spinfield.h"
#include "game/turnflow.h"
#include "records/settingsstore.h"
#include "shell/ui/optionsdialog.h"
#include "support/fakes.h"
#include "support/mainwindowsurroundings.h"
#include "support/modal.h"

#include <QAccessible>
#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "game/ui/newgamedialog.h"
#include "support/newgame.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QImage cardBack(CardBackStyle style) {
    QImage back = makeCardImage();
    buildCardBack(back, style);
    return back;
}

void typeInto(SpinField* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

class OptionsDialogTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    OptionsDialogTest() {
        window = std::make_unique<MainWindow>(appEnvironment());
        storeTwoHumanPlayers(settings);
        window->show();
    }

    // Opens the dialog from the menu and lets `use` work it while it is open.
    void withDialog(const std::function<void(OptionsDialog&)>& use) {
        onNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<OptionsDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            const QMetaObject::Connection help = QObject::connect(
                dialog, &OptionsDialog::helpRequested, [this](const QString& topic) { helpTopics << topic; });
            use(*dialog);
            QObject::disconnect(help);
            if (dialog->isVisible())
                dialog->reject();
        });
        part<QAction>(*window, "optionsAction")->trigger();
    }

    ImageView* boardView() const { return part<ImageView>(*window, "boardView"); }

    QImage boardCard(int slot) const {
        const Card& card = window->gameState().cards[slot];
        return boardView()->shownImage().copy(card.left, card.top, 40, 40);
    }

    std::unique_ptr<MainWindow> window;
    QStringList helpTopics;
};

bool operator==(const ProgramOptions& a, const ProgramOptions& b) {
    return a.soundOn == b.soundOn && a.redCardBack == b.redCardBack && a.fadeShow == b.fadeShow &&
           a.fadeHide == b.fadeHide && a.fadeRemove == b.fadeRemove;
}

TEST_F(OptionsDialogTest, OpeningShowsTheOptionsAndCancelKeepsThemButRebuildsTheBack) {
    startGameThroughDialog(*window);
    // Changed behind the dialog's back: the board still shows the grey back.
    ProgramOptions& options = window->options();
    options = {false, true, 12, 300, 800};
    const ProgramOptions before = options;
    bool stayedOpenForHelp = false;
    withDialog([&](OptionsDialog& dialog) {
        EXPECT_FALSE(dialog.soundLamp->isChecked());
        EXPECT_TRUE(dialog.redBackButton->isChecked());
        EXPECT_FALSE(dialog.classicBackButton->isChecked());
        EXPECT_EQ(dialog.stepsShow->text(), u"12"_s);
        EXPECT_EQ(dialog.stepsHide->text(), u"300"_s);
        EXPECT_EQ(dialog.stepsRemove->text(), u"500"_s) << "the field holds at most 500";

        QTest::mouseClick(dialog.soundLamp, Qt::LeftButton);
        QTest::mouseClick(dialog.classicBackButton, Qt::LeftButton);
        typeInto(dialog.stepsShow, u"40"_s);
        dialog.helpButton->click();
        stayedOpenForHelp = dialog.isVisible();
        dialog.cancelButton->click();
    });
    EXPECT_TRUE(stayedOpenForHelp);
    EXPECT_EQ(helpTopics, QStringList({u"optio"_s}));
    EXPECT_TRUE(options == before);
    EXPECT_EQ(window->images().cardBack, cardBack(CardBackStyle::RedGradient));
    EXPECT_EQ(boardCard(1), cardBack(CardBackStyle::RedGradient));
}

TEST_F(OptionsDialogTest, OkayTakesTypedStepCountsUpToAThousand) {
    struct Case {
        QString typed;
        qint32 stored;
    };
    // 75 is the count before; the field is read as it stands, with no focus lost, and
    // takes four characters at most.
    const std::vector<Case> cases{{u""_s, 1},      {u"-"_s, 1},       {u"1"_s, 1},
                                  {u"800"_s, 800}, {u"1000"_s, 1000}, {u"1001"_s, 75},
                                  {u"0"_s, 75},    {u"-5"_s, 75},     {u"10000"_s, 1000}};
    for (const Case& c : cases) {
        window->options().fadeHide = 75;
        withDialog([&](OptionsDialog& dialog) {
            typeInto(dialog.stepsHide, c.typed);
            dialog.okayButton->click();
        });
        EXPECT_EQ(window->options().fadeHide, c.stored) << c.typed.toStdString();
        EXPECT_EQ(window->options().fadeShow, 75);
    }
}

TEST_F(OptionsDialogTest, EachStepFieldIsHeardByItsCaptionWithTheValueItShows) {
    window->options().fadeHide = 300;
    withDialog([&](OptionsDialog& dialog) {
        const std::vector<std::pair<SpinField*, QString>> fields{{dialog.stepsShow, u"Aufdecken"_s},
                                                                 {dialog.stepsHide, u"Zudecken"_s},
                                                                 {dialog.stepsRemove, u"Entfernen"_s}};
        for (const auto& [field, caption] : fields) {
            QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(field);
            EXPECT_EQ(heard->role(), QAccessible::SpinBox);
            EXPECT_EQ(heard->text(QAccessible::Name), caption);
            ASSERT_NE(heard->valueInterface(), nullptr);
            EXPECT_EQ(heard->valueInterface()->currentValue().toInt(), field->value())
                << caption.toStdString();
            EXPECT_EQ(heard->valueInterface()->minimumValue().toInt(), 1);
            EXPECT_EQ(heard->valueInterface()->maximumValue().toInt(), 500);
        }
        QAccessibleValueInterface* hide =
            QAccessible::queryAccessibleInterface(dialog.stepsHide)->valueInterface();
        EXPECT_EQ(hide->currentValue().toInt(), 300);
        typeInto(dialog.stepsHide, u"42"_s);
        EXPECT_EQ(hide->currentValue().toInt(), 42) << "as typed";
        hide->setCurrentValue(120);
        EXPECT_EQ(dialog.stepsHide->text(), u"120"_s);
        dialog.okayButton->click();
    });
    EXPECT_EQ(window->options().fadeShow, 75);
    EXPECT_EQ(window->options().fadeHide, 120);
}

TEST_F(OptionsDialogTest, AStepFieldIsPutBackIntoItsRangeWhenItLosesTheFocus) {
    SpinField field(1, 500);
    const std::vector<std::pair<QString, QString>> cases{
        {u"800"_s, u"500"_s}, {u"0"_s, u"1"_s}, {u""_s, u"1"_s}, {u"42"_s, u"42"_s}};
    for (const auto& [typed, kept] : cases) {
        typeInto(&field, typed);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&field, &focusOut);
        EXPECT_EQ(field.text(), kept) << typed.toStdString();
    }
    field.setValue(500);
    field.stepBy(1);
    EXPECT_EQ(field.value(), 500);
    field.setValue(2);
    field.stepBy(-1);
    field.stepBy(-1);
    EXPECT_EQ(field.value(), 1);
}

TEST_F(OptionsDialogTest, RedGradientDuringAGameRedrawsOnlyTheFaceDownCards) {
    startGameThroughDialog(*window);
    const Card& upCard = window->gameState().cards[1];
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(upCard.left + 20, upCard.top + 20));
    ASSERT_TRUE(upCard.faceUp);
    const QImage face = boardCard(1);

    withDialog([](OptionsDialog& dialog) {
        QTest::mouseClick(dialog.redBackButton, Qt::LeftButton);
        QTest::mouseClick(dialog.redBackButton, Qt::LeftButton);
        EXPECT_TRUE(dialog.redBackButton->isChecked()) << "pressing the button that is down keeps it down";
        EXPECT_FALSE(dialog.classicBackButton->isChecked());
        dialog.okayButton->click();
    });
    EXPECT_TRUE(window->options().redCardBack);
    const QImage red = cardBack(CardBackStyle::RedGradient);
    EXPECT_EQ(boardCard(1), face);
    EXPECT_EQ(window->images().board.copy(upCard.left, upCard.top, 40, 40), face);
    for (int slot : {2, 31, 60})
        EXPECT_EQ(boardCard(slot), red) << slot;
}

TEST_F(OptionsDialogTest, ABackStyleChosenWhileCardsAreTurnedBackReachesEveryFaceDownCard) {
    // Each moment changes the style through the menu: 0 in the pause before the hide, n during
    // the hide's frame n. Each card fades in fadeHide + 2 = 5 frames.
    const std::vector<std::vector<int>> cases{{0}, {2}, {5}, {7}, {10}, {2, 7}, {0, 3, 8}};
    window->options().fadeShow = 1;
    window->options().fadeHide = 3;
    startGameThroughDialog(*window);
    const GameState& state = window->gameState();
    int other = 2;
    while (state.cards[other].motif == state.cards[1].motif)
        ++other;
    const auto clickCard = [&](int slot) {
        QTest::mouseClick(boardView(), Qt::LeftButton, {},
                          QPoint(state.cards[slot].left + 20, state.cards[slot].top + 20));
    };
    const auto otherStyle = [this] {
        withDialog([this](OptionsDialog& dialog) {
            QTest::mouseClick(window->options().redCardBack ? dialog.classicBackButton : dialog.redBackButton,
                              Qt::LeftButton);
            dialog.okayButton->click();
        });
    };

    for (const std::vector<int>& moments : cases) {
        const std::string name = ::testing::PrintToString(moments);
        const bool redBefore = window->options().redCardBack;
        int hideFrames = -1; // not hiding yet
        const auto atMoment = [&] {
            if (std::find(moments.begin(), moments.end(), hideFrames) != moments.end())
                otherStyle();
        };
        timekeeper.release();
        clickCard(1);
        // The second card's mismatch pauses twice; the hide follows the second pause. Each
        // frame of the hide then waits until the test lets its time pass.
        timekeeper.hold();
        journal.entries.clear();
        clickCard(other);
        ASSERT_TRUE(timekeeper.runUntilJournal(
            journal, QStringLiteral("pause %1").arg(TurnFlow::mismatchPause(state.settings.difficulty))));
        hideFrames = 0;
        atMoment();
        QImage firstCardDuringSecondFade;
        QImage backDuringSecondFade;
        while (timekeeper.step()) {
            if (timekeeper.waiting() == 0)
                break;
            if (++hideFrames == 6) {
                firstCardDuringSecondFade = boardCard(1);
                backDuringSecondFade = window->images().cardBack;
            }
            atMoment();
        }

        ASSERT_EQ(hideFrames, 10) << name;
        EXPECT_EQ(firstCardDuringSecondFade, backDuringSecondFade) << name;
        ASSERT_EQ(window->options().redCardBack, redBefore != (moments.size() % 2 == 1)) << name;
        const QImage back =
            cardBack(window->options().redCardBack ? CardBackStyle::RedGradient : CardBackStyle::ClassicGrey);
        int staleOnScreen = 0;
        int staleOnBoard = 0;
        for (int slot = 1; slot <= state.cardCount(); ++slot) {
            const Card& card = state.cards[slot];
            ASSERT_TRUE(card.present && !card.faceUp) << name << " slot " << slot;
            staleOnScreen += boardCard(slot) != back;
            staleOnBoard += window->images().board.copy(card.left, card.top, 40, 40) != back;
        }
        EXPECT_EQ(staleOnScreen, 0) << name;
        EXPECT_EQ(staleOnBoard, 0) << name;
    }
}

} // namespace
