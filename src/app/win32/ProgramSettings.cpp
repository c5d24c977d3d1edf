#include "app/win32/ProgramSettings.h"

#include "settings/SettingsStore.h"
#include "win32/SystemInfo.h"

TSettings LoadProgramSettings(Registry& keys) {
  TSettings defaults;
  defaults.DisplayCompressed = IsNtFamily() ? 1 : 0;
  return LoadSettings(keys, defaults);
}
