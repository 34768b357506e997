#pragma once

// The program's identity, shown in the title picture, the About dialog and by --version.
inline constexpr const char* kProgramName = "Sorbello";
inline constexpr const char* kVersionText = SORBELLO_VERSION; // the project's version
inline constexpr const char* kVersionDate = "14.7.2000";
