#include "tparmain.h"

#include "backgroundcover.h"
#include "board/boardscreen.h"
#include "board/cardfaces.h"
#include "board/paintbox.h"
#include "controls/centring.h"
#include "controls/tfloat.h"
#include "game/computerplayer.h"
#include "game/dealing.h"
#include "game/messagewait.h"
#include "game/tgewinnform.h"
#include "game/turnflow.h"
#include "records/optionsio.h"
#include "records/settingsstore.h"
#include "shell/shellcommands.h"
#include "shell/tinfopar.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace {
QImage loadTexture(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
} // namespace

Tparmain::Tparmain(AppEnvironment environment)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      env_(environment) {
    setObjectName(QStringLiteral("parmain"));
    images_.texture = loadTexture(QStringLiteral(":/textures/image1.png"));
    image3_ = loadTexture(QStringLiteral(":/textures/image3.png"));
    imageweiss_ = loadTexture(QStringLiteral(":/textures/imageweiss.png"));
    buildComponents();
    buildMenu();
    board_ = std::make_unique<BoardScreen>(gameState_, images_, options_, fadeEngine_, env_.wait,
                                           BoardScreen::Widgets{PaintBox1, PaintBox2, vollauf, SiebenSeg1});
    board_->setFramePacing(env_.framePacingMs);
    turnFlow_ = std::make_unique<TurnFlow>(gameState_, gameTallies_, options_, env_.wait, env_.clock, *board_,
                                           static_cast<DialogPort&>(*this));
    computerPlayer_ = std::make_unique<ComputerPlayer>(gameState_, *turnFlow_, random_, env_.clock);
    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    computerPlayer_->setTimer(Timer1);
    SoundAusgabe1.setShowMMErrors(false);
    turnFlow_->setSound(&SoundAusgabe1);
    connectCommands();
    FormCreate();
    Timer1->start();
}

Tparmain::~Tparmain() = default;

void Tparmain::FormCreate() {
    images_.status = QImage(PaintBox2->size(), QImage::Format_RGB32);
    images_.status.fill(Qt::white);
    DebugDump1->setVisible(false);
    images_.cardBack = makeCardImage();
    BuildCardBack(images_.cardBack, CardBackStyle::ClassicGrau);
    setWindowTitle(QString::fromLatin1(kProgramName));
    images_.board = QImage(PaintBox1->size(), QImage::Format_RGB32);
    images_.board.fill(Qt::white);
    computeSlotPositions(gameState_);
}

void Tparmain::connectCommands() {
    connect(NeuesSpiel1, &QAction::triggered, this, [this] { turnFlow_->NeuesSpiel1Click(); });
    connect(Beenden1, &QAction::triggered, this, &Tparmain::Beenden1Click);
    connect(Hintergrundabdecken1, &QAction::triggered, this, &Tparmain::Hintergrundabdecken1Click);
    connect(Hintergrundfarbefestlegen1, &QAction::triggered, this,
            &Tparmain::Hintergrundfarbefestlegen1Click);
    connect(Float1, &TFloat::clicked, this, &Tparmain::Float1Click);
    connect(Float2, &TFloat::clicked, this, &Tparmain::Float2Click);
    connect(Float3, &TFloat::clicked, this, &Tparmain::Float3Click);
    connect(Spielanleitung1, &QAction::triggered, this, &Tparmain::Spielanleitung1Click);
    connect(berKolibri811, &QAction::triggered, this, &Tparmain::berKolibri811Click);
    connect(VerknpfungzumDesktopanlegen1, &QAction::triggered, this,
            &Tparmain::VerknpfungzumDesktopanlegen1Click);
    connect(VerknpfungzumStartmenanlegen1, &QAction::triggered, this,
            &Tparmain::VerknpfungzumStartmenanlegen1Click);
    connect(VukoHomepage1, &QAction::triggered, this, &Tparmain::VukoHomepage1Click);
    connect(IP1, &QAction::triggered, this, &Tparmain::IP1Click);
    connect(DebugDump1, &QAction::triggered, this, &Tparmain::DebugDump1Click);
    connect(Timer1, &QTimer::timeout, this, [this] { computerPlayer_->Timer1Timer(); });
    connect(PaintBox1, &PaintBox::mousePressed, this,
            [this](Qt::MouseButton button, int x, int y) { turnFlow_->PaintBox1MouseDown(button, x, y); });
}

void Tparmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring a minimised window shows it again; the settings are read only once.
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void Tparmain::FormShow() {
    board_->DrawStatusStrip();
    readProgramOptions(env_.settings, options_);
    BuildCardBack(images_.cardBack,
                  options_.redCardBack ? CardBackStyle::Rotverlauf : CardBackStyle::ClassicGrau);
    board_->drawTitlePicture(QString::fromLatin1(kProgramName), QString::fromLatin1(kVersionText));
    if (const auto colour = readDecimal(env_.settings, QStringLiteral("higrufarbe")))
        backgroundColour_ = static_cast<quint32>(*colour);
    if (env_.settings.ReadSetting(QStringLiteral("abdecken")) == QStringLiteral("Ja"))
        Hintergrundabdecken1Click();
}

void Tparmain::closeEvent(QCloseEvent* event) {
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool Tparmain::FormClose() {
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

void Tparmain::Beenden1Click() {
    close();
}

void Tparmain::Float1Click() {
    turnFlow_->NeuesSpiel1Click();
}

void Tparmain::Float2Click() {
    Beenden1Click();
}

void Tparmain::Float3Click() {
    Spielanleitung1Click();
}

void Tparmain::Spielanleitung1Click() {
    helpRequest()(QStringLiteral("hauptue"));
}

void Tparmain::berKolibri811Click() {
    if (!windows_.infopar)
        return;
    centreOnScreen(*windows_.infopar);
    windows_.infopar->exec();
}

void Tparmain::VerknpfungzumDesktopanlegen1Click() {
    offerShortcut(ShortcutPlace::Desktop, shell_, this);
}

void Tparmain::VerknpfungzumStartmenanlegen1Click() {
    offerShortcut(ShortcutPlace::StartMenu, shell_, this);
}

void Tparmain::VukoHomepage1Click() {
    openHomepage(shell_);
}

void Tparmain::IP1Click() {
    showOwnAddress(shell_, this);
}

void Tparmain::DebugDump1Click() {
    if (showDebugDump)
        showDebugDump(debugDumpText(gameState_));
}

void Tparmain::Hintergrundabdecken1Click() {
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

void Tparmain::Hintergrundfarbefestlegen1Click() {
    const QColor chosen = QColorDialog::getColor(colourFromValue(backgroundColour_), this);
    if (!chosen.isValid())
        return;
    backgroundColour_ = valueFromColour(chosen);
    if (cover_)
        cover_->setColour(chosen);
}

bool Tparmain::confirmAbandonGame() {
    return QMessageBox::question(this, QStringLiteral("Frage..."),
                                 QStringLiteral("Wollen Sie wirklich das\rlaufende Spiel abbrechen?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void Tparmain::runNewGameDialog() {
    // Until the new-game dialog exists, a new game is two human players on the small board
    // with numbered cards.
    vollauf->setText(QStringLiteral("0"));
    random_.seedFromClock();
    TGameSettings& settings = gameState_.settings;
    settings.largeBoard = false;
    settings.groupSize = 2;
    settings.motifKind = MotifKind::Numbers;
    settings.networkGame = false;
    gameState_.playerCount = 2;
    gameState_.players[1] = TPlayer{QStringLiteral("Spieler 1"), 0, false, false, 0};
    gameState_.players[2] = TPlayer{QStringLiteral("Spieler 2"), 0, false, false, 0};
    applyBoardSize(settings.largeBoard);
    dealBoard(gameState_, random_);
    prepareTallies(gameState_, gameTallies_);
    board_->PaintBox1Paint();
    beginGame(gameState_);
    turnFlow_->statusRefresh();
}

void Tparmain::showEndDialog(const EndDialogText& text) {
    if (windows_.gewinnform)
        windows_.gewinnform->showResult(text);
}
