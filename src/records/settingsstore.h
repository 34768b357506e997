#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The program's only access to its stored settings: text values in the group "Daten".
class SettingsStore {
public:
    // The real store of the current user.
    SettingsStore();
    // Any other store, for example an INI file in a test's temporary directory.
    explicit SettingsStore(std::unique_ptr<QSettings> settings);

    // A value that does not exist reads as the empty text; one that a hand-edited file holds as
    // a list (an unquoted comma) reads as the text written there.
    QString value(const QString& name) const;
    void setValue(const QString& name, const QString& text);

    // What a write killed before its end leaves beside the settings file: its temporary copy,
    // and its lock, unless a running process holds it. Nothing else is touched.
    void removeLeftovers() const;

private:
    std::unique_ptr<QSettings> settings_;
};
