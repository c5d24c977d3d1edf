#pragma once

#include <vector>

#include "gui/win32/framework/WinControl.h"

// The bar at the bottom of a window, in panels of given widths (screen pixels); the
// last one takes the rest of the bar. Placed anywhere, it goes to the bottom of its
// parent in its own height.
class TStatusBar : public TWinControl {
 public:
  TStatusBar(TWinControl& parent, const std::vector<int>& panelWidths, const TDesign& design = {});
  void SetPanelText(int panel, std::string_view text);
  std::string PanelText(int panel) const;
};
