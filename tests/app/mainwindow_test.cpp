#include "app/ui/mainwindow.h"
#include "board/boardpainting.h"
#include "board/cardfaces.h"
#include "board/ui/boardframe.h"
#include "controls/ui/imageview.h"
#include "game/computerplayer.h"
#include "game/turnflow.h"
#include "game/ui/enddialog.h"
#include "game/ui/newgamedialog.h"
#include "records/settingsstore.h"
#include "support/activetimers.h"
#include "support/fakes.h"
#include "support/mainwindowsurroundings.h"
#include "support/modal.h"
#include "support/newgame.h"

#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/sevensegmentdisplay.h"
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QImage cardAt(const QImage& screen, const Card& card) {
    return screen.copy(card.left, card.top, 40, 40);
}

class MainWindowTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    void open() {
        window = std::make_unique<MainWindow>(appEnvironment());
        storeTwoHumanPlayers(settings);
        window->show();
    }

    ImageView* boardView() { return part<ImageView>(*window, "boardView"); }
    ImageView* statusView() { return part<ImageView>(*window, "statusView"); }
    BoardFrame* boardFrame() { return part<BoardFrame>(*window, "boardFrame"); }
    SevenSegmentDisplay* remainingDisplay() { return part<SevenSegmentDisplay>(*window, "remainingDisplay"); }
    QAction* action(const char* name) { return part<QAction>(*window, name); }

    // Two human players on the small pairs board.
    void startGame() { startGameThroughDialog(*window); }

    void clickSlot(int slot) {
        const Card& card = window->gameState().cards[slot];
        QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(card.left + 20, card.top + 20));
    }

    int partnerOf(int slot) const {
        const GameState& state = window->gameState();
        for (int k = 1; k <= state.cardCount(); ++k)
            if (k != slot && state.cards[k].present && state.cards[k].motif == state.cards[slot].motif)
                return k;
        return 0;
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ShowsTheFormWithItsMenuAndKeys) {
    open();
    EXPECT_EQ(window->windowTitle(), "Sorbello");
    EXPECT_EQ(window->centralWidget()->size(), QSize(697, 264));
    EXPECT_EQ(boardView()->size(), QSize(662, 183));
    EXPECT_EQ(statusView()->size(), QSize(377, 33));
    EXPECT_FALSE(boardView()->isEnabled()) << "no clicks before the first game";

    QStringList items;
    for (QAction* menu : window->menuBar()->actions()) {
        items << menu->text();
        for (QAction* action : menu->menu()->actions()) {
            if (action->isSeparator())
                items << QStringLiteral("-");
            else if (action->isVisible())
                items << action->text() + (action->shortcut().isEmpty()
                                               ? QString()
                                               : QLatin1Char(' ') + action->shortcut().toString());
        }
    }
    EXPECT_EQ(items, QStringList({"&Datei",
                                  "&Neues Spiel F2",
                                  "Netzwerkverbindung &trennen",
                                  "-",
                                  "&Beenden",
                                  "E&xtras",
                                  "&Hintergrund abdecken",
                                  "Hintergrund&farbe festlegen",
                                  "-",
                                  "Spieler-&Statistik anzeigen F3",
                                  "&HighScore anzeigen",
                                  "-",
                                  "&Karteneditor F4",
                                  "-",
                                  "Verknüpfung zum &Desktop anlegen",
                                  "Verknüpfung zum Start&menü anlegen",
                                  "-",
                                  "Eigene IP-Adresse anzeigen",
                                  "-",
                                  "&Optionen",
                                  "&Hilfe",
                                  "&Spielanleitung F1",
                                  "&Vuko-Homepage aufsuchen",
                                  "-",
                                  "Über &Sorbello F9"}));
    EXPECT_FALSE(action("debugDumpAction")->isVisible());
}

TEST_F(MainWindowTest, TheFirstStartUsesDefaultsAndShowsTheTitlePicture) {
    open();
    const ProgramOptions& options = window->options();
    EXPECT_EQ(options.fadeShow, 75);
    EXPECT_EQ(options.fadeHide, 75);
    EXPECT_EQ(options.fadeRemove, 75);
    EXPECT_TRUE(options.soundOn);
    EXPECT_FALSE(options.redCardBack);
    EXPECT_FALSE(window->coverShown());
    EXPECT_EQ(window->backgroundColour(), 16711680u);

    QImage grey = makeCardImage();
    buildCardBack(grey, CardBackStyle::ClassicGrey);
    EXPECT_EQ(window->images().cardBack, grey);

    int red = 0;
    const QImage& screen = boardView()->shownImage();
    ASSERT_EQ(screen.size(), QSize(662, 183));
    for (int y = 20; y < 90; ++y)
        for (int x = 0; x < screen.width(); ++x)
            red += screen.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 500) << "the red program name";

    QImage strip(377, 33, QImage::Format_RGB32);
    paintStatusStrip(strip, GameState());
    EXPECT_EQ(statusView()->shownImage(), strip) << "Kein Spiel aktiv";
}

TEST_F(MainWindowTest, TheFirstShowTakesTheStoredSettings) {
    settings.setValue(QStringLiteral("fadeShow"), QStringLiteral("12"));
    settings.setValue(QStringLiteral("soundan"), QStringLiteral("Nein"));
    settings.setValue(QStringLiteral("Kartenruecken"), QStringLiteral("rot"));
    settings.setValue(QStringLiteral("higrufarbe"), QStringLiteral("255"));
    settings.setValue(QStringLiteral("abdecken"), QStringLiteral("Ja"));
    open();
    EXPECT_EQ(window->options().fadeShow, 12);
    EXPECT_EQ(window->options().fadeHide, 75);
    EXPECT_FALSE(window->options().soundOn);
    EXPECT_TRUE(window->options().redCardBack);
    QImage red = makeCardImage();
    buildCardBack(red, CardBackStyle::RedGradient);
    EXPECT_EQ(window->images().cardBack, red);
    EXPECT_EQ(window->backgroundColour(), 255u);
    EXPECT_TRUE(window->coverShown());
    EXPECT_TRUE(action("coverBackgroundAction")->isChecked());
}

TEST_F(MainWindowTest, ANewGameIsDealtAndCardsTurnOnTheScreen) {
    open();
    startGame();
    const GameState& state = window->gameState();
    ASSERT_TRUE(state.gameRunning);
    EXPECT_TRUE(boardView()->isEnabled());
    EXPECT_EQ(remainingDisplay()->value(), 30);
    EXPECT_EQ(cardAt(boardView()->shownImage(), state.cards[60]), window->images().cardBack);

    const QPoint insideFirst(state.cards[1].left + 20, state.cards[1].top + 20);
    QTest::mouseClick(boardView(), Qt::RightButton, {}, insideFirst);
    EXPECT_FALSE(state.cards[1].faceUp) << "only the left button turns a card";
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(state.cards[1].left, state.cards[1].top + 20));
    EXPECT_FALSE(state.cards[1].faceUp) << "a card's outermost column does not count";
    EXPECT_TRUE(boardView()->isEnabled());

    clickSlot(1);
    EXPECT_TRUE(state.cards[1].faceUp);
    QImage face = makeCardImage();
    drawCardFace(face, state.cards[1].motif, state.settings.motifKind, window->images().sheet);
    EXPECT_EQ(cardAt(boardView()->shownImage(), state.cards[1]), face);
    EXPECT_EQ(cardAt(window->images().board, state.cards[1]), face);

    clickSlot(partnerOf(1));
    EXPECT_FALSE(state.cards[1].present);
    EXPECT_EQ(state.players[1].score, 1);
    EXPECT_EQ(remainingDisplay()->value(), 29);
    EXPECT_NE(cardAt(boardView()->shownImage(), state.cards[1]), face) << "the found card is gone";
}

TEST_F(MainWindowTest, AWholeGameEndsWithTheEndDialogAndNoActiveGame) {
    open();
    startGame();
    const GameState& state = window->gameState();
    EndDialogText shown;
    bool dialogSeen = false;
    for (int turn = 0; turn < 30 && state.gameRunning; ++turn) {
        int first = 1;
        while (!state.cards[first].present)
            ++first;
        if (state.remainingGroups == 1) {
            onNextModal([&](QWidget* modal) {
                auto* dialog = qobject_cast<EndDialog*>(modal);
                ASSERT_NE(dialog, nullptr);
                dialogSeen = dialog->isVisible();
                shown = {dialog->headlineLabel->text(), dialog->highlightLabel->text(),
                         dialog->closingLabel->text()};
                dialog->closeButton->click();
            });
        }
        clickSlot(first);
        clickSlot(partnerOf(first));
    }
    // The end dialog does not hold the click up; the turn goes on once it is closed.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogSeen && !window->turnFlow().busy(); }));
    EXPECT_FALSE(state.gameRunning);
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(shown.headline, "Herzlichen Glückwunsch,");
    EXPECT_EQ(shown.highlight, "Spieler 1");
    EXPECT_EQ(shown.closing, "Sie haben das Spiel gewonnen!");
    QImage strip(377, 33, QImage::Format_RGB32);
    paintStatusStrip(strip, state);
    EXPECT_EQ(statusView()->shownImage(), strip);
    EXPECT_EQ(remainingDisplay()->value(), 0);
}

// An idle program must sleep: only a local computer to move may keep a timer of ours running.
TEST_F(MainWindowTest, NoTimerRunsUnlessALocalComputerIsToMove) {
    open();
    window->options().soundOn = false; // a sound's own timers run until it has ended
    EXPECT_TRUE(activeTimers(*window).isEmpty()) << "after start-up";
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<NewGameDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->kindLists[1]->setCurrentIndex(3); // "Unbesiegbar"
        dialog->startButton->click();
    });
    action("newGameAction")->trigger();
    const GameState& state = window->gameState();
    ASSERT_TRUE(state.gameRunning);
    ASSERT_TRUE(state.players[2].isComputer);
    // The game may end in any of the computer's turns; watchers left over must not touch the
    // windows of later tests.
    const auto watching = std::make_shared<bool>(true);
    const auto closeEndDialog = [watching] {
        onNextModal([watching](QWidget* modal) {
            if (auto* dialog = qobject_cast<EndDialog*>(modal); dialog && *watching)
                dialog->closeButton->click();
        });
    };

    int computerTurns = 0;
    for (int turn = 0; turn < 200 && state.gameRunning; ++turn) {
        if (state.currentIsLocalHuman()) {
            if (state.remainingGroups == 1)
                closeEndDialog();
            EXPECT_TRUE(activeTimers(*window).isEmpty()) << "a human to move, turn " << turn;
            // The human misses whenever there is a card to miss with.
            int first = 1;
            while (!state.cards[first].present)
                ++first;
            int second = first + 1;
            while (second <= state.cardCount() &&
                   (!state.cards[second].present || state.cards[second].motif == state.cards[first].motif))
                ++second;
            clickSlot(first);
            clickSlot(second <= state.cardCount() ? second : partnerOf(first));
            continue;
        }
        ++computerTurns;
        closeEndDialog();
        EXPECT_FALSE(activeTimers(*window).isEmpty()) << "the computer is to move";
        const int groupsBefore = state.remainingGroups;
        QTest::qWait(30);
        EXPECT_EQ(state.turnCardCount, 0) << "no move before the thinking time is up";
        EXPECT_EQ(state.remainingGroups, groupsBefore);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                clock.now += ComputerPlayer::kThinkingMs + 1;
                return !state.gameRunning || state.currentIsLocalHuman();
            },
            5000));
    }
    EXPECT_FALSE(state.gameRunning);
    EXPECT_GT(computerTurns, 0);
    EXPECT_TRUE(activeTimers(*window).isEmpty()) << "after the game";
    *watching = false;
}

TEST_F(MainWindowTest, ClosingDuringAGameAsksAndNoKeepsEverything) {
    open();
    startGame();
    answerNextMessageBox(QMessageBox::No);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->gameState().gameRunning);
    EXPECT_TRUE(reopenedSettings().value(QStringLiteral("fadeShow")).isEmpty()) << "nothing is written";

    answerNextMessageBox(QMessageBox::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(window->gameState().abortRequested);
    EXPECT_EQ(reopenedSettings().value(QStringLiteral("fadeShow")), "75");
}

TEST_F(MainWindowTest, ClosingWithoutAGameWritesTheSettings) {
    open();
    window->options().fadeHide = 300;
    window->options().soundOn = false;
    EXPECT_TRUE(window->close());
    const SettingsStore stored = reopenedSettings();
    EXPECT_EQ(stored.value(QStringLiteral("fadeShow")), "75");
    EXPECT_EQ(stored.value(QStringLiteral("fadeHide")), "300");
    EXPECT_EQ(stored.value(QStringLiteral("soundan")), "Nein");
    EXPECT_EQ(stored.value(QStringLiteral("Kartenruecken")), "classic");
    EXPECT_EQ(stored.value(QStringLiteral("abdecken")), "Nein");
    EXPECT_EQ(stored.value(QStringLiteral("higrufarbe")), "16711680");
}

// A request from outside (a signal, the end of the desktop session) comes while the user is
// asked whether to abandon the running game. In the program's own event loop, as it runs: the
// question goes as "No", and the program ends without asking whether to quit, the game
// abandoned and the settings written.
TEST_F(MainWindowTest, AnEndFromOutsideClosesTheOpenQuestionAndQuitsWithoutAsking) {
    open();
    startGame();
    clickSlot(1);
    window->options().fadeHide = 300;
    QStringList asked;
    onNextModal([&](QWidget* modal) {
        asked << modal->windowTitle();
        window->quitWithoutAsking();
    });
    // Any other question would wait for an answer for ever.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [&asked] {
        if (QWidget* modal = QApplication::activeModalWidget())
            asked << modal->windowTitle();
        QCoreApplication::exit(1);
    });
    stuck.start(5000);
    QTimer::singleShot(0, action("newGameAction"), &QAction::trigger);

    EXPECT_EQ(QApplication::exec(), 0);
    // The last window's close asked the application to quit; later tests must not see that.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Frage...")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(madeWindow<NewGameDialog>()->isVisible());
    EXPECT_TRUE(window->gameState().abortRequested);
    EXPECT_EQ(reopenedSettings().value(QStringLiteral("fadeHide")), "300");
}

TEST_F(MainWindowTest, RefusingToAbandonAGameKeepsIt) {
    open();
    startGame();
    clickSlot(1);
    answerNextMessageBox(QMessageBox::No);
    action("newGameAction")->trigger();
    EXPECT_TRUE(window->gameState().gameRunning);
    EXPECT_TRUE(window->gameState().cards[1].faceUp);
}

TEST_F(MainWindowTest, AGameThatAComputerOpensTakesNoClickFromTheGameBefore) {
    open();
    startGame();
    ASSERT_TRUE(boardView()->isEnabled()) << "a human was to move";
    answerNextMessageBox(QMessageBox::Yes);
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<NewGameDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->kindLists[0]->setCurrentIndex(2);
        dialog->startButton->click();
    });
    action("newGameAction")->trigger();
    const GameState& state = window->gameState();
    ASSERT_TRUE(state.gameRunning);
    ASSERT_TRUE(state.players[1].isComputer);
    clickSlot(1);
    EXPECT_FALSE(state.cards[1].faceUp) << "the computer's turn";
    EXPECT_FALSE(boardView()->isEnabled());
}

// Closed between games, the dialog holds no window and drawing surface, and offers again
// what was chosen in it.
TEST_F(MainWindowTest, TheNewGameDialogLetsGoOfItsWindowBetweenGamesAndKeepsItsChoices) {
    open();
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<NewGameDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->pairsLamp->setChecked(false);
        dialog->triplesLamp->setChecked(true);
        dialog->startButton->click();
    });
    action("newGameAction")->trigger();
    ASSERT_TRUE(window->gameState().gameRunning);
    auto* dialog = madeWindow<NewGameDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowHandle(), nullptr);

    answerNextMessageBox(QMessageBox::Yes);
    bool offeredTriples = false;
    onNextModal([&](QWidget* modal) {
        ASSERT_EQ(modal, dialog);
        offeredTriples = dialog->isVisible() && dialog->triplesLamp->isChecked();
        dialog->startButton->click();
    });
    action("newGameAction")->trigger();
    EXPECT_TRUE(offeredTriples);
    EXPECT_TRUE(window->gameState().gameRunning);
    EXPECT_EQ(dialog->windowHandle(), nullptr);
}

TEST_F(MainWindowTest, SpaceTurnsExactlyTheMarkedCardAndNothingWhileTheBoardTakesNoInput) {
    open();
    startGame();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    BoardFrame* keys = boardFrame();
    ASSERT_TRUE(keys->hasFocus()) << "the board has the keys after the new-game dialog";
    const GameState& state = window->gameState();
    const auto faceUpCount = [&] {
        int count = 0;
        for (int k = 1; k <= state.cardCount(); ++k)
            count += state.cards[k].faceUp ? 1 : 0;
        return count;
    };

    QTest::keyClick(keys, Qt::Key_Space);
    EXPECT_EQ(faceUpCount(), 0) << "the first key only shows the mark";
    EXPECT_TRUE(keys->isMarkShown());
    QTest::keyClick(keys, Qt::Key_Down);
    QTest::keyClick(keys, Qt::Key_Right);
    ASSERT_EQ(keys->focusedSlot(), 17);
    QTest::keyClick(keys, Qt::Key_Space);
    EXPECT_TRUE(state.cards[17].faceUp);
    EXPECT_EQ(faceUpCount(), 1);
    EXPECT_EQ(cardAt(boardView()->shownImage(), state.cards[17]),
              cardAt(window->images().board, state.cards[17]));

    window->turnFlow().setBoardInput(false, TurnFlow::BoardInputSite::CardPressed);
    QTest::keyClick(keys, Qt::Key_Right);
    QTest::keyClick(keys, Qt::Key_Space);
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_EQ(faceUpCount(), 1) << "no input, no turn";
    window->turnFlow().setBoardInput(true, TurnFlow::BoardInputSite::FirstCardTurned);
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_EQ(state.cards[18].revealCount, 1) << "Enter turns like Space";
}

TEST_F(MainWindowTest, TheKeyboardMarkLiesOnlyInTheGapAndGoesWithTheMouse) {
    open();
    startGame();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(boardFrame(), Qt::Key_End);
    QTest::keyClick(boardFrame(), Qt::Key_Left);
    const GameState& state = window->gameState();
    const Card& marked = state.cards[59];
    ASSERT_EQ(boardFrame()->focusedSlot(), 59);
    const QImage board = boardView()->shownImage();
    const QImage seen = boardView()->grab().toImage().convertToFormat(board.format());
    ASSERT_EQ(seen.size(), board.size());
    for (int k = 1; k <= state.cardCount(); ++k)
        ASSERT_EQ(cardAt(seen, state.cards[k]), cardAt(board, state.cards[k])) << "card " << k;
    EXPECT_EQ(seen.pixelColor(marked.left - 2, marked.top + 20), QColor(255, 255, 0));
    EXPECT_EQ(seen.pixelColor(marked.left + 41, marked.top - 2), QColor(255, 255, 0));
    EXPECT_EQ(seen.pixelColor(marked.left + 42, marked.top + 42), QColor(Qt::black));

    QTest::mouseClick(boardView(), Qt::RightButton, {}, QPoint(marked.left + 20, marked.top + 20));
    EXPECT_FALSE(boardFrame()->isMarkShown());
    EXPECT_EQ(boardView()->grab().toImage().convertToFormat(board.format()), board);
}

TEST_F(MainWindowTest, TheCoverTogglesAndAChosenColourWaitsForIt) {
    open();
    action("coverBackgroundAction")->trigger();
    EXPECT_TRUE(window->coverShown());
    EXPECT_TRUE(action("coverBackgroundAction")->isChecked());
    action("coverBackgroundAction")->trigger();
    EXPECT_FALSE(window->coverShown());
    EXPECT_FALSE(action("coverBackgroundAction")->isChecked());

    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(QColor(0, 128, 0));
        dialog->accept();
    });
    action("backgroundColourAction")->trigger();
    EXPECT_EQ(window->backgroundColour(), 0x008000u);
    EXPECT_FALSE(window->coverShown()) << "choosing a colour does not switch the cover on";

    onNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    action("backgroundColourAction")->trigger();
    EXPECT_EQ(window->backgroundColour(), 0x008000u) << "cancelling keeps the colour";
}

} // namespace
