#pragma once

#include "app/appenvironment.h"
#include "board/boardimages.h"
#include "board/fadeengine.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"
#include "game/networkgame.h"
#include "game/turnports.h"
#include "game/ui/newgamedialog.h"
#include "net/networklink.h"
#include "records/programoptions.h"
#include "records/statentry.h"
#include "shell/shellenvironment.h"
#include "sound/soundoutput.h"
#include "timing/taskqueue.h"

#include <QMainWindow>

#include <memory>

class AboutDialog;
class BackgroundCover;
class BoardFrame;
class BoardScreen;
class CardEditor;
class ComputerPlayer;
class EndDialog;
class GameRecords;
class HelpWindow;
class HighScoreWindow;
class ImageView;
class OptionsDialog;
class ProgressWindow;
class ProtocolWindow;
class QAction;
class QFrame;
class QLabel;
class SevenSegmentDisplay;
class StatisticsDialog;
class TexturePanel;
class ToolButton;
class TurnFlow;

// The main window: the board, the status displays, the menu and the tool buttons. It owns the
// one game state and everything a game is played with, and connects them; the other windows
// it makes when they are first needed. Tests find its controls by their object names.
class MainWindow : public QMainWindow, private DialogPort, private NewGameHost, private NetworkGameHost {
    Q_OBJECT
public:
    explicit MainWindow(AppEnvironment environment);
    ~MainWindow() override;

    GameState& gameState() { return gameState_; }
    ProgramOptions& options() { return options_; }
    TurnFlow& turnFlow() { return *turnFlow_; }
    NetworkLink& networkLink() { return networkLink_; }
    // The high-score table of the run and the statistics file, as finished games reach them.
    GameRecords& records() { return *records_; }
    const BoardImages& images() const { return images_; }
    quint32 backgroundColour() const { return backgroundColour_; }
    bool coverShown() const { return cover_ != nullptr; }

    // Ends the program as "Beenden" does, for a request from outside (a signal, the end of the
    // desktop session): without the question, a running game is abandoned and every open
    // dialog goes as by its cancel button; the settings are written.
    void quitWithoutAsking();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildComponents();
    void buildMenu();
    void connectCommands();
    void connectGameParts();
    void initialise();
    void applyStoredSettings();
    bool prepareClose();
    bool confirmQuitDuringGame();
    Task<> waitAfterAbort();
    void closeDialogs();

    // The commands of the menu, the tool buttons and the board.
    void startNewGame();
    void endConnection();
    void toggleBackgroundCover();
    void chooseBackgroundColour();
    void showStatistics();
    void showHighScores();
    void openCardEditor();
    void offerDesktopShortcut();
    void offerStartMenuShortcut();
    void tellOwnAddress();
    void editOptions();
    void dumpGameState();
    void showHelp(const QString& topic);
    void visitHomepage();
    void showAbout();
    void onBoardPressed(Qt::MouseButton button, int x, int y);

    // The other windows that more than one command shows, each made when first needed.
    NewGameDialog& newGameDialog();
    HelpWindow& helpWindow();
    void addProtocolLine(const QString& text);

    // For the turn flow.
    bool confirmAbandonGame() override;
    void runNewGameDialog() override;
    Task<> showEndDialog(EndDialogText text) override;
    // For the new-game dialog.
    void applyBoardSize(bool largeBoard) override;
    void showKnownGroupsText(const QString& text) override;
    void repaintBoard() override;
    QImage& currentSheet() override { return images_.sheet; }
    // For the network game.
    Task<bool> askToJoin() override;
    void showConnectionLost() override;
    void prepareOfferedGame(bool largeBoard, bool triples, bool pictures) override;

    AppEnvironment env_;
    DataPaths dataPaths_;
    GameState gameState_;
    GameTallies gameTallies_;
    ProgramOptions options_;
    GameRandom random_;
    BoardImages images_;
    QImage panelTexture_; // texture of the window panels
    QImage whiteTexture_; // white texture
    FadeEngine fadeEngine_{random_};
    quint32 backgroundColour_ = 16711680; // pure blue
    ShellEnvironment shell_ = realShellEnvironment();
    bool shown_ = false;
    bool quittingWithoutAsking_ = false;
    // The "unterbrochen" message is waiting to be shown or open.
    bool connectionLostShowing_ = false;
    // A close during a game waits a moment after stopping it; then the window closes.
    TaskQueue closing_;
    bool abortWaited_ = false;
    bool closeAfterWait_ = false;

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

    // What a game is played with, in the order it is made; the windows below go first.
    NetworkLink networkLink_;
    SoundOutput soundOutput_;
    std::unique_ptr<GameRecords> records_;
    std::unique_ptr<BoardScreen> board_;
    std::unique_ptr<TurnFlow> turnFlow_;
    std::unique_ptr<ComputerPlayer> computerPlayer_;
    std::unique_ptr<NetworkGame> networkGame_;
    std::unique_ptr<BackgroundCover> cover_;

    // The other windows, each made when first needed and kept for the rest of the run.
    std::unique_ptr<HelpWindow> helpWindow_;
    // Never shown: it takes the protocol's lines from the first one on.
    std::unique_ptr<ProtocolWindow> protocolWindow_;
    std::unique_ptr<NewGameDialog> newGameDialog_;
    std::unique_ptr<EndDialog> endDialog_;
    std::unique_ptr<AboutDialog> aboutDialog_;
    std::unique_ptr<StatisticsDialog> statisticsDialog_;
    std::unique_ptr<CardEditor> cardEditor_;
    std::unique_ptr<OptionsDialog> optionsDialog_;
    // The debug dump's window, the network start's progress window made taller.
    std::unique_ptr<ProgressWindow> dumpWindow_;
    // The keeper of the high-score table once it exists: it writes the table back when it goes.
    std::unique_ptr<HighScoreWindow> highScoreWindow_;
};
