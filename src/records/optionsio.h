#pragma once

#include "programoptions.h"

#include <QString>

#include <optional>

class SettingsStore;

// A stored decimal integer; nothing when the value is missing, empty or not a number, so the
// caller keeps its current value.
std::optional<qint32> readDecimal(const SettingsStore& store, const QString& name);

// Fade counts (75 unless stored), sound (on unless "Nein") and card back ("rot" or not).
void readProgramOptions(const SettingsStore& store, TProgramOptions& options);

// The options and the background settings, in the order the main window writes them when it
// closes.
void writeProgramOptions(SettingsStore& store, const TProgramOptions& options, bool coverOn,
                         quint32 coverColour);
