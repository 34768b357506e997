#pragma once

// The program's identity, shown in the title picture and the About dialog.
inline constexpr const char* kProgramName = "Sorbello";
inline constexpr const char* kVersionText = "2.60";
inline constexpr const char* kVersionDate = "14.7.2000";
