// sorbello_netpeer: a whole Sorbello in one process for the network tests. It runs the real
// program (offscreen), with real sockets, answers its dialogs like a user would, and plays the
// local human participant by a fixed rule. At the end it prints the final scores.
//
//   sorbello_netpeer --role join   --dir D1 --listen 40001
//   sorbello_netpeer --role invite --dir D2 --listen 40002 --connect 40001 --address 127.0.0.1
//
// Pauses take no time unless --real-time is given; --trace prints the protocol lines with
// their times, to measure how long a card takes from one computer to the other.

#include "app/ui/mainwindow.h"
#include "app/ui/sorbelloprogram.h"
#include "controls/ui/imageview.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "game/gamestate.h"
#include "game/ui/enddialog.h"
#include "game/ui/newgamedialog.h"
#include "net/ui/addressdialog.h"
#include "records/settingsstore.h"
#include "timing/tickclock.h"
#include "timing/timekeeper.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDateTime>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// Pauses end at once, once the events waiting meanwhile have been handled; waits for the other
// computer still wait.
class NoPauses : public TimerTimekeeper {
public:
    std::unique_ptr<Alarm> arm(int, std::function<void()> due) override {
        return TimerTimekeeper::arm(0, std::move(due));
    }
};

// A computer player's thinking time passes a hundred times faster.
class FastClock : public SteadyTickClock {
public:
    quint32 ticks() const override { return SteadyTickClock::ticks() * 100; }
};

// The protocol lines with their times; everything else as Qt prints it.
QtMessageHandler qtMessages = nullptr;
void printTimedProtocolLines(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (qstrcmp(context.category, "sorbello.protocol") != 0) {
        qtMessages(type, context, text);
        return;
    }
    std::printf("PROTOCOL %lld %s\n", QDateTime::currentMSecsSinceEpoch(), qPrintable(text));
    std::fflush(stdout);
}

// Anna's rule: a pair she has seen both cards of; otherwise the first card still hidden and,
// as second card, its partner if seen before, else the next hidden card.
int chooseCard(const GameState& s) {
    const int n = s.cardCount();
    const auto turnable = [&](int k) { return s.cards[k].present && !s.cards[k].faceUp; };
    if (s.turnCardCount == 1) {
        const int motif = s.cards[s.firstCard].motif;
        for (int k = 1; k <= n; ++k)
            if (turnable(k) && s.cards[k].motif == motif && s.cards[k].revealCount > 0)
                return k;
    }
    for (int k = 1; k <= n; ++k)
        if (turnable(k))
            return k;
    return 0;
}

class Driver : public QObject {
public:
    Driver(SorbelloProgram& program, bool inviting, QString address)
        : program_(program), inviting_(inviting), address_(std::move(address)) {
        connect(&timer_, &QTimer::timeout, this, &Driver::step);
        timer_.start(5);
    }

private:
    void step() {
        // Whatever is done here may run the message loop for long (a dialog, a whole turn), and a
        // timer does not fire again while its handler runs: so everything is done from a timer
        // of its own, and this one stays free to look again.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answered_.removeAll(nullptr);
            // A dialog is answered once, also when it comes back to the top after a dialog it
            // opened itself has closed.
            if (!answered_.contains(modal)) {
                answered_ << modal;
                QTimer::singleShot(0, this, [this, modal = QPointer<QWidget>(modal)] {
                    if (modal)
                        answer(modal);
                });
            }
            return;
        }
        MainWindow& main = program_.mainWindow();
        if (inviting_ && !started_) {
            started_ = true;
            QTimer::singleShot(0, main.findChild<QAction*>(QStringLiteral("newGameAction")),
                               &QAction::trigger);
            return;
        }
        const GameState& state = main.gameState();
        auto* boardView = main.findChild<ImageView*>(QStringLiteral("boardView"));
        if (state.gameRunning && state.currentIsLocalHuman() && boardView->isEnabled()) {
            if (const int slot = chooseCard(state); slot != 0 && !clicking_) {
                clicking_ = true;
                const QPoint at(state.cards[slot].left + 20, state.cards[slot].top + 20);
                QTimer::singleShot(0, this, [this, boardView, at] {
                    QTest::mouseClick(boardView, Qt::LeftButton, {}, at);
                    clicking_ = false;
                });
            }
        }
    }

    void answer(QWidget* modal) {
        if (auto* newGameDialog = qobject_cast<NewGameDialog*>(modal)) {
            newGameDialog->networkLamps[1]->setChecked(true); // Robo plays at the other computer
            newGameDialog->startButton->click();
        } else if (auto* address = qobject_cast<AddressDialog*>(modal)) {
            address->addressBox->setEditText(address_);
            address->connectButton->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            std::printf("MESSAGE %s\n", qPrintable(box->text()));
            std::fflush(stdout);
            box->button(box->text().startsWith(QStringLiteral("Wollen Sie ein Netzwerkspiel"))
                            ? QMessageBox::Yes
                            : QMessageBox::Ok)
                ->click();
        } else if (auto* end = qobject_cast<EndDialog*>(modal)) {
            printResult();
            end->closeButton->click();
            QTimer::singleShot(300, qApp, &QApplication::quit);
        }
    }

    void printResult() {
        const GameState& state = program_.mainWindow().gameState();
        std::printf("RESULT");
        for (int p = 1; p <= state.playerCount; ++p)
            std::printf(" %s=%d", qPrintable(state.players[p].name), state.players[p].score);
        std::printf("\n");
        std::fflush(stdout);
    }

    SorbelloProgram& program_;
    bool inviting_;
    QString address_;
    bool started_ = false;
    bool clicking_ = false;
    QList<QPointer<QWidget>> answered_;
    QTimer timer_;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("role"), QStringLiteral("invite or join"), QStringLiteral("role")},
                       {QStringLiteral("dir"), QStringLiteral("settings and data"), QStringLiteral("dir")},
                       {QStringLiteral("listen"), QStringLiteral("own port"), QStringLiteral("port"),
                        QStringLiteral("1024")},
                       {QStringLiteral("connect"), QStringLiteral("other port"), QStringLiteral("port"),
                        QStringLiteral("1024")},
                       {QStringLiteral("address"), QStringLiteral("other computer"), QStringLiteral("host"),
                        QStringLiteral("127.0.0.1")},
                       {QStringLiteral("real-time"), QStringLiteral("pauses as in the program")},
                       {QStringLiteral("trace"), QStringLiteral("print protocol lines with times")},
                       {QStringLiteral("timeout"), QStringLiteral("seconds until giving up"),
                        QStringLiteral("s"), QStringLiteral("120")}});
    parser.process(app);
    const bool inviting = parser.value(QStringLiteral("role")) == QLatin1String("invite");
    const QString dir = parser.value(QStringLiteral("dir"));

    SettingsStore settings(std::make_unique<QSettings>(dir + QStringLiteral("/s.ini"), QSettings::IniFormat));
    if (inviting) {
        settings.setValue(QStringLiteral("sp1"), QStringLiteral("Anna"));
        settings.setValue(QStringLiteral("geg1"), QStringLiteral("0"));
        settings.setValue(QStringLiteral("sp2"), QStringLiteral("Robo"));
        settings.setValue(QStringLiteral("geg2"), QStringLiteral("1"));
        settings.setValue(QStringLiteral("gesamtlevel"), QStringLiteral("2"));
    }
    const bool realTime = parser.isSet(QStringLiteral("real-time"));
    TimerTimekeeper realTimekeeper;
    NoPauses noPauses;
    SteadyTickClock realClock;
    FastClock fastClock;
    AppEnvironment env{settings,
                       realTime ? static_cast<Timekeeper&>(realTimekeeper) : noPauses,
                       realTime ? static_cast<const TickClock&>(realClock) : fastClock,
                       dataPathsFor(dir, dir),
                       static_cast<quint16>(parser.value(QStringLiteral("listen")).toUInt()),
                       static_cast<quint16>(parser.value(QStringLiteral("connect")).toUInt()),
                       realTime ? 4 : 0};
    SorbelloProgram program(env);
    if (parser.isSet(QStringLiteral("trace"))) {
        QLoggingCategory::setFilterRules(QStringLiteral("sorbello.protocol.debug=true"));
        qtMessages = qInstallMessageHandler(printTimedProtocolLines);
    }
    program.show();
    // The other program may call only now: this one listens from its start.
    std::printf("READY\n");
    std::fflush(stdout);
    Driver driver(program, inviting, parser.value(QStringLiteral("address")));
    QTimer::singleShot(parser.value(QStringLiteral("timeout")).toInt() * 1000, &app, [] {
        std::printf("TIMEOUT\n");
        std::fflush(stdout);
        QCoreApplication::exit(3);
    });
    return app.exec();
}
