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
    explicit Windows(MainWindow& mainWindow)
        : newGameDialog(mainWindow.newGameContext(), mainWindow.panelTexture()),
          aboutDialog(mainWindow.whiteTexture(), mainWindow.images().texture, mainWindow.currentSheet(),
                      [this] { return newGameDialog.pictureFileEdit->text(); }),
          endDialog(mainWindow.panelTexture(), mainWindow.images().texture),
          statisticsDialog(mainWindow.dataPaths().statisticsFile(), mainWindow.panelTexture()),
          cardEditor(mainWindow.panelTexture(), mainWindow.helpRequest()),
          optionsDialog(mainWindow.options(), mainWindow.panelTexture(), mainWindow.helpRequest()),
          // A window of the new-game dialog, so that its "Abbruch" can be used while the
          // dialog runs modally. Destroyed before the dialog, it is never deleted by it.
          progressWindow(mainWindow.panelTexture(), &newGameDialog), addressDialog(mainWindow.panelTexture()),
          highScoreWindow(mainWindow.records(), mainWindow.panelTexture()) {}

    NewGameDialog newGameDialog;
    AboutDialog aboutDialog;
    EndDialog endDialog;
    StatisticsDialog statisticsDialog;
    CardEditor cardEditor;
    OptionsDialog optionsDialog;
    ProgressWindow progressWindow;
    AddressDialog addressDialog;
    ProtocolWindow protocolWindow;
    // Loads the high-score table when it is made and writes it back when it goes, at the end.
    HighScoreWindow highScoreWindow;
    HelpWindow help; // not one of the forms: the help viewer
};

SorbelloProgram::SorbelloProgram(const AppEnvironment& environment)
    : mainWindow_(std::make_unique<MainWindow>(environment)),
      owned_(std::make_unique<Windows>(*mainWindow_)) {
    // A run killed while it replaced a data file may have left the temporary file behind; the
    // data file itself is always whole, old or new.
    for (const QString& file : environment.dataPaths.files())
        removeLeftoverTemporaryFiles(file);
    windows_.newGameDialog = &owned_->newGameDialog;
    windows_.aboutDialog = &owned_->aboutDialog;
    windows_.endDialog = &owned_->endDialog;
    windows_.statisticsDialog = &owned_->statisticsDialog;
    windows_.cardEditor = &owned_->cardEditor;
    windows_.optionsDialog = &owned_->optionsDialog;
    windows_.progressWindow = &owned_->progressWindow;
    windows_.addressDialog = &owned_->addressDialog;
    windows_.protocolWindow = &owned_->protocolWindow;
    windows_.highScoreWindow = &owned_->highScoreWindow;
    mainWindow_->attachWindows(windows_);
    mainWindow_->turnFlow().setProtocol(&owned_->protocolWindow);
    mainWindow_->networkGame().setProtocol(&owned_->protocolWindow);
    mainWindow_->showHelpTopic = [help = &owned_->help](const QString& topic) { help->showTopic(topic); };
    // The dump shows in the progress window, made taller for it.
    mainWindow_->showDebugDump = [progress = &owned_->progressWindow](const QString& text) {
        progress->showProgress(QString());
        progress->resize(progress->width(), 400);
        progress->messageLabel->setText(text);
    };
    owned_->newGameDialog.attachNetwork(mainWindow_->newGameNetwork());
}

SorbelloProgram::~SorbelloProgram() {
    // The other windows go first: they hold on to parts of the main window.
    owned_.reset();
}

void SorbelloProgram::show() {
    mainWindow_->show();
    centreOnScreen(*mainWindow_);
}
