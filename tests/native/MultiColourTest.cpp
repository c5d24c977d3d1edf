#include <gtest/gtest.h>

#include <tuple>

#include "FakeGraphicHost.h"
#include "chart/MultiColour.h"

namespace {

// The palette is all there is to test; the control draws nothing itself.
class PaletteControl : public TMultiColourControl {
 public:
  explicit PaletteControl(GraphicHost& host) : TMultiColourControl(host, {}) {}
  void Paint(TCanvas&) override {}
};

class ColourList : public ::testing::Test {
 protected:
  ColourList() {
    control.OnColourChange = [this](TComponent& sender) {
      EXPECT_EQ(&sender, &control);
      ++events;
    };
  }
  FakeGraphicHost host;
  PaletteControl control{host};
  int events = 0;
};

constexpr const char* kDesignColours = "$00E0E0FF,$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF";

TEST_F(ColourList, SplitsOnCommasAndBlanksAndKeepsAtMostEight) {
  control.SetColours("$FF, $FF00");
  EXPECT_EQ(control.Colours(), "$000000FF,$0000FF00");
  control.SetColours("  $FF $FF00  ");
  EXPECT_EQ(control.Colours(), "$000000FF,$0000FF00");
  control.SetColours("1,2,3,4,5,6,7,8,9,10");
  EXPECT_EQ(control.NumColours(), 8);
  EXPECT_EQ(control.ColourTable[7], 8);
  control.SetColours("\"255\",16711680,");  // quotes, decimal, a comma at the end
  EXPECT_EQ(control.Colours(), "$000000FF,$00FF0000");
  EXPECT_EQ(events, 4);
  const int repaints = host.Repaints;
  control.SetColours("");  // no colours, yet a repaint and an event
  EXPECT_EQ(std::tuple(control.NumColours(), host.Repaints, events), std::tuple(0, repaints + 1, 5));
}

TEST_F(ColourList, AnUnreadableItemLeavesNoColoursAndNoEvent) {
  control.SetColours("$FF,zz");
  EXPECT_EQ(control.NumColours(), 0);
  EXPECT_EQ(control.ColourTable[0], 0xFF);                // converted before the bad item
  EXPECT_EQ(control.ColourTable[1], Rgb(255, 255, 224));  // untouched after it
  EXPECT_EQ(control.Colours(), "");
  control.SetColours("$FF,,$FF00");
  EXPECT_EQ(control.NumColours(), 0);
  EXPECT_EQ(host.Repaints, 0);
  EXPECT_EQ(events, 0);
}

TEST_F(ColourList, NumColoursTakesOneToEightAndBringsBackStoredSlots) {
  control.SetNumColours(0);
  control.SetNumColours(9);
  EXPECT_EQ(control.NumColours(), 6);
  EXPECT_EQ(host.Repaints, 0);
  control.SetNumColours(8);
  EXPECT_EQ(control.NumColours(), 8);
  EXPECT_EQ(control.Colours(), std::string(kDesignColours) + ",$00FFFFFF,$00E0E0E0");
  EXPECT_EQ(host.Repaints, 1);
  EXPECT_EQ(events, 0);
  control.SetColours("1,2,3");  // default colours refill every slot but keep the count
  control.SetDefaultColours();
  EXPECT_EQ(control.Colours(), "$00E0E0FF,$00E0FFFF,$00E0FFE0");
}

TEST(CommaText, FollowsTheStringListRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitCommaText(""), V{});
  EXPECT_EQ(SplitCommaText("a,,b"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitCommaText("a,"), V{"a"});
  EXPECT_EQ(SplitCommaText(",a"), (V{"", "a"}));
  EXPECT_EQ(SplitCommaText("\"x, \"\"y\"\"\" z"), (V{"x, \"y\"", "z"}));
  EXPECT_EQ(SplitCommaText("\"open"), V{"open"});
  EXPECT_EQ(SplitCommaText("\t a \r\n, b "), (V{"a", "b"}));
}

}  // namespace
