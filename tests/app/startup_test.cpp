#include "app/startup.h"
#include "app/ui/mainwindow.h"
#include "app/ui/sorbelloprogram.h"
#include "records/gamerecords.h"
#include "support/activetimers.h"
#include "support/mainwindowsurroundings.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(StartRefusal, TheScreenWidthIsTestedBeforeTheOtherInstance) {
    const auto narrow = startRefusal(799, true);
    ASSERT_TRUE(narrow);
    EXPECT_EQ(narrow->title, "Nur für hohe Auflösung!");
    EXPECT_EQ(narrow->text, "Die Auflösung muß mindestens\r800x600 Punkte für Sorbello\rbetragen!");

    const auto second = startRefusal(800, true);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->title, "Abbruch");
    EXPECT_EQ(second->text, "Noch ein Sorbello? Nein, eines muss reichen!");

    EXPECT_FALSE(startRefusal(800, false));
}

TEST(SingleInstance, OnlyOneInstanceHoldsTheLockUntilItEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sorbello.lock"));
    {
        SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
    }
    SingleInstance later(path);
    EXPECT_TRUE(later.acquire()) << "the lock goes with the instance that held it";
}

class StartUpTest : public ::testing::Test, protected MainWindowSurroundings {};

TEST_F(StartUpTest, TheStartRemovesLeftoverTemporaryFilesOfTheDataFilesAndNothingElse) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"data/Sorbello.dat.QwErTy"_s));
    // The statistics live in data/, the other two files beside the program.
    const QStringList leftovers{u"HighScore.dat.RMqfYD"_s, u"spielernamen.dat.a1B2c3"_s,
                                u"data/Sorbello.dat.ZZZZZZ"_s};
    const QStringList others{
        u"HighScore.dat"_s,         u"HighScore.dat.bak"_s,       u"HighScore.dat.RMqfY"_s,
        u"HighScore.dat.RMqfYDx"_s, u"HighScore.dat.RM-fYD"_s,    u"highscore.dat.RMqfYD"_s,
        u"HighScore.datXRMqfYD"_s,  u"Sorbello.dat.ZZZZZZ"_s,     u"notes.txt.RMqfYD"_s,
        u"data/Sorbello.dat"_s,     u"data/Sorbello.dat.QwErTy"_s};
    for (const QString& name : leftovers + others) {
        QFile file(dir.filePath(name));
        if (QFileInfo(file).isDir())
            continue;
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    AppEnvironment environment = appEnvironment();
    environment.dataPaths = dataPathsFor(dir.path(), dir.filePath(u"data"_s));

    SorbelloProgram program(environment);
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();
}

// A write of the settings killed before its end leaves its temporary copy and its lock behind.
// A lock that a running process holds is no leftover: it stays.
TEST_F(StartUpTest, TheStartRemovesLeftoversOfTheSettingsFileButNoLockInUse) {
    const QString lock = dir.filePath(u"s.ini.lock"_s);
    const QStringList others{u"s.ini"_s,        u"s.ini.bak"_s,    u"s.ini.Qw3rT"_s,
                             u"s.ini.lock.1"_s, u"t.ini.Qw3rTy"_s, u"Sorbello.conf.Qw3rTy"_s};
    for (const QString& name : others + QStringList{u"s.ini.Qw3rTy"_s}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    // The lock of a writer that was killed.
    QProcess killed;
    killed.start(u"sleep"_s, {u"60"_s});
    ASSERT_TRUE(killed.waitForStarted());
    const qint64 deadPid = killed.processId();
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished());
    QFile staleLock(lock);
    ASSERT_TRUE(staleLock.open(QIODevice::WriteOnly));
    staleLock.write(QByteArray::number(deadPid) + "\nsorbello\n" + QSysInfo::machineHostName().toUtf8() +
                    "\n");
    staleLock.close();
    {
        SorbelloProgram program(appEnvironment());
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"s.ini.Qw3rTy"_s)));
        EXPECT_FALSE(QFileInfo::exists(lock)) << "its process has ended";
        for (const QString& name : others)
            EXPECT_TRUE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();
    }

    QLockFile held(lock);
    ASSERT_TRUE(held.tryLock(0));
    // However long a writer has held it.
    QFile aged(lock);
    ASSERT_TRUE(aged.open(QIODevice::Append));
    ASSERT_TRUE(
        aged.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    aged.close();
    SorbelloProgram program(appEnvironment());
    EXPECT_TRUE(QFileInfo::exists(lock));
}

// What is not used is not made: after the start only the main window exists, and nothing of
// the program wakes it up. The results of the run still reach the high-score file at the end.
TEST_F(StartUpTest, TheStartMakesTheMainWindowOnlyAndLeavesNoTimerRunning) {
    const QString highScoreFile = appEnvironment().dataPaths.highScoreFile();
    {
        SorbelloProgram program(appEnvironment());
        program.show();
        QTest::qWait(50);
        QList<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (!widget->parentWidget())
                windows << widget;
        EXPECT_EQ(windows, QList<QWidget*>({&program.mainWindow()}));
        for (QWidget* window : windows)
            EXPECT_TRUE(activeTimers(*window).isEmpty()) << window->objectName().toStdString();
        program.mainWindow().records().enterHighScore(u"Anna"_s, 42);
    }
    GameRecords nextRun(highScoreFile, QString());
    nextRun.loadHighScores();
    EXPECT_EQ(nextRun.highScores().entry(1).name, u"Anna"_s);
}

TEST_F(StartUpTest, EveryWindowCarriesTheProgramIconAtEveryDesktopSize) {
    SorbelloProgram program(appEnvironment());
    QList<QSize> sizes;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        sizes << QSize(size, size);
    QIcon dialogIcon;
    onNextModal([&dialogIcon](QWidget* modal) {
        dialogIcon = modal->windowIcon();
        modal->close();
    });
    part<QAction>(program.mainWindow(), "newGameAction")->trigger();
    for (const auto& [name, icon] : {std::pair{"mainWindow", program.mainWindow().windowIcon()},
                                     std::pair{"newGameDialog", dialogIcon}}) {
        EXPECT_EQ(icon.availableSizes(), sizes) << name;
        EXPECT_EQ(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48)) << "the pictures are carried";
    }
}

} // namespace
