// sorbello-arena: plays complete games between computer players without a window and prints
// how each of them fared.
//
//   sorbello-arena --players unbesiegbar,dumm --board small --group 2 --games 1000

#include "game/arena.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

int levelFromName(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("dumm") || n == QLatin1String("1"))
        return 1;
    if (n == QLatin1String("normal") || n == QLatin1String("2"))
        return 2;
    if (n == QLatin1String("unbesiegbar") || n == QLatin1String("3"))
        return 3;
    return 0;
}

void printResult(const ArenaConfig& config, const ArenaResult& result, double seconds) {
    std::printf("%d games, %s board, %s, %.2f s, %.0f games/s, %.1f cards turned per game\n", result.games,
                config.largeBoard ? "large" : "small", config.groupSize == 3 ? "triples" : "pairs", seconds,
                seconds > 0 ? result.games / seconds : 0.0,
                result.games > 0 ? static_cast<double>(result.cardsTurned) / result.games : 0.0);
    std::printf("%-32s %8s %8s %8s %10s\n", "participant", "wins", "draws", "win %", "avg score");
    for (const ArenaStanding& s : result.standings) {
        const double games = result.games > 0 ? result.games : 1;
        std::printf("%-32s %8d %8d %7.1f%% %10.2f\n", qPrintable(s.name), s.wins, s.draws,
                    100.0 * s.wins / games, static_cast<double>(s.points) / games);
    }
    if (result.unfinished > 0)
        std::printf("%d games did not finish\n", result.unfinished);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays Sorbello games between computer players."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("players"), QStringLiteral("Two to four of dumm, normal, unbesiegbar."),
                      QStringLiteral("list"), QStringLiteral("unbesiegbar,dumm")});
    parser.addOption({QStringLiteral("board"), QStringLiteral("small (60 cards) or large (120 cards)."),
                      QStringLiteral("size"), QStringLiteral("small")});
    parser.addOption({QStringLiteral("group"), QStringLiteral("2 for pairs, 3 for triples."),
                      QStringLiteral("n"), QStringLiteral("2")});
    parser.addOption({QStringLiteral("games"), QStringLiteral("How many games."), QStringLiteral("n"),
                      QStringLiteral("1000")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the games."), QStringLiteral("n"),
                      QStringLiteral("1")});
    parser.process(app);

    ArenaConfig config;
    for (const QString& name : parser.value(QStringLiteral("players")).split(QLatin1Char(','))) {
        const int level = levelFromName(name);
        if (level == 0) {
            std::fprintf(stderr, "unknown player kind: %s\n", qPrintable(name));
            return 2;
        }
        config.levels.push_back(level);
    }
    if (config.levels.empty() || config.levels.size() > 4) {
        std::fprintf(stderr, "one to four players, please\n");
        return 2;
    }
    config.largeBoard = parser.value(QStringLiteral("board")) == QLatin1String("large");
    config.groupSize = parser.value(QStringLiteral("group")) == QLatin1String("3") ? 3 : 2;
    config.games = std::max(0, parser.value(QStringLiteral("games")).toInt());
    config.seed = parser.value(QStringLiteral("seed")).toUInt();

    QElapsedTimer timer;
    timer.start();
    const ArenaResult result = runArena(config);
    printResult(config, result, static_cast<double>(timer.nsecsElapsed()) / 1e9);
    return result.unfinished == 0 ? 0 : 1;
}
