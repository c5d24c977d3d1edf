#pragma once

#include "gui/win32/WinControl.h"

// A window timer that calls OnTimer every Interval milliseconds while enabled.
class TTimer : public TComponent {
 public:
  TTimer(unsigned interval, bool enabled);
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  // Takes effect at once; a running timer starts counting anew.
  void SetInterval(unsigned interval);
  unsigned Interval() const { return interval_; }

  TNotifyEvent OnTimer;

 protected:
  virtual void DoTimer();

 private:
  // A message-only window that receives the ticks.
  class Window : public TWinControl {
   public:
    explicit Window(TTimer& timer);

   protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    TTimer& timer_;
  };

  void Update();
  unsigned interval_;
  bool enabled_;
  Window window_;
};
