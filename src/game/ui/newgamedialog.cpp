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
#include "game/messagewait.h"
#include "game/newgamesetup.h"
#include "game/turnflow.h"
#include "net/networkgame.h"
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
      ctx_(std::move(context)), names_(ctx_.playerNamesFile) {
    setObjectName(QStringLiteral("parneu"));
    setWindowTitle(QStringLiteral("Neues Spiel..."));
    setFixedSize(460, 386);
    buildLayout(texture);
    chooseFile_ = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(),
                                            QStringLiteral("Paarlo-Bilddateien (*.pbd *.PBD)"));
    };
    connect(VKButton1, &PushButton::clicked, this, &NewGameDialog::VKButton1Click);
    connect(VKButton2, &PushButton::clicked, this, &NewGameDialog::VKButton2Click);
    connect(VKButton3, &PushButton::clicked, this, &NewGameDialog::VKButton3Click);
    connect(VKButton4, &PushButton::clicked, this, &NewGameDialog::VKButton4Click);
    connect(VKButton5, &PushButton::clicked, this, &NewGameDialog::VKButton5Click);
    connect(Alszahlen, &Lamp::toggled, this, &NewGameDialog::AlszahlenGeandert);
    FormCreate();
}

void NewGameDialog::attachNetwork(const Network& network) {
    network_ = network;
    // "Abbruch" in the progress window ends the waits of a network start at once.
    if (network_.progress)
        network_.progress->setOnAbort([this] { ctx_.wait.wake(); });
}

void NewGameDialog::FormCreate() {
    const QString source = ctx_.settings.value(QStringLiteral("Standardbilddatei"));
    Edit1->setText(source.isEmpty() ? builtInSheetMarker() : source);
    for (QComboBox* kind : geg)
        kind->setCurrentIndex(0);
    ComboBox1->setCurrentIndex(-1);
}

void NewGameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void NewGameDialog::FormShow() {
    names_.load();
    for (CompletingEdit* edit : sp) {
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
        ComboBox1->setCurrentIndex(*level);
    for (int row = 0; row < 4; ++row)
        sp[row]->setText(ctx_.settings.value(nameSetting(row)));
    for (int row = 0; row < 4; ++row) {
        // -1 is a list without a selection; anything beyond the list is left alone.
        if (const auto kind = readDecimal(ctx_.settings, kindSetting(row), warn);
            kind && *kind >= -1 && *kind <= 3)
            geg[row]->setCurrentIndex(*kind);
    }
    if (std::all_of(sp.begin(), sp.end(),
                    [](const CompletingEdit* edit) { return edit->text().isEmpty(); })) {
        sp[0]->setText(QStringLiteral("Spieler 1"));
        geg[0]->setCurrentIndex(0);
        sp[1]->setText(QStringLiteral("Spieler 2"));
        geg[1]->setCurrentIndex(2);
    }
    centreOnScreen(*this);
}

void NewGameDialog::done(int result) {
    FormClose();
    QDialog::done(result);
}

void NewGameDialog::FormClose() {
    // The list as it was read when the dialog opened, with the names typed since.
    for (const CompletingEdit* edit : sp)
        if (!names_.contains(edit->text()))
            names_.add(edit->text());
    names_.save();
    ctx_.settings.setValue(QStringLiteral("gesamtlevel"),
                           QString::number(std::abs(ComboBox1->currentIndex())));
    for (int row = 0; row < 4; ++row)
        ctx_.settings.setValue(nameSetting(row), sp[row]->text());
    for (int row = 0; row < 4; ++row)
        ctx_.settings.setValue(kindSetting(row), QString::number(geg[row]->currentIndex()));
}

void NewGameDialog::VKButton1Click() {
    GameState& state = ctx_.state;
    const int difficulty = ComboBox1->currentIndex();
    state.settings.difficulty = static_cast<quint8>(difficulty < 0 ? 1 : difficulty);
    state.settings.networkGame = false;
    loadCurrentSheet(Edit1->text(), ctx_.host.currentSheet(), this);
    ctx_.host.showKnownGroupsText(QStringLiteral("0"));
    ctx_.random.seedFromClock();

    std::array<ParticipantRow, 4> rows;
    for (int row = 0; row < 4; ++row)
        rows[row] = {sp[row]->text(), geg[row]->currentIndex(), geg[row]->currentText(),
                     Netz[row]->isChecked()};
    buildParticipants(state, rows);
    if (!participantsAccepted())
        return;
    if (anyNetworkParticipant(state)) {
        if (!inviteOtherComputer())
            return;
        state.settings.networkGame = true;
    }
    startDealtGame();
}

bool NewGameDialog::participantsAccepted() {
    const ParticipantCheck check = checkParticipants(ctx_.state);
    if (check.nobody)
        information(QStringLiteral("Sie brauchen für ein vernünftiges Spiel\rmindestens einen Spieler!"));
    if (check.allNetwork)
        information(QStringLiteral("Es dürfen nicht alle Spieler Netzwerk-Teilnehmer sein!"));
    return check.passed();
}

void NewGameDialog::startDealtGame() {
    GameState& state = ctx_.state;
    const bool large = sp60->isChecked();
    ctx_.host.applyBoardSize(large);
    setUpBoard(state, large, dreigleiche->isChecked(), Alsbilder->isChecked(), ctx_.random, ctx_.tallies);
    if (state.settings.networkGame) {
        network_.progress->hide();
        network_.game->sendGameData(static_cast<quint16>(state.cardCount()), dreigleiche->isChecked(),
                                    Alsbilder->isChecked());
    }
    ctx_.host.repaintBoard();
    beginGame(state);
    ctx_.flow.statusRefresh();
    accept();
}

bool NewGameDialog::inviteOtherComputer() {
    if (!network_.net || !network_.game || !network_.address || !network_.progress)
        return false;
    network_.address->ComboBox1->setEditText(ctx_.settings.value(QStringLiteral("netzwerkadresse")));
    const QString address = network_.address->AdresseErfragen();
    if (address.isEmpty())
        return false;
    ctx_.settings.setValue(QStringLiteral("netzwerkadresse"), address);
    NetworkGame& game = *network_.game;
    network_.net->connectTo(address);
    game.peerConnected = false;
    network_.progress->AblaufZeigen(QStringLiteral("Computer wird gesucht..."));
    if (!waitForPeer([&game] { return game.peerConnected; })) {
        refuseAborted();
        return false;
    }
    network_.progress->AblaufZeigen(QStringLiteral("Computer gefunden.\r\nTeilnehmer werden gefragt..."));
    game.inviteAccepted = false;
    game.inviteDeclined = false;
    game.sendInvitation();
    if (!waitForPeer([&game] { return game.inviteAccepted || game.inviteDeclined; })) {
        refuseAborted();
        return false;
    }
    if (game.inviteAccepted)
        return true;
    network_.progress->AblaufZeigen(QStringLiteral("Netz-Teilnehmer haben abgelehnt.\r\nSchade für Sie..."));
    return false;
}

// Processes messages until `done` holds or "Abbruch" is pressed; false when aborted.
bool NewGameDialog::waitForPeer(const std::function<bool()>& done) {
    ProgressWindow& progress = *network_.progress;
    ctx_.wait.waitUntil([&] { return done() || progress.abgebrochen; });
    return !progress.abgebrochen;
}

void NewGameDialog::refuseAborted() {
    network_.progress->hide();
    information(QStringLiteral("Aktion wurde abgebrochen."));
}

void NewGameDialog::VKButton2Click() {
    reject();
}

void NewGameDialog::VKButton3Click() {
    const QString file = chooseFile_ ? chooseFile_(this) : QString();
    if (file.isEmpty())
        return;
    Edit1->setText(file);
    ctx_.settings.setValue(QStringLiteral("Standardbilddatei"), file);
}

void NewGameDialog::VKButton4Click() {
    Edit1->setText(builtInSheetMarker());
    ctx_.settings.setValue(QStringLiteral("Standardbilddatei"), builtInSheetMarker());
}

void NewGameDialog::VKButton5Click() {
    if (ctx_.help)
        ctx_.help(QStringLiteral("bedien"));
}

void NewGameDialog::AlszahlenGeandert() {
    Texturpanel2->setVisible(!Alszahlen->isChecked());
}

void NewGameDialog::information(const QString& text) {
    QMessageBox::information(this, QStringLiteral("Hinweis"), text);
}
