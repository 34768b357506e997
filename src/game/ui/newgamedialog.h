#pragma once

#include "records/playernamelist.h"
#include "records/statentry.h"
#include "shell/helprequest.h"

#include <QDialog>

#include <array>
#include <functional>

class GameRandom;
class MessageWait;
class NetworkGame;
class QComboBox;
class QGroupBox;
class QLineEdit;
class SettingsStore;
class Lamp;
class CaptionBand;
class NetworkLink;
class TexturePanel;
class PushButton;
class CompletingEdit;
class ProgressWindow;
class AddressDialog;
class TurnFlow;
struct GameState;

// What a started game needs of the main window.
class NewGameHost {
public:
    virtual ~NewGameHost() = default;
    // The board panel and the window take the board's size.
    virtual void applyBoardSize(bool largeBoard) = 0;
    virtual void showKnownGroupsText(const QString& text) = 0;
    virtual void repaintBoard() = 0;
    // The card-picture sheet the game draws its faces from.
    virtual QImage& currentSheet() = 0;
};

// "Neues Spiel...": the participants and the kind of game; "Spiel beginnen!" deals it.
class NewGameDialog : public QDialog {
    Q_OBJECT
public:
    struct Context {
        SettingsStore& settings;
        QString playerNamesFile;
        GameState& state;
        GameTallies& tallies;
        GameRandom& random;
        TurnFlow& flow;
        MessageWait& wait;
        NewGameHost& host;
        HelpRequest help;
    };
    // The other computer, for games with participants there.
    struct Network {
        NetworkLink* link = nullptr;
        NetworkGame* game = nullptr;
        AddressDialog* address = nullptr;
        ProgressWindow* progress = nullptr;
    };
    using FileChooser = std::function<QString(QWidget* parent)>;

    NewGameDialog(Context context, const QImage& texture, QWidget* parent = nullptr);

    void attachNetwork(const Network& network);
    // The "Ändern" file dialog; tests put their own here.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    void startGame();
    void cancel();
    void choosePictureFile();
    void useBuiltInPictures();
    void showHelp();
    void onNumbersToggled();

    CaptionBand* captionBand = nullptr;
    TexturePanel* panel = nullptr;
    std::array<CompletingEdit*, 4> nameEdits{};
    std::array<QComboBox*, 4> kindLists{};
    std::array<Lamp*, 4> networkLamps{};
    Lamp* pairsLamp = nullptr;
    Lamp* triplesLamp = nullptr;
    Lamp* smallBoardLamp = nullptr;
    Lamp* largeBoardLamp = nullptr;
    QComboBox* difficultyList = nullptr;
    Lamp* picturesLamp = nullptr;
    Lamp* numbersLamp = nullptr;
    QGroupBox* pictureFileBox = nullptr;
    QLineEdit* pictureFileEdit = nullptr;
    PushButton* startButton = nullptr;
    PushButton* cancelButton = nullptr;
    PushButton* changeFileButton = nullptr;
    PushButton* builtInButton = nullptr;
    PushButton* helpButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildLayout(const QImage& texture);
    void initialiseControls();
    void loadStoredSetUp();
    void storeSetUp();
    bool participantsAccepted();
    bool inviteOtherComputer();
    bool waitForPeer(const std::function<bool()>& done);
    void refuseAborted();
    void startDealtGame();
    void information(const QString& text);

    Context ctx_;
    PlayerNameList names_;
    Network network_;
    FileChooser chooseFile_;
};
