#include <gtest/gtest.h>

#include "app/MainLayout.h"
#include "app/RepeatTimer.h"

namespace {

MainLayoutInput Designed(int clientWidth, int clientHeight, const DpiScale& scale) {
  MainLayoutInput input;
  input.ClientWidth = clientWidth;
  input.ClientHeight = clientHeight;
  input.SpeedPanelHeight = scale(30);
  input.StatusBarHeight = scale(19);
  input.ListTop = scale(40);
  input.ListWidth = scale(209);
  input.CancelWidth = scale(65);
  input.CancelHeight = scale(25);
  input.UpWidth = scale(49);
  input.MaxPathHeight = scale(13);
  return input;
}

TEST(MainLayout, PlacesListButtonsLabelAndChartAtDesignSize) {
  const MainLayout layout = LayOutMainWindow(Designed(542, 356, DpiScale(96)), DpiScale(96));
  EXPECT_EQ(layout.ListLeft, 328);
  EXPECT_EQ(layout.ListHeight, 258);
  EXPECT_EQ(layout.CancelLeft, 328);
  EXPECT_EQ(layout.UpLeft, 401);
  EXPECT_EQ(layout.ExitLeft, 458);
  EXPECT_EQ(layout.ButtonsTop, 305);
  EXPECT_EQ(layout.MaxPathTop, 317);
  EXPECT_EQ(layout.ChartSide, 295);
}

TEST(MainLayout, ScalesItsMarginsWithTheScreen) {
  const DpiScale scale(144);
  const MainLayout layout = LayOutMainWindow(Designed(813, 534, scale), scale);
  EXPECT_EQ(layout.ListLeft, 813 - 314 - 8);
  EXPECT_EQ(layout.ListHeight, 534 - 45 - 29 - 38 - 36);
  EXPECT_EQ(layout.UpLeft, layout.CancelLeft + 98 + 12);
  EXPECT_EQ(layout.ButtonsTop, 60 + layout.ListHeight + 11);
  EXPECT_EQ(layout.ChartSide, 534 - 45 - 29 - 18);
}

TEST(MainLayout, ChartStaysSquareLeftOfTheListAtEverySizeAndScale) {
  for (const int ppi : {96, 120, 144, 192}) {
    const DpiScale scale(ppi);
    for (int width = scale(542); width < 2400; width += 37)
      for (int height = scale(356); height < 1600; height += 41) {
        const MainLayoutInput input = Designed(width, height, scale);
        const MainLayout layout = LayOutMainWindow(input, scale);
        const int chartLeft = scale(5);
        const int chartTop = scale(37);
        ASSERT_LT(chartLeft + layout.ChartSide, layout.ListLeft) << ppi << " " << width << "x" << height;
        ASSERT_LE(chartTop + layout.ChartSide, height - input.StatusBarHeight) << ppi << " " << width << "x" << height;
        ASSERT_LE(layout.ExitLeft + input.CancelWidth, layout.ListLeft + input.ListWidth) << ppi << " " << width;
      }
  }
}

TEST(MainLayout, AMinimisedWindowGivesNoNegativeSizes) {
  const MainLayout layout = LayOutMainWindow(Designed(0, 0, DpiScale(96)), DpiScale(96));
  EXPECT_EQ(layout.ChartSide, 0);
  EXPECT_EQ(layout.ListHeight, 0);
}

TEST(RepeatTimer, KeepsTheIntervalWithinWhatATimerCanRun) {
  EXPECT_EQ(RepeatTimerInterval(10), 600000u);
  EXPECT_EQ(RepeatTimerInterval(1440), 86400000u);
  EXPECT_EQ(RepeatTimerInterval(0), 60000u);
  EXPECT_EQ(RepeatTimerInterval(-5), 60000u);
  EXPECT_EQ(RepeatTimerInterval(35791), 2147460000u);
  EXPECT_EQ(RepeatTimerInterval(35792), 2147460000u);  // one more would pass 2^31 ms
  EXPECT_EQ(RepeatTimerInterval(INT32_MAX), 2147460000u);
}

}  // namespace
