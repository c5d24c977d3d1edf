#pragma once

#include <string>
#include <vector>

#include "win32/WinApi.h"

// What does not fit of the texts a window shows, its own and its descendants': each
// label's, check box's, radio button's, frame's and button's text against its bounds
// in its own font, each tab caption against its tab and the strip (all tabs shown at
// once, in one row), each status bar panel's text but the last's against its panel,
// each control against its parent's client area, and each text against the texts
// beside it. One line per fault; none when everything fits. Labels that cut their
// text with an ellipsis are held only to their parent and neighbours.
std::vector<std::string> TextsThatDoNotFit(HWND window);
