#include "sorbelloprogram.h"

#include "cards/tkarted.h"
#include "controls/centring.h"
#include "game/tgewinnform.h"
#include "game/tparneu.h"
#include "net/tformablauf.h"
#include "net/tformnetzadresseeingeben.h"
#include "records/tformhighscore.h"
#include "records/tstatisti.h"
#include "shell/tformoption.h"
#include "tparmain.h"

// Members in the order the windows are created; they are destroyed the other way round.
struct SorbelloProgram::Windows {
    explicit Windows(Tparmain& parmain)
        : parneu(parmain.newGameContext(), parmain.image3()),
          gewinnform(parmain.image3(), parmain.images().texture),
          statisti(parmain.dataPaths().statisticsFile(), parmain.image3()),
          karted(parmain.image3(), parmain.helpRequest()),
          formOption(parmain.options(), parmain.image3(), parmain.helpRequest()),
          formAblauf(parmain.image3()), formNetzAdresseEingeben(parmain.image3()),
          formHighScore(parmain.records(), parmain.image3()) {}

    Tparneu parneu;
    Tgewinnform gewinnform;
    Tstatisti statisti;
    Tkarted karted;
    TformOption formOption;
    TformAblauf formAblauf;
    TformNetzAdresseEingeben formNetzAdresseEingeben;
    // Loads the high-score table when it is made and writes it back when it goes, at the end.
    TFormHighScore formHighScore;
};

SorbelloProgram::SorbelloProgram(const AppEnvironment& environment)
    : parmain_(std::make_unique<Tparmain>(environment)), owned_(std::make_unique<Windows>(*parmain_)) {
    windows_.parneu = &owned_->parneu;
    windows_.gewinnform = &owned_->gewinnform;
    windows_.statisti = &owned_->statisti;
    windows_.karted = &owned_->karted;
    windows_.formOption = &owned_->formOption;
    windows_.formAblauf = &owned_->formAblauf;
    windows_.formNetzAdresseEingeben = &owned_->formNetzAdresseEingeben;
    windows_.formHighScore = &owned_->formHighScore;
    parmain_->attachWindows(windows_);
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
