#include "app/ui/mainwindow.h"
#include "app/ui/sorbelloprogram.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "game/ui/newgamedialog.h"
#include "net/ui/addressdialog.h"
#include "net/ui/progresswindow.h"
#include "records/settingsstore.h"
#include "support/mainwindowsurroundings.h"
#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs `act` once a visible top-level window of type T satisfies `ready`.
template <typename T>
void whenShown(std::function<bool(T*)> ready, std::function<void(T*)> act, int triesLeft = 1000) {
    QTimer::singleShot(10, [=] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<T*>(widget);
            if (window && window->isVisible() && ready(window)) {
                act(window);
                return;
            }
        }
        if (triesLeft > 0)
            whenShown<T>(ready, act, triesLeft - 1);
    });
}

// The whole program with real waits, starting a network game with a second computer that
// never answers: the user must still be able to give up through the progress window.
class NetworkStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(silentPeer.listen(QHostAddress::LocalHost, 0));
        settings.setValue(QStringLiteral("sp1"), QStringLiteral("Anna"));
        settings.setValue(QStringLiteral("sp2"), QStringLiteral("Bert"));
        settings.setValue(QStringLiteral("geg2"), QStringLiteral("0"));
        program = std::make_unique<SorbelloProgram>(AppEnvironment{settings, timekeeper, clock,
                                                                   dataPathsFor(dir.path(), dir.path()), 0,
                                                                   silentPeer.serverPort(), 0});
        program->show();
    }

    // Bert plays at the other computer; the start waits in the progress window showing
    // `waitingText` until `abort` gives up there. Returns the message the user then sees.
    QString abortNetworkStart(const QString& waitingText, std::function<void(ProgressWindow*)> abort) {
        QString message;
        bool aborted = false;
        bool stuck = false;
        whenShown<NewGameDialog>([](NewGameDialog*) { return true; },
                                 [](NewGameDialog* dialog) {
                                     dialog->networkLamps[1]->setChecked(true);
                                     dialog->startButton->click();
                                 });
        whenShown<AddressDialog>([](AddressDialog*) { return true; },
                                 [](AddressDialog* address) {
                                     address->addressBox->setEditText(QStringLiteral("127.0.0.1"));
                                     address->connectButton->click();
                                 });
        whenShown<ProgressWindow>(
            [waitingText](ProgressWindow* progress) { return progress->messageLabel->text() == waitingText; },
            [&](ProgressWindow* progress) {
                whenShown<QMessageBox>([](QMessageBox*) { return true; },
                                       [&](QMessageBox* box) {
                                           aborted = true;
                                           message = box->text();
                                           box->accept();
                                           whenShown<NewGameDialog>(
                                               [](NewGameDialog*) { return true; },
                                               [](NewGameDialog* dialog) { dialog->cancelButton->click(); });
                                       });
                abort(progress);
                // Should the window not take the input, the test must not hang.
                QTimer::singleShot(3000, progress, [progress, &aborted, &stuck] {
                    if (aborted)
                        return;
                    stuck = true;
                    progress->close();
                });
            });
        part<QAction>(program->mainWindow(), "newGameAction")->trigger();
        EXPECT_FALSE(program->mainWindow().gameState().gameRunning);
        // Gone with the closed dialog's window, or at least hidden.
        const ProgressWindow* progress = madeWindow<ProgressWindow>();
        EXPECT_TRUE(progress == nullptr || !progress->isVisible());
        return stuck ? QStringLiteral("(the progress window took no input)") : message;
    }

    QTemporaryDir dir;
    SettingsStore settings{
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat)};
    TimerTimekeeper timekeeper;
    SteadyTickClock clock;
    QTcpServer silentPeer;
    std::unique_ptr<SorbelloProgram> program;
};

void clickAbort(ProgressWindow* progress) {
    QTest::mouseClick(progress->windowHandle(), Qt::LeftButton, {},
                      progress->abortButton->mapTo(progress, progress->abortButton->rect().center()));
}

const QString kFound = QStringLiteral("Computer gefunden.\nTeilnehmer werden gefragt...");

TEST_F(NetworkStartTest, AClickOnAbortEndsTheWaitForTheAnswer) {
    EXPECT_EQ(abortNetworkStart(kFound, clickAbort), "Aktion wurde abgebrochen.");
}

TEST_F(NetworkStartTest, EnterInTheProgressWindowEndsTheWaitForTheAnswer) {
    EXPECT_EQ(abortNetworkStart(kFound,
                                [](ProgressWindow* progress) {
                                    QTest::keyClick(progress->windowHandle(), Qt::Key_Return);
                                }),
              "Aktion wurde abgebrochen.");
}

TEST_F(NetworkStartTest, EscapeInTheProgressWindowEndsTheSearchForTheComputer) {
    // A computer that is already connected here reaches no new online state by calling out,
    // so the start keeps searching.
    QTcpSocket caller;
    caller.connectToHost(QHostAddress::LocalHost, program->mainWindow().networkLink().serverPort());
    ASSERT_TRUE(QTest::qWaitFor([this] { return program->mainWindow().networkLink().isOnline(); }));
    EXPECT_EQ(abortNetworkStart(QStringLiteral("Computer wird gesucht..."),
                                [](ProgressWindow* progress) {
                                    QTest::keyClick(progress->windowHandle(), Qt::Key_Escape);
                                }),
              "Aktion wurde abgebrochen.");
}

} // namespace
