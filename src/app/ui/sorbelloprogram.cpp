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
#include "records/gamerecords.h"
#include "records/settingsstore.h"
#include "records/ui/highscorewindow.h"
#include "records/ui/statisticsdialog.h"
#include "shell/ui/aboutdialog.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/optionsdialog.h"
#include "shell/ui/protocolwindow.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

namespace {

// Every size drawn for it, so that task bars and switchers need not scale one.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/logos/sorbello-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

// The windows, each made when first needed: starting is quicker and the idle program smaller.
// They are destroyed in the reverse order of these members.
struct SorbelloProgram::Windows {
    // The high-score window keeps the table of the run once it exists; until then, this does.
    explicit Windows(MainWindow& mainWindow) : main(mainWindow) { main.records().loadHighScores(); }
    ~Windows() {
        if (!highScoreWindow)
            main.records().saveHighScores();
    }

    // Returns the window in `slot`, making it first with `make` if need be.
    template <typename Window, typename Make> static Window* made(std::unique_ptr<Window>& slot, Make make) {
        if (!slot)
            slot = make();
        return slot.get();
    }

    NewGameDialog* newGame() {
        if (newGameDialog)
            return newGameDialog.get();
        newGameDialog = std::make_unique<NewGameDialog>(main.newGameContext(), main.panelTexture());
        newGameDialog->attachNetwork(main.newGameNetwork());
        return newGameDialog.get();
    }
    AboutDialog* about() {
        return made(aboutDialog, [this] {
            return std::make_unique<AboutDialog>(main.whiteTexture(), main.images().texture,
                                                 main.currentSheet(),
                                                 [this] { return newGame()->pictureFileEdit->text(); });
        });
    }
    EndDialog* end() {
        return made(endDialog, [this] {
            return std::make_unique<EndDialog>(main.panelTexture(), main.images().texture);
        });
    }
    StatisticsDialog* statistics() {
        return made(statisticsDialog, [this] {
            return std::make_unique<StatisticsDialog>(main.dataPaths().statisticsFile(), main.panelTexture());
        });
    }
    CardEditor* editor() {
        return made(cardEditor,
                    [this] { return std::make_unique<CardEditor>(main.panelTexture(), main.helpRequest()); });
    }
    OptionsDialog* options() {
        return made(optionsDialog, [this] {
            return std::make_unique<OptionsDialog>(main.options(), main.panelTexture(), main.helpRequest());
        });
    }
    // A window of the new-game dialog, so that its "Abbruch" can be used while the dialog runs
    // modally. Destroyed before the dialog, it is never deleted by it.
    ProgressWindow* progress() {
        if (progressWindow)
            return progressWindow.get();
        NewGameDialog* owner = newGame();
        return made(progressWindow,
                    [&] { return std::make_unique<ProgressWindow>(main.panelTexture(), owner); });
    }
    AddressDialog* address() {
        return made(addressDialog, [this] { return std::make_unique<AddressDialog>(main.panelTexture()); });
    }
    ProtocolWindow* protocol() {
        return made(protocolWindow, [] { return std::make_unique<ProtocolWindow>(); });
    }
    HighScoreWindow* highScores() {
        return made(highScoreWindow, [this] {
            return std::make_unique<HighScoreWindow>(main.records(), main.panelTexture());
        });
    }
    HelpWindow* helpWindow() {
        return made(help, [] { return std::make_unique<HelpWindow>(); });
    }

    MainWindow& main;
    std::unique_ptr<NewGameDialog> newGameDialog;
    std::unique_ptr<AboutDialog> aboutDialog;
    std::unique_ptr<EndDialog> endDialog;
    std::unique_ptr<StatisticsDialog> statisticsDialog;
    std::unique_ptr<CardEditor> cardEditor;
    std::unique_ptr<OptionsDialog> optionsDialog;
    std::unique_ptr<ProgressWindow> progressWindow;
    std::unique_ptr<AddressDialog> addressDialog;
    std::unique_ptr<ProtocolWindow> protocolWindow;
    // Takes the protocol's lines from the start and makes the window for the first one.
    struct ProtocolForwarder : ProtocolSink {
        explicit ProtocolForwarder(Windows& windows) : windows(windows) {}
        void addProtocolLine(const QString& text) override { windows.protocol()->addProtocolLine(text); }
        Windows& windows;
    } protocolForwarder{*this};
    // Writes the high-score table back when it goes, at the end.
    std::unique_ptr<HighScoreWindow> highScoreWindow;
    std::unique_ptr<HelpWindow> help; // not one of the forms: the help viewer
};

SorbelloProgram::SorbelloProgram(const AppEnvironment& environment)
    : mainWindow_(std::make_unique<MainWindow>(environment)),
      owned_(std::make_unique<Windows>(*mainWindow_)) {
    // Every window of the program shows it, the dialogs too.
    QApplication::setWindowIcon(programIcon());
    // A run killed while it replaced a data file or wrote the settings may have left the
    // temporary file behind; the file itself is always whole, old or new.
    for (const QString& file : environment.dataPaths.files())
        removeLeftoverTemporaryFiles(file);
    environment.settings.removeLeftovers();
    Windows& owned = *owned_;
    windows_.newGameDialog = WindowSlot<NewGameDialog>([&owned] { return owned.newGame(); });
    windows_.aboutDialog = WindowSlot<AboutDialog>([&owned] { return owned.about(); });
    windows_.endDialog = WindowSlot<EndDialog>([&owned] { return owned.end(); });
    windows_.statisticsDialog = WindowSlot<StatisticsDialog>([&owned] { return owned.statistics(); });
    windows_.cardEditor = WindowSlot<CardEditor>([&owned] { return owned.editor(); });
    windows_.optionsDialog = WindowSlot<OptionsDialog>([&owned] { return owned.options(); });
    windows_.progressWindow = WindowSlot<ProgressWindow>([&owned] { return owned.progress(); });
    windows_.addressDialog = WindowSlot<AddressDialog>([&owned] { return owned.address(); });
    windows_.protocolWindow = WindowSlot<ProtocolWindow>([&owned] { return owned.protocol(); });
    windows_.highScoreWindow = WindowSlot<HighScoreWindow>([&owned] { return owned.highScores(); });
    mainWindow_->attachWindows(windows_);
    mainWindow_->turnFlow().setProtocol(&owned.protocolForwarder);
    mainWindow_->networkGame().setProtocol(&owned.protocolForwarder);
    mainWindow_->showHelpTopic = [&owned](const QString& topic) { owned.helpWindow()->showTopic(topic); };
    // The dump shows in the progress window, made taller for it.
    mainWindow_->showDebugDump = [&owned](const QString& text) {
        ProgressWindow* progress = owned.progress();
        progress->showProgress(QString());
        progress->resize(progress->width(), 400);
        progress->messageLabel->setText(text);
    };
}

SorbelloProgram::~SorbelloProgram() {
    // The other windows go first: they hold on to parts of the main window.
    owned_.reset();
}

void SorbelloProgram::show() {
    mainWindow_->show();
    centreOnScreen(*mainWindow_);
}
