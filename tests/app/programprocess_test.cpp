// The built program as a process of its own, the way a desktop, a terminal or a shutdown meets
// it: ended by signals, asked for --help and --version.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// A copy of the program in a temporary directory, so that the files it keeps beside itself
// land there too, with a home, settings, data and lock of its own.
class ProgramProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const QString& sub : {u"bin"_s, u"config/Vuko-Software"_s, u"data"_s, u"run"_s})
            ASSERT_TRUE(QDir(dir.path()).mkpath(sub));
        QFile::setPermissions(dir.filePath(u"run"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(QFile::copy(QStringLiteral(SORBELLO_PROGRAM), program()));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, dir.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"config"_s));
        environment.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"data"_s));
        environment.insert(u"XDG_CACHE_HOME"_s, dir.filePath(u"data"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, dir.filePath(u"run"_s));
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        process.setProcessEnvironment(environment);
    }
    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    QString program() const { return dir.filePath(u"bin/sorbello"_s); }
    QString settingsFile() const { return dir.filePath(u"config/Vuko-Software/Sorbello.conf"_s); }
    QString highScoreFile() const { return dir.filePath(u"bin/HighScore.dat"_s); }
    QString lockFile() const { return dir.filePath(u"run/sorbello.lock"_s); }

    void writeSettings(const QByteArray& text) {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray settingsText() const {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Started and past the single-instance lock, where every request to end is already heard.
    void startAndWaitUntilRunning() {
        process.start(program(), {});
        ASSERT_TRUE(process.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor([this] { return QFileInfo::exists(lockFile()); }, 10000));
    }
    void signal(int number) { ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), number), 0); }

    QTemporaryDir dir;
    QProcess process;
};

// A logout, a shutdown, kill, Ctrl+C or a closed terminal: the program ends as "Beenden" ends
// it, and the settings and the run's high-score table reach their files.
TEST_F(ProgramProcessTest, EachEndSignalEndsTheProgramAsBeendenDoes) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        QFile::remove(highScoreFile());
        writeSettings("[Daten]\nfadeShow=40\nsoundan=Nein\n");
        startAndWaitUntilRunning();
        signal(number);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << process.readAllStandardError().toStdString();
        EXPECT_EQ(process.exitCode(), 0);
        const QByteArray settings = settingsText();
        for (const char* line : {"fadeShow=40", "fadeHide=75", "fadeRemove=75", "soundan=Nein",
                                 "Kartenruecken=classic", "abdecken=Nein", "higrufarbe=16711680"})
            EXPECT_TRUE(settings.contains(line)) << line << " in\n" << settings.toStdString();
        EXPECT_EQ(QFileInfo(highScoreFile()).size(), 1488) << "the table written at the end";
        EXPECT_FALSE(QFileInfo::exists(lockFile()));
    }
}

// Both signals come before the program has run again: the second ends it on the spot, before
// anything is written.
TEST_F(ProgramProcessTest, ASecondSignalEndsTheProgramAtOnce) {
    writeSettings("[Daten]\nfadeShow=40\n");
    startAndWaitUntilRunning();
    signal(SIGSTOP);
    signal(SIGTERM);
    signal(SIGINT);
    signal(SIGCONT);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(settingsText(), "[Daten]\nfadeShow=40\n");
}

// Answered as every program answers them, also where no display can be opened, without
// starting the game; an option the program does not know is refused.
TEST_F(ProgramProcessTest, HelpAndVersionNeedNoDisplayAndUnknownOptionsAreRefused) {
    QProcessEnvironment noDisplay = process.processEnvironment();
    for (const QString& variable : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        noDisplay.remove(variable);
    const auto run = [&](const QProcessEnvironment& environment, const QStringList& arguments) {
        QProcess answering;
        answering.setProcessEnvironment(environment);
        answering.start(program(), arguments);
        const bool ended = answering.waitForFinished(10000);
        if (!ended)
            answering.kill();
        struct {
            bool ended;
            QProcess::ExitStatus status;
            int code;
            QString out, err;
        } result{ended, answering.exitStatus(), answering.exitCode(),
                 QString::fromUtf8(answering.readAllStandardOutput()),
                 QString::fromUtf8(answering.readAllStandardError())};
        return result;
    };

    const auto version = run(noDisplay, {u"--version"_s});
    ASSERT_TRUE(version.ended);
    EXPECT_EQ(version.status, QProcess::NormalExit) << version.err.toStdString();
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, u"Sorbello " SORBELLO_VERSION "\n"_s);

    for (const QStringList& arguments : {QStringList{u"--help"_s}, QStringList{u"-h"_s},
                                         QStringList{u"-platform"_s, u"xcb"_s, u"--help"_s}}) {
        const auto help = run(noDisplay, arguments);
        ASSERT_TRUE(help.ended) << arguments.join(u' ').toStdString();
        EXPECT_EQ(help.status, QProcess::NormalExit) << help.err.toStdString();
        EXPECT_EQ(help.code, 0);
        EXPECT_TRUE(help.out.contains(u"-h, --help"_s)) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains(u"-v, --version"_s)) << help.out.toStdString();
    }

    const auto unknown = run(process.processEnvironment(), {u"--fullscreen"_s});
    ASSERT_TRUE(unknown.ended) << "the game must not start";
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.contains(u"fullscreen"_s)) << unknown.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(lockFile()));
}

} // namespace
