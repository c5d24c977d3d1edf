#include "gui/Placement.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

bool Overlaps(const TPlacement& window, const TScreenArea& area) {
  return window.Left < area.Right && area.Left < window.Left + window.Width && window.Top < area.Bottom &&
         area.Top < window.Top + window.Height;
}

// How far apart a window and an area are: the sum of the horizontal and vertical gaps.
long long Gap(const TPlacement& window, const TScreenArea& area) {
  const long long right = static_cast<long long>(window.Left) + window.Width;
  const long long bottom = static_cast<long long>(window.Top) + window.Height;
  const long long dx = std::max({0LL, area.Left - right, window.Left - static_cast<long long>(area.Right)});
  const long long dy = std::max({0LL, area.Top - bottom, window.Top - static_cast<long long>(area.Bottom)});
  return dx + dy;
}

int32_t Within(int32_t position, int32_t size, int low, int high) {
  return std::max(low, std::min(position, high - size));
}

}  // namespace

TPlacement UsablePlacement(TPlacement stored, const std::vector<TScreenArea>& workAreas, int minimumWidth,
                           int minimumHeight) {
  TPlacement placement = stored;
  placement.State = stored.State & 0xFF;
  if (placement.State > wsMaximized) placement.State = wsNormal;
  placement.Width = std::max(placement.Width, minimumWidth);
  placement.Height = std::max(placement.Height, minimumHeight);
  if (workAreas.empty()) return placement;
  if (std::any_of(workAreas.begin(), workAreas.end(),
                  [&](const TScreenArea& area) { return Overlaps(placement, area); }))
    return placement;
  const TScreenArea& nearest = *std::min_element(
      workAreas.begin(), workAreas.end(),
      [&](const TScreenArea& a, const TScreenArea& b) { return Gap(placement, a) < Gap(placement, b); });
  placement.Left = Within(placement.Left, placement.Width, nearest.Left, nearest.Right);
  placement.Top = Within(placement.Top, placement.Height, nearest.Top, nearest.Bottom);
  return placement;
}
