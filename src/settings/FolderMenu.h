#pragma once

#include <string_view>

#include "settings/Registry.h"

// Adds (enable) or removes the Explorer verb "Usage Pie Chart" of folders and drives,
// which starts `executablePath` on the folder right-clicked. Either way it removes the
// old verb of the generic folder class. Keys that cannot be opened are skipped
// silently (no rights to the classes root, for one).
void UpdateFolderMenu(Registry& registry, std::string_view executablePath, bool enable);
