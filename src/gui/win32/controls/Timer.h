#pragma once

#include <memory>
#include <string>

#include "gui/Ticker.h"
#include "gui/win32/framework/WinControl.h"

struct TTimerOptions {
  unsigned Interval = 1000;  // milliseconds
  bool Enabled = true;
  TNotifyEvent OnTimer;
  std::string Name;  // the caption of its window, by which tools tell timers apart
};

// A window timer that calls OnTimer every Interval milliseconds while enabled; an
// OnTimer that fails disables it.
class TTimer : public TComponent {
 public:
  explicit TTimer(const TTimerOptions& options);
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
    Window(TTimer& timer, std::string_view name);

   protected:
    bool Tick(UINT_PTR id) override;
    // A timer whose handler failed is turned off, as a user would see it.
    void HandlerFailed(UINT message, WPARAM wParam) noexcept override;

   private:
    TTimer& timer_;
  };

  void Update();
  unsigned interval_;
  bool enabled_;
  Window window_;
};

// A window timer for a control that makes its timer when it first needs one.
std::unique_ptr<TTicker> MakeTicker();
