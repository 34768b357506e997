#include "app/ui/mainwindow.h"
#include "board/ui/boardframe.h"
#include "cards/builtinpicturenames.h"
#include "controls/ui/imageview.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/sevensegmentdisplay.h"
#include "controls/ui/toolbutton.h"
#include "game/computerplayer.h"
#include "game/ui/newgamedialog.h"
#include "shell/ui/helpwindow.h"
#include "support/accessibilityevents.h"
#include "support/mainwindowsurroundings.h"
#include "support/modal.h"
#include "support/newgame.h"
#include "support/qtprinters.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

// What the status bar said at each announcement, as a screen reader hears it.
class HeardStatus {
public:
    HeardStatus() {
        texts().clear();
        previous_ = setAnnouncementListener(&record);
    }
    ~HeardStatus() { setAnnouncementListener(previous_); }
    HeardStatus(const HeardStatus&) = delete;
    HeardStatus& operator=(const HeardStatus&) = delete;

    const QStringList& all() const { return texts(); }

private:
    static QStringList& texts() {
        static QStringList heard;
        return heard;
    }
    static void record(QAccessibleEvent* event) {
        QAccessibleInterface* source = event->accessibleInterface();
        if (event->type() == QAccessible::NameChanged && source && source->role() == QAccessible::StatusBar)
            texts() << source->text(QAccessible::Name);
    }

    AnnouncementListener previous_ = nullptr;
};

class AccessibleBoardTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    AccessibleBoardTest() {
        storeTwoHumanPlayers(settings);
        window.show();
    }

    ImageView* boardView() { return part<ImageView>(window, "boardView"); }
    ImageView* statusView() { return part<ImageView>(window, "statusView"); }
    SevenSegmentDisplay* remainingDisplay() { return part<SevenSegmentDisplay>(window, "remainingDisplay"); }
    QLabel* label(const char* name) { return part<QLabel>(window, name); }

    QAccessibleTableInterface* board() {
        return QAccessible::queryAccessibleInterface(boardView())->tableInterface();
    }
    QString cellName(int slot) {
        return board()->cellAt((slot - 1) / 15, (slot - 1) % 15)->text(QAccessible::Name);
    }
    QString statusName() {
        return QAccessible::queryAccessibleInterface(statusView())->text(QAccessible::Name);
    }
    void clickSlot(int slot) {
        const Card& card = window.gameState().cards[slot];
        QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(card.left + 20, card.top + 20));
    }
    // A card as the status names it.
    QString card(int slot) {
        return QStringLiteral("Karte %1, %2")
            .arg(slot)
            .arg(builtInPictureName(window.gameState().cards[slot].motif));
    }
    int slotWithMotif(int motif, int besides) {
        const GameState& state = window.gameState();
        for (int k = 1; k <= state.cardCount(); ++k)
            if (k != besides && state.cards[k].motif == motif)
                return k;
        return 0;
    }

    MainWindow window{appEnvironment()};
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
    EXPECT_EQ(last->rect(), QRect(boardView()->mapToGlobal(QPoint(612, 139)), QSize(40, 40)));

    heard.clear();
    clickSlot(1);
    EXPECT_EQ(cellName(1), "Karte 1: " + builtInPictureName(state.cards[1].motif));
    EXPECT_EQ(heard.count(boardView(), QAccessible::NameChanged, 0), 1);
    EXPECT_EQ(board()->cellAt(0, 0), last->parent()->child(0)) << "the same cell before and after";

    const int partner = slotWithMotif(state.cards[1].motif, 1);
    clickSlot(partner);
    EXPECT_EQ(cellName(1), "leer");
    EXPECT_EQ(cellName(partner), "leer");
    EXPECT_EQ(heard.count(boardView(), QAccessible::NameChanged, partner - 1), 2) << "turned, then removed";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(remainingDisplay())->text(QAccessible::Name),
              "Restpunkte: 29");
    EXPECT_GE(heard.count(remainingDisplay(), QAccessible::NameChanged), 1);
}

TEST_F(AccessibleBoardTest, TheCountersAreHeardWithTheirCaptionsAndTheToolButtonsPress) {
    const auto heard = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    EXPECT_EQ(heard(label("knownGroupsLabel")), "Anzahl vollständig aufgedeckter Kartenpaare: 00");
    startGameThroughDialog(window);
    EXPECT_EQ(heard(label("knownGroupsLabel")), "Anzahl vollständig aufgedeckter Kartenpaare: 0");
    EXPECT_EQ(heard(remainingDisplay()), "Restpunkte: 30");
    // The captions label their counters, so a screen reader does not read them once more alone.
    for (auto [caption, counter] :
         {std::pair<QWidget*, QWidget*>{label("knownGroupsCaption"), label("knownGroupsLabel")},
          {label("remainingCaption"), remainingDisplay()}}) {
        const auto labels = QAccessible::queryAccessibleInterface(counter)->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.front().first->object(), caption);
    }

    ToolButton* helpButton = part<ToolButton>(window, "helpButton");
    QAccessibleActionInterface* help = QAccessible::queryAccessibleInterface(helpButton)->actionInterface();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->actionNames().contains(QAccessibleActionInterface::pressAction()));
    help->doAction(QAccessibleActionInterface::pressAction());
    HelpWindow* helpWindow = madeWindow<HelpWindow>();
    ASSERT_NE(helpWindow, nullptr);
    EXPECT_TRUE(helpWindow->isVisible());
    EXPECT_EQ(helpWindow->browser()->source(), helpTopicUrl("hauptue"));
    helpWindow->close();
    helpButton->setEnabled(false);
    EXPECT_FALSE(help->actionNames().contains(QAccessibleActionInterface::pressAction()));
    help->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(helpWindow->isVisible()) << "a disabled button does nothing";
}

TEST_F(AccessibleBoardTest, TheKeyboardMarkIsTheFocusedCell) {
    AccessibilityEvents heard;
    startGameThroughDialog(window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    BoardFrame* keys = part<BoardFrame>(window, "boardFrame");
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
    EXPECT_EQ(heard.count(boardView(), QAccessible::Focus, 1), 1);
    EXPECT_EQ(heard.count(boardView(), QAccessible::Focus, 0), 1);

    QTest::mouseClick(boardView(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(focused(2)) << "the mouse takes the mark away";
}

TEST_F(AccessibleBoardTest, TheStatusStripReadsPointsAndWhoseTurnItIsAndAnnouncesTheNextPlayer) {
    AccessibilityEvents heard;
    EXPECT_EQ(statusName(), "Kein Spiel aktiv");
    startGameThroughDialog(window);
    const GameState& state = window.gameState();
    EXPECT_EQ(statusName(), "Spieler 1: 0 Punkte, am Zug; Spieler 2: 0 Punkte");

    const int partner = slotWithMotif(state.cards[2].motif, 2);
    clickSlot(2);
    EXPECT_EQ(statusName(),
              "Spieler 1 deckt auf: " + card(2) + ". Spieler 1: 0 Punkte, am Zug; Spieler 2: 0 Punkte");
    clickSlot(partner);
    EXPECT_EQ(statusName(), "Spieler 1 deckte auf: " + card(2) + "; " + card(partner) +
                                ". Spieler 1: 1 Punkt, am Zug; Spieler 2: 0 Punkte")
        << "the pair is gone, its names stay until the next card";

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
    EXPECT_EQ(statusName(), "Spieler 1 deckte auf: " + card(first) + "; " + card(other) +
                                ". Spieler 1: 1 Punkt; Spieler 2: 0 Punkte, am Zug");
    EXPECT_EQ(heard.count(statusView(), QAccessible::NameChanged), 4)
        << "each card, the end of the turn, the next player";
}

TEST_F(AccessibleBoardTest, TheCardsAComputerPlayerTurnsAreHeardAndStayReadableWhenTheyAreFaceDownAgain) {
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<NewGameDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->kindLists[1]->setCurrentIndex(1); // "Computer-Spieler (Dumm)"
        dialog->startButton->click();
    });
    part<QAction>(window, "newGameAction")->trigger();
    const GameState& state = window.gameState();
    ASSERT_TRUE(state.players[2].isComputer);
    // Spieler 1 misses, then the computer moves until it misses too.
    int other = 2;
    while (state.cards[other].motif == state.cards[1].motif)
        ++other;
    clickSlot(1);
    clickSlot(other);
    HeardStatus heard;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            clock.now += ComputerPlayer::kThinkingMs + 1;
            return state.currentIsLocalHuman() || !state.gameRunning;
        },
        5000));
    ASSERT_TRUE(state.gameRunning);

    ASSERT_FALSE(heard.all().isEmpty());
    const QRegularExpressionMatch firstCard =
        QRegularExpression(QStringLiteral("^Spieler 2 deckt auf: Karte (\\d+), ([^;.]+)\\. "))
            .match(heard.all().front());
    ASSERT_TRUE(firstCard.hasMatch()) << heard.all().front().toStdString();
    EXPECT_EQ(firstCard.captured(0), "Spieler 2 deckt auf: " + card(firstCard.captured(1).toInt()) + ". ")
        << "heard the moment it was up";

    const QRegularExpressionMatch miss =
        QRegularExpression(
            QStringLiteral("^Spieler 2 deckte auf: Karte (\\d+), [^;]+; Karte (\\d+), [^;]+\\. "
                           "Spieler 1: 0 Punkte, am Zug; Spieler 2 \\(Computer\\): \\d+ Punkte?$"))
            .match(statusName());
    ASSERT_TRUE(miss.hasMatch()) << statusName().toStdString();
    const int a = miss.captured(1).toInt();
    const int b = miss.captured(2).toInt();
    EXPECT_TRUE(statusName().startsWith("Spieler 2 deckte auf: " + card(a) + "; " + card(b) + ". "));
    EXPECT_NE(state.cards[a].motif, state.cards[b].motif);
    EXPECT_EQ(cellName(a), QStringLiteral("Karte %1, verdeckt").arg(a)) << "no longer on the board to read";
}
