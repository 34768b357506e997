// Two complete programs, in two processes, play a whole network game: Anna, a human played by
// a fixed rule at the inviting computer, against Robo, a computer player at the invited one.
// Where network namespaces can be made, each program runs in its own, on port 1024 as in real
// life; elsewhere both run on loopback with ports of their own.

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool run(const QStringList& command) {
    QProcess process;
    process.start(command.first(), command.mid(1));
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Two namespaces joined by a cable, 10.77.0.1 and 10.77.0.2; gone again with the object.
class NamespacePair {
public:
    NamespacePair() {
        const QString id = QString::number(QCoreApplication::applicationPid() % 100000);
        a = QStringLiteral("sorbA") + id;
        b = QStringLiteral("sorbB") + id;
        const QString va = QStringLiteral("sva") + id, vb = QStringLiteral("svb") + id;
        ready = run({"ip", "netns", "add", a}) && run({"ip", "netns", "add", b}) &&
                run({"ip", "link", "add", va, "type", "veth", "peer", "name", vb}) &&
                run({"ip", "link", "set", va, "netns", a}) && run({"ip", "link", "set", vb, "netns", b}) &&
                run({"ip", "-n", a, "addr", "add", "10.77.0.1/24", "dev", va}) &&
                run({"ip", "-n", b, "addr", "add", "10.77.0.2/24", "dev", vb}) &&
                run({"ip", "-n", a, "link", "set", va, "up"}) &&
                run({"ip", "-n", b, "link", "set", vb, "up"}) &&
                run({"ip", "-n", a, "link", "set", "lo", "up"}) &&
                run({"ip", "-n", b, "link", "set", "lo", "up"});
    }
    ~NamespacePair() {
        run({"ip", "netns", "del", a});
        run({"ip", "netns", "del", b});
    }
    QString a, b;
    bool ready = false;
};

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

QString resultLine(const QString& output) {
    const auto match =
        QRegularExpression(QStringLiteral("^RESULT .*$"), QRegularExpression::MultilineOption).match(output);
    return match.hasMatch() ? match.captured(0) : QString();
}

TEST(NetworkPlay, TwoProgramsPlayAWholeGameToTheSameScores) {
    const QString peer = QStringLiteral(SORBELLO_NETPEER);
    QTemporaryDir invitingDir, invitedDir;
    NamespacePair namespaces;
    QStringList invited = {peer, "--role", "join", "--dir", invitedDir.path(), "--timeout", "100"};
    QStringList inviting = {peer, "--role", "invite", "--dir", invitingDir.path(), "--timeout", "100"};
    if (namespaces.ready) {
        invited = QStringList{"ip", "netns", "exec", namespaces.b} + invited;
        inviting = QStringList{"ip", "netns", "exec", namespaces.a} + inviting +
                   QStringList{"--address", "10.77.0.2"};
        std::printf("[ info ] each program in its own network namespace, both on port 1024\n");
    } else {
        const QString invitedPort = QString::number(freePort());
        const QString invitingPort = QString::number(freePort());
        invited += {"--listen", invitedPort, "--connect", invitingPort};
        inviting += {"--listen", invitingPort, "--connect", invitedPort};
        std::printf("[ info ] no network namespaces here: both programs on loopback ports\n");
    }

    QProcess joining, starting;
    joining.setProcessChannelMode(QProcess::MergedChannels);
    starting.setProcessChannelMode(QProcess::MergedChannels);
    joining.start(invited.first(), invited.mid(1));
    ASSERT_TRUE(joining.waitForStarted());
    QByteArray joiningOutput;
    while (!joiningOutput.contains("READY") && joining.waitForReadyRead(30000))
        joiningOutput += joining.readAll();
    ASSERT_TRUE(joiningOutput.contains("READY")) << "the invited program must be listening";
    starting.start(inviting.first(), inviting.mid(1));
    ASSERT_TRUE(starting.waitForFinished(110000));
    ASSERT_TRUE(joining.waitForFinished(10000));

    const QString invitingOutput = QString::fromUtf8(starting.readAll());
    const QString invitedOutput = QString::fromUtf8(joiningOutput + joining.readAll());
    EXPECT_TRUE(invitedOutput.contains(QStringLiteral("MESSAGE Wollen Sie ein Netzwerkspiel spielen?")));
    const QString result = resultLine(invitingOutput);
    ASSERT_FALSE(result.isEmpty()) << invitingOutput.right(2000).toStdString();
    EXPECT_EQ(resultLine(invitedOutput), result) << "both computers end with the same scores";
    const auto scores = QRegularExpression(QStringLiteral("Anna=(\\d+) Robo=(\\d+)")).match(result);
    ASSERT_TRUE(scores.hasMatch()) << result.toStdString();
    EXPECT_EQ(scores.captured(1).toInt() + scores.captured(2).toInt(), 30);
}

} // namespace
