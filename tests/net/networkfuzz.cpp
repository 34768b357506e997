#include "networkfuzz.h"

#include "game/gamestate.h"
#include "game/headlessboard.h"
#include "game/instanttime.h"
#include "game/networkgame.h"
#include "game/turnflow.h"
#include "net/blockport.h"
#include "net/framecodec.h"
#include "net/gamemessages.h"
#include "net/slottable.h"

namespace {

class SilentNet : public BlockPort {
public:
    void sendBlock(const NetworkBlock&) override {}
    bool isOnline() const override { return true; }
    void closeConnections() override {}
    void keepConnection() override {}
};

class AgreeingHost : public NetworkGameHost, public DialogPort {
public:
    Task<bool> askToJoin() override { co_return true; }
    void showConnectionLost() override {}
    void prepareOfferedGame(bool, bool, bool) override {}
    bool confirmAbandonGame() override { return true; }
    void runNewGameDialog() override {}
    Task<> showEndDialog(EndDialogText) override { co_return; }
};

} // namespace

struct NetworkFuzzWorld::Parts {
    GameState state;
    GameTallies tallies;
    ProgramOptions options;
    ManualClock clock;
    InstantTimekeeper timekeeper{clock};
    HeadlessBoard board{state};
    AgreeingHost host;
    SilentNet net;
    TurnFlow flow{state, tallies, options, timekeeper, clock, board, host};
    NetworkGame game{state, tallies, flow, board, net, host};
    FrameReader reader{kLargestMessage};
    SlotTable slots;
};

NetworkFuzzWorld::NetworkFuzzWorld() : parts_(std::make_unique<Parts>()) {
    TurnFlow* flow = &parts_->flow;
    NetworkGame* game = &parts_->game;
    QObject::connect(flow, &TurnFlow::cardToSend, game, &NetworkGame::sendCard);
    QObject::connect(flow, &TurnFlow::readyForNextCard, game, &NetworkGame::reportReady);
    QObject::connect(flow, &TurnFlow::allCardsReceived, game, &NetworkGame::reportAllCardsReceived);
}

NetworkFuzzWorld::~NetworkFuzzWorld() = default;

void NetworkFuzzWorld::feed(const QByteArray& bytes) {
    Parts& p = *parts_;
    p.reader.append(bytes);
    while (const auto frame = p.reader.next()) {
        const auto received =
            p.slots.receive(*frame, [&p](const NetworkBlock& block) { p.game.onBlockReceived(block); });
        if (received == SlotTable::Received::Broken)
            break;
    }
    if (p.reader.broken()) // the real component ends the connection here; start afresh
        p.reader.clear();
}

bool NetworkFuzzWorld::consistent(const char** broken) const {
    const GameState& s = parts_->state;
    const auto fail = [broken](const char* what) {
        if (broken)
            *broken = what;
        return false;
    };
    int faceUp = 0;
    for (int k = 1; k <= kSlotCount; ++k)
        faceUp += s.cards[k].faceUp;
    if (faceUp > 3)
        return fail("more than three cards face up");
    if (s.pendingCards.count() > 3)
        return fail("more than three cards pending");
    if (s.currentPlayer < 0 || s.currentPlayer > kMaxPlayers)
        return fail("current participant out of range");
    if (s.playerCount < 0 || s.playerCount > kMaxPlayers)
        return fail("participant count out of range");
    if (s.gameRunning && (s.remainingGroups < 1 || s.remainingGroups > 60))
        return fail("remaining groups out of range");
    return true;
}

int NetworkFuzzWorld::cardsTurned() const {
    int turned = 0;
    for (int k = 1; k <= kSlotCount; ++k)
        turned += parts_->state.cards[k].revealCount;
    return turned;
}

QByteArray framedMessage(quint8 type, const QByteArray& payload, qint32 id) {
    NetworkBlock block = makeBlock(type, payload);
    block.id = id;
    return encodeFrame(block, 0, block.length);
}
