#include "gui/GraphicControl.h"

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();  // where it was
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();  // where it is now
}

void TGraphicControl::MouseDown(TMouseButton, TShiftState, int, int) {}
void TGraphicControl::MouseUp(TMouseButton, TShiftState, int, int) {}
void TGraphicControl::MouseMove(TShiftState, int, int) {}
void TGraphicControl::DblClick() {}
