#include <gtest/gtest.h>

#include <limits>

#include "FakeGraphicHost.h"
#include "RecordingCanvas.h"
#include "controls/SpinRules.h"
#include "controls/TimerSpeedButton.h"

namespace {

// Values clamp only between different bounds, and only a whole number reads as one.
TEST(SpinRules, ClampsBetweenDifferentBoundsAndReadsWholeNumbersOnly) {
  EXPECT_EQ(ClampValue(5000, 1, 1440), 1440);
  EXPECT_EQ(ClampValue(0, 1, 1440), 1);
  EXPECT_EQ(ClampValue(-7, 0, 0), -7);
  EXPECT_EQ(SteppedValue(1, -1, 1, 1440), 1);
  EXPECT_EQ(SteppedValue(std::numeric_limits<int32_t>::max(), 1, 0, 0), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(ValueOfText("-12", 1), -12);
  for (const char* text : {"", "-", "+", "1.5", "12a", " 12"}) EXPECT_EQ(ValueOfText(text, 1), 1) << text;
}

TEST(SpinRules, AcceptsSignsDigitsTheSeparatorAndControlKeysButEnter) {
  for (const char16_t key : {u'+', u'-', u'0', u'9', u',', u'\b', u'\x03', u'\x16'})
    EXPECT_TRUE(AcceptsChar(key, u',', true)) << static_cast<int>(key);
  for (const char16_t key : {u'a', u'.', u' ', u'\r', u'\x00e4'})
    EXPECT_FALSE(AcceptsChar(key, u',', true)) << static_cast<int>(key);
  // A disabled editor takes control characters only, and not Backspace.
  EXPECT_TRUE(!AcceptsChar(u'5', u'.', false) && !AcceptsChar(u'\b', u'.', false) && AcceptsChar(u'\x03', u'.', false));
}

TEST(SpinRules, SizesLeaveTheTextClearOfTheArrows) {
  EXPECT_EQ(MinimumHeight(16, 13, 1), 13 + 3 + 4 + 2);
  EXPECT_EQ(TextArea({45, 18}, 15), (TRect{0, 0, 28, 19}));
  EXPECT_EQ(ArrowsBounds({49, 22}, 15), (TRect{29, 0, 15, 17}));
  const TArrowLayout arrows = LayoutArrows({10, 17});
  EXPECT_EQ(arrows.Up, (TRect{0, 0, 15, 8}));
  EXPECT_EQ(arrows.Down, (TRect{0, 7, 15, 10}));  // one pixel over the upper arrow
}

class FakeTicker : public TTicker {
 public:
  explicit FakeTicker(FakeTicker*& made) { made = this; }
  void SetInterval(unsigned milliseconds) override { Interval = milliseconds; }
  void SetEnabled(bool enabled) override { Enabled = enabled; }
  unsigned Interval = 0;
  bool Enabled = false;
};

class HeldArrow : public ::testing::Test {
 protected:
  HeldArrow() : arrow(host, [this] { return std::make_unique<FakeTicker>(timer); }) {
    arrow.SetBounds(0, 0, 15, 8);
    arrow.OnClick = [this](TComponent&) { ++clicks; };
  }
  void Press() {
    host.Holding = &arrow;
    arrow.MouseDown(TMouseButton::Left, {}, 5, 4);
  }
  void Release(int x) {
    host.Holding = nullptr;
    arrow.MouseUp(TMouseButton::Left, {}, x, 4);
  }
  FakeGraphicHost host;
  FakeTicker* timer = nullptr;
  TTimerSpeedButton arrow;
  int clicks = 0;
};

TEST_F(HeldArrow, RepeatsAfter400MsThenEvery100OnceMoreOnReleaseAndStopsOnAFailingClick) {
  Press();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled && timer->Interval == 400 && clicks == 0);
  timer->OnTick();
  EXPECT_EQ(timer->Interval, 100u);
  timer->OnTick();
  EXPECT_EQ(clicks, 2);
  Release(5);
  EXPECT_EQ(clicks, 3);
  EXPECT_FALSE(timer->Enabled);
  EXPECT_FALSE(arrow.Pressed());
  Press();  // a failing click stops the repeat
  arrow.OnClick = [](TComponent&) { throw std::runtime_error("step failed"); };
  EXPECT_THROW(timer->OnTick(), std::runtime_error);
  EXPECT_FALSE(timer->Enabled);
}

TEST_F(HeldArrow, DraggedOffItStopsClickingAndReleasedThereDoesNotClick) {
  Press();
  arrow.MouseMove({}, 30, 4);
  EXPECT_FALSE(arrow.Pressed());
  timer->OnTick();
  EXPECT_EQ(clicks, 0);
  arrow.MouseMove({}, 3, 3);
  timer->OnTick();
  EXPECT_EQ(clicks, 1);
  arrow.MouseMove({}, 30, 4);
  Release(30);
  EXPECT_EQ(clicks, 1);
}

TEST_F(HeldArrow, PaintsPressedShiftedWithItsFocusFrame) {
  const TBitmapImage glyph{9, 6, std::vector<TColor>(54, 0)};
  arrow.Glyph = &glyph;
  arrow.FocusFrame = true;
  Press();
  RecordingCanvas canvas;
  arrow.Paint(canvas);
  EXPECT_EQ(canvas.OfKind("Edge")[0].Text, "sunken");
  EXPECT_EQ(canvas.OfKind("Glyph")[0].Args, (std::vector<int>{4, 2, 9, 6}));
  EXPECT_EQ(canvas.OfKind("Focus")[0].Args, (std::vector<int>{4, 4, 9, 2}));
}

}  // namespace
