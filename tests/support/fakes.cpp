#include "fakes.h"

#include <gtest/gtest.h>

QStringList Journal::only(const QStringList& prefixes) const {
    QStringList kept;
    for (const QString& entry : entries) {
        for (const QString& prefix : prefixes) {
            if (entry.startsWith(prefix)) {
                kept << entry;
                break;
            }
        }
    }
    return kept;
}

void FakeWait::waitFor(int ms, const std::function<bool()>& stop) {
    journal_.add(QStringLiteral("pause %1").arg(ms));
    if (duringNextPause) {
        auto hook = std::move(duringNextPause);
        duringNextPause = nullptr;
        hook();
    }
    if (!(stop && stop()))
        clock_.now += static_cast<quint32>(ms);
}

void FakeWait::waitUntil(const std::function<bool()>& done) {
    if (done())
        return;
    journal_.add(QStringLiteral("wait"));
    // A condition nobody will ever fulfil would hang the real program; here it fails the test.
    for (int round = 0; round < 100 && !done(); ++round) {
        if (whileWaitingForCondition)
            whileWaitingForCondition();
    }
    if (!done())
        ADD_FAILURE() << "a condition wait never ended";
}

void FakeWait::processPendingMessages() {
    if (whileProcessingMessages)
        whileProcessingMessages();
}

void FakeBoard::showCard(int motif, int x, int y) {
    journal_.add(QStringLiteral("show %1 motif %2").arg(slotAt(x, y)).arg(motif));
}

void FakeBoard::hideFaceUpCards() {
    takePendingCards(QStringLiteral("hide "));
}

void FakeBoard::removeFaceUpCards() {
    takePendingCards(QStringLiteral("remove "));
}

// Like the real transitions, hiding and removing empty the list of turned cards.
void FakeBoard::takePendingCards(const QString& what) {
    QStringList slots;
    for (const PendingCard& card : state_.pendingCards)
        slots << QString::number(card.slot);
    journal_.add(what + slots.join(QLatin1Char(',')));
    state_.pendingCards.clear();
}

int FakeBoard::slotAt(int x, int y) const {
    for (int k = 1; k <= kSlotCount; ++k)
        if (state_.cards[k].left == x && state_.cards[k].top == y)
            return k;
    return 0;
}
