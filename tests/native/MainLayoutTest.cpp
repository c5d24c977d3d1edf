#include <gtest/gtest.h>

#include <string>

#include "app/MainLayout.h"
#include "app/RepeatTimer.h"

namespace {

// The chart at every resolution, from the smallest window up: square, inside the
// client area between the tool bar and the status bar, and clear of the list.
TEST(MainLayout, TheChartStaysSquareInsideTheClientAreaAndClearOfTheList) {
  for (const int ppi : {96, 120, 144}) {
    const DpiScale scale(ppi);
    const int toolBar = scale(30), statusBar = scale(20);
    for (int width = scale(542); width < 2400; width += 37)
      for (int height = scale(364); height < 1600; height += 41) {
        // The list as its anchors place it: at the right edge, between the tool bar and the buttons.
        const TRect list{width - scale(214), scale(40), scale(209), height - scale(99)};
        const TRect chart = ChartBounds(list, {width, height}, toolBar, statusBar, scale);
        const std::string at = std::to_string(ppi) + " " + std::to_string(width) + "x" + std::to_string(height);
        ASSERT_EQ(chart.Width, chart.Height) << at;
        ASSERT_GT(chart.Width, 0) << at;
        ASSERT_GE(chart.Top, toolBar) << at;
        ASSERT_LE(chart.Bottom(), height - statusBar) << at;
        ASSERT_LT(chart.Right(), list.Left) << at;
      }
  }
  // A window shrunk to nothing (minimised) gives no negative size.
  EXPECT_EQ(ChartBounds({0, 40, 209, 0}, {0, 0}, 30, 20, DpiScale(96)).Width, 0);
}

TEST(RepeatTimer, KeepsTheIntervalWithinWhatATimerCanRun) {
  EXPECT_EQ(RepeatTimerInterval(1440), 86400000u);
  EXPECT_EQ(RepeatTimerInterval(-5), 60000u);
  EXPECT_EQ(RepeatTimerInterval(35792), 2147460000u);  // one more would pass 2^31 ms
  EXPECT_EQ(RepeatTimerInterval(INT32_MAX), 2147460000u);
}

}  // namespace
