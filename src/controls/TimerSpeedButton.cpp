#include "controls/TimerSpeedButton.h"

#include "controls/SpinRules.h"

TTimerSpeedButton::TTimerSpeedButton(GraphicHost& host, TTickerFactory makeTimer)
    : TGraphicControl(host, {}), makeTimer_(std::move(makeTimer)) {}

void TTimerSpeedButton::Click() {
  if (OnClick) OnClick(*this);
}

void TTimerSpeedButton::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  Invalidate();
}

void TTimerSpeedButton::MouseDown(TMouseButton button, TShiftState, int, int) {
  if (button != TMouseButton::Left) return;
  held_ = true;
  SetPressed(true);
  if (OnPress) OnPress(*this);
  if (!AutoRepeat) return;
  if (!repeatTimer_) {
    repeatTimer_ = makeTimer_();
    repeatTimer_->OnTick = [this] { RepeatTick(); };
  }
  repeatTimer_->SetInterval(kFirstRepeatMs);
  repeatTimer_->SetEnabled(true);
}

void TTimerSpeedButton::MouseMove(TShiftState, int x, int y) {
  // Held down, the button shows pressed only while the mouse is on it.
  if (held_) SetPressed(x >= 0 && y >= 0 && x < Width() && y < Height());
}

void TTimerSpeedButton::MouseUp(TMouseButton button, TShiftState, int, int) {
  if (button != TMouseButton::Left || !held_) return;
  held_ = false;
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
  const bool over = pressed_;
  SetPressed(false);
  if (over) Click();
}

void TTimerSpeedButton::RepeatTick() {
  repeatTimer_->SetInterval(kRepeatMs);
  if (!pressed_ || !HoldsMouse()) return;
  try {
    Click();
  } catch (...) {
    repeatTimer_->SetEnabled(false);  // no error again every 100 ms
    throw;
  }
}

void TTimerSpeedButton::Paint(TCanvas& canvas) {
  const TRect area{0, 0, Width(), Height()};
  canvas.BrushColor = clBtnFace;
  canvas.FillRect(area);
  canvas.DrawEdge(area, pressed_ ? TEdge::Sunken : TEdge::Raised);
  const int shift = pressed_ ? 1 : 0;
  if (Glyph) canvas.DrawGlyph((Width() - Glyph->Width) / 2 + shift, (Height() - Glyph->Height) / 2 + shift, *Glyph);
  if (FocusFrame) canvas.DrawFocusRect({3 + shift, 3 + shift, Width() - 6, Height() - 6});
}
