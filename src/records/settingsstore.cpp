#include "settingsstore.h"

#include "atomicfile.h"
#include "recordslog.h"

#include <QFile>
#include <QLockFile>

#include <optional>

namespace {

const QString kGroup = QStringLiteral("Daten");

// A settings file is a few hundred bytes; a larger one is damaged and is read only up to here.
constexpr qint64 kMaxFileBytes = 1 << 20;

// The text after `name=` in the group's section of an INI file, blanks around it removed;
// the last one counts, as for QSettings.
std::optional<QString> lineValue(const QString& fileName, const QString& group, const QString& name) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<QString> value;
    QString section;
    const QStringList lines = QString::fromUtf8(file.read(kMaxFileBytes)).split(QLatin1Char('\n'));
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.sliced(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (section == group && equals > 0 && line.first(equals).trimmed() == name)
            value = line.sliced(equals + 1).trimmed();
    }
    return value;
}

// A hand-edited value with an unquoted comma reads from an INI file as a list, without the blanks
// around the commas. The text is taken from the file's own line when that line is plain text
// and splits into the same parts; otherwise the parts are joined as ", ".
QString listAsText(const QSettings& settings, const QString& name, const QStringList& parts) {
    const std::optional<QString> line = lineValue(settings.fileName(), kGroup, name);
    if (line && !line->contains(QLatin1Char('"')) && !line->contains(QLatin1Char('\\'))) {
        QStringList lineParts = line->split(QLatin1Char(','));
        for (QString& part : lineParts)
            part = part.trimmed();
        if (lineParts == parts)
            return *line;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Vuko-Software"),
                                                QStringLiteral("Sorbello"))) {}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QString SettingsStore::value(const QString& name) const {
    const QVariant value = settings_->value(kGroup + QLatin1Char('/') + name);
    if (value.typeId() == QMetaType::QStringList)
        return listAsText(*settings_, name, value.toStringList());
    return value.toString();
}

void SettingsStore::setValue(const QString& name, const QString& text) {
    settings_->setValue(kGroup + QLatin1Char('/') + name, text);
    // Written through at once, as the values are meant to reach the store at the moment named.
    settings_->sync();
}

void SettingsStore::removeLeftovers() const {
    const QString fileName = settings_->fileName();
    removeLeftoverTemporaryFiles(fileName);
    const QString lockName = fileName + QStringLiteral(".lock");
    if (!QFile::exists(lockName))
        return;
    // Taken over only from a process that no longer runs, however old the lock is.
    QLockFile lock(lockName);
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        qCInfo(lcRecords) << "removed the leftover" << lockName;
    }
}
