#include "mainwindow.h"

#include "app/programidentity.h"
#include "backgroundcover.h"
#include "board/cardfaces.h"
#include "board/ui/boardscreen.h"
#include "cards/ui/cardeditor.h"
#include "cards/ui/sheetloading.h"
#include "controls/ui/centring.h"
#include "controls/ui/imageview.h"
#include "controls/ui/lamp.h"
#include "controls/ui/toolbutton.h"
#include "game/computerplayer.h"
#include "game/messagewait.h"
#include "game/turnflow.h"
#include "game/ui/enddialog.h"
#include "records/colourvalue.h"
#include "records/gamerecords.h"
#include "records/optionsio.h"
#include "records/settingsstore.h"
#include "records/ui/highscorewindow.h"
#include "records/ui/invalidsettingmessage.h"
#include "records/ui/statisticsdialog.h"
#include "records/ui/writefailuremessage.h"
#include "shell/ui/aboutdialog.h"
#include "shell/ui/optionsdialog.h"
#include "shell/ui/shellcommands.h"
#include "sound/ui/soundmessages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace {
QImage loadTexture(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

CardBackStyle backStyleOf(const ProgramOptions& options) {
    return options.redCardBack ? CardBackStyle::RedGradient : CardBackStyle::ClassicGrey;
}
} // namespace

MainWindow::MainWindow(AppEnvironment environment)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      NetzWerking1(nullptr, environment.listenPort), env_(environment), dataPaths_(env_.dataPaths),
      records_(std::make_unique<GameRecords>(dataPaths_.highScoreFile(), dataPaths_.statisticsFile(),
                                             env_.today)) {
    setObjectName(QStringLiteral("parmain"));
    images_.texture = loadTexture(QStringLiteral(":/textures/image1.png"));
    image3_ = loadTexture(QStringLiteral(":/textures/image3.png"));
    imageweiss_ = loadTexture(QStringLiteral(":/textures/imageweiss.png"));
    buildComponents();
    buildMenu();
    board_ = std::make_unique<BoardScreen>(gameState_, images_, options_, fadeEngine_, env_.wait, env_.clock,
                                           BoardScreen::Widgets{PaintBox1, PaintBox2, vollauf, SiebenSeg1});
    board_->setFramePacing(env_.framePacingMs);
    turnFlow_ = std::make_unique<TurnFlow>(gameState_, gameTallies_, options_, env_.wait, env_.clock, *board_,
                                           static_cast<DialogPort&>(*this));
    computerPlayer_ = std::make_unique<ComputerPlayer>(gameState_, *turnFlow_, random_, env_.clock);
    networkGame_ = std::make_unique<NetworkGame>(gameState_, gameTallies_, *turnFlow_, *board_, env_.wait,
                                                 NetzWerking1, static_cast<NetworkGameHost&>(*this));
    turnFlow_->setPeer(networkGame_.get());
    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    computerPlayer_->setTimer(Timer1);
    SoundAusgabe1.setShowErrors(false);
    connectSoundMessages(SoundAusgabe1);
    turnFlow_->setSound(&SoundAusgabe1);
    turnFlow_->setRecords(records_.get());
    records_->setWriteFailure(
        [this](const QString& path, const QString& reason) { showWriteFailure(this, path, reason); });
    connectCommands();
    FormCreate();
    Timer1->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate() {
    images_.status = QImage(PaintBox2->size(), QImage::Format_RGB32);
    images_.status.fill(Qt::white);
    DebugDump1->setVisible(false);
    images_.cardBack = makeCardImage();
    buildCardBack(images_.cardBack, CardBackStyle::ClassicGrey);
    setWindowTitle(QString::fromLatin1(kProgramName));
    images_.board = QImage(PaintBox1->size(), QImage::Format_RGB32);
    images_.board.fill(Qt::white);
    computeSlotPositions(gameState_);
    useBuiltInSheet(images_.sheet);
    NetzWerking1.setConnectPort(env_.connectPort);
    NetzWerking1.setMaxBlockLength(kLargestMessage);
    NetzWerking1.listen();
}

void MainWindow::connectCommands() {
    connect(NeuesSpiel1, &QAction::triggered, this, [this] { turnFlow_->startNewGame(); });
    connect(Beenden1, &QAction::triggered, this, &MainWindow::Beenden1Click);
    connect(Hintergrundabdecken1, &QAction::triggered, this, &MainWindow::Hintergrundabdecken1Click);
    connect(Hintergrundfarbefestlegen1, &QAction::triggered, this,
            &MainWindow::Hintergrundfarbefestlegen1Click);
    connect(SpielerStatistik1, &QAction::triggered, this, &MainWindow::SpielerStatistik1Click);
    connect(HighScore1, &QAction::triggered, this, &MainWindow::HighScore1Click);
    connect(Optionen2, &QAction::triggered, this, &MainWindow::Optionen2Click);
    connect(Float1, &ToolButton::clicked, this, &MainWindow::Float1Click);
    connect(Float2, &ToolButton::clicked, this, &MainWindow::Float2Click);
    connect(Netzwerkverbindungtrennen1, &QAction::triggered, this, &MainWindow::endConnection);
    connect(&NetzWerking1, &NetworkLink::blockReceived, this,
            [this](const NetworkBlock& block) { networkGame_->onBlockReceived(block); });
    connect(&NetzWerking1, &NetworkLink::onlineChanged, this, [this] { networkGame_->onOnlineChanged(); });
    connect(&NetzWerking1, &NetworkLink::blockDropped, this, [] { QApplication::beep(); });
    // Never shown from inside the socket's signal that reports the error.
    connect(
        &NetzWerking1, &NetworkLink::socketError, this,
        [this](const QString& text) { QMessageBox::critical(this, QStringLiteral("Fehler"), text); },
        Qt::QueuedConnection);
    connect(Karteneditor1, &QAction::triggered, this, &MainWindow::Karteneditor1Click);
    connect(Float4, &ToolButton::clicked, this, &MainWindow::Float4Click);
    connect(Float3, &ToolButton::clicked, this, &MainWindow::Float3Click);
    connect(Spielanleitung1, &QAction::triggered, this, &MainWindow::Spielanleitung1Click);
    connect(berKolibri811, &QAction::triggered, this, &MainWindow::berKolibri811Click);
    connect(VerknpfungzumDesktopanlegen1, &QAction::triggered, this,
            &MainWindow::VerknpfungzumDesktopanlegen1Click);
    connect(VerknpfungzumStartmenanlegen1, &QAction::triggered, this,
            &MainWindow::VerknpfungzumStartmenanlegen1Click);
    connect(VukoHomepage1, &QAction::triggered, this, &MainWindow::VukoHomepage1Click);
    connect(IP1, &QAction::triggered, this, &MainWindow::IP1Click);
    connect(DebugDump1, &QAction::triggered, this, &MainWindow::DebugDump1Click);
    connect(Timer1, &QTimer::timeout, this, [this] { computerPlayer_->onTimer(); });
    connect(PaintBox1, &ImageView::mousePressed, this,
            [this](Qt::MouseButton button, int x, int y) { turnFlow_->PaintBox1MouseDown(button, x, y); });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring a minimised window shows it again; the settings are read only once.
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void MainWindow::FormShow() {
    board_->drawStatusStrip();
    const InvalidSetting warn = [this](const QString& name, const QString& text) {
        showInvalidSetting(this, name, text);
    };
    readProgramOptions(env_.settings, options_, warn);
    buildCardBack(images_.cardBack, backStyleOf(options_));
    board_->drawTitlePicture(QString::fromLatin1(kProgramName), QString::fromLatin1(kVersionText));
    if (const auto colour = readDecimal(env_.settings, QStringLiteral("higrufarbe"), warn))
        backgroundColour_ = static_cast<quint32>(*colour);
    if (env_.settings.value(QStringLiteral("abdecken")) == QStringLiteral("Ja"))
        Hintergrundabdecken1Click();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::FormClose() {
    if (gameState_.gameRunning) {
        const auto answer =
            QMessageBox::question(this, QStringLiteral("Schon beenden?"),
                                  QStringLiteral("Wollen Sie Sorbello wirklich beenden?\rZur Zeit läuft noch "
                                                 "ein Spiel!\rSind Sie ganz sicher?"),
                                  QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
        turnFlow_->requestAbort();
        // Long enough for running pauses and waits of the turn to see the abort and end.
        env_.wait.waitFor(201, nullptr);
    }
    writeProgramOptions(env_.settings, options_, Hintergrundabdecken1->isChecked(), backgroundColour_);
    cover_.reset();
    return true;
}

void MainWindow::Beenden1Click() {
    close();
}

void MainWindow::Float1Click() {
    turnFlow_->startNewGame();
}

void MainWindow::Float2Click() {
    Beenden1Click();
}

void MainWindow::Karteneditor1Click() {
    if (!windows_.karted)
        return;
    centreOnScreen(*windows_.karted);
    windows_.karted->exec();
}

void MainWindow::Float4Click() {
    Karteneditor1Click();
}

void MainWindow::SpielerStatistik1Click() {
    if (windows_.statisti)
        windows_.statisti->showStatistics();
}

void MainWindow::HighScore1Click() {
    if (windows_.formHighScore)
        windows_.formHighScore->showTable();
}

void MainWindow::Optionen2Click() {
    if (!windows_.formOption)
        return;
    windows_.formOption->Open();
    // Also after "Abbruch": the back always shows the choice in force.
    buildCardBack(images_.cardBack, backStyleOf(options_));
    board_->redrawFaceDownCards();
    board_->repaintBoard();
}

void MainWindow::Float3Click() {
    Spielanleitung1Click();
}

void MainWindow::Spielanleitung1Click() {
    helpRequest()(QStringLiteral("hauptue"));
}

void MainWindow::berKolibri811Click() {
    if (!windows_.infopar)
        return;
    centreOnScreen(*windows_.infopar);
    windows_.infopar->exec();
}

void MainWindow::VerknpfungzumDesktopanlegen1Click() {
    offerShortcut(ShortcutPlace::Desktop, shell_, this);
}

void MainWindow::VerknpfungzumStartmenanlegen1Click() {
    offerShortcut(ShortcutPlace::StartMenu, shell_, this);
}

void MainWindow::VukoHomepage1Click() {
    openHomepage(shell_);
}

void MainWindow::IP1Click() {
    showOwnAddress(shell_, this);
}

void MainWindow::DebugDump1Click() {
    if (showDebugDump)
        showDebugDump(debugDumpText(gameState_));
}

void MainWindow::Hintergrundabdecken1Click() {
    const bool on = cover_ == nullptr;
    Hintergrundabdecken1->setChecked(on);
    if (!on) {
        cover_.reset();
        return;
    }
    cover_ = std::make_unique<BackgroundCover>(colourFromValue(backgroundColour_));
    cover_->show();
    raise();
    activateWindow();
}

void MainWindow::Hintergrundfarbefestlegen1Click() {
    const QColor chosen = QColorDialog::getColor(colourFromValue(backgroundColour_), this);
    if (!chosen.isValid())
        return;
    backgroundColour_ = valueFromColour(chosen);
    if (cover_)
        cover_->setColour(chosen);
}

bool MainWindow::confirmAbandonGame() {
    return QMessageBox::question(this, QStringLiteral("Frage..."),
                                 QStringLiteral("Wollen Sie wirklich das\rlaufende Spiel abbrechen?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::runNewGameDialog() {
    if (windows_.parneu)
        windows_.parneu->exec();
}

NewGameDialog::Context MainWindow::newGameContext() {
    return NewGameDialog::Context{env_.settings, env_.dataPaths.playerNamesFile(),
                                  gameState_,    gameTallies_,
                                  random_,       *turnFlow_,
                                  env_.wait,     *this,
                                  helpRequest()};
}

NewGameDialog::Network MainWindow::newGameNetwork() {
    return NewGameDialog::Network{&NetzWerking1, networkGame_.get(), windows_.formNetzAdresseEingeben,
                                  windows_.formAblauf};
}

void MainWindow::showKnownGroupsText(const QString& text) {
    vollauf->setText(text);
}

void MainWindow::repaintBoard() {
    board_->repaintBoard();
}

bool MainWindow::askToJoin() {
    return QMessageBox::question(this, QStringLiteral("Frage aus dem Netzwerk"),
                                 QStringLiteral("Wollen Sie ein Netzwerkspiel spielen?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// Shown from the event loop once the socket has finished with its disconnect; more ends while
// the message waits or is open add no second one.
void MainWindow::showConnectionLost() {
    if (connectionLostShowing_)
        return;
    connectionLostShowing_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            QMessageBox::information(
                this, QStringLiteral("Hinweis"),
                QStringLiteral("Die Verbindung zum Netzwerk-Spieler wurde unterbrochen."));
            connectionLostShowing_ = false;
        },
        Qt::QueuedConnection);
}

void MainWindow::prepareOfferedGame(bool largeBoard, bool triples, bool pictures) {
    if (NewGameDialog* parneu = windows_.parneu) {
        parneu->Alsbilder->setChecked(pictures);
        parneu->Alszahlen->setChecked(!pictures);
        parneu->dreigleiche->setChecked(triples);
        parneu->zweigleiche->setChecked(!triples);
    }
    applyBoardSize(largeBoard);
    // A game joined over the network always uses the built-in pictures.
    useBuiltInSheet(images_.sheet);
}

void MainWindow::endConnection() {
    networkGame_->endConnection();
}

void MainWindow::showEndDialog(const EndDialogText& text) {
    if (windows_.gewinnform)
        windows_.gewinnform->showResult(text);
}
