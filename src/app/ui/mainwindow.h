#pragma once

#include "app/appenvironment.h"
#include "board/boardimages.h"
#include "board/fadeengine.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"
#include "game/turnports.h"
#include "game/ui/newgamedialog.h"
#include "net/networkgame.h"
#include "net/networklink.h"
#include "records/programoptions.h"
#include "records/statentry.h"
#include "shell/debugdump.h"
#include "shell/helprequest.h"
#include "shell/shellenvironment.h"
#include "sorbellowindows.h"
#include "sound/soundoutput.h"

#include <QMainWindow>

#include <memory>

class BackgroundCover;
class BoardFrame;
class BoardScreen;
class ComputerPlayer;
class GameRecords;
class ImageView;
class QAction;
class QFrame;
class QLabel;
class SevenSegmentDisplay;
class QTimer;
class ToolButton;
class TexturePanel;
class EndDialog;
class TurnFlow;

// The main window: the board, the status displays, the menu and the tool buttons. It owns
// the one game state and everything a game is played with.
class MainWindow : public QMainWindow, private DialogPort, private NewGameHost, private NetworkGameHost {
    Q_OBJECT
public:
    explicit MainWindow(AppEnvironment environment);
    ~MainWindow() override;

    // Opens a help topic; set once the help viewer exists.
    HelpRequest showHelpTopic;
    // For the other windows: forwards to showHelpTopic, whenever that is set.
    HelpRequest helpRequest() {
        return [this](const QString& topic) {
            if (showHelpTopic)
                showHelpTopic(topic);
        };
    }

    // What the new-game dialog works with.
    NewGameDialog::Context newGameContext();
    // The network windows and parts, for the new-game dialog.
    NewGameDialog::Network newGameNetwork();
    // Where the debug dump is shown.
    DumpDisplay showDebugDump;

    // The other windows, once they exist.
    void attachWindows(const SorbelloWindows& windows) { windows_ = windows; }

    GameState& gameState() { return gameState_; }
    ProgramOptions& options() { return options_; }
    TurnFlow& turnFlow() { return *turnFlow_; }
    NetworkGame& networkGame() { return *networkGame_; }
    const BoardImages& images() const { return images_; }
    const QImage& panelTexture() const { return panelTexture_; }
    const QImage& whiteTexture() const { return whiteTexture_; }
    // The card-picture sheet the game draws from; the About dialog reloads it.
    QImage& currentSheet() override { return images_.sheet; }
    quint32 backgroundColour() const { return backgroundColour_; }
    const DataPaths& dataPaths() const { return dataPaths_; }
    // The high-score table of the run and the statistics file, as finished games reach them.
    GameRecords& records() { return *records_; }
    bool coverShown() const { return cover_ != nullptr; }

    void startNewGame();
    void quit();
    // Ends the program as "Beenden" does, for a request from outside (a signal, the end of the
    // desktop session): without the question, a running game is abandoned and every open
    // dialog goes as by its cancel button; the settings are written.
    void quitWithoutAsking();
    void toggleBackgroundCover();
    void chooseBackgroundColour();
    void openCardEditor();
    void showStatistics();
    void showHighScores();
    void editOptions();
    void showInstructions();
    void showAbout();
    void offerDesktopShortcut();
    void offerStartMenuShortcut();
    void visitHomepage();
    void tellOwnAddress();
    void dumpGameState();
    void onBoardPressed(Qt::MouseButton button, int x, int y);

    // The tool bar, the status displays and the board.
    TexturePanel* toolBarPanel = nullptr;
    ToolButton* newGameButton = nullptr;
    ToolButton* editorButton = nullptr;
    ToolButton* helpButton = nullptr;
    QFrame* toolBarSeparator = nullptr;
    ImageView* statusView = nullptr;
    QLabel* knownGroupsCaption = nullptr;
    QLabel* knownGroupsLabel = nullptr;
    SevenSegmentDisplay* remainingDisplay = nullptr;
    QLabel* remainingCaption = nullptr;
    ToolButton* quitButton = nullptr;
    QFrame* toolBarDivider = nullptr;
    TexturePanel* boardPanel = nullptr;
    BoardFrame* boardFrame = nullptr;
    ImageView* boardView = nullptr;
    QTimer* computerTimer = nullptr;
    NetworkLink networkLink;
    SoundOutput soundOutput;

    QAction* newGameAction = nullptr;
    QAction* disconnectAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* coverBackgroundAction = nullptr;
    QAction* backgroundColourAction = nullptr;
    QAction* statisticsAction = nullptr;
    QAction* highScoresAction = nullptr;
    QAction* cardEditorAction = nullptr;
    QAction* desktopShortcutAction = nullptr;
    QAction* startMenuShortcutAction = nullptr;
    QAction* ownAddressAction = nullptr;
    QAction* optionsAction = nullptr;
    QAction* debugDumpAction = nullptr;
    QAction* instructionsAction = nullptr;
    QAction* homepageAction = nullptr;
    QAction* aboutAction = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void initialise();
    void applyStoredSettings();
    bool prepareClose();
    bool confirmQuitDuringGame();
    void closeDialogs();
    void buildComponents();
    void buildMenu();
    void connectCommands();
    void applyBoardSize(bool largeBoard) override;
    void showKnownGroupsText(const QString& text) override;
    void repaintBoard() override;
    bool askToJoin() override;
    void showConnectionLost() override;
    void prepareOfferedGame(bool largeBoard, bool triples, bool pictures) override;
    void endConnection();

    bool confirmAbandonGame() override;
    void runNewGameDialog() override;
    void showEndDialog(const EndDialogText& text) override;

    AppEnvironment env_;
    GameState gameState_;
    GameTallies gameTallies_;
    ProgramOptions options_;
    GameRandom random_;
    BoardImages images_;
    QImage panelTexture_; // texture of the window panels
    QImage whiteTexture_; // white texture
    FadeEngine fadeEngine_{random_};
    quint32 backgroundColour_ = 16711680; // pure blue
    std::unique_ptr<BackgroundCover> cover_;
    DataPaths dataPaths_;
    std::unique_ptr<GameRecords> records_;
    std::unique_ptr<BoardScreen> board_;
    std::unique_ptr<TurnFlow> turnFlow_;
    std::unique_ptr<ComputerPlayer> computerPlayer_;
    std::unique_ptr<NetworkGame> networkGame_;
    SorbelloWindows windows_;
    ShellEnvironment shell_ = realShellEnvironment();
    bool shown_ = false;
    bool quittingWithoutAsking_ = false;
    // The "unterbrochen" message is waiting to be shown or open.
    bool connectionLostShowing_ = false;
};
