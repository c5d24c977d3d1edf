#pragma once

#include <string_view>

#include "settings/Registry.h"
#include "settings/Settings.h"

// The user's settings key.
inline constexpr std::string_view kSettingsKey = "\\Software\\Quillfen\\Velmora";

// Reads the settings, each absent or unreadable value giving the one in `defaults`
// (a font's members each default to what that font has). Reading writes nothing.
TSettings LoadSettings(Registry& registry, const TSettings& defaults);
// Writes every setting, whether it changed or not: the fonts first, then the rest.
void SaveSettings(Registry& registry, const TSettings& settings);
