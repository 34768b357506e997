#include "app/ui/mainwindow.h"
#include "controls/ui/toolbutton.h"
#include "records/settingsstore.h"
#include "support/fakes.h"
#include "support/mainwindowsurroundings.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainWindowWiringTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    MainWindowWiringTest() {
        window.showHelpTopic = [this](const QString& topic) { topics << topic; };
        window.showDebugDump = [this](const QString& text) { dumps << text; };
    }

    MainWindow window{appEnvironment()};
    QStringList topics;
    QStringList dumps;
};

TEST_F(MainWindowWiringTest, TheKeyF1AndTheHelpToolButtonOpenTheGameInstructions) {
    window.instructionsAction->trigger();
    QTest::mouseClick(window.helpButton, Qt::LeftButton);
    EXPECT_EQ(topics, QStringList({"hauptue", "hauptue"}));
}

TEST_F(MainWindowWiringTest, TheHiddenDumpCommandShowsTheGameState) {
    EXPECT_FALSE(window.debugDumpAction->isVisible());
    window.debugDumpAction->trigger();
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_TRUE(dumps[0].startsWith("Anzahl Spieler: 0\r\nKarten: \r\n1: () 2: ()"));
}

} // namespace
