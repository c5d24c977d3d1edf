#include "app/MainLayout.h"

#include <algorithm>

MainLayout LayOutMainWindow(const MainLayoutInput& in, const DpiScale& scale) {
  MainLayout out;
  out.ListLeft = in.ClientWidth - in.ListWidth - scale(5);
  out.ListHeight =
      std::max(0, in.ClientHeight - in.SpeedPanelHeight - in.StatusBarHeight - in.CancelHeight - scale(24));
  out.CancelLeft = out.ListLeft;
  out.UpLeft = out.CancelLeft + in.CancelWidth + scale(8);
  out.ExitLeft = out.UpLeft + in.UpWidth + scale(8);
  out.ButtonsTop = in.ListTop + out.ListHeight + scale(7);
  out.MaxPathTop = out.ButtonsTop + in.CancelHeight - in.MaxPathHeight;
  out.ChartSide = std::max(0, std::min(out.ListLeft - scale(12),
                                       in.ClientHeight - in.SpeedPanelHeight - in.StatusBarHeight - scale(12)));
  return out;
}
