#pragma once

#include "gui/Dpi.h"

// The screen's scale for designed pixels.
DpiScale ScreenScale();
