#pragma once

#include <cstdint>
#include <vector>

// Window states as stored: normal, minimised, maximised.
enum TWindowState : int32_t { wsNormal, wsMinimized, wsMaximized };

// Where a window is: its state and the bounds it has when neither minimised nor
// maximised, in screen pixels.
struct TPlacement {
  int32_t State = wsNormal;
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

struct TScreenArea {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// A window whose placement can be read and set.
class PlacedWindow {
 public:
  virtual TPlacement Placement() const = 0;
  virtual void ApplyPlacement(const TPlacement& placement) = 0;
  // The work areas of the monitors, and the window's smallest size.
  virtual std::vector<TScreenArea> MonitorWorkAreas() const = 0;
  virtual int MinimumWidth() const = 0;
  virtual int MinimumHeight() const = 0;

 protected:
  ~PlacedWindow() = default;
};

// A stored placement made fit to show: the low byte of the state, anything above
// maximised taken as normal; the size at least the minimum; and bounds that lie
// entirely off every monitor moved onto the nearest one.
TPlacement UsablePlacement(TPlacement stored, const std::vector<TScreenArea>& workAreas, int minimumWidth,
                           int minimumHeight);
