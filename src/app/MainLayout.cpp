#include "app/MainLayout.h"

#include <algorithm>

TRect ChartBounds(const TRect& list, TSize client, int toolBarHeight, int statusBarHeight, const DpiScale& scale) {
  const int side =
      std::max(0, std::min(list.Left - scale(12), client.Height - toolBarHeight - statusBarHeight - scale(12)));
  return {scale(5), scale(37), side, side};
}
