#pragma once

#include <memory>

#include "gui/Canvas.h"
#include "gui/GraphicControl.h"
#include "gui/Ticker.h"

// A flat button that repeats its click while it is held down: one click 400 ms after
// the press and then one every 100 ms while the mouse stays on it, and one more when
// it is let go over it.
class TTimerSpeedButton : public TGraphicControl {
 public:
  // `makeTimer` makes the repeat timer on the first press that needs it.
  TTimerSpeedButton(GraphicHost& host, TTickerFactory makeTimer);

  bool FocusFrame = false;  // a focus rectangle on the button
  bool AutoRepeat = true;   // pressing starts the repeat timer
  const TBitmapImage* Glyph = nullptr;

  bool Pressed() const { return pressed_; }
  // Clicks the button as a release over it does.
  void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnPress;  // the left button went down on it

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void RepeatTick();
  void SetPressed(bool pressed);

  TTickerFactory makeTimer_;
  std::unique_ptr<TTicker> repeatTimer_;
  bool pressed_ = false;
  bool held_ = false;  // the left button went down here and is not yet up
};
