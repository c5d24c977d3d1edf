#pragma once

#include <cstdint>
#include <string>

#include "gui/Font.h"
#include "settings/Settings.h"

// What the main window does for each kind of change the options dialog brings.
class OptionsTarget {
 public:
  virtual void SetRepeatTimer(bool enabled, int32_t minutes) = 0;
  virtual void UpdateFolderMenu(bool enable) = 0;
  // Shows the units and the measure in the window's selectors.
  virtual void SelectDisplay(uint8_t units, uint8_t mode) = 0;
  virtual void RunScan() = 0;
  virtual void ShowCurrentLevel() = 0;
  virtual void SetListFont(const TFont& font) = 0;
  virtual void SetPieFont(const TFont& font) = 0;
  virtual void SetPieColours(const std::string& colours) = 0;

 protected:
  ~OptionsTarget() = default;
};

// Takes the settings chosen in the options dialog into `held`, the main window's,
// with each difference's consequence, in this order: the timer always; the Explorer
// verb when its choice changed; a rescan when the free-space or compression choice
// changed, else a redisplay when the units or measure did; fonts and colours only
// restyle. At most one rescan, and each setting is taken before the step that uses it.
void ApplyOptions(TSettings& held, const TSettings& chosen, OptionsTarget& target);
