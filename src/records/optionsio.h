#pragma once

#include "programoptions.h"

#include <QString>

#include <functional>
#include <optional>

class SettingsStore;

// Told about a stored number that is not a number: the value's name and its text.
using InvalidSetting = std::function<void(const QString& name, const QString& text)>;

// A stored decimal integer; nothing when the value is missing, empty or not a number, so the
// caller keeps its current value. A text that is not a number is also reported.
std::optional<qint32> readDecimal(const SettingsStore& store, const QString& name,
                                  const InvalidSetting& onInvalid = nullptr);

// Fade counts (75 unless a usable count is stored), sound (on unless "Nein") and card back
// ("rot" or not).
void readProgramOptions(const SettingsStore& store, ProgramOptions& options,
                        const InvalidSetting& onInvalid = nullptr);

// The options and the background settings, in the order the main window writes them when it
// closes.
void writeProgramOptions(SettingsStore& store, const ProgramOptions& options, bool coverOn,
                         quint32 coverColour);
