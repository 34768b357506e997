#include "app/ui/mainwindow.h"
#include "board/ui/boardframe.h"
#include "cards/builtinpicturenames.h"
#include "controls/ui/imageview.h"
#include "controls/ui/sevensegmentdisplay.h"
#include "game/ui/newgamedialog.h"
#include "support/accessibilityevents.h"
#include "support/mainwindowsurroundings.h"
#include "support/newgame.h"
#include "support/qtprinters.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AccessibleBoardTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    AccessibleBoardTest() {
        newGameDialog = makeNewGameDialog(window, settings);
        SorbelloWindows windows;
        windows.newGameDialog = newGameDialog.get();
        window.attachWindows(windows);
        window.show();
    }

    QAccessibleTableInterface* board() {
        return QAccessible::queryAccessibleInterface(window.boardView)->tableInterface();
    }
    QString cellName(int slot) {
        return board()->cellAt((slot - 1) / 15, (slot - 1) % 15)->text(QAccessible::Name);
    }
    QString statusName() {
        return QAccessible::queryAccessibleInterface(window.statusView)->text(QAccessible::Name);
    }
    void clickSlot(int slot) {
        const Card& card = window.gameState().cards[slot];
        QTest::mouseClick(window.boardView, Qt::LeftButton, {}, QPoint(card.left + 20, card.top + 20));
    }
    int slotWithMotif(int motif, int besides) {
        const GameState& state = window.gameState();
        for (int k = 1; k <= state.cardCount(); ++k)
            if (k != besides && state.cards[k].motif == motif)
                return k;
        return 0;
    }

    MainWindow window{appEnvironment()};
    std::unique_ptr<NewGameDialog> newGameDialog;
};

} // namespace

TEST_F(AccessibleBoardTest, TheBoardIsATableOfSlotsThatTellsTurnedAndRemovedCardsAsTheyChange) {
    AccessibilityEvents heard;
    ASSERT_NE(board(), nullptr);
    EXPECT_EQ(board()->rowCount(), 0) << "no cells before a game";
    startGameThroughDialog(window);
    const GameState& state = window.gameState();
    EXPECT_EQ(board()->rowCount(), 4);
    EXPECT_EQ(board()->columnCount(), 15);
    EXPECT_EQ(cellName(1), "Karte 1, verdeckt");
    EXPECT_EQ(cellName(60), "Karte 60, verdeckt");
    QAccessibleInterface* last = board()->cellAt(3, 14);
    EXPECT_EQ(last->role(), QAccessible::Cell);
    EXPECT_EQ(last->rect(), QRect(window.boardView->mapToGlobal(QPoint(612, 139)), QSize(40, 40)));

    heard.clear();
    clickSlot(1);
    EXPECT_EQ(cellName(1), "Karte 1: " + builtInPictureName(state.cards[1].motif));
    EXPECT_EQ(heard.count(window.boardView, QAccessible::NameChanged, 0), 1);
    EXPECT_EQ(board()->cellAt(0, 0), last->parent()->child(0)) << "the same cell before and after";

    const int partner = slotWithMotif(state.cards[1].motif, 1);
    clickSlot(partner);
    EXPECT_EQ(cellName(1), "leer");
    EXPECT_EQ(cellName(partner), "leer");
    EXPECT_EQ(heard.count(window.boardView, QAccessible::NameChanged, partner - 1), 2)
        << "turned, then removed";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.remainingDisplay)->text(QAccessible::Name),
              "Restpunkte: 29");
    EXPECT_GE(heard.count(window.remainingDisplay, QAccessible::NameChanged), 1);
}

TEST_F(AccessibleBoardTest, TheKeyboardMarkIsTheFocusedCell) {
    AccessibilityEvents heard;
    startGameThroughDialog(window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    BoardFrame* keys = window.boardFrame;
    ASSERT_TRUE(keys->hasFocus());
    const auto focused = [&](int slot) {
        return board()->cellAt((slot - 1) / 15, (slot - 1) % 15)->state().focused;
    };
    EXPECT_FALSE(focused(1)) << "no mark before the keyboard is used";

    QTest::keyClick(keys, Qt::Key_Home);
    QTest::keyClick(keys, Qt::Key_Right);
    ASSERT_EQ(keys->focusedSlot(), 2);
    EXPECT_TRUE(focused(2));
    EXPECT_FALSE(focused(1));
    EXPECT_EQ(heard.count(window.boardView, QAccessible::Focus, 1), 1);
    EXPECT_EQ(heard.count(window.boardView, QAccessible::Focus, 0), 1);

    QTest::mouseClick(window.boardView, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(focused(2)) << "the mouse takes the mark away";
}

TEST_F(AccessibleBoardTest, TheStatusStripReadsPointsAndWhoseTurnItIsAndAnnouncesTheNextPlayer) {
    AccessibilityEvents heard;
    EXPECT_EQ(statusName(), "Kein Spiel aktiv");
    startGameThroughDialog(window);
    const GameState& state = window.gameState();
    EXPECT_EQ(statusName(), "Spieler 1: 0 Punkte, am Zug; Spieler 2: 0 Punkte");

    clickSlot(2);
    clickSlot(slotWithMotif(state.cards[2].motif, 2));
    EXPECT_EQ(statusName(), "Spieler 1: 1 Punkt, am Zug; Spieler 2: 0 Punkte");

    heard.clear();
    // A miss: two cards still on the board, of different motifs (the deal is new every time).
    int first = 1;
    while (!state.cards[first].present)
        ++first;
    int other = first + 1;
    while (!state.cards[other].present || state.cards[other].motif == state.cards[first].motif)
        ++other;
    clickSlot(first);
    clickSlot(other);
    EXPECT_EQ(cellName(first), QStringLiteral("Karte %1, verdeckt").arg(first)) << "turned back";
    EXPECT_EQ(statusName(), "Spieler 1: 1 Punkt; Spieler 2: 0 Punkte, am Zug");
    EXPECT_EQ(heard.count(window.statusView, QAccessible::NameChanged), 1);
}
