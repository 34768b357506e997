// Who may include whom: the table in the README's Layout section, and every #include "..." of
// src/ held to it, as a layering check would.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

namespace {

const QString kSource = QStringLiteral(SORBELLO_SOURCE_DIR);

// Each subsystem with the subsystems it may include.
using Layers = std::map<QString, QSet<QString>>;

Layers readLayers() {
    QFile readme(kSource + QStringLiteral("/README.md"));
    if (!readme.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&readme);
    Layers layers;
    bool inTable = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QStringLiteral("| subsystem | may include |"))) {
            inTable = true;
            continue;
        }
        if (!inTable || line.startsWith(QStringLiteral("|---")))
            continue;
        if (!line.startsWith(u'|'))
            break;
        const QStringList cells = line.split(u'|');
        if (cells.size() < 4)
            continue;
        QSet<QString>& uses = layers[cells[1].trimmed().remove(u'`')];
        for (const QString& used : cells[2].split(u',')) {
            const QString name = used.trimmed().remove(u'`');
            if (!name.isEmpty() && name != QStringLiteral("—"))
                uses << name;
        }
    }
    return layers;
}

// Where a file of src/ lies: its subsystem, and whether in the subsystem's ui/ folder.
struct Place {
    QString subsystem;
    bool ui = false;
};

std::optional<Place> placeOf(const QString& pathInSource) {
    const QStringList parts = pathInSource.split(u'/');
    if (parts.size() < 2)
        return std::nullopt;
    return Place{parts[0], parts.size() > 2 && parts[1] == QStringLiteral("ui")};
}

bool allowed(const Layers& layers, const Place& from, const Place& to) {
    // Windows may use what needs none, never the other way round.
    if (to.ui && !from.ui)
        return false;
    if (from.subsystem == to.subsystem)
        return true;
    const auto row = layers.find(from.subsystem);
    return row != layers.end() && row->second.contains(to.subsystem);
}

TEST(Layering, EveryIncludeOfSrcIsOneTheLayoutTableAllows) {
    const Layers layers = readLayers();
    ASSERT_FALSE(layers.empty()) << "README.md has no table \"| subsystem | may include |\"";
    const QDir source(kSource + QStringLiteral("/src"));
    const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s+"([^"]+)")re"));
    QStringList refused;
    int checked = 0;
    QDirIterator files(source.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = source.relativeFilePath(files.next());
        QFile text(source.filePath(file));
        ASSERT_TRUE(text.open(QIODevice::ReadOnly | QIODevice::Text)) << file.toStdString();
        const std::optional<Place> from = placeOf(file);
        int lineNumber = 0;
        while (!text.atEnd()) {
            ++lineNumber;
            const auto match = include.match(QString::fromUtf8(text.readLine()));
            if (!match.hasMatch())
                continue;
            const QString included = match.captured(1);
            // A name with a folder starts at src/, a bare name beside the including file.
            const QString target = included.contains(u'/')
                                       ? included
                                       : QDir::cleanPath(QFileInfo(file).path() + u'/' + included);
            const std::optional<Place> to = placeOf(target);
            ++checked;
            if (!from || !to || !QFileInfo::exists(source.filePath(target)) || !allowed(layers, *from, *to))
                refused
                    << QStringLiteral("src/%1:%2 includes \"%3\"").arg(file).arg(lineNumber).arg(included);
        }
    }
    EXPECT_GT(checked, 100) << "the includes of src/ were not found";
    EXPECT_TRUE(refused.isEmpty()) << refused.join(u'\n').toStdString();
}

// A circle in the table would let two subsystems include each other after all.
TEST(Layering, TheTableNamesEverySubsystemAndRunsOneWay) {
    const Layers layers = readLayers();
    const QStringList folders =
        QDir(kSource + QStringLiteral("/src")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(folders.isEmpty());
    for (const QString& folder : folders)
        EXPECT_TRUE(layers.count(folder)) << "no row for src/" << folder.toStdString();
    for (const auto& [subsystem, uses] : layers)
        for (const QString& used : uses)
            EXPECT_TRUE(layers.count(used))
                << subsystem.toStdString() << " may include an unknown " << used.toStdString();

    // Takes away, round by round, every subsystem whose uses are all taken already.
    QSet<QString> ordered;
    bool progress = true;
    while (progress) {
        progress = false;
        for (const auto& [subsystem, uses] : layers) {
            if (ordered.contains(subsystem) ||
                !std::all_of(uses.begin(), uses.end(), [&](const QString& used) {
                    return ordered.contains(used) || !layers.count(used);
                }))
                continue;
            ordered << subsystem;
            progress = true;
        }
    }
    QStringList circle;
    for (const auto& [subsystem, uses] : layers)
        if (!ordered.contains(subsystem))
            circle << subsystem;
    EXPECT_TRUE(circle.isEmpty()) << "these include each other: " << circle.join(u", ").toStdString();
}

} // namespace
