#include "app/tparmain.h"
#include "cards/cardsheet.h"
#include "controls/tfloat.h"
#include "modalanswers.h"
#include "records/settingsstore.h"
#include "shell/tinfopar.h"
#include "support/fakes.h"
#include "support/modal.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainWindowWiringTest : public ::testing::Test {
protected:
    MainWindowWiringTest() {
        window.ShowHelpTopic = [this](const QString& topic) { topics << topic; };
        window.showDebugDump = [this](const QString& text) { dumps << text; };
    }

    QTemporaryDir dir;
    SettingsStore settings{
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat)};
    Journal journal;
    FakeClock clock;
    FakeWait wait{journal, clock};
    Tparmain window{AppEnvironment{settings, wait, clock, 0}};
    QStringList topics;
    QStringList dumps;
};

TEST_F(MainWindowWiringTest, TheKeyF1AndTheHelpToolButtonOpenTheGameInstructions) {
    window.Spielanleitung1->trigger();
    QTest::mouseClick(window.Float3, Qt::LeftButton);
    EXPECT_EQ(topics, QStringList({"hauptue", "hauptue"}));
}

TEST_F(MainWindowWiringTest, TheHiddenDumpCommandShowsTheGameState) {
    EXPECT_FALSE(window.DebugDump1->isVisible());
    window.DebugDump1->trigger();
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_TRUE(dumps[0].startsWith("Anzahl Spieler: 0\r\nKarten: \r\n1: () 2: ()"));
}

TEST_F(MainWindowWiringTest, TheKeyF9ShowsTheAboutDialogModally) {
    QImage texture(32, 32, QImage::Format_RGB32);
    QImage sheet;
    Tinfopar infopar(texture, texture, sheet, [] { return builtInSheetMarker(); });
    SorbelloWindows windows;
    windows.infopar = &infopar;
    window.attachWindows(windows);

    QWidget* shown = nullptr;
    onNextModal([&](QWidget* modal) {
        shown = modal;
        modal->close();
    });
    window.berKolibri811->trigger();
    EXPECT_EQ(shown, &infopar);
}

} // namespace
