#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gui/Layout.h"

namespace {

// A control that keeps the bounds it is given, or grows to the width its text needs.
struct Recorder : TPlaced {
  void SetBounds(int left, int top, int width, int height) override {
    Placed = {left, top, std::max(width, TextWidth), height};
  }
  TRect Bounds() const override { return Placed; }
  const TPlaced* Container() const override { return In; }
  bool IsFrame() const override { return Frame; }
  TRect Placed;
  int TextWidth = 0;
  const TPlaced* In = nullptr;
  bool Frame = false;
};

constexpr TSize kDesignClient{410, 270};

// The design client size at each resolution, grown by 40 x 30 screen pixels.
TSize Grown(const DpiScale& scale) { return {scale(410) + 40, scale(270) + 30}; }

TEST(Layout, ScalesDesignBoundsAtEachResolution) {
  for (const auto& [dpi, expected] : std::vector<std::pair<int, TRect>>{
           {96, {256, 224, 62, 25}}, {120, {320, 280, 78, 31}}, {144, {384, 336, 93, 38}}}) {
    const DpiScale scale(dpi);
    const TSize client{scale(410), scale(270)};
    EXPECT_EQ(PlacedBounds({.Bounds = {256, 224, 62, 25}}, kDesignClient, client, scale), expected) << dpi;
  }
}

TEST(Layout, AnchoredEdgesFollowTheGrowthBeyondTheScaledDesignAndAlignedOnesLineTheirEdge) {
  for (const int dpi : {96, 120, 144}) {
    const DpiScale scale(dpi);
    const TSize grown = Grown(scale);
    const TRect design{8, 8, 100, 50};
    EXPECT_EQ(PlacedBounds({.Bounds = design, .Anchors = akRight | akBottom}, kDesignClient, grown, scale),
              (TRect{scale(8) + 40, scale(8) + 30, scale(100), scale(50)})) << dpi;
    EXPECT_EQ(PlacedBounds({.Bounds = design, .Anchors = kAllSides}, kDesignClient, grown, scale),
              (TRect{scale(8), scale(8), scale(100) + 40, scale(50) + 30})) << dpi;
    EXPECT_EQ(PlacedBounds({.Bounds = design, .Align = TAlign::Bottom}, kDesignClient, grown, scale),
              (TRect{0, grown.Height - scale(50), grown.Width, scale(50)})) << dpi;
  }
  // Shrunk below its design, a stretched control never gets a negative size.
  EXPECT_EQ(PlacedBounds({.Bounds = {0, 0, 20, 20}, .Anchors = kAllSides}, kDesignClient, {100, 100}, DpiScale(96)),
            (TRect{0, 0, 0, 0}));
}

TEST(Layout, ATextNeedingMoreRoomMovesWhatFollowsOnItsLineAndWidensItsFrame) {
  // "Repeat scan every [10] minutes" in a frame, the box's caption 20 pixels wider than designed.
  Recorder frame, box, spin, unit, beside, elsewhere;
  frame.Frame = true;
  box.In = spin.In = unit.In = &frame;
  box.TextWidth = 120;
  TLayout layout(kDesignClient);
  const auto add = [&](Recorder& control, TRect bounds) { layout.Add(control, {.Bounds = bounds}, kDesignClient, DpiScale(96)); };
  add(frame, {16, 8, 241, 105});
  add(box, {16, 40, 100, 17});
  add(spin, {136, 40, 49, 22});
  add(unit, {192, 41, 40, 13});
  add(beside, {264, 16, 127, 65});
  add(elsewhere, {200, 40, 40, 13});
  for (int times = 0; times < 2; ++times) {  // placed again from the design, not further
    layout.Apply(kDesignClient, DpiScale(96));
    EXPECT_EQ(spin.Placed, (TRect{140, 40, 49, 22}));  // a small gap kept
    EXPECT_EQ(unit.Placed, (TRect{193, 41, 40, 13}));
    EXPECT_EQ(frame.Placed, (TRect{16, 8, 249, 105}));  // as much room on the right as on the left
    EXPECT_EQ(beside.Placed, (TRect{269, 16, 127, 65}));  // the wider frame moves its own line
    EXPECT_EQ(elsewhere.Placed, (TRect{200, 40, 40, 13}));  // in another window: no neighbour
  }
}

TEST(Layout, AColumnMovesAsOneAndWhatStretchesKeepsItsRightEdge) {
  // Captions and values: one caption runs into its value.
  Recorder shortCaption, longCaption, value, stretched;
  longCaption.TextWidth = 100;
  TLayout layout(kDesignClient);
  const auto add = [&](Recorder& control, const TDesign& design) {
    layout.Add(control, design, kDesignClient, DpiScale(96));
  };
  add(shortCaption, {.Bounds = {16, 56, 80, 13}});
  add(value, {.Bounds = {104, 56, 225, 13}});
  add(longCaption, {.Bounds = {16, 116, 80, 13}});
  add(stretched, {.Bounds = {104, 116, 225, 13}, .Anchors = akLeft | akTop | akRight});
  layout.Apply(kDesignClient, DpiScale(96));
  EXPECT_EQ(stretched.Placed, (TRect{120, 116, 209, 13}));
  EXPECT_EQ(value.Placed, (TRect{120, 56, 225, 13}));
}

TEST(Layout, CentresWithDivisionsTruncated) {
  EXPECT_EQ(Centred({400, 301}, {0, 0, 1025, 768}), (TRect{312, 233, 400, 301}));
  EXPECT_EQ(Centred({1000, 600}, {0, 0, 801, 600}).Left, -99);
  EXPECT_EQ(Centred({100, 100}, {50, 20, 300, 200}), (TRect{150, 70, 100, 100}));
}

}  // namespace
