// The controls and the menu of the main window and where they lie.

#include "mainwindow.h"

#include "board/ui/boardframe.h"
#include "controls/ui/imageview.h"
#include "controls/ui/sevensegmentdisplay.h"
#include "controls/ui/texturepanel.h"
#include "controls/ui/toolbutton.h"
#include "controls/ui/valuelabel.h"
#include "painting/fonts.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include <utility>

namespace {

constexpr int kClientWidth = 697;
constexpr int kSmallClientHeight = 264;

ToolButton* toolBarButton(TexturePanel* panel, const QString& icon, const QString& topCaption,
                          const QString& bottomCaption, QPoint at) {
    auto* button = new ToolButton(panel);
    button->setPanel(panel);
    button->setPicture(QImage(QStringLiteral(":/icons/%1.png").arg(icon)));
    button->setTopCaption(topCaption);
    button->setBottomCaption(bottomCaption);
    button->move(at);
    return button;
}

QFrame* bevel(QWidget* parent, QFrame::Shape shape, QRect geometry) {
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(geometry);
    return line;
}

} // namespace

void MainWindow::buildComponents() {
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kSmallClientHeight);
    client->setFont(arialFontOfPixelSize(11)); // "MS Sans Serif", 8 points
    setCentralWidget(client);
    // Not resizable: the window is always as large as its client area and menu need.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    toolBarPanel = new TexturePanel(client);
    toolBarPanel->setGeometry(0, 0, kClientWidth, 65);
    toolBarPanel->setTexture(panelTexture_);
    newGameButton =
        toolBarButton(toolBarPanel, QStringLiteral("newgame"), tr("Neues", "tool button, 1st line"),
                      tr("Spiel", "new game tool button, 2nd line"), {8, 8});
    editorButton =
        toolBarButton(toolBarPanel, QStringLiteral("cardeditor"), tr("Karten-", "tool button, 1st line"),
                      tr("editor", "tool button, 2nd line"), {62, 8});
    helpButton = toolBarButton(toolBarPanel, QStringLiteral("help"), tr("Hilfe/", "tool button, 1st line"),
                               tr("Anleitung", "tool button, 2nd line"), {111, 8});
    toolBarSeparator = bevel(toolBarPanel, QFrame::VLine, {171, 8, 10, 50});

    statusView = new ImageView(toolBarPanel);
    statusView->setGeometry(184, 8, 377, 33);

    knownGroupsCaption = new QLabel(tr("Anzahl vollständig aufgedeckter Kartenpaare:"), toolBarPanel);
    knownGroupsCaption->setFont(arialFontOfPixelSize(13));
    knownGroupsCaption->setGeometry(184, 43, 289, 16);
    knownGroupsLabel = new ValueLabel(QStringLiteral("00"), toolBarPanel);
    knownGroupsLabel->setFont(arialFontOfPixelSize(13));
    knownGroupsLabel->setGeometry(463, 43, 34, 16);
    knownGroupsCaption->setBuddy(knownGroupsLabel); // heard with its caption

    remainingDisplay = new SevenSegmentDisplay(toolBarPanel);
    remainingDisplay->setGeometry(568, 8, 57, 39);
    remainingDisplay->setDigits(2);
    remainingDisplay->setScale(0.34f);
    remainingDisplay->setSkipLeadingZeros(true);
    remainingDisplay->setDigitColour(SevenSegmentDisplay::Green);
    remainingDisplay->setMode(SevenSegmentDisplay::Normal);
    remainingDisplay->setValue(0);

    remainingCaption = new QLabel(tr("Restpunkte"), toolBarPanel);
    remainingCaption->move(568, 48);
    remainingCaption->adjustSize();
    // The caption names the display, so both are heard as one.
    remainingCaption->setBuddy(remainingDisplay);
    quitButton =
        toolBarButton(toolBarPanel, QStringLiteral("quit"), tr("Spiel", "quit tool button, 1st line"),
                      tr("beenden", "quit tool button, 2nd line"), {638, 8});

    toolBarDivider = bevel(client, QFrame::HLine, {0, 65, kClientWidth, 1});

    boardPanel = new TexturePanel(client);
    boardPanel->setGeometry(0, 66, kClientWidth, kSmallClientHeight - 66);
    boardPanel->setTexture(panelTexture_);

    boardFrame = new BoardFrame(gameState_, boardPanel);
    boardFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    boardFrame->setLineWidth(1);
    boardFrame->setAccessibleName(tr("Spielfeld"));
    boardFrame->setGeometry(16, 8, 664, 185);
    boardView = new ImageView(boardFrame);
    boardView->setGeometry(1, 1, 662, 183);
    boardView->setEnabled(false); // no clicks before the first game
    boardFrame->setView(boardView);
    // The board, not the first tool button, has the keys when the window opens.
    boardFrame->setFocus();

    // Tests and the test programs find them by these names.
    for (auto [widget, name] : {std::pair<QWidget*, const char*>{boardFrame, "boardFrame"},
                                {boardView, "boardView"},
                                {statusView, "statusView"},
                                {knownGroupsCaption, "knownGroupsCaption"},
                                {knownGroupsLabel, "knownGroupsLabel"},
                                {remainingCaption, "remainingCaption"},
                                {remainingDisplay, "remainingDisplay"},
                                {helpButton, "helpButton"}})
        widget->setObjectName(QLatin1String(name));
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    const auto item = [](QMenu* menu, const QString& text, QKeySequence key = {}) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        return action;
    };

    QMenu* fileMenu = bar->addMenu(tr("&Datei"));
    newGameAction = item(fileMenu, tr("&Neues Spiel"), Qt::Key_F2);
    disconnectAction = item(fileMenu, tr("Netzwerkverbindung &trennen"));
    fileMenu->addSeparator();
    quitAction = item(fileMenu, tr("&Beenden"));

    QMenu* extrasMenu = bar->addMenu(tr("E&xtras"));
    coverBackgroundAction = item(extrasMenu, tr("&Hintergrund abdecken"));
    coverBackgroundAction->setCheckable(true);
    backgroundColourAction = item(extrasMenu, tr("Hintergrund&farbe festlegen"));
    extrasMenu->addSeparator();
    statisticsAction = item(extrasMenu, tr("Spieler-&Statistik anzeigen"), Qt::Key_F3);
    highScoresAction = item(extrasMenu, tr("&HighScore anzeigen"));
    extrasMenu->addSeparator();
    cardEditorAction = item(extrasMenu, tr("&Karteneditor"), Qt::Key_F4);
    extrasMenu->addSeparator();
    desktopShortcutAction = item(extrasMenu, tr("Verknüpfung zum &Desktop anlegen"));
    startMenuShortcutAction = item(extrasMenu, tr("Verknüpfung zum Start&menü anlegen"));
    extrasMenu->addSeparator();
    ownAddressAction = item(extrasMenu, tr("Eigene IP-Adresse anzeigen"));
    extrasMenu->addSeparator();
    optionsAction = item(extrasMenu, tr("&Optionen"));
    debugDumpAction = item(extrasMenu, tr("Debug-Dump"));

    QMenu* helpMenu = bar->addMenu(tr("&Hilfe"));
    instructionsAction = item(helpMenu, tr("&Spielanleitung"), Qt::Key_F1);
    homepageAction = item(helpMenu, tr("&Vuko-Homepage aufsuchen"));
    helpMenu->addSeparator();
    aboutAction = item(helpMenu, tr("Über &Sorbello"), Qt::Key_F9);

    // Tests and the test programs find them by these names.
    for (auto [action, name] : {std::pair<QAction*, const char*>{newGameAction, "newGameAction"},
                                {coverBackgroundAction, "coverBackgroundAction"},
                                {backgroundColourAction, "backgroundColourAction"},
                                {statisticsAction, "statisticsAction"},
                                {highScoresAction, "highScoresAction"},
                                {cardEditorAction, "cardEditorAction"},
                                {optionsAction, "optionsAction"},
                                {debugDumpAction, "debugDumpAction"},
                                {instructionsAction, "instructionsAction"},
                                {aboutAction, "aboutAction"}})
        action->setObjectName(QLatin1String(name));
}

void MainWindow::applyBoardSize(bool largeBoard) {
    // The window heights of the design, 310 and 480, include 46 pixels of title bar, menu
    // and frame; what is left is the client area.
    const int clientHeight = (largeBoard ? 480 : 310) - 46;
    const int panelHeight = largeBoard ? 359 : 185;
    centralWidget()->setFixedSize(kClientWidth, clientHeight);
    boardPanel->resize(kClientWidth, clientHeight - 66);
    boardFrame->resize(boardFrame->width(), panelHeight);
    boardView->resize(boardView->width(), panelHeight - 2);
}
