#pragma once

#include "gui/win32/WinControl.h"

// A raised area that holds other controls, framed by a lowered outer and a raised
// inner bevel.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TWinControl& parent);

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
