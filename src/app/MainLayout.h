#pragma once

#include "gui/Dpi.h"

// What the main window's layout depends on, in screen pixels.
struct MainLayoutInput {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int SpeedPanelHeight = 0;
  int StatusBarHeight = 0;
  int ListTop = 0;
  int ListWidth = 0;
  int CancelWidth = 0;
  int CancelHeight = 0;
  int UpWidth = 0;
  int MaxPathHeight = 0;
};

// Where the main window's resizable controls go, in screen pixels. The list box keeps
// its width and top, the chart its top left corner, the label its left edge.
struct MainLayout {
  int ListLeft = 0;
  int ListHeight = 0;
  int CancelLeft = 0;
  int UpLeft = 0;
  int ExitLeft = 0;
  int ButtonsTop = 0;
  int MaxPathTop = 0;
  int ChartSide = 0;  // the chart stays square
};

// The list box hugs the right edge with the three buttons under it, the "Max path"
// label's bottom is level with theirs, and the chart takes the largest square left of
// the list box and between the tool bar and the status bar. Margins are design pixels.
MainLayout LayOutMainWindow(const MainLayoutInput& input, const DpiScale& scale);
