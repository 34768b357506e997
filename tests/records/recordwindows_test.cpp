#include "app/ui/mainwindow.h"
#include "controls/ui/captionband.h"
#include "controls/ui/imageview.h"
#include "controls/ui/pushbutton.h"
#include "game/ui/enddialog.h"
#include "records/gamerecords.h"
#include "records/highscoredrawing.h"
#include "records/settingsstore.h"
#include "records/stattable.h"
#include "records/ui/highscorewindow.h"
#include "records/ui/statisticsdialog.h"
#include "support/fakes.h"
#include "support/mainwindowsurroundings.h"
#include "support/modal.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "game/ui/newgamedialog.h"
#include "sound/messageboxcatcher.h"
#include "support/newgame.h"

#include "datafiles.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

class RecordWindowsTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    RecordWindowsTest() {
        AppEnvironment environment = appEnvironment();
        environment.today = [] { return QDate(2024, 5, 3); };
        window = std::make_unique<MainWindow>(environment);
        storeTwoHumanPlayers(settings);
        window->show();
    }

    // What the statistics dialog shows, read while it is open; `choose` is clicked first.
    struct StatisticsView {
        QStringList names;
        QStringList counters;
    };
    StatisticsView showStatistics(int choose = -1) {
        StatisticsView view;
        onNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<StatisticsDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            for (int i = 0; i < dialog->nameList->count(); ++i)
                view.names << dialog->nameList->item(i)->text();
            if (choose >= 0) {
                const QRect row = dialog->nameList->visualItemRect(dialog->nameList->item(choose));
                QTest::mouseClick(dialog->nameList->viewport(), Qt::LeftButton, {}, row.center());
            }
            for (const QLabel* value :
                 {dialog->gamesLabel, dialog->winsLabel, dialog->pairsFoundLabel, dialog->missesLabel})
                view.counters << value->text();
            dialog->closeButton->click();
        });
        part<QAction>(*window, "statisticsAction")->trigger();
        return view;
    }

    void clickSlot(int slot) {
        const Card& card = window->gameState().cards[slot];
        QTest::mouseClick(part<ImageView>(*window, "boardView"), Qt::LeftButton, {},
                          QPoint(card.left + 20, card.top + 20));
    }

    int firstPresent() const {
        int slot = 1;
        while (!window->gameState().cards[slot].present)
            ++slot;
        return slot;
    }

    int presentWhere(int slot, bool sameMotif) const {
        const GameState& state = window->gameState();
        for (int k = 1; k <= state.cardCount(); ++k)
            if (k != slot && state.cards[k].present &&
                (state.cards[k].motif == state.cards[slot].motif) == sameMotif)
                return k;
        return 0;
    }

    // Player 1 finds one pair and misses; player 2 finds all the rest.
    void playGameEndingOneToTwentyNine() {
        startGameThroughDialog(*window);
        const GameState& state = window->gameState();
        int first = firstPresent();
        clickSlot(first);
        clickSlot(presentWhere(first, true));
        first = firstPresent();
        clickSlot(first);
        clickSlot(presentWhere(first, false));
        while (state.gameRunning) {
            if (state.remainingGroups == 1)
                onNextModal([](QWidget* modal) { qobject_cast<EndDialog*>(modal)->closeButton->click(); });
            first = firstPresent();
            clickSlot(first);
            clickSlot(presentWhere(first, true));
        }
        // The last turn goes on once the end dialog is closed.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->turnFlow().busy(); }));
    }

    DataPaths paths{dir.path(), dir.path()};
    std::unique_ptr<MainWindow> window;
};

TEST_F(RecordWindowsTest, StatisticsListUpperCasedNamesInTableOrderAndShowTheChosenCounters) {
    StatTable table;
    table.entries = {{u"Zora"_s, 2, 1, 20, 9}, {u"anna"_s, 12, 5, 96, 41}, {u"Jörg"_s, 3, 0, 18, 15}};
    ASSERT_TRUE(writeStatTable(paths.statisticsFile(), table));

    const StatisticsView unchosen = showStatistics();
    EXPECT_EQ(unchosen.names, QStringList({u"ZORA"_s, u"ANNA"_s, u"JöRG"_s}));
    EXPECT_EQ(unchosen.counters, QStringList(4, u"00000"_s)) << "showing chooses no entry";

    EXPECT_EQ(showStatistics(1).counters, QStringList({u"12"_s, u"5"_s, u"96"_s, u"41"_s}));
    EXPECT_EQ(showStatistics().counters, QStringList({u"12"_s, u"5"_s, u"96"_s, u"41"_s}))
        << "the counters stay until another entry is chosen";
}

// What the ear gets must be what the eye gets: the list is named, each counter is heard with
// its caption, and no name is marked while the counters are not its own.
TEST_F(RecordWindowsTest, StatisticsAreHeardWithTheirCaptionsAndNoNameIsMarkedUntilOneIsChosen) {
    StatTable table;
    table.entries = {{u"Zora"_s, 2, 1, 20, 9}, {u"anna"_s, 12, 5, 96, 41}};
    ASSERT_TRUE(writeStatTable(paths.statisticsFile(), table));
    const auto heard = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    onNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<StatisticsDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        // A failed assertion leaves the checks, not the dialog open.
        [&] {
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            QListWidget* list = dialog->nameList;
            ASSERT_TRUE(list->hasFocus());
            EXPECT_EQ(heard(list), u"Spieler"_s);
            EXPECT_FALSE(list->currentIndex().isValid()) << "the focus marks no name";
            EXPECT_EQ(heard(dialog->gamesLabel), u"Teilgenommen an: 00000 Spielen"_s);

            QTest::keyClick(list, Qt::Key_Down);
            EXPECT_EQ(list->currentRow(), 0);
            EXPECT_EQ(heard(dialog->gamesLabel), u"Teilgenommen an: 2 Spielen"_s);
            EXPECT_EQ(heard(dialog->winsLabel), u"davon gewonnen: 1 Spiele"_s);
            EXPECT_EQ(heard(dialog->pairsFoundLabel), u"Aufgedeckte Kartenpaare: 20"_s);
            EXPECT_EQ(heard(dialog->missesLabel), u"Nicht aufgedeckte Kartenpaare: 9"_s);
            QAccessibleInterface* marked = QAccessible::queryAccessibleInterface(list)->focusChild();
            ASSERT_NE(marked, nullptr);
            EXPECT_EQ(marked->text(QAccessible::Name), u"ZORA"_s);
        }();
        dialog->closeButton->click();
    });
    part<QAction>(*window, "statisticsAction")->trigger();
}

TEST_F(RecordWindowsTest, TheHighScorePictureIsReadAsATableOfRanksUnderItsHeadings) {
    window->records().enterHighScore(u"Anna"_s, 18);
    window->records().enterHighScore(u"Bert"_s, 12);
    onNextModal([](QWidget* modal) {
        auto* highScores = qobject_cast<HighScoreWindow*>(modal);
        ASSERT_NE(highScores, nullptr);
        [&] {
            QAccessibleInterface* view = QAccessible::queryAccessibleInterface(highScores->tableView);
            EXPECT_EQ(view->role(), QAccessible::Table);
            EXPECT_EQ(view->text(QAccessible::Name), u"Highscore"_s);
            QAccessibleTableInterface* table = view->tableInterface();
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(table->rowCount(), 30);
            EXPECT_EQ(table->columnCount(), 4);
            const auto row = [&](int r) {
                QStringList texts;
                for (int c = 0; c < 4; ++c)
                    texts << table->cellAt(r, c)->text(QAccessible::Name);
                return texts;
            };
            EXPECT_EQ(row(0), QStringList({u"1."_s, u"Anna"_s, u"18"_s, u"03.05.2024"_s}));
            EXPECT_EQ(row(1), QStringList({u"2."_s, u"Bert"_s, u"12"_s, u"03.05.2024"_s}));
            EXPECT_EQ(row(29), QStringList({u"30."_s, u"Unbelegt"_s, u"0"_s, u"00.00.0000"_s}));

            QAccessibleInterface* points = table->cellAt(0, 2);
            const QList<QAccessibleInterface*> headings = points->tableCellInterface()->columnHeaderCells();
            ASSERT_EQ(headings.size(), 1);
            EXPECT_EQ(headings.front()->text(QAccessible::Name), u"Punkte"_s);
            EXPECT_EQ(headings.front()->role(), QAccessible::ColumnHeader);
            EXPECT_EQ(view->indexOfChild(points), view->indexOfChild(table->cellAt(0, 0)) + 2);
            // Rank 16 heads the right half of the picture.
            const QRect name16 = table->cellAt(15, 1)->rect();
            EXPECT_EQ(name16.topLeft(), highScores->tableView->mapToGlobal(QPoint(340, 30)));
            EXPECT_EQ(view->childAt(name16.center().x(), name16.center().y()), table->cellAt(15, 1));
        }();
        highScores->okayButton->click();
    });
    part<QAction>(*window, "highScoresAction")->trigger();
}

TEST_F(RecordWindowsTest, AnUnreadableStatisticsFileKeepsThePreviousTable) {
    StatTable table;
    table.entries = {{u"Anna"_s, 1, 1, 10, 2}};
    ASSERT_TRUE(writeStatTable(paths.statisticsFile(), table));
    showStatistics();
    ASSERT_TRUE(QFile::remove(paths.statisticsFile()));

    const StatisticsView view = showStatistics(0);
    EXPECT_EQ(view.names, QStringList({u"ANNA"_s}));
    EXPECT_EQ(view.counters, QStringList({u"1"_s, u"1"_s, u"10"_s, u"2"_s}));
}

TEST_F(RecordWindowsTest, GameResultsAreShownAndReachTheFileAtTheGameEndAndWhenClosedDuringTheNextGame) {
    playGameEndingOneToTwentyNine();
    // The window goes before the last check; its table is compared after it.
    const HighScoreTable table = window->records().highScores();
    EXPECT_EQ(table.entry(1), (HighScoreEntry{u"Spieler 2"_s, u"03.05.2024"_s, 29}));
    EXPECT_EQ(table.entry(2), (HighScoreEntry{u"Spieler 1"_s, u"03.05.2024"_s, 1}));
    EXPECT_EQ(table.entry(3).name, u"Unbelegt"_s);
    EXPECT_EQ(fileBytes(paths.highScoreFile()), table.toBytes()) << "written at the game's end";

    QImage shown;
    onNextModal([&](QWidget* modal) {
        auto* highScores = qobject_cast<HighScoreWindow*>(modal);
        ASSERT_NE(highScores, nullptr);
        EXPECT_EQ(highScores->captionBand->width(), 23);
        EXPECT_EQ(highScores->tableView->size(), QSize(589, 361));
        shown = highScores->tableView->shownImage();
        highScores->okayButton->click();
    });
    part<QAction>(*window, "highScoresAction")->trigger();
    QImage expected(589, 361, QImage::Format_RGB32);
    drawHighScoreTable(expected, table);
    EXPECT_EQ(shown, expected) << "drawn afresh with this run's results";

    ASSERT_TRUE(QFile::remove(paths.highScoreFile()));
    startGameThroughDialog(*window);
    answerNextMessageBox(QMessageBox::Yes);
    ASSERT_TRUE(window->close());
    window.reset();

    GameRecords nextRun(paths.highScoreFile(), paths.statisticsFile());
    nextRun.loadHighScores();
    EXPECT_EQ(nextRun.highScores().toBytes(), table.toBytes());
}

// Closes the end dialog when it opens; message boxes before it are left to whoever closes them.
void closeEndDialog(bool& shown) {
    onNextModal([&shown](QWidget* modal) {
        if (auto* end = qobject_cast<EndDialog*>(modal)) {
            shown = true;
            end->closeButton->click();
        } else {
            closeEndDialog(shown);
        }
    });
}

TEST_F(RecordWindowsTest, ResultsThatCannotBeWrittenAreReportedOnceAtEachWriteAndTheGameGoesOn) {
    startGameThroughDialog(*window);
    const GameState& state = window->gameState();
    while (state.remainingGroups > 1) {
        const int first = firstPresent();
        clickSlot(first);
        clickSlot(presentWhere(first, true));
    }
    const auto failure = [](const QString& path) {
        return u"Die Datei \""_s + QDir::toNativeSeparators(path) +
               u"\" konnte nicht gespeichert werden:\r"_s + QString::fromLocal8Bit(std::strerror(EFBIG)) +
               u"\rDie neuen Ergebnisse fehlen deshalb darin."_s;
    };
    MessageBoxCatcher boxes;
    bool endDialogShown = false;
    {
        const FileSizeLimit full(8);
        closeEndDialog(endDialogShown);
        const int first = firstPresent();
        clickSlot(first);
        clickSlot(presentWhere(first, true));
        ASSERT_EQ(boxes.seen.size(), 2u) << "one message for each file the game end writes";
        EXPECT_EQ(boxes.seen[0].caption, u"Fehler!"_s);
        EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.seen[0].text, failure(paths.statisticsFile()));
        EXPECT_EQ(boxes.seen[1].text, failure(paths.highScoreFile()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return endDialogShown; }));
        EXPECT_TRUE(endDialogShown) << "the game goes on to its end";

        window.reset();
        ASSERT_EQ(boxes.seen.size(), 3u) << "one message at the end of the run";
        EXPECT_EQ(boxes.seen[2].text, failure(paths.highScoreFile()));
    }
    EXPECT_FALSE(QFile::exists(paths.statisticsFile()));
    EXPECT_FALSE(QFile::exists(paths.highScoreFile()));
}

} // namespace
