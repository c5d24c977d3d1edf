#pragma once

#include <vector>

#include "gui/win32/WinControl.h"

// The bar at the bottom of a window, in panels of given widths; the last one takes
// the rest of the bar. It keeps itself at the bottom of its parent.
class TStatusBar : public TWinControl {
 public:
  TStatusBar(TWinControl& parent, const std::vector<int>& panelWidths);
  void SetPanelText(int panel, std::string_view text);
  std::string PanelText(int panel) const;
  // Follows the parent's new size; call from the parent's resize.
  void ParentResized();
};
