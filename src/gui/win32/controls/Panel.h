#pragma once

#include <string>

#include "gui/win32/framework/CustomControl.h"

struct TPanelOptions {
  std::string Caption;  // centred in the panel
};

// A raised area that holds other controls, windowed and graphic, framed by a lowered
// outer and a raised inner bevel.
class TPanel : public TCustomControl {
 public:
  explicit TPanel(TWinControl& parent, const TPanelOptions& options = {}, const TDesign& design = {});
  void SetCaption(std::string_view caption);

 protected:
  void PaintWindow(HDC dc, const RECT& client) override;
  void Resized() override { Invalidate(); }  // the frame moves with the size
};
