#pragma once

#include <memory>

#include "gui/Picture.h"
#include "gui/win32/framework/CustomControl.h"

// A picture: an icon drawn to fill the control's bounds. It owns its icon.
class TImage : public TCustomControl {
 public:
  explicit TImage(TWinControl& parent, const TDesign& design = {});
  // Takes the icon, giving back the one held before.
  void SetIcon(Icon icon);
  // Shows a picture the platform made, an icon; keeps what it showed for none.
  void SetPicture(std::unique_ptr<TPicture> picture);

 protected:
  void PaintWindow(HDC dc, const RECT& client) override;

 private:
  Icon icon_;
};

// A sunken line across a form, separating groups of controls.
class TBevel : public TWinControl {
 public:
  explicit TBevel(TWinControl& parent, const TDesign& design = {});
};
