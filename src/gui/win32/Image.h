#pragma once

#include "gui/win32/CustomControl.h"

// A picture: an icon drawn to fill the control's bounds. It owns its icon.
class TImage : public TCustomControl {
 public:
  explicit TImage(TWinControl& parent);
  // Takes the icon, giving back the one held before.
  void SetIcon(Icon icon);

 protected:
  void PaintWindow(HDC dc, const RECT& client) override;

 private:
  Icon icon_;
};

// A sunken line across a form, separating groups of controls.
class TBevel : public TWinControl {
 public:
  explicit TBevel(TWinControl& parent);
};
