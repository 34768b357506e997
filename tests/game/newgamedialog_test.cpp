#include "cards/cardsheet.h"
#include "controls/ui/completingedit.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "game/gamerandom.h"
#include "game/networkgame.h"
#include "game/newgamesetup.h"
#include "game/ui/newgamedialog.h"
#include "net/networklink.h"
#include "records/playernamelist.h"
#include "records/settingsstore.h"
#include "support/gametable.h"
#include "support/modal.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FakeHost : public NewGameHost {
public:
    void applyBoardSize(bool large) override { largeBoard = large; }
    void showKnownGroupsText(const QString& text) override { knownGroups = text; }
    void repaintBoard() override { ++repaints; }
    QImage& currentSheet() override { return sheet; }
    bool largeBoard = false;
    QString knownGroups;
    int repaints = 0;
    QImage sheet;
};

// Nobody calls: the dialog's network parts stay unused but for the address question.
class SilentPeerHost : public NetworkGameHost {
public:
    Task<bool> askToJoin() override { co_return false; }
    void showConnectionLost() override {}
    void prepareOfferedGame(bool, bool, bool) override {}
};

class NewGameDialogTest : public ::testing::Test, protected GameTable {
protected:
    std::unique_ptr<NewGameDialog> openDialog() {
        auto dialog = std::make_unique<NewGameDialog>(
            NewGameDialog::Context{settings, dir.filePath(QStringLiteral("spielernamen.dat")), state, tallies,
                                   random, flow, host, link, networkGame},
            QImage());
        dialog->show();
        return dialog;
    }

    // Collects the texts of the message boxes the next action shows, answering each with OK.
    void collectMessages(int count) {
        for (int i = 0; i < count; ++i)
            onNextModal([this](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    messages << box->text();
                modal->close();
            });
    }

    QTemporaryDir dir;
    SettingsStore settings{
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat)};
    FakeHost host;
    SilentPeerHost peerHost;
    NetworkLink link{nullptr, 0};
    NetworkGame networkGame{state, tallies, flow, board, link, peerHost};
    GameRandom random{8};
    QStringList messages;
};

TEST_F(NewGameDialogTest, AFirstStartOffersTwoPlayersAndDealsASmallPairsBoard) {
    auto dialog = openDialog();
    EXPECT_EQ(dialog->nameEdits[0]->text(), "Spieler 1");
    EXPECT_EQ(dialog->kindLists[0]->currentIndex(), 0);
    EXPECT_EQ(dialog->nameEdits[1]->text(), "Spieler 2");
    EXPECT_EQ(dialog->kindLists[1]->currentText(), "Computer-Spieler (Normal)");
    EXPECT_EQ(dialog->pictureFileEdit->text(), builtInSheetMarker());

    dialog->startGame();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(state.gameRunning);
    EXPECT_EQ(state.playerCount, 2);
    EXPECT_TRUE(state.players[2].isComputer);
    EXPECT_EQ(state.players[2].level, 2);
    EXPECT_EQ(state.remainingGroups, 30);
    EXPECT_EQ(state.settings.difficulty, 1) << "no difficulty chosen plays as Mittel";
    EXPECT_EQ(state.settings.motifKind, MotifKind::Pictures);
    EXPECT_EQ(host.knownGroups, "0");
    EXPECT_EQ(host.sheet.size(), QSize(330, 330)) << "the built-in pictures";
    EXPECT_EQ(settings.value(QStringLiteral("gesamtlevel")), "1");
    EXPECT_EQ(settings.value(QStringLiteral("geg2")), "2");
    PlayerNameList names(dir.filePath(QStringLiteral("spielernamen.dat")));
    names.load();
    EXPECT_EQ(names.names(), QStringList({"Spieler 1", "Spieler 2"}));
}

TEST_F(NewGameDialogTest, EmptyRowsAreSkippedAndEveryRowKeepsItsKindAndLamp) {
    settings.setValue(QStringLiteral("sp2"), QStringLiteral("Anna"));
    settings.setValue(QStringLiteral("geg2"), QStringLiteral("3"));
    settings.setValue(QStringLiteral("sp4"), QStringLiteral("Bert"));
    auto dialog = openDialog();
    // The rows look alike to a screen reader unless each control names its row.
    const auto heardName = [](QObject* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    EXPECT_EQ(heardName(dialog->nameEdits[3]), "Name von Teilnehmer 4");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog->kindLists[3])->text(QAccessible::Description),
              "Art von Teilnehmer 4");
    EXPECT_EQ(heardName(dialog->networkLamps[3]), "Teilnehmer 4 im Netzwerk");
    dialog->networkLamps[3]->setChecked(true);
    dialog->largeBoardLamp->setChecked(true);
    dialog->smallBoardLamp->setChecked(false);
    dialog->triplesLamp->setChecked(true);
    dialog->pairsLamp->setChecked(false);
    // Bert plays at another computer, whose address is not given here: the start is refused
    // after the participants have been built.
    onNextModal([](QWidget* addressDialog) { addressDialog->close(); });
    dialog->startGame();
    EXPECT_EQ(state.playerCount, 2);
    EXPECT_EQ(state.players[1].name, "Anna");
    EXPECT_EQ(state.players[1].level, 3);
    EXPECT_TRUE(state.players[1].isComputer);
    EXPECT_EQ(state.players[2].name, "Bert");
    EXPECT_TRUE(state.players[2].isNetwork);
    EXPECT_FALSE(state.gameRunning);

    dialog->networkLamps[3]->setChecked(false);
    dialog->startGame();
    EXPECT_TRUE(state.gameRunning);
    EXPECT_TRUE(host.largeBoard);
    EXPECT_EQ(state.remainingGroups, 40);
}

TEST_F(NewGameDialogTest, WithoutParticipantsBothRefusalsAreShownAndTheDialogStays) {
    auto dialog = openDialog();
    for (CompletingEdit* edit : dialog->nameEdits)
        edit->clear();
    collectMessages(2);
    dialog->startGame();
    ASSERT_TRUE(QTest::qWaitFor([this] { return messages.size() == 2; }));
    EXPECT_EQ(messages, QStringList({"Sie brauchen für ein vernünftiges Spiel\rmindestens einen Spieler!",
                                     "Es dürfen nicht alle Spieler Netzwerk-Teilnehmer sein!"}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(state.gameRunning);
}

TEST_F(NewGameDialogTest, CancellingStillStoresTheSetUpAndKnownNamesAreNotRepeated) {
    PlayerNameList known(dir.filePath(QStringLiteral("spielernamen.dat")));
    known.add(QStringLiteral("Anna"));
    known.save();
    auto dialog = openDialog();
    dialog->nameEdits[0]->setText(QStringLiteral("anna"));
    dialog->nameEdits[1]->setText(QStringLiteral("Jörg"));
    dialog->nameEdits[2]->setText(QStringLiteral("Jörg"));
    dialog->kindLists[2]->setCurrentIndex(1);
    dialog->difficultyList->setCurrentIndex(2);
    dialog->cancel();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settings.value(QStringLiteral("sp1")), "anna");
    EXPECT_EQ(settings.value(QStringLiteral("geg3")), "1");
    EXPECT_EQ(settings.value(QStringLiteral("gesamtlevel")), "2");
    known.load();
    EXPECT_EQ(known.names(), QStringList({"Anna", "Jörg"}));
}

TEST_F(NewGameDialogTest, EnterInTheFirstNameTakesACompletionAndOtherwiseStartsTheGame) {
    PlayerNameList known(dir.filePath(QStringLiteral("spielernamen.dat")));
    known.add(QStringLiteral("Anna"));
    known.save();
    auto dialog = openDialog();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    CompletingEdit* first = dialog->nameEdits[0];
    ASSERT_EQ(QApplication::focusWidget(), first);
    QSignalSpy started(dialog->startButton, &PushButton::clicked);

    first->selectAll();
    QTest::keyClicks(first, "a");
    ASSERT_EQ(first->selectedText(), "nna");
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(first->text(), "Anna");
    EXPECT_FALSE(first->hasSelectedText());
    EXPECT_FALSE(started.wait(200)) << "the first Enter takes the completion";

    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(started.wait(2000));
    EXPECT_TRUE(state.gameRunning);
    EXPECT_EQ(state.players[1].name, "Anna");
}

TEST_F(NewGameDialogTest, AStoredNonNumberIsReportedAndLeavesTheListAlone) {
    settings.setValue(QStringLiteral("gesamtlevel"), QStringLiteral("zwei"));
    collectMessages(1);
    auto dialog = openDialog();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("zwei")));
    EXPECT_EQ(dialog->difficultyList->currentIndex(), -1);
}

TEST_F(NewGameDialogTest, AnUnreadablePictureFileFallsBackToTheBuiltInPictures) {
    auto dialog = openDialog();
    const QString missing = dir.filePath(QStringLiteral("weg.pbd"));
    dialog->setFileChooser([&](QWidget*) { return missing; });
    dialog->choosePictureFile();
    EXPECT_EQ(dialog->pictureFileEdit->text(), missing);
    EXPECT_EQ(settings.value(QStringLiteral("Standardbilddatei")), missing);
    collectMessages(1);
    dialog->startGame();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Das angegebene Bild konnte nicht gefunden werden!")));
    EXPECT_EQ(host.sheet, builtInSheet());
    EXPECT_TRUE(state.gameRunning) << "the game starts all the same";

    dialog->useBuiltInPictures();
    EXPECT_EQ(dialog->pictureFileEdit->text(), builtInSheetMarker());
    dialog->numbersLamp->setChecked(true);
    EXPECT_FALSE(dialog->pictureFileBox->isVisible()) << "numbers need no picture file";
}

} // namespace
