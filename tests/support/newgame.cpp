#include "newgame.h"

#include "app/ui/mainwindow.h"
#include "controls/ui/pushbutton.h"
#include "game/ui/newgamedialog.h"
#include "mainwindowsurroundings.h"
#include "modal.h"
#include "records/settingsstore.h"

#include <QAction>

#include <gtest/gtest.h>

void storeTwoHumanPlayers(SettingsStore& settings) {
    settings.setValue(QStringLiteral("sp1"), QStringLiteral("Spieler 1"));
    settings.setValue(QStringLiteral("geg1"), QStringLiteral("0"));
    settings.setValue(QStringLiteral("sp2"), QStringLiteral("Spieler 2"));
    settings.setValue(QStringLiteral("geg2"), QStringLiteral("0"));
}

void startGameThroughDialog(MainWindow& window) {
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<NewGameDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->startButton->click();
    });
    part<QAction>(window, "newGameAction")->trigger();
}
