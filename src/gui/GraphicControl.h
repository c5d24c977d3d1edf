#pragma once

#include "gui/Component.h"

class TGraphicControl;

// The window that a graphic control is drawn on. It repaints the control's area on
// request and passes it the mouse.
class GraphicHost {
 public:
  virtual void InvalidateControl(TGraphicControl& control) = 0;

 protected:
  ~GraphicHost() = default;
};

// A control without a window of its own, drawn on its host window.
class TGraphicControl : public TComponent {
 public:
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
  }

  void SetHost(GraphicHost* host) { host_ = host; }
  GraphicHost* Host() const { return host_; }

  // Asks the host to repaint this control; nothing while it has no host.
  void Invalidate() {
    if (host_) host_->InvalidateControl(*this);
  }

 private:
  GraphicHost* host_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
};
