#pragma once

#include <string>

#include "gui/Canvas.h"
#include "gui/Component.h"
#include "gui/Font.h"
#include "gui/Layout.h"
#include "gui/Mouse.h"

class TGraphicControl;

// The window that graphic controls are drawn on. It repaints a control's area on
// request, paints it, and passes it the mouse.
class GraphicHost {
 public:
  // Takes a control made on it, as designed.
  virtual void AddGraphic(TGraphicControl& control, const TDesign& design) = 0;
  virtual void InvalidateControl(TGraphicControl& control) = 0;
  // Whether the mouse is held for that control: pressed on it and not yet released.
  virtual bool HoldsMouseFor(const TGraphicControl& control) const = 0;

 protected:
  ~GraphicHost() = default;
};

// A control without a window of its own, drawn on its host window. Coordinates of the
// mouse handlers are the control's own, in pixels.
class TGraphicControl : public TComponent, public TPlaced {
 public:
  // Made on its host, as designed.
  TGraphicControl(GraphicHost& host, const TDesign& design) { host.AddGraphic(*this, design); }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height) override;
  TRect BoundsRect() const { return {left_, top_, width_, height_}; }
  TRect Bounds() const override { return BoundsRect(); }
  const TPlaced* Container() const override { return dynamic_cast<const TPlaced*>(host_); }
  bool Contains(int hostX, int hostY) const {
    return hostX >= left_ && hostX < left_ + width_ && hostY >= top_ && hostY < top_ + height_;
  }

  // The host it is drawn on; none once the host has gone.
  void SetHost(GraphicHost* host) { host_ = host; }

  // Asks the host to repaint this control; nothing while it has no host.
  void Invalidate() {
    if (host_) host_->InvalidateControl(*this);
  }
  bool HoldsMouse() const { return host_ && host_->HoldsMouseFor(*this); }

  TFont Font;

  virtual void Paint(TCanvas& canvas) = 0;
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Only while a button is held down on this control.
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void DblClick();

 private:
  GraphicHost* host_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
};
