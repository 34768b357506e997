#include "fakes.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>

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

class FakeTimekeeper::FakeAlarm : public Alarm {
public:
    FakeAlarm(std::vector<Sleeper>& sleepers, quint64 order) : sleepers_(sleepers), order_(order) {}
    ~FakeAlarm() override {
        std::erase_if(sleepers_, [this](const Sleeper& s) { return s.order == order_; });
    }

private:
    std::vector<Sleeper>& sleepers_;
    quint64 order_;
};

std::unique_ptr<Alarm> FakeTimekeeper::arm(int ms, std::function<void()> due) {
    const quint32 span = static_cast<quint32>(std::max(ms, 0));
    if (span > 0)
        journal_.add(QStringLiteral("pause %1").arg(span));
    if (!held_) {
        clock_.now += span;
        return nullptr;
    }
    const quint64 order = nextOrder_++;
    sleepers_.push_back({clock_.now + span, order, std::move(due)});
    return std::make_unique<FakeAlarm>(sleepers_, order);
}

void FakeTimekeeper::wakeFirstDueBy(quint32 limit) {
    auto first = sleepers_.end();
    for (auto it = sleepers_.begin(); it != sleepers_.end(); ++it)
        if (it->due <= limit && (first == sleepers_.end() || it->due < first->due))
            first = it;
    if (first == sleepers_.end())
        return;
    clock_.now = std::max(clock_.now, first->due);
    // The task it resumes drops its alarm, which takes the sleeper off the list.
    const std::function<void()> wake = first->wake;
    const quint64 order = first->order;
    wake();
    std::erase_if(sleepers_, [order](const Sleeper& s) { return s.order == order; });
}

void FakeTimekeeper::advance(quint32 ms) {
    const quint32 until = clock_.now + ms;
    for (int round = 0; round < 1000000; ++round) {
        const bool anyDue = std::any_of(sleepers_.begin(), sleepers_.end(),
                                        [until](const Sleeper& s) { return s.due <= until; });
        if (!anyDue)
            break;
        wakeFirstDueBy(until);
    }
    clock_.now = std::max(clock_.now, until);
}

bool FakeTimekeeper::step() {
    if (sleepers_.empty())
        return false;
    quint32 first = sleepers_.front().due;
    for (const Sleeper& s : sleepers_)
        first = std::min(first, s.due);
    wakeFirstDueBy(first);
    return true;
}

bool FakeTimekeeper::runUntilJournal(const Journal& journal, const QString& entry) {
    for (int round = 0; round < 100000; ++round) {
        if (!journal.entries.isEmpty() && journal.entries.last() == entry)
            return true;
        handlePostedEvents();
        if (!step())
            break;
    }
    ADD_FAILURE() << "never came to " << entry.toStdString();
    return false;
}

bool FakeTimekeeper::runUntilIdle(int limit) {
    for (int round = 0; round < limit; ++round) {
        handlePostedEvents();
        if (!step())
            return true;
    }
    ADD_FAILURE() << "the tasks still wait after " << limit << " waits";
    return false;
}

void handlePostedEvents() {
    QCoreApplication::sendPostedEvents();
}

Task<> FakeBoard::showCard(int motif, int x, int y) {
    journal_.add(QStringLiteral("show %1 motif %2").arg(slotAt(x, y)).arg(motif));
    co_await timekeeper_.sleep(0);
}

Task<> FakeBoard::hideFaceUpCards() {
    return takePendingCards(QStringLiteral("hide "));
}

Task<> FakeBoard::removeFaceUpCards() {
    return takePendingCards(QStringLiteral("remove "));
}

// Like the real transitions, hiding and removing empty the list of turned cards once done.
Task<> FakeBoard::takePendingCards(QString what) {
    QStringList slots;
    for (const PendingCard& card : state_.pendingCards)
        slots << QString::number(card.slot);
    journal_.add(what + slots.join(QLatin1Char(',')));
    co_await timekeeper_.sleep(0);
    state_.pendingCards.clear();
}

int FakeBoard::slotAt(int x, int y) const {
    for (int k = 1; k <= kSlotCount; ++k)
        if (state_.cards[k].left == x && state_.cards[k].top == y)
            return k;
    return 0;
}
