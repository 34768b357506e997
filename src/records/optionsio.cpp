#include "optionsio.h"

#include "settingsstore.h"

std::optional<qint32> readDecimal(const SettingsStore& store, const QString& name,
                                  const InvalidSetting& onInvalid) {
    const QString text = store.value(name);
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
    // A hand-edited count the options dialog would not take is not used either.
    const auto readSteps = [&](const QString& name) {
        const std::optional<qint32> steps = readDecimal(store, name, onInvalid);
        return steps && isUsableFadeSteps(*steps) ? *steps : kDefaultFadeSteps;
    };
    options.fadeShow = readSteps(QStringLiteral("fadeShow"));
    options.fadeHide = readSteps(QStringLiteral("fadeHide"));
    options.fadeRemove = readSteps(QStringLiteral("fadeRemove"));
    options.soundOn = store.value(QStringLiteral("soundan")) != QStringLiteral("Nein");
    options.redCardBack = store.value(QStringLiteral("Kartenruecken")) == QStringLiteral("rot");
}

void writeProgramOptions(SettingsStore& store, const ProgramOptions& options, bool coverOn,
                         quint32 coverColour) {
    const auto yesNo = [](bool on) { return on ? QStringLiteral("Ja") : QStringLiteral("Nein"); };
    store.setValue(QStringLiteral("fadeShow"), QString::number(options.fadeShow));
    store.setValue(QStringLiteral("fadeHide"), QString::number(options.fadeHide));
    store.setValue(QStringLiteral("fadeRemove"), QString::number(options.fadeRemove));
    store.setValue(QStringLiteral("soundan"), yesNo(options.soundOn));
    store.setValue(QStringLiteral("Kartenruecken"),
                   options.redCardBack ? QStringLiteral("rot") : QStringLiteral("classic"));
    store.setValue(QStringLiteral("abdecken"), yesNo(coverOn));
    store.setValue(QStringLiteral("higrufarbe"), QString::number(coverColour));
}
