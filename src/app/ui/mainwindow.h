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
    const QImage& image3() const { return image3_; }
    const QImage& imageweiss() const { return imageweiss_; }
    // The card-picture sheet the game draws from; the About dialog reloads it.
    QImage& currentSheet() override { return images_.sheet; }
    quint32 backgroundColour() const { return backgroundColour_; }
    const DataPaths& dataPaths() const { return dataPaths_; }
    // The high-score table of the run and the statistics file, as finished games reach them.
    GameRecords& records() { return *records_; }
    bool coverShown() const { return cover_ != nullptr; }

    void Beenden1Click();
    void Hintergrundabdecken1Click();
    void Hintergrundfarbefestlegen1Click();
    void Float1Click();
    void Float2Click();
    void Karteneditor1Click();
    void Float4Click();
    void SpielerStatistik1Click();
    void HighScore1Click();
    void Optionen2Click();
    void Float3Click();
    void Spielanleitung1Click();
    void berKolibri811Click();
    void VerknpfungzumDesktopanlegen1Click();
    void VerknpfungzumStartmenanlegen1Click();
    void VukoHomepage1Click();
    void IP1Click();
    void DebugDump1Click();

    // Components, named as on the form.
    TexturePanel* Texturpanel1 = nullptr;
    ToolButton* Float1 = nullptr;
    ToolButton* Float4 = nullptr;
    ToolButton* Float3 = nullptr;
    QFrame* Bevel2 = nullptr;
    ImageView* PaintBox2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* vollauf = nullptr;
    SevenSegmentDisplay* SiebenSeg1 = nullptr;
    QLabel* Label1 = nullptr;
    ToolButton* Float2 = nullptr;
    QFrame* Bevel1 = nullptr;
    TexturePanel* Texturpanel2 = nullptr;
    QFrame* Panel2 = nullptr;
    ImageView* PaintBox1 = nullptr;
    QTimer* Timer1 = nullptr;
    NetworkLink NetzWerking1;
    SoundOutput SoundAusgabe1;

    QAction* NeuesSpiel1 = nullptr;
    QAction* Netzwerkverbindungtrennen1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Hintergrundabdecken1 = nullptr;
    QAction* Hintergrundfarbefestlegen1 = nullptr;
    QAction* SpielerStatistik1 = nullptr;
    QAction* HighScore1 = nullptr;
    QAction* Karteneditor1 = nullptr;
    QAction* VerknpfungzumDesktopanlegen1 = nullptr;
    QAction* VerknpfungzumStartmenanlegen1 = nullptr;
    QAction* IP1 = nullptr;
    QAction* Optionen2 = nullptr;
    QAction* DebugDump1 = nullptr;
    QAction* Spielanleitung1 = nullptr;
    QAction* VukoHomepage1 = nullptr;
    QAction* berKolibri811 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormClose();
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
    QImage image3_;     // texture of the window panels
    QImage imageweiss_; // white texture
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
    // The "unterbrochen" message is waiting to be shown or open.
    bool connectionLostShowing_ = false;
};
