#pragma once

#include <vector>

#include "gui/Colour.h"
#include "gui/GraphicControl.h"
#include "gui/win32/framework/WinControl.h"

// A window of this layer's own class that paints itself off-screen, so nothing
// flickers (and into any device context that asks for it, WM_PRINTCLIENT), and hosts
// graphic controls: it paints them over its background and hands them the mouse,
// holding it for the one pressed until the button is released.
class TCustomControl : public TWinControl, public GraphicHost {
 public:
  ~TCustomControl() override;

  void AddGraphic(TGraphicControl& control, const TDesign& design) override;
  void InvalidateControl(TGraphicControl& control) override;
  bool HoldsMouseFor(const TGraphicControl& control) const override;

  TColor Color = clBtnFace;

 protected:
  TCustomControl() = default;
  // Makes the window as designed, of a class of its own for each name.
  void CreateCustom(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, std::string_view text = {},
                    const TDesign& design = {});

  // What lies under the graphic controls; the area is filled in Color before.
  virtual void PaintWindow(HDC /*dc*/, const RECT& /*client*/) {}

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Draws `area` of the client area onto `target`: composed in memory, put in one go.
  void Compose(HDC target, const RECT& area);
  void RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);
  TGraphicControl* GraphicAt(int x, int y) const;

  std::vector<TGraphicControl*> graphics_;
  TGraphicControl* mouseControl_ = nullptr;  // the one that got the press, until release
};
