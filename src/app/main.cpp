#include "app/startup.h"
#include "app/tparmain.h"
#include "controls/centring.h"
#include "game/eventloopwait.h"
#include "game/tgewinnform.h"
#include "game/turnflow.h"
#include "records/settingsstore.h"
#include "shell/dumpwindow.h"
#include "shell/helpwindow.h"
#include "shell/tinfopar.h"
#include "shell/tprotokoll.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorbello"));
    QApplication::setOrganizationName(QStringLiteral("Vuko-Software"));
    // The program speaks German whatever the desktop's language: Qt's own buttons too.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

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
    EventLoopWait wait;
    SteadyTickClock clock;

    // Every window of the program, created once, in this order.
    Tparmain parmain(AppEnvironment{settings, wait, clock});
    SorbelloWindows windows;
    Tinfopar infopar(parmain.imageweiss(), parmain.images().texture, parmain.currentSheet(),
                     storedPictureSource(settings));
    windows.infopar = &infopar;
    Tgewinnform gewinnform(parmain.image3(), parmain.images().texture);
    windows.gewinnform = &gewinnform;
    TProtokoll protokoll;
    windows.protokoll = &protokoll;
    parmain.attachWindows(windows);
    parmain.turnFlow().setProtocol(&protokoll);

    HelpWindow help;
    parmain.ShowHelpTopic = [&help](const QString& topic) { help.ShowHelpTopic(topic); };
    // Until the progress window exists the dump gets a window of its own.
    parmain.showDebugDump = showDumpInOwnWindow;

    parmain.show();
    centreOnScreen(parmain);
    return app.exec();
}
