#include "optionsio.h"

#include "settingsstore.h"

std::optional<qint32> readDecimal(const SettingsStore& store, const QString& name,
                                  const InvalidSetting& onInvalid) {
    const QString text = store.ReadSetting(name);
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        if (onInvalid)
            onInvalid(name, text);
        return std::nullopt;
    }
    return value;
}

void readProgramOptions(const SettingsStore& store, ProgramOptions& options,
                        const InvalidSetting& onInvalid) {
    options.fadeShow = readDecimal(store, QStringLiteral("fadeShow"), onInvalid).value_or(75);
    options.fadeHide = readDecimal(store, QStringLiteral("fadeHide"), onInvalid).value_or(75);
    options.fadeRemove = readDecimal(store, QStringLiteral("fadeRemove"), onInvalid).value_or(75);
    options.soundOn = store.ReadSetting(QStringLiteral("soundan")) != QStringLiteral("Nein");
    options.redCardBack = store.ReadSetting(QStringLiteral("Kartenruecken")) == QStringLiteral("rot");
}

void writeProgramOptions(SettingsStore& store, const ProgramOptions& options, bool coverOn,
                         quint32 coverColour) {
    const auto yesNo = [](bool on) { return on ? QStringLiteral("Ja") : QStringLiteral("Nein"); };
    store.WriteSetting(QStringLiteral("fadeShow"), QString::number(options.fadeShow));
    store.WriteSetting(QStringLiteral("fadeHide"), QString::number(options.fadeHide));
    store.WriteSetting(QStringLiteral("fadeRemove"), QString::number(options.fadeRemove));
    store.WriteSetting(QStringLiteral("soundan"), yesNo(options.soundOn));
    store.WriteSetting(QStringLiteral("Kartenruecken"),
                       options.redCardBack ? QStringLiteral("rot") : QStringLiteral("classic"));
    store.WriteSetting(QStringLiteral("abdecken"), yesNo(coverOn));
    store.WriteSetting(QStringLiteral("higrufarbe"), QString::number(coverColour));
}
