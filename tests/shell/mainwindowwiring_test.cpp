#include "app/ui/mainwindow.h"
#include "controls/ui/toolbutton.h"
#include "net/ui/progresswindow.h"
#include "records/settingsstore.h"
#include "shell/ui/helpwindow.h"
#include "support/fakes.h"
#include "support/mainwindowsurroundings.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

class MainWindowWiringTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    MainWindow window{appEnvironment()};
};

TEST_F(MainWindowWiringTest, TheKeyF1AndTheHelpToolButtonOpenTheGameInstructions) {
    part<QAction>(window, "instructionsAction")->trigger();
    HelpWindow* help = madeWindow<HelpWindow>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source(), helpTopicUrl("hauptue"));
    help->close();
    QTest::mouseClick(part<ToolButton>(window, "helpButton"), Qt::LeftButton);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source(), helpTopicUrl("hauptue"));
}

TEST_F(MainWindowWiringTest, TheHiddenDumpCommandShowsTheGameState) {
    EXPECT_FALSE(part<QAction>(window, "debugDumpAction")->isVisible());
    part<QAction>(window, "debugDumpAction")->trigger();
    ProgressWindow* dump = madeWindow<ProgressWindow>();
    ASSERT_NE(dump, nullptr);
    EXPECT_TRUE(dump->messageLabel->text().startsWith("Anzahl Spieler: 0\r\nKarten: \r\n1: () 2: ()"));
}

} // namespace
