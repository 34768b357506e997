// How long a block waits in the network link before it is written: two links on loopback in
// one process exchange the messages of whole network games (invitation, answer, the dealt
// board, then every turned card with its acknowledgement and every turn's end), each sent from
// the receiver's block handler as the game sends its replies. Prints, over every block, the
// median, 90th percentile and largest time from queued to handed to the system (the sending
// socket's bytesWritten) and to delivered whole at the other link.
//
//   build/bench/reply_latency [--games 1] [--seed 1]

#include "game/dealing.h"
#include "game/gamerandom.h"
#include "game/gamestate.h"
#include "net/gamemessages.h"
#include "net/networklink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

namespace {

struct Step {
    bool fromHost; // the inviting computer's link
    MessageType type;
    QByteArray payload;
};

// Participant 1 sits at the inviting computer, participant 2 at the invited one; each plays
// with a perfect memory, so the game runs as long as a good one does.
std::vector<Step> wholeGame(quint32 seed) {
    GameState state;
    state.playerCount = 2;
    state.players[1].name = QStringLiteral("Anna");
    state.players[2].name = QStringLiteral("Robo");
    GameRandom random(seed);
    dealBoard(state, random);
    Invitation invitation;
    invitation.playerCount = 2;
    invitation.players[0].name = state.players[1].name;
    invitation.players[1].name = state.players[2].name;
    GameData board{60, false, false, true, {}};
    for (int k = 1; k <= kSlotCount; ++k)
        board.motifs[k] = state.cards[k].motif;
    std::vector<Step> steps{{true, MessageType::Invitation, encodeInvitation(invitation)},
                            {false, MessageType::Answer, encodeAnswer(true)},
                            {true, MessageType::GameData, encodeGameData(board)}};

    std::map<int, std::vector<int>> known; // motif -> its slots seen face up, still on the board
    int next = 1;                          // slots are seen for the first time in order
    int mover = 1;
    const auto turn = [&](int slot) {
        const bool fromHost = mover == 1;
        steps.push_back({fromHost, MessageType::CardTurned, encodeCardTurned(mover, slot)});
        steps.push_back({!fromHost, MessageType::ReadyForCard, encodeSignal()});
    };
    const auto motifOf = [&state](int slot) { return state.cards[slot].motif; };
    for (int groups = state.cardCount() / 2; groups > 0;) {
        const auto whole =
            std::find_if(known.begin(), known.end(), [](const auto& k) { return k.second.size() == 2; });
        if (whole != known.end()) {
            turn(whole->second[0]);
            turn(whole->second[1]);
            known.erase(whole);
            --groups;
            continue;
        }
        const int first = next++;
        turn(first);
        if (const auto partner = known.find(motifOf(first)); partner != known.end()) {
            turn(partner->second[0]);
            known.erase(partner);
            --groups;
            continue;
        }
        const int second = next++;
        turn(second);
        if (motifOf(second) == motifOf(first)) {
            --groups;
            continue;
        }
        known[motifOf(first)].push_back(first);
        known[motifOf(second)].push_back(second);
        // The computer where the mover is remote confirms the end of the turn.
        steps.push_back({mover != 1, MessageType::AllCardsReceived, encodeSignal()});
        mover = 3 - mover;
    }
    return steps;
}

struct Timing {
    qint64 queued = 0;
    std::optional<qint64> written;
    std::optional<qint64> delivered;
};

void printFigures(const char* title, std::vector<double> values) {
    if (values.empty()) {
        std::printf("%-44s not measured\n", title);
        return;
    }
    std::sort(values.begin(), values.end());
    const auto at = [&values](double share) {
        return values[std::min(values.size() - 1, static_cast<size_t>(share * (values.size() - 1) + 0.5))];
    };
    const auto slow = std::count_if(values.begin(), values.end(), [](double ms) { return ms >= 1.0; });
    std::printf("%-40s median %6.3f  p90 %6.3f  max %6.3f ms, %td of %zu blocks 1 ms or more\n", title,
                at(0.5), at(0.9), values.back(), slow, values.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({{QStringLiteral("games"), QStringLiteral("whole games to play"), QStringLiteral("n"),
                        QStringLiteral("1")},
                       {QStringLiteral("seed"), QStringLiteral("the first game's deal"), QStringLiteral("n"),
                        QStringLiteral("1")}});
    parser.process(app);
    const int games = parser.value(QStringLiteral("games")).toInt();
    const quint32 seed = parser.value(QStringLiteral("seed")).toUInt();

    std::vector<Step> steps;
    for (int game = 0; game < games; ++game) {
        const std::vector<Step> one = wholeGame(seed + game);
        steps.insert(steps.end(), one.begin(), one.end());
    }

    NetworkLink host(nullptr, 0);
    if (!host.listen()) {
        std::fprintf(stderr, "cannot listen on loopback\n");
        return 1;
    }
    NetworkLink guest(nullptr, host.serverPort());
    std::vector<Timing> timings(steps.size());
    QElapsedTimer clock;
    clock.start();
    size_t current = 0;

    const auto send = [&](size_t index) {
        const Step& step = steps[index];
        current = index;
        timings[index].queued = clock.nsecsElapsed();
        (step.fromHost ? host : guest).sendBlock(makeBlock(static_cast<quint8>(step.type), step.payload));
    };
    // Only one block is ever on its way, so whatever a socket writes belongs to it.
    const auto watchSockets = [&](NetworkLink& link) {
        for (QTcpSocket* socket : link.findChildren<QTcpSocket*>())
            QObject::connect(socket, &QTcpSocket::bytesWritten, [&] {
                if (!timings[current].written)
                    timings[current].written = clock.nsecsElapsed();
            });
    };
    const auto received = [&](const NetworkBlock& block) {
        if (block.type != static_cast<quint8>(steps[current].type)) {
            std::fprintf(stderr, "block %zu arrived as type %d\n", current, block.type);
            QCoreApplication::exit(1);
            return;
        }
        timings[current].delivered = clock.nsecsElapsed();
        if (current + 1 < steps.size())
            send(current + 1);
        else
            QCoreApplication::quit();
    };
    QObject::connect(&host, &NetworkLink::blockReceived, received);
    QObject::connect(&guest, &NetworkLink::blockReceived, received);
    QObject::connect(&guest, &NetworkLink::onlineChanged, [&] {
        if (!guest.isOnline())
            return;
        // The accepted socket is made once the host sees the caller.
        QTimer::singleShot(50, [&] {
            host.keepConnection();
            watchSockets(host);
            watchSockets(guest);
            send(0);
        });
    });
    QTimer::singleShot(120000, [] {
        std::fprintf(stderr, "gave up after two minutes\n");
        QCoreApplication::exit(1);
    });
    guest.connectTo(QStringLiteral("127.0.0.1"));
    if (const int status = app.exec(); status != 0)
        return status;

    std::vector<double> toWritten, toDelivered;
    for (const Timing& t : timings) {
        if (t.written)
            toWritten.push_back((*t.written - t.queued) / 1e6);
        if (t.delivered)
            toDelivered.push_back((*t.delivered - t.queued) / 1e6);
    }
    std::printf("%d whole game(s), %zu blocks\n", games, steps.size());
    printFigures("queued -> written to the socket", toWritten);
    printFigures("queued -> delivered at the other link", toDelivered);
    return 0;
}
