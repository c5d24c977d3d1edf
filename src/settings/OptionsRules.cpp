#include "settings/OptionsRules.h"

#include <cstdint>
#include <string>

std::optional<int> MeasureChoice(uint8_t displayMode) {
  if (displayMode > 2) return std::nullopt;
  return displayMode;
}

std::optional<int> UnitsChoice(uint8_t displayUnits) {
  if (displayUnits > 4) return std::nullopt;
  return displayUnits;
}

void ConfirmChoices(TSettings& settings, const TOptionsChoices& choices) {
  const int measure = choices.Measure.value_or(0);
  settings.DisplayMode = static_cast<uint8_t>(measure == 1 || measure == 2 ? measure : 0);
  const int units = choices.Units.value_or(0);
  settings.DisplayUnits = static_cast<uint8_t>(units >= 1 && units <= 4 ? units : 0);
  if (settings.DisplayCompressed != 0) settings.DisplayCompressed = choices.Compressed ? 1 : 2;
  if (settings.DisplayFreeDiskSpace) settings.DisplayMode = 1;
}

std::vector<TPieLine> PreviewLines(int colourCount) {
  std::vector<TPieLine> lines;
  for (int i = 0; i < colourCount; ++i)
    lines.push_back({std::to_string(20 - i) + "   Colour" + std::to_string(i),
                     reinterpret_cast<void*>(static_cast<intptr_t>(i))});
  return lines;
}

int PreviewColourIndex(void* object) { return static_cast<int>(reinterpret_cast<intptr_t>(object)); }
