#include "sorbelloprogram.h"

#include "cards/ui/cardeditor.h"
#include "controls/ui/centring.h"
#include "game/ui/enddialog.h"
#include "game/ui/newgamedialog.h"
#include "net/ui/progresswindow.h"

#include "game/turnflow.h"
#include "mainwindow.h"
#include "net/ui/addressdialog.h"
#include "records/atomicfile.h"
#include "records/ui/highscorewindow.h"
#include "records/ui/statisticsdialog.h"
#include "shell/ui/aboutdialog.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/optionsdialog.h"
#include "shell/ui/protocolwindow.h"

#include <QLabel>
#include <QLineEdit>

// Members in the order the windows are created; they are destroyed the other way round.
struct SorbelloProgram::Windows {
    explicit Windows(MainWindow& parmain)
        : parneu(parmain.newGameContext(), parmain.image3()),
          infopar(parmain.imageweiss(), parmain.images().texture, parmain.currentSheet(),
                  [this] { return parneu.Edit1->text(); }),
          gewinnform(parmain.image3(), parmain.images().texture),
          statisti(parmain.dataPaths().statisticsFile(), parmain.image3()),
          karted(parmain.image3(), parmain.helpRequest()),
          formOption(parmain.options(), parmain.image3(), parmain.helpRequest()),
          // A window of the new-game dialog, so that its "Abbruch" can be used while the
          // dialog runs modally. Destroyed before the dialog, it is never deleted by it.
          formAblauf(parmain.image3(), &parneu), formNetzAdresseEingeben(parmain.image3()),
          formHighScore(parmain.records(), parmain.image3()) {}

    NewGameDialog parneu;
    AboutDialog infopar;
    EndDialog gewinnform;
    StatisticsDialog statisti;
    CardEditor karted;
    OptionsDialog formOption;
    ProgressWindow formAblauf;
    AddressDialog formNetzAdresseEingeben;
    ProtocolWindow protokoll;
    // Loads the high-score table when it is made and writes it back when it goes, at the end.
    HighScoreWindow formHighScore;
    HelpWindow help; // not one of the forms: the help viewer
};

SorbelloProgram::SorbelloProgram(const AppEnvironment& environment)
    : parmain_(std::make_unique<MainWindow>(environment)), owned_(std::make_unique<Windows>(*parmain_)) {
    // A run killed while it replaced a data file may have left the temporary file behind; the
    // data file itself is always whole, old or new.
    for (const QString& file : environment.dataPaths.files())
        removeLeftoverTemporaryFiles(file);
    windows_.parneu = &owned_->parneu;
    windows_.infopar = &owned_->infopar;
    windows_.gewinnform = &owned_->gewinnform;
    windows_.statisti = &owned_->statisti;
    windows_.karted = &owned_->karted;
    windows_.formOption = &owned_->formOption;
    windows_.formAblauf = &owned_->formAblauf;
    windows_.formNetzAdresseEingeben = &owned_->formNetzAdresseEingeben;
    windows_.protokoll = &owned_->protokoll;
    windows_.formHighScore = &owned_->formHighScore;
    parmain_->attachWindows(windows_);
    parmain_->turnFlow().setProtocol(&owned_->protokoll);
    parmain_->networkGame().setProtocol(&owned_->protokoll);
    parmain_->showHelpTopic = [help = &owned_->help](const QString& topic) { help->showTopic(topic); };
    // The dump shows in the progress window, made taller for it.
    parmain_->showDebugDump = [ablauf = &owned_->formAblauf](const QString& text) {
        ablauf->AblaufZeigen(QString());
        ablauf->resize(ablauf->width(), 400);
        ablauf->Label1->setText(text);
    };
    owned_->parneu.attachNetwork(parmain_->newGameNetwork());
}

SorbelloProgram::~SorbelloProgram() {
    // The other windows go first: they hold on to parts of the main window.
    owned_.reset();
}

void SorbelloProgram::show() {
    parmain_->show();
    centreOnScreen(*parmain_);
}
