#pragma once

#include "gui/GraphicControl.h"

// A host that counts repaint requests and holds the mouse for whichever control a
// test says.
class FakeGraphicHost : public GraphicHost {
 public:
  void InvalidateControl(TGraphicControl&) override { ++Repaints; }
  bool HoldsMouseFor(const TGraphicControl& control) const override { return Holding == &control; }
  int Repaints = 0;
  const TGraphicControl* Holding = nullptr;
};
