#include "settingsstore.h"

namespace {
const QString kGroup = QStringLiteral("Daten");
}

SettingsStore::SettingsStore()
    : SettingsStore(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Vuko-Software"),
                                                QStringLiteral("Sorbello"))) {}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QString SettingsStore::ReadSetting(const QString& name) const {
    return settings_->value(kGroup + QLatin1Char('/') + name).toString();
}

void SettingsStore::WriteSetting(const QString& name, const QString& text) {
    settings_->setValue(kGroup + QLatin1Char('/') + name, text);
    // Written through at once, as the values are meant to reach the store at the moment named.
    settings_->sync();
}
