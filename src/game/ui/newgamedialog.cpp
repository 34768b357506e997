#include "newgamedialog.h"

#include "cards/cardsheet.h"
#include "cards/ui/sheetloading.h"
#include "controls/ui/centring.h"
#include "controls/ui/completingedit.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "game/dealing.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"
#include "game/networkgame.h"
#include "game/newgamesetup.h"
#include "game/turnflow.h"
#include "game/ui/messageanswer.h"
#include "net/networklink.h"
#include "net/ui/addressdialog.h"
#include "net/ui/progresswindow.h"
#include "records/optionsio.h"
#include "records/playernamelist.h"
#include "records/settingsstore.h"
#include "records/ui/invalidsettingmessage.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QShowEvent>

#include <algorithm>
#include <cstdlib>

namespace {
QString kindSetting(int row) {
    return QStringLiteral("geg%1").arg(row + 1);
}
QString nameSetting(int row) {
    return QStringLiteral("sp%1").arg(row + 1);
}
} // namespace

NewGameDialog::NewGameDialog(Context context, const QImage& texture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ctx_(std::move(context)), texture_(texture), names_(ctx_.playerNamesFile) {
    setObjectName(QStringLiteral("newGameDialog"));
    setWindowTitle(tr("Neues Spiel..."));
    setFixedSize(460, 386);
    buildLayout(texture);
    chooseFile_ = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(),
                                            tr("Paarlo-Bilddateien (*.pbd *.PBD)"));
    };
    connect(startButton, &PushButton::clicked, this, &NewGameDialog::startGame);
    connect(cancelButton, &PushButton::clicked, this, &NewGameDialog::cancel);
    connect(changeFileButton, &PushButton::clicked, this, &NewGameDialog::choosePictureFile);
    connect(builtInButton, &PushButton::clicked, this, &NewGameDialog::useBuiltInPictures);
    connect(helpButton, &PushButton::clicked, this, &NewGameDialog::showHelp);
    connect(numbersLamp, &Lamp::toggled, this, &NewGameDialog::onNumbersToggled);
    connect(&ctx_.networkGame, &NetworkGame::peerConnected, this, [this] {
        if (callStep_ == CallStep::Searching)
            setCallStep(CallStep::Found);
    });
    connect(&ctx_.networkGame, &NetworkGame::invitationAnswered, this, [this](bool accepted) {
        if (callStep_ == CallStep::Asking)
            setCallStep(accepted ? CallStep::Accepted : CallStep::Declined);
    });
    initialiseControls();
}

NewGameDialog::~NewGameDialog() = default;

AddressDialog& NewGameDialog::addressDialog() {
    if (!addressDialog_)
        addressDialog_ = std::make_unique<AddressDialog>(texture_);
    return *addressDialog_;
}

ProgressWindow& NewGameDialog::progressWindow() {
    if (!progressWindow_) {
        progressWindow_ = std::make_unique<ProgressWindow>(texture_, this);
        connect(progressWindow_.get(), &ProgressWindow::abortRequested, this,
                [this] { setCallStep(CallStep::Aborted); });
    }
    return *progressWindow_;
}

// Every change can end a wait of a network start, so the waits look again.
void NewGameDialog::setCallStep(CallStep step) {
    callStep_ = step;
    callStepChanged_.notify();
}

void NewGameDialog::releaseWindow() {
    if (isVisible())
        return;
    // It stands over this window; made again with it when a start needs it.
    progressWindow_.reset();
    destroy();
}

QString NewGameDialog::pictureSource() const {
    return pictureFileEdit->text();
}

void NewGameDialog::takeOfferedGame(bool triples, bool pictures) {
    picturesLamp->setChecked(pictures);
    numbersLamp->setChecked(!pictures);
    triplesLamp->setChecked(triples);
    pairsLamp->setChecked(!triples);
}

void NewGameDialog::initialiseControls() {
    const QString source = ctx_.settings.value(QStringLiteral("Standardbilddatei"));
    pictureFileEdit->setText(source.isEmpty() || isBuiltInSheetMarker(source) ? shownBuiltInSheetMarker()
                                                                              : source);
    for (QComboBox* kind : kindLists)
        kind->setCurrentIndex(0);
    difficultyList->setCurrentIndex(-1);
}

void NewGameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        loadStoredSetUp();
}

void NewGameDialog::loadStoredSetUp() {
    names_.load();
    for (CompletingEdit* edit : nameEdits) {
        edit->clearEntries();
        edit->suspendSorting();
        for (const QString& name : names_.names())
            edit->addEntry(name);
        edit->sortEntries();
    }
    const InvalidSetting warn = [this](const QString& name, const QString& text) {
        showInvalidSetting(this, name, text);
    };
    if (const auto level = readDecimal(ctx_.settings, QStringLiteral("gesamtlevel"), warn);
        level && *level >= 0 && *level <= 2)
        difficultyList->setCurrentIndex(*level);
    for (int row = 0; row < 4; ++row)
        nameEdits[row]->setText(ctx_.settings.value(nameSetting(row)));
    for (int row = 0; row < 4; ++row) {
        // -1 is a list without a selection; anything beyond the list is left alone.
        if (const auto kind = readDecimal(ctx_.settings, kindSetting(row), warn);
            kind && *kind >= -1 && *kind <= 3)
            kindLists[row]->setCurrentIndex(*kind);
    }
    if (std::all_of(nameEdits.begin(), nameEdits.end(),
                    [](const CompletingEdit* edit) { return edit->text().isEmpty(); })) {
        nameEdits[0]->setText(tr("Spieler 1"));
        kindLists[0]->setCurrentIndex(0);
        nameEdits[1]->setText(tr("Spieler 2"));
        kindLists[1]->setCurrentIndex(2);
    }
    centreOnScreen(*this);
}

void NewGameDialog::done(int result) {
    // A network start still waiting ends with the dialog.
    starting_.cancel();
    if (progressWindow_)
        progressWindow_->hide();
    storeSetUp();
    QDialog::done(result);
}

void NewGameDialog::storeSetUp() {
    // The list as it was read when the dialog opened, with the names typed since.
    for (const CompletingEdit* edit : nameEdits)
        if (!names_.contains(edit->text()))
            names_.add(edit->text());
    names_.save();
    ctx_.settings.setValue(QStringLiteral("gesamtlevel"),
                           QString::number(std::abs(difficultyList->currentIndex())));
    for (int row = 0; row < 4; ++row)
        ctx_.settings.setValue(nameSetting(row), nameEdits[row]->text());
    for (int row = 0; row < 4; ++row)
        ctx_.settings.setValue(kindSetting(row), QString::number(kindLists[row]->currentIndex()));
}

void NewGameDialog::startGame() {
    // One start at a time: a second press while the other computer is being called is not a
    // second call.
    if (!starting_.busy())
        starting_.run(start());
}

Task<> NewGameDialog::start() {
    GameState& state = ctx_.state;
    const int difficulty = difficultyList->currentIndex();
    state.settings.difficulty = static_cast<quint8>(difficulty < 0 ? 1 : difficulty);
    state.settings.networkGame = false;
    loadCurrentSheet(pictureFileEdit->text(), ctx_.host.currentSheet(), this);
    ctx_.host.showKnownGroupsText(QStringLiteral("0"));
    ctx_.random.seedFromClock();

    std::array<ParticipantRow, 4> rows;
    for (int row = 0; row < 4; ++row)
        rows[row] = {nameEdits[row]->text(), kindLists[row]->currentIndex(), networkLamps[row]->isChecked()};
    buildParticipants(state, rows);
    if (!co_await participantsAccepted())
        co_return;
    if (anyNetworkParticipant(state)) {
        if (!co_await inviteOtherComputer())
            co_return;
        state.settings.networkGame = true;
    }
    startDealtGame();
}

Task<bool> NewGameDialog::participantsAccepted() {
    const ParticipantCheck check = checkParticipants(ctx_.state);
    if (check.nobody)
        co_await information(tr("Sie brauchen für ein vernünftiges Spiel\rmindestens einen Spieler!"));
    if (check.allNetwork)
        co_await information(tr("Es dürfen nicht alle Spieler Netzwerk-Teilnehmer sein!"));
    co_return check.passed();
}

void NewGameDialog::startDealtGame() {
    GameState& state = ctx_.state;
    const bool large = largeBoardLamp->isChecked();
    ctx_.host.applyBoardSize(large);
    setUpBoard(state, large, triplesLamp->isChecked(), picturesLamp->isChecked(), ctx_.random, ctx_.tallies);
    if (state.settings.networkGame) {
        progressWindow().hide();
        ctx_.networkGame.sendGameData(static_cast<quint16>(state.cardCount()), triplesLamp->isChecked(),
                                      picturesLamp->isChecked());
    }
    ctx_.host.repaintBoard();
    beginGame(state);
    ctx_.flow.statusRefresh();
    accept();
}

Task<bool> NewGameDialog::inviteOtherComputer() {
    const QString address =
        addressDialog().askForAddress(ctx_.settings.value(QStringLiteral("netzwerkadresse")));
    if (address.isEmpty())
        co_return false;
    ctx_.settings.setValue(QStringLiteral("netzwerkadresse"), address);
    ctx_.link.connectTo(address);
    callStep_ = CallStep::Searching;
    progressWindow().showProgress(tr("Computer wird gesucht..."));
    if (!co_await waitWhile(CallStep::Searching)) {
        co_await refuseAborted();
        co_return false;
    }
    progressWindow().showProgress(tr("Computer gefunden.\r\nTeilnehmer werden gefragt..."));
    callStep_ = CallStep::Asking;
    ctx_.networkGame.sendInvitation();
    if (!co_await waitWhile(CallStep::Asking)) {
        co_await refuseAborted();
        co_return false;
    }
    if (callStep_ == CallStep::Accepted)
        co_return true;
    progressWindow().showProgress(tr("Netz-Teilnehmer haben abgelehnt.\r\nSchade für Sie..."));
    co_return false;
}

Task<bool> NewGameDialog::waitWhile(CallStep step) {
    while (callStep_ == step)
        co_await callStepChanged_.next();
    co_return callStep_ != CallStep::Aborted;
}

Task<> NewGameDialog::refuseAborted() {
    progressWindow().hide();
    co_await information(tr("Aktion wurde abgebrochen."));
}

void NewGameDialog::cancel() {
    reject();
}

void NewGameDialog::choosePictureFile() {
    const QString file = chooseFile_ ? chooseFile_(this) : QString();
    if (file.isEmpty())
        return;
    pictureFileEdit->setText(file);
    ctx_.settings.setValue(QStringLiteral("Standardbilddatei"), file);
}

void NewGameDialog::useBuiltInPictures() {
    pictureFileEdit->setText(shownBuiltInSheetMarker());
    ctx_.settings.setValue(QStringLiteral("Standardbilddatei"), builtInSheetMarker());
}

void NewGameDialog::showHelp() {
    Q_EMIT helpRequested(QStringLiteral("bedien"));
}

void NewGameDialog::onNumbersToggled() {
    pictureFileBox->setVisible(!numbersLamp->isChecked());
}

Task<> NewGameDialog::information(QString text) {
    co_await messageAnswer(this, QMessageBox::Information, tr("Hinweis"), text, QMessageBox::Ok);
}
