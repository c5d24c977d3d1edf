#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "chart/PieChart.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/drawing/Win32Canvas.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Form.h"

namespace {

constexpr int kChartLeft = 10;
constexpr int kChartTop = 10;
constexpr int kChartSize = 200;

// A window with a chart and its list, as the program lays them out.
class ChartWindow : public ::testing::Test {
 protected:
  ChartWindow() { list.SetBounds(230, 10, 180, 200); }

  void LoadAndShow(const std::vector<std::string>& texts) {
    std::vector<TPieLine> lines;
    for (size_t i = 0; i < texts.size(); ++i) lines.push_back({texts[i], &objects[i]});
    chart.LoadFromList(lines);
    form.Show();
    Application().ProcessMessages();
    UpdateWindow(form.Handle());
  }

  // The centre of the chart in the form's client area, and a point at an angle from it.
  POINT At(double angle, double radius) const {
    const int cx = kChartLeft + kChartSize / 2;
    const int cy = kChartTop + kChartSize / 2;
    return {cx + static_cast<int>(std::lround(std::cos(angle) * radius)),
            cy - static_cast<int>(std::lround(std::sin(angle) * radius))};
  }
  // The middle angle of the sorted entry with this name.
  double MiddleOf(const std::string& name) const {
    double a0 = 0;
    for (int i = 0; i < chart.Items().Count(); ++i) {
      const double a1 = a0 + 2 * std::numbers::pi * chart.Items().Item(i).Value / chart.Total();
      if (PieLineName(chart.Items().Line(i)) == name) return (a0 + a1) / 2;
      a0 = a1;
    }
    ADD_FAILURE() << "no entry " << name;
    return 0;
  }
  COLORREF PixelAt(POINT point) const {
    const WindowDC dc(form.Handle());
    return GetPixel(dc.Get(), point.x, point.y);
  }

  TFinalForm<TForm> form{TFormOptions{.Caption = "Chart test", .ClientSize = {420, 230}}};
  TListBox list{form};
  TPieChart chart{form, {.ListBox = &list}, {.Bounds = {kChartLeft, kChartTop, kChartSize, kChartSize}}};
  int objects[64] = {};
};

std::vector<std::string> SampleLines() {
  std::vector<std::string> lines{"40 big", "25 mid", "-15 ghost", "10 ten", "5 five", "3 three", "1.5 small"};
  for (int i = 0; i < 40; ++i) lines.push_back("0.1 tiny");  // each too small to draw
  return lines;
}

TEST_F(ChartWindow, PaintsSegmentsGhostsAndLabelsAndWrapsTheColours) {
  chart.GhostColour = RGB(192, 192, 192);
  LoadAndShow(SampleLines());

  const auto colourOf = [&](const char* name) { return PixelAt(At(MiddleOf(name), 60)); };
  EXPECT_EQ(colourOf("big"), ColourRef(chart.ColourTable[0]));
  EXPECT_EQ(colourOf("mid"), ColourRef(chart.ColourTable[1]));
  EXPECT_EQ(colourOf("ghost"), RGB(192, 192, 192));
  EXPECT_EQ(colourOf("ten"), ColourRef(chart.ColourTable[3]));  // the ghost used colour 2
  EXPECT_EQ(colourOf("three"), ColourRef(chart.ColourTable[5]));
  EXPECT_EQ(colourOf("small"), ColourRef(chart.ColourTable[0]));  // the seventh wraps round
  EXPECT_EQ(PixelAt(At(2 * std::numbers::pi - 0.1, 60)), RGB(192, 192, 192));  // undrawn tiny ones

  // The label of "big" lies about its middle ray, inside the disc: dark text pixels
  // there, none beyond the rim.
  const auto darkPixelsAbout = [&](double angle, int fromRadius, int toRadius) {
    int dark = 0;
    for (double a = angle - 0.15; a <= angle + 0.15; a += 0.01)
      for (int radius = fromRadius; radius < toRadius; ++radius) {
        const COLORREF pixel = PixelAt(At(a, radius));
        if (GetRValue(pixel) < 100 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100) ++dark;
      }
    return dark;
  };
  EXPECT_GT(darkPixelsAbout(MiddleOf("big"), 62, 98), 0);
  EXPECT_EQ(darkPixelsAbout(MiddleOf("big"), 102, 110), 0);
}

}  // namespace
