#pragma once

#include "gui/Dpi.h"
#include "gui/Layout.h"

// Where the main window's chart goes, in screen pixels: from its designed top left
// corner, the largest square left of the list box (a margin between them) and between
// the tool bar and the status bar. Everything else of the window follows its anchors.
TRect ChartBounds(const TRect& list, TSize client, int toolBarHeight, int statusBarHeight, const DpiScale& scale);
