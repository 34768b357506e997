#include "app/startup.h"
#include "app/tparmain.h"
#include "controls/centring.h"
#include "game/eventloopwait.h"
#include "game/tgewinnform.h"
#include "records/settingsstore.h"
#include "records/tformhighscore.h"
#include "records/tstatisti.h"
#include "shell/tformoption.h"

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
    Tgewinnform gewinnform(parmain.image3(), parmain.images().texture);
    windows.gewinnform = &gewinnform;
    Tstatisti statisti(parmain.dataPaths().statisticsFile(), parmain.image3());
    windows.statisti = &statisti;
    TformOption formOption(parmain.options(), parmain.image3(), parmain.helpRequest());
    windows.formOption = &formOption;
    // Loads the high-score table now and writes it back when it is destroyed, at the end.
    TFormHighScore formHighScore(parmain.records(), parmain.image3());
    windows.formHighScore = &formHighScore;
    parmain.attachWindows(windows);

    parmain.show();
    centreOnScreen(parmain);
    return app.exec();
}
