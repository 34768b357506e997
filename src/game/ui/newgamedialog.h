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
class TBool;
class TLabel90;
class TNetzWerking;
class TTexturpanel;
class TVKButton;
class TVKEdit;
class TformAblauf;
class TformNetzAdresseEingeben;
class TurnFlow;
struct TGameState;

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
class Tparneu : public QDialog {
    Q_OBJECT
public:
    struct Context {
        SettingsStore& settings;
        QString playerNamesFile;
        TGameState& state;
        TGameTallies& tallies;
        GameRandom& random;
        TurnFlow& flow;
        MessageWait& wait;
        NewGameHost& host;
        HelpRequest help;
    };
    // The other computer, for games with participants there.
    struct Network {
        TNetzWerking* net = nullptr;
        NetworkGame* game = nullptr;
        TformNetzAdresseEingeben* address = nullptr;
        TformAblauf* progress = nullptr;
    };
    using FileChooser = std::function<QString(QWidget* parent)>;

    Tparneu(Context context, const QImage& texture, QWidget* parent = nullptr);

    void attachNetwork(const Network& network);
    // The "Ändern" file dialog; tests put their own here.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    void VKButton1Click();
    void VKButton2Click();
    void VKButton3Click();
    void VKButton4Click();
    void VKButton5Click();
    void AlszahlenGeandert();

    TLabel90* Label901 = nullptr;
    TTexturpanel* Texturpanel1 = nullptr;
    std::array<TVKEdit*, 4> sp{};
    std::array<QComboBox*, 4> geg{};
    std::array<TBool*, 4> Netz{};
    TBool* zweigleiche = nullptr;
    TBool* dreigleiche = nullptr;
    TBool* sp30 = nullptr;
    TBool* sp60 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    TBool* Alsbilder = nullptr;
    TBool* Alszahlen = nullptr;
    QGroupBox* Texturpanel2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TVKButton* VKButton1 = nullptr;
    TVKButton* VKButton2 = nullptr;
    TVKButton* VKButton3 = nullptr;
    TVKButton* VKButton4 = nullptr;
    TVKButton* VKButton5 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildLayout(const QImage& texture);
    void FormCreate();
    void FormShow();
    void FormClose();
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
