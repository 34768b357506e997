// The main window against callers on real sockets that connect, invite and hang up while the
// window's messages are open. The window must survive, show one "unterbrochen" message at a
// time and take nothing from a caller that is gone.

#include "app/ui/mainwindow.h"
#include "controls/ui/imageview.h"
#include "game/gamestate.h"
#include "net/framecodec.h"
#include "net/gamemessages.h"
#include "support/mainwindowsurroundings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSet>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int kWait = 20000;
const QString kLost = QStringLiteral("Die Verbindung zum Netzwerk-Spieler wurde unterbrochen.");
const QString kQuestion = QStringLiteral("Wollen Sie ein Netzwerkspiel spielen?");

QList<QMessageBox*> openBoxes(const QString& text) {
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->text() == text)
            boxes << box;
    }
    return boxes;
}

// Steps run one after the other from a timer, each until it says it is done, so the script
// goes on inside whatever message loop the window runs at that moment. It also notes every
// message box it sees.
class Script {
public:
    using Step = std::function<bool()>;

    void run(std::vector<Step> steps) {
        steps_ = std::move(steps);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start(2);
        sinceStart_.start();
    }
    bool finished() const { return next_ >= steps_.size(); }
    // A step never came true; the boxes were closed so the test could end.
    bool gaveUp() const { return gaveUp_; }

    int mostOpenAtOnce(const QString& text) const { return mostOpen_.value(text); }
    int shown(const QString& text) const { return shown_.value(text); }

private:
    void tick() {
        for (const QString& text : {kLost, kQuestion}) {
            const QList<QMessageBox*> boxes = openBoxes(text);
            mostOpen_[text] = std::max(mostOpen_.value(text), int(boxes.size()));
            const QSet<QMessageBox*> now(boxes.begin(), boxes.end());
            shown_[text] += int((now - open_.value(text)).size());
            open_[text] = now;
        }
        // The step may run a message loop itself (closing a box returns into the window);
        // the timer must not start it a second time meanwhile.
        if (busy_ || finished())
            return;
        if (sinceStart_.hasExpired(kWait)) {
            gaveUp_ = true;
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            else
                next_ = steps_.size();
            return;
        }
        busy_ = true;
        if (steps_[next_]())
            ++next_;
        busy_ = false;
        if (finished())
            timer_.stop();
    }

    std::vector<Step> steps_;
    size_t next_ = 0;
    bool busy_ = false;
    bool gaveUp_ = false;
    QElapsedTimer sinceStart_;
    QTimer timer_;
    QHash<QString, int> mostOpen_;
    QHash<QString, int> shown_;
    QHash<QString, QSet<QMessageBox*>> open_;
};

// A computer that calls the window's port.
class Caller {
public:
    explicit Caller(quint16 port) { socket_.connectToHost(QStringLiteral("127.0.0.1"), port); }
    bool connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // Connected, or already turned away.
    bool answered() const { return connected() || socket_.state() == QAbstractSocket::UnconnectedState; }
    void send(const QByteArray& bytes) { socket_.write(bytes); }
    QByteArray received() { return socket_.peek(socket_.bytesAvailable()); }
    void hangUp() { socket_.abort(); }

private:
    QTcpSocket socket_;
};

QByteArray framed(MessageType type, const QByteArray& payload, qint32 id) {
    NetworkBlock block = makeBlock(static_cast<quint8>(type), payload);
    block.id = id;
    return encodeFrame(block, 0, block.length);
}

// Anna plays at the caller, Bert here.
QByteArray invitation(qint32 id) {
    Invitation inviting;
    inviting.playerCount = 2;
    inviting.players[0] = InvitedPlayer{QStringLiteral("Anna"), false, false};
    inviting.players[1] = InvitedPlayer{QStringLiteral("Bert"), false, true};
    return framed(MessageType::Invitation, encodeInvitation(inviting), id);
}

// The small pairs board: motif m on slots m and m + 30.
QByteArray smallPairsBoard(qint32 id) {
    GameData inviting{60, false, false, true, {}};
    for (int k = 1; k <= 120; ++k)
        inviting.motifs[k] = (k - 1) % 30 + 1;
    return framed(MessageType::GameData, encodeGameData(inviting), id);
}

class CallersTest : public ::testing::Test, protected MainWindowSurroundings {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(appEnvironment());
        window->show();
        port = window->networkLink().serverPort();
    }

    bool online() const { return window->networkLink().isOnline(); }

    // Steps: a caller connects, is taken, and hangs up; the window has seen it go.
    void callAndHangUp(std::vector<Script::Step>& steps) {
        call(steps);
        steps.push_back([this] {
            callers.back()->hangUp();
            return true;
        });
        steps.push_back([this] { return !online(); });
    }

    // Steps: a new caller, connected.
    void call(std::vector<Script::Step>& steps) {
        steps.push_back([this] {
            callers.push_back(std::make_unique<Caller>(port));
            return true;
        });
        steps.push_back([this] { return callers.back()->connected() && online(); });
    }

    // Steps: a new caller invites (Anna there, Bert here), and the question is open.
    void callAndInvite(std::vector<Script::Step>& steps) {
        call(steps);
        steps.push_back([this] {
            callers.back()->send(invitation(1));
            return true;
        });
        steps.push_back([] { return !openBoxes(kQuestion).isEmpty(); });
    }

    // Steps: many callers at once, all hanging up together.
    void crowdCallsAndHangsUp(std::vector<Script::Step>& steps, int count) {
        steps.push_back([this, count] {
            crowd.clear();
            for (int i = 0; i < count; ++i)
                crowd.push_back(std::make_unique<Caller>(port));
            return true;
        });
        steps.push_back([this] {
            return std::all_of(crowd.begin(), crowd.end(), [](const auto& c) { return c->answered(); });
        });
        steps.push_back([this] {
            for (auto& caller : crowd)
                caller->hangUp();
            return true;
        });
        // Long enough for the window to take the hang-ups in.
        steps.push_back([this] { return ++settleTicks % 50 == 0 && !online(); });
    }

    // Closes the topmost box with this text, one per step, until none is left.
    static Script::Step closeAll(const QString& text, QMessageBox::StandardButton button) {
        return [text, button] {
            const QList<QMessageBox*> boxes = openBoxes(text);
            if (boxes.isEmpty())
                return true;
            if (QWidget* modal = QApplication::activeModalWidget(); boxes.contains(modal))
                static_cast<QMessageBox*>(modal)->button(button)->click();
            return false;
        };
    }

    std::unique_ptr<MainWindow> window;
    quint16 port = 0;
    std::vector<std::unique_ptr<Caller>> callers;
    std::vector<std::unique_ptr<Caller>> crowd;
    int settleTicks = 0;
    Script script;
};

TEST_F(CallersTest, HangUpsWhileTheMessageIsOpenNeitherCrashNorStackMessages) {
    std::vector<Script::Step> steps;
    callAndHangUp(steps);
    steps.push_back([] { return !openBoxes(kLost).isEmpty(); });
    for (int i = 0; i < 10; ++i)
        callAndHangUp(steps);
    crowdCallsAndHangsUp(steps, 20);
    steps.push_back(closeAll(kLost, QMessageBox::Ok));
    steps.push_back([this] { return ++settleTicks % 50 == 0; });
    script.run(std::move(steps));

    ASSERT_TRUE(QTest::qWaitFor([this] { return script.finished(); }, 2 * kWait));
    ASSERT_FALSE(script.gaveUp());
    EXPECT_EQ(script.mostOpenAtOnce(kLost), 1);
    EXPECT_EQ(script.shown(kLost), 1) << "hang-ups while the message is open add none";
    EXPECT_TRUE(openBoxes(kLost).isEmpty());
    EXPECT_TRUE(window->networkLink().listening());
}

TEST_F(CallersTest, ACallerGoneWhileItsInvitationIsAskedLeavesNothingBehind) {
    window->gameState().playerCount = 3;
    std::vector<Script::Step> steps;
    call(steps);
    steps.push_back([this] {
        // A second and third invitation while the question is open are not asked again.
        callers.back()->send(invitation(1) + invitation(2) + invitation(3));
        return true;
    });
    steps.push_back([] { return !openBoxes(kQuestion).isEmpty(); });
    steps.push_back([this] { return ++settleTicks % 50 == 0; });
    steps.push_back([this] {
        callers.back()->hangUp();
        return true;
    });
    steps.push_back([this] { return !online() && !openBoxes(kLost).isEmpty(); });
    for (int i = 0; i < 5; ++i)
        callAndHangUp(steps);
    steps.push_back(closeAll(kLost, QMessageBox::Ok));
    steps.push_back(closeAll(kQuestion, QMessageBox::Yes));
    steps.push_back([this] { return ++settleTicks % 50 == 0; });
    script.run(std::move(steps));

    ASSERT_TRUE(QTest::qWaitFor([this] { return script.finished(); }, 2 * kWait));
    ASSERT_FALSE(script.gaveUp());
    EXPECT_EQ(script.shown(kQuestion), 1);
    EXPECT_EQ(script.mostOpenAtOnce(kLost), 1);
    const GameState& state = window->gameState();
    EXPECT_FALSE(state.settings.networkGame) << "a yes to a caller that is gone joins nothing";
    EXPECT_EQ(state.playerCount, 3);
    EXPECT_TRUE(openBoxes(kLost).isEmpty());
}

// The first caller hangs up while its question is open and a second one invites meanwhile: the
// second is asked once the first question is answered, and gets its answer.
TEST_F(CallersTest, AnInvitationThatCameWhileAGoneCallersQuestionWasOpenIsAskedNext) {
    std::vector<Script::Step> steps;
    callAndInvite(steps);
    steps.push_back([this] {
        callers.back()->hangUp();
        return true;
    });
    steps.push_back([this] { return !online(); });
    call(steps);
    steps.push_back([this] {
        callers.back()->send(invitation(1));
        return true;
    });
    steps.push_back([this] { return ++settleTicks % 50 == 0; });
    steps.push_back(closeAll(kLost, QMessageBox::Ok));
    steps.push_back([] {
        // A no to the caller that is gone: the next caller must get an answer of its own.
        const QList<QMessageBox*> boxes = openBoxes(kQuestion);
        if (boxes.size() != 1 || QApplication::activeModalWidget() != boxes[0])
            return false;
        boxes[0]->button(QMessageBox::No)->click();
        return true;
    });
    // Asked from where the first question returns, so no message is handled in between.
    steps.push_back([] { return !openBoxes(kQuestion).isEmpty(); });
    steps.push_back(closeAll(kQuestion, QMessageBox::Yes));
    steps.push_back([this] { return callers.back()->received().size() == 14; });
    script.run(std::move(steps));

    ASSERT_TRUE(QTest::qWaitFor([this] { return script.finished(); }, 2 * kWait));
    ASSERT_FALSE(script.gaveUp());
    EXPECT_EQ(callers.back()->received().mid(4).toHex(), "02010000000100000001") << "a yes";
    EXPECT_TRUE(online());
    const GameState& state = window->gameState();
    EXPECT_TRUE(state.settings.networkGame);
    EXPECT_EQ(state.players[2].name, "Bert");
}

TEST_F(CallersTest, AGameLostInMidTurnShowsEveryCardOfTheTurnFaceDown) {
    const GameState& state = window->gameState();
    std::vector<Script::Step> steps;
    callAndInvite(steps);
    steps.push_back(closeAll(kQuestion, QMessageBox::Yes));
    steps.push_back([&state] { return state.settings.networkGame; });
    steps.push_back([this] {
        callers.back()->send(smallPairsBoard(2) + framed(MessageType::CardTurned, encodeCardTurned(1, 1), 3));
        return true;
    });
    steps.push_back([&state] { return state.gameRunning && state.cards[1].faceUp; });
    steps.push_back([this] {
        callers.back()->hangUp();
        return true;
    });
    steps.push_back([] { return !openBoxes(kLost).isEmpty(); });
    steps.push_back(closeAll(kLost, QMessageBox::Ok));
    script.run(std::move(steps));

    ASSERT_TRUE(QTest::qWaitFor([this] { return script.finished(); }, 2 * kWait));
    ASSERT_FALSE(script.gaveUp());
    EXPECT_FALSE(state.gameRunning);
    EXPECT_FALSE(state.cards[1].faceUp);
    const Card& card = state.cards[1];
    EXPECT_EQ(part<ImageView>(*window, "boardView")->shownImage().copy(card.left, card.top, 40, 40),
              window->images().cardBack)
        << "the card of the turn that never ended lies face down again";
}

} // namespace
