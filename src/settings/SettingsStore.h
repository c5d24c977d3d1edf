#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gui/Font.h"
#include "settings/Registry.h"

// The user's settings key.
inline constexpr std::string_view kSettingsKey = "\\Software\\Quillfen\\Velmora";

// The settings the main window keeps in fields. Codes hold the low byte of what was
// stored, in range or not; the code that uses them copes with any value.
struct TSettings {
  uint8_t DisplayCompressed = 0;
  uint8_t DisplayMode = 1;
  uint8_t DisplayUnits = 1;
  std::string PieChartColours;
  bool RightClickFolder = true;
  bool DisplayFreeDiskSpace = true;
  bool RepeatedScan = false;
  int32_t RepeatInterval = 10;
};

// Reads the settings, each absent or unreadable value giving the one in `defaults`.
TSettings LoadSettings(Registry& registry, const TSettings& defaults);
// Writes every setting, whether it changed or not.
void SaveSettings(Registry& registry, const TSettings& settings);

// A font from its five values under a prefix ("PieChartFont.Name", ...); each absent
// value keeps what the font had.
TFont LoadFont(Registry& registry, std::string_view prefix, const TFont& current);
void SaveFont(Registry& registry, std::string_view prefix, const TFont& font);
