#pragma once

#include "settings/Registry.h"
#include "settings/Settings.h"

// The settings the user keeps, with the defaults of a first start on this system.
TSettings LoadProgramSettings(Registry& keys);
