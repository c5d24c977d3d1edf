#include "gui/win32/Timer.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::Window::Window(TTimer& timer) : timer_(timer) {
  CreateHandle(OwnWindowClass(L"VelmoraTimer", 0, nullptr), 0, 0, HWND_MESSAGE);
}

LRESULT TTimer::Window::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    timer_.DoTimer();
    return 0;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

TTimer::TTimer(unsigned interval, bool enabled) : interval_(interval), enabled_(enabled), window_(*this) {
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
