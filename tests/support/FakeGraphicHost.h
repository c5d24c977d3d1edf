#pragma once

#include "gui/GraphicControl.h"

// A host that places its controls as designed, counts repaint requests and holds
// the mouse for whichever control a test says.
class FakeGraphicHost : public GraphicHost {
 public:
  void AddGraphic(TGraphicControl& control, const TDesign& design) override {
    control.SetHost(this);
    control.SetBounds(design.Bounds.Left, design.Bounds.Top, design.Bounds.Width, design.Bounds.Height);
  }
  void InvalidateControl(TGraphicControl&) override { ++Repaints; }
  bool HoldsMouseFor(const TGraphicControl& control) const override { return Holding == &control; }
  int Repaints = 0;
  const TGraphicControl* Holding = nullptr;
};
