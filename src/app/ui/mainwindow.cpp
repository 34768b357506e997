#include "mainwindow.h"

#include "backgroundcover.h"
#include "board/cardfaces.h"
#include "board/ui/boardframe.h"
#include "board/ui/boardscreen.h"
#include "cards/ui/cardeditor.h"
#include "cards/ui/sheetloading.h"
#include "controls/ui/centring.h"
#include "controls/ui/imageview.h"
#include "controls/ui/openmessage.h"
#include "controls/ui/toolbutton.h"
#include "game/computerplayer.h"
#include "game/turnflow.h"
#include "game/ui/enddialog.h"
#include "game/ui/messageanswer.h"
#include "net/ui/progresswindow.h"
#include "records/colourvalue.h"
#include "records/gamerecords.h"
#include "records/optionsio.h"
#include "records/settingsstore.h"
#include "records/ui/highscorewindow.h"
#include "records/ui/invalidsettingmessage.h"
#include "records/ui/statisticsdialog.h"
#include "records/ui/writefailuremessage.h"
#include "shell/debugdump.h"
#include "shell/programidentity.h"
#include "shell/ui/aboutdialog.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/optionsdialog.h"
#include "shell/ui/protocolwindow.h"
#include "shell/ui/shellcommands.h"
#include "sound/ui/soundmessages.h"
#include "timing/notifier.h"
#include "timing/timekeeper.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

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
      env_(environment), dataPaths_(env_.dataPaths), networkLink_(this, env_.listenPort), soundOutput_(this),
      records_(std::make_unique<GameRecords>(dataPaths_.highScoreFile(), dataPaths_.statisticsFile(),
                                             env_.today)) {
    setObjectName(QStringLiteral("mainWindow"));
    images_.texture = loadTexture(QStringLiteral(":/textures/boardtile.png"));
    panelTexture_ = loadTexture(QStringLiteral(":/textures/paneltile.png"));
    whiteTexture_ = loadTexture(QStringLiteral(":/textures/whitetile.png"));
    buildComponents();
    buildMenu();
    board_ = std::make_unique<BoardScreen>(
        gameState_, images_, options_, fadeEngine_, env_.timekeeper, env_.clock,
        BoardScreen::Widgets{boardView, statusView, knownGroupsLabel, remainingDisplay});
    board_->setFramePacing(env_.framePacingMs);
    turnFlow_ = std::make_unique<TurnFlow>(gameState_, gameTallies_, options_, env_.timekeeper, env_.clock,
                                           *board_, static_cast<DialogPort&>(*this));
    // A child, so that its timer is counted among the window's.
    computerPlayer_ = std::make_unique<ComputerPlayer>(gameState_, *turnFlow_, random_, env_.clock, this);
    networkGame_ = std::make_unique<NetworkGame>(gameState_, gameTallies_, *turnFlow_, *board_, networkLink_,
                                                 static_cast<NetworkGameHost&>(*this));
    soundOutput_.setShowErrors(false);
    connectSoundMessages(soundOutput_);
    connectGameParts();
    connectCommands();
    initialise();
    // The high-score window keeps the table of the run once it exists; until then, the records do.
    records_->loadHighScores();
}

MainWindow::~MainWindow() {
    // The table reaches its file while everything a failure is reported to still stands.
    if (highScoreWindow_)
        highScoreWindow_.reset();
    else
        records_->saveHighScores();
}

// Every connection between the turn flow, the computer player, the network game, the sound
// and the records.
void MainWindow::connectGameParts() {
    TurnFlow* flow = turnFlow_.get();
    NetworkGame* network = networkGame_.get();
    GameRecords* records = records_.get();
    connect(flow, &TurnFlow::turnChanged, computerPlayer_.get(), &ComputerPlayer::wake);
    connect(flow, &TurnFlow::soundWanted, &soundOutput_, &SoundOutput::playResource);
    connect(flow, &TurnFlow::finalScore, records, &GameRecords::enterHighScore);
    connect(flow, &TurnFlow::gameFinished, records, &GameRecords::recordGameEnd);
    connect(flow, &TurnFlow::cardToSend, network, &NetworkGame::sendCard);
    connect(flow, &TurnFlow::readyForNextCard, network, &NetworkGame::reportReady);
    connect(flow, &TurnFlow::allCardsReceived, network, &NetworkGame::reportAllCardsReceived);
    connect(flow, &TurnFlow::protocolLine, this, &MainWindow::addProtocolLine);
    connect(network, &NetworkGame::protocolLine, this, &MainWindow::addProtocolLine);
    connect(&networkLink_, &NetworkLink::blockReceived, network, &NetworkGame::onBlockReceived);
    connect(&networkLink_, &NetworkLink::onlineChanged, network, &NetworkGame::onOnlineChanged);
    connect(&networkLink_, &NetworkLink::blockDropped, this, [] { QApplication::beep(); });
    // Shown without a loop of its own: the call it reports may be one the new-game dialog waits for.
    connect(&networkLink_, &NetworkLink::socketError, this,
            [this](const QString& text) { openMessage(QMessageBox::Critical, tr("Fehler"), text, this); });
    connect(records, &GameRecords::writeFailed, this,
            [this](const QString& path, const QString& reason) { showWriteFailure(this, path, reason); });
}

void MainWindow::connectCommands() {
    connect(newGameAction, &QAction::triggered, this, &MainWindow::startNewGame);
    connect(newGameButton, &ToolButton::clicked, this, &MainWindow::startNewGame);
    connect(disconnectAction, &QAction::triggered, this, &MainWindow::endConnection);
    connect(quitAction, &QAction::triggered, this, &MainWindow::close);
    connect(quitButton, &ToolButton::clicked, this, &MainWindow::close);
    connect(coverBackgroundAction, &QAction::triggered, this, &MainWindow::toggleBackgroundCover);
    connect(backgroundColourAction, &QAction::triggered, this, &MainWindow::chooseBackgroundColour);
    connect(statisticsAction, &QAction::triggered, this, &MainWindow::showStatistics);
    connect(highScoresAction, &QAction::triggered, this, &MainWindow::showHighScores);
    connect(cardEditorAction, &QAction::triggered, this, &MainWindow::openCardEditor);
    connect(editorButton, &ToolButton::clicked, this, &MainWindow::openCardEditor);
    connect(desktopShortcutAction, &QAction::triggered, this, &MainWindow::offerDesktopShortcut);
    connect(startMenuShortcutAction, &QAction::triggered, this, &MainWindow::offerStartMenuShortcut);
    connect(ownAddressAction, &QAction::triggered, this, &MainWindow::tellOwnAddress);
    connect(optionsAction, &QAction::triggered, this, &MainWindow::editOptions);
    connect(debugDumpAction, &QAction::triggered, this, &MainWindow::dumpGameState);
    connect(instructionsAction, &QAction::triggered, this, [this] { showHelp(kInstructionsTopic); });
    connect(helpButton, &ToolButton::clicked, this, [this] { showHelp(kInstructionsTopic); });
    connect(homepageAction, &QAction::triggered, this, &MainWindow::visitHomepage);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(boardView, &ImageView::mousePressed, this, &MainWindow::onBoardPressed);
    connect(boardFrame, &BoardFrame::cardChosen, turnFlow_.get(), &TurnFlow::turnCard);
}

void MainWindow::initialise() {
    images_.status = QImage(statusView->size(), QImage::Format_RGB32);
    images_.status.fill(Qt::white);
    debugDumpAction->setVisible(false);
    images_.cardBack = makeCardImage();
    buildCardBack(images_.cardBack, CardBackStyle::ClassicGrey);
    setWindowTitle(QString::fromLatin1(kProgramName));
    images_.board = QImage(boardView->size(), QImage::Format_RGB32);
    images_.board.fill(Qt::white);
    computeSlotPositions(gameState_);
    // The picture sheet stays empty until a game starts: every start loads the one it uses.
    networkLink_.setConnectPort(env_.connectPort);
    networkLink_.setMaxBlockLength(kLargestMessage);
    networkLink_.listen();
}

// Only the left button turns a card, and only a press strictly inside a card's interior.
void MainWindow::onBoardPressed(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton)
        turnFlow_->turnCard(hitTest(gameState_, x, y));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring a minimised window shows it again; the settings are read only once.
    if (!shown_) {
        shown_ = true;
        applyStoredSettings();
    }
}

void MainWindow::applyStoredSettings() {
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
        toggleBackgroundCover();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (prepareClose())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::prepareClose() {
    if (gameState_.gameRunning && !abortWaited_) {
        // A close already waiting after its abort closes the window itself.
        if (closing_.busy())
            return false;
        if (!quittingWithoutAsking_ && !confirmQuitDuringGame())
            return false;
        turnFlow_->requestAbort();
        // An end asked for from outside does not wait for a loop that is about to end.
        if (!quittingWithoutAsking_) {
            closing_.run(waitAfterAbort());
            if (!abortWaited_) {
                closeAfterWait_ = true;
                return false;
            }
        }
    }
    writeProgramOptions(env_.settings, options_, coverBackgroundAction->isChecked(), backgroundColour_);
    cover_.reset();
    return true;
}

// The window has always gone a moment after the game it stopped.
Task<> MainWindow::waitAfterAbort() {
    co_await env_.timekeeper.sleep(201);
    abortWaited_ = true;
    if (closeAfterWait_)
        close();
}

bool MainWindow::confirmQuitDuringGame() {
    const auto answer = QMessageBox::question(this, tr("Schon beenden?"),
                                              tr("Wollen Sie Sorbello wirklich beenden?\rZur Zeit läuft noch "
                                                 "ein Spiel!\rSind Sie ganz sicher?"),
                                              QMessageBox::Yes | QMessageBox::No);
    // A request from outside closes the question while it is open, and the program ends all the same.
    return answer == QMessageBox::Yes || quittingWithoutAsking_;
}

void MainWindow::quitWithoutAsking() {
    quittingWithoutAsking_ = true;
    closeDialogs();
    // While the question of a close already under way is open, this close does nothing: that
    // close goes on once the question has gone.
    close();
    // Also ends the waits and dialog loops the program is still inside, whatever else is open.
    QCoreApplication::exit(0);
}

// Each as its close box would close it: a dialog as by its cancel button, the wait for the
// other computer as by its "Abbruch". A question without a cancel button is rejected.
void MainWindow::closeDialogs() {
    QList<QPointer<QDialog>> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            open << dialog;
    for (const QPointer<QDialog>& dialog : open)
        if (dialog && dialog->isVisible() && !dialog->close() && dialog)
            dialog->reject();
}

void MainWindow::startNewGame() {
    turnFlow_->startNewGame();
}

void MainWindow::endConnection() {
    networkGame_->endConnection();
}

void MainWindow::toggleBackgroundCover() {
    const bool on = cover_ == nullptr;
    coverBackgroundAction->setChecked(on);
    if (!on) {
        cover_.reset();
        return;
    }
    cover_ = std::make_unique<BackgroundCover>(colourFromValue(backgroundColour_));
    cover_->show();
    raise();
    activateWindow();
}

void MainWindow::chooseBackgroundColour() {
    const QColor chosen = QColorDialog::getColor(colourFromValue(backgroundColour_), this);
    if (!chosen.isValid())
        return;
    backgroundColour_ = valueFromColour(chosen);
    if (cover_)
        cover_->setColour(chosen);
}

void MainWindow::showStatistics() {
    if (!statisticsDialog_)
        statisticsDialog_ = std::make_unique<StatisticsDialog>(dataPaths_.statisticsFile(), panelTexture_);
    statisticsDialog_->showStatistics();
}

void MainWindow::showHighScores() {
    if (!highScoreWindow_)
        highScoreWindow_ = std::make_unique<HighScoreWindow>(*records_, panelTexture_);
    highScoreWindow_->showTable();
}

void MainWindow::openCardEditor() {
    if (!cardEditor_) {
        cardEditor_ = std::make_unique<CardEditor>(panelTexture_);
        connect(cardEditor_.get(), &CardEditor::helpRequested, this, &MainWindow::showHelp);
    }
    centreOnScreen(*cardEditor_);
    cardEditor_->exec();
}

void MainWindow::offerDesktopShortcut() {
    offerShortcut(ShortcutPlace::Desktop, shell_, this);
}

void MainWindow::offerStartMenuShortcut() {
    offerShortcut(ShortcutPlace::StartMenu, shell_, this);
}

void MainWindow::tellOwnAddress() {
    showOwnAddress(shell_, this);
}

void MainWindow::editOptions() {
    if (!optionsDialog_) {
        optionsDialog_ = std::make_unique<OptionsDialog>(options_, panelTexture_);
        connect(optionsDialog_.get(), &OptionsDialog::helpRequested, this, &MainWindow::showHelp);
    }
    optionsDialog_->showOptions();
    // Also after "Abbruch": the back always shows the choice in force.
    buildCardBack(images_.cardBack, backStyleOf(options_));
    board_->redrawFaceDownCards();
    board_->repaintBoard();
}

void MainWindow::dumpGameState() {
    if (!dumpWindow_)
        dumpWindow_ = std::make_unique<ProgressWindow>(panelTexture_);
    dumpWindow_->showLongText(debugDumpText(gameState_));
}

void MainWindow::showHelp(const QString& topic) {
    helpWindow().showTopic(topic);
}

void MainWindow::visitHomepage() {
    openHomepage(shell_);
}

void MainWindow::showAbout() {
    if (!aboutDialog_)
        aboutDialog_ = std::make_unique<AboutDialog>(whiteTexture_, images_.texture, images_.sheet,
                                                     [this] { return newGameDialog().pictureSource(); });
    centreOnScreen(*aboutDialog_);
    aboutDialog_->exec();
}

NewGameDialog& MainWindow::newGameDialog() {
    if (!newGameDialog_) {
        newGameDialog_ = std::make_unique<NewGameDialog>(
            NewGameDialog::Context{env_.settings, dataPaths_.playerNamesFile(), gameState_, gameTallies_,
                                   random_, *turnFlow_, *this, networkLink_, *networkGame_},
            panelTexture_);
        connect(newGameDialog_.get(), &NewGameDialog::helpRequested, this, &MainWindow::showHelp);
    }
    return *newGameDialog_;
}

HelpWindow& MainWindow::helpWindow() {
    if (!helpWindow_)
        helpWindow_ = std::make_unique<HelpWindow>();
    return *helpWindow_;
}

void MainWindow::addProtocolLine(const QString& text) {
    if (!protocolWindow_)
        protocolWindow_ = std::make_unique<ProtocolWindow>();
    protocolWindow_->addProtocolLine(text);
}

bool MainWindow::confirmAbandonGame() {
    return QMessageBox::question(this, tr("Frage..."),
                                 tr("Wollen Sie wirklich das\rlaufende Spiel abbrechen?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::runNewGameDialog() {
    newGameDialog().exec();
    // Its window and drawing surface go before the board is drawn; the next game makes them anew.
    newGameDialog_->releaseWindow();
}

Task<> MainWindow::showEndDialog(EndDialogText text) {
    if (!endDialog_)
        endDialog_ = std::make_unique<EndDialog>(panelTexture_, images_.texture);
    endDialog_->showResult(text);
    co_await nextSignal(endDialog_.get(), &QDialog::finished);
}

void MainWindow::showKnownGroupsText(const QString& text) {
    knownGroupsLabel->setText(text);
}

void MainWindow::repaintBoard() {
    board_->repaintBoard();
}

Task<bool> MainWindow::askToJoin() {
    co_return co_await messageAnswer(this, QMessageBox::Question, tr("Frage aus dem Netzwerk"),
                                     tr("Wollen Sie ein Netzwerkspiel spielen?"),
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
            QMessageBox* box =
                openMessage(QMessageBox::Information, tr("Hinweis"),
                            tr("Die Verbindung zum Netzwerk-Spieler wurde unterbrochen."), this);
            connect(box, &QDialog::finished, this, [this] { connectionLostShowing_ = false; });
        },
        Qt::QueuedConnection);
}

void MainWindow::prepareOfferedGame(bool largeBoard, bool triples, bool pictures) {
    newGameDialog().takeOfferedGame(triples, pictures);
    applyBoardSize(largeBoard);
    // A game joined over the network always uses the built-in pictures.
    useBuiltInSheet(images_.sheet);
}
