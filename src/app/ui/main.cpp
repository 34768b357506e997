#include "app/commandline.h"
#include "app/endrequests.h"
#include "app/startup.h"
#include "app/ui/accessibility.h"
#include "app/ui/mainwindow.h"
#include "app/ui/sorbelloprogram.h"
#include "records/settingsstore.h"
#include "shell/uilanguage.h"
#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

int main(int argc, char** argv) {
    answerInformationOptions(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorbello"));
    QApplication::setOrganizationName(QStringLiteral("Vuko-Software"));
    // German unless the desktop prefers English to it; Qt's own buttons follow.
    setUiLanguage(desktopUiLanguage());
    refuseUnknownOptions(app);
    // From the start, so that no request to end is lost; until the program runs, nothing is
    // there to write.
    EndRequests endRequests;
    QMetaObject::Connection endBeforeRunning =
        QObject::connect(&endRequests, &EndRequests::endRequested, &app, [] { QApplication::exit(0); });
    installAccessibility();

    SingleInstance instance;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 0;
    // The lock is asked for only on a wide enough screen, so a refused start never holds it.
    const bool otherRunning = screenWidth >= 800 && !instance.acquire();
    if (const auto refusal = startRefusal(screenWidth, otherRunning)) {
        QMessageBox::critical(nullptr, refusal->title, refusal->text);
        return 0;
    }
    SettingsStore settings;
    TimerTimekeeper timekeeper;
    SteadyTickClock clock;

    SorbelloProgram program(AppEnvironment{settings, timekeeper, clock, defaultDataPaths()});
    QObject::disconnect(endBeforeRunning);
    QObject::connect(&endRequests, &EndRequests::endRequested, &program.mainWindow(),
                     &MainWindow::quitWithoutAsking);
    program.show();
    return app.exec();
}
