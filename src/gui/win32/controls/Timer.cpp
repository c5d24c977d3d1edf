#include "gui/win32/controls/Timer.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::Window::Window(TTimer& timer, std::string_view name) : timer_(timer) {
  CreateHandle(OwnWindowClass(L"VelmoraTimer", 0, nullptr), 0, 0, HWND_MESSAGE, name);
}

bool TTimer::Window::Tick(UINT_PTR id) {
  if (id != kTimerId) return false;
  timer_.DoTimer();
  return true;
}

void TTimer::Window::HandlerFailed(UINT message, WPARAM wParam) noexcept {
  TWinControl::HandlerFailed(message, wParam);
  if (message == WM_TIMER && wParam == kTimerId) timer_.enabled_ = false;
}

TTimer::TTimer(const TTimerOptions& options)
    : OnTimer(options.OnTimer), interval_(options.Interval), enabled_(options.Enabled), window_(*this, options.Name) {
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Update();
}

void TTimer::Update() {
  KillTimer(window_.Handle(), kTimerId);
  if (enabled_ && interval_ > 0) SetTimer(window_.Handle(), kTimerId, interval_, nullptr);
}

void TTimer::DoTimer() {
  if (OnTimer) OnTimer(*this);
}

namespace {

class TimerTicker : public TTicker {
 public:
  TimerTicker() {
    timer_.OnTimer = [this](TComponent&) {
      if (OnTick) OnTick();
    };
  }
  void SetInterval(unsigned milliseconds) override { timer_.SetInterval(milliseconds); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }

 private:
  TTimer timer_{{.Enabled = false}};
};

}  // namespace

std::unique_ptr<TTicker> MakeTicker() { return std::make_unique<TimerTicker>(); }
