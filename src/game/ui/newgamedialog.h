#pragma once

#include "records/playernamelist.h"
#include "records/statentry.h"
#include "timing/notifier.h"
#include "timing/taskqueue.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <memory>

class GameRandom;
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
        NewGameHost& host;
        // The other computer, for games with participants there.
        NetworkLink& link;
        NetworkGame& networkGame;
    };
    using FileChooser = std::function<QString(QWidget* parent)>;

    NewGameDialog(Context context, const QImage& texture, QWidget* parent = nullptr);
    ~NewGameDialog() override;

    // The "Ändern" file dialog; tests put their own here.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Frees the closed dialog's window and drawing surface, with the progress window; the next
    // showing makes them anew. Not while an event for the window is being handled.
    void releaseWindow();

    // The picture file a game would draw from, or the built-in sheet's marker.
    QString pictureSource() const;
    // A game offered by the other computer begins: the lamps follow its choice.
    void takeOfferedGame(bool triples, bool pictures);

    // "Spiel beginnen!": checks the participants, invites the other computer where one plays
    // there, and deals. The dialog stays usable while it waits for the other computer.
    void startGame();
    // A start is under way: it asks something, or waits for the other computer.
    bool starting() const { return starting_.busy(); }
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

Q_SIGNALS:
    // "Hilfe": the help page of this dialog.
    void helpRequested(const QString& topic);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // How far the call of the other computer has come, as the network game's and the progress
    // window's signals tell; the waits of a network start look at it.
    enum class CallStep { Idle, Searching, Found, Asking, Accepted, Declined, Aborted };

    Task<> start();

    void buildLayout(const QImage& texture);
    void initialiseControls();
    void loadStoredSetUp();
    void storeSetUp();
    Task<bool> participantsAccepted();
    Task<bool> inviteOtherComputer();
    // Waits until the call has left `step` or "Abbruch" is pressed; false when aborted.
    Task<bool> waitWhile(CallStep step);
    void setCallStep(CallStep step);
    Task<> refuseAborted();
    AddressDialog& addressDialog();
    ProgressWindow& progressWindow();
    void startDealtGame();
    Task<> information(QString text);

    Context ctx_;
    QImage texture_;
    PlayerNameList names_;
    FileChooser chooseFile_;
    CallStep callStep_ = CallStep::Idle;
    Notifier callStepChanged_;
    // The start under way; the dialog's closing drops it.
    TaskQueue starting_;
    std::unique_ptr<AddressDialog> addressDialog_;
    // A window of this dialog, so that its "Abbruch" can be used while the dialog runs modally.
    std::unique_ptr<ProgressWindow> progressWindow_;
};
