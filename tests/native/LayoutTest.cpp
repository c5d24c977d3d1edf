#include <gtest/gtest.h>

#include <vector>

#include "gui/Layout.h"

namespace {

struct Recorder : TPlaced {
  void SetBounds(int left, int top, int width, int height) override { Bounds = {left, top, width, height}; }
  TRect Bounds;
};

constexpr TSize kDesignClient{410, 270};

// The design client size at each resolution, grown by 40 x 30 screen pixels.
TSize Grown(const DpiScale& scale) { return {scale(410) + 40, scale(270) + 30}; }

TEST(Layout, ScalesDesignBoundsAtEachResolution) {
  for (const auto& [dpi, expected] : std::vector<std::pair<int, TRect>>{
           {96, {256, 224, 62, 25}}, {120, {320, 280, 78, 31}}, {144, {384, 336, 93, 38}}}) {
    const DpiScale scale(dpi);
    const TSize client{scale(410), scale(270)};
    EXPECT_EQ(PlacedBounds({256, 224, 62, 25}, kTopLeft, kDesignClient, client, scale), expected) << dpi;
  }
}

TEST(Layout, AnchoredEdgesFollowTheGrowthBeyondTheScaledDesign) {
  for (const int dpi : {96, 120, 144}) {
    const DpiScale scale(dpi);
    const TRect design{8, 8, 100, 50};
    const TRect still = PlacedBounds(design, kTopLeft, kDesignClient, Grown(scale), scale);
    EXPECT_EQ(still, (TRect{scale(8), scale(8), scale(100), scale(50)})) << dpi;
    const TRect moved = PlacedBounds(design, akRight | akBottom, kDesignClient, Grown(scale), scale);
    EXPECT_EQ(moved, (TRect{scale(8) + 40, scale(8) + 30, scale(100), scale(50)})) << dpi;
    const TRect stretched = PlacedBounds(design, kAllSides, kDesignClient, Grown(scale), scale);
    EXPECT_EQ(stretched, (TRect{scale(8), scale(8), scale(100) + 40, scale(50) + 30})) << dpi;
  }
  // Shrunk below its design, a stretched control never gets a negative size.
  EXPECT_EQ(PlacedBounds({0, 0, 20, 20}, kAllSides, kDesignClient, {100, 100}, DpiScale(96)).Width, 0);
}

TEST(Layout, AppliesEveryRowInOneGoAndTakesADerivedFormsChanges) {
  Recorder ok, cancel, extra;
  TLayout layout(kDesignClient, {{ok, {256, 224, 62, 25}}, {cancel, {336, 224, 62, 25}, akRight}});
  layout.Apply({420, 270}, DpiScale(96));
  EXPECT_EQ(ok.Bounds, (TRect{256, 224, 62, 25}));
  EXPECT_EQ(cancel.Bounds, (TRect{346, 224, 62, 25}));
  layout.Override({{cancel, {10, 10, 50, 20}}, {extra, {1, 2, 3, 4}}});
  layout.Apply({420, 270}, DpiScale(96));
  EXPECT_EQ(cancel.Bounds, (TRect{10, 10, 50, 20}));
  EXPECT_EQ(extra.Bounds, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(ok.Bounds, (TRect{256, 224, 62, 25}));
}

TEST(Layout, CentresWithDivisionsTruncated) {
  EXPECT_EQ(Centred({400, 301}, {0, 0, 1025, 768}), (TRect{312, 233, 400, 301}));
  EXPECT_EQ(Centred({1000, 600}, {0, 0, 801, 600}).Left, -99);
  EXPECT_EQ(Centred({100, 100}, {50, 20, 300, 200}), (TRect{150, 70, 100, 100}));
}

TEST(Layout, RadioItemsShareTheGroupBelowItsCaption) {
  const DpiScale scale(96);
  EXPECT_EQ(RadioItemBounds({129, 105}, 5, 0, 13, scale), (TRect{8, 15, 113, 17}));
  EXPECT_EQ(RadioItemBounds({129, 105}, 5, 4, 13, scale), (TRect{8, 15 + 4 * 17, 113, 17}));
}

}  // namespace
