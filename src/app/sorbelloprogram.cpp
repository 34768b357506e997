#include "sorbelloprogram.h"

#include "cards/tkarted.h"
#include "controls/centring.h"
#include "game/tgewinnform.h"
#include "game/tparneu.h"
#include "net/tformablauf.h"
#include "net/tformnetzadresseeingeben.h"
#include "tparmain.h"

// Members in the order the windows are created; they are destroyed the other way round.
struct SorbelloProgram::Windows {
    explicit Windows(Tparmain& parmain)
        : parneu(parmain.newGameContext(), parmain.image3()),
          gewinnform(parmain.image3(), parmain.images().texture),
          karted(parmain.image3(), parmain.helpRequest()), formAblauf(parmain.image3()),
          formNetzAdresseEingeben(parmain.image3()) {}

    Tparneu parneu;
    Tgewinnform gewinnform;
    Tkarted karted;
    TformAblauf formAblauf;
    TformNetzAdresseEingeben formNetzAdresseEingeben;
};

SorbelloProgram::SorbelloProgram(const AppEnvironment& environment)
    : parmain_(std::make_unique<Tparmain>(environment)), owned_(std::make_unique<Windows>(*parmain_)) {
    windows_.parneu = &owned_->parneu;
    windows_.gewinnform = &owned_->gewinnform;
    windows_.karted = &owned_->karted;
    windows_.formAblauf = &owned_->formAblauf;
    windows_.formNetzAdresseEingeben = &owned_->formNetzAdresseEingeben;
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
