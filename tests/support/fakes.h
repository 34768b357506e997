#pragma once

// Stand-ins for the turn flow's partners, and listeners to its signals. They write what
// happens into one journal, so a test can check the exact order of pauses, sounds and
// transitions.

#include "game/gamestate.h"
#include "game/turnflow.h"
#include "game/turnports.h"
#include "records/statentry.h"
#include "timing/taskqueue.h"
#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include "qtprinters.h"

#include <QStringList>

#include <functional>
#include <vector>

struct Journal {
    QStringList entries;
    void add(const QString& entry) { entries << entry; }
    // Only the entries starting with one of the prefixes, in order.
    QStringList only(const QStringList& prefixes) const;
};

class FakeClock : public TickClock {
public:
    quint32 ticks() const override { return now; }
    quint32 now = 1000;
};

// Pauses take no time. By default a pause moves the fake clock on and the task goes on at
// once, so a click plays its whole turn before it returns. Held, every wait stays suspended
// until the test lets the time pass, so it can act in the middle of a turn as a user would.
// Pauses (waits longer than 0 ms) are written into the journal as "pause <ms>".
class FakeTimekeeper : public Timekeeper {
public:
    FakeTimekeeper(Journal& journal, FakeClock& clock) : journal_(journal), clock_(clock) {}

    std::unique_ptr<Alarm> arm(int ms, std::function<void()> due) override;

    void hold() { held_ = true; }
    // Back to pauses that pass at once; waits already held stay held.
    void release() { held_ = false; }
    // Lets `ms` pass: the held waits due by then go on, earliest first, each at its time.
    void advance(quint32 ms);
    // Lets time pass until nothing waits for it; false when that never came (a test fault).
    bool runUntilIdle(int limit = 100000);
    // Lets time pass until the next held wait has gone on.
    bool step();
    // Lets time pass, wait by wait, until the journal's last entry is `entry`.
    bool runUntilJournal(const Journal& journal, const QString& entry);
    int waiting() const { return static_cast<int>(sleepers_.size()); }

private:
    struct Sleeper {
        quint32 due;
        quint64 order;
        std::function<void()> wake;
    };
    class FakeAlarm;
    void wakeFirstDueBy(quint32 limit);

    Journal& journal_;
    FakeClock& clock_;
    bool held_ = false;
    quint64 nextOrder_ = 0;
    std::vector<Sleeper> sleepers_;
};

// Runs a task to its first wait, as the flow's queue would; its frames live as long as this.
class TaskRun {
public:
    explicit TaskRun(Task<> task) { queue_.run(std::move(task)); }
    bool finished() const { return !queue_.busy(); }

private:
    TaskQueue queue_;
};

// Handles the events already posted: tasks waiting for a signal or a mark go on from there.
void handlePostedEvents();

// Its transitions take one frame, a wait of 0 ms, after they are written into the journal.
class FakeBoard : public BoardPort {
public:
    FakeBoard(Journal& journal, GameState& state, Timekeeper& timekeeper)
        : journal_(journal), state_(state), timekeeper_(timekeeper) {}

    Task<> showCard(int motif, int x, int y) override;
    Task<> hideFaceUpCards() override;
    Task<> removeFaceUpCards() override;
    void repaintBoard() override { ++repaints; }
    void drawFreshBoard() override { journal_.add(QStringLiteral("fresh board")); }
    void redrawFaceDownCards() override { journal_.add(QStringLiteral("redraw face-down cards")); }
    void drawStatusStrip() override { ++statusStrips; }
    void setBoardEnabled(bool on) override { enabled = on; }
    void showKnownGroups(int count) override { knownGroups = count; }
    void showRemainingGroups(int count) override { remainingGroups = count; }

    bool enabled = false;
    int knownGroups = -1;
    int remainingGroups = -1;
    int repaints = 0;
    int statusStrips = 0;

private:
    int slotAt(int x, int y) const;
    Task<> takePendingCards(QString what);
    Journal& journal_;
    GameState& state_;
    Timekeeper& timekeeper_;
};

class FakeSound {
public:
    explicit FakeSound(Journal& journal) : journal_(journal) {}
    void listenTo(TurnFlow& flow) {
        QObject::connect(&flow, &TurnFlow::soundWanted,
                         [this](const QString& name) { journal_.add(QStringLiteral("sound ") + name); });
    }

private:
    Journal& journal_;
};

class FakeRecords {
public:
    void listenTo(TurnFlow& flow) {
        QObject::connect(&flow, &TurnFlow::finalScore, [this](const QString& name, quint32 points) {
            highScores.push_back({name, points});
        });
        QObject::connect(&flow, &TurnFlow::gameFinished, [this](const GameTallies& tallies, int playerCount) {
            ++gameEnds;
            lastTallies = tallies;
            lastPlayerCount = playerCount;
        });
    }

    std::vector<std::pair<QString, quint32>> highScores;
    int gameEnds = 0;
    GameTallies lastTallies;
    int lastPlayerCount = 0;
};

class FakePeer {
public:
    explicit FakePeer(Journal& journal) : journal_(journal) {}
    void listenTo(TurnFlow& flow) {
        QObject::connect(&flow, &TurnFlow::cardToSend, [this](int participant, int slot) {
            journal_.add(QStringLiteral("send card %1 %2").arg(participant).arg(slot));
        });
        QObject::connect(&flow, &TurnFlow::readyForNextCard,
                         [this] { journal_.add(QStringLiteral("send ready")); });
        QObject::connect(&flow, &TurnFlow::allCardsReceived,
                         [this] { journal_.add(QStringLiteral("send all received")); });
    }

private:
    Journal& journal_;
};

class FakeDialogs : public DialogPort {
public:
    explicit FakeDialogs(Journal& journal) : journal_(journal) {}
    bool confirmAbandonGame() override {
        journal_.add(QStringLiteral("ask abandon"));
        return answerAbandon;
    }
    void runNewGameDialog() override {
        journal_.add(QStringLiteral("new game dialog"));
        if (startGame)
            startGame();
    }
    Task<> showEndDialog(EndDialogText text) override {
        journal_.add(QStringLiteral("end dialog"));
        endTexts.push_back(text);
        co_return;
    }

    bool answerAbandon = true;
    std::function<void()> startGame;
    std::vector<EndDialogText> endTexts;

private:
    Journal& journal_;
};

// The protocol lines of the turn flow and the network game.
class FakeProtocol {
public:
    template <typename Source> void listenTo(Source& source) {
        QObject::connect(&source, &Source::protocolLine, [this](const QString& text) { lines << text; });
    }
    QStringList lines;
};
